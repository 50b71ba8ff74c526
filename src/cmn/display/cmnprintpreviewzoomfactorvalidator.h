#pragma once

#include <QDoubleValidator>

// Checks the zoom box's text, a percentage that may end in "%". A number that
// could still grow into a valid one stays intermediate only while it is short
// enough to: at most four characters before the decimal point.
class CCmnPrintPreviewZoomFactorValidator : public QDoubleValidator
{
    Q_OBJECT
public:
    // The locale gives the decimal point; the system's by default.
    CCmnPrintPreviewZoomFactorValidator(double bottom, double top, int decimals, QObject *parent,
                                        const QLocale &locale);

    State validate(QString &input, int &pos) const override;
};
