#include "decorations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QtMath>

#include <functional>

namespace {

// Three shades of one colour: highlights, body and outline.
struct CShades
{
    QColor m_Light;
    QColor m_Base;
    QColor m_Dark;
};

CShades ShadesFor(const QString &colour)
{
    if (colour == QLatin1String("blue"))
        return {QColor(0x9C, 0xC4, 0xFA), QColor(0x2E, 0x6F, 0xD8), QColor(0x17, 0x3F, 0x8C)};
    if (colour == QLatin1String("green"))
        return {QColor(0x9B, 0xE3, 0x9F), QColor(0x2F, 0xA4, 0x43), QColor(0x16, 0x64, 0x25)};
    if (colour == QLatin1String("grey"))
        return {QColor(0xD5, 0xD9, 0xDE), QColor(0x80, 0x88, 0x91), QColor(0x45, 0x4B, 0x52)};
    if (colour == QLatin1String("orange"))
        return {QColor(0xFF, 0xD0, 0x8E), QColor(0xF2, 0x8C, 0x1C), QColor(0xA3, 0x52, 0x00)};
    if (colour == QLatin1String("purple"))
        return {QColor(0xD3, 0xAE, 0xF0), QColor(0x8C, 0x48, 0xC4), QColor(0x52, 0x1F, 0x7D)};
    if (colour == QLatin1String("red"))
        return {QColor(0xF9, 0xA3, 0x9C), QColor(0xDA, 0x33, 0x2A), QColor(0x8A, 0x17, 0x12)};
    return {};
}

const CShades kSkin{QColor(0xFD, 0xE3, 0xC4), QColor(0xF3, 0xBE, 0x85), QColor(0x9A, 0x5B, 0x25)};
const CShades kYellow{QColor(0xFF, 0xF2, 0xA6), QColor(0xFF, 0xCE, 0x2E), QColor(0x9A, 0x66, 0x00)};

QImage NewImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Begin(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
}

// A top-to-bottom shading across the rectangle: light at the top, the body in
// the middle, a little darker at the bottom.
QBrush Shading(const CShades &shades, const QRectF &bounds)
{
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, shades.m_Light);
    gradient.setColorAt(0.45, shades.m_Base);
    gradient.setColorAt(1.0, shades.m_Base.darker(118));
    return gradient;
}

