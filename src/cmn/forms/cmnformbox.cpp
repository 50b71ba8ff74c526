#include "cmnformbox.h"

#include "cmnfontdescriptor.h"
#include "cmnform.h"
#include "cmnformboxpaintgeometry.h"
#include "cmngraphicsrectitemex.h"
#include "cmngraphicssizedpixmapitem.h"
#include "cmngraphicstextitem.h"
#include "cmnhtmltags.h"

#include <QGraphicsScene>
#include <QStringList>
#include <QTextDocument>

namespace {

const QColor &DefaultBlack()
{
    static const QColor color(Qt::black);
    return color;
}

const QColor &DefaultTransparent()
{
    static const QColor color(Qt::transparent);
    return color;
}

template <typename T>
const T &DefaultOf()
{
    static const T value{};
    return value;
}

// Text pixel size for a point size at a resolution: the scale is an offset (0
// is 100 percent); at least one pixel, as no font has a smaller size.
qint32 PixelSize(double pointSize, double scale, double verticalDpi)
{
    return qMax(1, qint32(pointSize / 72.0 * (scale + 1.0) * verticalDpi));
}

QFont BoxFont(const QString &face, const QString &size)
{
    return CmnFontFromDescriptor(CmnMergeFontDescriptors(face, size));
}

} // namespace

CCmnFormBox::CCmnFormBox(CCmnForm *form, QGraphicsItem *graphicsParent, double widthFraction,
                         double heightFraction, double z)
    : m_Form(form)
    , m_GraphicsParent(graphicsParent)
    , m_Z(z < 0 ? 0.0 : z)
    , m_WidthFraction(widthFraction)
    , m_HeightFraction(heightFraction)
{
    CreateItems();
}

CCmnFormBox::CCmnFormBox(CCmnForm *form, CCmnFormBox *parent, double z)
    : m_Form(form)
    , m_Parent(parent)
    , m_GraphicsParent(parent->m_GraphicsParent)
    , m_Z(z < -0.5 ? parent->m_Z + 1.0 : z)
{
    CreateItems();
}

// The graphics items belong to the graphics parent and its scene, which may go
// before or after the form; the box never touches them on its way out.
CCmnFormBox::~CCmnFormBox() = default;

void CCmnFormBox::CreateItems()
{
    m_FillItem = new CCmnGraphicsRectItemEx(m_GraphicsParent);
    m_FillItem->setZValue(m_Z);
    m_FillItem->setPen(Qt::NoPen);

    m_ClipItem = new CCmnGraphicsRectItemEx(m_GraphicsParent);
    m_ClipItem->setZValue(m_Z + 0.1);
    m_ClipItem->setPen(Qt::NoPen);
    m_ClipItem->setFlag(QGraphicsItem::ItemClipsChildrenToShape);

    m_PictureClipItem = new CCmnGraphicsRectItemEx(m_ClipItem);
    m_PictureClipItem->setZValue(m_Z + 0.1);
    m_PictureClipItem->setPen(Qt::NoPen);
    m_PictureClipItem->setBrush(Qt::NoBrush);
    m_PictureClipItem->setFlag(QGraphicsItem::ItemClipsChildrenToShape);

    m_PictureItem = new CCmnGraphicsSizedPixmapItem(m_PictureClipItem);
    m_PictureItem->setZValue(m_Z + 0.1);

    m_TextItem = new CCmnGraphicsTextItem(m_ClipItem);
    m_TextItem->setZValue(m_Z + 0.2);

    m_BorderItem = new CCmnGraphicsRectItemEx(m_GraphicsParent);
    m_BorderItem->setZValue(m_Z + 0.3);
    m_BorderItem->setBrush(Qt::NoBrush);

    m_TopItem = new CCmnGraphicsRectItemEx(m_GraphicsParent);
    m_TopItem->setZValue(m_Z + 0.4);

    for (QGraphicsItem *item : {static_cast<QGraphicsItem *>(m_FillItem), static_cast<QGraphicsItem *>(m_ClipItem),
                                static_cast<QGraphicsItem *>(m_PictureClipItem),
                                static_cast<QGraphicsItem *>(m_PictureItem), static_cast<QGraphicsItem *>(m_TextItem),
                                static_cast<QGraphicsItem *>(m_BorderItem), static_cast<QGraphicsItem *>(m_TopItem)})
        item->setVisible(false);
}

