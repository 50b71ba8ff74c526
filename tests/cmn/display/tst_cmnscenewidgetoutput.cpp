#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnframework.h"
#include "cmngraphicsscene.h"
#include "cmnlineedit.h"
#include "cmnprintdialog.h"
#include "cmnprinterprovider.h"
#include "cmnprintpreviewdialogex.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnsaveimageparamsdialog.h"
#include "cmnscenewidget.h"
#include "cmnsceneprintdialog.h"
#include "cmnsystemsettings.h"
#include "cmntheme.h"
#include "cmnthemedform.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformsettings.h"
#include "cmnthemedformstickystate.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmessageboxscope.h"
#include "testpdftools.h"
#include "testsettingsscope.h"
#include "testurlopenerscope.h"

#include <QAbstractButton>
#include <QFile>
#include <QGraphicsRectItem>
#include <QImage>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

namespace {

const QColor kCellFill(0xE8, 0xF0, 0xE0);
const QColor kInk(0x1F, 0x4E, 0xB4);
const QColor kRule(0x2F, 0x8F, 0x43);
const CCmnFileType kPostScript{QStringLiteral("PostScript files (*.ps)"), QStringLiteral("PostScript files"),
                               QStringLiteral("ps")};

// No printer installed, A4 as the paper the toolkit falls back on.
class CNoPrinters : public CCmnPrinterProvider
{
public:
    QStringList PrinterNames() const override { return {}; }
    int DefaultPrinterIndex() const override { return -1; }
    QList<QPageSize> SupportedPageSizes(const QString &) const override { return {}; }
    QPageSize DefaultPageSize(const QString &) const override { return QPageSize(QPageSize::A4); }
};

// Counts how often it is painted: shows which scene a page was drawn from.
class CProbeItem : public QGraphicsItem
{
public:
    QRectF boundingRect() const override { return QRectF(0, 0, 10, 10); }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override { ++m_Paints; }
    int m_Paints = 0;
};

// The owner of the page: like a form interface it answers the widget's two
// scene signals, laying out on every scene a themed form of boxes: a title and
// three generations of ancestors, drawn in colours without any black.
class CFormOwner : public QObject
{
public:
    explicit CFormOwner(CCmnSceneWidget &widget)
        : m_Widget(widget)
    {
        QObject::connect(&widget, &CCmnSceneWidget::SignalAllocateScene, this,
                         [this](CCmnSceneWidget *w, ECmnSceneContextFlags context) {
                             m_Log << QStringLiteral("allocate %1").arg(int(context));
                             w->SetScene(context, QSharedPointer<CCmnGraphicsScene>::create(nullptr));
                         });
        QObject::connect(&widget, &CCmnSceneWidget::SignalPopulateScene, this,
                         [this](CCmnGraphicsScene *scene, ECmnSceneContextFlags context) {
                             m_Log << QStringLiteral("populate %1").arg(int(context));
                             Populate(*scene, context);
                         });
    }

    // The scene rectangle of a form's cell, to look for its colour.
    QRectF CellRect(ECmnSceneContextFlags context) const { return m_CellRects.at(context); }

