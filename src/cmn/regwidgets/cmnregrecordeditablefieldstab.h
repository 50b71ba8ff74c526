#pragma once

#include "cmnregrecordfieldstabordialogmixin.h"
#include "cmntab.h"

#include <QHash>
#include <QList>

class CCmnReg;
class CCmnRegRecord;

// One page of the record window: an editor per field of the page, laid out in
// the columns the record-details layout asks for, exchanging values with the
// dialog's working copy of the record.
class CCmnRegRecordEditableFieldsTab : public CCmnTab, public CCmnRegRecordFieldsTabOrDialogMixin
{
    Q_OBJECT
public:
    // recordId points at the dialog's id of the record (0 for a new one).
    CCmnRegRecordEditableFieldsTab(CCmnReg *reg, const QList<int> &fieldIds, const QHash<int, int> &columnStarts,
                                   const int *recordId, CCmnRegRecord *record, QWidget *parent = nullptr);

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

protected:
    CCmnReg *m_TabReg;
    QList<int> m_TabFieldIds;
    QHash<int, int> m_TabColumnStarts;
    const int *m_RecordId;
    CCmnRegRecord *m_Record;
};
