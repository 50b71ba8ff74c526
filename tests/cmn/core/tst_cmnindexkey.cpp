#include "cmnindexkey.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

QString Utf16(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// The codes the folding table must cover, and no others.
QList<char16_t> FoldedCodes()
{
    QList<char16_t> codes;
    for (char16_t c = 0x00C0; c <= 0x00FF; ++c) {
        if (c != 0x00D7 && c != 0x00F7)
            codes << c;
    }
    for (char16_t c = 0x0100; c <= 0x01FF; ++c) {
        if (c != 0x01BE && (c < 0x01C0 || c > 0x01C3))
            codes << c;
    }
    for (char16_t c = 0x0200; c <= 0x024F; ++c) {
        if (c != 0x0241 && c != 0x0242)
            codes << c;
    }
    codes << 0x1E02 << 0x1E03 << 0x1E0A << 0x1E0B << 0x1E1E << 0x1E1F << 0x1E40 << 0x1E41
          << 0x1E56 << 0x1E57 << 0x1E60 << 0x1E61 << 0x1E6A << 0x1E6B;
    for (char16_t c = 0x1E80; c <= 0x1E85; ++c)
        codes << c;
    codes << 0x1E9B << 0x1EF2 << 0x1EF3;
    return codes;
}

// Rows whose text is not the base letter of the full canonical decomposition.
QHash<char16_t, QString> Exceptions()
{
    static constexpr struct {
        char16_t code;
        char text[3];
    } rows[] = {
        {0x00C6, "AE"}, {0x00D0, "D"}, {0x00D8, "O"}, {0x00DE, "P"}, {0x00DF, "ss"}, {0x00E6, "ae"},
        {0x00F0, "d"}, {0x00F8, "o"}, {0x00FE, "p"}, {0x0110, "D"}, {0x0111, "d"}, {0x0126, "H"},
        {0x0127, "h"}, {0x0131, "i"}, {0x0132, "IJ"}, {0x0133, "iJ"}, {0x0138, "k"}, {0x013F, "L"},
        {0x0140, "l"}, {0x0141, "L"}, {0x0142, "l"}, {0x0149, "n"}, {0x014A, "N"}, {0x014B, "n"},
        {0x0152, "OE"}, {0x0153, "oe"}, {0x0166, "T"}, {0x0167, "t"}, {0x017F, "s"}, {0x0180, "b"},
        {0x0181, "B"}, {0x0182, "B"}, {0x0183, "b"}, {0x0184, "B"}, {0x0185, "b"}, {0x0186, "O"},
        {0x0187, "C"}, {0x0188, "c"}, {0x0189, "D"}, {0x018A, "D"}, {0x018B, "D"}, {0x018C, "d"},
        {0x018D, "o"}, {0x018E, "E"}, {0x018F, "E"}, {0x0190, "E"}, {0x0191, "F"}, {0x0192, "f"},
        {0x0193, "G"}, {0x0194, "Y"}, {0x0195, "hv"}, {0x0196, "I"}, {0x0197, "I"}, {0x0198, "K"},
        {0x0199, "k"}, {0x019A, "l"}, {0x019B, "a"}, {0x019C, "M"}, {0x019D, "N"}, {0x019E, "n"},
        {0x019F, "O"}, {0x01A2, "OI"}, {0x01A3, "oi"}, {0x01A4, "P"}, {0x01A5, "p"}, {0x01A6, "R"},
        {0x01A7, "S"}, {0x01A8, "s"}, {0x01A9, "E"}, {0x01AA, "E"}, {0x01AB, "t"}, {0x01AC, "T"},
        {0x01AD, "t"}, {0x01AE, "T"}, {0x01B1, "U"}, {0x01B2, "V"}, {0x01B3, "Y"}, {0x01B4, "y"},
        {0x01B5, "Z"}, {0x01B6, "z"}, {0x01B7, "E"}, {0x01B8, "E"}, {0x01B9, "e"}, {0x01BA, "e"},
        {0x01BB, "2"}, {0x01BC, "5"}, {0x01BD, "5"}, {0x01BF, "p"}, {0x01C4, "DZ"}, {0x01C5, "Dz"},
        {0x01C6, "dz"}, {0x01C7, "LJ"}, {0x01C8, "Lj"}, {0x01C9, "lj"}, {0x01CA, "NJ"}, {0x01CB, "Nj"},
        {0x01CC, "nj"}, {0x01DD, "e"}, {0x01E2, "AE"}, {0x01E3, "ae"}, {0x01E4, "G"}, {0x01E5, "g"},
        {0x01EE, "E"}, {0x01EF, "e"}, {0x01F1, "DZ"}, {0x01F2, "Dz"}, {0x01F3, "dz"}, {0x01F6, "Hu"},
        {0x01F7, "P"}, {0x01FC, "AE"}, {0x01FD, "ae"}, {0x01FE, "O"}, {0x01FF, "o"}, {0x021C, "3"},
        {0x021D, "3"}, {0x0220, "N"}, {0x0221, "d"}, {0x0222, "OU"}, {0x0223, "ou"}, {0x0224, "Z"},
        {0x0225, "z"}, {0x0234, "l"}, {0x0235, "n"}, {0x0236, "t"}, {0x0237, "j"}, {0x0238, "db"},
        {0x0239, "qp"}, {0x023A, "A"}, {0x023B, "C"}, {0x023C, "c"}, {0x023D, "L"}, {0x023E, "T"},
        {0x023F, "s"}, {0x0240, "z"}, {0x0243, "B"}, {0x0244, "U"}, {0x0245, "V"}, {0x0246, "E"},
        {0x0247, "e"}, {0x0248, "J"}, {0x0249, "j"}, {0x024A, "Q"}, {0x024B, "q"}, {0x024C, "R"},
        {0x024D, "r"}, {0x024E, "Y"}, {0x024F, "y"}, {0x1E9B, "s"},
    };
    QHash<char16_t, QString> exceptions;
    for (const auto &row : rows)
        exceptions.insert(row.code, QString::fromLatin1(row.text));
    return exceptions;
}

// The code beside the result, so that a failure names the row.
QString Row(char16_t code, const QString &text)
{
    return QStringLiteral("U+%1 %2").arg(int(code), 4, 16, QLatin1Char('0')).arg(text);
}

// The key made the obvious way: each code folded on its own, white space
// collapsed, then the whole text upper-cased by the toolkit. Lone surrogates are
// left out: their own test covers them.
QString ObviousKey(const QString &text, int flags)
{
    QString key;
    bool afterSpace = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            if (!(afterSpace && (flags & CmnIndexCollapseSpace)))
                key += QLatin1Char(' ');
            afterSpace = true;
            continue;
        }
        afterSpace = false;
        key += (flags & CmnIndexFoldAccents)
                   ? CmnNormaliseIndexText(QString(c), CmnIndexFoldAccents | CmnIndexKeepCase)
                   : QString(c);
    }
    return (flags & CmnIndexKeepCase) ? key : key.toUpper();
}

