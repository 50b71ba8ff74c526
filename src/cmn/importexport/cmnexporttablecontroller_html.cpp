#include "cmnexporttablecontroller_html.h"

#include "cmnhtmlescape.h"

#include <QStringBuilder>

namespace {

// Sized when compiled: a character literal would have its length counted for
// every cell.
constexpr QStringView kHtmlRowStart = u"<tr>";
constexpr QStringView kHtmlRowEnd = u"</tr>";
constexpr QStringView kHtmlCellStart = u"<td>";
constexpr QStringView kHtmlCellEnd = u"</td>";
constexpr QStringView kHtmlEmptyCell = u"&nbsp;";

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
    // The line's memory is kept from row to row.
    m_Line.resize(0);
    m_Line += kHtmlRowStart;
}

void CCmnExportTableController_HTML::AddDataCell(const CCmnExportCellFormat &, const QString &,
                                                 const QString &displayText)
{
    // An empty cell would lose its border in older browsers.
    const QStringView text = displayText.isEmpty() ? kHtmlEmptyCell : QStringView(displayText);
    if (displayText.isEmpty() || !CmnHtmlNeedsEscape(text, false)) {
        // The usual cell, added in one piece: the line grows once.
        m_Line += kHtmlCellStart % text % kHtmlCellEnd;
        return;
    }
    m_Line += kHtmlCellStart;
    CmnAppendHtmlEscaped(m_Line, displayText);
    m_Line += kHtmlCellEnd;
}

void CCmnExportTableController_HTML::EndDataRow()
{
    m_Line += kHtmlRowEnd;
    WriteLine(m_Line);
}

void CCmnExportTableController_HTML::EndTable()
{
    WriteLine(QStringLiteral("</table></body></html>"));
}
