#include "cmnhtmlescape.h"

#include <QTest>

namespace {

// A writer that lets the escape copy straight into its room, as the export's
// line writer does; the room past what it keeps holds a mark.
struct CRoomWriter
{
    QString m_Text;
    void append(QStringView text) { m_Text += text; }
    template <class TCopy>
    qsizetype AppendCopied(qsizetype size, TCopy copy)
    {
        const qsizetype at = m_Text.size();
        m_Text.resize(at + size, QLatin1Char('#'));
        const qsizetype copied = copy(reinterpret_cast<char16_t *>(m_Text.data()) + at);
        m_Text.resize(at + copied);
        return copied;
    }
};

} // namespace

class TestCmnHtmlEscape : public QObject
{
    Q_OBJECT
private slots:
    void escape_data();
    void escape();
    void escapeCString_data();
    void escapeCString();
    void escapeChars_data();
    void escapeChars();
    void latin1MatchesChars();
};

void TestCmnHtmlEscape::escape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Champion Bramble" << "Champion Bramble";
    QTest::newRow("quote only stays") << "The \"Duke\"" << "The \"Duke\"";
    QTest::newRow("less than") << "a<b" << "a&lt;b";
    QTest::newRow("greater than") << "a>b" << "a&gt;b";
    QTest::newRow("ampersand") << "Smith & Sons" << "Smith &amp; Sons";
    QTest::newRow("quote escaped beside ampersand") << "\"A\" & B" << "&quot;A&quot; &amp; B";
    QTest::newRow("line feed kept") << "a\nb<" << "a\nb&lt;";
    QTest::newRow("entity escaped again") << "&amp;" << "&amp;amp;";
    QTest::newRow("empty") << "" << "";
    // Long texts are searched eight characters at a time, then the rest.
    QTest::newRow("long plain") << "Champion Bramble of Hill" << "Champion Bramble of Hill";
    QTest::newRow("less than in the second eight") << "Kennel Bramble <UK>" << "Kennel Bramble &lt;UK&gt;";
    QTest::newRow("ampersand at the end") << "Champion Bramble of Hill&" << "Champion Bramble of Hill&amp;";
    QTest::newRow("quote eights before an ampersand")
        << "The \"Duke\" of Hill & Dale" << "The &quot;Duke&quot; of Hill &amp; Dale";
}

void TestCmnHtmlEscape::escape()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CmnHtmlNeedsEscape(text, false), text != expected);
    QCOMPARE(CmnHtmlEscape(text), expected);
    QString appended = QStringLiteral("<td>");
    CmnAppendHtmlEscaped(appended, text);
    QCOMPARE(appended, QStringLiteral("<td>") + expected);
    CRoomWriter room{QStringLiteral("<td>")};
    CmnAppendHtmlEscaped(room, text);
    QCOMPARE(room.m_Text, QStringLiteral("<td>") + expected);
}

void TestCmnHtmlEscape::escapeCString_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quote only stays") << QByteArray("say \"hi\"") << "say \"hi\"";
    QTest::newRow("quote escaped beside less than")
        << QByteArray("\"<\"") << "&quot;&lt;&quot;";
    QTest::newRow("high byte as latin-1 unescaped") << QByteArray("Z\xfcrich") << "Z\u00fcrich";
    QTest::newRow("high byte as latin-1 escaped") << QByteArray("\xe9&") << "\u00e9&amp;";
}

void TestCmnHtmlEscape::escapeCString()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QCOMPARE(CmnHtmlEscapeCString(text), expected);
}

void TestCmnHtmlEscape::escapeChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lineBreaks");
    QTest::addColumn<bool>("needsEscape");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line feed with breaks") << "one\ntwo" << true << true << "one<br/>two";
    QTest::newRow("line feed without breaks") << "one\ntwo" << false << false << "one\ntwo";
    QTest::newRow("long line feed with breaks") << "first line\nsecond" << true << true << "first line<br/>second";
    QTest::newRow("long line feed without breaks") << "first line\nsecond" << false << false << "first line\nsecond";
    QTest::newRow("carriage return copied") << "one\r\ntwo" << true << true << "one\r<br/>two";
    QTest::newRow("quote always escaped") << "\"x\"" << true << false << "&quot;x&quot;";
    QTest::newRow("all together") << "<a href=\"x\">&\n" << true << true
                                  << "&lt;a href=&quot;x&quot;&gt;&amp;<br/>";
}

void TestCmnHtmlEscape::escapeChars()
{
    QFETCH(QString, text);
    QFETCH(bool, lineBreaks);
    QFETCH(bool, needsEscape);
    QFETCH(QString, expected);
    QCOMPARE(CmnHtmlNeedsEscape(text, lineBreaks), needsEscape);
    QCOMPARE(CmnHtmlEscapeChars(text, lineBreaks), expected);
}

// The 8-bit escaper must agree with the 16-bit one on every byte, so that a text
// escapes the same whichever form it is held in.
void TestCmnHtmlEscape::latin1MatchesChars()
{
    QByteArray bytes;
    for (int code = 0; code < 256; ++code)
        bytes.append(static_cast<char>(code));
    QCOMPARE(CmnHtmlEscapeLatin1(bytes, true), CmnHtmlEscapeChars(QString::fromLatin1(bytes), true));
    QCOMPARE(CmnHtmlEscapeLatin1(bytes, false),
             CmnHtmlEscapeChars(QString::fromLatin1(bytes), false));
}

QTEST_GUILESS_MAIN(TestCmnHtmlEscape)
#include "tst_cmnhtmlescape.moc"
