#include "cmnimagesize.h"

#include <QTest>

class TestCmnImageSize : public QObject
{
    Q_OBJECT
private slots:
    void completesTheProposedSize_data();
    void completesTheProposedSize();
    void convertsThroughInches_data();
    void convertsThroughInches();
};

void TestCmnImageSize::completesTheProposedSize_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("aspectRatio");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<double>("expectedWidth");
    QTest::addColumn<double>("expectedHeight");
    QTest::addColumn<double>("expectedRatio");
    QTest::addColumn<int>("expectedUnit");
    const int inches = CmnImageUnitInches;
    const int pixels = CmnImageUnitPixels;
    QTest::newRow("nothing: 1024 x 768 pixels") << -1.0 << -1.0 << 1.5 << true << 1024.0 << 768.0 << 1024.0 / 768 << pixels;
    QTest::newRow("landscape width") << 1024.0 << -1.0 << 1.5 << true << 1024.0 << 1024.0 / 1.5 << 1.5 << inches;
    QTest::newRow("portrait height") << 0.001 << 1024.0 << 0.75 << true << 768.0 << 1024.0 << 0.75 << inches;
    QTest::newRow("width unlocked: square") << 5.0 << -1.0 << 1.5 << false << 5.0 << 5.0 << 1.0 << inches;
    QTest::newRow("height unlocked: square") << -1.0 << 7.0 << 1.5 << false << 7.0 << 7.0 << 1.0 << inches;
    QTest::newRow("both locked: height follows") << 300.0 << 50.0 << 2.0 << true << 300.0 << 150.0 << 2.0 << inches;
    QTest::newRow("both unlocked: ratio follows") << 300.0 << 50.0 << 2.0 << false << 300.0 << 50.0 << 6.0 << inches;
    QTest::newRow("height below 1 divides by 1") << 3.0 << 0.5 << 2.0 << false << 3.0 << 0.5 << 3.0 << inches;
    QTest::newRow("no ratio counts as 1") << 200.0 << -1.0 << 0.0 << true << 200.0 << 200.0 << 1.0 << inches;
}

void TestCmnImageSize::completesTheProposedSize()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, aspectRatio);
    QFETCH(bool, lock);
    QFETCH(double, expectedWidth);
    QFETCH(double, expectedHeight);
    QFETCH(double, expectedRatio);
    QFETCH(int, expectedUnit);
    qint32 unit = CmnImageUnitInches;
    CmnCompleteImageSize(&width, &height, &aspectRatio, &unit, lock);
    QCOMPARE(width, expectedWidth);
    QCOMPARE(height, expectedHeight);
    QCOMPARE(aspectRatio, expectedRatio);
    QCOMPARE(unit, expectedUnit);
}

void TestCmnImageSize::convertsThroughInches_data()
{
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<double>("dotsPerInch");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels");
    QTest::newRow("pixels to inches") << int(CmnImageUnitInches) << 1024.0 << int(CmnImageUnitPixels) << 300.0
                                      << "3.413" << 1024;
    QTest::newRow("inches back to pixels") << int(CmnImageUnitPixels) << 3.413 << int(CmnImageUnitInches) << 300.0
                                           << "1024" << 1024;
    QTest::newRow("millimetres to points") << int(CmnImageUnitPoints) << 25.4 << int(CmnImageUnitMillimeters) << 300.0
                                           << "72.000" << 300;
    QTest::newRow("pixels at no resolution") << int(CmnImageUnitInches) << 2.0 << int(CmnImageUnitPixels) << 0.0
                                             << "2.000" << 0;
    QTest::newRow("half pixel rounds up") << int(CmnImageUnitPixels) << 682.5 << int(CmnImageUnitPixels) << 72.0
                                          << "683" << 683;
}

void TestCmnImageSize::convertsThroughInches()
{
    QFETCH(int, to);
    QFETCH(double, value);
    QFETCH(int, from);
    QFETCH(double, dotsPerInch);
    QFETCH(QString, text);
    QFETCH(int, pixels);
    const double converted = CmnConvertImageLength(to, value, from, dotsPerInch);
    QCOMPARE(CmnImageLengthText(converted, to), text);
    QCOMPARE(CmnImagePixels(converted, to, dotsPerInch), pixels);
}

QTEST_GUILESS_MAIN(TestCmnImageSize)
#include "tst_cmnimagesize.moc"