// Short random texts of codes that take every branch of the key: ASCII, white
// space, folded letters, Latin-1 letters with odd upper cases, letters beyond
// Latin-1 that upper-case to two codes, and a surrogate pair.
QStringList RandomTexts(int count)
{
    const QStringList pieces{"a", "Z", "m", "0", "&", "{", " ", "\t", "\n", Utf16(u"\u00A0"),
                             Utf16(u"\u2003"), Utf16(u"\u00E9"), Utf16(u"\u00C9"), Utf16(u"\u00DF"),
                             Utf16(u"\u00B5"), Utf16(u"\u00FF"), Utf16(u"\u00D7"), Utf16(u"\u00AA"),
                             Utf16(u"\u0149"), Utf16(u"\u01F0"), Utf16(u"\u0133"), Utf16(u"\u0130"),
                             Utf16(u"\u0131"), Utf16(u"\u03AC"), Utf16(u"\u1E9E"), Utf16(u"\uFB00"),
                             Utf16(u"\U00010428")};
    QRandomGenerator random(7);
    QStringList texts;
    for (int n = 0; n < count; ++n) {
        QString text;
        for (int length = random.bounded(12); length > 0; --length)
            text += pieces.at(random.bounded(pieces.size()));
        texts << text;
    }
    return texts;
}

} // namespace

