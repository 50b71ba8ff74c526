#include "cmnimagesize.h"

#include "cmnnumbertext.h"

namespace {

constexpr double kUnset = 0.001;

double ToInches(double value, qint32 unit, double dotsPerInch)
{
    switch (unit) {
    case CmnImageUnitMillimeters:
        return value / 25.4;
    case CmnImageUnitPoints:
        return value / 72.0;
    case CmnImageUnitPixels:
        return value / (dotsPerInch < 1.0 ? 1.0 : dotsPerInch);
    default:
        return value;
    }
}

double FromInches(double inches, qint32 unit, double dotsPerInch)
{
    switch (unit) {
    case CmnImageUnitMillimeters:
        return inches * 25.4;
    case CmnImageUnitPoints:
        return inches * 72.0;
    case CmnImageUnitPixels:
        return inches * dotsPerInch;
    default:
        return inches;
    }
}

} // namespace

double CmnConvertImageLength(qint32 toUnit, double value, qint32 fromUnit, double dotsPerInch)
{
    return FromInches(ToInches(value, fromUnit, dotsPerInch), toUnit, dotsPerInch);
}

QString CmnImageLengthText(double value, qint32 unit)
{
    if (unit == CmnImageUnitPixels)
        return CmnIntToString(qint32(value + 0.5));
    return CmnDoubleToString(value, 3);
}

qint32 CmnImagePixels(double value, qint32 unit, double dotsPerInch)
{
    return qint32(CmnConvertImageLength(CmnImageUnitPixels, value, unit, dotsPerInch) + 0.5);
}

void CmnCompleteImageSize(double *width, double *height, double *aspectRatio, qint32 *unit, bool lockAspectRatio)
{
    // Checked before it divides: a ratio of 0 would make the height infinite.
    if (*aspectRatio <= kUnset)
        *aspectRatio = 1.0;
    const bool widthSet = *width > kUnset;
    const bool heightSet = *height > kUnset;
    if (!widthSet && !heightSet) {
        *width = 1024;
        *height = 768;
        *unit = CmnImageUnitPixels;
        *aspectRatio = 1024.0 / 768.0;
    } else if (!heightSet) {
        if (lockAspectRatio) {
            *height = *width / *aspectRatio;
        } else {
            *height = *width;
            *aspectRatio = 1.0;
        }
    } else if (!widthSet) {
        if (lockAspectRatio) {
            *width = *height * *aspectRatio;
        } else {
            *width = *height;
            *aspectRatio = 1.0;
        }
    } else if (lockAspectRatio) {
        *height = *width / *aspectRatio;
    } else {
        *aspectRatio = *width / (*height < 1.0 ? 1.0 : *height);
    }
    if (*aspectRatio <= kUnset)
        *aspectRatio = 1.0;
}
