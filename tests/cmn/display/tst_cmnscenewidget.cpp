#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnframework.h"
#include "cmncombobox.h"
#include "cmngraphicsscene.h"
#include "cmnpagesetupprinter.h"
#include "cmnpapersizes.h"
#include "cmnprinter.h"
#include "cmnprinterprovider.h"
#include "cmnprintmarginsdialog.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnpushbutton.h"
#include "cmnscenewidget.h"
#include "cmnscenewidgetcontrols.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"
#include "cmnwhatsthistexts.h"
#include "cmnzoomcombobox.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"

#include <QAbstractButton>
#include <QGraphicsRectItem>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Two printers; "Office" is the system's default and takes Letter unless told
// otherwise. Its sizes end in forms without a paper code of their own.
class CTestPrinters : public CCmnPrinterProvider
{
public:
    QStringList PrinterNames() const override { return m_Names; }
    int DefaultPrinterIndex() const override { return m_Names.isEmpty() ? -1 : 0; }
    QList<QPageSize> SupportedPageSizes(const QString &) const override
    {
        if (m_Names.isEmpty())
            return {};
        return {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::Legal),
                QPageSize(QPageSize::A10), QPageSize(QPageSize::JisB5), QPageSize(QPageSize::Custom)};
    }
    QPageSize DefaultPageSize(const QString &) const override { return QPageSize(QPageSize::Letter); }

    QStringList m_Names{"Office", "Smith & Jones <UK> Laser"};
};

// Puts a provider in place for one test and restores the system's after it.
class CProviderScope
{
public:
    explicit CProviderScope(std::shared_ptr<CCmnPrinterProvider> provider)
        : m_Previous(CmnSetPrinterProvider(std::move(provider)))
    {
    }
    ~CProviderScope() { CmnSetPrinterProvider(m_Previous); }

private:
    std::shared_ptr<CCmnPrinterProvider> m_Previous;
};

// The owner: answers the two scene signals as a form interface does and logs them.
class COwner : public QObject
{
public:
    explicit COwner(CCmnSceneWidget *widget, bool draws = true)
        : m_Draws(draws)
    {
        QObject::connect(widget, &CCmnSceneWidget::SignalAllocateScene, this,
                         [this](CCmnSceneWidget *w, ECmnSceneContextFlags context) {
                             m_Log << QStringLiteral("allocate %1").arg(int(context));
                             w->SetScene(context, QSharedPointer<CCmnGraphicsScene>::create(nullptr));
                         });
        QObject::connect(widget, &CCmnSceneWidget::SignalPopulateScene, this,
                         [this](CCmnGraphicsScene *scene, ECmnSceneContextFlags context) {
                             m_Log << QStringLiteral("populate %1").arg(int(context));
                             if (m_Draws)
                                 scene->addText(QStringLiteral("Smith & Jones <UK>"));
                         });
    }

    bool m_Draws;
    QStringList m_Log;
};

CCmnPageSetup OfficeA4()
{
    CCmnPageSetup setup;
    setup.m_PrinterName = QStringLiteral("office");
    setup.m_UseDefaultPaper = false;
    setup.m_PaperSize = CmnPaperSizeA4;
    return setup;
}

// The page the widget shows, read back from the printer it makes for a context.
QRectF PrinterPage(CCmnSceneWidget &widget, int context, QRectF *paper = nullptr)
{
    const std::unique_ptr<CCmnPrinter> printer(widget.MakePrinter(context));
    QRectF page;
    CmnPrinterPageAndPaperRects(*printer, &page, paper);
    return page;
}

// The white sheet: the one rectangle item the widget puts into a scene.
QRectF SheetRect(const CCmnGraphicsScene &scene)
{
    for (QGraphicsItem *item : scene.items()) {
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            return rect->rect();
    }
    return QRectF();
}

