#include "cmnscenewidget.h"

#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndialogrunner.h"
#include "cmnfileprompts.h"
#include "cmngraphicsscene.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnpagefiles.h"
#include "cmnpagesetupprinter.h"
#include "cmnpapersizes.h"
#include "cmnprintdialog.h"
#include "cmnprinter.h"
#include "cmnprinterprovider.h"
#include "cmnprintmarginsdialog.h"
#include "cmnprintpreviewdialogex.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnpushbutton.h"
#include "cmnsaveimageparamsdialog.h"
#include "cmnsceneprintdialog.h"
#include "cmnscenewidgetcontrols.h"
#include "cmntoolbutton.h"
#include "cmnwidgetsetup.h"
#include "cmnzoomcombobox.h"

#include <QButtonGroup>
#include <QGraphicsRectItem>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr double kZoomStep = 1.1;
constexpr int kMaxVisibleItems = 30;

// The side of an exported image that the image parameters propose.
constexpr int kProposedImageSide = 1024;
constexpr qint32 kOfferToViewMessageId = 100;

// Draws the whole scene (its rectangle is the page) over the whole device,
// keeping its proportions, on a white that lets the paper show through.
// False when painting could not start or finish.
bool DrawScene(QPaintDevice &device, QGraphicsScene &scene, bool smooth)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (smooth)
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(painter.window(), QColor(255, 255, 255, 0));
    scene.render(&painter, QRectF(), scene.sceneRect(), Qt::KeepAspectRatio);
    return painter.end();
}

TCmnPagePainter ScenePainter(QGraphicsScene &scene)
{
    return [&scene](QPagedPaintDevice &device) { return DrawScene(device, scene, true); };
}

bool IsPostScript(const QString &path)
{
    return CmnFileExtension(path).compare(QLatin1String("ps"), Qt::CaseInsensitive) == 0;
}

// Ends a row of controls with a stretch and adds it to the main layout.
void FinishRow(QVBoxLayout *main, QHBoxLayout *row)
{
    if (!row)
        return;
    row->addStretch();
    main->addLayout(row);
}

} // namespace

