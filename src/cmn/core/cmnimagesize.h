#pragma once

#include <QString>
#include <QtGlobal>

// The size of an exported image, given in pixels or in a length at a
// resolution: the arithmetic of the image parameters dialog.

// The units, by the toolkit's printer unit codes.
enum ECmnImageUnit : qint32 {
    CmnImageUnitMillimeters = 0,
    CmnImageUnitPoints = 1,
    CmnImageUnitInches = 2,
    CmnImageUnitPixels = 6,
};

// Converts through inches; pixels at the dots per inch (taken as 1 below 1).
double CmnConvertImageLength(qint32 toUnit, double value, qint32 fromUnit, double dotsPerInch);

// Whole pixels in pixels (the value rounded), three decimals in the other units.
QString CmnImageLengthText(double value, qint32 unit);

// The length as whole pixels at the dots per inch, rounded to the nearest.
qint32 CmnImagePixels(double value, qint32 unit, double dotsPerInch);

// Fills in what the caller left unset (a side of 0.001 or less) before the
// dialog opens: nothing at all gives 1024 x 768 pixels; one side gives the
// other from the aspect ratio when it is locked, else a square; two sides
// keep the width and, when locked, take the height from the ratio, else the
// ratio from them. A ratio of 0.001 or less counts as 1.
void CmnCompleteImageSize(double *width, double *height, double *aspectRatio, qint32 *unit, bool lockAspectRatio);
