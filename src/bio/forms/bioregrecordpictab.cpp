#include "bioregrecordpictab.h"

#include "bioregrecord.h"
#include "cmnpicctrl.h"
#include "cmnpushbutton.h"

#include <QBoxLayout>

CBioRegRecordPicTab::CBioRegRecordPicTab(CBioReg *reg, const int *recordId, CBioRegRecord *record, QWidget *parent)
    : CCmnTab(parent)
    , m_Reg(reg)
    , m_RecordId(recordId)
    , m_Record(record)
{
    SetHelpPage(QStringLiteral("CBioRegRecordPicTab.html"));
}

void CBioRegRecordPicTab::CreateControls()
{
    m_PicCtrl = new CCmnPicCtrl(this, QSize(45, 15));
    m_PicCtrl->RegisterWhatsThis(this, QStringLiteral("PicCtrl"));
    m_PicCtrl->SetSelectText(QStringLiteral("Add"));
    m_PicCtrl->SetRemoveText(QStringLiteral("Remove"));
    m_PicCtrl->UpdateTexts();
    m_PicCtrl->SelectButton()->setText(m_PicCtrl->SelectText());
    m_PicCtrl->RemoveButton()->setText(m_PicCtrl->RemoveText());
    TopLayout()->addLayout(m_PicCtrl->Layout());
    FinishLayout();
}

bool CBioRegRecordPicTab::DataExchange(CCmnDataExchange *context)
{
    if (m_PicCtrl && m_Record)
        m_PicCtrl->ExchangePicture(context, &m_Record->m_Photo);
    return CCmnTab::DataExchange(context);
}

bool CBioRegRecordPicTab::PhotoAdded() const
{
    return m_PicCtrl && m_PicCtrl->EmptyAtLoad() && m_PicCtrl->PictureAtSave();
}
