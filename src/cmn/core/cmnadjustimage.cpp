#include "cmnadjustimage.h"

#include <QImage>
#include <QList>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kNoBrightness = 0;
constexpr int kNoContrast = 100;
constexpr int kNoGamma = 100;

using TChannelTable = std::array<int, 256>;

int ClampChannel(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, 255));
}

// 64-bit products: the free functions take any int, not only the setters' ranges.
int Brighten(int v, int brightness)
{
    return ClampChannel(v + qint64(brightness) * 255 / 100);
}

int Contrast(int v, int contrast)
{
    return ClampChannel((qint64(v) - 127) * contrast / 100 + 127);
}

int Gamma(int v, int gamma)
{
    // Bounded before the cast: a gamma of 0 or below makes the power infinite.
    const double value = std::pow(v / 255.0, 100.0 / gamma) * 255.0;
    return int(std::trunc(qBound(0.0, value, 255.0)));
}

// The chain of active steps for every channel value; a step holding its neutral
// value is left out, so a caller passes the neutral value for steps it skips.
TChannelTable ChannelTable(int brightness, int contrast, int gamma)
{
    TChannelTable table;
    for (int v = 0; v < 256; ++v) {
        int value = v;
        if (brightness != kNoBrightness)
            value = Brighten(value, brightness);
        if (contrast != kNoContrast)
            value = Contrast(value, contrast);
        if (gamma != kNoGamma)
            value = Gamma(value, gamma);
        table[v] = value;
    }
    return table;
}

QRgb OpaqueThroughTable(QRgb rgb, const TChannelTable &table)
{
    return qRgb(table[qRed(rgb)], table[qGreen(rgb)], table[qBlue(rgb)]);
}

QImage AdjustThroughTable(const QImage &image, const TChannelTable &table)
{
    if (image.isNull())
        return QImage();

    // Indexed images: only the colour table changes, the indices stay.
    if (image.colorCount() > 0) {
        QImage result = image.copy();
        QList<QRgb> colors = result.colorTable();
        for (QRgb &color : colors)
            color = OpaqueThroughTable(color, table);
        result.setColorTable(colors);
        return result;
    }

    QImage result = image.format() == QImage::Format_RGB32 ? image.copy()
                                                            : image.convertToFormat(QImage::Format_RGB32);
    const int width = result.width();
    for (int y = 0; y < result.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = OpaqueThroughTable(line[x], table);
    }
    return result;
}

} // namespace

QImage CmnAdjustImage(const QImage &image, int brightness, int contrast, int gamma)
{
    const bool b = brightness != kNoBrightness;
    const bool c = contrast != kNoContrast;
    const bool g = gamma != kNoGamma;
    if (b && c && g)
        return CmnAdjustImageAll(image, brightness, contrast, gamma);
    if (b && c)
        return CmnAdjustImageBrightnessContrast(image, brightness, contrast);
    if (b && g)
        return CmnAdjustImageBrightnessGamma(image, brightness, gamma);
    if (c && g)
        return CmnAdjustImageContrastGamma(image, contrast, gamma);
    if (b)
        return CmnAdjustImageBrightness(image, brightness);
    if (c)
        return CmnAdjustImageContrast(image, contrast);
    if (g)
        return CmnAdjustImageGamma(image, gamma);
    return image;
}

QImage CmnAdjustImageBrightness(const QImage &image, int brightness)
{
    return AdjustThroughTable(image, ChannelTable(brightness, kNoContrast, kNoGamma));
}

QImage CmnAdjustImageContrast(const QImage &image, int contrast)
{
    return AdjustThroughTable(image, ChannelTable(kNoBrightness, contrast, kNoGamma));
}

QImage CmnAdjustImageGamma(const QImage &image, int gamma)
{
    return AdjustThroughTable(image, ChannelTable(kNoBrightness, kNoContrast, gamma));
}

QImage CmnAdjustImageBrightnessContrast(const QImage &image, int brightness, int contrast)
{
    return AdjustThroughTable(image, ChannelTable(brightness, contrast, kNoGamma));
}

QImage CmnAdjustImageBrightnessGamma(const QImage &image, int brightness, int gamma)
{
    return AdjustThroughTable(image, ChannelTable(brightness, kNoContrast, gamma));
}

QImage CmnAdjustImageContrastGamma(const QImage &image, int contrast, int gamma)
{
    return AdjustThroughTable(image, ChannelTable(kNoBrightness, contrast, gamma));
}

QImage CmnAdjustImageAll(const QImage &image, int brightness, int contrast, int gamma)
{
    return AdjustThroughTable(image, ChannelTable(brightness, contrast, gamma));
}
