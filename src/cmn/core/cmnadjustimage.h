#pragma once

class QImage;

// Brightness, contrast and gamma of a picture as shown, applied to a copy of the
// image. Every colour channel value v goes through the active steps in this
// order, each result clamped to 0..255:
//   brightness b (-100..100, 0 = none):  v + b * 255 / 100
//   contrast c (percent, 100 = none):    (v - 127) * c / 100 + 127
//   gamma g (percent, 100 = none):       trunc(pow(v / 255, 100 / g) * 255)
// Divisions truncate toward zero. An image with a colour table gets a new table
// (alpha 255) and keeps its pixels; any other image becomes opaque
// Format_RGB32. The argument is never changed.

// With b = 0, c = 100 and g = 100 a plain copy, alpha channel and format kept;
// otherwise the routine below for the steps that are active. Values outside the
// ranges are computed all the same, without overflow.
QImage CmnAdjustImage(const QImage &image, int brightness, int contrast, int gamma);

QImage CmnAdjustImageBrightness(const QImage &image, int brightness);
QImage CmnAdjustImageContrast(const QImage &image, int contrast);
QImage CmnAdjustImageGamma(const QImage &image, int gamma);
QImage CmnAdjustImageBrightnessContrast(const QImage &image, int brightness, int contrast);
QImage CmnAdjustImageBrightnessGamma(const QImage &image, int brightness, int gamma);
QImage CmnAdjustImageContrastGamma(const QImage &image, int contrast, int gamma);
QImage CmnAdjustImageAll(const QImage &image, int brightness, int contrast, int gamma);
