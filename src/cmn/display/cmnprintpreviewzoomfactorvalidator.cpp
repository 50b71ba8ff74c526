#include "cmnprintpreviewzoomfactorvalidator.h"

CCmnPrintPreviewZoomFactorValidator::CCmnPrintPreviewZoomFactorValidator(double bottom, double top, int decimals,
                                                                         QObject *parent, const QLocale &locale)
    : QDoubleValidator(bottom, top, decimals, parent)
{
    setLocale(locale);
}

QValidator::State CCmnPrintPreviewZoomFactorValidator::validate(QString &input, int &pos) const
{
    const QString percent = QStringLiteral("%");
    const bool hasPercent = input.endsWith(percent);
    QString number = hasPercent ? input.chopped(1) : input;
    int numberPos = qMin(pos, int(number.size()));
    State state = QDoubleValidator::validate(number, numberPos);
    input = hasPercent ? number + percent : number;
    pos = qMin(pos, int(input.size()));
    if (state != Intermediate)
        return state;
    // Out of range yet long enough that no more typing can bring it back.
    const qsizetype point = input.indexOf(locale().decimalPoint());
    if (point > 4 || (point < 0 && input.size() > 4))
        return Invalid;
    return state;
}