QPen Outline(const CShades &shades, qreal width = 1.0)
{
    QPen pen(shades.m_Dark, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void FillOutlined(QPainter &painter, const QPainterPath &path, const CShades &shades, qreal width = 1.0)
{
    painter.setPen(Outline(shades, width));
    painter.setBrush(Shading(shades, path.boundingRect()));
    painter.drawPath(path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(const QPointF &centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// An ellipse turned by the angle (degrees) about its centre.
QPainterPath TurnedEllipse(const QPointF &centre, qreal rx, qreal ry, qreal angle)
{
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(angle);
    return turn.map(Ellipse(QPointF(0, 0), rx, ry));
}

// A thick stroke with a dark edge: the edge first, the body over it.
void EdgedStroke(QPainter &painter, const QPainterPath &path, const CShades &shades, qreal width)
{
    painter.setBrush(Qt::NoBrush);
    QPen edge(shades.m_Dark, width + 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(edge);
    painter.drawPath(path);
    QPen body(shades.m_Base, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(body);
    painter.drawPath(path);
}

// Shapes drawn in one of the six colours ------------------------------------

void DrawBlock(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 2.5, 2.5);
    FillOutlined(painter, body, shades);
    // A highlight along the top and left inner edges gives it depth.
    QPainterPath shine;
    shine.moveTo(1.5, size.height() - 3.5);
    shine.lineTo(1.5, 3.5);
    shine.quadTo(1.5, 1.5, 3.5, 1.5);
    shine.lineTo(size.width() - 3.5, 1.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    painter.drawPath(shine);
}

void DrawBullet(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const QRectF bounds(0.5, 0.5, size.width() - 1, size.height() - 1);
    QRadialGradient gradient(bounds.center(), bounds.width() * 0.6,
                             QPointF(bounds.left() + bounds.width() * 0.35,
                                     bounds.top() + bounds.height() * 0.32));
    gradient.setColorAt(0.0, shades.m_Light);
    gradient.setColorAt(0.55, shades.m_Base);
    gradient.setColorAt(1.0, shades.m_Base.darker(125));
    painter.setPen(Outline(shades));
    painter.setBrush(gradient);
    painter.drawEllipse(bounds);
}

void DrawLabel(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    // A luggage tag pointing left, with its string hole.
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath tag = Polygon({{0.6, h / 2}, {5.2, 1.5}, {w - 0.5, 1.5}, {w - 0.5, h - 1.5}, {5.2, h - 1.5}});
    tag = tag.subtracted(Ellipse(QPointF(4.8, h / 2), 1.4, 1.4));
    FillOutlined(painter, tag, shades);
}

void DrawMarker(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    // A map pin: a round head tapering to its point at the bottom.
    const qreal cx = size.width() / 2;
    const qreal cy = 4.9;
    const qreal r = 4.4;
    const qreal tipY = size.height() - 0.6;
    const qreal d = tipY - cy;
    const qreal cosA = r / d;
    const qreal sinA = qSqrt(1 - cosA * cosA);
    QPainterPath pin = Ellipse(QPointF(cx, cy), r, r);
    pin = pin.united(Polygon({{cx - r * sinA, cy + r * cosA}, {cx, tipY}, {cx + r * sinA, cy + r * cosA}}));
    FillOutlined(painter, pin, shades);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(cx, cy), 1.6, 1.6);
}

void DrawPlus(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath across;
    across.addRoundedRect(QRectF(0.5, h / 2 - 2.5, w - 1, 5), 1.2, 1.2);
    QPainterPath upright;
    upright.addRoundedRect(QRectF(w / 2 - 2.5, 0.5, 5, h - 1), 1.2, 1.2);
    FillOutlined(painter, across.united(upright), shades);
}

void DrawMinus(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    QPainterPath bar;
    bar.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 1.2, 1.2);
    FillOutlined(painter, bar, shades);
}

void DrawStar(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const QPointF centre(size.width() / 2, size.height() / 2 + 0.6);
    const qreal outer = size.width() / 2 - 0.4;
    const qreal inner = outer * 0.45;
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
        points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    QPainterPath star;
    star.addPolygon(points);
    star.closeSubpath();
    FillOutlined(painter, star, shades, 0.9);
}

void DrawPaw(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const qreal w = size.width();
    // The big pad: wider at the bottom, like a rounded triangle.
    QPainterPath paw;
    paw.moveTo(w / 2, 6.8);
    paw.cubicTo(w / 2 + 2.7, 6.8, w / 2 + 4.7, 10.4, w / 2 + 4.2, 12.0);
    paw.cubicTo(w / 2 + 3.7, 13.8, w / 2 + 1.4, 12.9, w / 2, 12.9);
    paw.cubicTo(w / 2 - 1.4, 12.9, w / 2 - 3.7, 13.8, w / 2 - 4.2, 12.0);
    paw.cubicTo(w / 2 - 4.7, 10.4, w / 2 - 2.7, 6.8, w / 2, 6.8);
    paw.closeSubpath();
    // Four toes in an arc above it.
    paw.addPath(TurnedEllipse(QPointF(w / 2 - 2.1, 2.9), 1.65, 2.2, -10));
    paw.addPath(TurnedEllipse(QPointF(w / 2 + 2.1, 2.9), 1.65, 2.2, 10));
    paw.addPath(TurnedEllipse(QPointF(w / 2 - 5.4, 6.4), 1.5, 1.95, -32));
    paw.addPath(TurnedEllipse(QPointF(w / 2 + 5.4, 6.4), 1.5, 1.95, 32));
    // One flat colour: shading each small pad would wash the toes out.
    painter.setPen(Outline(shades, 0.7));
    painter.setBrush(shades.m_Base);
    painter.drawPath(paw);
}

void DrawTarget(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal outer = size.width() / 2 - 0.5;
    painter.setPen(Outline(shades));
    painter.setBrush(shades.m_Base);
    painter.drawEllipse(centre, outer, outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, outer * 0.68, outer * 0.68);
    painter.setBrush(shades.m_Base);
    painter.drawEllipse(centre, outer * 0.40, outer * 0.40);
}

// An arrow head pointing in the direction (0 up, 1 down, 2 left, 3 right).
void DrawArrow(QPainter &painter, const QSizeF &size, const CShades &shades, int direction)
{
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath arrow;
    switch (direction) {
    case 0:
        arrow = Polygon({{0.5, h - 0.5}, {w / 2, 0.5}, {w - 0.5, h - 0.5}});
        break;
    case 1:
        arrow = Polygon({{0.5, 0.5}, {w - 0.5, 0.5}, {w / 2, h - 0.5}});
        break;
    case 2:
        arrow = Polygon({{w - 0.5, 0.5}, {w - 0.5, h - 0.5}, {0.5, h / 2}});
        break;
    default:
        arrow = Polygon({{0.5, 0.5}, {w - 0.5, h / 2}, {0.5, h - 0.5}});
        break;
    }
    painter.setPen(Outline(shades, 0.8));
    painter.setBrush(shades.m_Base);
    painter.drawPath(arrow);
}

// Images of their own -------------------------------------------------------

void DrawTick(QPainter &painter, const QSizeF &, const CShades &shades)
{
    QPainterPath tick;
    tick.moveTo(2.0, 6.6);
    tick.lineTo(4.8, 9.4);
    tick.lineTo(10.0, 2.6);
    EdgedStroke(painter, tick, shades, 2.2);
}

void DrawCross(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    const qreal w = size.width();
    QPainterPath cross;
    cross.moveTo(2.5, 2.5);
    cross.lineTo(w - 2.5, w - 2.5);
    cross.moveTo(w - 2.5, 2.5);
    cross.lineTo(2.5, w - 2.5);
    EdgedStroke(painter, cross, shades, 2.2);
}

void DrawInformation(QPainter &painter, const QSizeF &size, const CShades &)
{
    const CShades blue = ShadesFor(QStringLiteral("blue"));
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 2.2, 2.2);
    FillOutlined(painter, body, blue);
    // A white "i": its dot and its stem, on whole pixels so that it stays sharp.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4, 1.6, 2, 1.6));
    painter.drawRect(QRectF(4, 4, 2, 3.4));
}

void DrawRainbow(QPainter &painter, const QSizeF &size, const CShades &)
{
    const QColor bands[] = {QColor(0xE5, 0x2B, 0x25), QColor(0xF5, 0x8B, 0x1F), QColor(0xF7, 0xD3, 0x1E),
                            QColor(0x3C, 0xB0, 0x43), QColor(0x2E, 0x6F, 0xD8), QColor(0x8C, 0x48, 0xC4)};
    const qreal w = size.width();
    const QPointF centre(w / 2, 11.0);
    const qreal band = 1.0;
    qreal radius = w / 2 - 0.5;
    for (const QColor &colour : bands) {
        QPainterPath outer;
        outer.moveTo(centre + QPointF(-radius, 0));
        outer.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180, -180);
        const qreal innerRadius = radius - band;
        outer.lineTo(centre + QPointF(innerRadius, 0));
        outer.arcTo(QRectF(centre.x() - innerRadius, centre.y() - innerRadius, 2 * innerRadius,
                           2 * innerRadius),
                    0, 180);
        outer.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(outer);
        radius = innerRadius;
    }
}

void DrawFace(QPainter &painter, const QSizeF &size, bool happy)
{
    const QRectF bounds(0.5, 0.5, size.width() - 1, size.height() - 1);
    QRadialGradient gradient(bounds.center(), bounds.width() * 0.6,
                             QPointF(bounds.left() + bounds.width() * 0.35, bounds.top() + bounds.height() * 0.3));
    gradient.setColorAt(0.0, kYellow.m_Light);
    gradient.setColorAt(0.6, kYellow.m_Base);
    gradient.setColorAt(1.0, kYellow.m_Base.darker(112));
    painter.setPen(Outline(kYellow));
    painter.setBrush(gradient);
    painter.drawEllipse(bounds);

    const QColor ink(0x4A, 0x32, 0x00);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // Eyes on whole pixels, so that they stay two sharp dots.
    painter.drawRect(QRectF(4, 3, 1, 2.4));
    painter.drawRect(QRectF(7, 3, 1, 2.4));

    // The mouth on whole pixels too: a row of four with its corners raised for a
    // smile, lowered for a frown.
    const qreal cornerY = happy ? 7 : 9;
    painter.drawRect(QRectF(4, 8, 4, 1));
    painter.drawRect(QRectF(3, cornerY, 1, 1));
    painter.drawRect(QRectF(8, cornerY, 1, 1));
}

void DrawSmiley(QPainter &painter, const QSizeF &size, const CShades &)
{
    DrawFace(painter, size, true);
}

void DrawUnhappy(QPainter &painter, const QSizeF &size, const CShades &)
{
    DrawFace(painter, size, false);
}

void DrawStopSign(QPainter &painter, const QSizeF &size, const CShades &)
{
    const CShades red = ShadesFor(QStringLiteral("red"));
    const qreal w = size.width();
    auto octagon = [w](qreal inset) {
        const qreal lo = inset;
        const qreal hi = w - inset;
        const qreal cut = (hi - lo) * 0.2929;
        return Polygon({{lo + cut, lo}, {hi - cut, lo}, {hi, lo + cut}, {hi, hi - cut},
                        {hi - cut, hi}, {lo + cut, hi}, {lo, hi - cut}, {lo, lo + cut}});
    };
    // A flat red with a white rim, as on the road; lettering would only blur at
    // this size, and the octagon says "stop" by itself.
    painter.setPen(Outline(red));
    painter.setBrush(red.m_Base);
    painter.drawPath(octagon(0.5));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(octagon(1.5));
}

void DrawThumbsUp(QPainter &painter, const QSizeF &, const CShades &)
{
    const CShades sleeve = ShadesFor(QStringLiteral("blue"));
    // The fist with the thumb standing up from its top left.
    QPainterPath fist;
    fist.addRoundedRect(QRectF(4.5, 6.5, 9.0, 8.0), 2.0, 2.0);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.7, -7.2, 3.6, 8.4), 1.8, 1.8);
    QTransform place;
    place.translate(7.0, 7.6);
    place.rotate(12);
    fist = fist.united(place.map(thumb));
    FillOutlined(painter, fist, kSkin);
    // The folded fingers.
    painter.setPen(QPen(kSkin.m_Dark, 0.8, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {8.6, 10.6, 12.6})
        painter.drawLine(QPointF(9.2, y), QPointF(12.9, y));
    // The cuff.
    QPainterPath cuff;
    cuff.addRect(QRectF(0.5, 7.5, 3.5, 7.0));
    FillOutlined(painter, cuff, sleeve);
}

void DrawThumbsDown(QPainter &painter, const QSizeF &size, const CShades &shades)
{
    painter.translate(0, size.height());
    painter.scale(1, -1);
    DrawThumbsUp(painter, size, shades);
}

using TDrawing = std::function<void(QPainter &, const QSizeF &, const CShades &)>;

TDrawing ArrowDrawing(int direction)
{
    return [direction](QPainter &painter, const QSizeF &size, const CShades &shades) {
        DrawArrow(painter, size, shades, direction);
    };
}

TDrawing DrawingFor(const QString &shape)
{
    static const QList<QPair<QString, TDrawing>> drawings = {
        {QStringLiteral("block"), DrawBlock},
        {QStringLiteral("bullet"), DrawBullet},
        {QStringLiteral("label"), DrawLabel},
        {QStringLiteral("marker"), DrawMarker},
        {QStringLiteral("plus"), DrawPlus},
        {QStringLiteral("minus"), DrawMinus},
        {QStringLiteral("star"), DrawStar},
        {QStringLiteral("paw"), DrawPaw},
        {QStringLiteral("target"), DrawTarget},
        {QStringLiteral("uparrow"), ArrowDrawing(0)},
        {QStringLiteral("downarrow"), ArrowDrawing(1)},
        {QStringLiteral("leftarrow"), ArrowDrawing(2)},
        {QStringLiteral("rightarrow"), ArrowDrawing(3)},
        {QStringLiteral("tick"), DrawTick},
        {QStringLiteral("cross"), DrawCross},
        {QStringLiteral("information"), DrawInformation},
        {QStringLiteral("rainbow"), DrawRainbow},
        {QStringLiteral("smiley"), DrawSmiley},
        {QStringLiteral("unhappy"), DrawUnhappy},
        {QStringLiteral("stopsign"), DrawStopSign},
        {QStringLiteral("thumbsup"), DrawThumbsUp},
        {QStringLiteral("thumbsdown"), DrawThumbsDown},
    };
    for (const auto &entry : drawings) {
        if (entry.first == shape)
            return entry.second;
    }
    return {};
}

} // namespace

QImage DrawDecoration(const QString &fileName, QString *error)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:(blue|green|grey|orange|purple|red)-)?([a-z]+)-(\\d+)x(\\d+)\\.png$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) {
        *error = QStringLiteral("The name %1 does not say what to draw.").arg(fileName);
        return QImage();
    }
    const QString colour = match.captured(1);
    const QString shape = match.captured(2);
    const QSize size(match.captured(3).toInt(), match.captured(4).toInt());
    const TDrawing drawing = DrawingFor(shape);
    if (!drawing) {
        *error = QStringLiteral("There is no drawing for %1.").arg(fileName);
        return QImage();
    }
    // The images without a colour word have their own colours; tick and cross
    // name theirs.
    const CShades shades = ShadesFor(colour);

    QImage image = NewImage(size);
    QPainter painter(&image);
    Begin(painter);
    drawing(painter, QSizeF(size), shades);
    painter.end();
    return image;
}

