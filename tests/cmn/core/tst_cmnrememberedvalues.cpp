#include "cmnfilehiddensettings.h"
#include "cmnrememberedvalues.h"
#include "cmnsettingsexchange.h"
#include "testsettingsscope.h"

#include <QSettings>
#include <QTest>

namespace {

CCmnSettingsExchange GroupExchange(bool save, const QString &group)
{
    return CCmnSettingsExchange(save).Child(group);
}

const QString kRemembered = QStringLiteral("cmnpreferencehiddensettings");
const QString kFileSpecific = QStringLiteral("cmnfilespecifichiddensettings");

} // namespace

class TestCmnRememberedValues : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void exchangeIntReadsDefaultWhenAbsent();
    void valuesLiveInMemoryUntilSaved();
    void rememberedValuesRoundTrip();
    void fileValueOfUnknownFileIsInvalid();
    void fileValuesRoundTripWithLongTablesAndNonAsciiPaths();
};

void TestCmnRememberedValues::cleanup()
{
    CmnDestroyRememberedValues();
    CmnDestroyFileHiddenSettings();
}

void TestCmnRememberedValues::exchangeIntReadsDefaultWhenAbsent()
{
    CCmnRememberedValues values;
    qint32 record = 5;
    values.ExchangeInt(true, QStringLiteral("pedigree_sirerecno"), record, -1);
    QCOMPARE(record, -1);
    QString text = QStringLiteral("x");
    values.ExchangeString(true, QStringLiteral("export_dateformat"), text, QStringLiteral("def"));
    QCOMPARE(text, QStringLiteral("def"));
}

void TestCmnRememberedValues::valuesLiveInMemoryUntilSaved()
{
    CTestSettingsScope scope;
    CCmnRememberedValues values;
    qint32 record = 42;
    values.ExchangeInt(false, QStringLiteral("pedigree_sirerecno"), record, -1);
    qint32 readBack = 0;
    values.ExchangeInt(true, QStringLiteral("pedigree_sirerecno"), readBack, -1);
    QCOMPARE(readBack, 42);
    QVERIFY(QSettings().allKeys().isEmpty());
}

void TestCmnRememberedValues::rememberedValuesRoundTrip()
{
    CTestSettingsScope scope;
    CmnCreateRememberedValues();
    qint32 record = 17;
    QString fields = QStringLiteral("Name,Sire,Dam");
    CmnGetRememberedValues()->ExchangeInt(false, QStringLiteral("trial_damrecno"), record, -1);
    CmnGetRememberedValues()->ExchangeString(false, QStringLiteral("export_fields"), fields, QString());
    CmnExchangeRememberedValues(GroupExchange(true, kRemembered));
    CmnDestroyRememberedValues();

    CmnCreateRememberedValues();
    CmnGetRememberedValues()->SetValue(QStringLiteral("unsaved"), 3);
    CmnExchangeRememberedValues(GroupExchange(false, kRemembered));
    qint32 recordIn = -1;
    QString fieldsIn;
    CmnGetRememberedValues()->ExchangeInt(true, QStringLiteral("trial_damrecno"), recordIn, -1);
    CmnGetRememberedValues()->ExchangeString(true, QStringLiteral("export_fields"), fieldsIn, QString());
    QCOMPARE(recordIn, 17);
    QCOMPARE(fieldsIn, fields);
    QCOMPARE(CmnGetRememberedValues()->Value(QStringLiteral("unsaved")), QVariant(3));
}

void TestCmnRememberedValues::fileValueOfUnknownFileIsInvalid()
{
    CCmnFileHiddenSettings settings;
    settings.SetValue(QStringLiteral("/a.csv"), QStringLiteral("csvformat"), QStringLiteral("none,1,tab,#,1,1"));
    QVERIFY(!settings.Value(QStringLiteral("/b.csv"), QStringLiteral("csvformat")).isValid());
    QVERIFY(!settings.Value(QStringLiteral("/a.csv"), QStringLiteral("columns")).isValid());
    QCOMPARE(settings.Value(QStringLiteral("/b.csv"), QStringLiteral("csvformat")).toString(), QString());
}

void TestCmnRememberedValues::fileValuesRoundTripWithLongTablesAndNonAsciiPaths()
{
    CTestSettingsScope scope;
    const QString path = QStringLiteral("/home/élevage/Cœur de lion/ČSV data.txt");
    const QString columns = QStringList(60, QStringLiteral("Name")).join(QLatin1Char(','));
    CmnCreateFileHiddenSettings();
    CmnGetFileHiddenSettings()->SetValue(path, QStringLiteral("columns"), columns);
    CmnGetFileHiddenSettings()->SetValue(path, QStringLiteral("textencoding"), QStringLiteral("UTF-8"));
    CmnExchangeFileHiddenSettings(GroupExchange(true, kFileSpecific));
    CmnDestroyFileHiddenSettings();

    {
        QSettings store;
        store.beginGroup(kFileSpecific + QStringLiteral("/data"));
        QVERIFY2(store.childKeys().size() > 2, qPrintable(store.childKeys().join(QLatin1Char(' '))));
    }

    CmnCreateFileHiddenSettings();
    CmnGetFileHiddenSettings()->SetValue(QStringLiteral("/replaced.csv"), QStringLiteral("k"), 1);
    CmnExchangeFileHiddenSettings(GroupExchange(false, kFileSpecific));
    CCmnFileHiddenSettings *loaded = CmnGetFileHiddenSettings();
    QCOMPARE(loaded->Value(path, QStringLiteral("columns")).toString(), columns);
    QCOMPARE(loaded->Value(path, QStringLiteral("textencoding")).toString(), QStringLiteral("UTF-8"));
    QVERIFY(!loaded->Value(QStringLiteral("/replaced.csv"), QStringLiteral("k")).isValid());
}

QTEST_GUILESS_MAIN(TestCmnRememberedValues)
#include "tst_cmnrememberedvalues.moc"
