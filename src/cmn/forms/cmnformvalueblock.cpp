#include "cmnformvalueblock.h"

#include "cmndatastream.h"
#include "cmnmetric.h"
#include "cmnpicture.h"

#include <QColor>
#include <QDataStream>
#include <QString>

#include <cmath>

namespace {

constexpr quint8 kPictureTag = 52;

QColor DefaultColor(quint8 defaultKind)
{
    return defaultKind == CmnValueKindTransparentColor ? QColor(Qt::transparent) : QColor(Qt::black);
}

} // namespace

bool CmnReadTagAndVersion(QDataStream &in, quint8 tag, quint8 version)
{
    quint8 read = 0;
    in >> read;
    if (in.status() != QDataStream::Ok || read != tag)
        return false;
    in >> read;
    return in.status() == QDataStream::Ok && read == version;
}

bool CmnFailBlock(QDataStream &in)
{
    if (in.status() == QDataStream::Ok)
        in.setStatus(QDataStream::ReadCorruptData);
    return false;
}

void CmnWriteValueBlockStart(QDataStream &out, quint8 defaultKind, bool isDefault)
{
    out << quint8(isDefault ? defaultKind : defaultKind + 1) << quint8(0);
    if (!isDefault)
        out << quint8(0);
}

ECmnValueBlockStart CmnReadValueBlockStart(QDataStream &in, quint8 defaultKind)
{
    quint8 kind = 0;
    quint8 zero = 0;
    in >> kind >> zero;
    if (in.status() != QDataStream::Ok || (kind != defaultKind && kind != defaultKind + 1)) {
        CmnFailBlock(in);
        return ECmnValueBlockStart::Failed;
    }
    // A non-zero second byte belongs to a form this program does not know; its
    // value could not be skipped safely.
    if (zero != 0) {
        CmnFailBlock(in);
        return ECmnValueBlockStart::Failed;
    }
    if (kind == defaultKind)
        return ECmnValueBlockStart::Default;
    in >> zero;
    if (in.status() != QDataStream::Ok || zero != 0) {
        CmnFailBlock(in);
        return ECmnValueBlockStart::Failed;
    }
    return ECmnValueBlockStart::Present;
}

void CmnWriteBlockTag(QDataStream &out, quint8 tag)
{
    out << tag << quint8(0);
}

bool CmnReadBlockTag(QDataStream &in, quint8 tag)
{
    quint8 read = 0;
    quint8 zero = 0;
    in >> read >> zero;
    if (in.status() != QDataStream::Ok || read != tag || zero != 0)
        return CmnFailBlock(in);
    return true;
}

bool CmnReadMetricInBlock(QDataStream &in, CCmnMetric &metric)
{
    if (!metric.Read(in))
        return CmnFailBlock(in);
    return true;
}

void CmnWriteColorBlock(QDataStream &out, const QColor &color, quint8 defaultKind)
{
    const bool isDefault = color == DefaultColor(defaultKind);
    CmnWriteValueBlockStart(out, defaultKind, isDefault);
    if (!isDefault)
        out << color;
}

bool CmnReadColorBlock(QDataStream &in, QColor &color, quint8 defaultKind)
{
    color = DefaultColor(defaultKind);
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, defaultKind);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    QColor read;
    if (!CmnReadColor(in, read))
        return CmnFailBlock(in);
    color = read;
    return true;
}

void CmnWriteFontTextBlock(QDataStream &out, const QString &text)
{
    CmnWriteValueBlockStart(out, CmnValueKindFontText, text.isEmpty());
    if (!text.isEmpty())
        out << text;
}

bool CmnReadFontTextBlock(QDataStream &in, QString &text)
{
    text.clear();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindFontText);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    CmnReadString(in, text);
    return in.status() == QDataStream::Ok || CmnFailBlock(in);
}

void CmnWriteTextScaleBlock(QDataStream &out, double scale)
{
    CmnWriteValueBlockStart(out, CmnValueKindTextScale, scale == 0.0);
    if (scale != 0.0)
        out << scale;
}

bool CmnReadTextScaleBlock(QDataStream &in, double &scale)
{
    scale = 0.0;
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindTextScale);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    double read = 0.0;
    in >> read;
    if (in.status() != QDataStream::Ok)
        return CmnFailBlock(in);
    // A scale makes font sizes: keep it to what a painter can draw (-100% to +1000%).
    scale = std::isfinite(read) ? qBound(-1.0, read, 10.0) : 0.0;
    return true;
}

void CmnWriteSingleExtentBlock(QDataStream &out, const CCmnMetric &extent)
{
    const bool isDefault = extent.Length() == 0.0;
    CmnWriteValueBlockStart(out, CmnValueKindSingleExtent, isDefault);
    if (!isDefault)
        extent.Write(out);
}

bool CmnReadSingleExtentBlock(QDataStream &in, CCmnMetric &extent)
{
    extent = CCmnMetric();
    const ECmnValueBlockStart start = CmnReadValueBlockStart(in, CmnValueKindSingleExtent);
    if (start != ECmnValueBlockStart::Present)
        return start == ECmnValueBlockStart::Default;
    return CmnReadMetricInBlock(in, extent);
}

void CmnWriteFormBoxPicture(QDataStream &out, const CCmnPicture &picture)
{
    CmnWriteBlockTag(out, kPictureTag);
    out << picture;
}

bool CmnReadFormBoxPicture(QDataStream &in, CCmnPicture &picture)
{
    picture = CCmnPicture();
    if (!CmnReadBlockTag(in, kPictureTag))
        return false;
    in >> picture;
    return in.status() == QDataStream::Ok || CmnFailBlock(in);
}
