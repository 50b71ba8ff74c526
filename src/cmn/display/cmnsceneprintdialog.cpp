#include "cmnsceneprintdialog.h"

#include "cmndataexchange.h"
#include "cmnlabel.h"
#include "cmnpapersizes.h"
#include "cmnspinbox.h"

#include <QGridLayout>
#include <QPageSize>
#include <QPrinter>

namespace {

constexpr int kMostCopies = 99;

} // namespace

CCmnScenePrintDialog::CCmnScenePrintDialog(QPrinter *printer, QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Printer(printer)
    , m_PrinterNameLabel(new CCmnLabel)
    , m_PaperSizeLabel(new CCmnLabel)
    , m_CopiesBox(new CCmnSpinBox)
{
    setWindowTitle(tr("Print"));
    m_CopiesBox->setRange(1, kMostCopies);
    m_CopiesBox->setSingleStep(1);
    // Names from the printer and the paper are shown as they are.
    m_PrinterNameLabel->setTextFormat(Qt::PlainText);
    m_PaperSizeLabel->setTextFormat(Qt::PlainText);

    auto *grid = new QGridLayout;
    grid->addWidget(new CCmnLabel(tr("Printer:")), 0, 0);
    grid->addWidget(m_PrinterNameLabel, 0, 1);
    grid->addWidget(new CCmnLabel(tr("Paper size:")), 1, 0);
    grid->addWidget(m_PaperSizeLabel, 1, 1);
    auto *copiesLabel = new CCmnLabel(tr("#Copies:"));
    copiesLabel->setBuddy(m_CopiesBox);
    grid->addWidget(copiesLabel, 2, 0);
    grid->addWidget(m_CopiesBox, 2, 1);
    MainLayout()->addLayout(grid);
}

bool CCmnScenePrintDialog::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        m_PrinterNameLabel->setText(m_Printer->printerName());
        const qint32 paper = CmnPaperSizeFromPageSizeId(m_Printer->pageLayout().pageSize().id());
        m_PaperSizeLabel->setText(CmnPaperSizeName(paper, true));
    }
    if (!context->ExchangeSpinBox(&m_CopyCount, m_CopiesBox))
        return false;
    return CCmnDialogEx::DataExchange(context);
}

int CCmnScenePrintDialog::Exec()
{
    const int result = CCmnDialogEx::Exec();
    if (result == QDialog::Accepted)
        m_Printer->setCopyCount(m_CopyCount);
    return result;
}
