#include "toolbuttons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace {

// Every icon is drawn on a 24-unit square and scaled to its size.
constexpr qreal kUnits = 24.0;

const QColor kInk(0x3A, 0x41, 0x4A);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPaperEdge(0x6B, 0x74, 0x80);
const QColor kBlue(0x2E, 0x6F, 0xD8);
const QColor kRed(0xDA, 0x33, 0x2A);
const QColor kGreen(0x2F, 0xA4, 0x43);
const QColor kYellow(0xFF, 0xCE, 0x2E);

QPen Pen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet of paper with its top right corner folded.
void DrawSheet(QPainter &painter, const QRectF &rect)
{
    const qreal fold = qMin(rect.width(), rect.height()) * 0.28;
    QPainterPath sheet;
    sheet.moveTo(rect.topLeft());
    sheet.lineTo(rect.right() - fold, rect.top());
    sheet.lineTo(rect.right(), rect.top() + fold);
    sheet.lineTo(rect.bottomRight());
    sheet.lineTo(rect.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(Pen(kPaperEdge, 1.0));
    painter.setBrush(kPaper);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(rect.right() - fold, rect.top());
    corner.lineTo(rect.right() - fold, rect.top() + fold);
    corner.lineTo(rect.right(), rect.top() + fold);
    painter.setBrush(QColor(0xD5, 0xD9, 0xDE));
    painter.drawPath(corner);
}

// Lines of text on a sheet.
void DrawTextLines(QPainter &painter, const QRectF &rect, int lines)
{
    painter.setPen(Pen(QColor(0x9A, 0xA3, 0xAE), 1.0));
    const qreal step = rect.height() / lines;
    for (int i = 0; i < lines; ++i) {
        const qreal y = rect.top() + step * (i + 0.5);
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right() - (i % 2 ? rect.width() * 0.3 : 0), y));
    }
}

void DrawMagnifier(QPainter &painter, const QPointF &centre, qreal radius, int sign)
{
    painter.setPen(Pen(kInk, 3.0));
    painter.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.7, radius * 1.7));
    painter.setPen(Pen(kInk, 1.6));
    painter.setBrush(QColor(0xDF, 0xEE, 0xFF, 230));
    painter.drawEllipse(centre, radius, radius);
    if (sign == 0)
        return;
    painter.setPen(Pen(kBlue, 2.0));
    const qreal arm = radius * 0.5;
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (sign > 0)
        painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void DrawArrowHead(QPainter &painter, const QPointF &tip, const QPointF &direction)
{
    const QPointF back = tip - direction * 3.0;
    const QPointF side(-direction.y() * 2.5, direction.x() * 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawPolygon(QPolygonF({tip, back + side, back - side}));
}

void DrawFloppyDisk(QPainter &painter)
{
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(18, 3);
    body.lineTo(21, 6);
    body.lineTo(21, 21);
    body.lineTo(3, 21);
    body.closeSubpath();
    painter.setPen(Pen(kBlue.darker(160), 1.0));
    painter.setBrush(kBlue);
    painter.drawPath(body);
    painter.setBrush(QColor(0xD5, 0xD9, 0xDE));
    painter.drawRect(QRectF(7, 3.5, 9, 6));
    painter.setBrush(kInk);
    painter.drawRect(QRectF(12.5, 4.5, 2, 4));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(6, 13, 12, 7.5));
    DrawTextLines(painter, QRectF(7.5, 14, 9, 5.5), 2);
}

