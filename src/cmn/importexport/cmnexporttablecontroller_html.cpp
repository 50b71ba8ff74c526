#include "cmnexporttablecontroller_html.h"

#include "cmnhtmlescape.h"

#include <string_view>

namespace {

// Sized when compiled: a character literal would have its length counted for
// every cell.
constexpr std::string_view kHtmlRowStart = "<tr>";
constexpr std::string_view kHtmlRowEnd = "</tr>";
constexpr std::string_view kHtmlCellStart = "<td>";
constexpr std::string_view kHtmlNextCell = "</td><td>";
constexpr std::string_view kHtmlLastCellEnd = "</td></tr>";
constexpr std::string_view kHtmlEmptyCell = "&nbsp;";

} // namespace

CCmnExportTableController_HTML::CCmnExportTableController_HTML(const QString &title, QWidget *parent)
    : CCmnExportTableController_TextFile(title, parent)
{
}

void CCmnExportTableController_HTML::BeginTable(bool, int, int)
{
    WriteLine(QStringLiteral("<!DOCTYPE HTML PUBLIC"));
    WriteLine(QStringLiteral("  \"-//W3C//DTD HTML 4.01//EN\""));
    WriteLine(QStringLiteral("  \"http://www.w3.org/TR/html4/strict.dtd\">"));
    WriteLine(QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf-8\" />"
                             "</head><body><table border='1'>"));
}

void CCmnExportTableController_HTML::AddPlainHeaderCell(const QString &text)
{
    m_Cells.append(text);
}

void CCmnExportTableController_HTML::BeginHeaderRow()
{
    m_Cells.clear();
}

void CCmnExportTableController_HTML::AddHeaderCell(const CCmnExportCellFormat &, const QString &text)
{
    m_Cells.append(text);
}

void CCmnExportTableController_HTML::EndHeaderRow()
{
    QString line = QStringLiteral("<tr>");
    for (const QString &text : std::as_const(m_Cells))
        line += QStringLiteral("<th>") + CmnHtmlEscape(text) + QStringLiteral("</th>");
    WriteLine(line + QStringLiteral("</tr>"));
}

void CCmnExportTableController_HTML::BeginDataRow()
{
    m_Line = &BeginLine();
    m_Line->AppendMarkup(kHtmlRowStart);
    m_CellOpen = false;
}

void CCmnExportTableController_HTML::AddDataCell(const CCmnExportCellFormat &, const QString &,
                                                 const QString &displayText)
{
    if (!m_Line)
        return;
    CCmnExportLineWriter &line = *m_Line;
    // A cell's end goes in with the next cell's start. Apart, each markup's
    // size is known where it is copied.
    if (m_CellOpen)
        line.AppendMarkup(kHtmlNextCell);
    else
        line.AppendMarkup(kHtmlCellStart);
    m_CellOpen = true;
    // An empty cell would lose its border in older browsers.
    if (displayText.isEmpty())
        line.AppendMarkup(kHtmlEmptyCell);
    else
        CmnAppendHtmlEscaped(line, displayText);
}

void CCmnExportTableController_HTML::EndDataRow()
{
    if (!m_Line)
        return;
    m_Line->AppendMarkup(m_CellOpen ? kHtmlLastCellEnd : kHtmlRowEnd);
    EndLine();
    m_Line = nullptr;
}

void CCmnExportTableController_HTML::EndTable()
{
    WriteLine(QStringLiteral("</table></body></html>"));
}
