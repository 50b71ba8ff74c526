#include "cmnappdescriptor.h"
#include "cmndatastream.h"
#include "cmndate.h"
#include "cmnframework.h"
#include "cmnhighlight.h"
#include "cmnrememberedvalues.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QTest>

// The framework's value types travel inside variants: in settings stores, in
// remembered values and inside documents. These tests take them through every
// road at once, after the framework has registered them by their stored names.
class TestCmnFrameworkTypes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void typesAreKnownByStoredNames();
    void hashRoundTripsThroughPinnedStream();
    void damagedDateInsideHashMarksStreamCorrupt();
    void rememberedValuesKeepTypesAcrossRuns();

private:
    static QVariantHash SampleHash();
};

QVariantHash TestCmnFrameworkTypes::SampleHash()
{
    CCmnDate birth;
    birth.SetJulianYmd(4, 10, 1582);
    CCmnDate litterYear;
    litterYear.SetFrenchRepublicanYmd(0, 0, 3);
    return {{QStringLiteral("birth"), QVariant::fromValue(birth)},
            {QStringLiteral("litter"), QVariant::fromValue(litterYear)},
            {QStringLiteral("empty"), QVariant::fromValue(CCmnDate())},
            {QStringLiteral("highlight"), QVariant::fromValue(CCmnHighlight::Preset(2))},
            {QStringLiteral("name"), QStringLiteral("Bella")}};
}

void TestCmnFrameworkTypes::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnFrameworkTypes::typesAreKnownByStoredNames()
{
    QCOMPARE(QMetaType::fromName("CCmnDate"), QMetaType::fromType<CCmnDate>());
    QCOMPARE(QMetaType::fromName("CCmnHighlight"), QMetaType::fromType<CCmnHighlight>());
}

void TestCmnFrameworkTypes::hashRoundTripsThroughPinnedStream()
{
    const QVariantHash hash = SampleHash();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << hash;
    QVERIFY(bytes.contains(QByteArrayLiteral("CCmnDate\0")));
    QVERIFY(bytes.contains(QByteArrayLiteral("CCmnHighlight\0")));

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVariantHash read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read, hash);
    QCOMPARE(read.value(QStringLiteral("birth")).value<CCmnDate>().Calendar(), int(CmnDateCalendarJulian));
}

void TestCmnFrameworkTypes::damagedDateInsideHashMarksStreamCorrupt()
{
    CCmnDate day;
    day.SetGregorianYmd(1, 1, 2000);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    out << QVariantHash{{QStringLiteral("d"), QVariant::fromValue(day)}};
    // The date's tag byte follows its type name; 7 is no tag a date writes.
    const QByteArray name = QByteArrayLiteral("CCmnDate\0");
    const qsizetype tagAt = bytes.indexOf(name) + name.size();
    QCOMPARE(bytes.at(tagAt), char(2));
    bytes[tagAt] = char(7);

    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QVariantHash read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::ReadCorruptData);
}

void TestCmnFrameworkTypes::rememberedValuesKeepTypesAcrossRuns()
{
    CTestSettingsScope scope;
    const QString group = QStringLiteral("cmnpreferencehiddensettings");
    CCmnRememberedValues saved;
    const QVariantHash hash = SampleHash();
    for (auto it = hash.cbegin(); it != hash.cend(); ++it)
        saved.SetValue(it.key(), it.value());
    saved.Exchange(CCmnSettingsExchange(true).Child(group));

    CCmnRememberedValues loaded;
    loaded.Exchange(CCmnSettingsExchange(false).Child(group));
    for (auto it = hash.cbegin(); it != hash.cend(); ++it)
        QCOMPARE(loaded.Value(it.key()), it.value());
}

QTEST_GUILESS_MAIN(TestCmnFrameworkTypes)
#include "tst_cmnframeworktypes.moc"
