#include "cmnadjustimage.h"

#include <QImage>
#include <QTest>

class TestCmnAdjustImage : public QObject
{
    Q_OBJECT
private slots:
    void mapsChannelValues_data();
    void mapsChannelValues();
    void defaultsKeepFormatAndAlpha();
    void anyAdjustmentGivesOpaqueRgb32_data();
    void anyAdjustmentGivesOpaqueRgb32();
    void adjustsEachChannelOnItsOwn_data();
    void adjustsEachChannelOnItsOwn();
    void outOfRangeValuesStayInChannelRange_data();
    void outOfRangeValuesStayInChannelRange();
};

void TestCmnAdjustImage::mapsChannelValues_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("gamma");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("brightness +100 from 0") << 100 << 100 << 100 << 0 << 255;
    QTest::newRow("brightness +100 from 200") << 100 << 100 << 100 << 200 << 255;
    QTest::newRow("brightness -100 from 255") << -100 << 100 << 100 << 255 << 0;
    QTest::newRow("brightness -100 from 40") << -100 << 100 << 100 << 40 << 0;
    QTest::newRow("brightness -50 truncates to -127") << -50 << 100 << 100 << 200 << 73;
    QTest::newRow("contrast 0 from 0") << 0 << 0 << 100 << 0 << 127;
    QTest::newRow("contrast 0 from 255") << 0 << 0 << 100 << 255 << 127;
    QTest::newRow("contrast 200 from 0") << 0 << 200 << 100 << 0 << 0;
    QTest::newRow("contrast 200 from 100") << 0 << 200 << 100 << 100 << 73;
    QTest::newRow("contrast 200 from 200") << 0 << 200 << 100 << 200 << 255;
    QTest::newRow("gamma 200 from 128") << 0 << 100 << 200 << 128 << 180;
    QTest::newRow("gamma 50 from 128") << 0 << 100 << 50 << 128 << 64;
    QTest::newRow("gamma keeps 0 and 255") << 0 << 100 << 500 << 255 << 255;
    // Combinations: brightness first, then contrast, then gamma.
    QTest::newRow("brightness then contrast") << 10 << 200 << 100 << 100 << 123;
    QTest::newRow("brightness then gamma") << 10 << 100 << 200 << 103 << 180;
    QTest::newRow("contrast then gamma") << 0 << 200 << 50 << 100 << 20;
    QTest::newRow("all three") << -10 << 50 << 200 << 200 << 196;
}

void TestCmnAdjustImage::mapsChannelValues()
{
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(int, gamma);
    QFETCH(int, value);
    QFETCH(int, expected);

    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(value, value, value, 90));
    const QImage original = image.copy();

    const QImage adjusted = CmnAdjustImage(image, brightness, contrast, gamma);
    QCOMPARE(adjusted.pixel(0, 0), qRgba(expected, expected, expected, 255));
    QCOMPARE(image, original);
}

void TestCmnAdjustImage::defaultsKeepFormatAndAlpha()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 40));

    const QImage adjusted = CmnAdjustImage(image, 0, 100, 100);
    QCOMPARE(adjusted.format(), QImage::Format_ARGB32);
    QCOMPARE(adjusted.pixel(0, 0), qRgba(10, 20, 30, 40));
}

void TestCmnAdjustImage::anyAdjustmentGivesOpaqueRgb32_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("gamma");

    QTest::newRow("brightness") << 1 << 100 << 100;
    QTest::newRow("contrast") << 0 << 101 << 100;
    QTest::newRow("gamma") << 0 << 100 << 99;
}

void TestCmnAdjustImage::anyAdjustmentGivesOpaqueRgb32()
{
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(int, gamma);

    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 40));

    const QImage adjusted = CmnAdjustImage(image, brightness, contrast, gamma);
    QCOMPARE(adjusted.format(), QImage::Format_RGB32);
    QCOMPARE(adjusted.hasAlphaChannel(), false);
    QCOMPARE(qAlpha(adjusted.pixel(0, 0)), 255);
}

void TestCmnAdjustImage::adjustsEachChannelOnItsOwn_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QImage::Format>("expectedFormat");

    QTest::newRow("rgb32") << QImage::Format_RGB32 << QImage::Format_RGB32;
    QTest::newRow("argb32") << QImage::Format_ARGB32 << QImage::Format_RGB32;
    QTest::newRow("rgb888") << QImage::Format_RGB888 << QImage::Format_RGB32;
    // Only the colour table changes: the pixels keep their indices.
    QTest::newRow("indexed") << QImage::Format_Indexed8 << QImage::Format_Indexed8;
}

void TestCmnAdjustImage::adjustsEachChannelOnItsOwn()
{
    QFETCH(QImage::Format, format);
    QFETCH(QImage::Format, expectedFormat);

    const QRgb white = qRgb(255, 255, 255);
    const QRgb colour = qRgba(0, 100, 200, 30);
    QImage image(2, 1, format);
    if (format == QImage::Format_Indexed8) {
        image.setColorTable({white, colour});
        image.setPixel(0, 0, 1);
        image.setPixel(1, 0, 0);
    } else {
        image.setPixel(0, 0, colour);
        image.setPixel(1, 0, white);
    }
    const QImage original = image.copy();

    const QImage adjusted = CmnAdjustImage(image, 0, 200, 100);
    QCOMPARE(adjusted.format(), expectedFormat);
    const QRgb expected = qRgb(0, 73, 255);
    QCOMPARE(adjusted.pixel(0, 0), expected);
    QCOMPARE(adjusted.pixel(1, 0), white);
    if (format == QImage::Format_Indexed8) {
        QCOMPARE(adjusted.colorTable(), QList<QRgb>({white, expected}));
        QCOMPARE(adjusted.pixelIndex(0, 0), 1);
    }
    QCOMPARE(image, original);
}

void TestCmnAdjustImage::outOfRangeValuesStayInChannelRange_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("gamma");
    QTest::addColumn<int>("expected");

    // No overflow and no infinite power reaching an integer conversion.
    QTest::newRow("huge brightness") << std::numeric_limits<int>::max() << 100 << 100 << 255;
    QTest::newRow("huge negative contrast") << 0 << std::numeric_limits<int>::min() << 100 << 255;
    QTest::newRow("gamma 0") << 0 << 100 << 0 << 0;
    QTest::newRow("negative gamma") << 0 << 100 << -50 << 255;
}

void TestCmnAdjustImage::outOfRangeValuesStayInChannelRange()
{
    QFETCH(int, brightness);
    QFETCH(int, contrast);
    QFETCH(int, gamma);
    QFETCH(int, expected);

    QImage image(1, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(100, 100, 100));
    QCOMPARE(qRed(CmnAdjustImage(image, brightness, contrast, gamma).pixel(0, 0)), expected);
}

QTEST_GUILESS_MAIN(TestCmnAdjustImage)
#include "tst_cmnadjustimage.moc"
