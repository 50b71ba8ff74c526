#include "cmnhtmltags.h"

#include <QTest>

class TestCmnHtmlTags : public QObject
{
    Q_OBJECT
private slots:
    void openTag_data();
    void openTag();
    void builders_data();
    void builders();
    void fontSizeSpan_data();
    void fontSizeSpan();
};

void TestCmnHtmlTags::openTag_data()
{
    QTest::addColumn<CCmnHtmlAttributes>("attributes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no attributes") << CCmnHtmlAttributes{} << "<td>";
    QTest::newRow("single quotes, list order")
        << CCmnHtmlAttributes{{"style", "color:red"}, {"align", "left"}}
        << "<td style='color:red' align='left'>";
    QTest::newRow("raw attribute") << CCmnHtmlAttributes{{"!", "checked"}} << "<td checked>";
    QTest::newRow("apostrophe in value escaped")
        << CCmnHtmlAttributes{{"title", "O'Neil's"}} << "<td title='O&#39;Neil&#39;s'>";
    QTest::newRow("other characters of a value unchanged")
        << CCmnHtmlAttributes{{"title", "a<b & \"c\""}} << "<td title='a<b & \"c\"'>";
    QTest::newRow("raw attribute written as it is")
        << CCmnHtmlAttributes{{"!", "title='x'"}} << "<td title='x'>";
}

void TestCmnHtmlTags::openTag()
{
    QFETCH(CCmnHtmlAttributes, attributes);
    QFETCH(QString, expected);
    QCOMPARE(CmnHtmlOpenTag(attributes, QStringLiteral("td")), expected);
}

void TestCmnHtmlTags::builders_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const CCmnHtmlAttributes style{{"style", "x"}};
    QTest::newRow("element with raw attribute, content unescaped")
        << CmnHtmlElement({{"style", "color:red"}, {"!", "checked"}}, "td", "x & <y>")
        << "<td style='color:red' checked>x & <y></td>";
    QTest::newRow("self-closing") << CmnHtmlSelfClosingElement({{"src", "p.png"}}, "img")
                                  << "<img src='p.png'/>";
    QTest::newRow("self-closing bare") << CmnHtmlSelfClosingElement({}, "hr") << "<hr/>";
    QTest::newRow("start and close") << CmnHtmlStartTag("x") + CmnHtmlCloseTag("x") << "<x></x>";
    QTest::newRow("bold empty") << CmnHtmlBold("") << "<b></b>";
    QTest::newRow("bold attributes") << CmnHtmlBoldWithAttributes(style, "a")
                                     << "<b style='x'>a</b>";
    QTest::newRow("italic") << CmnHtmlItalic("a") << "<i>a</i>";
    QTest::newRow("italic attributes") << CmnHtmlItalicWithAttributes(style, "a")
                                       << "<i style='x'>a</i>";
    QTest::newRow("underline") << CmnHtmlUnderline("a") << "<u>a</u>";
    QTest::newRow("underline attributes") << CmnHtmlUnderlineWithAttributes(style, "a")
                                          << "<u style='x'>a</u>";
    QTest::newRow("centre") << CmnHtmlCentre("a") << "<center>a</center>";
    QTest::newRow("centre attributes") << CmnHtmlCentreWithAttributes(style, "a")
                                       << "<center style='x'>a</center>";
    QTest::newRow("span") << CmnHtmlSpan(style, "a") << "<span style='x'>a</span>";
    QTest::newRow("list item blank after") << CmnHtmlListItem("a") << "<li>a</li> ";
    QTest::newRow("list item attributes") << CmnHtmlListItemWithAttributes(style, "a")
                                          << "<li style='x'>a</li> ";
    QTest::newRow("paragraph blank after") << CmnHtmlParagraph("a") << "<p>a</p> ";
    QTest::newRow("paragraph attributes") << CmnHtmlParagraphWithAttributes(style, "a")
                                          << "<p style='x'>a</p> ";
    QTest::newRow("bullet list") << CmnHtmlBulletList("a") << "<ul>a</ul>";
    QTest::newRow("bullet list attributes") << CmnHtmlBulletListWithAttributes(style, "a")
                                            << "<ul style='x'>a</ul>";
    QTest::newRow("line break") << CmnHtmlLineBreak() << "<br/>";
    QTest::newRow("line break, built") << CmnHtmlLineBreakWithAttributes({}) << "<br/>";
    QTest::newRow("line break attributes") << CmnHtmlLineBreakWithAttributes({{"!", "clear"}})
                                           << "<br clear/>";
    QTest::newRow("fragments")
        << CmnHtmlBoldStart() + CmnHtmlBoldEnd() + CmnHtmlItalicStart() + CmnHtmlItalicEnd()
               + CmnHtmlUnderlineStart() + CmnHtmlUnderlineEnd() + CmnHtmlSpanEnd()
        << "<b></b><i></i><u></u></span>";
}

void TestCmnHtmlTags::builders()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestCmnHtmlTags::fontSizeSpan_data()
{
    QTest::addColumn<qint32>("baseSize");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<qint32>("pixels");
    QTest::newRow("150 of 20") << 20 << "150" << 30;
    QTest::newRow("trimmed") << 20 << " 120 " << 24;
    QTest::newRow("truncated") << 15 << "10" << 1;
    QTest::newRow("negative truncated toward zero") << 15 << "-10" << -1;
    QTest::newRow("plus sign") << 20 << "+50" << 10;
    QTest::newRow("not a number") << 20 << "abc" << 0;
    QTest::newRow("empty") << 20 << "" << 0;
    QTest::newRow("decimal point") << 20 << "1.5" << 0;
    QTest::newRow("beyond 32 bits counts as 0") << 20 << "99999999999" << 0;
    QTest::newRow("huge product held to 32 bits") << 1000 << "2147483647" << 2147483647;
    QTest::newRow("huge negative held to 32 bits") << 1000 << "-2147483648" << -2147483647 - 1;
}

void TestCmnHtmlTags::fontSizeSpan()
{
    QFETCH(qint32, baseSize);
    QFETCH(QString, percentage);
    QFETCH(qint32, pixels);
    const QString expected = QStringLiteral("<span style='font-size:%1px;'>").arg(pixels);
    QCOMPARE(CmnHtmlFontSizeSpanStartText(baseSize, percentage), expected);
    bool ok = false;
    const qint32 number = percentage.trimmed().toInt(&ok);
    if (ok)
        QCOMPARE(CmnHtmlFontSizeSpanStart(baseSize, number), expected);
}

QTEST_GUILESS_MAIN(TestCmnHtmlTags)
#include "tst_cmnhtmltags.moc"