void DrawExport(QPainter &painter, const QColor &band, const QString &label)
{
    DrawSheet(painter, QRectF(4, 2, 16, 20));
    DrawTextLines(painter, QRectF(7, 5, 7, 5), 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(QRectF(2, 12, 20, 8), 1.5, 1.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(7);
    painter.setFont(font);
    painter.setPen(kPaper);
    painter.drawText(QRectF(2, 12, 20, 8), Qt::AlignCenter, label);
}

void DrawExportPdf(QPainter &painter)
{
    DrawExport(painter, kRed, QStringLiteral("PDF"));
}

void DrawExportJpg(QPainter &painter)
{
    DrawSheet(painter, QRectF(4, 2, 16, 20));
    const QRectF picture(6.5, 8, 11, 10);
    painter.setPen(Pen(kPaperEdge, 0.8));
    painter.setBrush(QColor(0xB9, 0xDC, 0xFF));
    painter.drawRect(picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kYellow);
    painter.drawEllipse(QPointF(14.5, 11), 1.6, 1.6);
    painter.setBrush(kGreen);
    painter.drawPolygon(QPolygonF({QPointF(6.5, 18), QPointF(10, 12.5), QPointF(13, 16), QPointF(15, 14),
                                   QPointF(17.5, 18)}));
}

void DrawPrinter(QPainter &painter)
{
    painter.setPen(Pen(kPaperEdge, 1.0));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(7, 2.5, 10, 8));
    painter.setPen(Pen(kInk, 1.0));
    painter.setBrush(QColor(0x80, 0x88, 0x91));
    painter.drawRoundedRect(QRectF(2.5, 9, 19, 9), 2, 2);
    painter.setBrush(kGreen);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(18.5, 11.5), 1.1, 1.1);
    painter.setPen(Pen(kPaperEdge, 1.0));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(6.5, 15, 11, 7));
    DrawTextLines(painter, QRectF(8, 16.5, 8, 4.5), 2);
}

void DrawPrintPreview(QPainter &painter)
{
    DrawSheet(painter, QRectF(3, 2, 14, 19));
    DrawTextLines(painter, QRectF(5.5, 5, 6, 12), 5);
    DrawMagnifier(painter, QPointF(14, 14), 4.5, 0);
}

void DrawLayout(QPainter &painter, bool landscape)
{
    const QRectF sheet = landscape ? QRectF(2, 5, 20, 14) : QRectF(5, 2, 14, 20);
    DrawSheet(painter, sheet);
    DrawTextLines(painter, sheet.adjusted(3, 3, -5, -3), landscape ? 4 : 6);
}

void DrawLandscape(QPainter &painter)
{
    DrawLayout(painter, true);
}

void DrawPortrait(QPainter &painter)
{
    DrawLayout(painter, false);
}

void DrawMargins(QPainter &painter)
{
    DrawSheet(painter, QRectF(4, 2, 16, 20));
    QPen dashed = Pen(kBlue, 1.0);
    dashed.setDashPattern({1.5, 1.5});
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(7, 6, 10, 13));
}

void DrawFitWidth(QPainter &painter)
{
    DrawSheet(painter, QRectF(5, 2, 14, 20));
    painter.setPen(Pen(kBlue, 1.6));
    painter.drawLine(QPointF(4, 12), QPointF(20, 12));
    DrawArrowHead(painter, QPointF(2, 12), QPointF(-1, 0));
    DrawArrowHead(painter, QPointF(22, 12), QPointF(1, 0));
}

void DrawFitPage(QPainter &painter)
{
    DrawSheet(painter, QRectF(6, 4, 12, 16));
    painter.setPen(Pen(kBlue, 1.8));
    painter.setBrush(Qt::NoBrush);
    // Corner brackets around the sheet.
    const QRectF frame(2.5, 1.5, 19, 21);
    const qreal arm = 4;
    painter.drawPolyline(QPolygonF({frame.topLeft() + QPointF(0, arm), frame.topLeft(), frame.topLeft() + QPointF(arm, 0)}));
    painter.drawPolyline(QPolygonF({frame.topRight() - QPointF(arm, 0), frame.topRight(), frame.topRight() + QPointF(0, arm)}));
    painter.drawPolyline(QPolygonF({frame.bottomLeft() - QPointF(0, arm), frame.bottomLeft(), frame.bottomLeft() + QPointF(arm, 0)}));
    painter.drawPolyline(QPolygonF({frame.bottomRight() - QPointF(arm, 0), frame.bottomRight(), frame.bottomRight() - QPointF(0, arm)}));
}

