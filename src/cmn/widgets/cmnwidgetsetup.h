#pragma once

#include <QtGlobal>

class QComboBox;
class QDoubleSpinBox;

// Set-up and read helpers for stock widgets that several windows share.

// Prepares a spin box for a length in an ECmnLengthUnit: range, single step,
// decimals and the unit's short name as suffix ("in", "cm", "mm"; "??" for
// another code). A minimum below 0 asks for the unit's defaults in place of all
// four numbers: 0 to 50 by 0.1 with 3 decimals for inches (and unknown codes),
// 0 to 100 by 0.25 with 2 for centimetres, 0 to 1000 by 2.5 with 1 for millimetres.
void CmnSetupLengthSpinBox(QDoubleSpinBox *spinBox, qint32 unit, double minimum, double maximum,
                           double singleStep, int decimals);

// The current item's data (Qt::UserRole) as an integer; 0 when no item is current.
int CmnComboCurrentIntData(const QComboBox *comboBox);
