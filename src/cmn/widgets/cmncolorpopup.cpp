#include "cmncolorpopup.h"

#include "cmncolorchooser.h"
#include "cmncolorpopupitemselector.h"

CCmnColorPopup::CCmnColorPopup(const TCmnItemChoices<QColor> *choices, const QString &defaultText,
                               QWidget *parent)
    : TCmnItemPopup<QColor>(choices, defaultText, parent)
{
}

void CCmnColorPopup::Slot_CustomSelected()
{
    if (SlotsBlocked())
        return;
    const QColor chosen = CmnGetColor(Value(), parentWidget(), QString(),
                                      QColorDialog::ShowAlphaChannel);
    if (!chosen.isValid())
        return;
    SetValue(chosen);
    EmitSelected();
    // The button hides the popup only when the value changes; confirming the
    // current colour closes it too.
    if (isVisible())
        hide();
}

void CCmnColorPopup::Slot_ItemSelected()
{
    if (SlotsBlocked())
        return;
    ItemSelected(qobject_cast<CCmnColorPopupItemSelector *>(sender()));
}

bool CCmnColorPopup::IsValidItem(const QColor &value) const
{
    return value.isValid();
}

TCmnItemPopupItemSelector<QColor> *
CCmnColorPopup::CreateItemSelector(const TCmnItemChoices<QColor> *choices)
{
    auto *cell = new CCmnColorPopupItemSelector(choices, this);
    connect(cell, &CCmnColorPopupItemSelector::selected, this, &CCmnColorPopup::Slot_ItemSelected);
    return cell;
}

CCmnItemPopupCustomSelector *CCmnColorPopup::CreateCustomSelector()
{
    auto *cell = new CCmnItemPopupCustomSelector(this);
    connect(cell, &CCmnItemPopupCustomSelector::clicked, this, &CCmnColorPopup::Slot_CustomSelected);
    return cell;
}

void CCmnColorPopup::EmitSelected()
{
    Q_EMIT selected(Value());
}

void CCmnColorPopup::EmitHid()
{
    Q_EMIT hid();
}
