#include "bioregthemedformsettings.h"

#include "cmnformvalueblock.h"

#include <QDataStream>

namespace {
constexpr quint8 kRegThemedFormSettingsTag = 103;
constexpr quint8 kRegThemedFormSettingsVersion = 0;
} // namespace

void CBioRegThemedFormSettings::Write(QDataStream &out) const
{
    CCmnRegThemedFormSettings::Write(out);
    out << kRegThemedFormSettingsTag << kRegThemedFormSettingsVersion;
}

bool CBioRegThemedFormSettings::Read(QDataStream &in)
{
    if (!CCmnRegThemedFormSettings::Read(in) || in.status() != QDataStream::Ok)
        return false;
    return CmnReadTagAndVersion(in, kRegThemedFormSettingsTag, kRegThemedFormSettingsVersion);
}
