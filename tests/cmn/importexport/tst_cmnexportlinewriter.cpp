#include "cmncsvformat.h"
#include "cmnexportlinewriter.h"
#include "cmnfilenames.h"
#include "cmntextencoding.h"
#include "cmntextwriter.h"
#include "faildevice.h"

#include <QBuffer>
#include <QTest>

namespace {

// Lines, each given as the pieces it is appended in.
using CLines = QList<QStringList>;

CCmnTextEncoding Encoding(const QString &codec, const QString &lineEnding)
{
    return CCmnTextEncoding(codec, lineEnding, 1);
}

// What the text writer writes for the same lines, each joined whole.
QByteArray WrittenWhole(const CCmnTextEncoding &encoding, const CLines &lines)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnTextWriter writer;
    if (!writer.Open(encoding, &buffer).isEmpty())
        return "!open";
    for (const QStringList &pieces : lines) {
        if (!writer.WriteLine(pieces.join(QString())).isEmpty())
            return "!write";
    }
    if (!writer.Close().isEmpty())
        return "!close";
    return buffer.data();
}

} // namespace

class TestCmnExportLineWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesAsTheTextWriterWritesWholeLines_data();
    void writesAsTheTextWriterWritesWholeLines();
    void csvFieldsAsTheFormatJoinsThem_data();
    void csvFieldsAsTheFormatJoinsThem();
    void failedWriteIsTheError_data();
    void failedWriteIsTheError();
};

void TestCmnExportLineWriter::writesAsTheTextWriterWritesWholeLines_data()
{
    QTest::addColumn<CCmnTextEncoding>("encoding");
    QTest::addColumn<CLines>("lines");
    const QString wide(70000, QLatin1Char('w'));
    const QList<std::pair<const char *, CLines>> cases{
        {"plain pieces", {{"\"a\"", ",", "\"b\""}, {"", "c"}}},
        {"empty line", {{}, {"x"}}},
        {"line feed and CR LF inside a piece", {{"one\ntwo\r\nthree", ","}}},
        {"CR LF split between pieces", {{"one\r", "\ntwo"}, {"a\r", "", "\nb"}}},
        {"CR before other text stays", {{"a\r", "b\r\r", "\n"}}},
        {"CR at the line's end stays", {{"a", "b\r"}}},
        {"line feed at either end", {{"\n", "a", "\n"}}},
        // Pieces beginning with "<" go in as markup.
        {"markup among the pieces", {{"<tr>", "a\r", "<td>", "b\r", "<br/>", "\n", "<td>"}, {"\r", "<tr>"}}},
        {"non-ASCII after ASCII", {{"Kennel of \u00c9lan ", "\U0001F600", QString(QChar(0xd800)) + "x"}}},
        // Past the codec's gathering and past the byte buffer.
        {"long lines", {{wide, "\u00e9"}, {wide, wide}, {"end"}}},
    };
    const QList<std::pair<const char *, const char *>> encodings{
        {"UTF-8", "LF"}, {"UTF-8", "CRLF"}, {"LOCALE", "CR"}, {"ISO-8859-1", "CRLF"}, {"UTF-16LE", "LF"}};
    for (const auto &[name, lines] : cases) {
        for (const auto &[codec, lineEnding] : encodings) {
            QTest::addRow("%s, %s %s", name, codec, lineEnding)
                << Encoding(QLatin1String(codec), QLatin1String(lineEnding)) << lines;
        }
    }
}

// Built piece by piece, straight into bytes or through the codec, the lines come
// out as the text writer writes each line whole.
void TestCmnExportLineWriter::writesAsTheTextWriterWritesWholeLines()
{
    QFETCH(CCmnTextEncoding, encoding);
    QFETCH(CLines, lines);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnExportLineWriter writer;
    QCOMPARE(writer.Open(encoding, &buffer), QString());
    for (const QStringList &pieces : lines) {
        for (const QString &piece : pieces) {
            if (piece.startsWith(QLatin1Char('<')))
                writer.AppendMarkup(piece.toLatin1().toStdString());
            else
                writer.append(piece);
        }
        writer.EndLine();
    }
    writer.Flush();
    QCOMPARE(writer.ErrorText(), QString());
    QCOMPARE(writer.Close(), QString());
    QCOMPARE(buffer.data(), WrittenWhole(encoding, lines));
}

void TestCmnExportLineWriter::csvFieldsAsTheFormatJoinsThem_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("fields");
    // The writer searches for the quote eight characters at a time: quotes and
    // backslash runs on either side of those blocks' bounds, and at the ends.
    QStringList fields{"", "\"", "\"\"", "abc\"", "\"abc", "Smith & \u00c9lan"};
    for (const int at : {6, 7, 8, 9, 15, 16, 17, 23}) {
        QString field(25, QLatin1Char('x'));
        field[at] = QLatin1Char('"');
        fields << field;
        field[at - 1] = QLatin1Char('\\');
        field[at - 2] = QLatin1Char('\\');
        fields << field << field.first(at + 1) << field.first(at);
    }
    fields << QString(20, QLatin1Char('"')) << QString(17, QLatin1Char('\\'));
    QTest::newRow("quote doubled") << "\",0,comma,#,1,1" << fields;
    QTest::newRow("quote after backslashes") << "\",1,comma,#,1,1" << fields;
    QTest::newRow("apostrophe") << "',0,;,#,1,1" << fields;
    QTest::newRow("no quote") << "none,0,tab,#,1,1" << fields;
}

// Fields appended to a line go out as the format joins them into a text.
void TestCmnExportLineWriter::csvFieldsAsTheFormatJoinsThem()
{
    QFETCH(QString, format);
    QFETCH(QStringList, fields);
    CCmnCsvFormat csv;
    QVERIFY(csv.FromText(format));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCmnExportLineWriter writer;
    QCOMPARE(writer.Open(Encoding(QStringLiteral("UTF-8"), QStringLiteral("LF")), &buffer), QString());
    for (qsizetype i = 0; i < fields.size(); ++i)
        csv.AppendFieldTo(writer, fields.at(i), i == 0);
    writer.EndLine();
    writer.Flush();
    QCOMPARE(writer.Close(), QString());
    QCOMPARE(QString::fromUtf8(buffer.data()), csv.JoinFields(fields) + QLatin1Char('\n'));
}

void TestCmnExportLineWriter::failedWriteIsTheError_data()
{
    QTest::addColumn<QString>("codec");
    QTest::newRow("bytes") << "UTF-8";
    QTest::newRow("codec") << "ISO-8859-1";
}

void TestCmnExportLineWriter::failedWriteIsTheError()
{
    QFETCH(QString, codec);
    CFailDevice device(10);
    QVERIFY(device.open(QIODevice::WriteOnly));
    CCmnExportLineWriter writer;
    QCOMPARE(writer.Open(CCmnTextEncoding(codec, QStringLiteral("LF"), 0), &device), QString());
    writer.append(QStringLiteral("more than ten bytes"));
    writer.EndLine();
    writer.Flush();
    QCOMPARE(writer.ErrorText(), CmnFileErrorText(QFileDevice::WriteError));
    // Nothing is written after the failure.
    writer.append(QStringLiteral("x"));
    writer.EndLine();
    writer.Flush();
    QCOMPARE(device.data(), QByteArray("more than "));
}

QTEST_GUILESS_MAIN(TestCmnExportLineWriter)
#include "tst_cmnexportlinewriter.moc"
