#include "cmnexporttablecontroller_csv.h"

CCmnExportTableController_CSV::CCmnExportTableController_CSV(const QString &title, QWidget *parent)
    : CCmnExportTableController_TextFile(title, parent)
{
}

bool CCmnExportTableController_CSV::Open(const QString &fileName, const CCmnAutomaticOrCustomTextEncoding &encoding,
                                         const CCmnAutomaticOrCustomCsvFormat &format)
{
    m_Format = format;
    return CCmnExportTableController_TextFile::Open(fileName, encoding);
}

void CCmnExportTableController_CSV::AddPlainHeaderCell(const QString &text)
{
    if (Format().HeaderFlag())
        m_Cells.append(text);
}

void CCmnExportTableController_CSV::BeginHeaderRow()
{
    m_Cells.clear();
}

void CCmnExportTableController_CSV::AddHeaderCell(const CCmnExportCellFormat &, const QString &text)
{
    m_Cells.append(text);
}

void CCmnExportTableController_CSV::EndHeaderRow()
{
    if (Format().HeaderFlag())
        WriteLine(Format().JoinFields(m_Cells));
}

void CCmnExportTableController_CSV::BeginDataRow()
{
    m_Line = &BeginLine();
    m_FirstCell = true;
}

void CCmnExportTableController_CSV::AddDataCell(const CCmnExportCellFormat &format, const QString &valueText,
                                                const QString &displayText)
{
    // Numbers go out plain, so that a spreadsheet reads them as numbers.
    const bool number = format.m_Kind >= 2 && format.m_Kind <= 7;
    if (m_Line)
        Format().AppendFieldTo(*m_Line, number ? valueText : displayText, m_FirstCell);
    m_FirstCell = false;
}

void CCmnExportTableController_CSV::EndDataRow()
{
    if (m_Line)
        EndLine();
    m_Line = nullptr;
}
