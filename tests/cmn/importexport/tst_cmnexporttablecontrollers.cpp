#include "exporttesting.h"

#include "cmnexportprogress.h"
#include "cmnexporttablecontroller_csv.h"
#include "cmnexporttablecontroller_html.h"
#include "cmnexporttablecontroller_textdocument.h"
#include "cmnexporttablecontroller_xlsxml.h"
#include "cmnpagefiles.h"
#include "cmnprinter.h"
#include "cmntext.h"
#include "cmntextfile.h"
#include "testpdftools.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamReader>

using namespace OrvExport;

namespace {

using CRows = QList<QStringList>;

// Asks to stop at the first row.
class CStopAtOnce : public CCmnExportProgress
{
public:
    void Begin(const QString &, int) override {}
    bool Step(int) override { return true; }
    void End() override {}
};

CCmnAutomaticOrCustomCsvFormat FormatChoice(const CCmnCsvFormat &format, bool custom)
{
    CCmnAutomaticOrCustomCsvFormat choice;
    if (custom)
        choice.FixCustom(format);
    else
        choice.SetDeduced(format);
    return choice;
}

CCmnCsvFormat CommaFormat(bool doubled)
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(!doubled);
    return format;
}

// What the spreadsheet file says: each style with its number format, each
// column element, and each data cell's type and text.
struct CSpreadsheet
{
    QStringList m_Styles;
    QStringList m_Columns;
    QList<QStringList> m_Rows;
    QString m_Error;
};

CSpreadsheet ReadSpreadsheet(const QString &path)
{
    QFile file(path);
    CSpreadsheet sheet;
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.m_Error = file.errorString();
        return sheet;
    }
    QXmlStreamReader xml(&file);
    QString style;
    // A cell's own style, before its data, when it names one.
    QString cellStyle;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView name = xml.name();
        if (name == u"Style") {
            style = attributes.value(QStringLiteral("ss:ID")).toString();
            sheet.m_Styles << style;
        } else if (name == u"NumberFormat" && attributes.hasAttribute(QStringLiteral("ss:Format"))) {
            sheet.m_Styles.last() += QLatin1Char(' ') + attributes.value(QStringLiteral("ss:Format")).toString();
        } else if (name == u"Column") {
            sheet.m_Columns << attributes.value(QStringLiteral("ss:Index")).toString() + QLatin1Char(' ')
                    + attributes.value(QStringLiteral("ss:StyleID")).toString();
        } else if (name == u"Row") {
            sheet.m_Rows.append(QStringList());
        } else if (name == u"Cell") {
            cellStyle = attributes.value(QStringLiteral("ss:StyleID")).toString();
            if (!cellStyle.isEmpty())
                cellStyle += QLatin1Char(' ');
        } else if (name == u"Data") {
            const QString type = attributes.value(QStringLiteral("ss:Type")).toString();
            sheet.m_Rows.last() << cellStyle + type + QLatin1Char(':') + xml.readElementText();
        }
    }
    if (xml.hasError())
        sheet.m_Error = xml.errorString();
    return sheet;
}

// A register whose cells hold everything a writer must quote, escape, convert
// or leave out, in every field type, with values missing and of odd kinds.
constexpr int kPercent = 5;
constexpr int kChampion = 6;
constexpr int kMated = 7;
constexpr int kColour = 8;
constexpr int kKind = 9;

