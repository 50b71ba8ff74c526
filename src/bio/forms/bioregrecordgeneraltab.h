#pragma once

#include "cmnregrecordeditablefieldstab.h"

class CBioReg;
class CBioRegRecord;
class CCmnComboBox;
class CCmnLineEdit;

// The record window's first page: the animal's name across the top, its sex as
// the first row of the first column, then the fields of the layout.
class CBioRegRecordGeneralTab : public CCmnRegRecordEditableFieldsTab
{
    Q_OBJECT
public:
    CBioRegRecordGeneralTab(CBioReg *reg, const QList<int> &fieldIds, const QHash<int, int> &columnStarts,
                            const int *recordId, CBioRegRecord *record, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    // Adding a sire or dam fixes the sex.
    bool m_SexEditable = true;

    CCmnLineEdit *NameEdit() const { return m_NameEdit; }
    CCmnComboBox *SexComboBox() const { return m_SexCombo; }

private:
    CBioRegRecord *m_BioRecord;
    CCmnLineEdit *m_NameEdit = nullptr;
    CCmnComboBox *m_SexCombo = nullptr;
};
