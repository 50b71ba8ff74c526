#pragma once

#include "cmnsystemlocale.h"

class CCmnComboBox;
class QWidget;

// The editable zoom box of the page views: nine steps from "12.5%" to "800%",
// any percentage from 1 to 1000 typed, and the last good text put back when
// the user leaves it holding something else. Its users connect the line edit's
// editingFinished() and the box's currentIndexChanged(int) to their zoom slot.
CCmnComboBox *CmnCreateZoomComboBox(QWidget *parent, const QLocale &locale = CmnSystemLocale());