QSharedPointer<CBioReg> AwkwardRegister()
{
    CCmnRegFieldsSettings settings = FieldsSettings();
    CCmnRegUserFieldSet user = settings.GetUserFields();
    CCmnRegFieldContextMask shown;
    shown.SetContext(1, true);
    CCmnRegFieldDef upper(CmnRegFieldText, 0);
    upper.m_TextLetterCase = CmnLetterCaseUpper;
    CCmnRegFieldDef percent(CmnRegFieldPercentage, 0);
    percent.m_PercentDecimals = 1;
    CCmnRegFieldDef weight(CmnRegFieldNumber, 0);
    weight.m_NumberSuffix = QStringLiteral("kg");
    user.AddField(QStringLiteral("Weight"), CCmnRegUserField(kWeight, weight, shown));
    user.AddField(QStringLiteral("Percent"), CCmnRegUserField(kPercent, percent, shown));
    user.AddField(QStringLiteral("Champion"), CCmnRegUserField(kChampion, CCmnRegFieldDef(CmnRegFieldBoolean, 0), shown));
    user.AddField(QStringLiteral("Mated"), CCmnRegUserField(kMated, CCmnRegFieldDef(CmnRegFieldDate, 0), shown));
    user.AddField(QStringLiteral("Colour <&>"), CCmnRegUserField(kColour, upper, shown));
    user.AddField(QStringLiteral("Kind"), CCmnRegUserField(kKind, CCmnRegFieldDef(CmnRegFieldChoice, 0), shown));
    settings.SetUserFields(user);
    auto reg = QSharedPointer<CBioReg>::create(settings);
    const auto date = [](const char *text) {
        return QVariant::fromValue(CCmnDate::Parse(QLatin1String(text), QStringLiteral("[[dd/]mm/]yyyy"),
                                                   CmnDateCalendarGregorian));
    };
    const int first = AddExportAnimal(*reg, QStringLiteral("Smith, \"Bo\""), QStringLiteral("First line\nsecond line"), 3,
                                      QStringLiteral("15/03/2020"));
    ReplaceWith(*reg, first, [&](CBioRegRecord &record) {
        record.SetValue(kWeight, CmnRegValueNumber, -2.5);
        record.SetValue(kPercent, CmnRegValueFraction, 0.125f);
        record.SetValue(kChampion, CmnRegValueBoolean, true);
        record.SetValue(kMated, CmnRegValueDate, date("03/2020"));
        record.SetValue(kColour, CmnRegValueText, QStringLiteral("red; white\tand \\\"black\\\""));
        record.SetValue(kKind, CmnRegValueText, QStringLiteral("a,b"));
    });
    AddExportAnimal(*reg, QStringLiteral("#1"));
    const int third = AddExportAnimal(*reg, QStringLiteral("Smith & Jones <UK>"), QStringLiteral("  padded  \r\nnext"));
    ReplaceWith(*reg, third, [&](CBioRegRecord &record) {
        record.SetValue(kLitters, CmnRegValueInteger64, Q_INT64_C(9007199254740993));
        record.SetValue(kWeight, CmnRegValueNumber, 1e21);
        record.SetValue(kPercent, CmnRegValueFraction, 1.0f);
        record.SetValue(kChampion, CmnRegValueBoolean, false);
        record.SetValue(kMated, CmnRegValueDate, date("2019"));
        record.SetValue(kColour, CmnRegValueText, QStringLiteral("bell\u0007 and \u0001 and \uFFFF and \"x\""));
        record.SetValue(kShows, CmnRegValueText, QStringLiteral("stored as text"));
    });
    const int fourth = AddExportAnimal(*reg, QStringLiteral("\u00C9lan \u00DCnal \u65E5\u672C \U0001F600"), QString(), 0,
                                       QStringLiteral("29/02/2000"));
    ReplaceWith(*reg, fourth, [&](CBioRegRecord &record) {
        record.SetValue(kLitters, CmnRegValueInteger, -7);
        record.SetValue(kWeight, CmnRegValueNumber, 0.0005);
        record.SetValue(kPercent, CmnRegValueFraction, 0.33333f);
        record.SetValue(kMated, CmnRegValueDate, date("29/02/2000"));
        record.SetValue(kColour, CmnRegValueText, QString());
    });
    // Halves of characters beyond the basic plane, as a damaged import leaves them.
    AddExportAnimal(*reg, QStringLiteral("lone \xD83D"), QStringLiteral("\xDE00 alone"), 1, QStringLiteral("01/01/1900"));
    return reg;
}

QTextTable *FirstTable(QTextDocument *document)
{
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

} // namespace

