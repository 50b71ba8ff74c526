#include "cmnboxmarkup.h"

#include "cmnhtmlescape.h"
#include "cmnhtmltags.h"
#include "cmnstringlist.h"

namespace {

constexpr QChar kPlaceholderOpen = u'[';
constexpr QChar kPlaceholderClose = u']';
constexpr QChar kTagOpen = u'{';
constexpr QChar kTagClose = u'}';

// What every malformed construct shows.
QString Bad()
{
    return QStringLiteral("!");
}

// What follows the "$" or "@" of a list placeholder.
struct CListPlaceholder
{
    bool upperCase = false;
    bool lowerCase = false;
    bool boldLabels = false;
    QString fieldList;
    QString style;
    QString size;
};

// Up to two option letters must follow the "$" or "@" directly; then come the
// field list, the style and the size percentage, separated by blanks outside quotes.
CListPlaceholder ParseListPlaceholder(QString rest)
{
    CListPlaceholder placeholder;
    for (int option = 0; option < 2 && !rest.isEmpty(); ++option) {
        const QChar letter = rest.at(0).toUpper();
        if (letter == u'U')
            placeholder.upperCase = true;
        else if (letter == u'L')
            placeholder.lowerCase = true;
        else if (letter == u'B')
            placeholder.boldLabels = true;
        else
            break;
        rest = rest.mid(1).trimmed();
    }
    const QStringList words = CmnSplitOutsideQuotes(rest, u' ');
    placeholder.fieldList = words.value(0, QStringLiteral("*"));
    placeholder.style = words.value(1, QStringLiteral(","));
    placeholder.size = words.value(2, QStringLiteral("100"));
    return placeholder;
}

bool IsListPlaceholder(const QString &trimmed)
{
    return trimmed.startsWith(u'$') || trimmed.startsWith(u'@');
}

// The names of a field list; a name in quotes (to hold a blank or a comma) is
// given without them.
QStringList SplitNames(const QString &list)
{
    QStringList names = CmnTrimmedStrings(CmnSplitOutsideQuotes(list, u','), false);
    for (QString &name : names) {
        if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') && name.back() == name.front())
            name = name.mid(1, name.size() - 2);
    }
    return names;
}

// The text of a placeholder as the user typed it: the line arrives as HTML, and
// field names are looked up, and labels escaped, as plain text.
QString PlainText(const QString &html)
{
    QString text = html;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QStringList SelectFields(const QString &fieldList, const QStringList &defaultFields)
{
    if (fieldList.isEmpty() || fieldList == u'*')
        return defaultFields;
    if (!fieldList.startsWith(u'!'))
        return SplitNames(fieldList);
    const QStringList excluded = SplitNames(fieldList.mid(1).toUpper());
    QStringList selected;
    for (const QString &name : defaultFields) {
        if (!excluded.contains(name.toUpper()))
            selected.append(name);
    }
    return selected;
}

// One field as a list placeholder prints it.
struct CPrintedField
{
    QString label;
    QStringList values;
};

QString ListPlaceholderToHtml(const QString &trimmed, qint32 baseSize,
                              const QMap<QString, QStringList> &substitutions,
                              const QStringList &defaultFields)
{
    const bool withLabels = trimmed.startsWith(u'$');
    CListPlaceholder placeholder = ParseListPlaceholder(PlainText(trimmed.mid(1)));
    placeholder.style = CmnHtmlEscape(placeholder.style);

    QList<CPrintedField> fields;
    for (const QString &name : SelectFields(placeholder.fieldList, defaultFields)) {
        const auto found = substitutions.constFind(name.toUpper());
        QString label = name;
        QStringList values;
        if (found == substitutions.cend()) {
            values.append(Bad());
        } else if (placeholder.upperCase) {
            label = label.toUpper();
            values = CmnUpperCaseStrings(*found);
        } else if (placeholder.lowerCase) {
            label = label.toLower();
            values = CmnLowerCaseStrings(*found);
        } else {
            values = *found;
        }
        values.removeAll(QString());
        if (values.isEmpty())
            continue;
        label = CmnHtmlEscape(label);
        if (placeholder.boldLabels)
            label = CmnHtmlBold(label);
        fields.append({label, values});
    }
    if (fields.isEmpty())
        return {};

    QString sizeStart;
    QString sizeEnd;
    if (placeholder.size != QLatin1String("100")) {
        sizeStart = CmnHtmlFontSizeSpanStartText(baseSize, placeholder.size);
        sizeEnd = CmnHtmlSpanEnd();
    }

    const QString &style = placeholder.style;
    QString html;
    if (style == QLatin1String("T") || style == QLatin1String("TB")) {
        const qint32 quarter = baseSize / 4;
        const qint32 half = baseSize / 2;
        const QString tableTag = QStringLiteral("table");
        const QString cellTag = QStringLiteral("td");
        const QString styleName = QStringLiteral("style");
        html += style == QLatin1String("TB")
                    ? CmnHtmlOpenTag({{QStringLiteral("border"), QStringLiteral("1")}}, tableTag)
                    : CmnHtmlStartTag(tableTag);
        const CCmnHtmlAttributes valueCell = {
            {styleName,
             QStringLiteral("padding-right: %1; padding-left: %2;").arg(quarter).arg(half)}};
        for (const CPrintedField &field : std::as_const(fields)) {
            CCmnHtmlAttributes labelCell = {
                {styleName,
                 QStringLiteral("padding-left: %1; padding-right: %2;").arg(quarter).arg(half)}};
            if (field.values.size() > 1)
                labelCell.append({QStringLiteral("rowspan"), QString::number(field.values.size())});
            html += QStringLiteral("<tr>") + CmnHtmlOpenTag(labelCell, cellTag);
            html += withLabels ? sizeStart + field.label + sizeEnd : QStringLiteral("&bull;");
            html += CmnHtmlCloseTag(cellTag);
            for (qsizetype i = 0; i < field.values.size(); ++i) {
                if (i > 0)
                    html += QStringLiteral("</tr><tr>");
                html += CmnHtmlElement(valueCell, cellTag, sizeStart + field.values.at(i) + sizeEnd);
            }
            html += QStringLiteral("</tr>");
        }
        html += CmnHtmlCloseTag(tableTag);
        return html;
    }

    const bool lines = style == QLatin1String("L") || style == QLatin1String("UL")
                       || style == QLatin1String("OL");
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k == 0)
            html += sizeStart;
        else if (lines)
            html += CmnHtmlLineBreak();
        else
            html += style + u' ';
        if (style == QLatin1String("UL"))
            html += QStringLiteral("&bull;&nbsp;");
        else if (style == QLatin1String("OL"))
            html += QString::number(k + 1) + QStringLiteral(". ");
        if (withLabels)
            html += fields.at(k).label + QStringLiteral(": ");
        html += fields.at(k).values.join(CmnHtmlLineBreak());
    }
    html += sizeEnd;
    return html;
}