CCmnSceneWidget::CCmnSceneWidget(const CCmnSceneWidgetParams &params, const CCmnPageSetup &pageSetup,
                                 CCmnSceneWidgetControls *controls, QWidget *parent)
    : CCmnWidget(nullptr, parent)
    , m_Params(params)
    , m_DocumentName(tr("Document"))
    , m_ContentName(tr("Document"))
    , m_PageSetup(pageSetup)
    , m_Orientation(params.m_InitialOrientation == 1 ? 1 : 0)
{
    if (controls)
        controls->Clear();

    auto *mainLayout = new QVBoxLayout;
    mainLayout->setContentsMargins(0, 0, 0, 0);
    m_View = new CCmnPrintPreviewGraphicsView;
    m_View->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_View->setBackgroundBrush(QBrush(Qt::lightGray, Qt::SolidPattern));
    m_View->setInteractive(m_Params.m_Options & CCmnSceneWidgetParams::Interactive);
    m_View->setDragMode(QGraphicsView::ScrollHandDrag);
    m_View->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    connect(m_View, &CCmnPrintPreviewGraphicsView::resized, this, &CCmnSceneWidget::Slot_resized_GraphicsView);
    mainLayout->addWidget(m_View);

    const int extent = style()->pixelMetric(QStyle::PM_ToolBarIconSize);
    const QSize iconSize(extent, extent);

    // Without a sink the controls go into three rows under the view.
    QHBoxLayout *row = controls ? nullptr : new QHBoxLayout;
    auto place = [&](QList<QWidget *> *list, QWidget *widget) {
        if (controls)
            list->append(widget);
        else
            row->addWidget(widget);
    };

    for (int which = SaveButton; which <= ImageButton; ++which) {
        static constexpr qint32 kOption[] = {CCmnSceneWidgetParams::SaveButton,
                                             CCmnSceneWidgetParams::ExportPdfButton,
                                             CCmnSceneWidgetParams::ExportImageButton};
        static constexpr int kIcon[] = {CCmnSceneWidgetParams::SaveIcon, CCmnSceneWidgetParams::PdfIcon,
                                        CCmnSceneWidgetParams::ImageIcon};
        static constexpr void (CCmnSceneWidget::*kSlot[])(bool) = {
            &CCmnSceneWidget::Slot_clicked_Save, &CCmnSceneWidget::Slot_clicked_SavePDF,
            &CCmnSceneWidget::Slot_clicked_SaveImg};
        if (m_Params.m_Options & kOption[which]) {
            m_ActionButtons[which] = NewActionButton(kIcon[which], iconSize);
            connect(m_ActionButtons[which], &QAbstractButton::clicked, this, kSlot[which]);
            place(controls ? &controls->m_ActionButtons : nullptr, m_ActionButtons[which]);
        }
    }

    const qint32 options = m_Params.m_Options;
    const bool printButton = options & (CCmnSceneWidgetParams::StandardPrintDialog |
                                        CCmnSceneWidgetParams::SimplePrintDialog);
    const bool previewButton = options & CCmnSceneWidgetParams::PrintPreviewButton;
    if ((options & CCmnSceneWidgetParams::PushButtons) && !(options & CCmnSceneWidgetParams::NoCombinedPrintButton) &&
        printButton && previewButton) {
        place(controls ? &controls->m_ActionButtons : nullptr,
              m_CombinedPrint.Create(this, this, &CCmnSceneWidget::Slot_triggered_Print,
                                     &CCmnSceneWidget::Slot_triggered_PrintPreview));
    } else {
        if (printButton) {
            m_ActionButtons[PrintButton] = NewActionButton(CCmnSceneWidgetParams::PrintIcon, iconSize);
            connect(m_ActionButtons[PrintButton], &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_Print);
            place(controls ? &controls->m_ActionButtons : nullptr, m_ActionButtons[PrintButton]);
        }
        if (previewButton) {
            m_ActionButtons[PreviewButton] = NewActionButton(CCmnSceneWidgetParams::PreviewIcon, iconSize);
            connect(m_ActionButtons[PreviewButton], &QAbstractButton::clicked, this,
                    &CCmnSceneWidget::Slot_clicked_PrintPreview);
            place(controls ? &controls->m_ActionButtons : nullptr, m_ActionButtons[PreviewButton]);
        }
    }
    if (!controls) {
        FinishRow(mainLayout, row);
        row = new QHBoxLayout;
    }

    LoadPrinters();
    m_PrinterCombo = new CCmnComboBox(this);
    m_PrinterCombo->setMaxVisibleItems(kMaxVisibleItems);
    const QString printerPrefix = Text(CCmnSceneWidgetParams::PrinterPrefix);
    QString defaultEntry = printerPrefix + tr("Default");
    if (m_DefaultPrinterIndex >= 0)
        defaultEntry += QStringLiteral(" (") + m_Printers.at(m_DefaultPrinterIndex) + QLatin1Char(')');
    m_PrinterCombo->addItem(defaultEntry);
    for (const QString &printer : std::as_const(m_Printers))
        m_PrinterCombo->addItem(printerPrefix + printer);
    m_PrinterCombo->setToolTip(tr("Select the printer"));
    connect(m_PrinterCombo, &QComboBox::currentIndexChanged, this, &CCmnSceneWidget::Slot_currentIndexChanged_Printer);

    m_PaperSizeCombo = new CCmnComboBox(this);
    m_PaperSizeCombo->setMaxVisibleItems(kMaxVisibleItems);
    m_PaperSizeCombo->setToolTip(tr("Select the paper size"));
    connect(m_PaperSizeCombo, &QComboBox::currentIndexChanged, this,
            &CCmnSceneWidget::Slot_currentIndexChanged_PaperSize);
    if (controls) {
        controls->m_LabelledControls.append({tr("Printer: "), m_PrinterCombo});
        controls->m_LabelledControls.append({tr("Paper Size: "), m_PaperSizeCombo});
    } else {
        row->addWidget(m_PrinterCombo);
        row->addWidget(m_PaperSizeCombo);
        FinishRow(mainLayout, row);
        row = new QHBoxLayout;
    }

    m_LandscapeButton = NewToolButton(CCmnSceneWidgetParams::LandscapeToolTip, iconSize, true, false);
    m_PortraitButton = NewToolButton(CCmnSceneWidgetParams::PortraitToolTip, iconSize, true, false);
    connect(m_LandscapeButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_Landscape);
    connect(m_PortraitButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_Portrait);
    place(controls ? &controls->m_OrientationButtons : nullptr, m_LandscapeButton);
    place(controls ? &controls->m_OrientationButtons : nullptr, m_PortraitButton);
    m_OrientationGroup = new QButtonGroup(this);
    m_OrientationGroup->setExclusive(true);
    m_OrientationGroup->addButton(m_LandscapeButton);
    m_OrientationGroup->addButton(m_PortraitButton);

    m_MarginsButton = NewToolButton(CCmnSceneWidgetParams::MarginsToolTip, iconSize, false, false);
    connect(m_MarginsButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_Margins);
    place(controls ? &controls->m_MarginsButtons : nullptr, m_MarginsButton);

    m_FitWidthButton = NewToolButton(CCmnSceneWidgetParams::FitWidthToolTip, iconSize, true, false);
    m_FitPageButton = NewToolButton(CCmnSceneWidgetParams::FitPageToolTip, iconSize, true, false);
    connect(m_FitWidthButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_FitWidth);
    connect(m_FitPageButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_FitPage);
    place(controls ? &controls->m_FitAndZoomButtons : nullptr, m_FitWidthButton);
    place(controls ? &controls->m_FitAndZoomButtons : nullptr, m_FitPageButton);

    // A sink has no place for the zoom box: its owners do without one.
    if (!(options & CCmnSceneWidgetParams::NoZoomBox) && !controls) {
        m_ZoomBox = CmnCreateZoomComboBox(this);
        m_ZoomBox->setToolTip(tr("Zoom"));
        connect(m_ZoomBox->lineEdit(), &QLineEdit::editingFinished, this,
                &CCmnSceneWidget::Slot_editingFinished_ZoomFactor);
        connect(m_ZoomBox, &QComboBox::currentIndexChanged, this, &CCmnSceneWidget::Slot_editingFinished_ZoomFactor);
        row->addWidget(m_ZoomBox);
    }

    m_ZoomInButton = NewToolButton(CCmnSceneWidgetParams::ZoomInToolTip, iconSize, false, true);
    m_ZoomOutButton = NewToolButton(CCmnSceneWidgetParams::ZoomOutToolTip, iconSize, false, true);
    connect(m_ZoomInButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_ZoomIn);
    connect(m_ZoomOutButton, &QAbstractButton::clicked, this, &CCmnSceneWidget::Slot_clicked_ZoomOut);
    place(controls ? &controls->m_FitAndZoomButtons : nullptr, m_ZoomInButton);
    place(controls ? &controls->m_FitAndZoomButtons : nullptr, m_ZoomOutButton);

    {
        const CCmnSlotBlocker blocker(this);
        UpdatePrinterCombo();
        UpdateOrientationButtons();
    }

    if (!controls)
        FinishRow(mainLayout, row);
    setLayout(mainLayout);
    RegisterWhatsThis();
    UpdateActionTexts();
    EnableControls();
}

