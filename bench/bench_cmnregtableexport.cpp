// The record table export against the text writer beneath it: the same cell
// texts, already made, written as lines; and the printed table's growth.
#include "benchregister.h"
#include "cmnautomaticorcustomcsvformat.h"
#include "cmnbytewriter.h"
#include "cmnexporttablecontroller_csv.h"
#include "cmnexporttablecontroller_html.h"
#include "cmnexporttablecontroller_textdocument.h"
#include "cmnexporttablecontroller_xlsxml.h"
#include "cmnpagefiles.h"
#include "cmnprinter.h"
#include "cmnregexportcolumns.h"
#include "cmnregfieldssettings.h"
#include "cmntabledocumentprinter.h"
#include "cmntextencoding.h"
#include "cmntextwriter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

using namespace OrvBench;

constexpr int kDateColumnKind = 8;

// The ten fields of the benchmark register, as user fields of their types.
void DefineFields(CCmnReg &reg)
{
    const int types[] = {CmnRegFieldText, CmnRegFieldText, CmnRegFieldText, CmnRegFieldText, CmnRegFieldText,
                         CmnRegFieldInteger, CmnRegFieldNumber, CmnRegFieldPercentage, CmnRegFieldBoolean,
                         CmnRegFieldDate};
    CCmnRegUserFieldSet user;
    CCmnRegFieldContextMask shown;
    shown.SetContext(1, true);
    for (int field = 1; field <= 10; ++field)
        user.AddField(QStringLiteral("Field %1").arg(field),
                      CCmnRegUserField(field, CCmnRegFieldDef(types[field - 1], 0), shown));
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(user);
    reg.SetFieldsSettings(settings, false);
}

struct CFixture
{
    explicit CFixture(int records)
        : m_Reg(MakeRegister(records))
    {
        DefineFields(*m_Reg);
        m_Columns.m_FieldIds = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        // The program's start sets the default date format; the benchmark names one.
        m_Columns.m_DateFormat = QStringLiteral("[[dd/]mm/]yyyy");
        m_Path = m_Folder.filePath(QStringLiteral("out"));
    }

    // The column formats as an export sees them, dates in the export's format.
    QList<CCmnExportCellFormat> ColumnFormats() const
    {
        QList<CCmnExportCellFormat> formats = m_Reg->GetColumnTypes(m_Columns.m_FieldIds);
        for (CCmnExportCellFormat &format : formats) {
            if (format.m_Kind == kDateColumnKind)
                format.m_Text = m_Columns.m_DateFormat;
        }
        return formats;
    }

    std::unique_ptr<CBenchReg> m_Reg;
    CCmnRegExportColumns m_Columns;
    QTemporaryDir m_Folder;
    QString m_Path;
};

CCmnAutomaticOrCustomCsvFormat CommaFormat()
{
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    CCmnAutomaticOrCustomCsvFormat choice;
    choice.SetDeduced(format);
    return choice;
}

