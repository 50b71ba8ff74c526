#include "cmnhtmltags.h"

#include <algorithm>
#include <limits>

QString CmnHtmlOpenTag(const CCmnHtmlAttributes &attributes, const QString &tag)
{
    QString result = u'<' + tag;
    for (const auto &[name, value] : attributes) {
        result += u' ';
        if (name == QLatin1String("!")) {
            result += value;
            continue;
        }
        // An apostrophe would end the single-quoted value early and leave the rest
        // of the value to be read as attributes or text.
        QString quoted = value;
        quoted.replace(u'\'', QStringLiteral("&#39;"));
        result += name + QStringLiteral("='") + quoted + u'\'';
    }
    result += u'>';
    return result;
}

QString CmnHtmlElement(const CCmnHtmlAttributes &attributes, const QString &tag,
                       const QString &content)
{
    return CmnHtmlOpenTag(attributes, tag) + content + CmnHtmlCloseTag(tag);
}

QString CmnHtmlSelfClosingElement(const CCmnHtmlAttributes &attributes, const QString &tag)
{
    QString result = CmnHtmlOpenTag(attributes, tag);
    result.chop(1);
    result += QStringLiteral("/>");
    return result;
}

QString CmnHtmlStartTag(const QString &tag)
{
    return u'<' + tag + u'>';
}

QString CmnHtmlCloseTag(const QString &tag)
{
    return QStringLiteral("</") + tag + u'>';
}

QString CmnHtmlBold(const QString &content)
{
    return CmnHtmlBoldWithAttributes({}, content);
}

QString CmnHtmlBoldWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("b"), content);
}

QString CmnHtmlItalic(const QString &content)
{
    return CmnHtmlItalicWithAttributes({}, content);
}

QString CmnHtmlItalicWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("i"), content);
}

QString CmnHtmlUnderline(const QString &content)
{
    return CmnHtmlUnderlineWithAttributes({}, content);
}

QString CmnHtmlUnderlineWithAttributes(const CCmnHtmlAttributes &attributes,
                                       const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("u"), content);
}

QString CmnHtmlCentre(const QString &content)
{
    return CmnHtmlCentreWithAttributes({}, content);
}

QString CmnHtmlCentreWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("center"), content);
}

QString CmnHtmlSpan(const CCmnHtmlAttributes &attributes, const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("span"), content);
}

QString CmnHtmlBulletList(const QString &content)
{
    return CmnHtmlBulletListWithAttributes({}, content);
}

QString CmnHtmlBulletListWithAttributes(const CCmnHtmlAttributes &attributes,
                                        const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("ul"), content);
}

QString CmnHtmlListItem(const QString &content)
{
    return CmnHtmlListItemWithAttributes({}, content);
}

QString CmnHtmlListItemWithAttributes(const CCmnHtmlAttributes &attributes,
                                      const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("li"), content) + u' ';
}

QString CmnHtmlParagraph(const QString &content)
{
    return CmnHtmlParagraphWithAttributes({}, content);
}

QString CmnHtmlParagraphWithAttributes(const CCmnHtmlAttributes &attributes,
                                       const QString &content)
{
    return CmnHtmlElement(attributes, QStringLiteral("p"), content) + u' ';
}

QString CmnHtmlLineBreak()
{
    return QStringLiteral("<br/>");
}

QString CmnHtmlLineBreakWithAttributes(const CCmnHtmlAttributes &attributes)
{
    return CmnHtmlSelfClosingElement(attributes, QStringLiteral("br"));
}

QString CmnHtmlBoldStart()
{
    return CmnHtmlStartTag(QStringLiteral("b"));
}

QString CmnHtmlBoldEnd()
{
    return CmnHtmlCloseTag(QStringLiteral("b"));
}

QString CmnHtmlItalicStart()
{
    return CmnHtmlStartTag(QStringLiteral("i"));
}

QString CmnHtmlItalicEnd()
{
    return CmnHtmlCloseTag(QStringLiteral("i"));
}

QString CmnHtmlUnderlineStart()
{
    return CmnHtmlStartTag(QStringLiteral("u"));
}

QString CmnHtmlUnderlineEnd()
{
    return CmnHtmlCloseTag(QStringLiteral("u"));
}

QString CmnHtmlSpanEnd()
{
    return CmnHtmlCloseTag(QStringLiteral("span"));
}

QString CmnHtmlFontSizeSpanStart(qint32 baseSize, qint32 percentage)
{
    // Both factors fit 32 bits, so their product fits 64; C++ division truncates
    // toward zero.
    const qint64 pixels = std::clamp<qint64>(qint64(baseSize) * percentage / 100,
                                             std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max());
    return CmnHtmlOpenTag({{QStringLiteral("style"),
                            QStringLiteral("font-size:%1px;").arg(pixels)}},
                          QStringLiteral("span"));
}

QString CmnHtmlFontSizeSpanStartText(qint32 baseSize, const QString &percentage)
{
    bool ok = false;
    const qint32 value = percentage.trimmed().toInt(&ok, 10);
    return CmnHtmlFontSizeSpanStart(baseSize, ok ? value : 0);
}
