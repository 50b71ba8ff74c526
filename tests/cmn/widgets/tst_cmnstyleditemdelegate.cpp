#include "cmnstyleditemdelegate.h"

#include "paintrecorder.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTest>

namespace {

const QChar kLineSeparator = QChar::LineSeparator;
const QChar kEllipsis(0x2026);

QFont TestFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// Each group and role its own colour, so that a test sees which one was taken.
QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0x10, 0x10, 0x10));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, QColor(0xe0, 0xe0, 0xe0));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(0xd0, 0xd0, 0xd0));
    return palette;
}

// What a view hands its delegate for one cell.
QStyleOptionViewItem CellOption(const QRect &rect, QStyle::State state = QStyle::State_Enabled
                                                                          | QStyle::State_Active)
{
    QStyleOptionViewItem option;
    option.rect = rect;
    option.state = state;
    option.font = TestFont();
    option.fontMetrics = QFontMetrics(option.font);
    option.palette = TestPalette();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    return option;
}

// A one-cell model whose cell holds the value and the attribute map.
struct SCell
{
    explicit SCell(const QVariant &value, const QVariantMap &attributes = {})
    {
        auto *item = new QStandardItem;
        item->setData(value, Qt::DisplayRole);
        if (!attributes.isEmpty())
            item->setData(attributes, CCmnStyledItemDelegate::AttributesRole);
        model.appendRow(item);
    }
    QModelIndex Index() const { return model.index(0, 0); }

    QStandardItemModel model;
};

QList<CPaintRecorder::SText> PaintCell(const CCmnStyledItemDelegate &delegate, const SCell &cell,
                                       const QStyleOptionViewItem &option,
                                       CPaintRecorder &recorder)
{
    QPainter painter(&recorder);
    delegate.paint(&painter, option, cell.Index());
    painter.end();
    return recorder.Texts();
}

QList<CPaintRecorder::SFill> HatchFills(const CPaintRecorder &recorder)
{
    QList<CPaintRecorder::SFill> fills;
    for (const CPaintRecorder::SFill &fill : recorder.Fills()) {
        if (fill.m_Brush.style() != Qt::NoBrush)
            fills.append(fill);
    }
    return fills;
}

} // namespace

class TestCmnStyledItemDelegate : public QObject
{
    Q_OBJECT
private slots:
    void displayText_data();
    void displayText();
    void displayTextForIndexUsesTheModelValue();
    void paintsEveryKindIntoAnImage_data();
    void paintsEveryKindIntoAnImage();
    void textColour_data();
    void textColour();
    void hatchesTheCell_data();
    void hatchesTheCell();
    void drawsDecorationAfterText();
    void ignoresDecorationOfAnotherType();
    void elidesTextTooWideForTheCell();
    void showsOnlyTheFirstLine();
    void widthSampleAlignsRightEdges();
    void placesTextByAlignment_data();
    void placesTextByAlignment();
};

