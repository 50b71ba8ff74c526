#include "cmnstyleditemdelegate.h"

#include "cmnnumbertext.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>

namespace {

// Wider than any cell: the text is measured as one unbroken line.
constexpr qreal kUnboundedWidth = 1 << 24;

// How closely the fraction shown must match the value.
constexpr double kFractionTolerance = 5e-9;

QStyle *StyleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

bool IsSelected(const QStyleOptionViewItem &option)
{
    return option.state & QStyle::State_Selected;
}

bool IsEnabled(const QStyleOptionViewItem &option)
{
    return option.state & QStyle::State_Enabled;
}

QColor ColorAttribute(const QVariantMap &attributes, const char *key)
{
    const QVariant value = attributes.value(QLatin1String(key));
    return value.typeId() == QMetaType::QColor ? value.value<QColor>() : QColor();
}

// The hatch style, or Qt::NoBrush when there is none to draw. The model may hand
// on a value read from a file, so only the plain patterns pass: a gradient or
// texture style needs more than a colour, and a number past the last pattern
// would make the raster engine index its pattern table out of bounds.
Qt::BrushStyle HatchStyleAttribute(const QVariantMap &attributes)
{
    const QVariant value = attributes.value(QLatin1String(CCmnStyledItemDelegate::HatchStyleKey));
    int style = Qt::NoBrush;
    if (value.typeId() == QMetaType::Int)
        style = value.toInt();
    else if (value.metaType() == QMetaType::fromType<Qt::BrushStyle>())
        style = value.value<Qt::BrushStyle>();
    if (style < Qt::SolidPattern || style > Qt::DiagCrossPattern)
        return Qt::NoBrush;
    return static_cast<Qt::BrushStyle>(style);
}

// Lays the text out as one line without a width limit and returns that line,
// narrowed afterwards to its own width: the caller places the line itself, so
// the layout's alignment must not shift it anywhere inside a wider line.
QTextLine LayOutFirstLine(QTextLayout &layout, const QString &text, const QFont &font,
                          const QTextOption &textOption)
{
    layout.clearLayout();
    layout.setText(text);
    layout.setFont(font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(kUnboundedWidth);
        line.setLineWidth(line.naturalTextWidth());
    }
    layout.endLayout();
    return line;
}

} // namespace

CCmnStyledItemDelegate::CCmnStyledItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString CCmnStyledItemDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    // A value that is no number (a text in a number column) keeps its own text
    // rather than being shown as 0.
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if ((m_Flags & ShowPercent) && isNumber)
        return CmnPercentToString(number, m_PercentDecimals);
    if ((m_Flags & ShowFraction) && isNumber)
        return CmnMixedFractionText(number, true, true, kFractionTolerance);
    const int type = value.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return CmnDoubleToString(value.toDouble(), m_Decimals);
    if (m_Flags & ShowThousands) {
        bool isInteger = false;
        const qint64 integer = value.toLongLong(&isInteger);
        if (isInteger)
            return CmnInt64WithThousands(integer);
    }
    return QStyledItemDelegate::displayText(value, locale);
}

QString CCmnStyledItemDelegate::DisplayTextForIndex(const QStyleOptionViewItem &option,
                                                    const QModelIndex &index) const
{
    QStyleOptionViewItem copy(option);
    initStyleOption(&copy, index);
    return copy.text;
}

void CCmnStyledItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QVariantMap attributes = index.data(AttributesRole).toMap();
    QStyle *style = StyleOf(opt);

    painter->save();
    painter->setClipRect(opt.rect, Qt::IntersectClip);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, opt.widget);

    QPixmap decoration;
    const QVariant decorationValue = attributes.value(QLatin1String(DecorationKey));
    if (decorationValue.typeId() == QMetaType::QPixmap)
        decoration = decorationValue.value<QPixmap>();

    const Qt::BrushStyle hatchStyle = HatchStyleAttribute(attributes);
    if (hatchStyle != Qt::NoBrush) {
        QColor hatchColor = ColorAttribute(attributes, HatchColorKey);
        if (!hatchColor.isValid())
            hatchColor = painter->pen().color();
        painter->fillRect(opt.rect, QBrush(hatchColor, hatchStyle));
    }

    if (!opt.text.isEmpty()) {
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
        const QPalette::ColorGroup group = !IsEnabled(opt)                    ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        QColor textColor = opt.palette.color(group, IsSelected(opt) ? QPalette::HighlightedText
                                                                    : QPalette::Text);
        const QColor attributeColor = ColorAttribute(attributes, TextColorKey);
        if (attributeColor.isValid())
            textColor = attributeColor;
        painter->setPen(textColor);
        DrawCellText(painter, opt, textRect, decoration);
    }

    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, opt.widget);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        const QPalette::ColorGroup group = IsEnabled(opt) ? QPalette::Normal : QPalette::Disabled;
        focus.backgroundColor = opt.palette.color(group, IsSelected(opt) ? QPalette::Highlight
                                                                         : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, opt.widget);
    }
    painter->restore();
}

CCmnStyledItemDelegate::SCellText
CCmnStyledItemDelegate::LayOutCellText(const QStyleOptionViewItem &option, const QRect &textRect,
                                       QTextLayout &layout) const
{
    const QStyle *style = StyleOf(option);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget);
    const QRect rect = textRect.adjusted(margin, 0, -margin, 0);

    QTextOption textOption;
    textOption.setWrapMode((option.features & QStyleOptionViewItem::WrapText)
                               ? QTextOption::WordWrap
                               : QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));

    int minimumWidth = 0;
    if (m_Flags & UseWidthSample) {
        QTextLayout sample(m_WidthSample, option.font);
        sample.setTextOption(textOption);
        sample.beginLayout();
        QTextLine line = sample.createLine();
        if (line.isValid()) {
            line.setLineWidth(rect.width());
            minimumWidth = static_cast<int>(line.naturalTextWidth());
        }
        sample.endLayout();
    }

    QTextLine line = LayOutFirstLine(layout, option.text, option.font, textOption);
    const qreal naturalWidth = line.isValid() ? line.naturalTextWidth() : 0.0;
    if (qMax(naturalWidth, qreal(minimumWidth)) > rect.width()) {
        const QFontMetrics metrics(option.font);
        QStringList pieces = option.text.split(QChar::LineSeparator);
        for (QString &piece : pieces)
            piece = metrics.elidedText(piece, option.textElideMode, rect.width());
        line = LayOutFirstLine(layout, pieces.join(QChar::LineSeparator), option.font, textOption);
    }

    SCellText cell;
    if (!line.isValid())
        return cell;
    cell.m_TextWidth = static_cast<int>(line.naturalTextWidth());
    const int boxWidth = qMax(cell.m_TextWidth, minimumWidth);
    cell.m_Box = QStyle::alignedRect(option.direction, option.displayAlignment,
                                     QSize(boxWidth, qCeil(line.height())), rect);
    cell.m_TextLeft = cell.m_Box.left() + boxWidth - cell.m_TextWidth;
    return cell;
}

void CCmnStyledItemDelegate::DrawCellText(QPainter *painter, const QStyleOptionViewItem &option,
                                          const QRect &textRect, const QPixmap &decoration) const
{
    QTextLayout layout;
    const SCellText cell = LayOutCellText(option, textRect, layout);
    if (layout.lineCount() == 0)
        return;
    // Only the first line: a cell is one line high, whatever follows a line
    // separator stays hidden.
    layout.lineAt(0).draw(painter, QPointF(cell.m_TextLeft, cell.m_Box.top()));
    if (decoration.width() > 0)
        painter->drawPixmap(QPoint(cell.m_TextLeft + cell.m_TextWidth + 2, cell.m_Box.top()), decoration);
}
