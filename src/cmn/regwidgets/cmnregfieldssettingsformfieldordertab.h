#pragma once

#include "cmnregfieldssettingstab.h"
#include "tcmnnameditemsunsortedlistctrl.h"

// The "Form Field Order" tab of the document settings: the order in which printed
// forms and exports list the fields, changed with Up and Down.
class CCmnRegFieldsSettingsFormFieldOrderTab : public CCmnRegFieldsSettingsTab
{
    Q_OBJECT
public:
    using CFieldList = TCmnNamedItemsUnsortedListCtrl<int>;

    CCmnRegFieldsSettingsFormFieldOrderTab(const QString &text, const QString &recordWord,
                                           const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                           const QSharedPointer<CCmnReg> &reg, QWidget *parent = nullptr);

    void CreateControls() override;
    // A field left out of the list (one sharing an earlier field's label) goes back
    // at the end of the order when the settings are next brought up to date.
    bool DataExchange(CCmnDataExchange *context) override;

    CFieldList *FieldListCtrl() const { return m_FieldList; }

private:
    CFieldList *m_FieldList = nullptr;
};