CCmnSceneWidget::~CCmnSceneWidget()
{
    const CCmnSlotBlocker blocker(this);
    delete m_View;
    m_View = nullptr;
}

void CCmnSceneWidget::RegisterWhatsThis()
{
    SetHelpPage(QStringLiteral("CCmnSceneWidget.html"));
    const std::pair<QWidget *, const char *> named[] = {
        {m_ActionButtons[SaveButton], "Save"},
        {m_ActionButtons[PdfButton], "ExportPdf"},
        {m_ActionButtons[ImageButton], "ExportImage"},
        {m_ActionButtons[PrintButton], "Print"},
        {m_ActionButtons[PreviewButton], "PrintPreview"},
        {m_CombinedPrint.m_Button, "Print"},
        {m_PrinterCombo, "Printer"},
        {m_PaperSizeCombo, "PaperSize"},
        {m_LandscapeButton, "Orientation"},
        {m_PortraitButton, "Orientation"},
        {m_MarginsButton, "Margins"},
        {m_FitWidthButton, "FitWidth"},
        {m_FitPageButton, "FitPage"},
        {m_ZoomBox, "Zoom"},
        {m_ZoomInButton, "Zoom"},
        {m_ZoomOutButton, "Zoom"},
    };
    for (const auto &[widget, name] : named)
        SetWidgetHelpName(this, widget, QLatin1String(name));
}

QAbstractButton *CCmnSceneWidget::NewActionButton(int iconText, const QSize &iconSize)
{
    if (m_Params.m_Options & CCmnSceneWidgetParams::PushButtons)
        return new CCmnPushButton(this);
    return CmnNewToolButton(Text(iconText), iconSize, QString(), false, false, this);
}

CCmnToolButton *CCmnSceneWidget::NewToolButton(int toolTipText, const QSize &iconSize, bool checkable,
                                               bool autoRepeat)
{
    // Every tool tip is followed by its icon's base name.
    return CmnNewToolButton(Text(toolTipText + 1), iconSize, Text(toolTipText), checkable, autoRepeat, this);
}

QAbstractButton *CCmnSceneWidget::LandscapeButton() const { return m_LandscapeButton; }
QAbstractButton *CCmnSceneWidget::PortraitButton() const { return m_PortraitButton; }
QAbstractButton *CCmnSceneWidget::MarginsButton() const { return m_MarginsButton; }
QAbstractButton *CCmnSceneWidget::FitWidthButton() const { return m_FitWidthButton; }
QAbstractButton *CCmnSceneWidget::FitPageButton() const { return m_FitPageButton; }
QAbstractButton *CCmnSceneWidget::ZoomInButton() const { return m_ZoomInButton; }
QAbstractButton *CCmnSceneWidget::ZoomOutButton() const { return m_ZoomOutButton; }

void CCmnSceneWidget::SetContentName(const QString &name)
{
    m_ContentName = name;
    UpdateActionTexts();
}

void CCmnSceneWidget::SetExportNotice(const QString &html, int messageId)
{
    m_ExportNotice = html;
    m_NoticeMessageId = messageId;
}

void CCmnSceneWidget::SetScene(int contextFlags, const QSharedPointer<CCmnGraphicsScene> &scene)
{
    m_Scenes[CmnSceneContextSlot(contextFlags)] = scene;
}

bool CCmnSceneWidget::HasScene(int contextFlags) const
{
    return !m_Scenes[CmnSceneContextSlot(contextFlags)].isNull();
}