template <typename T>
const T &CCmnFormBox::Resolve(TCmnFormBoxProperty<T> CCmnFormBox::*slot, const T &fallback) const
{
    // A root that inherits has no parent to ask and answers with the default.
    for (const CCmnFormBox *box = this; box; box = box->m_Parent) {
        const TCmnFormBoxProperty<T> &property = box->*slot;
        if (property.m_Mode == CmnFormBoxPropertyOwn && property.m_Value)
            return *property.m_Value;
        if (property.m_Mode != CmnFormBoxPropertyInherit)
            break;
    }
    return fallback;
}

template <typename T>
void CCmnFormBox::SetOwn(TCmnFormBoxProperty<T> &slot, const T &value)
{
    slot.Set(value);
    m_Dirty = true;
}

void CCmnFormBox::SetBorderColor(const QColor &color) { SetOwn(m_BorderColor, color); }
void CCmnFormBox::SetBorderStyle(const CCmnFormBoxBorderStyle &style) { SetOwn(m_BorderStyle, style); }
void CCmnFormBox::SetFillColor(const QColor &color) { SetOwn(m_FillColor, color); }
void CCmnFormBox::SetFillStyle(const CCmnFormBoxFillStyle &style) { SetOwn(m_FillStyle, style); }
void CCmnFormBox::SetPadding(const CCmnFormBoxRectExtents &padding) { SetOwn(m_Padding, padding); }
void CCmnFormBox::SetTextFace(const QString &descriptor) { SetOwn(m_TextFace, descriptor); }
void CCmnFormBox::SetTextSize(const QString &descriptor) { SetOwn(m_TextSize, descriptor); }
void CCmnFormBox::SetTextScale(double scale) { SetOwn(m_TextScale, scale); }
void CCmnFormBox::SetTextColor(const QColor &color) { SetOwn(m_TextColor, color); }
void CCmnFormBox::SetTextAlign(const CCmnFormBoxTextAlign &align) { SetOwn(m_TextAlign, align); }
void CCmnFormBox::SetPicturePos(const CCmnFormBoxPicturePos &pos) { SetOwn(m_PicturePos, pos); }
void CCmnFormBox::SetSplitSettings(const CCmnFormBoxSplitSettings &settings) { SetOwn(m_SplitSettings, settings); }

qint32 &CCmnFormBox::ModeOf(ECmnFormBoxProperty property)
{
    switch (property) {
    case CmnFormBoxBorderColor: return m_BorderColor.m_Mode;
    case CmnFormBoxBorderStyle: return m_BorderStyle.m_Mode;
    case CmnFormBoxFillColor: return m_FillColor.m_Mode;
    case CmnFormBoxFillStyle: return m_FillStyle.m_Mode;
    case CmnFormBoxPadding: return m_Padding.m_Mode;
    case CmnFormBoxTextFace: return m_TextFace.m_Mode;
    case CmnFormBoxTextSize: return m_TextSize.m_Mode;
    case CmnFormBoxTextScale: return m_TextScale.m_Mode;
    case CmnFormBoxTextColor: return m_TextColor.m_Mode;
    case CmnFormBoxTextAlign: return m_TextAlign.m_Mode;
    case CmnFormBoxPicturePos: return m_PicturePos.m_Mode;
    case CmnFormBoxSplitSettings: break;
    }
    return m_SplitSettings.m_Mode;
}

void CCmnFormBox::SetInherited(ECmnFormBoxProperty property)
{
    ModeOf(property) = CmnFormBoxPropertyInherit;
    m_Dirty = true;
}

void CCmnFormBox::SetDefault(ECmnFormBoxProperty property)
{
    ModeOf(property) = CmnFormBoxPropertyDefault;
    m_Dirty = true;
}

