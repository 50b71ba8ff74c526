#include "cmnscenecontext.h"
#include "cmnscenewidgetparams.h"

#include <QTest>

using P = CCmnSceneWidgetParams;

class TestCmnSceneWidgetParams : public QObject
{
    Q_OBJECT
private slots:
    void contextIsFirstOfScreenPrintPreviewExport_data();
    void contextIsFirstOfScreenPrintPreviewExport();
    void newParamsOfferSimplePrintDialogInPortrait();
    void defaultTextsFollowContentName_data();
    void defaultTextsFollowContentName();
    void ownTextsReplaceDefaults();
};

void TestCmnSceneWidgetParams::contextIsFirstOfScreenPrintPreviewExport_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("context");
    QTest::addColumn<int>("slot");
    QTest::newRow("screen") << 8 << 8 << 0;
    QTest::newRow("print") << 1 << 1 << 1;
    QTest::newRow("preview") << 2 << 2 << 2;
    QTest::newRow("export") << 4 << 4 << 3;
    QTest::newRow("screen and print") << 9 << 8 << 0;
    QTest::newRow("preview and export") << 6 << 2 << 2;
    QTest::newRow("print and export") << 5 << 1 << 1;
    QTest::newRow("every bit") << 15 << 8 << 0;
}

void TestCmnSceneWidgetParams::contextIsFirstOfScreenPrintPreviewExport()
{
    QFETCH(int, flags);
    QFETCH(int, context);
    QFETCH(int, slot);
    QCOMPARE(int(CmnSceneContextOf(flags)), context);
    QCOMPARE(CmnSceneContextSlot(flags), slot);
}

void TestCmnSceneWidgetParams::newParamsOfferSimplePrintDialogInPortrait()
{
    const P params;
    QCOMPARE(params.m_Options, 0x10);
    QCOMPARE(params.m_InitialOrientation, 0);
    for (const QString &text : params.m_Texts)
        QVERIFY(text.isEmpty());
}

void TestCmnSceneWidgetParams::defaultTextsFollowContentName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("printer prefix") << int(P::PrinterPrefix) << "";
    QTest::newRow("save") << int(P::SaveText) << "Export Pedigree";
    QTest::newRow("save tool tip") << int(P::SaveToolTip) << "Export the pedigree e.g. as a PDF file";
    QTest::newRow("PDF") << int(P::PdfText) << "Export Pedigree As PDF";
    QTest::newRow("PDF tool tip") << int(P::PdfToolTip) << "Export the pedigree as a PDF file";
    QTest::newRow("image") << int(P::ImageText) << "Export Pedigree As Image";
    QTest::newRow("image tool tip") << int(P::ImageToolTip) << "Export the pedigree as an image file e.g. JPEG";
    QTest::newRow("print tool tip") << int(P::PrintToolTip) << "Print the pedigree";
    QTest::newRow("print") << int(P::PrintText) << "Print Pedigree";
    QTest::newRow("preview tool tip") << int(P::PreviewToolTip) << "Print preview the pedigree";
    QTest::newRow("preview") << int(P::PreviewText) << "Print Preview Pedigree";
    QTest::newRow("combined") << int(P::CombinedPrintText) << "Print Pedigree";
    QTest::newRow("print icon") << int(P::PrintIcon) << ":/cmn/toolbuttons/print";
    QTest::newRow("landscape") << int(P::LandscapeToolTip) << "Landscape";
    QTest::newRow("zoom out icon") << int(P::ZoomOutIcon) << ":/cmn/toolbuttons/zoom-out";
    QTest::newRow("beyond the table") << int(P::TextCount) << "";
}

void TestCmnSceneWidgetParams::defaultTextsFollowContentName()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(P().Text(index, "Pedigree"), text);
}

void TestCmnSceneWidgetParams::ownTextsReplaceDefaults()
{
    P params;
    params.m_Texts[P::PdfText] = "PDF";
    params.m_Texts[P::PrintToolTip] = "Print %1";
    QCOMPARE(params.Text(P::PdfText, "Pedigree"), QString("PDF"));
    // An own text is taken as it stands.
    QCOMPARE(params.Text(P::PrintToolTip, "Pedigree"), QString("Print %1"));
    // A content name is put in once, whatever it holds.
    QCOMPARE(P().Text(P::PdfText, "Smith & Jones <UK> %1"), QString("Export Smith & Jones <UK> %1 As PDF"));
}

QTEST_GUILESS_MAIN(TestCmnSceneWidgetParams)
#include "tst_cmnscenewidgetparams.moc"
