#include "cmnhighlightsamplewidget.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextOption>
#include <QtMath>

namespace {

// The space between the decoration and the text.
constexpr int kGap = 5;

// Only the hatch patterns are painted: a style read from a damaged file may name a
// gradient, a texture or nothing the toolkit knows, none of which a colour alone
// can paint.
bool IsHatchPattern(int style)
{
    return style >= Qt::SolidPattern && style <= Qt::DiagCrossPattern;
}

// Half of the free room, never negative, so that nothing starts before the edge.
int HalfOf(qreal free)
{
    return qMax(0, int(free / 2));
}

} // namespace

CCmnHighlightSampleWidget::CCmnHighlightSampleWidget(bool decorationFirst, const QString &sampleText,
                                                     QWidget *parent, Qt::WindowFlags flags)
    : CCmnFrame(parent, flags)
    , m_DecorationFirst(decorationFirst)
    , m_SampleText(sampleText)
{
    setFrameStyle(QFrame::StyledPanel);
}

void CCmnHighlightSampleWidget::SetHighlight(const CCmnHighlight &highlight)
{
    if (highlight == m_Highlight)
        return;
    if (highlight.m_Decoration != m_Highlight.m_Decoration) {
        m_Decoration = QPixmap();
        // A decoration that cannot be read counts as none.
        if (!highlight.m_Decoration.isEmpty() && !m_Decoration.load(highlight.m_Decoration))
            m_Decoration = QPixmap();
    }
    m_Highlight = highlight;
    update();
}

QSize CCmnHighlightSampleWidget::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int width = (3 * metrics.horizontalAdvance(m_SampleText)) / 2 + iconSize + 14;
    const int height = qMax(metrics.height() + 4, iconSize + 4);
    return {width, height};
}

QSize CCmnHighlightSampleWidget::minimumSizeHint() const
{
    return sizeHint();
}

void CCmnHighlightSampleWidget::paintEvent(QPaintEvent *event)
{
    CCmnFrame::paintEvent(event);

    QPainter painter(this);
    const QRect r = contentsRect();
    // Whatever the text and the decoration measure, the sample stays inside its
    // frame.
    painter.setClipRect(r);

    // The sample shows how the highlight will print: in the normal colours even
    // while the widget is disabled, which it is where it only shows.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));

    if (IsHatchPattern(m_Highlight.m_HatchStyle)) {
        const QColor color = m_Highlight.m_HatchColor.isValid() ? m_Highlight.m_HatchColor : painter.pen().color();
        painter.fillRect(r, QBrush(color, Qt::BrushStyle(m_Highlight.m_HatchStyle)));
    }

    painter.setFont(m_Highlight.StyledFont(font()));
    if (m_Highlight.m_TextColor.isValid())
        painter.setPen(m_Highlight.m_TextColor);

    // Measured on one line, as it is drawn: a size measured with word wrapping
    // would be narrower than a long text, whose centred line would then start
    // before the left edge. Whole pixels, rounded up, so that the text fits its
    // rectangle.
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    const QSizeF textSize = painter.boundingRect(QRectF(r), m_SampleText, oneLine).size();
    const int textWidth = qCeil(textSize.width());
    const int textHeight = qCeil(textSize.height());

    const bool hasDecoration = !m_Decoration.isNull();
    const QSize decorationSize = m_Decoration.size();
    qreal free = r.width() - textSize.width();
    if (hasDecoration)
        free -= decorationSize.width() + kGap;
    int left = r.left() + HalfOf(free);
    const int decorationTop = r.top() + HalfOf(r.height() - decorationSize.height());

    if (hasDecoration && m_DecorationFirst) {
        painter.drawPixmap(QRect(QPoint(left, decorationTop), decorationSize), m_Decoration);
        left += decorationSize.width() + kGap;
    }

    const int textTop = r.top() + HalfOf(r.height() - textSize.height());
    painter.drawText(QRect(left, textTop, textWidth, textHeight), Qt::AlignCenter, m_SampleText);
    left += textWidth + kGap;

    if (hasDecoration && !m_DecorationFirst)
        painter.drawPixmap(QRect(QPoint(left, decorationTop), decorationSize), m_Decoration);
}

void CCmnHighlightSampleWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) {
        updateGeometry();
        update();
    }
    CCmnFrame::changeEvent(event);
}