class TestCmnExportTableControllers : public QObject
{
    Q_OBJECT
private slots:
    void exportsWriteTheirBytes_data();
    void exportsWriteTheirBytes();
    void delimitedTextReimportsUnchanged_data();
    void delimitedTextReimportsUnchanged();
    void noHeaderLineWithoutTheHeaderFlag();
    void htmlWritesThePreambleAndEscapedCells();
    void spreadsheetOfTextColumnsHasOnlyTheDefaultStyle();
    void spreadsheetSharesNumberStylesAndWritesIsoDates();
    void spreadsheetLeavesOutCharactersXmlCannotHold();
    void spreadsheetCellOutsideItsColumnsFormatNamesItsStyle();
    void textDocumentHoldsTheHeaderAndEveryRecord();
    void textDocumentPrintsAsWithTheToolkitsLayout_data();
    void textDocumentPrintsAsWithTheToolkitsLayout();
    void failedExportKeepsTheOlderFile_data();
    void failedExportKeepsTheOlderFile();
};

void TestCmnExportTableControllers::exportsWriteTheirBytes_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<CCmnTextEncoding>("encoding");
    QTest::addColumn<CCmnCsvFormat>("format");
    QTest::addColumn<bool>("custom");
    CCmnCsvFormat tab;
    tab.SetTabSeparated(true);
    CCmnCsvFormat semicolon = CommaFormat(true);
    semicolon.SetSeparator(QLatin1Char(';'));
    const CCmnCsvFormat none;
    const auto encoding = [](const char *codec, const char *lineEnding, quint8 mark) {
        return CCmnTextEncoding(QLatin1String(codec), QLatin1String(lineEnding), mark);
    };
    QTest::newRow("csv, doubled quotes") << "awkward-doubled.csv" << CCmnTextEncoding() << CommaFormat(true) << false;
    QTest::newRow("csv, backslash, UTF-8 CRLF")
        << "awkward-backslash.csv" << encoding("UTF-8", "CRLF", 1) << CommaFormat(false) << true;
    QTest::newRow("csv, semicolon, Latin-1")
        << "awkward-semicolon.csv" << encoding("ISO-8859-1", "LF", 0) << semicolon << true;
    QTest::newRow("txt, tab, UTF-16LE CRLF") << "awkward-tab.txt" << encoding("UTF-16LE", "CRLF", 1) << tab << false;
    QTest::newRow("html, UTF-8") << "awkward-utf8.html" << encoding("UTF-8", "LOCALE", 1) << none << false;
    QTest::newRow("html, Windows-1252 CR") << "awkward-1252.html" << encoding("windows-1252", "CR", 0) << none << false;
    QTest::newRow("spreadsheet") << "awkward.xml" << CCmnTextEncoding() << none << false;
}

// Every writer's bytes for the awkward register, pinned: a faster writer must
// not change a single one.
void TestCmnExportTableControllers::exportsWriteTheirBytes()
{
    QFETCH(QString, golden);
    QFETCH(CCmnTextEncoding, encoding);
    QFETCH(CCmnCsvFormat, format);
    QFETCH(bool, custom);
    const QSharedPointer<CBioReg> reg = AwkwardRegister();
    CCmnRegExportColumns columns = Columns({kName, kNotes, kLitters, kWeight, kPercent, kChampion, kBorn, kMated,
                                            kColour, 999, kShows, kKind, kCoefficient});
    columns.m_DateFormat = QStringLiteral("[[dd/]mm/]yyyy");
    QTemporaryDir folder;
    const QString path = folder.filePath(golden);
    CCmnAutomaticOrCustomTextEncoding encodingChoice;
    encodingChoice.FixCustom(encoding);
    QString error;
    const auto write = [&](auto &controller, bool opened) {
        if (opened)
            reg->WriteDataRows(controller, columns);
        controller.Close();
        error = opened ? controller.ErrorText() : QStringLiteral("not opened");
    };
    if (golden.endsWith(QLatin1String(".xml"))) {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        write(controller, controller.Open(path));
    } else if (golden.endsWith(QLatin1String(".html"))) {
        CCmnExportTableController_HTML controller(QStringLiteral("Export"), nullptr);
        write(controller, controller.Open(path, encodingChoice));
    } else {
        CCmnExportTableController_CSV controller(QStringLiteral("Export"), nullptr);
        write(controller, controller.Open(path, encodingChoice, FormatChoice(format, custom)));
    }
    QCOMPARE(error, QString());
    const QByteArray expected = FileBytes(QDir(qEnvironmentVariable("ORV_TEST_DATA_DIR")).filePath(golden));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(FileBytes(path), expected);
}

