// The register written out as a table: its columns, their formats and texts, and
// the writer that drives a table export controller.
#include "cmnreg.h"

#include "cmnexportprogress.h"
#include "cmnexporttablecontroller.h"
#include "cmnframework.h"
#include "cmnregexportcolumns.h"

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

QList<CCmnExportCellFormat> CCmnReg::GetColumnTypes(const QList<int> &fieldIds) const
{
    QList<CCmnExportCellFormat> formats;
    formats.reserve(fieldIds.size());
    for (const int id : fieldIds) {
        CCmnExportCellFormat format{0, 0, -1, CmnDefaultDateInputFormat()};
        if (!GetIdentityFieldColumnType(id, format) && !GetSpecialFieldColumnType(id, format)
            && !GetSystemFieldColumnType(id, format) && !GetUserFieldColumnType(id, format))
            format.m_Kind = kUnknownColumn;
        formats.append(format);
    }
    return formats;
}

QList<QPair<QString, QString>> CCmnReg::GetRowTexts(int recordId, const QList<int> &fieldIds,
                                                    const QList<CCmnExportCellFormat> &formats) const
{
    QList<QPair<QString, QString>> texts;
    texts.reserve(fieldIds.size());
    for (qsizetype i = 0; i < fieldIds.size(); ++i) {
        const int id = fieldIds.at(i);
        const CCmnExportCellFormat &format = formats.at(i);
        QString value;
        QString display;
        if (!GetIdentityFieldValueText(recordId, id, format, value, display)
            && !GetSpecialFieldValueText(recordId, id, format, value, display)
            && !GetSystemFieldValueText(recordId, id, format, value, display)
            && !GetUserFieldValueText(recordId, id, format, value, display)) {
            value.clear();
            display.clear();
        }
        texts.emplace_back(std::move(value), std::move(display));
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
    for (qsizetype row = 0; row < records.size() && controller.ErrorText().isEmpty(); ++row) {
        controller.BeginDataRow();
        // The row begun is still finished, so a stopped table ends on a whole row.
        if (progress && progress->Step(int(row)))
            controller.SetErrorText(QStringLiteral("Cancelled"));
        const QList<QPair<QString, QString>> texts = GetRowTexts(records.at(row), ids, formats);
        for (qsizetype i = 0; i < ids.size(); ++i) {
            if (formats.at(i).m_Kind != kUnknownColumn)
                controller.AddDataCell(formats.at(i), texts.at(i).first, texts.at(i).second);
        }
        controller.EndDataRow();
    }
    if (progress)
        progress->End();
    controller.DataRowsDone();
    controller.EndTable();
}
