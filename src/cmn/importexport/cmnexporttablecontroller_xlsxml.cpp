#include "cmnexporttablecontroller_xlsxml.h"

#include "cmnfilenames.h"

#include <QFileDevice>
#include <QXmlStreamWriter>

#include <cstring>

namespace {

const QString kSpreadsheetNamespace = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");

// The style names of the spreadsheet format begin after those it names itself.
constexpr int kFirstStyleNumber = 61;

// The pieces of the data rows, as the XML writer indents them under the open
// Table element (four blanks a level).
constexpr std::string_view kRowStart = "\n            <Row>";
constexpr std::string_view kRowEnd = "\n            </Row>";
constexpr std::string_view kCellStart = "\n                <Cell";
constexpr std::string_view kStyleAttribute = " ss:StyleID=\"";
constexpr std::string_view kDataStart = ">\n                    <Data ss:Type=\"";
constexpr std::string_view kTypeEnd = "\">";

// A data cell's markup around its text, by type: the type's name for a cell
// with a style of its own, and the whole opening for the usual cell.
struct SCellMarkup
{
    std::string_view m_Type;
    std::string_view m_Start;
    std::string_view m_End;
};
constexpr SCellMarkup kStringCell{"String", "\n                <Cell>\n                    <Data ss:Type=\"String\">",
                                  "</Data>\n                </Cell>"};
constexpr SCellMarkup kNumberCell{"Number", "\n                <Cell>\n                    <Data ss:Type=\"Number\">",
                                  "</Data>\n                </Cell>"};
constexpr SCellMarkup kDateCell{"DateTime",
                                "\n                <Cell>\n                    <Data ss:Type=\"DateTime\">",
                                "T00:00:00.000</Data>\n                </Cell>"};

char *Put(char *out, std::string_view bytes)
{
    std::memcpy(out, bytes.data(), bytes.size());
    return out + bytes.size();
}

// Inline, so that the markup's lengths are constants and each piece a few
// moves: copied by a length known only at run time, the markup of the usual
// cell cost more than its text.
[[gnu::always_inline]] inline void AppendCell(CCmnByteWriter &bytes, const std::string &styledStart,
                                              const SCellMarkup &markup, QStringView text)
{
    if (!styledStart.empty()) {
        bytes.Append(styledStart);
        bytes.Append(markup.m_Type);
        bytes.Append(kTypeEnd);
        bytes.AppendXmlText(text);
        bytes.Append(markup.m_End);
        return;
    }
    char *out = Put(bytes.Reserve(qsizetype(markup.m_Start.size() + markup.m_End.size()) + text.size()),
                    markup.m_Start);
    const qsizetype plain = CCmnByteWriter::CopyPlainXmlAscii(text, out);
    if (plain == text.size()) {
        bytes.Commit(Put(out + plain, markup.m_End));
        return;
    }
    bytes.Commit(out + plain);
    bytes.AppendXmlText(text.sliced(plain));
    bytes.Append(markup.m_End);
}

// What a date cell holds when the date is whole: "yyyy-mm-dd".
bool IsIsoDate(QStringView text)
{
    if (text.size() != 10)
        return false;
    const char16_t *const units = text.utf16();
    for (qsizetype i = 0; i < 10; ++i) {
        const char16_t u = units[i];
        if (i == 4 || i == 7 ? u != u'-' : !(char16_t(u - u'0') < 10 || (u >= 0x80 && QChar::isDigit(u))))
            return false;
    }
    return true;
}

QString StyleId(int index)
{
    return QStringLiteral("s%1").arg(index + kFirstStyleNumber);
}

QString NumberFormat(const CCmnExportCellFormat &format, int numberDecimals, int percentDecimals)
{
    switch (format.m_Kind) {
    case 6:
    case 7:
        if (format.m_Int1 == 1)
            return QStringLiteral("0.") + QString(percentDecimals, QLatin1Char('0')) + QLatin1Char('%');
        return QStringLiteral("0.") + QString(numberDecimals, QLatin1Char('0'));
    case 8:
        return QStringLiteral("Short Date");
    case 2:
    case 3:
    case 4:
    case 5:
        return QStringLiteral("0");
    default:
        return QString();
    }
}

} // namespace

CCmnExportTableController_XLSXML::CCmnExportTableController_XLSXML(const QString &title, QWidget *parent)
    : CCmnExportTableController_TextFile(title, parent)
{
}

CCmnExportTableController_XLSXML::~CCmnExportTableController_XLSXML()
{
    // The file is put in place with everything the XML writer holds.
    Close();
}

