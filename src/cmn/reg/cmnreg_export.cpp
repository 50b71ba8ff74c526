// The register written out as a table: its columns, their formats and texts, and
// the writer that drives a table export controller.
#include "cmnreg.h"

#include "cmnexportprogress.h"
#include "cmnexporttablecontroller.h"
#include "cmnframework.h"
#include "cmnregexportcelltexts.h"
#include "cmnregexportcolumns.h"
#include "cmnregrecord.h"
#include "cmnregrecordvaluefinder.h"

#include <vector>

namespace {

constexpr int kUnknownColumn = 10;
constexpr int kDateColumn = 8;

} // namespace

QList<int> CCmnReg::GetExportColumnIds() const
{
    // Asking for the order may tidy the settings: ask a copy.
    CCmnRegFieldsSettings settings = m_FieldsSettings;
    return GetIdentityFieldIds() + settings.GetFieldsForContext(0);
}

CCmnReg::SExportSource CCmnReg::FindExportSource(int fieldId, CCmnExportCellFormat &format) const
{
    // The groups in the order the value texts are asked of them: the first that
    // knows the field gives its type and, row after row, its texts.
    SExportSource source;
    source.m_FieldId = fieldId;
    if (GetIdentityFieldColumnType(fieldId, format)) {
        source.m_Kind = SExportSource::Identity;
    } else if (GetSpecialFieldColumnType(fieldId, format)) {
        source.m_Kind = SExportSource::Special;
    } else if (GetSystemFieldColumnType(fieldId, format)) {
        source.m_Kind = SExportSource::Definition;
        source.m_Def = FindSystemFieldDef(fieldId);
    } else if (GetUserFieldColumnType(fieldId, format)) {
        source.m_Kind = SExportSource::Definition;
        source.m_Def = FindUserFieldDef(fieldId);
    } else {
        format.m_Kind = kUnknownColumn;
    }
    return source;
}

QList<CCmnReg::SExportSource> CCmnReg::FindExportSources(const QList<int> &fieldIds) const
{
    QList<SExportSource> sources;
    sources.reserve(fieldIds.size());
    CCmnExportCellFormat format;
    for (const int id : fieldIds)
        sources.append(FindExportSource(id, format));
    return sources;
}

QList<std::pair<int, int>> CCmnReg::ExportValueFields(const QList<SExportSource> &sources)
{
    QList<std::pair<int, int>> fields;
    fields.reserve(sources.size());
    for (const SExportSource &source : sources) {
        // Only a definition's texts are made from the stored value; a kind no
        // value has keeps the others from looking.
        const bool stored = source.m_Kind == SExportSource::Definition;
        fields.emplace_back(source.m_FieldId, stored ? source.m_Def->ValueKind() : -1);
    }
    return fields;
}

void CCmnReg::MakeCellTexts(const SExportSource &source, int recordId, const QVariant &value,
                            const CCmnExportCellFormat &format, CCmnRegExportCellTexts &texts) const
{
    switch (source.m_Kind) {
    case SExportSource::Identity:
        (void)GetIdentityFieldValueText(recordId, source.m_FieldId, format, texts.NewValue(), texts.NewDisplay());
        break;
    case SExportSource::Special:
        (void)GetSpecialFieldValueText(recordId, source.m_FieldId, format, texts.NewValue(), texts.NewDisplay());
        break;
    case SExportSource::Definition:
        source.m_Def->MakeExportTexts(value, format, texts);
        break;
    case SExportSource::Unknown:
        texts.SetEmpty();
        break;
    }
}

QList<CCmnExportCellFormat> CCmnReg::GetColumnTypes(const QList<int> &fieldIds) const
{
    QList<CCmnExportCellFormat> formats;
    formats.reserve(fieldIds.size());
    for (const int id : fieldIds) {
        CCmnExportCellFormat format{0, 0, -1, CmnDefaultDateInputFormat()};
        (void)FindExportSource(id, format);
        formats.append(format);
    }
    return formats;
}

QList<QPair<QString, QString>> CCmnReg::GetRowTexts(int recordId, const QList<int> &fieldIds,
                                                    const QList<CCmnExportCellFormat> &formats) const
{
    static const QVariant none;
    const QList<SExportSource> sources = FindExportSources(fieldIds);
    const QList<std::pair<int, int>> fields = ExportValueFields(sources);
    const CCmnRegRecord *record = GetRecord(recordId);
    QList<QPair<QString, QString>> texts;
    texts.reserve(fieldIds.size());
    CCmnRegExportCellTexts cell;
    for (qsizetype i = 0; i < fieldIds.size(); ++i) {
        // One record: a value finder would cost more than it saves.
        const QVariant &value = record ? record->GetValue(fields.at(i).first, fields.at(i).second) : none;
        MakeCellTexts(sources.at(i), recordId, value, formats.at(i), cell);
        texts.emplace_back(cell.Value(), cell.Display());
    }
    return texts;
}

