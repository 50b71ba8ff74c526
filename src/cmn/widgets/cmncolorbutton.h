#pragma once

#include "tcmnitembutton.h"

#include <QColor>

class CCmnColorPopup;

// A colour picker: a button showing a colour swatch and its name that drops down
// a grid of the palette's colours. Colours set or chosen that are in no palette
// are added to the shared palette as "Custom n", for every button on it.
class CCmnColorButton : public TCmnItemButton<QColor>
{
    Q_OBJECT
public:
    // With kHasDefaultEntry and an empty default text the default entry is
    // called "Default".
    CCmnColorButton(TCmnItemChoices<QColor> *choices, int flags, const QString &defaultText,
                    QWidget *parent = nullptr);

    CCmnColorPopup *ColorPopup() const;

Q_SIGNALS:
    void valueChanged(const QColor &value);

public Q_SLOTS:
    void ButtonPressed(bool on);
    void PopupClosed();
    void SetColor(const QColor &value);

protected:
    void EmitValueChanged(const QColor &value) override;
    bool IsValidItem(const QColor &value) const override;
    QIcon MakeIcon(const QColor &value) override;
};