bool AllControlsEnabled(CCmnSceneWidget &widget, bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             widget.LandscapeButton(), widget.PortraitButton(), widget.MarginsButton(), widget.FitWidthButton(),
             widget.FitPageButton(), widget.ZoomInButton(), widget.ZoomOutButton()}) {
        if (control->isEnabled() != enabled)
            return false;
    }
    return !widget.ZoomBox() || widget.ZoomBox()->isEnabled() == enabled;
}

} // namespace

class TestCmnSceneWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ownerAllocatesThenPopulatesEachContext();
    void ownerDrawingNothingLeavesNoScene();
    void landscapeA4WithHalfInchMargins();
    void everyContextGetsTheScreensPage();
    void marginFlagsChooseThePage();
    void typedZoom_data();
    void typedZoom();
    void zoomStepsAndFits();
    void resizeRefitsOnlyWhileFitting();
    void printersFromTheProvider();
    void storedPrinterOrPaperMissingFallsBackToDefault();
    void withoutPrintersOnlyDefault();
    void orientationButtonsRebuildAndTell();
    void paperAndPrinterChoicesRebuildAndTell();
    void marginsCommand();
    void actionTextsFollowTheContent();
    void rendersWithIconsAndHelp();

private:
    std::unique_ptr<CProviderScope> m_Provider;
    std::shared_ptr<CTestPrinters> m_Printers;
};

void TestCmnSceneWidget::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnCreateSystemSettings();
    CmnLoadWhatsThisTexts();
}

void TestCmnSceneWidget::init()
{
    m_Printers = std::make_shared<CTestPrinters>();
    m_Provider = std::make_unique<CProviderScope>(m_Printers);
}

void TestCmnSceneWidget::cleanup()
{
    m_Provider.reset();
}

void TestCmnSceneWidget::ownerAllocatesThenPopulatesEachContext()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    QCOMPARE(owner.m_Log, (QStringList{"allocate 8", "populate 8"}));
    QVERIFY(widget.HasScene(CmnSceneContextScreen));
    QCOMPARE(widget.View()->scene(), widget.Scene(CmnSceneContextScreen).data());
    QCOMPARE(widget.Scene(CmnSceneContextScreen)->sceneRect(), widget.GetPageRect());
    QCOMPARE(SheetRect(*widget.Scene(CmnSceneContextScreen)), widget.GetPaperRect());
    QVERIFY(AllControlsEnabled(widget, true));

    // Several bits: the first of screen, print, preview, export.
    owner.m_Log.clear();
    for (const int flags : {1, 2, 4, 2 | 4, 1 | 4})
        widget.AllocateScene(flags);
    QCOMPARE(owner.m_Log, (QStringList{"allocate 1", "allocate 2", "allocate 4", "allocate 2", "allocate 1"}));
    for (const int context : {1, 2, 4}) {
        QCOMPARE(widget.Scene(context)->sceneRect(), widget.GetPageRect());
        QCOMPARE(SheetRect(*widget.Scene(context)), widget.GetPageRect());
    }
}

void TestCmnSceneWidget::ownerDrawingNothingLeavesNoScene()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    QVERIFY(AllControlsEnabled(widget, false));
    COwner owner(&widget, false);
    widget.RebuildScreenScene();
    QVERIFY(!widget.HasScene(CmnSceneContextScreen));
    QCOMPARE(widget.View()->scene(), nullptr);
    QVERIFY(AllControlsEnabled(widget, false));
    QVERIFY(!widget.PrinterCombo()->isEnabled());

    // A scene nobody answered for is the widget's own.
    CCmnSceneWidget unanswered(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    unanswered.AllocateScene(CmnSceneContextExport);
    QVERIFY(unanswered.HasScene(CmnSceneContextExport));

    owner.m_Draws = true;
    widget.RebuildScreenScene();
    QVERIFY(AllControlsEnabled(widget, true));
    widget.ReleaseScreenScene();
    QVERIFY(!widget.HasScene(CmnSceneContextScreen));
    QVERIFY(AllControlsEnabled(widget, false));
}

