#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemeset.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QTest>

namespace {

// A theme told apart from others by the text colour of its one element.
CCmnTheme ColouredTheme(const QColor &color)
{
    CCmnThemedFormBoxGenericLayout layout;
    layout.m_TextColor = {false, color};
    CCmnTheme theme;
    theme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("CMN-DEFAULT"), layout));
    return theme;
}

// "Smith & Jones <UK>" red, "Show" blue, the base theme green.
CCmnThemeSet TwoNamedThemes()
{
    CCmnThemeSet set;
    set.m_BaseTheme = ColouredTheme(Qt::green);
    set.m_NamedThemes.insert(QStringLiteral("Smith & Jones <UK>"), ColouredTheme(Qt::red));
    set.m_NamedThemes.insert(QStringLiteral("Show"), ColouredTheme(Qt::blue));
    return set;
}

bool DrawsWith(const CCmnThemeSet &set, const QColor &color)
{
    return set.GetCurrentTheme().IsEqual(ColouredTheme(color));
}

} // namespace

class TestCmnThemeSet : public QObject
{
    Q_OBJECT
private slots:
    void newSetDrawsWithBaseThemeNamedDefault();
    void currentThemeFollowsSelection_data();
    void currentThemeFollowsSelection();
    void removeClearsNamesOfRemovedTheme();
    void renameMovesThemeAndNames_data();
    void renameMovesThemeAndNames();
    void storeReplacesOnlyCurrentTheme();
    void equalityComparesEveryMember();
    void blockReadsBackEqual();
    void blockIsTheSameForTheSameSet();
    void damagedBlockLeavesSetUnchanged_data();
    void damagedBlockLeavesSetUnchanged();
};

void TestCmnThemeSet::newSetDrawsWithBaseThemeNamedDefault()
{
    const CCmnThemeSet set;
    QCOMPARE(set.m_CurrentThemeName, QStringLiteral("Default"));
    QVERIFY(set.m_NamedThemes.isEmpty());
    QVERIFY(set.m_SecondText.isEmpty());
    QVERIFY(set.m_ThirdText.isEmpty());
    QCOMPARE(&set.GetCurrentTheme(), &set.m_BaseTheme);
}

void TestCmnThemeSet::currentThemeFollowsSelection_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("currentName");
    QTest::addColumn<QColor>("drawnWith");
    QTest::newRow("named theme") << "Smith & Jones <UK>" << "Smith & Jones <UK>" << QColor(Qt::red);
    QTest::newRow("unknown name") << "Winter" << "" << QColor(Qt::green);
    QTest::newRow("empty name") << "" << "" << QColor(Qt::green);
    QTest::newRow("names differ in case") << "show" << "" << QColor(Qt::green);
}

void TestCmnThemeSet::currentThemeFollowsSelection()
{
    QFETCH(QString, selected);
    QFETCH(QString, currentName);
    QFETCH(QColor, drawnWith);
    CCmnThemeSet set = TwoNamedThemes();
    set.SelectTheme(QStringLiteral("Show"));

    set.SelectTheme(selected);

    QCOMPARE(set.m_CurrentThemeName, currentName);
    QVERIFY(DrawsWith(set, drawnWith));
}

void TestCmnThemeSet::removeClearsNamesOfRemovedTheme()
{
    CCmnThemeSet set = TwoNamedThemes();
    set.SelectTheme(QStringLiteral("Show"));
    set.m_SecondText = QStringLiteral("Show");

    QVERIFY(!set.RemoveTheme(QString()));
    QVERIFY(!set.RemoveTheme(QStringLiteral("Winter")));
    QCOMPARE(set.m_NamedThemes.size(), 2);
    QVERIFY(set.RemoveTheme(QStringLiteral("Smith & Jones <UK>")));
    QCOMPARE(set.m_CurrentThemeName, QStringLiteral("Show"));
    QVERIFY(set.RemoveTheme(QStringLiteral("Show")));

    QVERIFY(set.m_NamedThemes.isEmpty());
    QVERIFY(set.m_CurrentThemeName.isEmpty());
    QVERIFY(set.m_SecondText.isEmpty());
    QVERIFY(DrawsWith(set, Qt::green));
}

void TestCmnThemeSet::renameMovesThemeAndNames_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("currentName");
    QTest::addColumn<QStringList>("names");
    const QStringList before{"Show", "Smith & Jones <UK>"};
    QTest::newRow("current theme") << "Show" << "Show 2026" << true << "Show 2026"
                                   << QStringList{"Show 2026", "Smith & Jones <UK>"};
    QTest::newRow("other theme") << "Smith & Jones <UK>" << "Kennel" << true << "Show"
                                 << QStringList{"Kennel", "Show"};
    QTest::newRow("same name") << "Show" << "Show" << true << "Show" << before;
    QTest::newRow("new name taken") << "Show" << "Smith & Jones <UK>" << false << "Show" << before;
    QTest::newRow("old name unknown") << "Winter" << "Summer" << false << "Show" << before;
    QTest::newRow("empty old name") << "" << "Summer" << false << "Show" << before;
    QTest::newRow("empty new name") << "Show" << "" << false << "Show" << before;
}

