#pragma once

#include "cmnregfieldssettingstab.h"

class CCmnRegFieldsSettingsSystemFieldsCtrl;

// The "System Fields" tab of the document settings: the settings of the built-in
// special and system fields. Their labels come from the terminology and are not
// changed here; when two fields share a label only the first is listed.
class CCmnRegFieldsSettingsSystemFieldsTab : public CCmnRegFieldsSettingsTab
{
    Q_OBJECT
public:
    CCmnRegFieldsSettingsSystemFieldsTab(const QString &text, const QString &recordWord,
                                         const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                         const QSharedPointer<CCmnReg> &reg, QWidget *parent = nullptr);

    void CreateControls() override;
    // Saving stores each listed field's definition and mask and marks every
    // derived part changed.
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnRegFieldsSettingsSystemFieldsCtrl *SystemFieldsCtrl() const { return m_SystemFieldsCtrl; }

private:
    CCmnRegFieldsSettingsSystemFieldsCtrl *m_SystemFieldsCtrl = nullptr;
};
