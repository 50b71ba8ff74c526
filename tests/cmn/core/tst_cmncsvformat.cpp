#include "cmncsvformat.h"

#include <QRandomGenerator>
#include <QTest>

using TRows = QList<QStringList>;

class TestCmnCsvFormat : public QObject
{
    Q_OBJECT
private slots:
    void textFormRoundTrip_data();
    void textFormRoundTrip();
    void fromText_data();
    void fromText();
    void commaAndTabSeparated_data();
    void commaAndTabSeparated();
    void splitLine_data();
    void splitLine();
    void parseRowsAndHeader_data();
    void parseRowsAndHeader();
    void joinFields_data();
    void joinFields();
    void joinedFieldsReadBack_data();
    void joinedFieldsReadBack();
    void hostileInputStaysLinear_data();
    void hostileInputStaysLinear();
    void deduce_data();
    void deduce();
    void ownExportsReadBackUnchanged_data();
    void ownExportsReadBackUnchanged();
};

namespace {

// Tests name formats by their text form; the form itself is tested first.
CCmnCsvFormat FormatFrom(const QString &text)
{
    CCmnCsvFormat format;
    if (!format.FromText(text))
        qFatal("bad format text in test: %s", qPrintable(text));
    return format;
}

} // namespace

void TestCmnCsvFormat::textFormRoundTrip_data()
{
    QTest::addColumn<QChar>("quote");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QChar>("comment");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<QString>("text");
    QTest::newRow("defaults") << QChar() << true << QChar(u'\t') << QChar(u'#') << true << true
                              << "none,1,tab,#,1,1";
    QTest::newRow("comma") << QChar(u'"') << true << QChar(u',') << QChar(u'#') << true << true
                           << "\",1,comma,#,1,1";
    QTest::newRow("semicolon, apostrophe, all off")
        << QChar(u'\'') << false << QChar(u';') << QChar() << false << false << "',0,;,none,0,0";
    QTest::newRow("pipe, bang comment") << QChar(u'"') << false << QChar(u'|') << QChar(u'!') << false << true
                                        << "\",0,|,!,0,1";
}

void TestCmnCsvFormat::textFormRoundTrip()
{
    QFETCH(QChar, quote);
    QFETCH(bool, escape);
    QFETCH(QChar, separator);
    QFETCH(QChar, comment);
    QFETCH(bool, header);
    QFETCH(bool, trim);
    QFETCH(QString, text);

    CCmnCsvFormat format;
    format.SetQuoteChar(quote);
    format.SetEscapeFlag(escape);
    format.SetSeparator(separator);
    format.SetCommentChar(comment);
    format.SetHeaderFlag(header);
    format.SetTrimFlag(trim);
    QCOMPARE(format.ToText(), text);

    CCmnCsvFormat read;
    read.SetSeparator(u'x');
    QVERIFY(read.FromText(text));
    QCOMPARE(read.ToText(), text);
    QCOMPARE(read, format);
}

void TestCmnCsvFormat::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");   // text form afterwards

    // A non-default start shows that a failed read changes nothing.
    QTest::newRow("five items fail") << "none,1,tab,#,1" << false << "',0,;,!,0,0";
    QTest::newRow("empty fails") << "" << false << "',0,;,!,0,0";
    QTest::newRow("no commas fails") << "none" << false << "',0,;,!,0,0";
    QTest::newRow("five commas alone") << ",,,,," << true << "none,0,comma,none,0,0";
    QTest::newRow("extra items ignored") << "none,1,tab,#,1,1,junk,,x" << true << "none,1,tab,#,1,1";
    QTest::newRow("first character only") << "\"\",1,;;;,##,1,1" << true << "\",1,;,#,1,1";
    QTest::newRow("flags: not a number, negative, large")
        << "none,yes,tab,#,-3,12345678901" << true << "none,0,tab,#,1,1";
    QTest::newRow("none is case-sensitive") << "None,1,tab,NONE,1,1" << true << "N,1,tab,N,1,1";
    QTest::newRow("tab and comma words") << "none,0,comma,none,0,1" << true << "none,0,comma,none,0,1";
    QTest::newRow("long text") << QString(100000, u',') << true << "none,0,comma,none,0,0";
}

