#pragma once

#include "cmnformboxborderstyle.h"
#include "cmnformboxfillstyle.h"
#include "cmnformboxpicturepos.h"
#include "cmnformboxrectextents.h"
#include "cmnformboxsplitsettings.h"
#include "cmnformboxtextalign.h"
#include "cmnpicture.h"
#include "tcmnformboxproperty.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSharedPointer>
#include <QSizeF>
#include <QString>

class CCmnForm;
class CCmnFormBox;
class CCmnGraphicsRectItemEx;
class CCmnGraphicsSizedPixmapItem;
class CCmnGraphicsTextItem;
class QGraphicsItem;

// The twelve styling properties, for the operations that address one by name.
enum ECmnFormBoxProperty : qint32 {
    CmnFormBoxBorderColor,
    CmnFormBoxBorderStyle,
    CmnFormBoxFillColor,
    CmnFormBoxFillStyle,
    CmnFormBoxPadding,
    CmnFormBoxTextFace,
    CmnFormBoxTextSize,
    CmnFormBoxTextScale,
    CmnFormBoxTextColor,
    CmnFormBoxTextAlign,
    CmnFormBoxPicturePos,
    CmnFormBoxSplitSettings,
};

// When a box counts as filled (see CCmnFormBox::IsFilled).
enum ECmnFormBoxActiveMode : qint32 {
    CmnFormBoxNeverFilled = 0,
    CmnFormBoxFilledWithContent = 1,
    CmnFormBoxAlwaysFilled = 2,
};

struct CCmnFormBoxChild
{
    QSharedPointer<CCmnFormBox> m_Box;
    qint32 m_Order = 0;
};

// A rectangle of a printable form: twelve styling properties, each set on the
// box, inherited from its parent or left at its default; content (HTML text, a
// picture, a placeholder); the rectangle the layout pass gives it; and the seven
// graphics items that show it. Boxes are made and owned by their form, and live
// as long as it does.
class CCmnFormBox
{
public:
    // A root box, placed by its fractions of the form rectangle.
    CCmnFormBox(CCmnForm *form, QGraphicsItem *graphicsParent, double widthFraction, double heightFraction,
                double z);
    // A child box, laid out by its parent.
    CCmnFormBox(CCmnForm *form, CCmnFormBox *parent, double z);
    ~CCmnFormBox();

    CCmnFormBox(const CCmnFormBox &) = delete;
    CCmnFormBox &operator=(const CCmnFormBox &) = delete;

    // Each setter makes the value the box's own and marks the box dirty.
    void SetBorderColor(const QColor &color);
    void SetBorderStyle(const CCmnFormBoxBorderStyle &style);
    void SetFillColor(const QColor &color);
    void SetFillStyle(const CCmnFormBoxFillStyle &style);
    void SetPadding(const CCmnFormBoxRectExtents &padding);
    void SetTextFace(const QString &descriptor);
    void SetTextSize(const QString &descriptor);
    void SetTextScale(double scale);
    void SetTextColor(const QColor &color);
    void SetTextAlign(const CCmnFormBoxTextAlign &align);
    void SetPicturePos(const CCmnFormBoxPicturePos &pos);
    void SetSplitSettings(const CCmnFormBoxSplitSettings &settings);
    // Makes the property follow the parent box's value (the default on a root).
    void SetInherited(ECmnFormBoxProperty property);
    // Back to the built-in default; the value once set is dropped.
    void SetDefault(ECmnFormBoxProperty property);
    qint32 PropertyMode(ECmnFormBoxProperty property) const;

