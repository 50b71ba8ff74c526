#include "cmnpixmappopup.h"

#include "cmnpixmappopupitemselector.h"

CCmnPixmapPopup::CCmnPixmapPopup(const TCmnItemChoices<QString> *choices, const QString &defaultText,
                                 QWidget *parent)
    : TCmnItemPopup<QString>(choices, defaultText, parent)
{
}

void CCmnPixmapPopup::Slot_CustomSelected()
{
    // Images are chosen from the built-in palette only.
}

void CCmnPixmapPopup::Slot_ItemSelected()
{
    if (SlotsBlocked())
        return;
    ItemSelected(qobject_cast<CCmnPixmapPopupItemSelector *>(sender()));
}

bool CCmnPixmapPopup::IsValidItem(const QString &value) const
{
    return !value.isEmpty();
}

TCmnItemPopupItemSelector<QString> *
CCmnPixmapPopup::CreateItemSelector(const TCmnItemChoices<QString> *choices)
{
    auto *cell = new CCmnPixmapPopupItemSelector(choices, this);
    connect(cell, &CCmnPixmapPopupItemSelector::selected, this, &CCmnPixmapPopup::Slot_ItemSelected);
    return cell;
}

CCmnItemPopupCustomSelector *CCmnPixmapPopup::CreateCustomSelector()
{
    auto *cell = new CCmnItemPopupCustomSelector(this);
    connect(cell, &CCmnItemPopupCustomSelector::clicked, this, &CCmnPixmapPopup::Slot_CustomSelected);
    return cell;
}

void CCmnPixmapPopup::EmitSelected()
{
    Q_EMIT selected(Value());
}

void CCmnPixmapPopup::EmitHid()
{
    Q_EMIT hid();
}