void TestCmnCsvFormat::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, expected);

    CCmnCsvFormat format = FormatFrom("',0,;,!,0,0");
    QCOMPARE(format.FromText(text), ok);
    QCOMPARE(format.ToText(), expected);
}

void TestCmnCsvFormat::commaAndTabSeparated_data()
{
    QTest::addColumn<bool>("useComma");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("expected");
    // Escape flag, comment and the two flags are left as they were.
    QTest::newRow("comma true") << true << true << "\",0,comma,!,0,1";
    QTest::newRow("comma false") << true << false << "none,0,tab,!,0,1";
    QTest::newRow("tab true") << false << true << "none,0,tab,!,0,1";
    QTest::newRow("tab false") << false << false << "\",0,comma,!,0,1";
}

void TestCmnCsvFormat::commaAndTabSeparated()
{
    QFETCH(bool, useComma);
    QFETCH(bool, flag);
    QFETCH(QString, expected);

    CCmnCsvFormat format = FormatFrom("',0,;,!,0,1");
    if (useComma)
        format.SetCommaSeparated(flag);
    else
        format.SetTabSeparated(flag);
    QCOMPARE(format.ToText(), expected);

    QCOMPARE(CCmnCsvFormat().ToText(), QStringLiteral("none,1,tab,#,1,1"));
}

void TestCmnCsvFormat::splitLine_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");

    const QString plainTab = "none,1,tab,#,0,0";
    const QString csv0 = "\",0,comma,#,0,1";   // doubled quotes
    const QString csv1 = "\",1,comma,#,0,1";   // backslash-escaped quotes

    QTest::newRow("plain: n separators, n + 1 fields") << plainTab << "a\tb\t\t" << QStringList{"a", "b", "", ""};
    QTest::newRow("plain: empty line") << plainTab << "" << QStringList{""};
    QTest::newRow("plain: comment line") << plainTab << "#a\tb" << QStringList{};
    QTest::newRow("plain: blanks kept") << plainTab << " a \t b" << QStringList{" a ", " b"};
    QTest::newRow("plain: blanks trimmed, tabs still split")
        << "none,1,tab,#,0,1" << " a \t\t b\f" << QStringList{"a", "", "b"};
    QTest::newRow("plain: quotes are text without a quote character")
        << "none,1,comma,none,0,1" << "1,\"Smith, John\",3" << QStringList{"1", "\"Smith", "John\"", "3"};

    QTest::newRow("separator inside quotes") << csv0 << "1,\"Smith, John\",3" << QStringList{"1", "Smith, John", "3"};
    QTest::newRow("blanks before and after the quotes")
        << csv0 << "1 , \"Smith, John\" ,3" << QStringList{"1", "Smith, John", "3"};
    QTest::newRow("no trimming: quote must open the field")
        << "\",0,comma,#,0,0" << "1, \"a,b\"" << QStringList{"1", " \"a", "b\""};
    QTest::newRow("doubled quotes") << csv0 << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x"};
    QTest::newRow("doubled quotes inside separators")
        << csv0 << "\"a\"\",\"\"b\"" << QStringList{"a\",\"b"};
    QTest::newRow("escaped quotes") << csv1 << "\"say \\\"hi\\\"\",x" << QStringList{"say \"hi\"", "x"};
    QTest::newRow("escaped quote and separator") << csv1 << "\"a\\\",b\",c" << QStringList{"a\",b", "c"};
    QTest::newRow("backslashes not before a quote stay")
        << csv1 << "\"C:\\dir\\file\",\\\\nas" << QStringList{"C:\\dir\\file", "\\\\nas"};
    QTest::newRow("doubled backslash before the closing quote")
        << csv1 << "\"C:\\dir\\\\\",x" << QStringList{"C:\\dir\\", "x"};
    QTest::newRow("line break inside quotes") << csv0 << "\"two\nlines\",x" << QStringList{"two\nlines", "x"};
    QTest::newRow("two quotes: empty field") << csv0 << "\"\",\"\"" << QStringList{"", ""};
    QTest::newRow("one quote: unchanged") << csv0 << "a,\"" << QStringList{"a", "\""};
    QTest::newRow("unterminated quote falls back to plain")
        << csv0 << "1,\"Rex,2" << QStringList{"1", "\"Rex", "2"};
    QTest::newRow("escape sequences outside quotes")
        << csv0 << "ab\"\"c,5\" tall" << QStringList{"ab\"c", "5\" tall"};
    QTest::newRow("text after the closing quote kept") << csv0 << "\"a\"b,c" << QStringList{"ab", "c"};
    QTest::newRow("apostrophe quote, semicolon")
        << "',0,;,#,0,1" << "'O''Neil; Pat';'x'" << QStringList{"O'Neil; Pat", "x"};
    QTest::newRow("quote character equal to separator splits plainly")
        << ";,1,;,#,0,1" << "a;;b" << QStringList{"a", "", "b"};
    QTest::newRow("comment only at the line start") << csv0 << "a,#b" << QStringList{"a", "#b"};
}