    QStringList m_Log;
    std::map<ECmnSceneContextFlags, CProbeItem *> m_Probes;

private:
    void Populate(CCmnGraphicsScene &scene, ECmnSceneContextFlags context)
    {
        const QRectF page = scene.sceneRect();
        auto *pageItem = new QGraphicsRectItem(page);
        pageItem->setPen(Qt::NoPen);
        scene.addItem(pageItem);
        auto form = std::make_unique<CCmnThemedForm>(page.topLeft(), page.size(), m_Widget.GetPrinterResolution(),
                                                     m_Settings, QSharedPointer<CCmnThemedFormStickyState>::create(),
                                                     nullptr);
        form->BuildBoxes(m_Theme, m_DefaultTheme, &m_Params, pageItem);
        const QSharedPointer<CCmnFormBox> root = form->GetBox(form->RootId());
        root->SetBorderColor(kRule);
        root->SetTextColor(kInk);
        root->SetTextFace(QStringLiteral("DejaVu Sans;10;"));
        const QSharedPointer<CCmnFormBox> content = form->GetBox(form->ContentId());
        CCmnFormBoxSplitSettings columns;
        columns.m_Horizontal = true;
        columns.m_Gap = CCmnMetric(0, 0.1);
        content->SetSplitSettings(columns);
        const auto addBox = [&form](const QSharedPointer<CCmnFormBox> &parent, qint32 order, const QString &html) {
            const QSharedPointer<CCmnFormBox> box = form->AddChildBox(parent, form->TakeNextBoxId(), order, 0);
            box->SetBorderColor(kRule);
            box->SetBorderStyle({CCmnMetric(0, 0.02), 1, Qt::SolidLine});
            box->SetFillColor(kCellFill);
            box->SetFillStyle({Qt::SolidPattern, 100});
            box->SetTextColor(kInk);
            box->SetText(html);
            return box;
        };
        QSharedPointer<CCmnFormBox> firstCell;
        for (int generation = 1; generation <= 3; ++generation) {
            const QSharedPointer<CCmnFormBox> column = form->AddChildBox(content, form->TakeNextBoxId(), generation, 0);
            CCmnFormBoxSplitSettings cells;
            cells.m_Gap = CCmnMetric(0, 0.05);
            column->SetSplitSettings(cells);
            for (int i = 0; i < (1 << generation); ++i) {
                const QSharedPointer<CCmnFormBox> cell = addBox(
                    column, i, QStringLiteral("<b>Ch. Brackenfield Silver Whisper %1</b><br/>Smith &amp; Jones &lt;UK&gt;")
                                   .arg(generation * 10 + i));
                if (!firstCell)
                    firstCell = cell;
            }
        }
        form->SetOnScreen(context == CmnSceneContextScreen);
        form->SetDesignMode(false);
        form->LayoutFormBoxes();
        m_CellRects[context] = QRectF(firstCell->Position(), firstCell->Size());
        auto *probe = new CProbeItem;
        scene.addItem(probe);
        m_Probes[context] = probe;
        m_Forms[context] = std::move(form);
    }

    CCmnSceneWidget &m_Widget;
    CCmnTheme m_Theme;
    CCmnTheme m_DefaultTheme;
    CCmnThemedFormAutoParams m_Params;
    QSharedPointer<CCmnThemedFormSettings> m_Settings = QSharedPointer<CCmnThemedFormSettings>::create(true, 0.2, 0.1);
    std::map<ECmnSceneContextFlags, std::unique_ptr<CCmnThemedForm>> m_Forms;
    std::map<ECmnSceneContextFlags, QRectF> m_CellRects;
};

// The page scene widget as the themed form interface sets it up, on A4 across
// with half-inch margins, showing a form.
class CSceneFixture
{
public:
    explicit CSceneFixture(qint32 options = 0x6F7, int orientation = 1)
        : m_Provider(CmnSetPrinterProvider(std::make_shared<CNoPrinters>()))
    {
        CCmnSceneWidgetParams params;
        params.m_Options = options;
        params.m_InitialOrientation = orientation;
        params.m_Texts[CCmnSceneWidgetParams::PdfText] = QStringLiteral("PDF");
        params.m_Texts[CCmnSceneWidgetParams::ImageText] = QStringLiteral("JPEG");
        params.m_Texts[CCmnSceneWidgetParams::PrintText] = QStringLiteral("Print");
        params.m_Texts[CCmnSceneWidgetParams::PreviewText] = QStringLiteral("Print Preview");
        m_Widget = std::make_unique<CCmnSceneWidget>(params, CCmnPageSetup(), nullptr);
        m_Widget->SetContentName(QStringLiteral("Pedigree"));
        m_Owner = std::make_unique<CFormOwner>(*m_Widget);
        m_Widget->resize(800, 600);
        m_Widget->RebuildScreenScene();
        m_Owner->m_Log.clear();
    }
    ~CSceneFixture() { CmnSetPrinterProvider(m_Provider); }

