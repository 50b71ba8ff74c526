#include "cmntext.h"

#include <QTest>

class TestCmnText : public QObject
{
    Q_OBJECT
private slots:
    void letterCase_data();
    void letterCase();
    void letterCaseList_data();
    void letterCaseList();
    void letterCaseName_data();
    void letterCaseName();
    void sequenceLabel_data();
    void sequenceLabel();
    void hexRoundTrip();
    void fromHex_data();
    void fromHex();
    void splitToInts_data();
    void splitToInts();
    void joinInts();
    void equalNoCase();
    void indexOfCharPair_data();
    void indexOfCharPair();
    void lineEndingText();
    void convertLength_data();
    void convertLength();
    void lengthUnitName_data();
    void lengthUnitName();
    void stripEllipsis_data();
    void stripEllipsis();
    void withoutMnemonics_data();
    void withoutMnemonics();
    void fitRectInto_data();
    void fitRectInto();
};

void TestCmnText::letterCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << "mIxEd" << 0 << "mIxEd";
    QTest::newRow("upper") << "mIxEd" << 1 << "MIXED";
    QTest::newRow("lower") << "mIxEd" << 2 << "mixed";
    QTest::newRow("unknown mode unchanged") << "mIxEd" << 5 << "mIxEd";
    QTest::newRow("negative mode unchanged") << "mIxEd" << -1 << "mIxEd";
    QTest::newRow("title: upper words") << "ABC DEF" << 3 << "Abc Def";
    QTest::newRow("title: apostrophe and hyphen") << "o'neil smith-jones" << 3
                                                  << "O'neil Smith-Jones";
    QTest::newRow("title: back quote") << "d`ARCY" << 3 << "D`arcy";
    QTest::newRow("title: digit starts word") << "2nd LITTER" << 3 << "2nd Litter";
    QTest::newRow("title: leading blanks") << "  ab" << 3 << "  Ab";
    QTest::newRow("title: empty") << "" << 3 << "";
    QTest::newRow("sentence: after point") << "hello. WORLD" << 4 << "Hello. World";
    QTest::newRow("sentence: leading blanks") << "  rED dog" << 4 << "  Red dog";
    QTest::newRow("sentence: blanks keep the flag") << "a.\t\n b" << 4 << "A.\t\n B";
    QTest::newRow("sentence: other mark clears it") << "a.) b" << 4 << "A.) b";
    QTest::newRow("sentence: points in a row") << "..x" << 4 << "..X";
}

void TestCmnText::letterCase()
{
    QFETCH(QString, text);
    QFETCH(qint32, mode);
    QFETCH(QString, expected);
    QCOMPARE(CmnApplyLetterCase(text, mode), expected);
}

void TestCmnText::letterCaseList_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<qint32>("mode");
    QTest::addColumn<QStringList>("expected");
    const QStringList names{QStringLiteral("BLUE bell."), QStringLiteral("red ROSE"),
                            QStringLiteral(" "), QStringLiteral("sir. x")};
    QTest::newRow("none") << names << 0 << names;
    QTest::newRow("unknown") << names << 9 << names;
    QTest::newRow("upper") << names << 1
                           << QStringList{"BLUE BELL.", "RED ROSE", " ", "SIR. X"};
    QTest::newRow("lower") << names << 2
                           << QStringList{"blue bell.", "red rose", " ", "sir. x"};
    QTest::newRow("title each item") << names << 3
                                     << QStringList{"Blue Bell.", "Red Rose", " ", "Sir. X"};
    // The point that ends one item capitalises the next; the blank item passes it on.
    QTest::newRow("sentence runs on") << names << 4
                                      << QStringList{"Blue bell.", "Red rose", " ", "sir. X"};
    QTest::newRow("sentence across blank item")
        << QStringList{"one.", "  ", "two"} << 4 << QStringList{"One.", "  ", "Two"};
    QTest::newRow("empty list") << QStringList() << 4 << QStringList();
}

void TestCmnText::letterCaseList()
{
    QFETCH(QStringList, list);
    QFETCH(qint32, mode);
    QFETCH(QStringList, expected);
    QCOMPARE(CmnApplyLetterCaseToList(list, mode), expected);
    if (mode == CmnLetterCaseSentence)
        QCOMPARE(CmnSentenceCaseList(list), expected);
}

void TestCmnText::letterCaseName_data()
{
    QTest::addColumn<qint32>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << "None";
    QTest::newRow("1") << 1 << "Upper Case";
    QTest::newRow("2") << 2 << "Lower Case";
    QTest::newRow("3") << 3 << "Title";
    QTest::newRow("4") << 4 << "Sentence";
    QTest::newRow("5") << 5 << "??";
    QTest::newRow("-1") << -1 << "??";
}

void TestCmnText::letterCaseName()
{
    QFETCH(qint32, mode);
    QFETCH(QString, expected);
    QCOMPARE(CmnLetterCaseName(mode), expected);
}