void TestCmnStyledItemDelegate::displayText_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("percentDecimals");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    using D = CCmnStyledItemDelegate;
    QTest::newRow("percent, 1 decimal") << int(D::ShowPercent) << 1 << 3 << QVariant(0.125) << "12.5%";
    QTest::newRow("percent, default decimals") << int(D::ShowPercent) << 2 << 3 << QVariant(0.5) << "50.00%";
    QTest::newRow("percent of an integer") << int(D::ShowPercent) << 0 << 3 << QVariant(2) << "200%";
    QTest::newRow("percent before fraction")
        << int(D::ShowPercent | D::ShowFraction) << 2 << 3 << QVariant(0.25) << "25.00%";
    QTest::newRow("fraction") << int(D::ShowFraction) << 2 << 3 << QVariant(2.5) << "2 + 1/2";
    QTest::newRow("fraction, negative") << int(D::ShowFraction) << 2 << 3 << QVariant(-0.75) << "-3/4";
    QTest::newRow("fraction, whole") << int(D::ShowFraction) << 2 << 3 << QVariant(3) << "3";
    QTest::newRow("fraction, third") << int(D::ShowFraction) << 2 << 3 << QVariant(1.0 / 3.0) << "1/3";
    QTest::newRow("double") << 0 << 2 << 3 << QVariant(1.5) << "1.500";
    QTest::newRow("double, 2 decimals") << 0 << 2 << 2 << QVariant(3.14159) << "3.14";
    QTest::newRow("float") << 0 << 2 << 3 << QVariant(0.25f) << "0.250";
    QTest::newRow("double before thousands") << int(D::ShowThousands) << 2 << 1 << QVariant(1234.5) << "1234.5";
    QTest::newRow("thousands") << int(D::ShowThousands) << 2 << 3 << QVariant(1234567) << "1,234,567";
    QTest::newRow("thousands, 64-bit")
        << int(D::ShowThousands) << 2 << 3 << QVariant(Q_INT64_C(9876543210)) << "9,876,543,210";
    QTest::newRow("thousands, small") << int(D::ShowThousands) << 2 << 3 << QVariant(999) << "999";
    QTest::newRow("thousands of a numeric text")
        << int(D::ShowThousands) << 2 << 3 << QVariant(QStringLiteral("4096")) << "4,096";
    QTest::newRow("integer without flags") << 0 << 2 << 3 << QVariant(1234567) << "1234567";
    QTest::newRow("text") << 0 << 2 << 3 << QVariant(QStringLiteral("Anna")) << "Anna";
    // A text in a number column stays itself instead of turning into 0.
    QTest::newRow("text under percent")
        << int(D::ShowPercent) << 2 << 3 << QVariant(QStringLiteral("n/a")) << "n/a";
    QTest::newRow("text under fraction")
        << int(D::ShowFraction) << 2 << 3 << QVariant(QStringLiteral("n/a")) << "n/a";
    QTest::newRow("text under thousands")
        << int(D::ShowThousands) << 2 << 3 << QVariant(QStringLiteral("12.5 kg")) << "12.5 kg";
}

void TestCmnStyledItemDelegate::displayText()
{
    QFETCH(int, flags);
    QFETCH(int, percentDecimals);
    QFETCH(int, decimals);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);

    CCmnStyledItemDelegate delegate;
    delegate.SetFlags(flags);
    delegate.SetPercentDecimals(percentDecimals);
    delegate.SetDecimals(decimals);
    QCOMPARE(delegate.displayText(value, QLocale::c()), expected);
}

void TestCmnStyledItemDelegate::displayTextForIndexUsesTheModelValue()
{
    CCmnStyledItemDelegate delegate;
    QCOMPARE(delegate.Flags(), 0);
    QCOMPARE(delegate.PercentDecimals(), 2);
    QCOMPARE(delegate.Decimals(), 3);
    delegate.SetFlags(CCmnStyledItemDelegate::ShowPercent);

    const SCell cell(0.125);
    const QStyleOptionViewItem option = CellOption(QRect(0, 0, 100, 20));
    QCOMPARE(delegate.DisplayTextForIndex(option, cell.Index()), QStringLiteral("12.50%"));

    const SCell empty{QVariant()};
    QCOMPARE(delegate.DisplayTextForIndex(option, empty.Index()), QString());
}