    QAbstractButton *Button(CCmnSceneWidget::EActionButton which) const { return m_Widget->ActionButton(which); }
    bool AnyOutputScene() const
    {
        return m_Widget->HasScene(CmnSceneContextPrint) || m_Widget->HasScene(CmnSceneContextPrintPreview)
            || m_Widget->HasScene(CmnSceneContextExport);
    }

    std::shared_ptr<CCmnPrinterProvider> m_Provider;
    std::unique_ptr<CCmnSceneWidget> m_Widget;
    std::unique_ptr<CFormOwner> m_Owner;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Asked(const CTestMessageBoxScope &boxes, qint32 messageId)
{
    for (const CCmnMessageBoxRequest &request : boxes.Requests()) {
        if (request.m_Options.m_MessageId == messageId)
            return true;
    }
    return false;
}

// Accepts the image parameters, first taking the size the test wants.
TCmnDialogRunner ImageSize(const QString &width, const QString &height, QStringList *proposed = nullptr)
{
    return [=](QDialog &dialog) {
        auto &parameters = static_cast<CCmnSaveImageParamsDialog &>(dialog);
        if (proposed)
            *proposed << parameters.WidthEdit()->text() << parameters.HeightEdit()->text();
        if (!width.isEmpty()) {
            parameters.LockCheckBox()->setChecked(false);
            parameters.WidthEdit()->setText(width);
            parameters.HeightEdit()->setText(height);
        }
        return OrvAcceptDialog(dialog);
    };
}

bool IsBlack(const QColor &colour)
{
    return colour.red() < 48 && colour.green() < 48 && colour.blue() < 48;
}

} // namespace

class TestCmnSceneWidgetOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exportsTheFormAsPdf();
    void exportsPostScriptThroughTheHelper();
    void failedExportNamesTheFile_data();
    void failedExportNamesTheFile();
    void existingFileIsNotReplacedUnasked();
    void imageExportProposesTheLongerSide_data();
    void imageExportProposesTheLongerSide();
    void imageOutsideThePageIsNotBlack_data();
    void imageOutsideThePageIsNotBlack();
    void printWithoutAPrinterOffersPdf();
    void printsToAFile();
    void previewShowsThePreviewSceneAndPrintsThePrintScene();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
    std::unique_ptr<QTemporaryDir> m_Folder;
};

void TestCmnSceneWidgetOutput::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
    CmnInitFramework(descriptor);
}

void TestCmnSceneWidgetOutput::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CmnCreateSystemSettings();
    m_Folder = std::make_unique<QTemporaryDir>();
}

void TestCmnSceneWidgetOutput::cleanup()
{
    m_Folder.reset();
    CmnDestroySystemSettings();
    m_Settings.reset();
}