void TestCmnSceneWidget::landscapeA4WithHalfInchMargins()
{
    CCmnSceneWidgetParams params;
    params.m_InitialOrientation = 1;
    CCmnSceneWidget widget(params, OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    const double dpi = widget.GetPrinterResolution().width();
    QVERIFY(dpi > 0);
    QCOMPARE(widget.GetPrinterResolution().height(), dpi);
    // A4 across, half an inch off each side: 10.69 x 7.27 inches, within the
    // point to which the toolkit rounds paper sizes (A4 is 842 x 595 points, so
    // 7.26 here), and to a dot against the sheet the printer holds.
    const QRectF page = widget.GetPageRect();
    QCOMPARE(page.topLeft(), QPointF(0, 0));
    QVERIFY2(qAbs(page.width() - (297.0 / 25.4 - 1.0) * dpi) <= dpi / 72.0, qPrintable(QString::number(page.width())));
    QVERIFY(qAbs(page.height() - (210.0 / 25.4 - 1.0) * dpi) <= dpi / 72.0);
    const QRectF paper = widget.GetPaperRect();
    QVERIFY(qAbs(paper.left() + 0.5 * dpi) <= 1.0);
    QVERIFY(qAbs(paper.top() + 0.5 * dpi) <= 1.0);
    QVERIFY(qAbs(paper.width() - page.width() - dpi) <= 1.0);
    QVERIFY(qAbs(paper.height() - page.height() - dpi) <= 1.0);

    widget.PortraitButton()->click();
    QCOMPARE(widget.GetOrientation(), 0);
    QCOMPARE(widget.GetPageRect().size(), page.size().transposed());
}

void TestCmnSceneWidget::everyContextGetsTheScreensPage()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    CmnGetAppDescriptor().SetProductName(" Orvanta ");
    const std::unique_ptr<CCmnPrinter> printer(widget.MakePrinter(CmnSceneContextPrint));
    QCOMPARE(printer->docName(), QString("Orvanta - Document"));
    for (const int context : {1, 2, 4}) {
        QRectF paper;
        QCOMPARE(PrinterPage(widget, context, &paper), widget.GetPageRect());
        QCOMPARE(paper, widget.GetPaperRect());
    }
}

void TestCmnSceneWidget::marginFlagsChooseThePage()
{
    CCmnPageSetup setup = OfficeA4();
    setup.m_Margins.m_FullPage = true;
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), setup, nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    QCOMPARE(widget.GetPageRect(), widget.GetPaperRect().translated(-widget.GetPaperRect().topLeft()));
    QCOMPARE(widget.GetPaperRect().topLeft(), QPointF(0, 0));

    // The printer's own margins: the page is what the printer can reach.
    setup.m_Margins.m_FullPage = false;
    setup.m_Margins.m_UsePrinterDefaultMargins = true;
    setup.m_Margins.m_Left = CCmnMetric(CmnLengthUnitInches, 3.0);
    widget.SetPageSetup(setup);
    widget.RebuildScreenScene();
    QPrinter untouched(QPrinter::HighResolution);
    untouched.setOutputFormat(QPrinter::PdfFormat);
    (void)untouched.setPageSize(QPageSize(QPageSize::A4));
    QRectF printable;
    CmnPrinterPageAndPaperRects(untouched, &printable, nullptr);
    QCOMPARE(widget.GetPageRect(), printable);
}

void TestCmnSceneWidget::typedZoom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("zoom");
    QTest::newRow("above the limit") << "5000" << "1000%" << 10.0;
    QTest::newRow("below the limit") << "0.5" << "1%" << 0.01;
    QTest::newRow("percent signs anywhere") << "%250%" << "250%" << 2.5;
    QTest::newRow("fraction") << "12.5" << "12.5%" << 0.125;
    QTest::newRow("no number") << "abc" << "abc" << -1.0;
}

