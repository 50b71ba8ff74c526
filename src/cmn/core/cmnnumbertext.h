#pragma once

#include <QString>

// Numbers to display text and back. The decimal point is always "." and thousands
// are grouped with ","; no locale is consulted, so stored and shown texts agree
// on every machine.

QString CmnIntToString(qint32 value);
QString CmnInt64ToString(qint64 value);

// Fixed-point text; a negative decimals count means 3.
QString CmnDoubleToString(double value, qint32 decimals);

// The fraction times 100 in fixed point followed by "%"; a negative decimals count means 2.
QString CmnPercentToString(double fraction, qint32 decimals);

// Append the texts of CmnInt64ToString and CmnDoubleToString without a string of
// their own, for exports that write a number in every row.
void CmnAppendInt64(QString &out, qint64 value);
void CmnAppendDouble(QString &out, double value, qint32 decimals);
// The texts of CmnInt64ToString, CmnDoubleToString and CmnPercentToString in
// place of the text's, in one resize: for a buffer that keeps its memory from
// one number to the next.
void CmnSetInt64Text(QString &out, qint64 value);
void CmnSetDoubleText(QString &out, double value, qint32 decimals);
void CmnSetPercentText(QString &out, double fraction, qint32 decimals);

// "," between groups of three digits from the right. Values below 1000, negative
// ones included, are written plainly.
QString CmnIntWithThousands(qint32 value);
QString CmnInt64WithThousands(qint64 value);

// The grouped count, a blank, then the plural word when the count is not 1 and a
// plural word is given, else the singular word.
QString CmnCountText(qint32 count, const QString &singular, const QString &plural);

// Splits a value into sign, whole part and a fraction numerator/denominator, each
// output optional. The whole part is an integral double, so that no value is too
// large for it; numerator and denominator always fit 32 bits. With binaryFirst and
// splitWhole set, halves, quarters, eighths ... are preferred. A value that is not
// a finite number gives no sign, no whole part and 0/1.
void CmnApproximateFraction(double value, bool binaryFirst, bool splitWhole, double tolerance,
                            bool *negative, double *wholePart, qint32 *numerator,
                            qint32 *denominator);

// "-" for a negative value, the whole part when not 0, then " + " (after a whole
// part) and "n/d" when the numerator is not 0: 2.5 gives "2 + 1/2", 0 gives "".
// The sign is left out when nothing follows it.
QString CmnMixedFractionText(double value, bool binaryFirst, bool splitWhole, double tolerance);

// An optional sign and one or more digits, surrounding white space ignored.
bool CmnIsIntegerText(const QString &text);

// An optional sign, digits, optionally "." and more digits, with at least one
// digit in all ("12.", ".5" pass; ".", "1e5" and "1,5" fail).
bool CmnIsDecimalNumberText(const QString &text);
