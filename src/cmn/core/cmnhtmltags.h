#pragma once

#include <QList>
#include <QString>

#include <utility>

// Builders of HTML elements, so that every rich text of the program spells tags,
// attributes and line breaks the same way. Contents are inserted as they are:
// callers escape plain text with CmnHtmlEscape first.

// (name, value) pairs written in list order. A pair named "!" is raw text: its
// value is written as it is, without a name, "=" or quotes.
using CCmnHtmlAttributes = QList<std::pair<QString, QString>>;

// "<tag name='value' ...>". Values are written in single quotes, so an apostrophe
// in a value is written as "&#39;"; nothing else of a value is changed.
QString CmnHtmlOpenTag(const CCmnHtmlAttributes &attributes, const QString &tag);

// The open tag, the content and the closing tag.
QString CmnHtmlElement(const CCmnHtmlAttributes &attributes, const QString &tag,
                       const QString &content);

// "<tag name='value'/>", no blank before the slash.
QString CmnHtmlSelfClosingElement(const CCmnHtmlAttributes &attributes, const QString &tag);

QString CmnHtmlStartTag(const QString &tag); // "<tag>"
QString CmnHtmlCloseTag(const QString &tag); // "</tag>"

QString CmnHtmlBold(const QString &content);
QString CmnHtmlBoldWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content);
QString CmnHtmlItalic(const QString &content);
QString CmnHtmlItalicWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content);
QString CmnHtmlUnderline(const QString &content);
QString CmnHtmlUnderlineWithAttributes(const CCmnHtmlAttributes &attributes,
                                       const QString &content);
QString CmnHtmlCentre(const QString &content);
QString CmnHtmlCentreWithAttributes(const CCmnHtmlAttributes &attributes, const QString &content);
QString CmnHtmlSpan(const CCmnHtmlAttributes &attributes, const QString &content);
QString CmnHtmlBulletList(const QString &content);
QString CmnHtmlBulletListWithAttributes(const CCmnHtmlAttributes &attributes,
                                        const QString &content);

// List items and paragraphs are followed by one blank.
QString CmnHtmlListItem(const QString &content);
QString CmnHtmlListItemWithAttributes(const CCmnHtmlAttributes &attributes,
                                      const QString &content);
QString CmnHtmlParagraph(const QString &content);
QString CmnHtmlParagraphWithAttributes(const CCmnHtmlAttributes &attributes,
                                       const QString &content);

QString CmnHtmlLineBreak(); // "<br/>"
QString CmnHtmlLineBreakWithAttributes(const CCmnHtmlAttributes &attributes);

// The fixed fragments of the box-text format tags; tags need not be balanced there,
// so start and end come separately.
QString CmnHtmlBoldStart();
QString CmnHtmlBoldEnd();
QString CmnHtmlItalicStart();
QString CmnHtmlItalicEnd();
QString CmnHtmlUnderlineStart();
QString CmnHtmlUnderlineEnd();
QString CmnHtmlSpanEnd();

// "<span style='font-size:Npx;'>" with N = baseSize * percentage / 100, truncated
// toward zero. N is worked out in 64 bits and held to the 32-bit range, so that a
// hostile percentage cannot overflow.
QString CmnHtmlFontSizeSpanStart(qint32 baseSize, qint32 percentage);

// The same with the percentage as text, trimmed and read as a decimal integer; a
// text that is not a 32-bit integer counts as 0.
QString CmnHtmlFontSizeSpanStartText(qint32 baseSize, const QString &percentage);
