#pragma once

#include "tcmnitempopupitemselector.h"

#include <QString>

// A cell of the pixmap popup: its image, unscaled and centred; the "None" cell
// shows only its frames.
class CCmnPixmapPopupItemSelector : public TCmnItemPopupItemSelector<QString>
{
    Q_OBJECT
public:
    CCmnPixmapPopupItemSelector(const TCmnItemChoices<QString> *choices, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void selected();

protected:
    void EmitClicked() override;
    void EmitSelected() override;
    void paintEvent(QPaintEvent *event) override;
};