void TestCmnCsvFormat::splitLine()
{
    QFETCH(QString, format);
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(FormatFrom(format).SplitLine(line), fields);
}

void TestCmnCsvFormat::parseRowsAndHeader_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<TRows>("rows");

    const QString csv = "\",0,comma,#,1,1";
    QTest::newRow("comment, header, row")
        << "none,1,comma,#,1,1" << QStringList{"# exported", "Name,Sire", "Rex,Max"} << QStringList{"Name", "Sire"}
        << TRows{{"Rex", "Max"}};
    QTest::newRow("empty line gives one empty field")
        << "none,1,comma,#,1,1" << QStringList{"Name", "Rex", "", "Max"} << QStringList{"Name"}
        << TRows{{"Rex"}, {""}, {"Max"}};
    QTest::newRow("no header flag: every line is data")
        << "none,1,comma,#,0,1" << QStringList{"Name,Sire", "#x", "Rex,Max"} << QStringList{}
        << TRows{{"Name", "Sire"}, {"Rex", "Max"}};
    QTest::newRow("header trimmed whatever the trim flag")
        << "none,1,comma,#,1,0" << QStringList{" Name , Sire", " Rex , Max"} << QStringList{"Name", "Sire"}
        << TRows{{" Rex ", " Max"}};
    QTest::newRow("only comments") << csv << QStringList{"#a", "#b"} << QStringList{} << TRows{};
    QTest::newRow("record spans lines")
        << csv << QStringList{"Name,Note", "Rex,\"first line", "#second line\",1", "Max,x"}
        << QStringList{"Name", "Note"} << TRows{{"Rex", "first line\n#second line", "1"}, {"Max", "x"}};
    QTest::newRow("header spans lines")
        << csv << QStringList{"\"Name", "of dog\",Sire", "Rex,Max"} << QStringList{"Name\nof dog", "Sire"}
        << TRows{{"Rex", "Max"}};
    QTest::newRow("blank line inside quotes")
        << "\",1,comma,#,0,0" << QStringList{"\"a", "", "b\"", "c"} << QStringList{} << TRows{{"a\n\nb"}, {"c"}};
    QTest::newRow("unterminated quote spoils one field only")
        << csv << QStringList{"Name,Note", "Rex,\"open,1", "Max,\"\",\"\"\"\""} << QStringList{"Name", "Note"}
        << TRows{{"Rex", "\"open", "1"}, {"Max", "", "\""}};
}

void TestCmnCsvFormat::parseRowsAndHeader()
{
    QFETCH(QString, format);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, header);
    QFETCH(TRows, rows);

    const CCmnCsvFormat csv = FormatFrom(format);
    QCOMPARE(csv.ParseHeader(lines), header);
    QCOMPARE(csv.ParseRows(lines), rows);
}