void TestCmnText::sequenceLabel_data()
{
    QTest::addColumn<qint32>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << 1 << "a";
    QTest::newRow("26") << 26 << "z";
    QTest::newRow("27") << 27 << "a1";
    QTest::newRow("35") << 35 << "a9";
    QTest::newRow("36") << 36 << "b1";
    QTest::newRow("260") << 260 << "z9";
    QTest::newRow("261") << 261 << "a10";
    QTest::newRow("351") << 351 << "b10";
    QTest::newRow("2600") << 2600 << "z99";
    QTest::newRow("2601") << 2601 << "a100";
    QTest::newRow("26000") << 26000 << "z999";
    QTest::newRow("26001") << 26001 << "a1000";
    QTest::newRow("35001") << 35001 << "b1000";
    QTest::newRow("260000") << 260000 << "z9999";
    // Beyond the letters, and below 1, the number itself: never a character past "z".
    QTest::newRow("260001") << 260001 << "260001";
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("int min") << std::numeric_limits<qint32>::min() << "-2147483648";
    QTest::newRow("int max") << std::numeric_limits<qint32>::max() << "2147483647";
}

void TestCmnText::sequenceLabel()
{
    QFETCH(qint32, number);
    QFETCH(QString, expected);
    QCOMPARE(CmnShortSequenceLabel(number), expected);
}

void TestCmnText::hexRoundTrip()
{
    const QByteArray bytes = QStringLiteral("Zürich/Ålesund").toUtf8();
    const QString hex = CmnToHex(bytes);
    QCOMPARE(hex, hex.toLower());
    QCOMPARE(CmnFromHex(hex), bytes);
}

void TestCmnText::fromHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("mixed case") << "4a6B" << QByteArray("\x4a\x6b", 2);
    QTest::newRow("odd length") << "abc" << QByteArray("\xab", 1);
    QTest::newRow("zero byte") << "00ff" << QByteArray("\x00\xff", 2);
    QTest::newRow("empty") << "" << QByteArray();
}

void TestCmnText::fromHex()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CmnFromHex(text), bytes);
}

void TestCmnText::splitToInts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QList<qint32>>("expected");
    QTest::newRow("plain") << "1,2,3" << "," << QList<qint32>{1, 2, 3};
    QTest::newRow("signs") << "-4,+5" << "," << QList<qint32>{-4, 5};
    QTest::newRow("empty pieces dropped") << ",7,,8," << "," << QList<qint32>{7, 8};
    QTest::newRow("non-numbers dropped") << "1;x;2.5;3" << ";" << QList<qint32>{1, 3};
    QTest::newRow("out of range dropped") << "1|2147483648|2" << "|" << QList<qint32>{1, 2};
    QTest::newRow("longer separator") << "10::20" << "::" << QList<qint32>{10, 20};
    QTest::newRow("empty") << "" << "," << QList<qint32>();
}

void TestCmnText::splitToInts()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QList<qint32>, expected);
    QCOMPARE(CmnSplitToInts(text, separator), expected);
}

void TestCmnText::joinInts()
{
    QCOMPARE(CmnJoinInts({3, -1, 20}, QStringLiteral(", ")), QStringLiteral("3, -1, 20"));
    QCOMPARE(CmnJoinInts({}, QStringLiteral(",")), QString());
    const QList<qint32> values{0, std::numeric_limits<qint32>::min(), 42};
    QCOMPARE(CmnSplitToInts(CmnJoinInts(values, QStringLiteral(";")), QStringLiteral(";")), values);
}

void TestCmnText::equalNoCase()
{
    QVERIFY(CmnEqualNoCase(QStringLiteral("Sire"), QStringLiteral("sIRE")));
    QVERIFY(CmnEqualNoCase(QString(), QString()));
    QVERIFY(!CmnEqualNoCase(QStringLiteral("Sire"), QStringLiteral("Sires")));
}

void TestCmnText::indexOfCharPair_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("expected");
    QTest::newRow("doubled ampersand") << "Save && &Close" << qsizetype(5);
    QTest::newRow("pair at start") << "&&x" << qsizetype(0);
    QTest::newRow("pair at end") << "x&&" << qsizetype(1);
    QTest::newRow("single only") << "&File" << qsizetype(-1);
    QTest::newRow("one character") << "&" << qsizetype(-1);
    QTest::newRow("empty") << "" << qsizetype(-1);
}

void TestCmnText::indexOfCharPair()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, expected);
    QCOMPARE(CmnIndexOfCharPair(text, QLatin1Char('&'), QLatin1Char('&')), expected);
}

