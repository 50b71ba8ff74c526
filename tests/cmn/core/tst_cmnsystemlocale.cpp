#include "cmnsystemlocale.h"

#include <QTest>

class TestCmnSystemLocale : public QObject
{
    Q_OBJECT
private slots:
    void spellingByTerritory_data();
    void spellingByTerritory();
};

void TestCmnSystemLocale::spellingByTerritory_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("territory");
    QTest::addColumn<bool>("northAmerican");

    QTest::newRow("United States") << int(QLocale::English) << int(QLocale::UnitedStates) << true;
    QTest::newRow("United States, Spanish") << int(QLocale::Spanish) << int(QLocale::UnitedStates) << true;
    QTest::newRow("Canada") << int(QLocale::English) << int(QLocale::Canada) << true;
    QTest::newRow("Canada, French") << int(QLocale::French) << int(QLocale::Canada) << true;
    QTest::newRow("US Minor Outlying Islands")
        << int(QLocale::English) << int(QLocale::UnitedStatesMinorOutlyingIslands) << true;
    QTest::newRow("United Kingdom") << int(QLocale::English) << int(QLocale::UnitedKingdom) << false;
    QTest::newRow("Australia") << int(QLocale::English) << int(QLocale::Australia) << false;
    QTest::newRow("Mexico") << int(QLocale::Spanish) << int(QLocale::Mexico) << false;
    QTest::newRow("US Virgin Islands")
        << int(QLocale::English) << int(QLocale::UnitedStatesVirginIslands) << false;
    QTest::newRow("C locale") << int(QLocale::C) << int(QLocale::AnyTerritory) << false;
}

void TestCmnSystemLocale::spellingByTerritory()
{
    QFETCH(int, language);
    QFETCH(int, territory);
    QFETCH(bool, northAmerican);

    const QLocale locale{QLocale::Language(language), QLocale::Territory(territory)};
    // A pair the locale data lacks falls back to another territory and would
    // test the wrong row.
    QCOMPARE(int(locale.territory()), territory);

    QCOMPARE(CmnColourWord(locale), northAmerican ? QStringLiteral("Color") : QStringLiteral("Colour"));
    QCOMPARE(CmnCentreWord(locale), northAmerican ? QStringLiteral("Center") : QStringLiteral("Centre"));
    QCOMPARE(CmnLocaleSpelling(QStringLiteral("Border Color"), QStringLiteral("Border Colour"), locale),
             northAmerican ? QStringLiteral("Border Color") : QStringLiteral("Border Colour"));
}

QTEST_GUILESS_MAIN(TestCmnSystemLocale)
#include "tst_cmnsystemlocale.moc"
