#include "cmnelidedlabel.h"

#include <QPainter>
#include <QTextLayout>

CCmnElidedLabel::CCmnElidedLabel(QWidget *parent)
    : QFrame(parent, Qt::WindowFlags())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CCmnElidedLabel::SetText(const QString &text)
{
    m_Text = text;
    update();
}

QSize CCmnElidedLabel::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(frame, fontMetrics().lineSpacing() + frame);
}

void CCmnElidedLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);

    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineSpacing = metrics.lineSpacing();
    // A text layout runs on over "\n"; break there as a plain label does.
    QString text = m_Text;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    bool elided = false;
    int y = 0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        if (height() < y + 2 * lineSpacing) {
            // The last line that fits takes all the rest, cut to the width.
            const QString rest = text.mid(line.textStart());
            const QString shown = metrics.elidedText(rest, Qt::ElideRight, width());
            painter.drawText(QPoint(0, y + metrics.ascent()), shown);
            elided = layout.createLine().isValid();
            break;
        }
        line.setPosition(QPointF(0, y));
        line.draw(&painter, QPointF(0, 0));
        y += lineSpacing;
    }
    layout.endLayout();

    if (elided != m_Elided) {
        m_Elided = elided;
        Q_EMIT elisionChanged(elided);
    }
}
