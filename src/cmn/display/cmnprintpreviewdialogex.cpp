#include "cmnprintpreviewdialogex.h"

#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndialogrunner.h"
#include "cmnfilenames.h"
#include "cmnfileprompts.h"
#include "cmngeometrykeeper.h"
#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnmessageboxes.h"
#include "cmnpagefiles.h"
#include "cmnprintdialog.h"
#include "cmnprinter.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnsceneprintdialog.h"
#include "cmntabledocumentprinter.h"
#include "cmntoolbar.h"
#include "cmnzoomcombobox.h"

#include <QAction>
#include <QActionGroup>
#include <QFormLayout>
#include <QIntValidator>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double kPreviewZoomStep = 1.1;
constexpr int kRepeatMs = 200;

// Where the printer's pages go: to the printer itself, or into a file that the
// program writes (the toolkit writes no PostScript; a ".ps" name asks for it).
enum EOutput { NativeOutput, PdfOutput, PostScriptOutput };

EOutput OutputOf(const QPrinter &printer)
{
    if (CmnFileExtension(printer.outputFileName()).compare(QLatin1String("ps"), Qt::CaseInsensitive) == 0)
        return PostScriptOutput;
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return PdfOutput;
    return NativeOutput;
}

} // namespace

CCmnPrintPreviewMainWindow::CCmnPrintPreviewMainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    // A main window is a window of its own unless told otherwise.
    setWindowFlags(Qt::Widget);
}

QMenu *CCmnPrintPreviewMainWindow::createPopupMenu()
{
    return nullptr;
}

