#include "cmnpapersizes.h"
#include "cmnprinterprovider.h"

#include <QTest>

namespace {

class CTestPrinters : public CCmnPrinterProvider
{
public:
    QStringList PrinterNames() const override { return {"Office", "Smith & Jones <UK> Laser"}; }
    int DefaultPrinterIndex() const override { return 0; }
};

QList<QPageSize> Sizes(const QList<QPageSize::PageSizeId> &ids)
{
    QList<QPageSize> sizes;
    for (const QPageSize::PageSizeId id : ids)
        sizes << QPageSize(id);
    return sizes;
}

} // namespace

class TestCmnPrinterProvider : public QObject
{
    Q_OBJECT
private slots:
    void replacedProviderAnswersUntilRestored();
    void paperChoicesShowRunsOfCustomSizesOnce_data();
    void paperChoicesShowRunsOfCustomSizesOnce();
};

void TestCmnPrinterProvider::replacedProviderAnswersUntilRestored()
{
    const CCmnPrinterProvider *system = &CmnPrinterProvider();
    const auto replaced = CmnSetPrinterProvider(std::make_shared<CTestPrinters>());
    QCOMPARE(replaced.get(), system);
    QCOMPARE(CmnPrinterProvider().PrinterNames(), (QStringList{"Office", "Smith & Jones <UK> Laser"}));
    QCOMPARE(CmnPrinterProvider().DefaultPrinterIndex(), 0);

    const auto test = CmnSetPrinterProvider(nullptr);
    QVERIFY(dynamic_cast<CTestPrinters *>(test.get()));
    QVERIFY(!dynamic_cast<const CTestPrinters *>(&CmnPrinterProvider()));
}

void TestCmnPrinterProvider::paperChoicesShowRunsOfCustomSizesOnce_data()
{
    QTest::addColumn<QList<QPageSize>>("supported");
    QTest::addColumn<QList<qint32>>("choices");
    QTest::newRow("none") << QList<QPageSize>() << QList<qint32>();
    QTest::newRow("known sizes keep their order")
        << Sizes({QPageSize::Letter, QPageSize::A4, QPageSize::Legal})
        << QList<qint32>{CmnPaperSizeLetter, CmnPaperSizeA4, CmnPaperSizeLegal};
    QTest::newRow("sizes without a code at the end")
        << Sizes({QPageSize::A4, QPageSize::A10, QPageSize::JisB5, QPageSize::Custom})
        << QList<qint32>{CmnPaperSizeA4, CmnPaperSizeCustom};
    QTest::newRow("separate runs")
        << Sizes({QPageSize::A10, QPageSize::A4, QPageSize::Envelope10, QPageSize::JisB6, QPageSize::A5})
        << QList<qint32>{CmnPaperSizeCustom, CmnPaperSizeA4, CmnPaperSizeComm10E, CmnPaperSizeCustom,
                         CmnPaperSizeA5};
}

void TestCmnPrinterProvider::paperChoicesShowRunsOfCustomSizesOnce()
{
    QFETCH(QList<QPageSize>, supported);
    QFETCH(QList<qint32>, choices);
    QCOMPARE(CmnPaperSizeChoices(supported), choices);
}

QTEST_MAIN(TestCmnPrinterProvider)
#include "tst_cmnprinterprovider.moc"