void TestCmnText::lineEndingText()
{
    QCOMPARE(CmnLineEndingText(CmnLineEndingCR), QStringLiteral("\r"));
    QCOMPARE(CmnLineEndingText(CmnLineEndingLF), QStringLiteral("\n"));
    QCOMPARE(CmnLineEndingText(CmnLineEndingCRLF), QStringLiteral("\r\n"));
    QCOMPARE(CmnLineEndingText(CmnLineEndingPlatform), QStringLiteral("\n"));
    QCOMPARE(CmnLineEndingText(7), QStringLiteral("\n"));
}

void TestCmnText::convertLength_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint32>("from");
    QTest::addColumn<qint32>("to");
    QTest::addColumn<double>("expected");
    QTest::newRow("in to mm") << 1.0 << 0 << 2 << 25.4;
    QTest::newRow("mm to cm") << 25.4 << 2 << 1 << 2.54;
    QTest::newRow("cm to in") << 5.08 << 1 << 0 << 2.0;
    QTest::newRow("cm to mm") << 3.0 << 1 << 2 << 30.0;
    QTest::newRow("same unit untouched") << 1.234 << 1 << 1 << 1.234;
    QTest::newRow("unknown source is inches") << 2.0 << 9 << 1 << 5.08;
    QTest::newRow("unknown target is inches") << 2.54 << 1 << -3 << 1.0;
    QTest::newRow("same unknown unit untouched") << 7.0 << 9 << 9 << 7.0;
}

void TestCmnText::convertLength()
{
    QFETCH(double, value);
    QFETCH(qint32, from);
    QFETCH(qint32, to);
    QFETCH(double, expected);
    QCOMPARE(CmnConvertLength(value, from, to), expected);
}

void TestCmnText::lengthUnitName_data()
{
    QTest::addColumn<qint32>("unit");
    QTest::addColumn<qint32>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inches long") << 0 << 0 << "Inches";
    QTest::newRow("inches short") << 0 << 1 << "in";
    QTest::newRow("cm long") << 1 << 0 << "Centimeters";
    QTest::newRow("cm short") << 1 << 1 << "cm";
    QTest::newRow("mm long, other style") << 2 << 2 << "Millimeters";
    QTest::newRow("mm short") << 2 << 1 << "mm";
    QTest::newRow("unknown short") << 3 << 1 << "??";
    QTest::newRow("unknown long") << -1 << 0 << "??";
}

void TestCmnText::lengthUnitName()
{
    QFETCH(qint32, unit);
    QFETCH(qint32, style);
    QFETCH(QString, expected);
    QCOMPARE(CmnLengthUnitName(unit, style), expected);
}

void TestCmnText::stripEllipsis_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("command") << "Print..." << "Print";
    QTest::newRow("only the ellipsis") << "..." << "";
    QTest::newRow("four points lose three") << "Wait...." << "Wait.";
    QTest::newRow("two points stay") << "Wait.." << "Wait..";
    QTest::newRow("ellipsis character stays") << QStringLiteral("Print\u2026") << QStringLiteral("Print\u2026");
    QTest::newRow("points inside stay") << "a...b" << "a...b";
    QTest::newRow("empty") << "" << "";
}

void TestCmnText::stripEllipsis()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CmnStripEllipsis(text), expected);
}

void TestCmnText::withoutMnemonics_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mark goes") << "&Print" << "Print";
    QTest::newRow("doubled shows one") << "Smith && Jones <UK> Defaults" << "Smith & Jones <UK> Defaults";
    QTest::newRow("three: one shown, the mark goes") << "a&&&b" << "a&b";
    QTest::newRow("trailing mark goes") << "a&" << "a";
    QTest::newRow("round trip of a typed name") << CmnMnemonicSafe("R&D && Co &") << "R&D && Co &";
    QTest::newRow("empty") << "" << "";
}

void TestCmnText::withoutMnemonics()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CmnWithoutMnemonics(text), expected);
}

void TestCmnText::fitRectInto_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("expected");
    // Bounds are 0,0 to 999,799 throughout.
    QTest::newRow("inside untouched") << QRect(10, 20, 100, 50) << QRect(10, 20, 100, 50);
    QTest::newRow("above and left") << QRect(-30, -40, 100, 50) << QRect(0, 0, 100, 50);
    QTest::newRow("below and right") << QRect(950, 780, 100, 50) << QRect(900, 750, 100, 50);
    QTest::newRow("right only") << QRect(990, 300, 20, 20) << QRect(980, 300, 20, 20);
    QTest::newRow("too wide aligns right") << QRect(-50, 10, 1200, 50)
                                           << QRect(-200, 10, 1200, 50);
    QTest::newRow("too tall aligns bottom") << QRect(10, 100, 50, 900) << QRect(10, -100, 50, 900);
}

void TestCmnText::fitRectInto()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, expected);
    QCOMPARE(CmnFitRectInto(rect, QRect(0, 0, 1000, 800)), expected);
}

QTEST_GUILESS_MAIN(TestCmnText)
#include "tst_cmntext.moc"
