#include "cmnformboxpropertiesdialog.h"

#include "cmnformboxpropertiespanel.h"
#include "cmngridlayoutex.h"

#include <QVBoxLayout>

CCmnFormBoxPropertiesDialog::CCmnFormBoxPropertiesDialog(QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Panel(QSharedPointer<CCmnFormBoxPropertiesPanel>::create(this, this))
{
    MainLayout()->addLayout(m_Panel->Grid());
}

CCmnFormBoxPropertiesDialog::~CCmnFormBoxPropertiesDialog() = default;

void CCmnFormBoxPropertiesDialog::PrepareRun()
{
    m_Panel->UpdateCtrls();
    Prepare();
}

int CCmnFormBoxPropertiesDialog::Exec()
{
    PrepareRun();
    return CCmnDialogEx::Exec();
}

bool CCmnFormBoxPropertiesDialog::DataExchange(CCmnDataExchange *context)
{
    if (!m_Panel->DataExchange(context))
        return false;
    return CCmnDialogEx::DataExchange(context);
}