void TestCmnStyledItemDelegate::paintsEveryKindIntoAnImage_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariantMap>("attributes");
    QTest::addColumn<int>("state");
    QTest::addColumn<QRect>("rect");

    using D = CCmnStyledItemDelegate;
    const int normal = QStyle::State_Enabled | QStyle::State_Active;
    const int focused = normal | QStyle::State_Selected | QStyle::State_HasFocus;
    const QRect cell(0, 0, 120, 22);
    QPixmap picture(12, 12);
    picture.fill(Qt::magenta);
    const QVariantMap all{{D::TextColorKey, QColor(Qt::red)},
                          {D::HatchStyleKey, int(Qt::DiagCrossPattern)},
                          {D::HatchColorKey, QColor(Qt::blue)},
                          {D::DecorationKey, picture}};
    auto hatch = [](const QVariant &style) { return QVariantMap{{D::HatchStyleKey, style}}; };

    QTest::newRow("percent") << int(D::ShowPercent) << QVariant(0.125) << QVariantMap() << normal << cell;
    QTest::newRow("fraction") << int(D::ShowFraction) << QVariant(2.5) << QVariantMap() << normal << cell;
    QTest::newRow("double") << 0 << QVariant(1.5) << QVariantMap() << normal << cell;
    QTest::newRow("thousands") << int(D::ShowThousands) << QVariant(1234567) << QVariantMap() << normal << cell;
    QTest::newRow("width sample") << int(D::UseWidthSample) << QVariant(7) << QVariantMap() << normal << cell;
    QTest::newRow("text with line separator")
        << 0 << QVariant(QStringLiteral("one") + kLineSeparator + QStringLiteral("two"))
        << QVariantMap() << normal << cell;
    QTest::newRow("empty text with attributes") << 0 << QVariant() << all << normal << cell;
    QTest::newRow("all attributes") << 0 << QVariant(QStringLiteral("Brian")) << all << normal << cell;
    QTest::newRow("selected with focus")
        << 0 << QVariant(QStringLiteral("Brian")) << all << focused << cell;
    QTest::newRow("disabled with focus")
        << 0 << QVariant(QStringLiteral("Brian")) << all << int(QStyle::State_HasFocus) << cell;
    QTest::newRow("long text in a narrow cell")
        << 0 << QVariant(QString(300, QLatin1Char('W'))) << all << normal << QRect(0, 0, 30, 22);
    QTest::newRow("empty rectangle") << 0 << QVariant(QStringLiteral("Brian")) << all << focused << QRect();
    // Styles that need a gradient or a texture, or that lie past the last
    // pattern, would make the raster engine read outside its pattern table.
    QTest::newRow("hatch style past the patterns")
        << 0 << QVariant(QStringLiteral("x")) << hatch(99) << normal << cell;
    QTest::newRow("gradient hatch style")
        << 0 << QVariant(QStringLiteral("x")) << hatch(int(Qt::LinearGradientPattern)) << normal << cell;
    QTest::newRow("texture hatch style")
        << 0 << QVariant(QStringLiteral("x")) << hatch(int(Qt::TexturePattern)) << normal << cell;
    QTest::newRow("negative hatch style")
        << 0 << QVariant(QStringLiteral("x")) << hatch(-5) << normal << cell;
}

void TestCmnStyledItemDelegate::paintsEveryKindIntoAnImage()
{
    QFETCH(int, flags);
    QFETCH(QVariant, value);
    QFETCH(QVariantMap, attributes);
    QFETCH(int, state);
    QFETCH(QRect, rect);

    CCmnStyledItemDelegate delegate;
    delegate.SetFlags(flags);
    delegate.SetWidthSample(QStringLiteral("0000"));
    const SCell cell(value, attributes);
    QImage image(140, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, CellOption(rect, QStyle::State(state)), cell.Index());
    painter.end();

    if (!rect.isEmpty() && (value.isValid() || attributes.contains(CCmnStyledItemDelegate::HatchColorKey))) {
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y) {
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = image.pixel(x, y) != qRgb(255, 255, 255);
        }
        QVERIFY2(painted, "the cell left the image blank");
    }
}

