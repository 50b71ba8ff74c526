#include "bioinbreedingsettings.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

const QString kGroup = QStringLiteral("preferencesettings/inbreeding");

CBioInbreedingSettings Loaded(const QSharedPointer<QSettings> &store)
{
    CBioInbreedingSettings settings;
    settings.m_Generations = settings.m_Decimals = -7;
    settings.Exchange(CCmnSettingsExchange(false, store, kGroup), CBioInbreedingSettings());
    return settings;
}

} // namespace

class TestBioInbreedingSettings : public QObject
{
    Q_OBJECT
private slots:
    void missingKeysLoadTheDefaults();
    void roundTrip();
    void storedValuesAreClampedWhenRead_data();
    void storedValuesAreClampedWhenRead();
};

void TestBioInbreedingSettings::missingKeysLoadTheDefaults()
{
    CTestSettingsScope scope;
    const CBioInbreedingSettings settings = Loaded(QSharedPointer<QSettings>::create());
    QCOMPARE(settings.m_Generations, 8);
    QCOMPARE(settings.m_Decimals, 2);
    QCOMPARE(CBioInbreedingSettings(), settings);
}

void TestBioInbreedingSettings::roundTrip()
{
    CTestSettingsScope scope;
    auto store = QSharedPointer<QSettings>::create();
    CBioInbreedingSettings written;
    written.m_Generations = 5;   // in range though none of the tab's choices: kept
    written.m_Decimals = 0;
    written.Exchange(CCmnSettingsExchange(true, store, kGroup), CBioInbreedingSettings());
    QCOMPARE(store->value(kGroup + "/inbreedinggens").toInt(), 5);
    QCOMPARE(store->value(kGroup + "/inbreedingdecimals").toInt(), 0);
    QCOMPARE(Loaded(store), written);
}

void TestBioInbreedingSettings::storedValuesAreClampedWhenRead_data()
{
    QTest::addColumn<QVariant>("storedGenerations");
    QTest::addColumn<QVariant>("storedDecimals");
    QTest::addColumn<int>("generations");
    QTest::addColumn<int>("decimals");
    QTest::newRow("negative") << QVariant(-5) << QVariant(-1) << 2 << 0;
    QTest::newRow("zero and one generation") << QVariant(1) << QVariant(0) << 2 << 0;
    QTest::newRow("huge") << QVariant(2147483647) << QVariant(1000) << 24 << 8;
    QTest::newRow("limits") << QVariant(24) << QVariant(8) << 24 << 8;
    // A damaged value is no value: the default.
    QTest::newRow("not a number") << QVariant("many") << QVariant("x") << 8 << 2;
}

void TestBioInbreedingSettings::storedValuesAreClampedWhenRead()
{
    QFETCH(QVariant, storedGenerations);
    QFETCH(QVariant, storedDecimals);
    QFETCH(int, generations);
    QFETCH(int, decimals);
    CTestSettingsScope scope;
    auto store = QSharedPointer<QSettings>::create();
    store->setValue(kGroup + "/inbreedinggens", storedGenerations);
    store->setValue(kGroup + "/inbreedingdecimals", storedDecimals);
    const CBioInbreedingSettings settings = Loaded(store);
    QCOMPARE(settings.m_Generations, generations);
    QCOMPARE(settings.m_Decimals, decimals);
}

QTEST_GUILESS_MAIN(TestBioInbreedingSettings)
#include "tst_bioinbreedingsettings.moc"
