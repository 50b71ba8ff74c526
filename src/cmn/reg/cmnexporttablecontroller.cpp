#include "cmnexporttablecontroller.h"

CCmnExportTableController::CCmnExportTableController(const QString &title, QWidget *parent)
    : m_Parent(parent)
    , m_Title(title)
{
}

CCmnExportTableController::~CCmnExportTableController() = default;

bool CCmnExportTableController::NeedsColumnFormats() const
{
    return false;
}

void CCmnExportTableController::AddColumnFormat(const CCmnExportCellFormat &) {}

int CCmnExportTableController::ColumnFormatIndex(const CCmnExportCellFormat &)
{
    return 0;
}

void CCmnExportTableController::BeginTable(bool, int, int) {}
void CCmnExportTableController::AddPlainHeaderCell(const QString &) {}
void CCmnExportTableController::BeginHeaderRow() {}
void CCmnExportTableController::AddHeaderCell(const CCmnExportCellFormat &, const QString &) {}
void CCmnExportTableController::EndHeaderRow() {}
void CCmnExportTableController::HeaderRowsDone() {}
void CCmnExportTableController::BeginDataRow() {}
void CCmnExportTableController::AddDataCell(const CCmnExportCellFormat &, const QString &, const QString &) {}
void CCmnExportTableController::EndDataRow() {}
void CCmnExportTableController::DataRowsDone() {}
void CCmnExportTableController::EndTable() {}

QString CCmnExportTableController::ValueDateFormat() const
{
    return QString();
}

void CCmnExportTableController::SetErrorText(const QString &text)
{
    if (m_ErrorText.isEmpty())
        m_ErrorText = text;
}
