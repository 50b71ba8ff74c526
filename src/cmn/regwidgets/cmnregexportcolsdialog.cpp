#include "cmnregexportcolsdialog.h"

#include "cmnregexportcolspanel.h"

#include <QVBoxLayout>

CCmnRegExportColsDialog::CCmnRegExportColsDialog(const CCmnReg &reg, const QString &helpPage,
                                                 CCmnRegExportColumns *choice, QWidget *parent)
    : CCmnPanelDialog(parent)
{
    SetHelpPage(helpPage);
    m_ColsPanel = QSharedPointer<CCmnRegExportColsPanel>::create(reg, helpPage, choice, MainLayout());
    SetPanel(m_ColsPanel);
}
