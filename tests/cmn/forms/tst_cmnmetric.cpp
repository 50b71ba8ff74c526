#include "cmnmetric.h"
#include "cmnmetricwidget.h"

#include "cmndataexchange.h"
#include "cmndatastream.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"

#include <QBuffer>
#include <QDataStream>
#include <QTest>

Q_DECLARE_METATYPE(CCmnMetric)

class TestCmnMetric : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toDevice_data();
    void toDevice();
    void setUnitKeepsThePhysicalLength_data();
    void setUnitKeepsThePhysicalLength();
    void streamsTenBytesWithItsUnit();
    void readOfAnotherTagGivesTheDefault();
    void exchangeShowsTheSystemUnit();
    void exchangeGivesBackAnUnchangedLength_data();
    void exchangeGivesBackAnUnchangedLength();
};

void TestCmnMetric::toDevice_data()
{
    QTest::addColumn<qint32>("unit");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("device");
    QTest::newRow("centimetres") << qint32(CmnLengthUnitCentimeters) << 2.54 << 96.0;
    QTest::newRow("millimetres") << qint32(CmnLengthUnitMillimeters) << 25.4 << 96.0;
    QTest::newRow("inches") << qint32(CmnLengthUnitInches) << 1.0 << 96.0;
    QTest::newRow("unknown unit counts as inches") << 7 << 1.0 << 96.0;
}

void TestCmnMetric::toDevice()
{
    QFETCH(qint32, unit);
    QFETCH(double, length);
    QFETCH(double, device);
    QCOMPARE(CCmnMetric(unit, length).ToDevice(96), device);
}

void TestCmnMetric::setUnitKeepsThePhysicalLength_data()
{
    QTest::addColumn<qint32>("fromUnit");
    QTest::addColumn<double>("length");
    QTest::addColumn<qint32>("toUnit");
    QTest::addColumn<double>("expected");
    QTest::newRow("cm to mm") << 1 << 1.5 << 2 << 15.0;
    QTest::newRow("in to cm") << 0 << 1.0 << 1 << 2.54;
    QTest::newRow("same unit") << 2 << 3.3 << 2 << 3.3;
}

void TestCmnMetric::setUnitKeepsThePhysicalLength()
{
    QFETCH(qint32, fromUnit);
    QFETCH(double, length);
    QFETCH(qint32, toUnit);
    QFETCH(double, expected);
    CCmnMetric metric(fromUnit, length);
    metric.SetUnit(toUnit);
    QCOMPARE(metric.Unit(), toUnit);
    QCOMPARE(metric.Length(), expected);
    QCOMPARE(metric.ToDevice(100), CCmnMetric(fromUnit, length).ToDevice(100));
}

void TestCmnMetric::streamsTenBytesWithItsUnit()
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        CCmnMetric(CmnLengthUnitMillimeters, 2.5).Write(out);
    }
    QCOMPARE(bytes.toHex(), QByteArray("29024004000000000000"));
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnMetric read;
    QVERIFY(read.Read(in));
    QCOMPARE(read, CCmnMetric(CmnLengthUnitMillimeters, 2.5));
    QVERIFY(read != CCmnMetric(CmnLengthUnitCentimeters, 0.25));
}

void TestCmnMetric::readOfAnotherTagGivesTheDefault()
{
    QByteArray bytes = QByteArray::fromHex("28024004000000000000");
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnMetric read(1, 5.0);
    QVERIFY(!read.Read(in));
    QCOMPARE(read, CCmnMetric());
    QCOMPARE(in.device()->pos(), 1); // nothing read after the tag
}

void TestCmnMetric::exchangeShowsTheSystemUnit()
{
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
    CCmnMetricWidget spinBox;
    CCmnMetric metric(CmnLengthUnitCentimeters, 1.5);
    const CCmnDataExchange load(false);
    QVERIFY(CmnExchangeMetric(&spinBox, &load, &metric));
    QCOMPARE(spinBox.suffix(), QStringLiteral("mm"));
    QCOMPARE(spinBox.value(), 15.0);
    QCOMPARE(metric, CCmnMetric(CmnLengthUnitCentimeters, 1.5)); // showing changes nothing
    CmnDestroySystemSettings();
}

// A length shown rounded in another unit must not come back rounded on a plain
// OK: 0.1 inch is 2.54 mm, shown as 2.5 mm.
void TestCmnMetric::exchangeGivesBackAnUnchangedLength_data()
{
    QTest::addColumn<double>("typed"); // negative: left alone
    QTest::addColumn<CCmnMetric>("expected");

    QTest::newRow("unchanged") << -1.0 << CCmnMetric(CmnLengthUnitInches, 0.1);
    QTest::newRow("typed") << 3.0 << CCmnMetric(CmnLengthUnitMillimeters, 3.0);
    QTest::newRow("typed back to the shown number") << 2.5 << CCmnMetric(CmnLengthUnitInches, 0.1);
}

void TestCmnMetric::exchangeGivesBackAnUnchangedLength()
{
    QFETCH(double, typed);
    QFETCH(CCmnMetric, expected);
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
    CCmnMetricWidget spinBox;
    CCmnMetric metric(CmnLengthUnitInches, 0.1);
    const CCmnDataExchange load(false);
    QVERIFY(CmnExchangeMetric(&spinBox, &load, &metric));
    QCOMPARE(spinBox.value(), 2.5);
    if (typed >= 0)
        spinBox.setValue(typed);
    const CCmnDataExchange save(true);
    QVERIFY(CmnExchangeMetric(&spinBox, &save, &metric));
    QCOMPARE(metric, expected);
    CmnDestroySystemSettings();
}

QTEST_MAIN(TestCmnMetric)
#include "tst_cmnmetric.moc"