void TestCmnCsvFormat::joinFields_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("line");

    QTest::newRow("no quote: line feed encloses in double quotes")
        << "none,1,comma,#,1,1" << QStringList{"a", "x\n\"y"} << "a,\"x\n\\\"y\"";
    QTest::newRow("no quote: separator encloses")
        << "none,0,tab,#,1,1" << QStringList{"a\tb", "say \"hi\""} << "\"a\tb\"\t\"say \"\"hi\"\"\"";
    QTest::newRow("no quote: comment character first encloses")
        << "none,0,tab,#,1,1" << QStringList{"#1", "#2"} << "\"#1\"\t#2";
    QTest::newRow("no quote: blanks enclosed when trimming")
        << "none,0,tab,#,1,1" << QStringList{" a", "b ", "c"} << "\" a\"\t\"b \"\tc";
    QTest::newRow("no quote: carriage return encloses")
        << "none,0,tab,#,1,0" << QStringList{"a\rb"} << "\"a\rb\"";
    QTest::newRow("quote: every field enclosed, empty too")
        << "\",0,comma,#,1,1" << QStringList{"Rex", "", "say \"hi\""} << "\"Rex\",\"\",\"say \"\"hi\"\"\"";
    QTest::newRow("blanks kept inside quotes") << "\",1,comma,#,1,1" << QStringList{" a ", "b\t"} << "\" a \",\"b\t\"";
    QTest::newRow("backslash escape doubles backslashes before a quote")
        << "\",1,comma,#,1,1" << QStringList{"C:\\dir\\", "a\\\"b", "\\x"} << "\"C:\\dir\\\\\",\"a\\\\\\\"b\",\"\\x\"";
    QTest::newRow("no fields") << "\",1,comma,#,1,1" << QStringList{} << "";
}

void TestCmnCsvFormat::joinFields()
{
    QFETCH(QString, format);
    QFETCH(QStringList, fields);
    QFETCH(QString, line);
    QCOMPARE(FormatFrom(format).JoinFields(fields), line);
}

void TestCmnCsvFormat::joinedFieldsReadBack_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("comma, doubled") << "\",0,comma,#,0,0";
    QTest::newRow("comma, backslash") << "\",1,comma,#,0,0";
    QTest::newRow("semicolon, apostrophe") << "',1,;,#,0,0";
    QTest::newRow("tab, double quote, trimmed") << "\",1,tab,none,0,1";
    QTest::newRow("backslash as quote") << "\\,1,comma,#,0,0";
    QTest::newRow("backslash as separator") << "\",1,\\,#,0,0";
}

void TestCmnCsvFormat::joinedFieldsReadBack()
{
    QFETCH(QString, format);
    const CCmnCsvFormat csv = FormatFrom(format);
    const QStringList values{
        "#first", "plain", "a,b", "a;b", "a\tb", "say \"hi\"", "it's", "'quoted'", "\"", "\"\"", "two\nlines",
        "\n", "cr\ronly", "", "  padded  ", " ", "C:\\dir\\", "\\", "\\\"", "\\\\\"\\", "a|b\\c", "",
    };
    // Every field is enclosed, so trimming drops no blank of the data.
    const QStringList expected = values;

    const QString line = csv.JoinFields(values);
    QCOMPARE(csv.SplitLine(line), expected);
    // As read from a file: the line breaks inside fields split the text into lines.
    QCOMPARE(csv.ParseRows(line.split(u'\n')), TRows{expected});
}

