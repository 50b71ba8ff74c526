#pragma once

#include "cmnslotblocker.h"

#include <QWidget>

// A plain container of a layout with the framework's slot-blocking counter; the
// base of the framework's composite widgets.
class CCmnWidget : public QWidget, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    // The widget takes the layout (and so owns it) when one is given.
    explicit CCmnWidget(QLayout *layout = nullptr, QWidget *parent = nullptr,
                        Qt::WindowFlags flags = {});
};