QString PlaceholderToHtml(const QString &text, qint32 baseSize,
                          const QMap<QString, QStringList> &substitutions,
                          const QStringList &defaultFields)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Bad();
    if (IsListPlaceholder(trimmed))
        return ListPlaceholderToHtml(trimmed, baseSize, substitutions, defaultFields);
    const auto found = substitutions.constFind(trimmed.toUpper());
    if (found == substitutions.cend())
        return Bad();
    return CmnJoinNonEmpty(*found, QStringLiteral(", "));
}

QString TagToHtml(const QString &text, qint32 baseSize)
{
    // Not trimmed: "{ B}" and "{S120}" are mistakes the user should see.
    const QString tag = text.toUpper();
    if (tag == u'B')
        return CmnHtmlBoldStart();
    if (tag == QLatin1String("/B"))
        return CmnHtmlBoldEnd();
    if (tag == u'I')
        return CmnHtmlItalicStart();
    if (tag == QLatin1String("/I"))
        return CmnHtmlItalicEnd();
    if (tag == u'U')
        return CmnHtmlUnderlineStart();
    if (tag == QLatin1String("/U"))
        return CmnHtmlUnderlineEnd();
    if (tag.startsWith(QLatin1String("S ")))
        return CmnHtmlFontSizeSpanStartText(baseSize, tag.mid(2));
    if (tag == QLatin1String("/S"))
        return CmnHtmlSpanEnd();
    return Bad();
}

// Calls construct(inner text) for each open...close construct of the text, left to
// right, and returns the text between them with each construct replaced. An
// unclosed opener gives "!" and drops the rest of the text. Every step moves past
// a closer, so the walk ends after at most one pass over the text.
template <typename Replace>
QString ReplaceConstructs(const QString &text, QChar open, QChar close, Replace construct)
{
    QString out;
    qsizetype p = 0;
    for (;;) {
        const qsizetype start = text.indexOf(open, p);
        if (start < 0) {
            out += QStringView(text).mid(p);
            return out;
        }
        out += QStringView(text).mid(p, start - p);
        const qsizetype end = text.indexOf(close, start + 1);
        if (end < 0) {
            out += Bad();
            return out;
        }
        out += construct(text.mid(start + 1, end - start - 1));
        p = end + 1;
    }
}

} // namespace

QString CmnBoxMarkupToHtml(const QString &line, qint32 baseSize,
                           const QMap<QString, QStringList> &substitutions,
                           const QStringList &defaultFields)
{
    // Tags are read after substitution, so braces inside values act as tags while
    // brackets inside values stay text.
    const QString substituted =
        ReplaceConstructs(line, kPlaceholderOpen, kPlaceholderClose, [&](const QString &inner) {
            return PlaceholderToHtml(inner, baseSize, substitutions, defaultFields);
        });
    return ReplaceConstructs(substituted, kTagOpen, kTagClose,
                             [&](const QString &inner) { return TagToHtml(inner, baseSize); });
}

CCmnFieldReferences CmnParseFieldReferences(const QString &text)
{
    CCmnFieldReferences references;
    QStringList names;
    ReplaceConstructs(text, kPlaceholderOpen, kPlaceholderClose, [&](const QString &inner) {
        const QString trimmed = inner.trimmed();
        if (trimmed.isEmpty())
            return QString();
        if (!IsListPlaceholder(trimmed)) {
            names.append(trimmed.toUpper());
            return QString();
        }
        const QString fieldList = ParseListPlaceholder(trimmed.mid(1)).fieldList;
        if (fieldList == u'*' || fieldList.startsWith(u'!'))
            references.allFields = true;
        else
            names.append(SplitNames(fieldList.toUpper()));
        return QString();
    });
    for (const QString &name : std::as_const(names))
        references.names.insert(name.section(u'-', 0, 0));
    return references;
}