// The floor: the table's cell texts, made beforehand, joined and written as lines.
void BM_WriteCellTexts(benchmark::State &state)
{
    CFixture fixture(int(state.range(0)));
    const QList<CCmnExportCellFormat> formats = fixture.ColumnFormats();
    QStringList lines;
    for (const int id : fixture.m_Reg->GetRecordIds()) {
        QStringList cells;
        for (const auto &texts : fixture.m_Reg->GetRowTexts(id, fixture.m_Columns.m_FieldIds, formats))
            cells << texts.second;
        lines << cells.join(QLatin1Char(','));
    }
    for (auto _ : state) {
        QSaveFile file(fixture.m_Path);
        file.open(QIODevice::WriteOnly);
        CCmnTextWriter writer;
        (void)writer.Open(CCmnTextEncoding(), &file);
        for (const QString &line : std::as_const(lines))
            (void)writer.WriteLine(line);
        if (!writer.Close().isEmpty())
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What the register's value texts cost by themselves, in every export.
void BM_RowTexts(benchmark::State &state)
{
    CFixture fixture(int(state.range(0)));
    const QList<CCmnExportCellFormat> formats = fixture.ColumnFormats();
    const QVector<int> ids = fixture.m_Reg->GetRecordIds();
    for (auto _ : state) {
        for (const int id : ids)
            benchmark::DoNotOptimize(fixture.m_Reg->GetRowTexts(id, fixture.m_Columns.m_FieldIds, formats));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

template <class TController>
void Export(benchmark::State &state, const std::function<bool(TController &, const QString &)> &open)
{
    CFixture fixture(int(state.range(0)));
    for (auto _ : state) {
        TController controller(QStringLiteral("Export"), nullptr);
        if (open(controller, fixture.m_Path))
            fixture.m_Reg->WriteDataRows(controller, fixture.m_Columns);
        controller.Close();
        if (!controller.ErrorText().isEmpty())
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ExportCsv(benchmark::State &state)
{
    Export<CCmnExportTableController_CSV>(state, [](CCmnExportTableController_CSV &controller, const QString &path) {
        return controller.Open(path, CCmnAutomaticOrCustomTextEncoding(), CommaFormat());
    });
}

void BM_ExportHtml(benchmark::State &state)
{
    Export<CCmnExportTableController_HTML>(state, [](CCmnExportTableController_HTML &controller,
                                                      const QString &path) {
        CCmnAutomaticOrCustomTextEncoding encoding;
        encoding.FixCustom(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LOCALE"), 1));
        return controller.Open(path, encoding);
    });
}

void BM_ExportXml(benchmark::State &state)
{
    Export<CCmnExportTableController_XLSXML>(state, [](CCmnExportTableController_XLSXML &controller,
                                                        const QString &path) { return controller.Open(path); });
}

// The least the spreadsheet export can cost: its very bytes, made beforehand,
// written a row at a time through a save file and the byte writer it writes with.
void BM_WriteXmlBytes(benchmark::State &state)
{
    CFixture fixture(int(state.range(0)));
    {
        CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), nullptr);
        if (controller.Open(fixture.m_Path))
            fixture.m_Reg->WriteDataRows(controller, fixture.m_Columns);
        controller.Close();
    }
    QFile exported(fixture.m_Path);
    if (!exported.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no export to write");
        return;
    }
    const QByteArray bytes = exported.readAll();
    exported.close();
    std::vector<std::string_view> rows;
    const std::string_view all(bytes.constData(), size_t(bytes.size()));
    constexpr std::string_view kRowEnd = "</Row>";
    for (size_t from = 0; from < all.size();) {
        const size_t end = all.find(kRowEnd, from);
        const size_t next = end == std::string_view::npos ? all.size() : end + kRowEnd.size();
        rows.push_back(all.substr(from, next - from));
        from = next;
    }
    for (auto _ : state) {
        QSaveFile file(fixture.m_Path);
        file.open(QIODevice::WriteOnly);
        CCmnByteWriter writer(&file);
        for (const std::string_view row : rows)
            writer.Append(row);
        if (!writer.Flush() || !file.commit())
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The table document and its PDF, which are built whole in memory.
void BM_ExportPdf(benchmark::State &state)
{
    CFixture fixture(int(state.range(0)));
    for (auto _ : state) {
        CCmnExportTableController_TextDocument controller(QStringLiteral("Export"), nullptr);
        fixture.m_Reg->WriteDataRows(controller, fixture.m_Columns);
        // As the program prints its tables: at screen resolution.
        CCmnPrinter printer(QPrinter::ScreenResolution);
        QTextDocument *document = controller.Document();
        const QString error = CmnWritePdfFile(fixture.m_Path, printer.pageLayout(), printer.resolution(), QString(),
                                              [document](QPagedPaintDevice &device) {
                                                  return CCmnTableDocumentPrinter(*document).Print(device);
                                              });
        if (!error.isEmpty())
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_WriteCellTexts)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RowTexts)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtml)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportXml)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteXmlBytes)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