void TestCmnCsvFormat::hostileInputStaysLinear_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("lastRow");

    // A quote-blind retry of every following line would take hours on these.
    const int count = 200000;
    QStringList open{"1,\"Rex,a"};
    for (int i = 2; i <= count; ++i)
        open.append(QString::number(i) + ",Max,b");
    QTest::newRow("unterminated quote before many lines")
        << "\",0,comma,#,0,1" << open << count << QStringList{"1", "\"Rex", "a"}
        << QStringList{QString::number(count), "Max", "b"};

    const QString huge = "\"" + QString("\\\",").repeated(count);
    QTest::newRow("huge line of escaped quotes")
        << "\",1,comma,#,0,0" << QStringList{huge} << 1 << (QStringList{"\"\""} << QStringList(count - 1, "\"") << "")
        << (QStringList{"\"\""} << QStringList(count - 1, "\"") << "");

    QTest::newRow("huge line of quotes") << "\",0,comma,#,0,0" << QStringList{QString(2 * count, u'"')} << 1
                                         << QStringList{QString(count - 1, u'"')}
                                         << QStringList{QString(count - 1, u'"')};
}

void TestCmnCsvFormat::hostileInputStaysLinear()
{
    QFETCH(QString, format);
    QFETCH(QStringList, lines);
    QFETCH(int, rowCount);
    QFETCH(QStringList, firstRow);
    QFETCH(QStringList, lastRow);

    const TRows rows = FormatFrom(format).ParseRows(lines);
    QCOMPARE(rows.size(), rowCount);
    QCOMPARE(rows.first(), firstRow);
    QCOMPARE(rows.last(), lastRow);
}

void TestCmnCsvFormat::deduce_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QChar>("comment");
    QTest::addColumn<QString>("deduced");

    const QString fresh = CCmnCsvFormat().ToText();
    // The escape and header flags show through where deduction leaves them.
    const QString flagsOff = "none,0,tab,#,0,0";

    QTest::newRow("comma, no quotes, name-like header")
        << flagsOff << QStringList{"ID,Name,Date of birth", "1,Rex,2001"} << QChar(u'#') << "none,0,comma,#,1,1";
    QTest::newRow("comma, double quotes, doubled")
        << fresh << QStringList{"Name,Note,Born", "\"Rex\",\"says \"\"hi\"\"\",\"2001\""} << QChar(u'#')
        << "\",0,comma,#,1,1";
    QTest::newRow("comma, double quotes, backslash")
        << flagsOff << QStringList{"\"Name\",\"Note\",\"Born\"", "\"Rex\",\"says \\\"hi\\\"\",\"2001\""} << QChar()
        << "\",1,comma,none,1,1";
    QTest::newRow("comma, quoted separators")
        << fresh << QStringList{"\"ID\",\"Name\",\"Owner\"", "1,\"Rex\",\"Smith, John\""} << QChar(u'#')
        << "\",1,comma,#,1,1";
    QTest::newRow("tab, no quotes")
        << fresh << QStringList{"Name\tSire\tDam", "Rex\tMax\tBella"} << QChar(u'#') << "none,1,tab,#,1,1";
    QTest::newRow("tab, double quotes")
        << fresh << QStringList{"\"Name\"\t\"Sire\"\t\"Dam\"", "\"Rex\"\t\"Max, Jr\"\t\"Bella\""} << QChar(u'#')
        << "\",1,tab,#,1,1";
    QTest::newRow("tab, apostrophes")
        << fresh << QStringList{"'Name'\t'Sire'\t'Dam'", "'1'\t'2'\t'3'"} << QChar(u'#') << "',1,tab,#,1,1";
    // Only TAB and comma are told apart: a semicolon file reads as one column until
    // the user picks its separator.
    QTest::newRow("semicolon, no quotes")
        << flagsOff << QStringList{"Name;Sire;Dam", "Rex;Max;Bella"} << QChar(u'#') << "none,0,comma,#,1,1";
    QTest::newRow("semicolon, double quotes")
        << flagsOff << QStringList{"\"Name\";\"Sire\";\"Dam\"", "\"Rex\";\"Max\";\"Bella\""} << QChar(u'#')
        << "none,0,comma,#,1,1";
    QTest::newRow("numbers: no header") << fresh << QStringList{"1,2,3", "4,5,6"} << QChar(u'#') << "none,1,comma,#,0,1";
    QTest::newRow("one field: header") << flagsOff << QStringList{"42"} << QChar(u'#') << "none,0,comma,#,1,1";
    QTest::newRow("empty field: no header")
        << fresh << QStringList{"Name,,Dam", "Rex,Max,Bella"} << QChar(u'#') << "none,1,comma,#,0,1";
    QTest::newRow("comment lines pass unseen")
        << fresh << QStringList{";a\tb\tc\td", ";1\t2\t3", "Name,Sire,Dam"} << QChar(u';') << "none,1,comma,;,1,1";
    QTest::newRow("no comment character: every line counts")
        << fresh << QStringList{"#1\t2\t3", "4\t5\t6"} << QChar() << "none,1,tab,none,0,1";
    QTest::newRow("two tabs and two commas: no vote")
        << fresh << QStringList{"a\tb\tc,d,e", "1\t2\t3,4,5"} << QChar(u'#') << "none,1,comma,#,1,1";
    QTest::newRow("fewer than three fields: no quote")
        << fresh << QStringList{"\"a\",\"b\"", "\"c\",\"d\""} << QChar(u'#') << "none,1,comma,#,0,1";
    QTest::newRow("no lines") << flagsOff << QStringList{} << QChar(u'#') << "none,0,comma,#,0,1";
}