QImage DrawApplicationIcon()
{
    const int side = 96;
    QImage image = NewImage(QSize(side, side));
    QPainter painter(&image);
    Begin(painter);

    // A blue tile.
    QLinearGradient tile(0, 0, 0, side);
    tile.setColorAt(0.0, QColor(0x4A, 0x9A, 0xE8));
    tile.setColorAt(1.0, QColor(0x1C, 0x4C, 0x99));
    painter.setPen(QPen(QColor(0x14, 0x36, 0x70), 1.5));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(2.75, 2.75, side - 5.5, side - 5.5), 17, 17);

    // A pedigree: the animal on the left, its parents and grandparents to the right.
    const QColor paper(0xFF, 0xFF, 0xFF);
    painter.setPen(QPen(paper, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    auto connect = [&painter](qreal x0, qreal y0, qreal x1, qreal y1a, qreal y1b) {
        const qreal mid = (x0 + x1) / 2;
        QPainterPath path;
        path.moveTo(x0, y0);
        path.lineTo(mid, y0);
        path.moveTo(mid, y1a);
        path.lineTo(mid, y1b);
        path.moveTo(mid, y1a);
        path.lineTo(x1, y1a);
        path.moveTo(mid, y1b);
        path.lineTo(x1, y1b);
        painter.drawPath(path);
    };
    connect(38, 48, 50, 29, 67);
    connect(64, 29, 72, 20, 38);
    connect(64, 67, 72, 58, 76);

    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(50, 22, 14, 14), 3, 3);
    painter.drawRoundedRect(QRectF(50, 60, 14, 14), 3, 3);
    for (const qreal y : {15.0, 33.0, 53.0, 71.0})
        painter.drawRoundedRect(QRectF(72, y, 12, 10), 2.5, 2.5);

    // The animal's own card carries an orange paw.
    painter.drawRoundedRect(QRectF(11, 30, 28, 36), 5, 5);
    const CShades orange = ShadesFor(QStringLiteral("orange"));
    painter.save();
    painter.translate(25 - 7.5 * 1.6, 48 - 7 * 1.6);
    painter.scale(1.6, 1.6);
    DrawPaw(painter, QSizeF(15, 14), orange);
    painter.restore();

    painter.end();
    return image;
}