    // Resolved values: the box's own, its parent's when it inherits, else the
    // built-in default.
    const QColor &GetBorderColor() const;
    const CCmnFormBoxBorderStyle &GetBorderStyle() const;
    const QColor &GetFillColor() const;
    const CCmnFormBoxFillStyle &GetFillStyle() const;
    const CCmnFormBoxRectExtents &GetPadding() const;
    const QString &GetTextFace() const;
    const QString &GetTextSize() const;
    const double &GetTextScale() const;
    const QColor &GetTextColor() const;
    const CCmnFormBoxTextAlign &GetTextAlign() const;
    const CCmnFormBoxPicturePos &GetPicturePos() const;
    const CCmnFormBoxSplitSettings &GetSplitSettings() const;
    // The split settings object that resolution reaches on a box that owns it, or
    // null; changing it changes the owner's settings.
    CCmnFormBoxSplitSettings *FindSplitSettings() const;
    bool HasSplitSettings() const { return FindSplitSettings() != nullptr; }

    // Content: each setter marks the box dirty only when the value changes. The
    // text and the placeholder tool tip are HTML.
    void SetText(const QString &html);
    void SetPicture(const CCmnPicture &picture);
    void SetToolTip(const QString &text);
    void SetShowPlaceholder(bool show);
    const QString &Text() const { return m_Text; }
    const CCmnPicture &Picture() const { return m_Picture; }
    const QString &ToolTip() const { return m_ToolTip; }
    bool ShowPlaceholder() const { return m_ShowPlaceholder; }
    void SetPlaceholderColor(const QColor &color) { m_PlaceholderColor = color; }
    void SetHoverColor(const QColor &color) { m_HoverColor = color; }

    // Replaces fill colour, style and opacity in painting while on.
    void SetFillOverride(bool on, qint32 brushStyle, const QColor &color, double opacity);

    void SetClickable(bool on);
    void SetContextMenu(bool on);
    void SetActiveMode(qint32 mode);
    bool IsClickable() const { return m_Clickable; }
    bool HasContextMenu() const { return m_ContextMenu; }
    qint32 ActiveMode() const { return m_ActiveMode; }
    // Whether the box has something to show, by its active mode; may load the picture.
    bool IsFilled();

    // Insets in device units: padding plus, with a border line, its thickness.
    double GetLeftInset(double horizontalDpi) const;
    double GetRightInset(double horizontalDpi) const;
    double GetTopInset(double verticalDpi) const;
    double GetBottomInset(double verticalDpi) const;
    QSizeF GetInsetSize(const QSizeF &dpi) const;
    // The border line's width; 0 without a line, whatever the thickness.
    double BorderLineWidth(double dotsPerInch) const;
    // The text's pixel size at the form's vertical resolution.
    qint32 GetTextPixelSize() const;

    // Places the box and updates its graphics items (see the layout pass).
    void LayoutAndPaintBox(const QPointF &position, const QSizeF &size, const QSizeF &dpi, bool onScreen);

    qint32 Id() const { return m_Id; }
    void SetId(qint32 id) { m_Id = id; }
    // What the form kind calls the box ("title", "ancestrypanel-cell-1-2"), so
    // that a box can be told apart without knowing the order its id was taken in.
    const QString &Name() const { return m_Name; }
    void SetName(const QString &name) { m_Name = name; }
    CCmnForm *Form() const { return m_Form; }
    CCmnFormBox *Parent() const { return m_Parent; }
    QList<CCmnFormBoxChild> &Children() { return m_Children; }
    const QList<CCmnFormBoxChild> &Children() const { return m_Children; }
    QGraphicsItem *GraphicsParent() const { return m_GraphicsParent; }
    double Z() const { return m_Z; }
    double WidthFraction() const { return m_WidthFraction; }
    double HeightFraction() const { return m_HeightFraction; }
    // The rectangle the box is painted in next; set by the layout pass.
    void SetGeometry(const QPointF &position, const QSizeF &size)
    {
        m_Position = position;
        m_Size = size;
    }
    QPointF Position() const { return m_Position; }
    QSizeF Size() const { return m_Size; }
    bool IsDirty() const { return m_Dirty; }
    void SetDirty(bool dirty) { m_Dirty = dirty; }
    bool IsPainted() const { return m_Painted; }