void TestCmnSceneWidgetOutput::exportsTheFormAsPdf()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    CSceneFixture fixture;
    fixture.m_Widget->SetExportNotice(QStringLiteral("<p>Smith &amp; Jones &lt;UK&gt; ask to be credited.</p>"), 206);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Ok);
    boxes.Answer(QMessageBox::Yes);
    CTestUrlOpenerScope opener;
    QList<CCmnFileChooserRequest> requests;
    qsizetype boxesBeforeChoosing = -1;
    const QString chosen = m_Folder->filePath(QStringLiteral("Smith & Jones <UK>"));
    const TCmnFileChooser previous = CmnSetFileChooser([&](const CCmnFileChooserRequest &request) {
        requests << request;
        boxesBeforeChoosing = boxes.Requests().size();
        return chosen;
    });
    fixture.Button(CCmnSceneWidget::PdfButton)->click();
    CmnSetFileChooser(previous);

    // The notice came first, then the name, suggested after the product.
    QCOMPARE(boxesBeforeChoosing, 1);
    QCOMPARE(boxes.Requests().constFirst().m_Options.m_MessageId, 206);
    QCOMPARE(boxes.Requests().constFirst().m_Icon, QMessageBox::Information);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.constFirst().m_Caption, QStringLiteral("Export Pedigree"));
    QCOMPARE(requests.constFirst().m_Folder, QStringLiteral("OrvantaPedigree.pdf"));
    QCOMPARE(requests.constFirst().m_Filter, QStringLiteral("PDF files (*.pdf)"));
    QCOMPARE(requests.constFirst().m_DefaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(fixture.m_Owner->m_Log, (QStringList{"allocate 4", "populate 4"}));
    QVERIFY(!fixture.AnyOutputScene());

    const QString path = chosen + QStringLiteral(".pdf");
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Creator")), QStringLiteral("Orvanta Pedigree"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Title")), QStringLiteral("Orvanta Pedigree - Document"));
    // The toolkit writes page sizes in whole points: A4 is 841.89 x 595.276.
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Page size")), QStringLiteral("842 x 595 pts (A4)"));

    // At 72 dots per inch the page starts half an inch in; the first cell of
    // the form lands where the scene has it.
    const QImage page = OrvRenderPdfPage(path, 72, OrvReviewFilePath(QStringLiteral("exported-form.png")));
    QCOMPARE(page.size(), QSize(842, 595));
    const double scale = 72.0 / fixture.m_Widget->GetPrinterResolution().width();
    const QPointF cell = fixture.m_Owner->CellRect(CmnSceneContextExport).topLeft() * scale + QPointF(36, 36);
    QCOMPARE(page.pixelColor((cell + QPointF(8, 8)).toPoint()), kCellFill);
    QCOMPARE(page.pixelColor((cell - QPointF(3, 3)).toPoint()), QColor(Qt::white));
    QCOMPARE(page.pixelColor(10, 10), QColor(Qt::white));

    // Only now, written, the file is offered to view.
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().at(1).m_Text, QStringLiteral("Would you like to view the file you just created?"));
    QCOMPARE(boxes.Requests().at(1).m_Options.m_MessageId, 100);
    QCOMPARE(opener.m_Urls, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void TestCmnSceneWidgetOutput::exportsPostScriptThroughTheHelper()
{
    CSceneFixture fixture;
    CTestMessageBoxScope boxes;
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("pedigree.ps")));
    fixture.m_Widget->Export({kPostScript});
    const QByteArray postScript = ReadAll(m_Folder->filePath(QStringLiteral("pedigree.ps")));
    QVERIFY2(postScript.startsWith("%!PS-Adobe-3.0"), postScript.left(40).constData());
    QVERIFY(postScript.contains("\n%%Pages: 1\n"));
    QVERIFY(postScript.contains("\n%%DocumentMedia: 297x209mm 842 595"));
    // Nothing offers to view a PostScript file.
    QCOMPARE(boxes.Requests().size(), 0);
    QVERIFY(!fixture.AnyOutputScene());
}

void TestCmnSceneWidgetOutput::failedExportNamesTheFile_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("PDF") << "pdf";
    QTest::newRow("PostScript") << "ps";
    QTest::newRow("JPEG") << "jpg";
}

void TestCmnSceneWidgetOutput::failedExportNamesTheFile()
{
    QFETCH(QString, extension);
    CSceneFixture fixture;
    const QString path = m_Folder->filePath(QStringLiteral("no such folder/pedigree.") + extension);
    CTestFileChooserScope chooser(path);
    CTestDialogRunnerScope runner(ImageSize(QString(), QString()));
    CTestMessageBoxScope boxes;
    fixture.m_Widget->Export(CmnPdfFileTypes() + CmnImageFileTypes() + QList<CCmnFileType>{kPostScript});
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().constFirst().m_Icon, QMessageBox::Warning);
    QCOMPARE(boxes.Requests().constFirst().m_Text, QStringLiteral("<p>Failed to export to '%1'</p>").arg(path));
    QVERIFY(!Asked(boxes, 100));
    QVERIFY(!fixture.AnyOutputScene());
}