class TestCmnIndexKey : public QObject
{
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
    void normaliseMatchesTheObviousKey();
    void upperCaseMatchesTheToolkit();
    void lettersDifferingInCaseAroundLoneSurrogateShareKey();
    void foldingTableFollowsDecompositionOrException();
};

void TestCmnIndexKey::normalise_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("expected");

    const QString brulee = Utf16(u"Cr\u00E8me Br\u00FBl\u00E9e");
    QTest::newRow("accents folded") << brulee << 5 << "CREME BRULEE";
    QTest::newRow("accents kept") << brulee << 1 << Utf16(u"CR\u00C8ME BR\u00DBL\u00C9E");
    QTest::newRow("accents folded, case kept") << brulee << 6 << "Creme Brulee";

    QTest::newRow("run collapsed") << "Ann  \tLee" << 1 << "ANN LEE";
    QTest::newRow("run not collapsed") << "Ann  \tLee" << 0 << "ANN   LEE";
    QTest::newRow("any white space is a blank")
        << Utf16(u"a\u00A0b\nc\u2003d") << 0 << "A B C D";
    QTest::newRow("leading and trailing runs kept") << " \t Ann\n\n" << 1 << " ANN ";
    QTest::newRow("folded letter ends a run") << Utf16(u"a \u00E9 \u00E9") << 5 << "A E E";
    QTest::newRow("white space only") << "\t \n" << 1 << " ";
    QTest::newRow("ASCII controls: only tab to CR are blanks")
        << Utf16(u"a\u000B\u000C\rb\u001F\u007Fz") << 1 << Utf16(u"A B\u001F\u007FZ");
    QTest::newRow("ASCII, case kept") << "Ann \t lee{}" << 3 << "Ann lee{}";
    // Plain ASCII names take a shorter way to the same key.
    QTest::newRow("plain ASCII") << "Ann Lee{}~" << 1 << "ANN LEE{}~";
    QTest::newRow("plain ASCII, case kept") << "Ann lee" << 3 << "Ann lee";
    QTest::newRow("ASCII blanks collapsed") << "Ann  Lee " << 1 << "ANN LEE ";
    QTest::newRow("ASCII blanks not collapsed") << "Ann  Lee " << 0 << "ANN  LEE ";
    QTest::newRow("ASCII, CR is a blank") << "Ann\rLee" << 1 << "ANN LEE";
    QTest::newRow("ASCII, DEL and controls pass") << "a\x01\x1f\x7f" << 1 << "A\x01\x1f\x7f";

    QTest::newRow("sharp s folded") << Utf16(u"\u00DF") << 5 << "SS";
    QTest::newRow("sharp s folded, case kept") << Utf16(u"\u00DF") << 6 << "ss";
    QTest::newRow("ij folded") << Utf16(u"\u0133") << 5 << "IJ";
    QTest::newRow("ij folded, case kept") << Utf16(u"\u0133") << 6 << "iJ";
    QTest::newRow("two-level decomposition") << Utf16(u"\u01D8\u1E85") << 6 << "uw";
    QTest::newRow("long s with dot") << Utf16(u"\u1E9B") << 5 << "S";

    QTest::newRow("times sign passes") << Utf16(u"2\u00D73") << 5 << Utf16(u"2\u00D73");
    QTest::newRow("en dash passes") << Utf16(u"A\u2013B") << 5 << Utf16(u"A\u2013B");
    QTest::newRow("sharp s upper-cased unfolded") << Utf16(u"stra\u00DFe") << 1 << "STRASSE";
    QTest::newRow("Latin-1 upper case beyond Latin-1")
        << Utf16(u"\u00B5\u00FF\u00E9") << 1 << Utf16(u"\u039C\u0178\u00C9");
    QTest::newRow("upper case of two codes") << Utf16(u"\u0149a") << 1 << Utf16(u"\u02BCNA");
    QTest::newRow("Greek not folded") << Utf16(u"\u03AC") << 5 << Utf16(u"\u0386");

    QTest::newRow("empty") << "" << 5 << "";
    QTest::newRow("combining marks only")
        << Utf16(u"\u0301\u0300") << 5 << Utf16(u"\u0301\u0300");
    QTest::newRow("surrogate pair upper-cased")
        << Utf16(u"\U00010428 a") << 1 << Utf16(u"\U00010400 A");
    QTest::newRow("lone surrogates pass")
        << Utf16(u"\xDC00" "a\xD800" "b\xDC01") << 5 << Utf16(u"\xDC00" "A\xD800" "B\xDC01");
}

