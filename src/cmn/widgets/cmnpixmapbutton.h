#pragma once

#include "tcmnitembutton.h"

#include <QString>

class CCmnPixmapPopup;

// A picker for one of the built-in decoration images, or none: a button showing
// the image and its name that drops down a grid of all of them. The value is the
// image's resource path; the empty path is the "None" entry.
class CCmnPixmapButton : public TCmnItemButton<QString>
{
    Q_OBJECT
public:
    // With kHasDefaultEntry and an empty default text the default entry is
    // called "None".
    CCmnPixmapButton(TCmnItemChoices<QString> *choices, int flags, const QString &defaultText,
                     QWidget *parent = nullptr);

    CCmnPixmapPopup *PixmapPopup() const;

Q_SIGNALS:
    void valueChanged(const QString &value);

public Q_SLOTS:
    void ButtonPressed(bool on);
    void PopupClosed();
    void SetFilename(const QString &value);

protected:
    void EmitValueChanged(const QString &value) override;
    bool IsValidItem(const QString &value) const override;
    QIcon MakeIcon(const QString &value) override;
};
