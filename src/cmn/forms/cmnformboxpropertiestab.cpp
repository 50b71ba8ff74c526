#include "cmnformboxpropertiestab.h"

#include "cmnformboxpropertiespanel.h"
#include "cmngridlayoutex.h"

#include <QBoxLayout>

CCmnFormBoxPropertiesTab::CCmnFormBoxPropertiesTab(QWidget *parent)
    : CCmnTab(parent)
    , m_Panel(QSharedPointer<CCmnFormBoxPropertiesPanel>::create(this, this))
{
}

CCmnFormBoxPropertiesTab::~CCmnFormBoxPropertiesTab() = default;

void CCmnFormBoxPropertiesTab::CreateControls()
{
    m_Panel->UpdateCtrls();
    TopLayout()->addLayout(m_Panel->Grid());
    FinishLayout();
}

bool CCmnFormBoxPropertiesTab::DataExchange(CCmnDataExchange *context)
{
    if (!m_Panel->DataExchange(context))
        return false;
    return CCmnTab::DataExchange(context);
}

void CCmnFormBoxPropertiesTab::AddPictureCtrl(const QString &title, const CCmnGridCell &cell)
{
    m_Panel->AddPictureCtrl(title, cell);
}

void CCmnFormBoxPropertiesTab::AddTextCtrl(const QString &title, int minimumLines, bool withHtml,
                                           const CCmnGridCell &cell)
{
    m_Panel->AddTextCtrl(title, minimumLines, withHtml, cell);
}