void TestCmnIndexKey::normalise()
{
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(QString, expected);
    QCOMPARE(CmnNormaliseIndexText(text, flags), expected);
}

void TestCmnIndexKey::normaliseMatchesTheObviousKey()
{
    for (const QString &text : RandomTexts(3000)) {
        for (int flags = 0; flags <= 7; ++flags) {
            const QString row = QStringLiteral("%1 (%2)").arg(text).arg(flags);
            QCOMPARE(row + CmnNormaliseIndexText(text, flags), row + ObviousKey(text, flags));
        }
    }
}

// Every single code, and the random texts.
void TestCmnIndexKey::upperCaseMatchesTheToolkit()
{
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QString text{QChar(char16_t(code))};
        QCOMPARE(Row(char16_t(code), CmnUpperCaseText(text)), Row(char16_t(code), text.toUpper()));
    }
    for (const QString &text : RandomTexts(3000))
        QCOMPARE(CmnUpperCaseText(text), text.toUpper());
}

// A damaged name may carry a lone surrogate; the key must still ignore letter case.
void TestCmnIndexKey::lettersDifferingInCaseAroundLoneSurrogateShareKey()
{
    const QString lower = Utf16(u"ann\xDC00" "lee");
    const QString upper = Utf16(u"ANN\xDC00" "LEE");
    QCOMPARE(CmnNormaliseIndexText(lower, 5), CmnNormaliseIndexText(upper, 5));
    QCOMPARE(CmnNormaliseIndexText(lower, 5), upper);
}

// Walks every 16-bit code: a code of the table gives the base letter of its full
// canonical decomposition or its listed exception; any other code passes unchanged.
void TestCmnIndexKey::foldingTableFollowsDecompositionOrException()
{
    const QList<char16_t> folded = FoldedCodes();
    const QHash<char16_t, QString> exceptions = Exceptions();
    QCOMPARE(folded.size(), 414);

    int ruleRows = 0;
    int exceptionRows = 0;
    for (const char16_t code : folded) {
        const QString character(QChar{code});
        QString expected;
        if (exceptions.contains(code)) {
            expected = exceptions.value(code);
            ++exceptionRows;
        } else {
            const QString decomposed = character.normalized(QString::NormalizationForm_D);
            QVERIFY2(decomposed != character,
                     qPrintable(Row(code, QStringLiteral("has no decomposition"))));
            expected = decomposed.left(1);
            ++ruleRows;
        }
        const QString key =
            CmnNormaliseIndexText(character, CmnIndexFoldAccents | CmnIndexKeepCase);
        QCOMPARE(Row(code, key), Row(code, expected));
    }
    QCOMPARE(ruleRows, 266);
    QCOMPARE(exceptionRows, 148);

    const QSet<char16_t> foldedSet(folded.cbegin(), folded.cend());
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QChar c(static_cast<char16_t>(code));
        if (foldedSet.contains(c.unicode()) || c.isSpace())
            continue;
        QCOMPARE(Row(c.unicode(),
                     CmnNormaliseIndexText(QString(c), CmnIndexFoldAccents | CmnIndexKeepCase)),
                 Row(c.unicode(), QString(c)));
    }
}

QTEST_GUILESS_MAIN(TestCmnIndexKey)
#include "tst_cmnindexkey.moc"
