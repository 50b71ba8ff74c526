#include "cmnregexportcolspage.h"

#include "cmnregexportcolspanel.h"

#include <QVBoxLayout>

CCmnRegExportColsPage::CCmnRegExportColsPage(const CCmnReg &reg, CCmnRegExportColumns *choice, QWidget *parent)
    : CCmnWizardPanelPage(parent)
    , m_Choice(choice)
{
    setTitle(QStringLiteral("Columns"));
    SetHelpPage(QStringLiteral("CCmnRegExportColsPage.html"));
    m_ColsPanel = QSharedPointer<CCmnRegExportColsPanel>::create(reg, QStringLiteral("CCmnRegExportColsPage.html"),
                                                                 choice, PageLayout());
    SetPanel(m_ColsPanel);
    ApplyLayout();
}