qint32 CCmnFormBox::PropertyMode(ECmnFormBoxProperty property) const
{
    return const_cast<CCmnFormBox *>(this)->ModeOf(property);
}

const QColor &CCmnFormBox::GetBorderColor() const { return Resolve(&CCmnFormBox::m_BorderColor, DefaultBlack()); }
const CCmnFormBoxBorderStyle &CCmnFormBox::GetBorderStyle() const
{
    return Resolve(&CCmnFormBox::m_BorderStyle, DefaultOf<CCmnFormBoxBorderStyle>());
}
const QColor &CCmnFormBox::GetFillColor() const { return Resolve(&CCmnFormBox::m_FillColor, DefaultTransparent()); }
const CCmnFormBoxFillStyle &CCmnFormBox::GetFillStyle() const
{
    return Resolve(&CCmnFormBox::m_FillStyle, DefaultOf<CCmnFormBoxFillStyle>());
}
const CCmnFormBoxRectExtents &CCmnFormBox::GetPadding() const
{
    return Resolve(&CCmnFormBox::m_Padding, DefaultOf<CCmnFormBoxRectExtents>());
}
const QString &CCmnFormBox::GetTextFace() const { return Resolve(&CCmnFormBox::m_TextFace, DefaultOf<QString>()); }
const QString &CCmnFormBox::GetTextSize() const { return Resolve(&CCmnFormBox::m_TextSize, DefaultOf<QString>()); }
const double &CCmnFormBox::GetTextScale() const { return Resolve(&CCmnFormBox::m_TextScale, DefaultOf<double>()); }
const QColor &CCmnFormBox::GetTextColor() const { return Resolve(&CCmnFormBox::m_TextColor, DefaultBlack()); }
const CCmnFormBoxTextAlign &CCmnFormBox::GetTextAlign() const
{
    return Resolve(&CCmnFormBox::m_TextAlign, DefaultOf<CCmnFormBoxTextAlign>());
}
const CCmnFormBoxPicturePos &CCmnFormBox::GetPicturePos() const
{
    return Resolve(&CCmnFormBox::m_PicturePos, DefaultOf<CCmnFormBoxPicturePos>());
}
const CCmnFormBoxSplitSettings &CCmnFormBox::GetSplitSettings() const
{
    return Resolve(&CCmnFormBox::m_SplitSettings, CmnDefaultFormBoxSplitSettings());
}

CCmnFormBoxSplitSettings *CCmnFormBox::FindSplitSettings() const
{
    const CCmnFormBoxSplitSettings &resolved = GetSplitSettings();
    if (&resolved == &CmnDefaultFormBoxSplitSettings())
        return nullptr;
    return const_cast<CCmnFormBoxSplitSettings *>(&resolved);
}

void CCmnFormBox::SetText(const QString &html)
{
    if (html == m_Text)
        return;
    m_Text = html;
    m_Dirty = true;
}

void CCmnFormBox::SetPicture(const CCmnPicture &picture)
{
    if (picture == m_Picture)
        return;
    m_Picture = picture;
    m_Dirty = true;
}

void CCmnFormBox::SetToolTip(const QString &text)
{
    if (text == m_ToolTip)
        return;
    m_ToolTip = text;
    m_Dirty = true;
}

void CCmnFormBox::SetShowPlaceholder(bool show)
{
    if (show == m_ShowPlaceholder)
        return;
    m_ShowPlaceholder = show;
    m_Dirty = true;
}

void CCmnFormBox::SetFillOverride(bool on, qint32 brushStyle, const QColor &color, double opacity)
{
    m_FillOverride = on;
    m_FillOverrideStyle = brushStyle;
    m_FillOverrideColor = color;
    m_FillOverrideOpacity = opacity;
    m_Dirty = true;
}

void CCmnFormBox::SetClickable(bool on)
{
    m_Clickable = on;
    m_Dirty = true;
}

void CCmnFormBox::SetContextMenu(bool on)
{
    m_ContextMenu = on;
    m_Dirty = true;
}

