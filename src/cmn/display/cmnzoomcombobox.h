#pragma once

#include "cmnsystemlocale.h"

#include <QString>

class CCmnComboBox;
class QWidget;

// The editable zoom box of the page views: nine steps from "12.5%" to "800%",
// any percentage from 1 to 1000 typed, and the last good text put back when
// the user leaves it holding something else. Its users connect the line edit's
// editingFinished() and the box's currentIndexChanged(int) to their zoom slot.
CCmnComboBox *CmnCreateZoomComboBox(QWidget *parent, const QLocale &locale = CmnSystemLocale());

// The percentage typed into a zoom box: every "%" taken out, read in the
// locale (or as plain digits with a point), limited to 1 ... 1000. False, with
// the value untouched, when the text is no number.
bool CmnReadZoomPercent(const QString &text, double *percent, const QLocale &locale = CmnSystemLocale());
// How a zoom factor (1.0 = actual size) is shown while the view sets it: "110.0%".
QString CmnZoomFactorText(double zoom);
// How a typed percentage is given back: the shortest form, "250%" or "12.5%".
QString CmnZoomPercentText(double percent);
