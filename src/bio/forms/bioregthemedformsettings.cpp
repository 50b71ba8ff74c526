#include "bioregthemedformsettings.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {
constexpr quint8 kTag = 103;
constexpr quint8 kVersion = 0;
} // namespace

void CBioRegThemedFormSettings::Write(QDataStream &out) const
{
    CCmnRegThemedFormSettings::Write(out);
    out << kTag << kVersion;
}

bool CBioRegThemedFormSettings::Read(QDataStream &in)
{
    if (!CCmnRegThemedFormSettings::Read(in) || in.status() != QDataStream::Ok)
        return false;
    return CmnReadTagAndVersion(in, kTag, kVersion);
}
