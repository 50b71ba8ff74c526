#include "cmncolorbutton.h"

#include "cmncolorpopup.h"

#include <QPainter>
#include <QPixmap>

CCmnColorButton::CCmnColorButton(TCmnItemChoices<QColor> *choices, int flags,
                                 const QString &defaultText, QWidget *parent)
    : TCmnItemButton<QColor>(choices, flags,
                             DefaultTextFor(flags, defaultText, QStringLiteral("Default")), parent)
{
    auto *popup = new CCmnColorPopup(choices, DefaultText(), this);
    SetPopup(popup);
    connect(popup, &CCmnColorPopup::selected, this, &CCmnColorButton::SetColor);
    connect(popup, &CCmnColorPopup::hid, this, &CCmnColorButton::PopupClosed);
    connect(this, &QAbstractButton::toggled, this, &CCmnColorButton::ButtonPressed);
}

CCmnColorPopup *CCmnColorButton::ColorPopup() const
{
    return static_cast<CCmnColorPopup *>(Popup());
}

void CCmnColorButton::ButtonPressed(bool on)
{
    if (SlotsBlocked())
        return;
    OpenPopup(on);
}

void CCmnColorButton::PopupClosed()
{
    if (SlotsBlocked())
        return;
    ClosePopup();
}

void CCmnColorButton::SetColor(const QColor &value)
{
    SetValue(value);
}

void CCmnColorButton::EmitValueChanged(const QColor &value)
{
    Q_EMIT valueChanged(value);
}

bool CCmnColorButton::IsValidItem(const QColor &value) const
{
    return value.isValid();
}

QIcon CCmnColorButton::MakeIcon(const QColor &value)
{
    const int side = CmnItemCellSide(style());
    QPixmap pixmap(side, side);
    pixmap.fill(palette().color(QPalette::Button));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    if (value.isValid())
        painter.setBrush(value);
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(2, 2, side - 5, side - 5));
    painter.end();
    return QIcon(pixmap);
}
