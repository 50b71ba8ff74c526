#include "cmnpixmapbutton.h"

#include "cmnpixmappopup.h"

#include <QPainter>
#include <QPixmap>

CCmnPixmapButton::CCmnPixmapButton(TCmnItemChoices<QString> *choices, int flags,
                                   const QString &defaultText, QWidget *parent)
    : TCmnItemButton<QString>(choices, flags,
                              DefaultTextFor(flags, defaultText, QStringLiteral("None")), parent)
{
    auto *popup = new CCmnPixmapPopup(choices, DefaultText(), this);
    SetPopup(popup);
    connect(popup, &CCmnPixmapPopup::selected, this, &CCmnPixmapButton::SetFilename);
    connect(popup, &CCmnPixmapPopup::hid, this, &CCmnPixmapButton::PopupClosed);
    connect(this, &QAbstractButton::toggled, this, &CCmnPixmapButton::ButtonPressed);
}

CCmnPixmapPopup *CCmnPixmapButton::PixmapPopup() const
{
    return static_cast<CCmnPixmapPopup *>(Popup());
}

void CCmnPixmapButton::ButtonPressed(bool on)
{
    if (SlotsBlocked())
        return;
    OpenPopup(on);
}

void CCmnPixmapButton::PopupClosed()
{
    if (SlotsBlocked())
        return;
    ClosePopup();
}

void CCmnPixmapButton::SetFilename(const QString &value)
{
    SetValue(value);
}

void CCmnPixmapButton::EmitValueChanged(const QString &value)
{
    Q_EMIT valueChanged(value);
}

bool CCmnPixmapButton::IsValidItem(const QString &value) const
{
    return !value.isEmpty();
}

QIcon CCmnPixmapButton::MakeIcon(const QString &value)
{
    const int side = CmnItemCellSide(style());
    QPixmap pixmap(side, side);
    pixmap.fill(palette().color(QPalette::Button));
    QPainter painter(&pixmap);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(QRectF(0.5, 0.5, side - 1, side - 1));
    QPixmap image;
    if (!value.isEmpty() && image.load(value))
        painter.drawPixmap((side - image.width()) / 2, (side - image.height()) / 2, image);
    painter.end();
    return QIcon(pixmap);
}
