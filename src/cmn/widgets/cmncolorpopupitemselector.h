#pragma once

#include "tcmnitempopupitemselector.h"

#include <QColor>

// A cell of the colour popup: a framed square of its colour, black for the
// "Default" cell.
class CCmnColorPopupItemSelector : public TCmnItemPopupItemSelector<QColor>
{
    Q_OBJECT
public:
    CCmnColorPopupItemSelector(const TCmnItemChoices<QColor> *choices, QWidget *parent);

Q_SIGNALS:
    void clicked();
    void selected();

protected:
    void EmitClicked() override;
    void EmitSelected() override;
    void paintEvent(QPaintEvent *event) override;
};