CCmnPrintPreviewDialogEx::CCmnPrintPreviewDialogEx(qint32 options, QPrinter *printer, QWidget *parent,
                                                   Qt::WindowFlags flags)
    : CCmnDialog(parent, flags)
    , m_Options(options)
    , m_OwnPrinter(printer ? nullptr : std::make_unique<CCmnPrinter>(QPrinter::ScreenResolution))
    , m_Printer(printer ? printer : m_OwnPrinter.get())
{
    m_Preview = new CCmnPrintPreviewWidgetEx(m_Printer, this);
    connect(m_Preview, &CCmnPrintPreviewWidgetEx::paintRequested, this, &CCmnPrintPreviewDialogEx::paintRequested);
    connect(m_Preview, &CCmnPrintPreviewWidgetEx::previewChanged, this,
            &CCmnPrintPreviewDialogEx::Slot_previewChanged_PreviewWidget);

    m_NavGroup = new QActionGroup(this);
    m_NavGroup->setExclusive(false);
    if (m_Options & CmnPrintPreviewNavigation) {
        NewAction(NextPageAction, m_NavGroup, tr("Next page"), "go-next", false);
        NewAction(PreviousPageAction, m_NavGroup, tr("Previous page"), "go-previous", false);
        NewAction(FirstPageAction, m_NavGroup, tr("First page"), "go-first", false);
        NewAction(LastPageAction, m_NavGroup, tr("Last page"), "go-last", false);
        connect(m_NavGroup, &QActionGroup::triggered, this, &CCmnPrintPreviewDialogEx::Slot_triggered_NavGroup);
    }

    m_FitGroup = new QActionGroup(this);
    NewAction(FitWidthAction, m_FitGroup, tr("Fit width"), "fit-width", true)
        ->setObjectName(QStringLiteral("m_pAction_FitWidth"));
    NewAction(FitPageAction, m_FitGroup, tr("Fit page"), "fit-page", true)
        ->setObjectName(QStringLiteral("m_pAction_FitPage"));
    m_Actions[FitPageAction]->setChecked(true);
    connect(m_FitGroup, &QActionGroup::triggered, this, &CCmnPrintPreviewDialogEx::Slot_triggered_FitGroup);

    m_ZoomGroup = new QActionGroup(this);
    m_ZoomGroup->setExclusive(false);
    NewAction(ZoomInAction, m_ZoomGroup, tr("Zoom in"), "zoom-in", false);
    NewAction(ZoomOutAction, m_ZoomGroup, tr("Zoom out"), "zoom-out", false);

    m_OrientationGroup = new QActionGroup(this);
    if (m_Options & CmnPrintPreviewOrientation) {
        NewAction(PortraitAction, m_OrientationGroup, tr("Portrait"), "layout-portrait", true);
        NewAction(LandscapeAction, m_OrientationGroup, tr("Landscape"), "layout-landscape", true);
        connect(m_Actions[PortraitAction], &QAction::triggered, this,
                &CCmnPrintPreviewDialogEx::Slot_triggered_OrientationPortrait);
        connect(m_Actions[LandscapeAction], &QAction::triggered, this,
                &CCmnPrintPreviewDialogEx::Slot_triggered_OrientationLandscape);
        const bool landscape = m_Printer->pageLayout().orientation() == QPageLayout::Landscape;
        m_Actions[landscape ? LandscapeAction : PortraitAction]->setChecked(true);
    }

    m_ModeGroup = new QActionGroup(this);
    if (m_Options & CmnPrintPreviewPageModes) {
        NewAction(SinglePageAction, m_ModeGroup, tr("Show single page"), "view-page-one", true)
            ->setObjectName(QStringLiteral("m_pAction_ModeSingle"));
        NewAction(FacingPagesAction, m_ModeGroup, tr("Show facing pages"), "view-page-sided", true)
            ->setObjectName(QStringLiteral("m_pAction_ModeFacing"));
        NewAction(AllPagesAction, m_ModeGroup, tr("Show overview of all pages"), "view-page-multi", true)
            ->setObjectName(QStringLiteral("m_pAction_ModeOverview"));
        m_Actions[SinglePageAction]->setChecked(true);
        connect(m_ModeGroup, &QActionGroup::triggered, this, &CCmnPrintPreviewDialogEx::Slot_triggered_ModeGroup);
    }

    m_PrinterGroup = new QActionGroup(this);
    m_PrinterGroup->setExclusive(false);
    NewAction(PrintAction, m_PrinterGroup, tr("Print"), "print", false);
    connect(m_Actions[PrintAction], &QAction::triggered, this, &CCmnPrintPreviewDialogEx::Slot_triggered_PrinterPrint);
    if (m_Options & CmnPrintPreviewPageSetup) {
        NewAction(PageSetupAction, m_PrinterGroup, tr("Page setup"), "page-setup", false);
        connect(m_Actions[PageSetupAction], &QAction::triggered, this,
                &CCmnPrintPreviewDialogEx::Slot_triggered_PrinterPageSetup);
    }

    if (m_Options & CmnPrintPreviewNavigation) {
        m_PageNumberEdit = new CCmnLineEdit;
        m_PageNumberEdit->SetKeepLastGoodText(true);
        m_PageNumberEdit->setContextMenuPolicy(Qt::NoContextMenu);
        m_PageNumberEdit->setAlignment(Qt::AlignRight);
        m_PageNumberEdit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(m_PageNumberEdit, &QLineEdit::returnPressed, m_PageNumberEdit, &CCmnLineEdit::Slot_this_returnPressed);
        connect(m_PageNumberEdit, &QLineEdit::editingFinished, this,
                &CCmnPrintPreviewDialogEx::Slot_editingFinished_PageNum);
        m_PageCountLabel = new CCmnLabel;
    }

    m_ZoomBox = CmnCreateZoomComboBox(this);
    connect(m_ZoomBox->lineEdit(), &QLineEdit::editingFinished, this,
            &CCmnPrintPreviewDialogEx::Slot_editingFinished_ZoomFactor);
    connect(m_ZoomBox, &QComboBox::currentIndexChanged, this, &CCmnPrintPreviewDialogEx::Slot_editingFinished_ZoomFactor);

    BuildToolBar();

    QString title = tr("Print Preview");
    if (!m_Printer->docName().isEmpty())
        title += QStringLiteral(": ") + m_Printer->docName();
    setWindowTitle(title);

    if (m_Actions[PageSetupAction])
        m_Actions[PageSetupAction]->setEnabled(m_Printer->isValid()
                                               && m_Printer->outputFormat() == QPrinter::NativeFormat);
    m_Preview->setFocus();
    CCmnGeometryKeeper keeper;
    keeper.SetKeyRememberGeometry(QStringLiteral("printpreviewdialog")).SetScreenFractions(0.75, 0.75);
    SetGeometryKeeper(keeper);
}