void TestCmnExportTableControllers::delimitedTextReimportsUnchanged_data()
{
    QTest::addColumn<CCmnCsvFormat>("format");
    QTest::addColumn<bool>("custom");
    // Whether the import works the format out by itself (a semicolon file with a
    // line break inside a field it does not), or needs it given.
    QTest::addColumn<bool>("deducible");
    CCmnCsvFormat tab;
    tab.SetTabSeparated(true);
    CCmnCsvFormat semicolon = CommaFormat(true);
    semicolon.SetSeparator(QLatin1Char(';'));
    QTest::newRow("csv, doubled quotes") << CommaFormat(true) << false << true;
    QTest::newRow("csv, backslash chosen by the user") << CommaFormat(false) << true << true;
    QTest::newRow("semicolon") << semicolon << true << false;
    QTest::newRow("txt, tab") << tab << false << true;
}

void TestCmnExportTableControllers::delimitedTextReimportsUnchanged()
{
    QFETCH(CCmnCsvFormat, format);
    QFETCH(bool, custom);
    QFETCH(bool, deducible);
    const QSharedPointer<CBioReg> reg = NewRegister();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.csv"));

    {
        CCmnExportTableController_CSV controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path, CCmnAutomaticOrCustomTextEncoding(), FormatChoice(format, custom)));
        reg->WriteDataRows(controller, Columns({kName, kNotes, kLitters}));
        controller.Close();
        QCOMPARE(controller.ErrorText(), QString());
    }

    bool read = false;
    const QStringList lines = CmnReadTextFileLines(path, &read);
    QVERIFY(read);
    const CRows expected{{QStringLiteral("Smith, \"Bo\""), QStringLiteral("First line\nsecond line"), "3"},
                         {QStringLiteral("#1"), QString(), QString()},
                         {QStringLiteral("Smith & Jones <UK>"), QStringLiteral("  padded  "), "0"}};
    // Without a quote character a field with a line break is read back only by a
    // format that the file itself shows to be quoted.
    if (!format.QuoteChar().isNull())
        QCOMPARE(format.ParseRows(lines), expected);
    QCOMPARE(format.ParseHeader(lines),
             (QStringList{reg->GetFieldLabel(kName, false), QStringLiteral("Notes"), QStringLiteral("Litters")}));
    // The import works the format out from the file itself.
    if (!deducible)
        return;
    CCmnCsvFormat deduced;
    deduced.Deduce(lines, QLatin1Char('#'));
    QCOMPARE(deduced.ParseRows(lines), expected);
}

void TestCmnExportTableControllers::noHeaderLineWithoutTheHeaderFlag()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.csv"));
    CCmnCsvFormat format = CommaFormat(true);
    format.SetHeaderFlag(false);
    {
        CCmnExportTableController_CSV controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path, CCmnAutomaticOrCustomTextEncoding(), FormatChoice(format, true)));
        reg->WriteDataRows(controller, Columns({kName, kLitters}));
    }
    const QStringList lines = CmnReadTextFileLines(path);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.constFirst().startsWith(QLatin1String("\"Smith, \"\"Bo\"\"\"")), qPrintable(lines.constFirst()));
    QCOMPARE(format.ParseRows(lines).size(), 3);
}