QSharedPointer<CCmnGraphicsScene> CCmnSceneWidget::Scene(int contextFlags) const
{
    return m_Scenes[CmnSceneContextSlot(contextFlags)];
}

void CCmnSceneWidget::SetPageSetup(const CCmnPageSetup &pageSetup)
{
    m_PageSetup = pageSetup;
    const CCmnSlotBlocker blocker(this);
    UpdatePrinterCombo();
}

void CCmnSceneWidget::SetOrientation(int orientation)
{
    m_Orientation = orientation == 1 ? 1 : 0;
    const CCmnSlotBlocker blocker(this);
    UpdateOrientationButtons();
}

CCmnPrinter *CCmnSceneWidget::CreatePrinter()
{
    auto *printer = new CCmnPrinter(QPrinter::HighResolution);
    const int index = FindPrinterIndex();
    const QString name = index < 0 ? QString() : m_Printers.at(index);
    if (!name.isEmpty())
        printer->setPrinterName(name);
    // The printer's own paper as the provider knows it, so that a printer the
    // toolkit cannot open still lays out its page on the paper it offers.
    const QPageSize paper = CmnPrinterProvider().DefaultPageSize(name);
    if (paper.isValid())
        (void)printer->setPageSize(paper);
    return printer;
}

CCmnPrinter *CCmnSceneWidget::MakePrinter(int contextFlags)
{
    Q_UNUSED(contextFlags) // every context gets the screen's page
    CCmnPrinter *printer = CreatePrinter();
    CmnSetPrinterCreator(*printer);
    QString jobName = CmnGetAppDescriptor().m_ProductDisplayName;
    if (!m_DocumentName.isEmpty())
        jobName += QStringLiteral(" - ") + m_DocumentName;
    printer->setDocName(jobName);
    CmnApplyPageSetupToPrinter(*printer, m_PageSetup, m_Orientation);
    return printer;
}

void CCmnSceneWidget::RebuildScreenScene()
{
    ReleaseScreenScene();
    {
        const std::unique_ptr<CCmnPrinter> printer(MakePrinter(CmnSceneContextScreen));
        CmnPrinterPageAndPaperRects(*printer, &m_PageRect, &m_PaperRect);
        m_PrinterResolution = QSizeF(printer->logicalDpiX(), printer->logicalDpiY());
        m_ScreenRatio = m_PrinterResolution.height() / logicalDpiY();
    }
    AllocateScene(CmnSceneContextScreen);
    const QSharedPointer<CCmnGraphicsScene> scene = Scene(CmnSceneContextScreen);
    const qsizetype before = scene->items().size();
    emit SignalPopulateScene(scene.data(), CmnSceneContextScreen);
    if (scene->items().size() == before) {
        // The owner drew nothing: there is no page to show.
        m_Scenes[CmnSceneContextSlot(CmnSceneContextScreen)].reset();
        return;
    }
    m_View->setScene(scene.data());
    if (m_FitFlag)
        ApplyFit(false);
    UpdateZoomText();
    m_View->updateGeometry();
    EnableControls();
}

void CCmnSceneWidget::ReleaseScreenScene()
{
    if (!HasScene(CmnSceneContextScreen))
        return;
    m_View->setScene(nullptr);
    m_Scenes[CmnSceneContextSlot(CmnSceneContextScreen)].reset();
    EnableControls();
}

void CCmnSceneWidget::AllocateScene(int contextFlags)
{
    const ECmnSceneContextFlags context = CmnSceneContextOf(contextFlags);
    QSharedPointer<CCmnGraphicsScene> &slot = m_Scenes[CmnSceneContextSlot(context)];
    // The scene being replaced lives until the new one is in place.
    const QSharedPointer<CCmnGraphicsScene> previous = slot;
    emit SignalAllocateScene(this, context);
    if (slot.isNull())
        slot.reset(new CCmnGraphicsScene(nullptr));
    slot->setSceneRect(m_PageRect);
    // The white sheet: the whole paper on screen, the page where it is printed.
    auto *sheet = slot->addRect(context == CmnSceneContextScreen ? m_PaperRect : m_PageRect, Qt::NoPen,
                                QBrush(Qt::white, Qt::SolidPattern));
    sheet->setZValue(-1);
}

void CCmnSceneWidget::ApplyFit(bool force)
{
    if (!HasScene(CmnSceneContextScreen) || (!force && !m_FitFlag))
        return;
    if (m_FitMode == 1) {
        const double scale = m_View->viewport()->width() / m_PaperRect.width();
        m_View->setTransform(QTransform::fromScale(scale, scale));
        if (force && m_FitFlag) {
            QRectF visible = m_View->viewportTransform().inverted().mapRect(QRectF(m_View->viewport()->rect()));
            visible.moveTop(m_PaperRect.top());
            m_View->ensureVisible(visible, 50, 50);
        }
    } else {
        m_View->fitInView(m_PaperRect, Qt::KeepAspectRatio);
        if (m_FitMode == 2) {
            const int step = qRound(m_PaperRect.height() * m_View->transform().m22());
            m_View->verticalScrollBar()->setSingleStep(step);
            m_View->verticalScrollBar()->setPageStep(step);
        }
    }
    m_Zoom = m_View->transform().m11() * m_ScreenRatio;
    UpdateZoomText();
}