void TestCmnSceneWidget::typedZoom()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, zoom);
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.resize(500, 600);
    widget.RebuildScreenScene();
    widget.FitPageButton()->click();
    const double fitted = widget.Zoom();
    const QTransform transform = widget.View()->transform();

    widget.ZoomBox()->lineEdit()->setText(typed);
    widget.Slot_editingFinished_ZoomFactor();
    QCOMPARE(widget.ZoomBox()->currentText(), shown);
    if (zoom < 0) {
        QCOMPARE(widget.Zoom(), fitted);
        QCOMPARE(widget.View()->transform(), transform);
        QVERIFY(widget.FitFlag());
        QVERIFY(widget.FitPageButton()->isChecked());
        return;
    }
    QCOMPARE(widget.Zoom(), zoom);
    QVERIFY(!widget.FitFlag());
    QCOMPARE(widget.FitMode(), 0);
    QVERIFY(!widget.FitPageButton()->isChecked());
    // The zoom is the physical size: printer dots are scaled down to screen pixels.
    const double ratio = widget.GetPrinterResolution().height() / widget.logicalDpiY();
    QCOMPARE(widget.View()->transform().m11(), zoom / ratio);
}

void TestCmnSceneWidget::zoomStepsAndFits()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.resize(500, 600);
    widget.RebuildScreenScene();
    widget.ZoomBox()->lineEdit()->setText("100");
    widget.Slot_editingFinished_ZoomFactor();

    widget.ZoomInButton()->click();
    QCOMPARE(widget.ZoomBox()->lineEdit()->text(), QString("110.0%"));
    widget.ZoomOutButton()->click();
    QCOMPARE(widget.ZoomBox()->lineEdit()->text(), QString("100.0%"));

    // Fit page: the whole sheet in the view.
    widget.FitPageButton()->click();
    QVERIFY(widget.FitPageButton()->isChecked());
    QCOMPARE(widget.FitMode(), 2);
    const QRectF shown = widget.View()->mapFromScene(widget.GetPaperRect()).boundingRect();
    QVERIFY(widget.View()->viewport()->rect().adjusted(-2, -2, 2, 2).contains(shown.toRect()));
    const double fitted = widget.Zoom();
    QCOMPARE(widget.ZoomBox()->lineEdit()->text(), CmnZoomFactorText(fitted));

    // Clicking it again unchecks it and still fits.
    widget.ZoomInButton()->click();
    QVERIFY(!widget.FitPageButton()->isChecked());
    widget.FitPageButton()->setChecked(true);
    widget.FitPageButton()->click();
    QVERIFY(!widget.FitPageButton()->isChecked());
    QCOMPARE(widget.Zoom(), fitted);
    QVERIFY(widget.FitFlag());

    // Fit width: the sheet's width fills the viewport.
    widget.FitWidthButton()->click();
    QVERIFY(widget.FitWidthButton()->isChecked());
    QVERIFY(!widget.FitPageButton()->isChecked());
    QCOMPARE(widget.View()->transform().m11() * widget.GetPaperRect().width(),
             double(widget.View()->viewport()->width()));
}

void TestCmnSceneWidget::resizeRefitsOnlyWhileFitting()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.resize(500, 600);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.RebuildScreenScene();
    const double small = widget.Zoom();
    widget.resize(800, 1000);
    QTRY_VERIFY(widget.Zoom() > small);

    widget.ZoomOutButton()->click();
    const double zoomed = widget.Zoom();
    QSignalSpy resized(widget.View(), &CCmnPrintPreviewGraphicsView::resized);
    widget.resize(400, 500);
    QTRY_VERIFY(resized.count() > 0);
    QCOMPARE(widget.Zoom(), zoomed);
}