void TestCmnExportTableControllers::htmlWritesThePreambleAndEscapedCells()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.html"));
    CCmnAutomaticOrCustomTextEncoding encoding;
    encoding.FixCustom(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LOCALE"), 1));
    const CCmnExportCellFormat text{0, 0, -1, QString()};
    {
        CCmnExportTableController_HTML controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path, encoding));
        controller.BeginTable(false, 1, 2);
        controller.BeginHeaderRow();
        controller.AddHeaderCell(text, QString());
        controller.AddHeaderCell(text, QStringLiteral("A & B"));
        controller.EndHeaderRow();
        controller.BeginDataRow();
        controller.AddDataCell(text, QStringLiteral("value"), QString());
        controller.AddDataCell(text, QStringLiteral("value"), QStringLiteral("Smith & Jones <UK>"));
        controller.EndDataRow();
        controller.EndTable();
    }
    const QByteArray expected = "\xEF\xBB\xBF"
                                "<!DOCTYPE HTML PUBLIC\n"
                                "  \"-//W3C//DTD HTML 4.01//EN\"\n"
                                "  \"http://www.w3.org/TR/html4/strict.dtd\">\n"
                                "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf-8\" />"
                                "</head><body><table border='1'>\n"
                                "<tr><th></th><th>A &amp; B</th></tr>\n"
                                "<tr><td>&nbsp;</td><td>Smith &amp; Jones &lt;UK&gt;</td></tr>\n"
                                "</table></body></html>\n";
    QCOMPARE(FileBytes(path), expected);
}

void TestCmnExportTableControllers::spreadsheetOfTextColumnsHasOnlyTheDefaultStyle()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.xml"));
    {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path));
        reg->WriteDataRows(controller, Columns({kName, kNotes}));
    }
    const CSpreadsheet sheet = ReadSpreadsheet(path);
    QCOMPARE(sheet.m_Error, QString());
    QCOMPARE(sheet.m_Styles, QStringList{QStringLiteral("Default")});
    QCOMPARE(sheet.m_Columns, QStringList());
    QCOMPARE(sheet.m_Rows.size(), 4);
    QCOMPARE(sheet.m_Rows.at(3), (QStringList{"String:Smith & Jones <UK>", "String:  padded  "}));
}

void TestCmnExportTableControllers::spreadsheetSharesNumberStylesAndWritesIsoDates()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    // A date known only to the year has no ISO date of a day.
    const int yearOnly = AddAnimal(*reg, QStringLiteral("Dawn"), 0);
    ReplaceWith(*reg, yearOnly, [](CBioRegRecord &record) {
        record.SetValue(kBorn, CmnRegValueDate,
                        QVariant::fromValue(CCmnDate::Parse("2019", "[[dd/]mm/]yyyy", CmnDateCalendarGregorian)));
    });
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.xml"));
    CCmnRegExportColumns columns = Columns({kName, kCoefficient, kLitters, kShows, kBorn});
    columns.m_DateFormat = QStringLiteral("dd mmm yyyy");
    {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path));
        reg->WriteDataRows(controller, columns);
        controller.Close();
        QCOMPARE(controller.ErrorText(), QString());
    }
    const CSpreadsheet sheet = ReadSpreadsheet(path);
    QCOMPARE(sheet.m_Error, QString());
    QCOMPARE(sheet.m_Styles, (QStringList{"Default", "s62 0.00%", "s63 0", "s64 Short Date"}));
    QCOMPARE(sheet.m_Columns, (QStringList{"2 s62", "3 s63", "4 s63", "5 s64"}));
    QCOMPARE(sheet.m_Rows.at(1).constLast(), QStringLiteral("DateTime:2020-03-15T00:00:00.000"));
    QCOMPARE(sheet.m_Rows.at(1).at(2), QStringLiteral("Number:3"));
    // No value: an empty number or date would be refused by a spreadsheet.
    QCOMPARE(sheet.m_Rows.at(2).mid(2), (QStringList{"String:", "String:", "String:"}));
    QCOMPARE(sheet.m_Rows.at(4).constLast(), QStringLiteral("String:2019"));
}

// An imported text may hold control characters; the spreadsheet must still be
// written, without them, and read back.
void TestCmnExportTableControllers::spreadsheetLeavesOutCharactersXmlCannotHold()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    AddExportAnimal(*reg, QStringLiteral("Bad\u0001Name"), QStringLiteral("one\vtwo\tthree\nfour\uFFFF"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.xml"));
    {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path));
        reg->WriteDataRows(controller, Columns({kName, kNotes}));
        controller.Close();
        QCOMPARE(controller.ErrorText(), QString());
    }
    const CSpreadsheet sheet = ReadSpreadsheet(path);
    QCOMPARE(sheet.m_Error, QString());
    QCOMPARE(sheet.m_Rows.size(), 5);
    QCOMPARE(sheet.m_Rows.at(4), (QStringList{"String:BadName", "String:onetwo\tthree\nfour"}));
}