// The preview goes before the printer it shows.
CCmnPrintPreviewDialogEx::~CCmnPrintPreviewDialogEx()
{
    delete m_Preview;
}

QAction *CCmnPrintPreviewDialogEx::NewAction(EAction which, QActionGroup *group, const QString &text,
                                             const char *icon, bool checkable)
{
    auto *action = new QAction(text, this);
    CmnSetToolButtonIcon(action, QLatin1String(icon));
    action->setCheckable(checkable);
    group->addAction(action);
    m_Actions[which] = action;
    return action;
}

void CCmnPrintPreviewDialogEx::BuildToolBar()
{
    m_MainWindow = new CCmnPrintPreviewMainWindow(this);
    m_ToolBar = new CCmnToolBar(m_MainWindow);
    m_ToolBar->addAction(m_Actions[FitWidthAction]);
    m_ToolBar->addAction(m_Actions[FitPageAction]);
    m_ToolBar->addSeparator();
    m_ToolBar->addWidget(m_ZoomBox);
    m_ToolBar->addAction(m_Actions[ZoomOutAction]);
    m_ToolBar->addAction(m_Actions[ZoomInAction]);
    if (m_Options & CmnPrintPreviewOrientation) {
        m_ToolBar->addSeparator();
        m_ToolBar->addAction(m_Actions[PortraitAction]);
        m_ToolBar->addAction(m_Actions[LandscapeAction]);
    }
    if (m_Options & CmnPrintPreviewNavigation) {
        m_ToolBar->addSeparator();
        m_ToolBar->addAction(m_Actions[FirstPageAction]);
        m_ToolBar->addAction(m_Actions[PreviousPageAction]);
        m_PageNumberWidget = new QWidget;
        auto *column = new QVBoxLayout(m_PageNumberWidget);
        column->setContentsMargins(0, 0, 0, 0);
        auto *row = new QFormLayout;
        row->addRow(m_PageNumberEdit, m_PageCountLabel);
        column->addLayout(row);
        column->setAlignment(row, Qt::AlignVCenter);
        m_ToolBar->addWidget(m_PageNumberWidget);
        m_ToolBar->addAction(m_Actions[NextPageAction]);
        m_ToolBar->addAction(m_Actions[LastPageAction]);
    }
    if (m_Options & CmnPrintPreviewPageModes) {
        m_ToolBar->addSeparator();
        m_ToolBar->addAction(m_Actions[SinglePageAction]);
        m_ToolBar->addAction(m_Actions[FacingPagesAction]);
        m_ToolBar->addAction(m_Actions[AllPagesAction]);
    }
    m_ToolBar->addSeparator();
    if (m_Options & CmnPrintPreviewPageSetup)
        m_ToolBar->addAction(m_Actions[PageSetupAction]);
    m_ToolBar->addAction(m_Actions[PrintAction]);

    // Holding a zoom button keeps zooming.
    for (const auto &[which, slot] : {std::pair{ZoomInAction, &CCmnPrintPreviewDialogEx::Slot_clicked_ZoomIn},
                                      std::pair{ZoomOutAction, &CCmnPrintPreviewDialogEx::Slot_clicked_ZoomOut}}) {
        if (auto *button = qobject_cast<QToolButton *>(m_ToolBar->widgetForAction(m_Actions[which]))) {
            button->setAutoRepeat(true);
            button->setAutoRepeatDelay(kRepeatMs);
            button->setAutoRepeatInterval(kRepeatMs);
            connect(button, &QToolButton::clicked, this, slot);
        }
    }

    m_MainWindow->addToolBar(m_ToolBar);
    m_MainWindow->setCentralWidget(m_Preview);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_MainWindow);
}