void TestCmnSceneWidget::printersFromTheProvider()
{
    CCmnSceneWidgetParams params;
    params.m_Texts[CCmnSceneWidgetParams::PrinterPrefix] = "Printer ";
    CCmnSceneWidget widget(params, OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    QCOMPARE(widget.PrinterCombo()->count(), 3);
    QCOMPARE(widget.PrinterCombo()->itemText(0), QString("Printer Default (Office)"));
    QCOMPARE(widget.PrinterCombo()->itemText(2), QString("Printer Smith & Jones <UK> Laser"));
    // The stored name matches without regard to case.
    QCOMPARE(widget.PrinterCombo()->currentIndex(), 1);
    QVERIFY(widget.PrinterCombo()->isEnabled());

    QCOMPARE(widget.PaperSizeCombo()->itemText(0), QString("Default (%1)").arg(CmnPaperSizeName(CmnPaperSizeLetter, false)));
    QList<qint32> codes;
    for (int i = 1; i < widget.PaperSizeCombo()->count(); ++i)
        codes << widget.PaperSizeCombo()->itemData(i).toInt();
    // The forms without a code at the end show once, as "Custom".
    QCOMPARE(codes, (QList<qint32>{CmnPaperSizeLetter, CmnPaperSizeA4, CmnPaperSizeLegal, CmnPaperSizeCustom}));
    QCOMPARE(widget.PaperSizeCombo()->currentData().toInt(), int(CmnPaperSizeA4));
    QVERIFY(widget.PaperSizeCombo()->isEnabled());

    // The printer's first size is selected, not taken for the default.
    CCmnPageSetup letter = OfficeA4();
    letter.m_PaperSize = CmnPaperSizeLetter;
    widget.SetPageSetup(letter);
    QCOMPARE(widget.PaperSizeCombo()->currentIndex(), 1);
    QVERIFY(!widget.GetPageSetup().m_UseDefaultPaper);
}

void TestCmnSceneWidget::storedPrinterOrPaperMissingFallsBackToDefault()
{
    CCmnPageSetup setup = OfficeA4();
    setup.m_PrinterName = "Gone Away";
    setup.m_Margins.m_Left = CCmnMetric(CmnLengthUnitMillimeters, 20.0);
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), setup, nullptr);
    COwner owner(&widget);
    QSignalSpy changed(&widget, &CCmnSceneWidget::SignalPrintParamsChanged);
    widget.RebuildScreenScene();
    QCOMPARE(widget.PrinterCombo()->currentIndex(), 0);
    QCOMPARE(widget.GetPageSetup().m_PrinterName, QString());
    QVERIFY(widget.GetPageSetup().m_UseDefaultPaper);
    QCOMPARE(widget.GetPageSetup().m_Margins, setup.m_Margins);
    // No paper choice while the default printer is used.
    QVERIFY(!widget.PaperSizeCombo()->isEnabled());

    CCmnPageSetup b5 = OfficeA4();
    b5.m_PaperSize = CmnPaperSizeB5;
    widget.SetPageSetup(b5);
    QCOMPARE(widget.PrinterCombo()->currentIndex(), 1);
    QCOMPARE(widget.PaperSizeCombo()->currentIndex(), 0);
    QVERIFY(widget.GetPageSetup().m_UseDefaultPaper);
    QCOMPARE(changed.count(), 0);
}

void TestCmnSceneWidget::withoutPrintersOnlyDefault()
{
    m_Printers->m_Names.clear();
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    QCOMPARE(widget.PrinterCombo()->count(), 1);
    QCOMPARE(widget.PrinterCombo()->itemText(0), QString("Default"));
    QVERIFY(!widget.PrinterCombo()->isEnabled());
    QVERIFY(!widget.PaperSizeCombo()->isEnabled());
    // The toolkit's default printer gives the page.
    QVERIFY(!widget.GetPageRect().isEmpty());
    QVERIFY(widget.GetPaperRect().contains(widget.GetPageRect()));
}