    CCmnGraphicsRectItemEx *FillItem() const { return m_FillItem; }
    CCmnGraphicsRectItemEx *ClipItem() const { return m_ClipItem; }
    CCmnGraphicsRectItemEx *PictureClipItem() const { return m_PictureClipItem; }
    CCmnGraphicsSizedPixmapItem *PictureItem() const { return m_PictureItem; }
    CCmnGraphicsTextItem *TextItem() const { return m_TextItem; }
    CCmnGraphicsRectItemEx *BorderItem() const { return m_BorderItem; }
    CCmnGraphicsRectItemEx *TopItem() const { return m_TopItem; }

private:
    void CreateItems();
    template <typename T>
    const T &Resolve(TCmnFormBoxProperty<T> CCmnFormBox::*slot, const T &fallback) const;
    template <typename T>
    void SetOwn(TCmnFormBoxProperty<T> &slot, const T &value);
    qint32 &ModeOf(ECmnFormBoxProperty property);

    CCmnForm *m_Form;
    qint32 m_Id = 0;
    QString m_Name;
    CCmnFormBox *m_Parent = nullptr;
    QList<CCmnFormBoxChild> m_Children;
    QGraphicsItem *m_GraphicsParent = nullptr;
    double m_Z = 0.0;
    double m_WidthFraction = 0.0;
    double m_HeightFraction = 0.0;
    QPointF m_Position;
    QSizeF m_Size;

    TCmnFormBoxProperty<QColor> m_BorderColor;
    TCmnFormBoxProperty<CCmnFormBoxBorderStyle> m_BorderStyle;
    TCmnFormBoxProperty<QColor> m_FillColor;
    TCmnFormBoxProperty<CCmnFormBoxFillStyle> m_FillStyle;
    TCmnFormBoxProperty<CCmnFormBoxRectExtents> m_Padding;
    TCmnFormBoxProperty<QString> m_TextFace;
    TCmnFormBoxProperty<QString> m_TextSize;
    TCmnFormBoxProperty<double> m_TextScale;
    TCmnFormBoxProperty<QColor> m_TextColor;
    TCmnFormBoxProperty<CCmnFormBoxTextAlign> m_TextAlign;
    TCmnFormBoxProperty<CCmnFormBoxPicturePos> m_PicturePos;
    TCmnFormBoxProperty<CCmnFormBoxSplitSettings> m_SplitSettings;

    QString m_Text;
    CCmnPicture m_Picture;
    QString m_ToolTip;
    bool m_ShowPlaceholder = true;
    QColor m_PlaceholderColor = QColor(0, 0, 255);
    QColor m_HoverColor = QColor(0xA7, 0xA9, 0xFF);
    bool m_FillOverride = false;
    qint32 m_FillOverrideStyle = Qt::SolidPattern;
    QColor m_FillOverrideColor = QColor(Qt::black);
    double m_FillOverrideOpacity = 1.0;
    bool m_Clickable = false;
    bool m_ContextMenu = false;
    qint32 m_ActiveMode = CmnFormBoxAlwaysFilled;
    bool m_Dirty = true;
    bool m_Painted = false;

    CCmnGraphicsRectItemEx *m_FillItem = nullptr;
    CCmnGraphicsRectItemEx *m_ClipItem = nullptr;
    CCmnGraphicsRectItemEx *m_PictureClipItem = nullptr;
    CCmnGraphicsSizedPixmapItem *m_PictureItem = nullptr;
    CCmnGraphicsTextItem *m_TextItem = nullptr;
    CCmnGraphicsRectItemEx *m_BorderItem = nullptr;
    CCmnGraphicsRectItemEx *m_TopItem = nullptr;
};

// The descriptor with its size scaled by the percentage (rounded half up); the
// other parts stay as written.
QString CmnScaleFontSize(const QString &descriptor, qint32 percent);
