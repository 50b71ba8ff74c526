#pragma once

#include "tcmnitempopup.h"

#include <QString>

// The drop-down of a pixmap button. Its palette forbids custom values, so it never
// has a "More" cell.
class CCmnPixmapPopup : public TCmnItemPopup<QString>
{
    Q_OBJECT
public:
    CCmnPixmapPopup(const TCmnItemChoices<QString> *choices, const QString &defaultText,
                    QWidget *parent);

Q_SIGNALS:
    void selected(const QString &value);
    void hid();

public Q_SLOTS:
    void Slot_CustomSelected();
    void Slot_ItemSelected();

protected:
    bool IsValidItem(const QString &value) const override;
    TCmnItemPopupItemSelector<QString> *CreateItemSelector(const TCmnItemChoices<QString> *choices) override;
    CCmnItemPopupCustomSelector *CreateCustomSelector() override;
    void EmitSelected() override;
    void EmitHid() override;
};