void TestCmnCsvFormat::deduce()
{
    QFETCH(QString, start);
    QFETCH(QStringList, lines);
    QFETCH(QChar, comment);
    QFETCH(QString, deduced);

    CCmnCsvFormat format = FormatFrom(start);
    QCOMPARE(format.Deduce(lines, comment).ToText(), deduced);
}

QTEST_GUILESS_MAIN(TestCmnCsvFormat)
void TestCmnCsvFormat::ownExportsReadBackUnchanged_data()
{
    QTest::addColumn<bool>("tab");
    QTest::newRow("TAB") << true;
    QTest::newRow("CSV") << false;
}

void TestCmnCsvFormat::ownExportsReadBackUnchanged()
{
    QFETCH(bool, tab);
    CCmnCsvFormat written;
    written.SetTabSeparated(tab);
    // Pieces a breeder's fields may hold, the awkward ones included.
    const QStringList pieces{"Bella", "of", "Smith & Jones", "\t", ",", "\"", "\"\"", "'", "\r", "\n", "\r\n", "#",
                             " ", "  ", "\\", u"Gl\u00e9nmoor"_qs, u"\u00d8ster"_qs, "\"Nick\"", "2001", ""};
    QRandomGenerator random(20250101);
    const QStringList header{"Name", "Sire", "Dam", "Born", "Notes", "Owner"};
    for (int trial = 0; trial < 200; ++trial) {
        QList<QStringList> rows;
        const int rowCount = 1 + random.bounded(6);
        for (int r = 0; r < rowCount; ++r) {
            QStringList row;
            for (qsizetype c = 0; c < header.size(); ++c) {
                QString field;
                const int count = random.bounded(4);
                for (int p = 0; p < count; ++p)
                    field += pieces.at(random.bounded(int(pieces.size())));
                row.append(field);
            }
            rows.append(row);
        }
        // The lines as a file holds them: the records joined, then cut at LF.
        QStringList records{written.JoinFields(header)};
        for (const QStringList &row : rows)
            records.append(written.JoinFields(row));
        const QStringList lines = records.join(QLatin1Char('\n')).split(QLatin1Char('\n'));

        CCmnCsvFormat read;
        read.Deduce(lines, QLatin1Char('#'));
        const QString context = QStringLiteral("trial %1, format %2").arg(trial).arg(read.ToText());
        QVERIFY2(read.HeaderFlag(), qPrintable(context));
        QCOMPARE(read.ParseHeader(lines), header);
        const QList<QList<QString>> parsed = read.ParseRows(lines);
        if (parsed != rows) {
            qDebug().noquote() << context << lines;
            QCOMPARE(parsed, rows);
        }
    }
}

#include "tst_cmncsvformat.moc"