void TestCmnStyledItemDelegate::textColour_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QVariant>("textColor");
    QTest::addColumn<QColor>("expected");

    const QPalette palette = TestPalette();
    const int enabled = QStyle::State_Enabled;
    const int active = QStyle::State_Active;
    const int selected = QStyle::State_Selected;
    const QColor red(Qt::red);

    QTest::newRow("plain") << (enabled | active) << QVariant()
                           << palette.color(QPalette::Active, QPalette::Text);
    QTest::newRow("inactive") << enabled << QVariant() << palette.color(QPalette::Inactive, QPalette::Text);
    QTest::newRow("disabled") << active << QVariant() << palette.color(QPalette::Disabled, QPalette::Text);
    QTest::newRow("selected") << (enabled | active | selected) << QVariant()
                              << palette.color(QPalette::Active, QPalette::HighlightedText);
    QTest::newRow("selected, inactive") << (enabled | selected) << QVariant()
                                        << palette.color(QPalette::Inactive, QPalette::HighlightedText);
    QTest::newRow("attribute") << (enabled | active) << QVariant(red) << red;
    QTest::newRow("attribute on a selected row") << (enabled | active | selected) << QVariant(red) << red;
    QTest::newRow("colour name is not a colour")
        << (enabled | active) << QVariant(QStringLiteral("red"))
        << palette.color(QPalette::Active, QPalette::Text);
}

void TestCmnStyledItemDelegate::textColour()
{
    QFETCH(int, state);
    QFETCH(QVariant, textColor);
    QFETCH(QColor, expected);

    QVariantMap attributes;
    if (textColor.isValid())
        attributes.insert(CCmnStyledItemDelegate::TextColorKey, textColor);
    const SCell cell(QStringLiteral("Brian"), attributes);
    CCmnStyledItemDelegate delegate;
    CPaintRecorder recorder(QSize(200, 30));
    const auto texts = PaintCell(delegate, cell, CellOption(QRect(0, 0, 200, 22), QStyle::State(state)),
                                 recorder);

    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.front().m_Text, QStringLiteral("Brian"));
    QCOMPARE(texts.front().m_Color, expected);
}

void TestCmnStyledItemDelegate::hatchesTheCell_data()
{
    QTest::addColumn<QVariant>("style");
    QTest::addColumn<QVariant>("color");
    QTest::addColumn<int>("expectedStyle");
    QTest::addColumn<QColor>("expectedColor");

    const QColor pen(Qt::darkGreen);
    const QColor blue(Qt::blue);
    QTest::newRow("pen colour") << QVariant(int(Qt::BDiagPattern)) << QVariant()
                                << int(Qt::BDiagPattern) << pen;
    QTest::newRow("own colour") << QVariant(int(Qt::CrossPattern)) << QVariant(blue)
                                << int(Qt::CrossPattern) << blue;
    QTest::newRow("solid") << QVariant(int(Qt::SolidPattern)) << QVariant(blue)
                           << int(Qt::SolidPattern) << blue;
    QTest::newRow("brush style value") << QVariant::fromValue(Qt::Dense4Pattern) << QVariant(blue)
                                       << int(Qt::Dense4Pattern) << blue;
    QTest::newRow("colour of another type") << QVariant(int(Qt::HorPattern)) << QVariant(QStringLiteral("blue"))
                                            << int(Qt::HorPattern) << pen;
    QTest::newRow("no brush") << QVariant(int(Qt::NoBrush)) << QVariant(blue) << int(Qt::NoBrush) << QColor();
    QTest::newRow("style as text") << QVariant(QStringLiteral("2")) << QVariant(blue) << int(Qt::NoBrush) << QColor();
    QTest::newRow("past the patterns") << QVariant(99) << QVariant(blue) << int(Qt::NoBrush) << QColor();
    QTest::newRow("gradient") << QVariant(int(Qt::RadialGradientPattern)) << QVariant(blue)
                              << int(Qt::NoBrush) << QColor();
}

void TestCmnStyledItemDelegate::hatchesTheCell()
{
    QFETCH(QVariant, style);
    QFETCH(QVariant, color);
    QFETCH(int, expectedStyle);
    QFETCH(QColor, expectedColor);

    QVariantMap attributes{{CCmnStyledItemDelegate::HatchStyleKey, style}};
    if (color.isValid())
        attributes.insert(CCmnStyledItemDelegate::HatchColorKey, color);
    const SCell cell(QVariant(), attributes);
    CCmnStyledItemDelegate delegate;
    const QRect rect(4, 2, 100, 20);
    CPaintRecorder recorder(QSize(200, 30));
    QPainter painter(&recorder);
    painter.setPen(QColor(Qt::darkGreen));
    delegate.paint(&painter, CellOption(rect), cell.Index());
    painter.end();

    const auto fills = HatchFills(recorder);
    if (expectedStyle == Qt::NoBrush) {
        QCOMPARE(fills.size(), 0);
        return;
    }
    QCOMPARE(fills.size(), 1);
    QCOMPARE(fills.front().m_Rect, QRectF(rect));
    QCOMPARE(int(fills.front().m_Brush.style()), expectedStyle);
    QCOMPARE(fills.front().m_Brush.color(), expectedColor);
}