void CCmnSceneWidget::SetZoom(double zoom)
{
    m_FitFlag = false;
    m_FitMode = 0;
    m_Zoom = zoom;
    m_View->setTransform(QTransform::fromScale(zoom / m_ScreenRatio, zoom / m_ScreenRatio));
}

void CCmnSceneWidget::UpdateZoomText()
{
    if (m_ZoomBox)
        m_ZoomBox->lineEdit()->setText(CmnZoomFactorText(m_Zoom));
}

void CCmnSceneWidget::Slot_resized_GraphicsView()
{
    ApplyFit(false);
}

void CCmnSceneWidget::Fit(int mode, QAbstractButton *other)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    // Clicking a checked fit button unchecks it, and still fits again.
    other->setChecked(false);
    m_FitMode = mode;
    m_FitFlag = true;
    ApplyFit(true);
    UpdateZoomText();
}

void CCmnSceneWidget::Slot_clicked_FitWidth(bool checked)
{
    Q_UNUSED(checked)
    Fit(1, m_FitPageButton);
}

void CCmnSceneWidget::Slot_clicked_FitPage(bool checked)
{
    Q_UNUSED(checked)
    Fit(2, m_FitWidthButton);
}

void CCmnSceneWidget::ZoomBy(double factor)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    m_FitWidthButton->setChecked(false);
    m_FitPageButton->setChecked(false);
    m_FitFlag = false;
    m_FitMode = 0;
    m_Zoom *= factor;
    m_View->scale(factor, factor);
    UpdateZoomText();
}

void CCmnSceneWidget::Slot_clicked_ZoomIn(bool checked)
{
    Q_UNUSED(checked)
    ZoomBy(kZoomStep);
}

void CCmnSceneWidget::Slot_clicked_ZoomOut(bool checked)
{
    Q_UNUSED(checked)
    ZoomBy(1.0 / kZoomStep);
}

void CCmnSceneWidget::Slot_editingFinished_ZoomFactor()
{
    if (SlotsBlocked() || !m_ZoomBox)
        return;
    const CCmnSlotBlocker blocker(this);
    double percent = 0.0;
    if (!CmnReadZoomPercent(m_ZoomBox->lineEdit()->text(), &percent))
        return;
    SetZoom(percent / 100.0);
    m_ZoomBox->setEditText(CmnZoomPercentText(percent));
    m_FitWidthButton->setChecked(false);
    m_FitPageButton->setChecked(false);
}

void CCmnSceneWidget::ChooseOrientation(int orientation, bool checked)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (checked)
        m_Orientation = orientation;
    RebuildScreenScene();
    emit SignalOrientationChanged();
}

void CCmnSceneWidget::Slot_clicked_Landscape(bool checked)
{
    ChooseOrientation(1, checked);
}

void CCmnSceneWidget::Slot_clicked_Portrait(bool checked)
{
    ChooseOrientation(0, checked);
}

void CCmnSceneWidget::UpdateOrientationButtons()
{
    const CCmnSlotBlocker blocker(this);
    m_LandscapeButton->setChecked(m_Orientation == 1);
    m_PortraitButton->setChecked(m_Orientation == 0);
}

void CCmnSceneWidget::Slot_currentIndexChanged_PaperSize(int index)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (index > 0) {
        m_PageSetup.m_PaperSize = m_PaperSizeCombo->itemData(index).toUInt();
        m_PageSetup.m_UseDefaultPaper = false;
    } else {
        m_PageSetup.m_UseDefaultPaper = true;
    }
    RebuildScreenScene();
    emit SignalPrintParamsChanged();
}

void CCmnSceneWidget::Slot_currentIndexChanged_Printer(int index)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (index < 1 || index > m_Printers.size())
        m_PageSetup.m_PrinterName.clear();
    else
        m_PageSetup.m_PrinterName = m_Printers.at(index - 1);
    FillPaperSizes();
    RebuildScreenScene();
    emit SignalPrintParamsChanged();
}

void CCmnSceneWidget::Slot_clicked_Margins(bool checked)
{
    Q_UNUSED(checked)
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    CCmnPrintMarginsDialog dialog(m_PageSetup.m_Margins, this);
    if (dialog.Exec() != QDialog::Accepted)
        return;
    m_PageSetup.m_Margins = dialog.Margins();
    RebuildScreenScene();
    emit SignalPrintParamsChanged();
}

void CCmnSceneWidget::LoadPrinters()
{
    const CCmnPrinterProvider &provider = CmnPrinterProvider();
    m_Printers = provider.PrinterNames();
    m_DefaultPrinterIndex = provider.DefaultPrinterIndex();
    if (m_DefaultPrinterIndex >= m_Printers.size())
        m_DefaultPrinterIndex = -1;
}

