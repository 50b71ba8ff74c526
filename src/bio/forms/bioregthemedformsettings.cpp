#include "bioregthemedformsettings.h"

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
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag;
    if (tag != kTag)
        return false;
    in >> version;
    if (version != kVersion)
        return false;
    return in.status() == QDataStream::Ok;
}
