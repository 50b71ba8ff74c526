#pragma once

#include "cmnsystemsettingstab.h"

class CCmnCheckBox;

// The "System" tab of the preferences: the framework's system settings and the
// switch that makes the name indexes ignore accents. It edits the preferences
// dialog's copies, and warns when the switch changes, since documents already
// open keep their indexes as they are.
class CSystemSettingsTab : public CCmnSystemSettingsTab
{
    Q_OBJECT
public:
    // Neither value is owned; both must outlive the tab.
    CSystemSettingsTab(bool *ignoreAccents, CCmnSystemSettings *settings, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnCheckBox *IgnoreAccentsCheckBox() const { return m_IgnoreAccentsCheckBox; }

private:
    bool *m_IgnoreAccents;
    // The switch as the tab was loaded (or last warned about).
    bool m_LoadedIgnoreAccents = true;
    CCmnCheckBox *m_IgnoreAccentsCheckBox = nullptr;
};