void CCmnPrintPreviewDialogEx::SetDocumentTitle(const QString &title)
{
    m_Preview->SetDocumentTitle(title);
}

void CCmnPrintPreviewDialogEx::SetTextDocument(QTextDocument *document)
{
    m_Document = document;
    connect(this, &CCmnPrintPreviewDialogEx::paintRequested, this,
            &CCmnPrintPreviewDialogEx::Slot_paintRequested_printPreviewTextDocument, Qt::UniqueConnection);
}

void CCmnPrintPreviewDialogEx::Slot_paintRequested_printPreviewTextDocument(QPrinter *printer)
{
    if (m_Document)
        CCmnTableDocumentPrinter(*m_Document).Print(*printer);
}

void CCmnPrintPreviewDialogEx::setVisible(bool visible)
{
    if (visible && m_FirstShow) {
        m_FirstShow = false;
        m_Preview->SetInitialized(true);
        m_Preview->RebuildPreview();
        m_Preview->View()->updateGeometry();
    }
    CCmnDialog::setVisible(visible);
}

void CCmnPrintPreviewDialogEx::SetFitChecked(bool on)
{
    QAction *fitWidth = m_Actions[FitWidthAction];
    QAction *fitPage = m_Actions[FitPageAction];
    const bool fitting = m_FitGroup->isExclusive() && (fitWidth->isChecked() || fitPage->isChecked());
    if (fitting == on)
        return;
    m_FitGroup->setExclusive(on);
    if (!on) {
        fitWidth->setChecked(false);
        fitPage->setChecked(false);
        return;
    }
    QAction *checked = fitWidth->isChecked() ? fitWidth : fitPage;
    checked->setChecked(true);
    // A group that just became exclusive may not know its checked action yet.
    if (m_FitGroup->checkedAction() != checked) {
        m_FitGroup->removeAction(checked);
        m_FitGroup->addAction(checked);
    }
}

void CCmnPrintPreviewDialogEx::Slot_triggered_FitGroup(QAction *action)
{
    SetFitChecked(true);
    m_Preview->SetFitting(true);
    m_Preview->SetZoomMode(action == m_Actions[FitPageAction] ? CmnPreviewFitPage : CmnPreviewFitWidth);
    m_Preview->FitCurrentPage(true);
}

void CCmnPrintPreviewDialogEx::ZoomBy(double factor)
{
    SetFitChecked(false);
    m_Preview->SetFitting(false);
    m_Preview->SetZoomMode(CmnPreviewCustomZoom);
    m_Preview->SetZoomFactor(m_Preview->ZoomFactor() * factor);
    m_Preview->View()->scale(factor, factor);
    UpdateZoomText();
}

void CCmnPrintPreviewDialogEx::Slot_clicked_ZoomIn()
{
    ZoomBy(kPreviewZoomStep);
}

void CCmnPrintPreviewDialogEx::Slot_clicked_ZoomOut()
{
    ZoomBy(1.0 / kPreviewZoomStep);
}

void CCmnPrintPreviewDialogEx::UpdateZoomText()
{
    m_ZoomBox->lineEdit()->setText(CmnZoomFactorText(m_Preview->ZoomFactor()));
}

