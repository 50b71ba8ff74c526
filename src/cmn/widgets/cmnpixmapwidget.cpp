#include "cmnpixmapwidget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace {

// Where a text measured at the given size is drawn: on whole pixels, but at its
// measured size. A rectangle cut down to whole pixels would be a fraction too
// narrow, and the text would wrap its last word out of sight.
QRectF TextRect(qreal left, qreal top, const QSizeF &size)
{
    return QRectF(int(left), int(top), size.width(), size.height());
}

} // namespace

CCmnPixmapWidget::CCmnPixmapWidget(const QSize &preferredSize, QWidget *parent, Qt::WindowFlags flags)
    : CCmnFrame(parent, flags), m_PreferredSize(preferredSize)
{
    setFrameStyle(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CCmnPixmapWidget::SetPixmap(const QPixmap &pixmap)
{
    m_Pixmap = pixmap;
    update();
}

void CCmnPixmapWidget::SetFirstLine(const QString &text)
{
    m_FirstLine = text;
    update();
}

void CCmnPixmapWidget::SetSecondLine(const QString &text)
{
    m_SecondLine = text;
    update();
}

void CCmnPixmapWidget::SetCaption(const QString &text)
{
    m_Caption = text;
    update();
}

QSize CCmnPixmapWidget::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(m_PreferredSize.width() * metrics.averageCharWidth(),
                 m_PreferredSize.height() * metrics.height());
}

QSize CCmnPixmapWidget::minimumSizeHint() const
{
    return sizeHint();
}

void CCmnPixmapWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT clicked();
}

void CCmnPixmapWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) {
        updateGeometry();
        update();
    }
    CCmnFrame::changeEvent(event);
}

void CCmnPixmapWidget::paintEvent(QPaintEvent *event)
{
    CCmnFrame::paintEvent(event);

    const QRect area = contentsRect();
    if (area.isEmpty())
        return;
    QPainter painter(this);
    if (m_Pixmap.size().isEmpty())
        PaintLines(painter, area);
    else
        PaintPixmap(painter, area);
}

void CCmnPixmapWidget::PaintLines(QPainter &painter, const QRect &area)
{
    struct CLine
    {
        QString m_Text;
        bool m_Red;
        QSizeF m_Size;
    };
    QList<CLine> lines;
    if (!m_FirstLine.isEmpty())
        lines.append({m_FirstLine, true, QSizeF()});
    if (!m_SecondLine.isEmpty())
        lines.append({m_SecondLine, false, QSizeF()});
    if (lines.isEmpty())
        return;

    const QRectF bounds(area);
    const qreal gap = painter.boundingRect(bounds, QStringLiteral("x"), QTextOption()).height();
    qreal total = (lines.size() - 1) * gap;
    for (CLine &line : lines) {
        line.m_Size = painter.boundingRect(bounds, line.m_Text, QTextOption()).size();
        total += line.m_Size.height();
    }

    const QPen normalPen = painter.pen();
    QTextOption centred(Qt::AlignCenter);
    qreal y = int((area.height() - total) * 0.5);
    for (const CLine &line : std::as_const(lines)) {
        const qreal x = (area.width() - line.m_Size.width()) * 0.5;
        painter.setPen(line.m_Red ? QPen(Qt::red) : normalPen);
        painter.drawText(TextRect(area.left() + x, area.top() + y, line.m_Size), line.m_Text, centred);
        y += line.m_Size.height() + gap;
    }
    painter.setPen(normalPen);
}

void CCmnPixmapWidget::PaintPixmap(QPainter &painter, const QRect &area)
{
    const QPointF origin = area.topLeft();
    QSizeF available = area.size();
    QSizeF captionSize(0, 0);
    if (!m_Caption.isEmpty())
        captionSize = painter.boundingRect(QRectF(area), m_Caption, QTextOption()).size();
    available.rheight() -= captionSize.height();

    // A caption as tall as the widget leaves no room: drawing into a negative
    // height would put the pixmap upside down above the widget.
    if (available.width() > 0 && available.height() > 0) {
        QSizeF target = available;
        const qreal areaRatio = available.width() / available.height();
        const qreal pixmapRatio = qreal(m_Pixmap.width()) / m_Pixmap.height();
        if (areaRatio > pixmapRatio)
            target.rwidth() *= pixmapRatio / areaRatio;
        else
            target.rheight() *= areaRatio / pixmapRatio;
        const QPointF topLeft = origin
                                + QPointF((available.width() - target.width()) * 0.5,
                                          (available.height() - target.height()) * 0.5);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(topLeft, target), m_Pixmap, QRectF(m_Pixmap.rect()));
    }

    if (!captionSize.isEmpty()) {
        painter.drawText(TextRect(origin.x() + (available.width() - captionSize.width()) * 0.5,
                                  origin.y() + available.height(), captionSize),
                         m_Caption, QTextOption(Qt::AlignCenter));
    }
}