void TestCmnThemeSet::renameMovesThemeAndNames()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(bool, result);
    QFETCH(QString, currentName);
    QFETCH(QStringList, names);
    CCmnThemeSet set = TwoNamedThemes();
    set.SelectTheme(QStringLiteral("Show"));
    set.m_SecondText = QStringLiteral("Show");

    QCOMPARE(set.RenameTheme(oldName, newName), result);

    QCOMPARE(set.m_CurrentThemeName, currentName);
    QCOMPARE(set.m_SecondText, currentName);
    QStringList keys = set.m_NamedThemes.keys();
    keys.sort();
    QCOMPARE(keys, names);
    // The current theme is still the blue one, whatever its name now is.
    QVERIFY(DrawsWith(set, Qt::blue));
}

void TestCmnThemeSet::storeReplacesOnlyCurrentTheme()
{
    CCmnThemeSet set = TwoNamedThemes();
    set.SelectTheme(QStringLiteral("Show"));
    set.StoreCurrentTheme(ColouredTheme(Qt::yellow));
    QVERIFY(set.m_NamedThemes.value(QStringLiteral("Show")).IsEqual(ColouredTheme(Qt::yellow)));
    QVERIFY(set.m_NamedThemes.value(QStringLiteral("Smith & Jones <UK>")).IsEqual(ColouredTheme(Qt::red)));
    QVERIFY(set.m_BaseTheme.IsEqual(ColouredTheme(Qt::green)));

    set.SelectTheme(QString());
    set.StoreCurrentTheme(ColouredTheme(Qt::cyan));
    QVERIFY(set.m_BaseTheme.IsEqual(ColouredTheme(Qt::cyan)));

    // A current name that names no saved theme (a new document's "Default")
    // stores into the base theme the forms draw with.
    set.m_CurrentThemeName = QStringLiteral("Default");
    set.StoreCurrentTheme(ColouredTheme(Qt::black));
    QVERIFY(set.GetCurrentTheme().IsEqual(ColouredTheme(Qt::black)));
    QVERIFY(set.m_BaseTheme.IsEqual(ColouredTheme(Qt::black)));
    QCOMPARE(set.m_CurrentThemeName, QStringLiteral("Default"));
    QVERIFY(set.m_NamedThemes.value(QStringLiteral("Show")).IsEqual(ColouredTheme(Qt::yellow)));
}

void TestCmnThemeSet::equalityComparesEveryMember()
{
    const CCmnThemeSet reference = TwoNamedThemes();
    QCOMPARE(reference, TwoNamedThemes());

    QList<CCmnThemeSet> changed(7, reference);
    changed[0].m_BaseTheme = ColouredTheme(Qt::red);
    changed[1].m_CurrentThemeName = QStringLiteral("Show");
    changed[2].m_SecondText = QStringLiteral("Show");
    changed[3].m_ThirdText = QStringLiteral("x");
    changed[4].m_NamedThemes.remove(QStringLiteral("Show"));
    changed[5].m_NamedThemes[QStringLiteral("Show")] = ColouredTheme(Qt::red);
    changed[6].m_NamedThemes.insert(QStringLiteral("Show 2"), changed[6].m_NamedThemes.take(QStringLiteral("Show")));
    for (int i = 0; i < changed.size(); ++i) {
        QVERIFY2(!(changed.at(i) == reference), qPrintable(QString::number(i)));
        QVERIFY2(changed.at(i) != reference, qPrintable(QString::number(i)));
    }
}

void TestCmnThemeSet::blockReadsBackEqual()
{
    CCmnThemeSet set = TwoNamedThemes();
    set.m_CurrentThemeName = QStringLiteral("Show");
    set.m_SecondText = QStringLiteral("Smith & Jones <UK>");
    set.m_ThirdText = QStringLiteral("third");
    const QByteArray bytes = set.ToByteArray();
    QCOMPARE(bytes.left(2), QByteArray::fromHex("0500"));

    CCmnThemeSet read;
    QVERIFY(read.FromByteArray(bytes));
    QCOMPARE(read, set);
    QVERIFY(DrawsWith(read, Qt::blue));
}

void TestCmnThemeSet::blockIsTheSameForTheSameSet()
{
    // Hash order differs between the two sets; the bytes must not.
    CCmnThemeSet first;
    CCmnThemeSet second;
    for (int i = 0; i < 20; ++i)
        first.m_NamedThemes.insert(QString::number(i), ColouredTheme(Qt::red));
    for (int i = 19; i >= 0; --i)
        second.m_NamedThemes.insert(QString::number(i), ColouredTheme(Qt::red));
    QCOMPARE(first.ToByteArray(), second.ToByteArray());
}

void TestCmnThemeSet::damagedBlockLeavesSetUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = TwoNamedThemes().ToByteArray();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("wrong tag") << QByteArray(good).replace(0, 1, "\x06");
    QTest::newRow("newer version") << QByteArray(good).replace(1, 1, "\x01");
    QTest::newRow("cut in the saved themes") << good.left(good.size() - 20);
    QTest::newRow("cut before the third text") << good.left(good.size() - 2);
    // A count far beyond what the block holds is refused before anything is read.
    const QByteArray hostile = CmnStreamBytes([](QDataStream &out) {
        out << quint8(5) << quint8(0);
        CCmnTheme().Write(out);
        out << QString() << QString() << quint32(0x7FFFFFFF);
    });
    QTest::newRow("hostile count") << hostile;
}

void TestCmnThemeSet::damagedBlockLeavesSetUnchanged()
{
    QFETCH(QByteArray, bytes);
    const CCmnThemeSet before = TwoNamedThemes();
    CCmnThemeSet set = before;
    QVERIFY(!set.FromByteArray(bytes));
    QCOMPARE(set, before);
}

QTEST_GUILESS_MAIN(TestCmnThemeSet)
#include "tst_cmnthemeset.moc"
