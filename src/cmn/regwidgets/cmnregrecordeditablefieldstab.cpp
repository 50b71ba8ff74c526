#include "cmnregrecordeditablefieldstab.h"

#include "cmngridlayoutex.h"
#include "cmnregfieldgrid.h"

#include <QBoxLayout>

CCmnRegRecordEditableFieldsTab::CCmnRegRecordEditableFieldsTab(CCmnReg *reg, const QList<int> &fieldIds,
                                                               const QHash<int, int> &columnStarts,
                                                               const int *recordId, CCmnRegRecord *record,
                                                               QWidget *parent)
    : CCmnTab(parent)
    , m_TabReg(reg)
    , m_TabFieldIds(fieldIds)
    , m_TabColumnStarts(columnStarts)
    , m_RecordId(recordId)
    , m_Record(record)
{
    SetHelpPage(QStringLiteral("CCmnRegRecordEditableFieldsTab.html"));
}

void CCmnRegRecordEditableFieldsTab::CreateControls()
{
    CreateFieldEditors(HelpNames, m_TabReg, m_TabFieldIds, m_TabColumnStarts, this);
    TopLayout()->addLayout(CmnNewColumnsGridLayout(this, m_FullWidthRows, m_ColumnRows));
    FinishLayout();
}

bool CCmnRegRecordEditableFieldsTab::DataExchange(CCmnDataExchange *context)
{
    if (!ExchangeValues(*context, m_RecordId ? *m_RecordId : 0, m_Record))
        return false;
    return CCmnTab::DataExchange(context);
}