// A cell in another format than its column's names that format's style; the
// next cell of the column, in the column's format again, names none.
void TestCmnExportTableControllers::spreadsheetCellOutsideItsColumnsFormatNamesItsStyle()
{
    const CCmnExportCellFormat whole{2, 0, -1, QString()};
    const CCmnExportCellFormat text{0, 0, -1, QString()};
    const CCmnExportCellFormat decimal{6, 0, 2, QString()};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.xml"));
    {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        QVERIFY(controller.Open(path));
        controller.AddColumnFormat(whole);
        controller.AddColumnFormat(text);
        QCOMPARE(controller.ColumnFormatIndex(decimal), 2);
        controller.BeginTable(false, 3, 2);
        controller.BeginHeaderRow();
        controller.AddHeaderCell(whole, QStringLiteral("W"));
        controller.AddHeaderCell(text, QStringLiteral("T"));
        controller.EndHeaderRow();
        // Each row: the cells' formats and texts; a third cell lies past the columns.
        const QList<QList<std::pair<CCmnExportCellFormat, QString>>> rows = {
            {{whole, "1"}, {text, "a"}},
            {{decimal, "2.5"}, {whole, "3"}, {decimal, "4.25"}},
            {{whole, "5"}, {text, "b & c"}, {decimal, "6"}},
        };
        for (const auto &row : rows) {
            controller.BeginDataRow();
            for (const auto &[format, value] : row)
                controller.AddDataCell(format, value, value);
            controller.EndDataRow();
        }
        controller.EndTable();
        controller.Close();
        QCOMPARE(controller.ErrorText(), QString());
    }
    const CSpreadsheet sheet = ReadSpreadsheet(path);
    QCOMPARE(sheet.m_Error, QString());
    QCOMPARE(sheet.m_Columns, QStringList{QStringLiteral("1 s62")});
    const CRows expected = {
        {"String:W", "String:T"},
        {"Number:1", "String:a"},
        {"s63 Number:2.5", "s62 Number:3", "s63 Number:4.25"},
        {"Number:5", "String:b & c", "s63 Number:6"},
    };
    QCOMPARE(sheet.m_Rows, expected);
}

void TestCmnExportTableControllers::textDocumentHoldsTheHeaderAndEveryRecord()
{
    const QSharedPointer<CBioReg> reg = NewRegister();
    CCmnExportTableController_TextDocument controller(QStringLiteral("Print Data"), nullptr);
    reg->WriteDataRows(controller, Columns({kName, 999, kLitters}));

    QTextTable *table = FirstTable(controller.Document());
    QVERIFY(table);
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 2);
    const QTextCursor header = table->cellAt(0, 1).firstCursorPosition();
    QCOMPARE(header.block().text(), QStringLiteral("Litters"));
    QCOMPARE(header.charFormat().fontWeight(), int(QFont::Bold));
    const QTextCursor cell = table->cellAt(3, 0).firstCursorPosition();
    QCOMPARE(cell.block().text(), QStringLiteral("Smith & Jones <UK>"));
}

// The controller's document has no layout of its own; printed, it must give the
// pages that a copy with the toolkit's own layout gives.
void TestCmnExportTableControllers::textDocumentPrintsAsWithTheToolkitsLayout_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("notesLines");
    QTest::newRow("no records") << QStringList() << 0;
    const QStringList odd{QString(), QStringLiteral("Smith & Jones <UK>"),
                          QStringLiteral("\U0001D50A\u00E9lan \u05D0")};
    QTest::newRow("empty, escaped and non-BMP texts") << odd << 1;
    QStringList many;
    for (int i = 1; i <= 80; ++i)
        many << QStringLiteral("Smith & Jones <UK> %1 of a kennel with a name far too long for its column").arg(i);
    QTest::newRow("rows over several pages") << many << 3;
}