bool CCmnExportTableController_XLSXML::Open(const QString &fileName)
{
    CCmnAutomaticOrCustomTextEncoding encoding;
    encoding.SetDeduced(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LF"), 0));
    if (!CCmnExportTableController_TextFile::Open(fileName, encoding))
        return false;
    m_XmlText.clear();
    m_Bytes.SetDevice(Device());
    m_Xml = std::make_unique<QXmlStreamWriter>(&m_XmlText);
    m_Xml->setAutoFormatting(true);
    m_Formats = {CCmnExportCellFormat{0, 0, -1, QString()}};
    return true;
}

bool CCmnExportTableController_XLSXML::NeedsColumnFormats() const
{
    return true;
}

int CCmnExportTableController_XLSXML::StyleIndex(const CCmnExportCellFormat &format)
{
    switch (format.m_Kind) {
    case 0:
    case 1:
    case 9:
    case 10:
        return 0;
    default:
        return ColumnFormatIndex(format);
    }
}

void CCmnExportTableController_XLSXML::AddColumnFormat(const CCmnExportCellFormat &format)
{
    m_ColumnStyles.append(StyleIndex(format));
    m_DataColumns.emplace_back();
}

int CCmnExportTableController_XLSXML::ColumnFormatIndex(const CCmnExportCellFormat &format)
{
    for (qsizetype i = 0; i < m_Formats.size(); ++i) {
        if (SameStyle(m_Formats.at(i), format))
            return int(i);
    }
    m_Formats.append(format);
    return int(m_Formats.size() - 1);
}

void CCmnExportTableController_XLSXML::BeginTable(bool leadingCell, int rows, int columns)
{
    if (!m_Xml)
        return;
    QXmlStreamWriter &xml = *m_Xml;
    // A writer on a text names no encoding, the file is UTF-8: say so, as a
    // writer on the file would.
    m_XmlText += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    xml.writeStartElement(QStringLiteral("Workbook"));
    xml.writeAttribute(QStringLiteral("xmlns"), kSpreadsheetNamespace);
    xml.writeAttribute(QStringLiteral("xmlns:o"), QStringLiteral("urn:schemas-microsoft-com:office:office"));
    xml.writeAttribute(QStringLiteral("xmlns:x"), QStringLiteral("urn:schemas-microsoft-com:office:excel"));
    xml.writeAttribute(QStringLiteral("xmlns:ss"), kSpreadsheetNamespace);
    xml.writeAttribute(QStringLiteral("xmlns:html"), QStringLiteral("http://www.w3.org/TR/REC-html40"));

    xml.writeStartElement(QStringLiteral("Styles"));
    xml.writeStartElement(QStringLiteral("Style"));
    xml.writeAttribute(QStringLiteral("ss:ID"), QStringLiteral("Default"));
    xml.writeAttribute(QStringLiteral("ss:Name"), QStringLiteral("Normal"));
    xml.writeStartElement(QStringLiteral("Alignment"));
    xml.writeAttribute(QStringLiteral("ss:Vertical"), QStringLiteral("Bottom"));
    xml.writeEndElement();
    for (const char *name : {"Borders", "Interior", "NumberFormat", "Protection"})
        xml.writeEmptyElement(QLatin1String(name));
    xml.writeEndElement();
    for (qsizetype i = 1; i < m_Formats.size(); ++i) {
        xml.writeStartElement(QStringLiteral("Style"));
        xml.writeAttribute(QStringLiteral("ss:ID"), StyleId(int(i)));
        xml.writeEmptyElement(QStringLiteral("NumberFormat"));
        const QString number = NumberFormat(m_Formats.at(i), NumberDecimals(), PercentDecimals());
        if (!number.isEmpty())
            xml.writeAttribute(QStringLiteral("ss:Format"), number);
        xml.writeEndElement();
    }
    xml.writeEndElement();

    const int lead = leadingCell ? 1 : 0;
    xml.writeStartElement(QStringLiteral("Worksheet"));
    xml.writeAttribute(QStringLiteral("ss:Name"), QStringLiteral("Sheet1"));
    xml.writeStartElement(QStringLiteral("Table"));
    xml.writeAttribute(QStringLiteral("ss:ExpandedColumnCount"), QString::number(columns + lead));
    xml.writeAttribute(QStringLiteral("ss:ExpandedRowCount"), QString::number(rows + 1));
    xml.writeAttribute(QStringLiteral("x:FullColumns"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("x:FullRows"), QStringLiteral("1"));
    for (qsizetype i = 0; i < m_ColumnStyles.size(); ++i) {
        if (m_ColumnStyles.at(i) == 0)
            continue;
        xml.writeEmptyElement(QStringLiteral("Column"));
        xml.writeAttribute(QStringLiteral("ss:Index"), QString::number(i + 1 + lead));
        xml.writeAttribute(QStringLiteral("ss:StyleID"), StyleId(m_ColumnStyles.at(i)));
    }
    CheckWriter();
}

void CCmnExportTableController_XLSXML::AddPlainHeaderCell(const QString &text)
{
    m_HasLeadingCell = true;
    m_LeadingText = text;
}

void CCmnExportTableController_XLSXML::BeginHeaderRow()
{
    m_HeaderTexts.clear();
    m_HasLeadingCell = false;
}

void CCmnExportTableController_XLSXML::AddHeaderCell(const CCmnExportCellFormat &, const QString &text)
{
    m_HeaderTexts.append(text);
}

void CCmnExportTableController_XLSXML::WriteStringCell(const QString &text)
{
    m_Xml->writeStartElement(QStringLiteral("Cell"));
    m_Xml->writeStartElement(QStringLiteral("Data"));
    m_Xml->writeAttribute(QStringLiteral("ss:Type"), QStringLiteral("String"));
    m_Xml->writeCharacters(CCmnByteWriter::XmlCharacters(text));
    m_Xml->writeEndElement();
    m_Xml->writeEndElement();
}

void CCmnExportTableController_XLSXML::EndHeaderRow()
{
    if (!m_Xml || !ErrorText().isEmpty())
        return;
    m_Xml->writeStartElement(QStringLiteral("Row"));
    if (m_HasLeadingCell)
        WriteStringCell(m_LeadingText);
    for (const QString &text : std::as_const(m_HeaderTexts))
        WriteStringCell(text);
    m_Xml->writeEndElement();
    CheckWriter();
}

void CCmnExportTableController_XLSXML::BeginDataRow()
{
    m_HasLeadingCell = false;
    m_DataColumn = 0;
    if (!m_Xml || !ErrorText().isEmpty())
        return;
    // The XML writer has just closed the header row, so it goes on as if it
    // had written the rows.
    TakeXml();
    m_Bytes.Append(kRowStart);
}

const CCmnExportTableController_XLSXML::SDataColumn &
CCmnExportTableController_XLSXML::FindDataColumn(const CCmnExportCellFormat &format)
{
    const bool listed = m_DataColumn < qsizetype(m_DataColumns.size());
    SDataColumn &column = listed ? m_DataColumns[size_t(m_DataColumn)] : m_ExtraColumn;
    if (column.m_Known && SameStyle(column.m_Format, format))
        return column;
    column.m_Known = true;
    column.m_Format = format;
    column.m_StyledStart.clear();
    const int style = StyleIndex(format);
    const int columnStyle = listed ? m_ColumnStyles.at(m_DataColumn) : 0;
    if (style != 0 && style != columnStyle) {
        column.m_StyledStart.append(kCellStart).append(kStyleAttribute);
        column.m_StyledStart.append(StyleId(style).toStdString()).append("\"").append(kDataStart);
    }
    return column;
}

void CCmnExportTableController_XLSXML::AddDataCell(const CCmnExportCellFormat &format, const QString &valueText,
                                                   const QString &)
{
    if (!m_Xml || !ErrorText().isEmpty())
        return;
    const std::string &styledStart = DataColumn(format).m_StyledStart;
    ++m_DataColumn;
    QStringView text = valueText;
    // A number or date cell with no value, or a date known only in part,
    // stays text: a spreadsheet rejects anything else under those types.
    if (format.m_Kind >= 2 && format.m_Kind <= 7 && !text.isEmpty()) {
        AppendCell(m_Bytes, styledStart, kNumberCell, text);
    } else if (format.m_Kind == 8 && IsIsoDate(text)) {
        AppendCell(m_Bytes, styledStart, kDateCell, text);
    } else {
        // A date known only to the month or year leaves its unknown parts empty.
        if (format.m_Kind == 8) {
            while (text.endsWith(QLatin1Char('-')))
                text.chop(1);
        }
        AppendCell(m_Bytes, styledStart, kStringCell, text);
    }
}

void CCmnExportTableController_XLSXML::EndDataRow()
{
    if (!m_Xml || !ErrorText().isEmpty())
        return;
    m_Bytes.Append(kRowEnd);
    CheckWriter();
}

void CCmnExportTableController_XLSXML::EndTable()
{
    if (!m_Xml || !ErrorText().isEmpty())
        return;
    m_Xml->writeEndDocument();
    TakeXml();
    if (!m_Bytes.Flush())
        CheckWriter();
}

QString CCmnExportTableController_XLSXML::ValueDateFormat() const
{
    return QStringLiteral("yyyy-mm-dd");
}

void CCmnExportTableController_XLSXML::CheckWriter()
{
    if ((m_Xml && m_Xml->hasError()) || m_Bytes.Failed())
        SetWriteError(CmnFileErrorText(QFileDevice::WriteError));
}

void CCmnExportTableController_XLSXML::TakeXml()
{
    CheckWriter();
    if (!m_XmlText.isEmpty())
        m_Bytes.AppendUtf8(m_XmlText);
    m_XmlText.resize(0);
}