void TestCmnStyledItemDelegate::drawsDecorationAfterText()
{
    QPixmap picture(10, 8);
    picture.fill(Qt::magenta);
    const SCell cell(QStringLiteral("Brian"), {{CCmnStyledItemDelegate::DecorationKey, picture}});
    CCmnStyledItemDelegate delegate;
    CPaintRecorder recorder(QSize(200, 30));
    const QRect rect(0, 0, 200, 22);
    const auto texts = PaintCell(delegate, cell, CellOption(rect), recorder);

    QCOMPARE(texts.size(), 1);
    QCOMPARE(recorder.Pixmaps().size(), 1);
    const CPaintRecorder::SPixmap &drawn = recorder.Pixmaps().front();
    QCOMPARE(drawn.m_Size, QSize(10, 8));
    // Two pixels after the text's whole-pixel width.
    QCOMPARE(drawn.m_Target.left(), texts.front().m_Origin.x() + int(texts.front().m_Width) + 2);
    QVERIFY(drawn.m_Target.top() >= rect.top());
    QVERIFY(drawn.m_Target.top() < texts.front().m_Origin.y());
}

void TestCmnStyledItemDelegate::ignoresDecorationOfAnotherType()
{
    QPixmap picture(10, 8);
    picture.fill(Qt::magenta);
    CCmnStyledItemDelegate delegate;
    const QStyleOptionViewItem option = CellOption(QRect(0, 0, 200, 22));

    // A highlight names its decoration by resource path; the cell needs the pixmap.
    const SCell path(QStringLiteral("Brian"),
                     {{CCmnStyledItemDelegate::DecorationKey, QStringLiteral(":/cmn/pixmaps/star.png")}});
    CPaintRecorder recorder(QSize(200, 30));
    QCOMPARE(PaintCell(delegate, path, option, recorder).size(), 1);
    QCOMPARE(recorder.Pixmaps().size(), 0);

    // The picture belongs to the text: a cell without text draws neither.
    const SCell noText(QVariant(), {{CCmnStyledItemDelegate::DecorationKey, picture}});
    recorder.Clear();
    QCOMPARE(PaintCell(delegate, noText, option, recorder).size(), 0);
    QCOMPARE(recorder.Pixmaps().size(), 0);
}

void TestCmnStyledItemDelegate::elidesTextTooWideForTheCell()
{
    const QString text = QStringLiteral("Champion Bellwether Ardent Ruler of the Northern Hills");
    const SCell cell(text);
    CCmnStyledItemDelegate delegate;
    const QRect rect(0, 0, 90, 22);
    CPaintRecorder recorder(QSize(200, 30));
    const auto texts = PaintCell(delegate, cell, CellOption(rect), recorder);

    QCOMPARE(texts.size(), 1);
    const QString shown = texts.front().m_Text;
    QVERIFY2(shown.endsWith(kEllipsis), qPrintable(shown));
    QVERIFY2(text.startsWith(shown.chopped(1)), qPrintable(shown));
    QVERIFY(texts.front().Right() <= rect.right() + 1);

    // The same text in a cell wide enough is shown whole.
    recorder.Clear();
    const auto wide = PaintCell(delegate, cell, CellOption(QRect(0, 0, 600, 22)), recorder);
    QCOMPARE(wide.size(), 1);
    QCOMPARE(wide.front().m_Text, text);
}