int CCmnSceneWidget::FindPrinterIndex() const
{
    if (m_PageSetup.m_PrinterName.isEmpty())
        return -1;
    const QString wanted = m_PageSetup.m_PrinterName.toUpper();
    for (int i = 0; i < m_Printers.size(); ++i) {
        if (m_Printers.at(i).toUpper() == wanted)
            return i;
    }
    return -1;
}

void CCmnSceneWidget::UpdatePrinterCombo()
{
    const CCmnSlotBlocker blocker(this);
    const int index = FindPrinterIndex();
    if (index < 0)
        m_PageSetup.m_PrinterName.clear();
    m_PrinterCombo->setCurrentIndex(index + 1);
    FillPaperSizes();
}

void CCmnSceneWidget::FillPaperSizes()
{
    const CCmnSlotBlocker blocker(this);
    const int printer = FindPrinterIndex();
    const QString name = printer < 0 ? QString() : m_Printers.at(printer);
    const CCmnPrinterProvider &provider = CmnPrinterProvider();
    const QList<qint32> choices = CmnPaperSizeChoices(provider.SupportedPageSizes(name));
    const QPageSize defaultPaper = provider.DefaultPageSize(name);

    CmnComboRemoveAllItems(m_PaperSizeCombo);
    const QString prefix = Text(CCmnSceneWidgetParams::PaperSizePrefix);
    QString defaultEntry = prefix + tr("Default");
    if (defaultPaper.isValid()) {
        const QString paperName = CmnPaperSizeName(CmnPaperSizeFromPageSizeId(defaultPaper.id()), false);
        if (!paperName.isEmpty())
            defaultEntry += QStringLiteral(" (") + paperName + QLatin1Char(')');
    }
    m_PaperSizeCombo->addItem(defaultEntry);
    for (const qint32 code : choices)
        m_PaperSizeCombo->addItem(prefix + CmnPaperSizeName(code, true), code);

    int selected = 0;
    if (!m_PageSetup.m_PrinterName.isEmpty() && !m_PageSetup.m_UseDefaultPaper) {
        const int found = m_PaperSizeCombo->findData(qint32(m_PageSetup.m_PaperSize));
        selected = found > 0 ? found : 0;
    }
    if (selected == 0)
        m_PageSetup.m_UseDefaultPaper = true;
    m_PaperSizeCombo->setCurrentIndex(selected);
}

void CCmnSceneWidget::EnableControls()
{
    const bool on = HasScene(CmnSceneContextScreen);
    for (QAbstractButton *button : m_ActionButtons) {
        if (button)
            button->setEnabled(on);
    }
    m_CombinedPrint.SetEnabled(on);
    for (QWidget *control : std::initializer_list<QWidget *>{m_FitWidthButton, m_FitPageButton, m_ZoomBox,
                                                             m_ZoomInButton, m_ZoomOutButton, m_LandscapeButton,
                                                             m_PortraitButton, m_MarginsButton}) {
        if (control)
            control->setEnabled(on);
    }
    const bool printers = on && m_PrinterCombo->count() > 1;
    m_PrinterCombo->setEnabled(printers);
    m_PaperSizeCombo->setEnabled(printers && !m_PageSetup.m_PrinterName.isEmpty() &&
                                 m_PaperSizeCombo->count() > 1);
}

void CCmnSceneWidget::UpdateActionTexts()
{
    const bool pushButtons = m_Params.m_Options & CCmnSceneWidgetParams::PushButtons;
    struct CActionTexts
    {
        EActionButton m_Button;
        int m_Text;
        int m_ToolTip;
    };
    static constexpr CActionTexts kTexts[] = {
        {SaveButton, CCmnSceneWidgetParams::SaveText, CCmnSceneWidgetParams::SaveToolTip},
        {PdfButton, CCmnSceneWidgetParams::PdfText, CCmnSceneWidgetParams::PdfToolTip},
        {ImageButton, CCmnSceneWidgetParams::ImageText, CCmnSceneWidgetParams::ImageToolTip},
        {PrintButton, CCmnSceneWidgetParams::PrintText, CCmnSceneWidgetParams::PrintToolTip},
        {PreviewButton, CCmnSceneWidgetParams::PreviewText, CCmnSceneWidgetParams::PreviewToolTip},
    };
    for (const CActionTexts &texts : kTexts) {
        QAbstractButton *button = m_ActionButtons.at(texts.m_Button);
        if (!button)
            continue;
        button->setToolTip(Text(texts.m_ToolTip));
        if (pushButtons)
            button->setText(Text(texts.m_Text));
    }
    m_CombinedPrint.SetText(Text(CCmnSceneWidgetParams::CombinedPrintText));
    m_CombinedPrint.SetPrintStatusTip(Text(CCmnSceneWidgetParams::PrintToolTip));
    m_CombinedPrint.SetPreviewStatusTip(Text(CCmnSceneWidgetParams::PreviewToolTip));
}