void TestCmnSceneWidget::orientationButtonsRebuildAndTell()
{
    CCmnSceneWidgetParams params;
    params.m_InitialOrientation = 1;
    CCmnSceneWidget widget(params, OfficeA4(), nullptr);
    COwner owner(&widget);
    QVERIFY(widget.LandscapeButton()->isChecked());
    QSignalSpy orientation(&widget, &CCmnSceneWidget::SignalOrientationChanged);
    QSignalSpy params_(&widget, &CCmnSceneWidget::SignalPrintParamsChanged);
    widget.RebuildScreenScene();
    owner.m_Log.clear();

    widget.LandscapeButton()->click();
    QVERIFY(widget.LandscapeButton()->isChecked());
    QCOMPARE(widget.GetOrientation(), 1);
    QCOMPARE(owner.m_Log, (QStringList{"allocate 8", "populate 8"}));
    QCOMPARE(orientation.count(), 1);

    widget.PortraitButton()->click();
    QCOMPARE(widget.GetOrientation(), 0);
    QVERIFY(!widget.LandscapeButton()->isChecked());
    QCOMPARE(orientation.count(), 2);

    // The owner's own calls tell nobody.
    widget.SetOrientation(1);
    QVERIFY(widget.LandscapeButton()->isChecked());
    widget.SetPageSetup(OfficeA4());
    QCOMPARE(orientation.count(), 2);
    QCOMPARE(params_.count(), 0);
}

void TestCmnSceneWidget::paperAndPrinterChoicesRebuildAndTell()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    const QRectF a4 = widget.GetPageRect();
    QSignalSpy changed(&widget, &CCmnSceneWidget::SignalPrintParamsChanged);

    widget.PaperSizeCombo()->setCurrentIndex(widget.PaperSizeCombo()->findData(int(CmnPaperSizeLegal)));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(widget.GetPageSetup().m_PaperSize, quint32(CmnPaperSizeLegal));
    QVERIFY(widget.GetPageRect().height() > a4.height());

    widget.PaperSizeCombo()->setCurrentIndex(0);
    QVERIFY(widget.GetPageSetup().m_UseDefaultPaper);
    QCOMPARE(changed.count(), 2);

    widget.PrinterCombo()->setCurrentIndex(2);
    QCOMPARE(widget.GetPageSetup().m_PrinterName, QString("Smith & Jones <UK> Laser"));
    QCOMPARE(changed.count(), 3);
    widget.PrinterCombo()->setCurrentIndex(0);
    QCOMPARE(widget.GetPageSetup().m_PrinterName, QString());
    QVERIFY(!widget.PaperSizeCombo()->isEnabled());
    QCOMPARE(changed.count(), 4);
}

