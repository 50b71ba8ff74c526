#pragma once

#include "tcmnitempopup.h"

#include <QColor>

// The drop-down of a colour button. Its "More" cell opens a free colour choice
// with an alpha channel.
class CCmnColorPopup : public TCmnItemPopup<QColor>
{
    Q_OBJECT
public:
    CCmnColorPopup(const TCmnItemChoices<QColor> *choices, const QString &defaultText, QWidget *parent);

Q_SIGNALS:
    void selected(const QColor &value);
    void hid();

public Q_SLOTS:
    void Slot_CustomSelected();
    void Slot_ItemSelected();

protected:
    bool IsValidItem(const QColor &value) const override;
    TCmnItemPopupItemSelector<QColor> *CreateItemSelector(const TCmnItemChoices<QColor> *choices) override;
    CCmnItemPopupCustomSelector *CreateCustomSelector() override;
    void EmitSelected() override;
    void EmitHid() override;
};
