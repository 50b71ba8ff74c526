#pragma once

#include "cmntab.h"

class CBioInbreedingSettings;
class CCmnComboBox;
class CCmnSpinBox;

// The "Inbreeding" tab of the preferences: how many generations the coefficients
// of inbreeding look back and how many decimal places they show. It edits the
// preferences dialog's copy of the settings.
class CBioPreferenceInbreedingSettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The settings are not owned and must outlive the tab.
    explicit CBioPreferenceInbreedingSettingsTab(CBioInbreedingSettings *settings, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnComboBox *GenerationsComboBox() const { return m_GenerationsComboBox; }
    CCmnSpinBox *PrecisionSpinBox() const { return m_PrecisionSpinBox; }

private:
    CBioInbreedingSettings *m_Settings;
    CCmnComboBox *m_GenerationsComboBox = nullptr;
    CCmnSpinBox *m_PrecisionSpinBox = nullptr;
};