void CCmnFormBox::SetActiveMode(qint32 mode)
{
    m_ActiveMode = mode;
    m_Dirty = true;
}

bool CCmnFormBox::IsFilled()
{
    if (m_ActiveMode == CmnFormBoxNeverFilled)
        return false;
    if (m_ActiveMode == CmnFormBoxAlwaysFilled)
        return true;
    if (!m_Text.isEmpty())
        return true;
    if (!m_Picture.IsEmpty()) {
        m_Picture.EnsureLoaded();
        if (m_Picture.HasPixmap())
            return true;
    }
    return m_ShowPlaceholder && !m_ToolTip.isEmpty();
}

double CCmnFormBox::BorderLineWidth(double dotsPerInch) const
{
    const CCmnFormBoxBorderStyle &border = GetBorderStyle();
    return border.m_LineStyle != Qt::NoPen ? border.m_Thickness.ToDevice(dotsPerInch) : 0.0;
}

double CCmnFormBox::GetLeftInset(double horizontalDpi) const
{
    return GetPadding().m_Left.ToDevice(horizontalDpi) + BorderLineWidth(horizontalDpi);
}

double CCmnFormBox::GetRightInset(double horizontalDpi) const
{
    return GetPadding().m_Right.ToDevice(horizontalDpi) + BorderLineWidth(horizontalDpi);
}

double CCmnFormBox::GetTopInset(double verticalDpi) const
{
    return GetPadding().m_Top.ToDevice(verticalDpi) + BorderLineWidth(verticalDpi);
}

double CCmnFormBox::GetBottomInset(double verticalDpi) const
{
    return GetPadding().m_Bottom.ToDevice(verticalDpi) + BorderLineWidth(verticalDpi);
}

QSizeF CCmnFormBox::GetInsetSize(const QSizeF &dpi) const
{
    return {GetLeftInset(dpi.width()) + GetRightInset(dpi.width()),
            GetTopInset(dpi.height()) + GetBottomInset(dpi.height())};
}

qint32 CCmnFormBox::GetTextPixelSize() const
{
    const QFont font = BoxFont(GetTextFace(), GetTextSize());
    return PixelSize(font.pointSizeF(), GetTextScale(), m_Form->Resolution().height());
}

