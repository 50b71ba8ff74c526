#include "oldthemesetwriter.h"

#include "cmndatastream.h"

#include <QDataStream>

namespace {

void WriteTheme(QDataStream &out, const CTestOldTheme &theme)
{
    out << quint8(34) << quint8(0);
    for (const auto &[name, payload] : theme.entries)
        out << quint8(1) << name << payload;
    out << quint8(0);
    if (theme.trailer)
        out << quint8(133) << quint8(0);
}

} // namespace

QByteArray WriteTestOldTheme(const CTestOldTheme &theme)
{
    return CmnStreamBytes([&](QDataStream &out) { WriteTheme(out, theme); });
}

QByteArray WriteTestOldThemeSet(const CTestOldThemeSet &set)
{
    return CmnStreamBytes([&](QDataStream &out) {
        out << quint8(5) << quint8(0);
        WriteTheme(out, set.current);
        out << set.currentName << QStringLiteral("second");
        out << quint32(set.namedCount < 0 ? set.named.size() : set.namedCount);
        for (const auto &[name, theme] : set.named) {
            out << name;
            WriteTheme(out, theme);
        }
        out << QStringLiteral("third");
    });
}