CCmnGraphicsScene *CCmnSceneWidget::PopulateScene(ECmnSceneContextFlags context)
{
    AllocateScene(context);
    CCmnGraphicsScene *scene = Scene(context).data();
    emit SignalPopulateScene(scene, context);
    return scene;
}

void CCmnSceneWidget::ReleaseScene(ECmnSceneContextFlags context)
{
    m_Scenes[CmnSceneContextSlot(context)].reset();
}

void CCmnSceneWidget::ShowFailure(const QString &message)
{
    ShowRememberedMessage(QMessageBox::Warning, this, CmnGetAppDescriptor().m_ProductDisplayName,
                          CmnHtmlEscapedParagraph(message));
}

void CCmnSceneWidget::Slot_clicked_Save(bool checked)
{
    Q_UNUSED(checked)
    if (SlotsBlocked())
        return;
    Export(CmnPdfFileTypes() + CmnImageFileTypes());
}

void CCmnSceneWidget::Slot_clicked_SavePDF(bool checked)
{
    Q_UNUSED(checked)
    if (SlotsBlocked())
        return;
    Export(CmnPdfFileTypes());
}

void CCmnSceneWidget::Slot_clicked_SaveImg(bool checked)
{
    Q_UNUSED(checked)
    if (SlotsBlocked())
        return;
    Export(CmnImageFileTypes());
}

void CCmnSceneWidget::Slot_clicked_Print(bool checked)
{
    Q_UNUSED(checked)
    Slot_triggered_Print();
}

void CCmnSceneWidget::Slot_clicked_PrintPreview(bool checked)
{
    Q_UNUSED(checked)
    Slot_triggered_PrintPreview();
}

// The output commands leave the counter alone: their dialogs call back into
// the widget (the preview asks it to paint) while they run.
void CCmnSceneWidget::Slot_triggered_Print()
{
    if (SlotsBlocked())
        return;
    Print();
}

void CCmnSceneWidget::Slot_triggered_PrintPreview()
{
    if (SlotsBlocked())
        return;
    PrintPreview();
}

void CCmnSceneWidget::Print()
{
    if (!HasScene(CmnSceneContextScreen))
        return;
    CCmnGraphicsScene *scene = PopulateScene(CmnSceneContextPrint);
    const auto release = qScopeGuard([this] { ReleaseScene(CmnSceneContextPrint); });
    const std::unique_ptr<CCmnPrinter> printer(MakePrinter(CmnSceneContextPrint));
    const QString title = tr("Print %1").arg(m_ContentName);
    int result = QDialog::Rejected;
    if (m_Params.m_Options & CCmnSceneWidgetParams::StandardPrintDialog) {
        CCmnPrintDialog dialog(printer.get(), this);
        dialog.setWindowTitle(title);
        result = CmnExecDialog(dialog);
    } else if (m_Params.m_Options & CCmnSceneWidgetParams::SimplePrintDialog) {
        CCmnScenePrintDialog dialog(printer.get(), this);
        dialog.setWindowTitle(title);
        result = dialog.Exec();
    }
    if (result != QDialog::Accepted)
        return;
    const QString error = PrintScene(*printer, *scene);
    if (error.isEmpty())
        return;
    if (error != QLatin1String("!")) {
        ShowFailure(error);
        return;
    }
    // Without a printer the toolkit's printer is a PDF printer without a
    // file, which would print nothing and say nothing.
    const QString question = QStringLiteral("<p>No printer is installed.</p>")
        + CmnHtmlEscapedParagraph(tr("Would you like to export the %1 as a PDF file instead?")
                                      .arg(m_ContentName.toLower()));
    if (AskYesNo(QMessageBox::Question, false, this, CmnGetAppDescriptor().m_ProductDisplayName, question)
        == QMessageBox::Yes)
        Export(CmnPdfFileTypes());
}

QString CCmnSceneWidget::PrintScene(QPrinter &printer, CCmnGraphicsScene &scene)
{
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        if (printer.outputFormat() != QPrinter::NativeFormat)
            return QStringLiteral("!");
        if (DrawScene(printer, scene, true))
            return QString();
        return tr("Failed to print on '%1'").arg(printer.printerName());
    }
    // A copy printed to a file is written whole before it replaces an older one.
    if (IsPostScript(file))
        return CmnWritePostScriptFile(file, printer.pageLayout(), printer.resolution(), printer.docName(),
                                      ScenePainter(scene));
    return CmnWritePdfFile(file, printer.pageLayout(), printer.resolution(), printer.docName(), ScenePainter(scene));
}

