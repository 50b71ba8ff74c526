#pragma once

#include "cmnexchangeverdict.h"

#include <QString>

// What the user's text in an integer or real-number box comes to when the window
// saves. The flags are ECmnExchangeFlag bits. A box left empty takes the default
// unless it is required; text that does not read as a number is refused, since taking
// the default in its place would store something the user never typed. A lenient
// reading (CmnExchangeNoValidation) refuses nothing.
//
// Limits: the minimum is checked when the maximum lies above it or with
// CmnExchangeCheckMinimum, the maximum when it lies above the minimum or with
// CmnExchangeCheckMaximum; so equal limits mean "no limits".

struct CCmnIntegerBoxRule
{
    qint64 m_Default = 0;
    qint64 m_Minimum = 0;
    qint64 m_Maximum = 0;
    // The range of the stored type, into which a number is clamped before the
    // limits are checked (nothing is clamped unless the lower end is below the upper).
    qint64 m_TypeMinimum = 0;
    qint64 m_TypeMaximum = 0;
};

// The rules of the two 32-bit integer boxes: the int box takes the whole range of
// its type, the long box stops at -2147483647.
CCmnIntegerBoxRule CmnIntBoxRule(qint32 defaultValue, qint32 minimum, qint32 maximum);
CCmnIntegerBoxRule CmnLongBoxRule(qint32 defaultValue, qint32 minimum, qint32 maximum);

// The base-10 text (not trimmed) read as a 64-bit integer and clamped into the type
// range. The value is set only when the verdict accepts.
CCmnExchangeVerdict CmnReadIntegerBox(const QString &text, qint32 flags, const CCmnIntegerBoxRule &rule,
                                      qint64 *value);

struct CCmnRealBoxRule
{
    double m_Default = 0;
    double m_Minimum = 0;
    double m_Maximum = 0;
    // Negative: 3 decimals (2 for a percentage) in the messages.
    qint32 m_Decimals = -1;
    // The box shows the fraction as a percentage: 0.25 as "25.00%".
    bool m_Percent = false;
};

// Fixed notation with the decimals (3 when negative); a percentage shows the value
// times 100 followed by "%".
QString CmnRealBoxText(double value, qint32 decimals, bool percent);

// The trimmed text (a percentage may end in "%") read as a finite number. A number
// that was read is stored even when the limits then refuse it.
CCmnExchangeVerdict CmnReadRealBox(const QString &text, qint32 flags, const CCmnRealBoxRule &rule,
                                   double *value);