void TestCmnStyledItemDelegate::showsOnlyTheFirstLine()
{
    CCmnStyledItemDelegate delegate;
    CPaintRecorder recorder(QSize(200, 30));

    // Wide enough: the first line as it is, nothing of the second.
    const SCell twoLines(QStringLiteral("Anna") + kLineSeparator + QStringLiteral("Brian"));
    auto texts = PaintCell(delegate, twoLines, CellOption(QRect(0, 0, 200, 22)), recorder);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.front().m_Text.remove(kLineSeparator), QStringLiteral("Anna"));

    // Too wide: each line is elided on its own, so the first keeps its start.
    const SCell longFirst(QString(40, QLatin1Char('m')) + kLineSeparator + QStringLiteral("Brian"));
    recorder.Clear();
    texts = PaintCell(delegate, longFirst, CellOption(QRect(0, 0, 80, 22)), recorder);
    QCOMPARE(texts.size(), 1);
    const QString shown = texts.front().m_Text.remove(kLineSeparator);
    QVERIFY2(shown.startsWith(QLatin1Char('m')) && shown.endsWith(kEllipsis), qPrintable(shown));
    QVERIFY2(!shown.contains(QLatin1Char('B')), qPrintable(shown));
}

void TestCmnStyledItemDelegate::widthSampleAlignsRightEdges()
{
    CCmnStyledItemDelegate delegate;
    delegate.SetWidthSample(QStringLiteral("0000"));
    const QStyleOptionViewItem option = CellOption(QRect(0, 0, 200, 22));
    auto rightEdge = [&](const QString &text) {
        const SCell cell(text);
        CPaintRecorder recorder(QSize(200, 30));
        const auto texts = PaintCell(delegate, cell, option, recorder);
        return texts.size() == 1 ? texts.front().Right() : -1.0;
    };

    const qreal sevenWithout = rightEdge(QStringLiteral("7"));
    const qreal longWithout = rightEdge(QStringLiteral("123"));
    QVERIFY(longWithout - sevenWithout > 5);

    delegate.SetFlags(CCmnStyledItemDelegate::UseWidthSample);
    const qreal seven = rightEdge(QStringLiteral("7"));
    const qreal longer = rightEdge(QStringLiteral("123"));
    QVERIFY2(qAbs(seven - longer) < 1.0, qPrintable(QStringLiteral("%1 vs %2").arg(seven).arg(longer)));
    // Both end where the sample would: well right of where 123 ends on its own.
    QVERIFY(longer > longWithout + 3);
}

void TestCmnStyledItemDelegate::placesTextByAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<qreal>("expectedCentre");

    // The cell runs from 0 to 200; a few pixels of margin sit at each side.
    QTest::newRow("left") << int(Qt::AlignLeft) << 0.0;
    QTest::newRow("centre") << int(Qt::AlignHCenter) << 100.0;
    QTest::newRow("right") << int(Qt::AlignRight) << 200.0;
}

void TestCmnStyledItemDelegate::placesTextByAlignment()
{
    QFETCH(int, alignment);
    QFETCH(qreal, expectedCentre);

    SCell cell(QStringLiteral("1,234"));
    cell.model.setData(cell.Index(), alignment | Qt::AlignVCenter, Qt::TextAlignmentRole);
    CCmnStyledItemDelegate delegate;
    CPaintRecorder recorder(QSize(200, 30));
    const auto texts = PaintCell(delegate, cell, CellOption(QRect(0, 0, 200, 22)), recorder);

    QCOMPARE(texts.size(), 1);
    const CPaintRecorder::SText &text = texts.front();
    const qreal edge = alignment == Qt::AlignLeft    ? text.m_Origin.x()
                       : alignment == Qt::AlignRight ? text.Right()
                                                     : text.m_Origin.x() + text.m_Width / 2;
    QVERIFY2(qAbs(edge - expectedCentre) < 8, qPrintable(QString::number(edge)));
}

QTEST_MAIN(TestCmnStyledItemDelegate)
#include "tst_cmnstyleditemdelegate.moc"