void CCmnSceneWidget::PrintPreview()
{
    if (!HasScene(CmnSceneContextScreen))
        return;
    const bool separatePrintScene = m_Params.m_Options & CCmnSceneWidgetParams::SeparatePrintScene;
    CCmnGraphicsScene *preview = PopulateScene(CmnSceneContextPrintPreview);
    const auto release = qScopeGuard([this] {
        ReleaseScene(CmnSceneContextPrintPreview);
        ReleaseScene(CmnSceneContextPrint);
    });
    if (separatePrintScene)
        PopulateScene(CmnSceneContextPrint);
    if (preview->items().isEmpty())
        return;
    const std::unique_ptr<CCmnPrinter> printer(MakePrinter(CmnSceneContextPrintPreview));
    CCmnPrintPreviewDialogEx dialog(m_Params.m_Options & CmnPrintPreviewSimplePrintDialog, printer.get(), this);
    dialog.setWindowTitle(tr("Print Preview %1").arg(m_ContentName));
    dialog.SetDocumentTitle(m_DocumentName);
    connect(&dialog, &CCmnPrintPreviewDialogEx::paintRequested, this,
            &CCmnSceneWidget::Slot_paintRequested_printPreview);
    CmnExecDialog(dialog);
}

void CCmnSceneWidget::Slot_paintRequested_printPreview(QPrinter *printer)
{
    const bool preview = CmnIsPreviewPrinter(printer);
    const bool separatePrintScene = m_Params.m_Options & CCmnSceneWidgetParams::SeparatePrintScene;
    const QSharedPointer<CCmnGraphicsScene> scene =
        Scene(!preview && separatePrintScene ? CmnSceneContextPrint : CmnSceneContextPrintPreview);
    if (!scene || !printer)
        return;
    if (!DrawScene(*printer, *scene, true) && !preview)
        ShowFailure(tr("Failed to print on '%1'").arg(printer->printerName()));
}

void CCmnSceneWidget::Export(const QList<CCmnFileType> &fileTypes)
{
    if (!HasScene(CmnSceneContextScreen) || fileTypes.isEmpty())
        return;
    const CCmnAppDescriptor &product = CmnGetAppDescriptor();
    // Shown before the file is chosen, whatever the user does next.
    if (!m_ExportNotice.isEmpty()) {
        CCmnMessageBoxOptions options;
        options.m_MessageId = m_NoticeMessageId;
        ShowRememberedMessage(QMessageBox::Information, this, product.m_ProductDisplayName, m_ExportNotice, &options);
    }
    const QString extension = fileTypes.constFirst().m_Extension;
    QStringList filters;
    for (const CCmnFileType &type : fileTypes)
        filters << type.m_Filter;
    const QString filter = filters.join(QStringLiteral(";;"));
    const QString path = CmnGetSaveFileNameWithSuffix(this, tr("Export %1").arg(m_ContentName),
                                                      product.ProductNameWithoutBlanks() + QLatin1Char('.') + extension,
                                                      filter, extension);
    if (path.isEmpty() || !CmnCheckFileExtension(CmnFileExtension(path), filter, this))
        return;

    CCmnGraphicsScene *scene = PopulateScene(CmnSceneContextExport);
    const auto release = qScopeGuard([this] { ReleaseScene(CmnSceneContextExport); });
    const QString format = CmnFileExtension(path).toLower();
    QString error;
    if (format == QLatin1String("pdf") || format == QLatin1String("ps")) {
        const std::unique_ptr<CCmnPrinter> printer(MakePrinter(CmnSceneContextExport));
        error = format == QLatin1String("ps")
            ? CmnWritePostScriptFile(path, printer->pageLayout(), printer->resolution(), printer->docName(),
                                     ScenePainter(*scene))
            : CmnWritePdfFile(path, printer->pageLayout(), printer->resolution(), printer->docName(),
                              ScenePainter(*scene));
    } else {
        error = ExportImage(path, *scene);
    }
    if (error == QLatin1String("!"))
        return;
    if (!error.isEmpty()) {
        ShowFailure(error);
        return;
    }
    if (format != QLatin1String("ps"))
        CmnOfferToViewCreatedFile(this, path, kOfferToViewMessageId);
}

QString CCmnSceneWidget::ExportImage(const QString &path, CCmnGraphicsScene &scene)
{
    CCmnSaveImageParamsDialog dialog(CCmnSaveImageParamsDialog::QualityRow, this);
    const double aspectRatio = m_PageRect.width() / m_PageRect.height();
    dialog.m_AspectRatio = aspectRatio;
    if (aspectRatio > 1.0)
        dialog.m_Width = kProposedImageSide;
    else
        dialog.m_Height = kProposedImageSide;
    if (dialog.Exec() != QDialog::Accepted)
        return QStringLiteral("!");
    QImage image(dialog.PixelWidth(), dialog.PixelHeight(), QImage::Format_ARGB32_Premultiplied);
    // Where the page does not reach (another aspect ratio), a format without
    // transparency would turn clear pixels black.
    image.fill(CmnImageFormatKeepsAlpha(CmnFileExtension(path)) ? QColor(255, 255, 255, 0) : QColor(Qt::white));
    if (!DrawScene(image, scene, false))
        return CmnExportFailedMessage(path);
    return CmnWriteImageFile(path, image, dialog.m_Quality);
}
