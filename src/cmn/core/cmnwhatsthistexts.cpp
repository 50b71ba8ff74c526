#include "cmnwhatsthistexts.h"

#include "cmntextfile.h"

#include <utility>

namespace {

TCmnWhatsThisTable &WhatsThisTable()
{
    static TCmnWhatsThisTable table;
    return table;
}

QStringList &WhatsThisKeyOrder()
{
    static QStringList order;
    return order;
}

// The parser's state between characters, which carries across line ends.
class CWhatsThisParser
{
public:
    CWhatsThisParser(TCmnWhatsThisTable &table, QStringList *order)
        : m_Table(table)
        , m_Order(order)
    {
    }

    void ParseLine(const QString &line)
    {
        for (const QChar c : line)
            ParseChar(c);
        // The line end reads as one blank; outside a record it is dropped.
        if (m_InBraces)
            m_Directive += QLatin1Char(' ');
        else if (!m_Key.isEmpty())
            m_Text += QLatin1Char(' ');
    }

private:
    void ParseChar(QChar c)
    {
        if (m_InBraces) {
            if (c == QLatin1Char('}')) {
                EndDirective();
                m_InBraces = false;
            } else {
                m_Directive += c;
            }
        } else if (c == QLatin1Char('{')) {
            m_Directive.clear();
            m_InBraces = true;
        } else if (!m_Key.isEmpty()) {
            m_Text += c;
        }
    }

    void EndDirective()
    {
        const QString directive = m_Directive.trimmed();
        if (directive.left(6).toUpper() == QLatin1String("BEGIN ")) {
            m_Key = directive.mid(6);
            m_Text.clear();
            return;
        }
        const QString word = directive.left(4).toUpper();
        if (word != QLatin1String("END") && word != QLatin1String("END "))
            return; // another kind of directive is dropped
        const qsizetype comma = m_Key.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            m_Text += QStringView(m_Key).mid(comma + 1);
            m_Key.truncate(comma);
        }
        if (directive.size() > 4)
            m_Text += QStringView(directive).mid(4);
        if (m_Order && !m_Table.contains(m_Key))
            m_Order->append(m_Key);
        m_Table.insert(m_Key, m_Text);
        m_Key.clear();
    }

    TCmnWhatsThisTable &m_Table;
    QStringList *m_Order;
    QString m_Key;       // the record's key and footer; empty outside a record
    QString m_Text;
    QString m_Directive; // what stands between the braces so far
    bool m_InBraces = false;
};

} // namespace

const TCmnWhatsThisTable &CmnWhatsThisTexts()
{
    return WhatsThisTable();
}

const QStringList &CmnWhatsThisKeyOrder()
{
    return WhatsThisKeyOrder();
}

void CmnLoadWhatsThisTexts()
{
    CmnParseWhatsThisTexts(CmnReadTextFileLines(QStringLiteral(":/WhatsThisDefs.txt")), WhatsThisTable(),
                           &WhatsThisKeyOrder());
}

TCmnWhatsThisTable CmnSetWhatsThisTexts(TCmnWhatsThisTable table)
{
    std::swap(WhatsThisTable(), table);
    WhatsThisKeyOrder().clear();
    return table;
}

void CmnParseWhatsThisTexts(const QStringList &lines, TCmnWhatsThisTable &table, QStringList *order)
{
    CWhatsThisParser parser(table, order);
    for (const QString &line : lines)
        parser.ParseLine(line);
}