void DrawZoomIn(QPainter &painter)
{
    DrawMagnifier(painter, QPointF(10, 10), 6.5, 1);
}

void DrawZoomOut(QPainter &painter)
{
    DrawMagnifier(painter, QPointF(10, 10), 6.5, -1);
}

// The mouse pointer of point mode: a plain arrow, tilted as on screen.
void DrawCursorArrow(QPainter &painter)
{
    const QPolygonF arrow({QPointF(6, 2), QPointF(6, 19), QPointF(10, 15.2), QPointF(13, 21.5),
                           QPointF(15.8, 20.2), QPointF(12.9, 14), QPointF(18.2, 14)});
    painter.setPen(Pen(kInk, 1.3));
    painter.setBrush(kPaper);
    painter.drawPolygon(arrow);
}

// The pointer of pan mode: an open hand, four fingers up and the thumb aside.
void DrawCursorOpenHand(QPainter &painter)
{
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    // Fingers as rounded bars, palm below them, thumb to the left.
    const qreal fingers[][3] = {{6.2, 6.0, 11.5}, {9.3, 3.5, 11.5}, {12.4, 3.0, 11.5}, {15.5, 4.5, 11.5}};
    for (const auto &finger : fingers)
        hand.addRoundedRect(QRectF(finger[0], finger[1], 2.9, finger[2] - finger[1] + 4), 1.45, 1.45);
    hand.addRoundedRect(QRectF(6.2, 10.5, 12.2, 10.5), 3.5, 3.5);
    QPainterPath thumb;
    thumb.moveTo(7, 17);
    thumb.lineTo(3.2, 12.6);
    thumb.cubicTo(2.2, 11.4, 3.6, 9.8, 4.9, 10.8);
    thumb.lineTo(8, 13.5);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    painter.setPen(Pen(kInk, 1.2));
    painter.setBrush(kPaper);
    painter.drawPath(hand);
    // The gaps between the fingers, down to the palm.
    painter.setPen(Pen(kInk, 0.9));
    for (const qreal x : {9.2, 12.3, 15.4})
        painter.drawLine(QPointF(x, 8), QPointF(x, 12.5));
}

using TDrawing = std::function<void(QPainter &)>;

const std::map<QString, TDrawing> &Drawings()
{
    static const std::map<QString, TDrawing> drawings = {
        {QStringLiteral("floppydisk"), DrawFloppyDisk},
        {QStringLiteral("exportpdf"), DrawExportPdf},
        {QStringLiteral("exportjpg"), DrawExportJpg},
        {QStringLiteral("print"), DrawPrinter},
        {QStringLiteral("printpreview"), DrawPrintPreview},
        {QStringLiteral("layout-landscape"), DrawLandscape},
        {QStringLiteral("layout-portrait"), DrawPortrait},
        {QStringLiteral("margins"), DrawMargins},
        {QStringLiteral("fit-width"), DrawFitWidth},
        {QStringLiteral("fit-page"), DrawFitPage},
        {QStringLiteral("zoom-in"), DrawZoomIn},
        {QStringLiteral("zoom-out"), DrawZoomOut},
        {QStringLiteral("cursor-arrow"), DrawCursorArrow},
        {QStringLiteral("cursor-openhand"), DrawCursorOpenHand},
    };
    return drawings;
}

} // namespace

QStringList ToolButtonIconNames()
{
    QStringList names;
    for (const auto &entry : Drawings())
        names << entry.first;
    return names;
}

QImage DrawToolButtonIcon(const QString &name, int size)
{
    const auto found = Drawings().find(name);
    if (found == Drawings().end())
        return QImage();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / kUnits, size / kUnits);
    found->second(painter);
    painter.end();
    return image;
}