void TestCmnSceneWidgetOutput::existingFileIsNotReplacedUnasked()
{
    CSceneFixture fixture;
    const QString existing = m_Folder->filePath(QStringLiteral("x.pdf"));
    {
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an earlier export");
    }
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("x")));
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    fixture.Button(CCmnSceneWidget::PdfButton)->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Requests().constFirst().m_Text.contains(QStringLiteral("already exists")));
    QCOMPARE(ReadAll(existing), QByteArray("an earlier export"));
    QVERIFY(fixture.m_Owner->m_Log.isEmpty());
}

void TestCmnSceneWidgetOutput::imageExportProposesTheLongerSide_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QStringList>("proposed");
    QTest::addColumn<QSize>("size");
    // A4 with half-inch margins: 10.69 x 7.27 inches.
    QTest::newRow("landscape") << 1 << QStringList{"1024", "696"} << QSize(1024, 696);
    QTest::newRow("portrait") << 0 << QStringList{"696", "1024"} << QSize(696, 1024);
}

void TestCmnSceneWidgetOutput::imageExportProposesTheLongerSide()
{
    QFETCH(int, orientation);
    QFETCH(QStringList, proposed);
    QFETCH(QSize, size);
    CSceneFixture fixture(0x6F7, orientation);
    const QString path = m_Folder->filePath(QStringLiteral("pedigree.jpg"));
    CTestFileChooserScope chooser(path);
    QStringList shown;
    CTestDialogRunnerScope runner(ImageSize(QString(), QString(), &shown));
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    fixture.Button(CCmnSceneWidget::ImageButton)->click();
    QCOMPARE(chooser.Requests().constFirst().m_Folder, QStringLiteral("OrvantaPedigree.jpg"));
    QCOMPARE(runner.Titles(), QStringList{"Image File Parameters"});
    QCOMPARE(shown, proposed);
    QCOMPARE(QImage(path).size(), size);
    QVERIFY(Asked(boxes, 100));
}

void TestCmnSceneWidgetOutput::imageOutsideThePageIsNotBlack_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("JPEG") << "jpg" << false;
    QTest::newRow("BMP") << "bmp" << false;
    QTest::newRow("PNG keeps it clear") << "png" << true;
}

void TestCmnSceneWidgetOutput::imageOutsideThePageIsNotBlack()
{
    QFETCH(QString, extension);
    QFETCH(bool, transparent);
    CSceneFixture fixture;
    const QString path = m_Folder->filePath(QStringLiteral("pedigree.") + extension);
    CTestFileChooserScope chooser(path);
    // A little taller than the page (1024 x 696): the page fills the top, and
    // the rows below it are left unpainted.
    CTestDialogRunnerScope runner(ImageSize(QStringLiteral("1024"), QStringLiteral("700")));
    CTestMessageBoxScope boxes;
    fixture.m_Widget->Export(CmnImageFileTypes());
    const QImage image(path);
    QCOMPARE(image.size(), QSize(1024, 700));
    QCOMPARE(image.hasAlphaChannel(), transparent);
    const QColor outside = image.pixelColor(512, 699);
    if (transparent) {
        QCOMPARE(outside.alpha(), 0);
        QCOMPARE(image.pixelColor(512, 2).alpha(), 255);
        return;
    }
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            black += IsBlack(image.pixelColor(x, y));
    }
    QCOMPARE(black, 0);
    QVERIFY(outside.red() > 240 && outside.green() > 240 && outside.blue() > 240);
}