QPair<quint64, quint64> CCmnReg::GetFieldContextMask(int fieldId) const
{
    if (IsIdentityField(fieldId))
        return {6, 0};
    const auto maskOf = [](const CCmnRegField &field) {
        return QPair<quint64, quint64>(field.m_Mask.Word(0), field.m_Mask.Word(1));
    };
    for (const CCmnRegField &field : m_FieldsSettings.GetSpecialFields()) {
        if (field.m_Id == fieldId)
            return maskOf(field);
    }
    for (const CCmnRegField &field : m_FieldsSettings.GetSystemFields()) {
        if (field.m_Id == fieldId)
            return maskOf(field);
    }
    for (const auto &item : m_FieldsSettings.GetUserFields().m_Items) {
        if (item.second.m_Id == fieldId)
            return maskOf(item.second);
    }
    return {0, 0};
}

void CCmnReg::WriteDataRows(CCmnExportTableController &controller, const CCmnRegExportColumns &columns,
                            CCmnExportProgress *progress) const
{
    const QList<int> &ids = columns.m_FieldIds;
    QList<CCmnExportCellFormat> formats = GetColumnTypes(ids);
    const QList<SExportSource> sources = FindExportSources(ids);
    const QVector<int> records = GetRecordIds();

    QString dateFormat = controller.ValueDateFormat();
    if (dateFormat.isEmpty())
        dateFormat = columns.m_DateFormat.isEmpty() ? CmnDefaultDateInputFormat() : columns.m_DateFormat;
    int known = 0;
    for (CCmnExportCellFormat &format : formats) {
        if (format.m_Kind == kDateColumn)
            format.m_Text = dateFormat;
        if (format.m_Kind != kUnknownColumn)
            ++known;
    }

    if (controller.NeedsColumnFormats()) {
        for (const CCmnExportCellFormat &format : std::as_const(formats)) {
            if (format.m_Kind != kUnknownColumn)
                controller.AddColumnFormat(format);
        }
    }
    controller.BeginTable(false, int(records.size()), known);
    controller.BeginHeaderRow();
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (formats.at(i).m_Kind != kUnknownColumn)
            controller.AddHeaderCell(formats.at(i), GetFieldLabel(ids.at(i), false));
    }
    controller.EndHeaderRow();
    controller.HeaderRowsDone();

    if (progress)
        progress->Begin(QStringLiteral("Preparing Data"), int(records.size()));
    // One set of texts per column, reused from row to row.
    std::vector<CCmnRegExportCellTexts> cells(size_t(ids.size()), CCmnRegExportCellTexts(true));
    CCmnRegRecordValueFinder values(ExportValueFields(sources));
    // The columns whose texts read more than their value.
    std::vector<qsizetype> prefetched;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const SExportSource &source = sources.at(i);
        if (formats.at(i).m_Kind != kUnknownColumn && source.m_Kind == SExportSource::Definition
            && source.m_Def->HasExportTextsToPrefetch())
            prefetched.push_back(i);
    }
    const auto recordAt = [&](qsizetype row) { return row < records.size() ? GetRecord(records.at(row)) : nullptr; };
    // Memory is asked for a row ahead in three steps, each step's reads found
    // by the step before: where a record keeps its values, the values, then the
    // texts and remembered dates that the values lead to.
    const CCmnRegRecord *record = recordAt(0);
    const CCmnRegRecord *next = recordAt(1);
    const CCmnRegRecord *afterNext = recordAt(2);
    for (qsizetype row = 0; row < records.size() && controller.ErrorText().isEmpty(); ++row) {
        const CCmnRegRecord *third = recordAt(row + 3);
        CCmnRegRecordValueFinder::Prefetch(third, afterNext);
        controller.BeginDataRow();
        // The row begun is still finished, so a stopped table ends on a whole row.
        if (progress && progress->Step(int(row)))
            controller.SetErrorText(QStringLiteral("Cancelled"));
        const int recordId = records.at(row);
        values.SetRecord(record);
        for (const qsizetype i : prefetched) {
            if (const QVariant *coming = values.Peek(next, i))
                sources.at(i).m_Def->PrefetchExportTexts(*coming, cells[size_t(i)]);
        }
        record = next;
        next = afterNext;
        afterNext = third;
        for (qsizetype i = 0; i < ids.size(); ++i) {
            if (formats.at(i).m_Kind == kUnknownColumn)
                continue;
            CCmnRegExportCellTexts &texts = cells[size_t(i)];
            MakeCellTexts(sources.at(i), recordId, values.Value(i), formats.at(i), texts);
            controller.AddDataCell(formats.at(i), texts.Value(), texts.Display());
        }
        controller.EndDataRow();
    }
    if (progress)
        progress->End();
    controller.DataRowsDone();
    controller.EndTable();
}
