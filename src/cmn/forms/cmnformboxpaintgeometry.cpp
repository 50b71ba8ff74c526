#include "cmnformboxpaintgeometry.h"

namespace {

enum EPictureMode { kNoPhoto = 0, kNormal = 1, kStretch = 2, kBleed = 3 };
enum EPictureAlign { kCentre = 0, kLeft = 1, kRight = 2, kTop = 3, kBottom = 4 };

} // namespace

CCmnFormBoxPaintGeometry::CCmnFormBoxPaintGeometry(const CInput &input)
{
    const QSizeF &size = input.m_Size;
    if (!(size.width() > 0 && size.height() > 0))
        return;
    const double bw = input.m_BorderWidth;
    const qint32 mode = input.m_PicturePos.m_Mode;
    QRectF inner(bw, bw, size.width() - 2 * bw, size.height() - 2 * bw);
    if (mode == kBleed)
        m_PictureArea = inner;
    m_BorderRect = QRectF(bw / 2, bw / 2, inner.width() + bw, inner.height() + bw);
    inner.adjust(input.m_PadLeft, input.m_PadTop, -input.m_PadRight, -input.m_PadBottom);
    if (mode != kBleed)
        m_PictureArea = inner;
    FitPicture(input, &inner);
    if (inner.width() > 0 && inner.height() > 0 && input.m_HasText)
        m_TextArea = inner;
}

void CCmnFormBoxPaintGeometry::FitPicture(const CInput &input, QRectF *textArea)
{
    const CCmnFormBoxPicturePos &pos = input.m_PicturePos;
    const QSize &pixmap = input.m_PixmapSize;
    if (pos.m_Mode == kNoPhoto || m_PictureArea.isEmpty() || pixmap.width() < 1 || pixmap.height() < 1)
        return;
    QSizeF fit = m_PictureArea.size();
    if (pos.m_Mode != kBleed) {
        const double scale = pos.m_Scaling / 100.0;
        if (pos.m_Alignment == kCentre)
            fit *= scale;
        else if (pos.m_Alignment == kLeft || pos.m_Alignment == kRight)
            fit.setWidth(fit.width() * scale);
        else
            fit.setHeight(fit.height() * scale);
    }
    if (fit.isEmpty())
        return;
    // N compares the shapes: above 1 the room is wider than the picture.
    const double n = (fit.width() / fit.height()) / (double(pixmap.width()) / pixmap.height());
    const bool matchHeight = pos.m_Mode == kNormal ? n > 1 : n < 1;
    const QSizeF drawn = matchHeight ? QSizeF(fit.width() / n, fit.height()) : QSizeF(fit.width(), fit.height() * n);
    if (drawn.isEmpty())
        return;
    const QSizeF slack = m_PictureArea.size() - drawn;
    const QPointF origin = m_PictureArea.topLeft();
    if (pos.m_Mode == kNormal && pos.m_Alignment != kCentre) {
        const double gapX = pos.m_Gap.ToDevice(input.m_Dpi.width());
        const double gapY = pos.m_Gap.ToDevice(input.m_Dpi.height());
        const double besideX = gapX + qMin(m_PictureArea.width(), drawn.width());
        const double besideY = gapY + qMin(m_PictureArea.height(), drawn.height());
        switch (pos.m_Alignment) {
        case kLeft:
            m_PictureRect = QRectF(origin + QPointF(0, slack.height() / 2), drawn);
            textArea->setLeft(textArea->left() + besideX);
            break;
        case kRight:
            m_PictureRect = QRectF(origin + QPointF(slack.width(), slack.height() / 2), drawn);
            textArea->setWidth(textArea->width() - besideX);
            break;
        case kTop:
            m_PictureRect = QRectF(origin + QPointF(slack.width() / 2, 0), drawn);
            textArea->setTop(textArea->top() + besideY);
            break;
        default:
            m_PictureRect = QRectF(origin + QPointF(slack.width() / 2, slack.height()), drawn);
            textArea->setHeight(textArea->height() - besideY);
            break;
        }
        return;
    }
    m_PictureRect = QRectF(origin + QPointF(slack.width() / 2, slack.height() / 2), drawn);
}