void CCmnPrintPreviewDialogEx::Slot_editingFinished_ZoomFactor()
{
    double percent = 0.0;
    if (!CmnReadZoomPercent(m_ZoomBox->lineEdit()->text(), &percent))
        return;
    m_Preview->SetFitting(false);
    m_Preview->SetZoomMode(CmnPreviewCustomZoom);
    m_Preview->SetZoomFactor(percent / 100.0);
    const double scale = m_Preview->ZoomFactor() * logicalDpiY() / m_Printer->logicalDpiY();
    m_Preview->View()->setTransform(QTransform::fromScale(scale, scale));
    m_ZoomBox->setEditText(CmnZoomPercentText(percent));
    SetFitChecked(false);
}

void CCmnPrintPreviewDialogEx::Slot_triggered_NavGroup(QAction *action)
{
    if (!(m_Options & CmnPrintPreviewNavigation))
        return;
    const qint32 current = m_Preview->CurrentPage();
    if (action == m_Actions[PreviousPageAction])
        m_Preview->GoToPage(current - 1);
    else if (action == m_Actions[NextPageAction])
        m_Preview->GoToPage(current + 1);
    else if (action == m_Actions[FirstPageAction])
        m_Preview->GoToPage(1);
    else if (action == m_Actions[LastPageAction])
        m_Preview->GoToPage(m_Preview->PageCount());
    UpdateNavigation();
}

void CCmnPrintPreviewDialogEx::Slot_editingFinished_PageNum()
{
    if (!(m_Options & CmnPrintPreviewNavigation))
        return;
    bool ok = false;
    const int page = m_PageNumberEdit->text().toInt(&ok);
    if (ok)
        m_Preview->GoToPage(page);
}

void CCmnPrintPreviewDialogEx::EnableNavigation(bool enabled)
{
    if (!(m_Options & CmnPrintPreviewNavigation))
        return;
    m_NavGroup->setEnabled(enabled);
    m_PageNumberEdit->setEnabled(enabled);
    m_PageCountLabel->setEnabled(enabled);
}

void CCmnPrintPreviewDialogEx::Slot_triggered_ModeGroup(QAction *action)
{
    if (!(m_Options & CmnPrintPreviewPageModes))
        return;
    if (action == m_Actions[AllPagesAction]) {
        m_Preview->SetPageMode(CmnPreviewAllPages);
        SetFitChecked(false);
        m_FitGroup->setEnabled(false);
        EnableNavigation(false);
        return;
    }
    m_Preview->SetPageMode(action == m_Actions[FacingPagesAction] ? CmnPreviewFacingPages : CmnPreviewSinglePage);
    m_FitGroup->setEnabled(true);
    EnableNavigation(true);
    SetFitChecked(true);
}

void CCmnPrintPreviewDialogEx::SetOrientation(bool landscape)
{
    m_Printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_Preview->RebuildPreview();
}

void CCmnPrintPreviewDialogEx::Slot_triggered_OrientationPortrait(bool checked)
{
    Q_UNUSED(checked)
    SetOrientation(false);
}

void CCmnPrintPreviewDialogEx::Slot_triggered_OrientationLandscape(bool checked)
{
    Q_UNUSED(checked)
    SetOrientation(true);
}