void CCmnFormBox::LayoutAndPaintBox(const QPointF &position, const QSizeF &size, const QSizeF &dpi, bool onScreen)
{
    m_Position = position;
    m_Size = size;

    const QColor &borderColor = GetBorderColor();
    const CCmnFormBoxBorderStyle &border = GetBorderStyle();
    const CCmnFormBoxFillStyle &fillStyle = GetFillStyle();
    const CCmnFormBoxRectExtents &padding = GetPadding();
    const CCmnFormBoxTextAlign &align = GetTextAlign();

    QString text = m_Text;
    QColor textColor = GetTextColor();
    if (onScreen && m_ShowPlaceholder && m_Text.isEmpty()) {
        m_Picture.EnsureLoaded();
        if (!m_Picture.HasPixmap()) {
            text = m_ToolTip; // HTML: the caller escaped what it put in
            textColor = m_PlaceholderColor;
        }
    }

    CCmnFormBoxPaintGeometry::CInput input;
    input.m_Size = size;
    input.m_Dpi = dpi;
    input.m_BorderWidth = BorderLineWidth(dpi.width());
    input.m_PadLeft = padding.m_Left.ToDevice(dpi.width());
    input.m_PadTop = padding.m_Top.ToDevice(dpi.height());
    input.m_PadRight = padding.m_Right.ToDevice(dpi.width());
    input.m_PadBottom = padding.m_Bottom.ToDevice(dpi.height());
    input.m_PicturePos = GetPicturePos();
    if (input.m_PicturePos.m_Mode != 0 && !m_Picture.IsEmpty()) {
        m_Picture.EnsureLoaded();
        if (m_Picture.HasPixmap())
            input.m_PixmapSize = m_Picture.Pixmap().size();
    }
    input.m_HasText = !text.isEmpty();
    const CCmnFormBoxPaintGeometry geometry(input);

    // The clip item's origin is the border rectangle's corner; the areas are
    // measured from the box's corner.
    const QPointF clipOrigin = geometry.m_BorderRect.topLeft();
    const bool outlined = !geometry.m_BorderRect.isEmpty();
    for (CCmnGraphicsRectItemEx *item : {m_FillItem, m_ClipItem, m_BorderItem, m_TopItem})
        item->setVisible(outlined);
    if (outlined) {
        const qint32 radius = qint32(border.CornerRadius(dpi.width(), geometry.m_BorderRect.size()));
        const QRectF local(QPointF(0, 0), geometry.m_BorderRect.size());
        for (CCmnGraphicsRectItemEx *item : {m_FillItem, m_ClipItem, m_BorderItem, m_TopItem}) {
            item->setRoundness(radius);
            item->setRect(local);
            item->setPos(position + clipOrigin);
        }
        if (m_FillOverride) {
            m_FillItem->setBrush(QBrush(m_FillOverrideColor, Qt::BrushStyle(m_FillOverrideStyle)));
            m_FillItem->setOpacity(m_FillOverrideOpacity);
        } else {
            m_FillItem->setBrush(QBrush(GetFillColor(), Qt::BrushStyle(fillStyle.m_Style)));
            m_FillItem->setOpacity(fillStyle.m_Opacity / 100.0);
        }
        m_ClipItem->setBrush(Qt::NoBrush);
        QPen borderPen(borderColor, input.m_BorderWidth, Qt::PenStyle(border.m_LineStyle));
        borderPen.setJoinStyle(Qt::MiterJoin);
        m_BorderItem->setPen(border.m_LineStyle != Qt::NoPen ? borderPen : QPen(Qt::NoPen));
        if (!m_Painted) {
            m_TopItem->SetHoverPen(QPen(QBrush(m_HoverColor), dpi.width() * 0.05, Qt::SolidLine));
            m_TopItem->setPen(Qt::NoPen);
            m_TopItem->setBrush(Qt::NoBrush);
        }
    }

    const bool hasPicture = !geometry.m_PictureRect.isNull();
    if (hasPicture) {
        m_PictureClipItem->setRect(geometry.m_PictureArea.translated(-clipOrigin));
        m_PictureItem->setPos(geometry.m_PictureRect.topLeft() - clipOrigin);
        m_PictureItem->SetSize(geometry.m_PictureRect.size());
        m_PictureItem->setPixmap(m_Picture.Pixmap());
    }
    m_PictureClipItem->setVisible(hasPicture);
    m_PictureItem->setVisible(hasPicture);

    const bool hasText = !geometry.m_TextArea.isNull();
    if (hasText) {
        const QRectF &area = geometry.m_TextArea;
        m_TextItem->setTextWidth(area.width());
        QFont font = BoxFont(GetTextFace(), GetTextSize());
        font.setPixelSize(PixelSize(font.pointSizeF(), GetTextScale(), dpi.height()));
        m_TextItem->setFont(font);
        m_TextItem->setDefaultTextColor(textColor);
        m_TextItem->setHtml(align.m_Horizontal == 0 ? CmnHtmlCentre(text) : text);
        const double slack = area.height() - m_TextItem->boundingRect().height();
        double down = 0.0;
        if (align.m_Vertical == 2)
            down = slack;
        else if (align.m_Vertical == 0)
            down = slack / 2;
        m_TextItem->setPos(area.topLeft() - clipOrigin + QPointF(0, down));
    }
    m_TextItem->setVisible(hasText);
    m_Painted = true;
}

QString CmnScaleFontSize(const QString &descriptor, qint32 percent)
{
    QStringList parts = descriptor.split(QLatin1Char(';'));
    if (parts.size() < 2)
        return descriptor;
    const qint32 size = CmnParseFontPointSize(parts.at(1));
    if (size <= 0)
        return descriptor;
    const qint32 scaled = qBound(1, qint32(size * percent / 100.0 + 0.5), CmnMaxFontPointSize);
    parts[1] = QString::number(scaled);
    return parts.join(QLatin1Char(';'));
}