void TestCmnExportTableControllers::textDocumentPrintsAsWithTheToolkitsLayout()
{
    QFETCH(QStringList, names);
    QFETCH(int, notesLines);
    if (!OrvPdfToolsInstalled())
        QSKIP("poppler's tools are not installed");
    auto reg = QSharedPointer<CBioReg>::create(FieldsSettings());
    const QString notes = QStringLiteral("note line\n").repeated(notesLines);
    for (int i = 0; i < names.size(); ++i)
        AddExportAnimal(*reg, names.at(i), notes, i, QStringLiteral("15/03/2020"));
    CCmnExportTableController_TextDocument controller(QStringLiteral("Print Data"), nullptr);
    reg->WriteDataRows(controller, Columns({kName, kNotes, kLitters, kBorn}));
    const std::unique_ptr<QTextDocument> copy(controller.Document()->clone());

    QTemporaryDir folder;
    CCmnPrinter printer(QPrinter::HighResolution);
    QStringList pages;
    QList<QImage> firstPages;
    for (QTextDocument *document : {controller.Document(), copy.get()}) {
        const QString path = folder.filePath(QStringLiteral("%1.pdf").arg(pages.size()));
        const QString error = CmnWritePdfFile(path, printer.pageLayout(), printer.resolution(), QString(),
                                              [document](QPagedPaintDevice &device) {
                                                  document->print(&device);
                                                  return true;
                                              });
        QCOMPARE(error, QString());
        pages << OrvPdfInfoField(path, QStringLiteral("Pages"));
        firstPages << OrvRenderPdfPage(path, 50);
    }
    QCOMPARE(pages.constFirst(), pages.constLast());
    QVERIFY(!firstPages.constFirst().isNull());
    QCOMPARE(firstPages.constFirst(), firstPages.constLast());
}

void TestCmnExportTableControllers::failedExportKeepsTheOlderFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("errorStart");
    QTest::newRow("unknown codec") << "old.csv" << "no-such-codec" << false << "unknown/invalid codec";
    QTest::newRow("cancelled") << "old.csv" << "UTF-8" << true << "Cancelled";
    QTest::newRow("folder is a file") << "old.csv/new.csv" << "UTF-8" << false << "Cannot open file '";
    QTest::newRow("unwritable folder") << "locked/old.csv" << "UTF-8" << false << "Cannot open file '";
}

void TestCmnExportTableControllers::failedExportKeepsTheOlderFile()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(bool, cancel);
    QFETCH(QString, errorStart);
    const QSharedPointer<CBioReg> reg = NewRegister();
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("locked")));
    const QString older = folder.filePath(name.contains(QLatin1String("locked")) ? name : QStringLiteral("old.csv"));
    QVERIFY(WriteFile(older, "older export\n"));
    const QString locked = folder.filePath(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (name.startsWith(QLatin1String("locked")) && QFileInfo(locked).isWritable())
        QSKIP("the folder stays writable for this user");

    const QString path = folder.filePath(name);
    CCmnAutomaticOrCustomTextEncoding encoding;
    encoding.FixCustom(CCmnTextEncoding(codec, QStringLiteral("LF"), 0));
    QString error;
    {
        CCmnExportTableController_CSV controller(QStringLiteral("Export"), nullptr);
        if (controller.Open(path, encoding, FormatChoice(CommaFormat(true), false))) {
            CStopAtOnce stop;
            reg->WriteDataRows(controller, Columns({kName}), cancel ? &stop : nullptr);
        }
        controller.Close();
        error = controller.ErrorText();
    }
    QVERIFY2(error.startsWith(errorStart), qPrintable(error));
    if (errorStart.startsWith(QLatin1String("Cannot")))
        QVERIFY2(error.contains(path), qPrintable(error));
    QCOMPARE(FileBytes(older), QByteArray("older export\n"));
    QCOMPARE(QFileInfo(older).dir().entryList(QDir::Files), QStringList{QStringLiteral("old.csv")});
}

QTEST_MAIN(TestCmnExportTableControllers)
#include "tst_cmnexporttablecontrollers.moc"
