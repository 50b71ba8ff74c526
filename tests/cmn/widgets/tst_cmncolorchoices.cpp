#include "cmncolorchoices.h"

#include <QTest>

class TestCmnColorChoices : public QObject
{
    Q_OBJECT
private slots:
    void palettesAreFilledOnceInOrder();
    void namedColours_data();
    void namedColours();
    void itemTextNamesCustomValues_data();
    void itemTextNamesCustomValues();
};

void TestCmnColorChoices::palettesAreFilledOnceInOrder()
{
    TCmnItemChoices<QColor> *basic = CmnGetBasicColors();
    QCOMPARE(CmnGetBasicColors(), basic);
    QCOMPARE(basic->NamedChoices().size(), 17);
    QCOMPARE(basic->NamedChoices().first().m_Name, QStringLiteral("Aqua"));
    QCOMPARE(basic->NamedChoices().last().m_Name, QStringLiteral("Yellow"));
    QCOMPARE(basic->ItemsPerRow(), -1);
    QCOMPARE(basic->NoCustom(), false);
    QCOMPARE(basic->DefaultValue(), QColor(Qt::black));
    QVERIFY(basic->CustomValues().isEmpty());

    TCmnItemChoices<QColor> *pale = CmnGetPaleAndBasicColors();
    QCOMPARE(CmnGetPaleAndBasicColors(), pale);
    QCOMPARE(pale->NamedChoices().size(), 115);
    QCOMPARE(pale->NamedChoices().at(0).m_Name, QStringLiteral("#FEECEC"));
    QCOMPARE(pale->NamedChoices().at(97).m_Name, QStringLiteral("#F6FBFA"));
    QCOMPARE(pale->NamedChoices().at(98).m_Name, QStringLiteral("Aqua"));
    QCOMPARE(pale->NamedChoices().at(114).m_Name, QStringLiteral("Yellow"));
    QCOMPARE(pale->DefaultValue(), QColor(Qt::black));
}

void TestCmnColorChoices::namedColours_data()
{
    QTest::addColumn<bool>("pale");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("orange") << false << "#FFA500" << 10 << "Orange";
    QTest::newRow("gray") << false << "#808080" << 4 << "Gray";
    QTest::newRow("navy") << false << "#000080" << 8 << "Navy";
    QTest::newRow("white") << false << "#FFFFFF" << 15 << "White";
    QTest::newRow("tint named by its code") << true << "#F3D2F4" << 8 << "#F3D2F4";
    // Repeated tints answer with their first place.
    QTest::newRow("repeated tint") << true << "#EDEEFF" << 14 << "#EDEEFF";
    QTest::newRow("tint repeated far apart") << true << "#FEFDFF" << 53 << "#FEFDFF";
    QTest::newRow("basic colour after the tints") << true << "#FF0000" << 110 << "Red";
    QTest::newRow("in no list") << false << "#123456" << -1 << "";
}

void TestCmnColorChoices::namedColours()
{
    QFETCH(bool, pale);
    QFETCH(QString, code);
    QFETCH(int, index);
    QFETCH(QString, name);

    const TCmnItemChoices<QColor> *choices = pale ? CmnGetPaleAndBasicColors() : CmnGetBasicColors();
    QCOMPARE(choices->IndexOfNamed(QColor(code)), index);
    QCOMPARE(choices->ItemText(QColor(code)), name);
}

void TestCmnColorChoices::itemTextNamesCustomValues_data()
{
    QTest::addColumn<QColor>("value");
    QTest::addColumn<int>("customIndex");
    QTest::addColumn<QString>("text");

    QTest::newRow("named") << QColor(Qt::red) << -1 << "Red";
    QTest::newRow("first custom") << QColor(1, 2, 3) << 0 << "Custom 1";
    QTest::newRow("third custom") << QColor(7, 8, 9) << 2 << "Custom 3";
    // Equality is exact: the alpha channel counts.
    QTest::newRow("custom with alpha") << QColor(1, 2, 3, 100) << 3 << "Custom 4";
    QTest::newRow("unknown") << QColor(9, 9, 9) << -1 << "";
}

void TestCmnColorChoices::itemTextNamesCustomValues()
{
    QFETCH(QColor, value);
    QFETCH(int, customIndex);
    QFETCH(QString, text);

    // A palette of the test's own, so that the shared ones stay untouched.
    TCmnItemChoices<QColor> choices = *CmnGetBasicColors();
    for (const QColor &custom : {QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(1, 2, 3, 100)})
        choices.AddCustomValue(custom);

    QCOMPARE(choices.IndexOfCustom(value), customIndex);
    QCOMPARE(choices.ItemText(value), text);
}

QTEST_GUILESS_MAIN(TestCmnColorChoices)
#include "tst_cmncolorchoices.moc"