void TestCmnSceneWidgetOutput::printWithoutAPrinterOffersPdf()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed here");
    CSceneFixture fixture;
    CTestDialogRunnerScope runner(OrvAcceptDialog);
    CTestFileChooserScope chooser(m_Folder->filePath(QStringLiteral("pedigree.pdf")));
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);
    boxes.Answer(QMessageBox::No);
    fixture.Button(CCmnSceneWidget::PrintButton)->click();
    QCOMPARE(runner.Titles(), QStringList{"Print Pedigree"});
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().constFirst().m_Text,
             QStringLiteral("<p>No printer is installed.</p>"
                            "<p>Would you like to export the pedigree as a PDF file instead?</p>"));
    QCOMPARE(chooser.Requests().size(), 1);
    QVERIFY(ReadAll(m_Folder->filePath(QStringLiteral("pedigree.pdf"))).startsWith("%PDF"));
    QCOMPARE(boxes.Requests().at(1).m_Options.m_MessageId, 100);
    QCOMPARE(fixture.m_Owner->m_Log, (QStringList{"allocate 1", "populate 1", "allocate 4", "populate 4"}));
    QVERIFY(!fixture.AnyOutputScene());

    // Declined, nothing more happens.
    CTestMessageBoxScope declined;
    declined.Answer(QMessageBox::No);
    fixture.Button(CCmnSceneWidget::PrintButton)->click();
    QCOMPARE(declined.Requests().size(), 1);
    QCOMPARE(chooser.Requests().size(), 1);
}

void TestCmnSceneWidgetOutput::printsToAFile()
{
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    // The standard print dialog, printing to a PDF file.
    CSceneFixture fixture(0x6F7 | CCmnSceneWidgetParams::StandardPrintDialog);
    const QString path = m_Folder->filePath(QStringLiteral("printed.pdf"));
    CTestDialogRunnerScope runner([&path](QDialog &dialog) {
        auto &print = static_cast<CCmnPrintDialog &>(dialog);
        print.printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    CTestMessageBoxScope boxes;
    fixture.Button(CCmnSceneWidget::PrintButton)->click();
    QCOMPARE(runner.Titles(), QStringList{"Print Pedigree"});
    QCOMPARE(boxes.Requests().size(), 0);
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(OrvPdfInfoField(path, QStringLiteral("Creator")), QStringLiteral("Orvanta Pedigree"));
    QVERIFY(!fixture.AnyOutputScene());
}

void TestCmnSceneWidgetOutput::previewShowsThePreviewSceneAndPrintsThePrintScene()
{
    CSceneFixture fixture(0x6F7 | CCmnSceneWidgetParams::SeparatePrintScene);
    const QString path = m_Folder->filePath(QStringLiteral("previewed.pdf"));
    CTestFileChooserScope chooser(path);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    int pages = -1;
    int previewPaints = -1;
    int printPaints = -1;
    int printedPaints = -1;
    CTestDialogRunnerScope runner([&](QDialog &dialog) {
        auto &preview = static_cast<CCmnPrintPreviewDialogEx &>(dialog);
        dialog.show();
        pages = preview.PreviewWidget()->PageCount();
        previewPaints = fixture.m_Owner->m_Probes.at(CmnSceneContextPrintPreview)->m_Paints;
        printPaints = fixture.m_Owner->m_Probes.at(CmnSceneContextPrint)->m_Paints;
        // The preview's printer has no printer behind it: it prints to a file.
        preview.Action(CCmnPrintPreviewDialogEx::PrintAction)->trigger();
        printedPaints = fixture.m_Owner->m_Probes.at(CmnSceneContextPrint)->m_Paints;
        return dialog.result();
    });
    fixture.Button(CCmnSceneWidget::PreviewButton)->click();
    QCOMPARE(runner.Titles(), QStringList{"Print Preview Pedigree"});
    QCOMPARE(fixture.m_Owner->m_Log,
             (QStringList{"allocate 2", "populate 2", "allocate 1", "populate 1"}));
    QCOMPARE(pages, 1);
    QVERIFY(previewPaints > 0);
    QCOMPARE(printPaints, 0);
    QVERIFY(printedPaints > 0);
    QVERIFY(ReadAll(path).startsWith("%PDF"));
    QVERIFY(Asked(boxes, 100));
    QVERIFY(!fixture.AnyOutputScene());
}

QTEST_MAIN(TestCmnSceneWidgetOutput)
#include "tst_cmnscenewidgetoutput.moc"
