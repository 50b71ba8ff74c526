#include "cmnsettingsexchange.h"
#include "cmnsystemsettings.h"
#include "testsettingsscope.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTest>

namespace {

const QString kGroup = QStringLiteral("cmnsystemsettings");

CCmnSettingsExchange GroupExchange(bool save)
{
    return CCmnSettingsExchange(save).Child(kGroup);
}

} // namespace

class TestCmnSystemSettings : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void dontAskAgainTextParses_data();
    void dontAskAgainTextParses();
    void dontAskAgainResultsSaveAsText();
    void setDontAskAgainResultZeroForgets();
    void firstSaveEndsFirstRun();
    void emptyDateFormatLoadsDefault();
    void namedStringsUseOneKeyEach();
    void outOfRangeUnitsLoadDefault();
};

void TestCmnSystemSettings::cleanup()
{
    CmnDestroySystemSettings();
}

void TestCmnSystemSettings::dontAskAgainTextParses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("pairs");
    QTest::newRow("one pair") << "106,1024" << QList<int>{106, 1024};
    QTest::newRow("empty and one-part pieces ignored") << "106,1024;;7" << QList<int>{106, 1024};
    QTest::newRow("non-number reads 0") << "x,5" << QList<int>{0, 5};
    QTest::newRow("three parts ignored") << "1,2,3;4,5" << QList<int>{4, 5};
    QTest::newRow("empty") << "" << QList<int>{};
}

void TestCmnSystemSettings::dontAskAgainTextParses()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, pairs);
    QHash<qint32, qint32> expected;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        expected.insert(pairs.at(i), pairs.at(i + 1));
    QCOMPARE(CmnDontAskAgainResultsFromText(text), expected);
}

void TestCmnSystemSettings::dontAskAgainResultsSaveAsText()
{
    CTestSettingsScope scope;
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->SetDontAskAgainResult(106, 1024);
    CmnExchangeSystemSettings(GroupExchange(true));
    QCOMPARE(QSettings().value(kGroup + QStringLiteral("/dontaskagainresults")).toString(),
             QStringLiteral("106,1024"));

    CmnGetSystemSettings()->SetDontAskAgainResult(106, 0);
    CmnExchangeSystemSettings(GroupExchange(true));
    QCOMPARE(QSettings().value(kGroup + QStringLiteral("/dontaskagainresults")).toString(), QString());

    CmnGetSystemSettings()->SetDontAskAgainResult(5, 1);
    CmnExchangeSystemSettings(GroupExchange(false));
    QCOMPARE(CmnGetSystemSettings()->m_DontAskAgainResults, (QHash<qint32, qint32>{}));
}

void TestCmnSystemSettings::setDontAskAgainResultZeroForgets()
{
    CCmnSystemSettings settings;
    settings.SetDontAskAgainResult(103, 1024);
    settings.SetDontAskAgainResult(103, 65536);
    QCOMPARE(settings.GetDontAskAgainResult(103), 65536);
    settings.SetDontAskAgainResult(103, 0);
    QCOMPARE(settings.GetDontAskAgainResult(103), 0);
    QVERIFY(settings.m_DontAskAgainResults.isEmpty());
}

void TestCmnSystemSettings::firstSaveEndsFirstRun()
{
    CTestSettingsScope scope;
    CmnCreateSystemSettings();
    CmnExchangeSystemSettings(GroupExchange(false));
    QCOMPARE(CmnGetSystemSettings()->m_FirstRun, true);

    CmnExchangeSystemSettings(GroupExchange(true));
    QCOMPARE(QSettings().value(kGroup + QStringLiteral("/firsttimerun")).toBool(), false);

    CmnDestroySystemSettings();
    QVERIFY(!CmnGetSystemSettings());
    CmnCreateSystemSettings();
    CmnExchangeSystemSettings(GroupExchange(false));
    QCOMPARE(CmnGetSystemSettings()->m_FirstRun, false);
}

void TestCmnSystemSettings::emptyDateFormatLoadsDefault()
{
    CTestSettingsScope scope;
    QSettings().setValue(kGroup + QStringLiteral("/inputdateformat"), QString());
    CCmnSystemSettings defaults;
    defaults.m_DateInputFormat = QStringLiteral("[[dd/]mm/]yyyy");
    CCmnSystemSettings loaded;
    loaded.m_DateInputFormat = QStringLiteral("something else");
    loaded.Exchange(GroupExchange(false), defaults);
    QCOMPARE(loaded.m_DateInputFormat, QStringLiteral("[[dd/]mm/]yyyy"));
}

void TestCmnSystemSettings::namedStringsUseOneKeyEach()
{
    CTestSettingsScope scope;
    CCmnSystemSettings saved;
    saved.m_Strings = {{QStringLiteral("a"), QStringLiteral("x")}, {QStringLiteral("b"), QStringLiteral("y")}};
    saved.Exchange(GroupExchange(true), CCmnSystemSettings());
    QSettings store;
    QCOMPARE(store.value(kGroup + QStringLiteral("/strings")).toString(), QStringLiteral("a,b"));
    QCOMPARE(store.value(kGroup + QStringLiteral("/string_a")).toString(), QStringLiteral("x"));
    QCOMPARE(store.value(kGroup + QStringLiteral("/string_b")).toString(), QStringLiteral("y"));

    CCmnSystemSettings loaded;
    loaded.m_Strings.insert(QStringLiteral("kept"), QStringLiteral("k"));
    loaded.Exchange(GroupExchange(false), CCmnSystemSettings());
    QCOMPARE(loaded.StringValue(QStringLiteral("a")), QStringLiteral("x"));
    QCOMPARE(loaded.StringValue(QStringLiteral("b")), QStringLiteral("y"));
    QCOMPARE(loaded.StringValue(QStringLiteral("kept")), QStringLiteral("k"));
    QCOMPARE(loaded.StringValue(QStringLiteral("absent"), QStringLiteral("def")), QStringLiteral("def"));
}

void TestCmnSystemSettings::outOfRangeUnitsLoadDefault()
{
    CTestSettingsScope scope;
    QSettings().setValue(kGroup + QStringLiteral("/measurementunits"), 9);
    CCmnSystemSettings defaults;
    defaults.m_MeasurementUnits = 2;
    CCmnSystemSettings loaded;
    loaded.Exchange(GroupExchange(false), defaults);
    QCOMPARE(loaded.m_MeasurementUnits, 2);
}

QTEST_GUILESS_MAIN(TestCmnSystemSettings)
#include "tst_cmnsystemsettings.moc"
