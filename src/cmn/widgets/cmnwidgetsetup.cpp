#include "cmnwidgetsetup.h"

#include "cmntext.h"

#include <QComboBox>
#include <QDoubleSpinBox>

void CmnSetupLengthSpinBox(QDoubleSpinBox *spinBox, qint32 unit, double minimum, double maximum,
                           double singleStep, int decimals)
{
    if (minimum < 0) {
        minimum = 0;
        switch (unit) {
        case CmnLengthUnitCentimeters:
            maximum = 100;
            singleStep = 0.25;
            decimals = 2;
            break;
        case CmnLengthUnitMillimeters:
            maximum = 1000;
            singleStep = 2.5;
            decimals = 1;
            break;
        default:
            maximum = 50;
            singleStep = 0.1;
            decimals = 3;
            break;
        }
    }
    spinBox->setMinimum(minimum);
    spinBox->setMaximum(maximum);
    spinBox->setSingleStep(singleStep);
    spinBox->setDecimals(decimals);
    spinBox->setSuffix(CmnLengthUnitName(unit, 1));
}

int CmnComboCurrentIntData(const QComboBox *comboBox)
{
    if (comboBox->currentIndex() < 0)
        return 0;
    return comboBox->currentData(Qt::UserRole).toInt();
}