void CCmnPrintPreviewDialogEx::Slot_triggered_PrinterPageSetup()
{
    QPageSetupDialog dialog(m_Printer, this);
    if (CmnExecDialog(dialog) != QDialog::Accepted)
        return;
    if (m_Options & CmnPrintPreviewOrientation) {
        const bool landscape = m_Printer->pageLayout().orientation() == QPageLayout::Landscape;
        m_Actions[landscape ? LandscapeAction : PortraitAction]->setChecked(true);
        m_Printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    // Whatever the page set-up changed shows at once.
    m_Preview->RebuildPreview();
}

void CCmnPrintPreviewDialogEx::Slot_previewChanged_PreviewWidget()
{
    UpdateNavigation();
    UpdatePageCount();
    UpdateZoomText();
}

void CCmnPrintPreviewDialogEx::UpdateNavigation()
{
    if (!(m_Options & CmnPrintPreviewNavigation))
        return;
    const qint32 current = m_Preview->CurrentPage();
    const qint32 count = m_Preview->PageCount();
    m_Actions[NextPageAction]->setEnabled(current < count);
    m_Actions[LastPageAction]->setEnabled(current < count);
    m_Actions[PreviousPageAction]->setEnabled(current > 1);
    m_Actions[FirstPageAction]->setEnabled(current > 1);
    m_PageNumberEdit->setText(QString::number(current));
}

void CCmnPrintPreviewDialogEx::UpdatePageCount()
{
    if (!(m_Options & CmnPrintPreviewNavigation))
        return;
    const qint32 count = m_Preview->PageCount();
    m_PageCountLabel->setText(QStringLiteral("/ %1").arg(count));
    const QString digits = QString::number(count);
    const int width = m_PageNumberEdit->minimumSizeHint().width()
        + fontMetrics().horizontalAdvance(QString(digits.size(), QLatin1Char('8')));
    m_PageNumberEdit->setMinimumWidth(width);
    m_PageNumberEdit->setMaximumWidth(width);
    delete m_PageNumberEdit->validator();
    m_PageNumberEdit->setValidator(new QIntValidator(1, count, m_PageNumberEdit));
}

void CCmnPrintPreviewDialogEx::Slot_triggered_PrinterPrint()
{
    const EOutput output = OutputOf(*m_Printer);
    if (output != NativeOutput) {
        PrintToFile(output == PostScriptOutput);
        return;
    }
    int result = QDialog::Rejected;
    if (m_Options & CmnPrintPreviewSimplePrintDialog) {
        CCmnScenePrintDialog dialog(m_Printer, this);
        result = dialog.Exec();
    } else {
        CCmnPrintDialog dialog(m_Printer, this);
        result = CmnExecDialog(dialog);
    }
    if (result != QDialog::Accepted)
        return;
    // The print dialog may have sent the pages to a file instead ("Print to
    // File"): that file is written whole before it replaces an older one.
    if (!m_Printer->outputFileName().isEmpty()) {
        if (WriteFile(m_Printer->outputFileName(), OutputOf(*m_Printer) == PostScriptOutput))
            accept();
        return;
    }
    m_Preview->print();
    accept();
}

void CCmnPrintPreviewDialogEx::PrintToFile(bool postScript)
{
    const QString suffix = postScript ? QStringLiteral("ps") : QStringLiteral("pdf");
    const QString caption = postScript ? tr("Export to PostScript") : tr("Export to PDF");
    const QString path = CmnGetSaveFileNameWithSuffix(this, caption, m_Printer->outputFileName(),
                                                      QStringLiteral("*.") + suffix, suffix);
    // Cancelled: nothing is written and the preview stays.
    if (path.isEmpty())
        return;
    m_Printer->setOutputFileName(path);
    if (!WriteFile(path, postScript))
        return;
    accept();
    CmnOfferToViewCreatedFile(parentWidget(), path, 100);
}

bool CCmnPrintPreviewDialogEx::WriteFile(const QString &path, bool postScript)
{
    const std::unique_ptr<CCmnPrinter> pages = m_Preview->RecordPrint();
    const TCmnPagePainter paint = CmnRecordedPagesPainter(pages->RecordedPages());
    const QString error = postScript
        ? CmnWritePostScriptFile(path, m_Printer->pageLayout(), m_Printer->resolution(), m_Printer->docName(), paint)
        : CmnWritePdfFile(path, m_Printer->pageLayout(), m_Printer->resolution(), m_Printer->docName(), paint);
    if (error.isEmpty())
        return true;
    ShowRememberedMessage(QMessageBox::Warning, this, CmnGetAppDescriptor().m_ProductDisplayName,
                          CmnHtmlEscapedParagraph(error));
    return false;
}