void TestCmnSceneWidget::marginsCommand()
{
    CCmnSceneWidget widget(CCmnSceneWidgetParams(), OfficeA4(), nullptr);
    COwner owner(&widget);
    widget.RebuildScreenScene();
    const QRectF before = widget.GetPageRect();
    QSignalSpy changed(&widget, &CCmnSceneWidget::SignalPrintParamsChanged);

    {
        const CTestDialogRunnerScope cancel;
        widget.MarginsButton()->click();
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(widget.GetPageRect(), before);

    const CTestDialogRunnerScope fullPage([](QDialog &dialog) {
        static_cast<CCmnPrintMarginsDialog &>(dialog).UseFullPageCheckBox()->setChecked(true);
        return OrvAcceptDialog(dialog);
    });
    widget.MarginsButton()->click();
    QCOMPARE(fullPage.Titles(), QStringList{"Margins"});
    QCOMPARE(changed.count(), 1);
    QVERIFY(widget.GetPageSetup().m_Margins.m_FullPage);
    QCOMPARE(widget.GetPaperRect().topLeft(), QPointF(0, 0));
}

void TestCmnSceneWidget::actionTextsFollowTheContent()
{
    CCmnSceneWidgetParams params;
    params.m_Options = 0x6F7;
    params.m_Texts[CCmnSceneWidgetParams::PrintText] = "Print";
    CCmnSceneWidgetControls controls;
    controls.m_ActionButtons << nullptr;
    CCmnSceneWidget widget(params, OfficeA4(), &controls);
    widget.SetContentName("Pedigree");
    QAbstractButton *pdf = widget.ActionButton(CCmnSceneWidget::PdfButton);
    QCOMPARE(pdf->text(), QString("Export Pedigree As PDF"));
    QCOMPARE(pdf->toolTip(), QString("Export the pedigree as a PDF file"));
    QVERIFY(!widget.ActionButton(CCmnSceneWidget::SaveButton));
    // Never combined: separate print and preview buttons.
    QCOMPARE(widget.ActionButton(CCmnSceneWidget::PrintButton)->text(), QString("Print"));
    QCOMPARE(widget.ActionButton(CCmnSceneWidget::PreviewButton)->text(), QString("Print Preview Pedigree"));
    QCOMPARE(widget.ActionButton(CCmnSceneWidget::PreviewButton)->toolTip(), QString("Print preview the pedigree"));
    QVERIFY(!widget.CombinedPrintButton().m_Button);
    // Everything went to the sink, which was emptied first; no zoom box.
    QCOMPARE(controls.m_ActionButtons.size(), 4);
    QCOMPARE(controls.m_LabelledControls.size(), 2);
    QCOMPARE(controls.m_LabelledControls.at(0).first, QString("Printer: "));
    QCOMPARE(controls.m_OrientationButtons.size(), 2);
    QCOMPARE(controls.m_MarginsButtons.size(), 1);
    QCOMPARE(controls.m_FitAndZoomButtons.size(), 4);
    QCOMPARE(widget.ZoomBox(), nullptr);

    // Push buttons with print and preview combine them into one.
    params.m_Options = 0x34;
    params.m_Texts = {};
    CCmnSceneWidget combined(params, OfficeA4(), nullptr);
    combined.SetContentName("Cover Sheet");
    QCOMPARE(combined.CombinedPrintButton().m_Button->text(), QString("Print Cover Sheet"));
    QCOMPARE(combined.CombinedPrintButton().m_PrintAction->statusTip(), QString("Print the cover sheet"));
    QVERIFY(!combined.ActionButton(CCmnSceneWidget::PrintButton));
}

void TestCmnSceneWidget::rendersWithIconsAndHelp()
{
    CCmnSceneWidgetParams params;
    params.m_Options = 0x734;
    CCmnSceneWidget widget(params, OfficeA4(), nullptr);
    widget.SetContentName("Pedigree");
    COwner owner(&widget);
    widget.resize(640, 720);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.RebuildScreenScene();
    // A heading a third of an inch high, as a form would draw it in printer dots.
    QFont font;
    font.setPixelSize(qRound(widget.GetPrinterResolution().height() / 3));
    widget.Scene(CmnSceneContextScreen)->addText("Smith & Jones <UK> Champion Bloodlines", font);
    for (QAbstractButton *button : {widget.LandscapeButton(), widget.MarginsButton(), widget.ZoomInButton()})
        QVERIFY(!button->icon().isNull());
    for (QWidget *control : std::initializer_list<QWidget *>{
             widget.PrinterCombo(), widget.PaperSizeCombo(), widget.PortraitButton(), widget.MarginsButton(),
             widget.FitPageButton(), widget.ZoomBox(), widget.ActionButton(CCmnSceneWidget::PdfButton)})
        QVERIFY2(!control->whatsThis().isEmpty(), control->metaObject()->className());
    QVERIFY(OrvKeepForReview(widget.grab().toImage(), "scenewidget.png"));
}

QTEST_MAIN(TestCmnSceneWidget)
#include "tst_cmnscenewidget.moc"
