#include "cmnstringlist.h"

#include <QTest>

class TestCmnStringList : public QObject
{
    Q_OBJECT
private slots:
    void splitOutsideQuotes_data();
    void splitOutsideQuotes();
    void trimmedStrings_data();
    void trimmedStrings();
    void joinNonEmpty_data();
    void joinNonEmpty();
    void removeDuplicateStrings_data();
    void removeDuplicateStrings();
    void caseAndLatin1();
};

void TestCmnStringList::splitOutsideQuotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quoted stretches keep blanks and quotes")
        << "a \"b c\" 'd e'  f" << QChar(u' ') << QStringList{"a", "\"b c\"", "'d e'", "f"};
    QTest::newRow("separator inside quotes")
        << "x,'y,z',w" << QChar(u',') << QStringList{"x", "'y,z'", "w"};
    QTest::newRow("apostrophe inside double quotes")
        << "\"it's here\" b" << QChar(u' ') << QStringList{"\"it's here\"", "b"};
    QTest::newRow("double quote inside apostrophes")
        << "'say \"hi' b" << QChar(u' ') << QStringList{"'say \"hi'", "b"};
    QTest::newRow("unclosed quote runs to end")
        << "a 'b c d" << QChar(u' ') << QStringList{"a", "'b c d"};
    QTest::newRow("quote inside a word") << "ab\"c d\"e f" << QChar(u' ')
                                         << QStringList{"ab\"c d\"e", "f"};
    QTest::newRow("empty words dropped") << ",,a,,b,," << QChar(u',') << QStringList{"a", "b"};
    QTest::newRow("empty text") << "" << QChar(u' ') << QStringList{};
    QTest::newRow("separators only") << "   " << QChar(u' ') << QStringList{};
}

void TestCmnStringList::splitOutsideQuotes()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(QStringList, expected);
    QCOMPARE(CmnSplitOutsideQuotes(text, separator), expected);
}

void TestCmnStringList::trimmedStrings_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<bool>("keepEmpty");
    QTest::addColumn<QStringList>("expected");
    const QStringList list{" a ", "  ", "b", "\tc\n"};
    QTest::newRow("drop empty") << list << false << QStringList{"a", "b", "c"};
    QTest::newRow("keep empty") << list << true << QStringList{"a", "", "b", "c"};
}

void TestCmnStringList::trimmedStrings()
{
    QFETCH(QStringList, list);
    QFETCH(bool, keepEmpty);
    QFETCH(QStringList, expected);
    QCOMPARE(CmnTrimmedStrings(list, keepEmpty), expected);
}

void TestCmnStringList::joinNonEmpty_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empties between") << QStringList{"", "x", "", "y"} << "x, y";
    QTest::newRow("empty last") << QStringList{"x", ""} << "x";
    QTest::newRow("all empty") << QStringList{"", ""} << "";
    QTest::newRow("blank is not empty") << QStringList{" ", "y"} << " , y";
}

void TestCmnStringList::joinNonEmpty()
{
    QFETCH(QStringList, list);
    QFETCH(QString, expected);
    QCOMPARE(CmnJoinNonEmpty(list, QStringLiteral(", ")), expected);
}

void TestCmnStringList::removeDuplicateStrings_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no repeats") << QStringList{"b", "a"} << QStringList{"b", "a"};
    QTest::newRow("first occurrences kept in order")
        << QStringList{"Sire", "Dam", "Sire", "Name", "Dam", "Sire"} << QStringList{"Sire", "Dam", "Name"};
    QTest::newRow("case matters") << QStringList{"Dam", "DAM", "Dam"} << QStringList{"Dam", "DAM"};
    QTest::newRow("empty strings too") << QStringList{"", "x", ""} << QStringList{"", "x"};
    QTest::newRow("empty list") << QStringList{} << QStringList{};
}

void TestCmnStringList::removeDuplicateStrings()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, expected);
    CmnRemoveDuplicateStrings(list);
    QCOMPARE(list, expected);
}

void TestCmnStringList::caseAndLatin1()
{
    const QStringList list{"Rex", "\u00e9clair", ""};
    QCOMPARE(CmnUpperCaseStrings(list), (QStringList{"REX", "\u00c9CLAIR", ""}));
    QCOMPARE(CmnLowerCaseStrings(list), (QStringList{"rex", "\u00e9clair", ""}));
    QCOMPARE(CmnStringFromLatin1(QByteArray("Z\xfcrich")), QStringLiteral("Z\u00fcrich"));
    QCOMPARE(CmnCopyString(QStringLiteral("x")), QStringLiteral("x"));
}

QTEST_GUILESS_MAIN(TestCmnStringList)
#include "tst_cmnstringlist.moc"
