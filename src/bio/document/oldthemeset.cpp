#include "oldthemeset.h"

#include "cmndatastream.h"
#include "cmnregstreamhelpers.h"
#include "cmnthemeset.h"

#include <QDataStream>

namespace {

constexpr quint8 kThemeSetTag = 5;
constexpr quint8 kThemeSetVersion = 0;

// The smallest named theme: an empty name (its length), a theme without
// entries (tag, version, end byte) and the trailer.
constexpr qint64 kMinNamedThemeBytes = 4 + 3 + 2;

} // namespace

COldThemeSet::COldThemeSet()
    : m_CurrentThemeName(QStringLiteral("Default"))
{
}

void COldThemeSet::Reset()
{
    m_CurrentTheme = COldTheme();
    m_CurrentThemeName = QStringLiteral("Default");
    m_SecondText.clear();
    m_NamedThemes.clear();
    m_ThirdText.clear();
}

bool COldThemeSet::Read(QDataStream &in)
{
    Reset();
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kThemeSetTag || version != kThemeSetVersion)
        return false;
    if (!m_CurrentTheme.Read(in))
        return false;
    CmnReadString(in, m_CurrentThemeName);
    CmnReadString(in, m_SecondText);

    quint32 count = 0;
    in >> count;
    if (CmnRegCountFits(in, count, kMinNamedThemeBytes)) {
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            QString name;
            COldTheme theme;
            CmnReadString(in, name);
            if (in.status() != QDataStream::Ok)
                break;
            if (!theme.Read(in)) {
                if (in.status() == QDataStream::Ok)
                    in.setStatus(QDataStream::ReadCorruptData);
                break;
            }
            m_NamedThemes.insert(name, theme);
        }
    }
    if (in.status() != QDataStream::Ok) {
        m_NamedThemes.clear();
        return false;
    }
    CmnReadString(in, m_ThirdText);
    return in.status() == QDataStream::Ok;
}

bool COldThemeSet::FromByteArray(const QByteArray &bytes)
{
    return CmnReadStreamBytes(bytes, [this](QDataStream &in) { return Read(in); });
}

void COldThemeSet::ConvertTo(CCmnThemeSet &target) const
{
    CCmnThemeSet converted;
    m_CurrentTheme.ConvertTo(converted.m_BaseTheme);
    for (auto it = m_NamedThemes.cbegin(); it != m_NamedThemes.cend(); ++it) {
        if (it.key().isEmpty() || converted.m_NamedThemes.contains(it.key()))
            continue;
        it.value().ConvertTo(converted.m_NamedThemes[it.key()]);
    }
    target = converted;
}
