#include "cmnpagesetup.h"
#include "cmnpagesetupprinter.h"
#include "cmnpapersizes.h"
#include "cmntext.h"

#include <QPrinter>
#include <QTest>

namespace {

// A printer that needs no installed printer: its resolution is what printing
// to a file gives, read back rather than assumed.
std::unique_ptr<QPrinter> PdfPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    return printer;
}

CCmnPageSetup A4HalfInch()
{
    CCmnPageSetup setup;
    setup.m_UseDefaultPaper = false;
    setup.m_PaperSize = CmnPaperSizeA4;
    return setup;
}

QRectF PageRect(const CCmnPageSetup &setup, int orientation, QRectF *paper = nullptr, int *dpi = nullptr)
{
    auto printer = PdfPrinter();
    CmnApplyPageSetupToPrinter(*printer, setup, orientation);
    QRectF page;
    CmnPrinterPageAndPaperRects(*printer, &page, paper);
    if (dpi)
        *dpi = printer->resolution();
    return page;
}

// The page of an A4 printer left with its own margins.
QRectF UntouchedA4Page()
{
    auto untouched = PdfPrinter();
    untouched->setPageSize(QPageSize(QPageSize::A4));
    QRectF page;
    CmnPrinterPageAndPaperRects(*untouched, &page, nullptr);
    return page;
}

} // namespace

class TestCmnPageSetupPrinter : public QObject
{
    Q_OBJECT
private slots:
    void landscapeA4WithHalfInchMargins();
    void marginsInOtherUnitsKeepTheirLength_data();
    void marginsInOtherUnitsKeepTheirLength();
    void fullPageCoversThePaper();
    void marginsLeavingNoPageKeepPrinterMargins();
    void printerDefaultsKeepPrinterMargins();
    void paperWithoutSizeKeepsPrinterPaper_data();
    void paperWithoutSizeKeepsPrinterPaper();
};

void TestCmnPageSetupPrinter::landscapeA4WithHalfInchMargins()
{
    QRectF paper;
    int dpi = 0;
    const QRectF page = PageRect(A4HalfInch(), 1, &paper, &dpi);
    QVERIFY(dpi > 0);
    // The sheet is A4 as the printer knows it: sizes in whole points.
    const double point = dpi / 72.0;
    QVERIFY(qAbs(paper.width() - 297.0 / 25.4 * dpi) <= point);
    QVERIFY(qAbs(paper.height() - 210.0 / 25.4 * dpi) <= point);
    // Half an inch off each side of the sheet, to a dot: 10.69 x 7.26 inches,
    // as A4 is 842 x 595 whole points here.
    QCOMPARE(page.topLeft(), QPointF(0, 0));
    QVERIFY(qAbs(page.width() - (paper.width() - dpi)) <= 1.0);
    QVERIFY(qAbs(page.height() - (paper.height() - dpi)) <= 1.0);
    QVERIFY(qAbs(paper.left() + 0.5 * dpi) <= 1.0);
    QVERIFY(qAbs(paper.top() + 0.5 * dpi) <= 1.0);

    // Portrait swaps the sides.
    const QRectF portrait = PageRect(A4HalfInch(), 0);
    QVERIFY(qAbs(portrait.width() - page.height()) <= 1.0);
    QVERIFY(qAbs(portrait.height() - page.width()) <= 1.0);
}

void TestCmnPageSetupPrinter::marginsInOtherUnitsKeepTheirLength_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("length");
    QTest::newRow("millimetres") << int(CmnLengthUnitMillimeters) << 12.7;
    QTest::newRow("centimetres") << int(CmnLengthUnitCentimeters) << 1.27;
}

void TestCmnPageSetupPrinter::marginsInOtherUnitsKeepTheirLength()
{
    QFETCH(int, unit);
    QFETCH(double, length);
    CCmnPageSetup setup = A4HalfInch();
    setup.m_Margins.m_Left = CCmnMetric(unit, length);
    setup.m_Margins.m_Bottom = CCmnMetric(unit, length * 2);
    CCmnPageSetup inches = A4HalfInch();
    inches.m_Margins.m_Bottom = CCmnMetric(CmnLengthUnitInches, 1.0);
    const QRectF page = PageRect(setup, 0);
    const QRectF expected = PageRect(inches, 0);
    QVERIFY(qAbs(page.width() - expected.width()) <= 1.0);
    QVERIFY(qAbs(page.height() - expected.height()) <= 1.0);
}

void TestCmnPageSetupPrinter::fullPageCoversThePaper()
{
    CCmnPageSetup setup = A4HalfInch();
    setup.m_Margins.m_FullPage = true;
    QRectF paper;
    const QRectF page = PageRect(setup, 0, &paper);
    QCOMPARE(paper, page);
}

void TestCmnPageSetupPrinter::marginsLeavingNoPageKeepPrinterMargins()
{
    CCmnPageSetup setup = A4HalfInch();
    setup.m_Margins.m_Left = CCmnMetric(CmnLengthUnitInches, 20.0);
    setup.m_Margins.m_Top = CCmnMetric(CmnLengthUnitMillimeters, -5.0);
    QRectF paper;
    const QRectF page = PageRect(setup, 0, &paper);
    QVERIFY(paper.contains(page));
    QCOMPARE(page, UntouchedA4Page());
}

void TestCmnPageSetupPrinter::printerDefaultsKeepPrinterMargins()
{
    CCmnPageSetup setup = A4HalfInch();
    setup.m_Margins.m_UsePrinterDefaultMargins = true;
    setup.m_Margins.m_Left = CCmnMetric(CmnLengthUnitInches, 3.0);
    QCOMPARE(PageRect(setup, 0), UntouchedA4Page());
}

void TestCmnPageSetupPrinter::paperWithoutSizeKeepsPrinterPaper_data()
{
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<quint32>("code");
    QTest::newRow("default paper") << true << quint32(CmnPaperSizeLetter);
    QTest::newRow("custom") << false << quint32(CmnPaperSizeCustom);
    QTest::newRow("unknown code") << false << quint32(777);
}

void TestCmnPageSetupPrinter::paperWithoutSizeKeepsPrinterPaper()
{
    QFETCH(bool, useDefault);
    QFETCH(quint32, code);
    auto printer = PdfPrinter();
    const QPageSize before = printer->pageLayout().pageSize();
    CCmnPageSetup setup;
    setup.m_UseDefaultPaper = useDefault;
    setup.m_PaperSize = code;
    CmnApplyPageSetupToPrinter(*printer, setup, 0);
    QVERIFY(printer->pageLayout().pageSize().isEquivalentTo(before));
}

QTEST_MAIN(TestCmnPageSetupPrinter)
#include "tst_cmnpagesetupprinter.moc"
