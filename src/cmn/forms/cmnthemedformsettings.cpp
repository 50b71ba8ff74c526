#include "cmnthemedformsettings.h"

#include "cmndatastream.h"
#include "cmnthemedformboxnames.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>

#include <algorithm>

namespace {

constexpr quint8 kThemedFormSettingsTag = 37;
constexpr quint8 kGroupTag = 38;
constexpr quint8 kThemedFormSettingsVersion = 0;
const QChar kSeparator(u';');
// The least an entry of a group takes in the stream: an empty key and split
// settings without proportions.
constexpr qint64 kMinEntryBytes = 4 + 40;

QString Parts(std::initializer_list<std::pair<bool, const char *>> parts)
{
    QStringList shown;
    for (const auto &[on, part] : parts) {
        if (on)
            shown << QLatin1String(part);
    }
    return shown.join(kSeparator);
}

} // namespace

QString CmnThemedFormSplitKey(const QString &layout, quint32 orientation)
{
    return (orientation == 0 ? QStringLiteral("P-") : QStringLiteral("L-")) + layout;
}

CCmnThemedFormSettings::CCmnThemedFormSettings(bool stacked, double headerFraction, double footerFraction,
                                               QObject *parent)
    : CCmnComponentSettings(parent)
{
    m_RootGroup.m_Horizontal = !stacked;
    m_HeaderGroup.m_Horizontal = stacked;
    m_FooterGroup.m_Horizontal = stacked;
    for (const QString &layout : {QStringLiteral("M;F"), QStringLiteral("H;M"), QStringLiteral("H;M;F")}) {
        const QStringList parts = layout.split(kSeparator);
        for (quint32 orientation : {0u, 1u}) {
            CCmnFormBoxSplitSettings split = GetSplitSettingsFor(m_RootGroup, layout, orientation);
            split.m_Horizontal = !stacked;
            split.m_Dividers = true;
            split.m_EqualSplit = false;
            double main = 1.0;
            for (qint32 i = 0; i < parts.size(); ++i) {
                if (parts.at(i) == QLatin1String("H")) {
                    split.SetProportion(i, headerFraction);
                    main -= headerFraction;
                } else if (parts.at(i) == QLatin1String("F")) {
                    split.SetProportion(i, footerFraction);
                    main -= footerFraction;
                }
            }
            split.SetProportion(parts.indexOf(QStringLiteral("M")), main);
            split.NormaliseSplitProportions(qint32(parts.size()));
            m_RootGroup.m_Settings.insert(CmnThemedFormSplitKey(layout, orientation), split);
        }
    }
}

QString CCmnThemedFormSettings::GetHeaderLayout(const CCmnThemedFormBoxNames &names) const
{
    return Parts({{names.m_LeftHeaderOrnament.Exists() && m_ShowLeftHeaderOrnament,
                   "CCmnThemedForm-Leftheaderornament"},
                  {names.m_RightHeaderOrnament.Exists() && m_ShowRightHeaderOrnament,
                   "CCmnThemedForm-Rightheaderornament"}});
}

QString CCmnThemedFormSettings::GetFooterLayout(const CCmnThemedFormBoxNames &names) const
{
    return Parts({{names.m_LeftFooterOrnament.Exists() && m_ShowLeftFooterOrnament,
                   "CCmnThemedForm-Leftfooterornament"},
                  {names.m_RightFooterOrnament.Exists() && m_ShowRightFooterOrnament,
                   "CCmnThemedForm-Rightfooterornament"}});
}

QString CCmnThemedFormSettings::GetRootLayout(const CCmnThemedFormBoxNames &names) const
{
    return Parts({{!GetHeaderLayout(names).isEmpty(), "H"}, {true, "M"}, {!GetFooterLayout(names).isEmpty(), "F"}});
}

CCmnFormBoxSplitSettings &CCmnThemedFormSettings::GetSplitSettingsFor(CCmnThemedFormSplitGroup &group,
                                                                      const QString &layout, quint32 orientation)
{
    const QString key = CmnThemedFormSplitKey(layout, orientation);
    auto found = group.m_Settings.find(key);
    if (found == group.m_Settings.end()) {
        CCmnFormBoxSplitSettings split;
        split.m_Horizontal = group.m_Horizontal;
        split.m_DividerColor = QColor(0xB7, 0xB9, 0xFF);
        split.m_Dividers = true;
        split.m_EqualSplit = false;
        split.NormaliseSplitProportions(qint32(layout.count(kSeparator)) + 1);
        found = group.m_Settings.insert(key, split);
    }
    return found.value();
}

CCmnFormBoxSplitSettings CCmnThemedFormSettings::GetFor(CCmnThemedFormSplitGroup &group, const QString &layout)
{
    if (!layout.contains(kSeparator))
        return CCmnFormBoxSplitSettings();
    return GetSplitSettingsFor(group, layout, m_Orientation);
}

void CCmnThemedFormSettings::SetFor(CCmnThemedFormSplitGroup &group, const QString &layout,
                                    const CCmnFormBoxSplitSettings &split)
{
    // Stored under the orientation the settings are for, which is the page's.
    if (layout.contains(kSeparator))
        group.m_Settings.insert(CmnThemedFormSplitKey(layout, m_Orientation), split);
}

CCmnFormBoxSplitSettings CCmnThemedFormSettings::GetRootSplitSettings(const CCmnThemedFormBoxNames &names)
{
    return GetFor(m_RootGroup, GetRootLayout(names));
}

CCmnFormBoxSplitSettings CCmnThemedFormSettings::GetHeaderSplitSettings(const CCmnThemedFormBoxNames &names)
{
    return GetFor(m_HeaderGroup, GetHeaderLayout(names));
}

CCmnFormBoxSplitSettings CCmnThemedFormSettings::GetFooterSplitSettings(const CCmnThemedFormBoxNames &names)
{
    return GetFor(m_FooterGroup, GetFooterLayout(names));
}

void CCmnThemedFormSettings::SetRootSplitSettings(const CCmnThemedFormBoxNames &names,
                                                  const CCmnFormBoxSplitSettings &split)
{
    SetFor(m_RootGroup, GetRootLayout(names), split);
}

void CCmnThemedFormSettings::SetHeaderSplitSettings(const CCmnThemedFormBoxNames &names,
                                                    const CCmnFormBoxSplitSettings &split)
{
    SetFor(m_HeaderGroup, GetHeaderLayout(names), split);
}

void CCmnThemedFormSettings::SetFooterSplitSettings(const CCmnThemedFormBoxNames &names,
                                                    const CCmnFormBoxSplitSettings &split)
{
    SetFor(m_FooterGroup, GetFooterLayout(names), split);
}

bool CCmnThemedFormSettings::IsEqual(const CCmnThemedFormSettings &other) const
{
    return m_Orientation == other.m_Orientation && m_RootGroup == other.m_RootGroup
        && m_HeaderGroup == other.m_HeaderGroup && m_FooterGroup == other.m_FooterGroup
        && m_ShowLeftHeaderOrnament == other.m_ShowLeftHeaderOrnament
        && m_ShowRightHeaderOrnament == other.m_ShowRightHeaderOrnament
        && m_ShowLeftFooterOrnament == other.m_ShowLeftFooterOrnament
        && m_ShowRightFooterOrnament == other.m_ShowRightFooterOrnament;
}

void CCmnThemedFormSettings::CopyFrom(const CCmnThemedFormSettings &other)
{
    m_Orientation = other.m_Orientation;
    m_RootGroup = other.m_RootGroup;
    m_HeaderGroup = other.m_HeaderGroup;
    m_FooterGroup = other.m_FooterGroup;
    m_ShowLeftHeaderOrnament = other.m_ShowLeftHeaderOrnament;
    m_ShowRightHeaderOrnament = other.m_ShowRightHeaderOrnament;
    m_ShowLeftFooterOrnament = other.m_ShowLeftFooterOrnament;
    m_ShowRightFooterOrnament = other.m_ShowRightFooterOrnament;
}

void CCmnThemedFormSettings::WriteSplitGroup(QDataStream &out, const CCmnThemedFormSplitGroup &group)
{
    out << kGroupTag << kThemedFormSettingsVersion << quint8(group.m_Horizontal ? 1 : 0)
        << quint32(group.m_Settings.size());
    // In key order, so that the same settings always give the same bytes.
    QStringList keys = group.m_Settings.keys();
    keys.sort();
    for (const QString &key : std::as_const(keys)) {
        out << key;
        group.m_Settings.value(key).Write(out);
    }
}

void CCmnThemedFormSettings::Write(QDataStream &out) const
{
    out << kThemedFormSettingsTag << kThemedFormSettingsVersion << m_Orientation;
    WriteSplitGroup(out, m_RootGroup);
    WriteSplitGroup(out, m_HeaderGroup);
    WriteSplitGroup(out, m_FooterGroup);
    out << quint8(m_ShowLeftHeaderOrnament ? 1 : 0) << quint8(m_ShowRightHeaderOrnament ? 1 : 0)
        << quint8(m_ShowLeftFooterOrnament ? 1 : 0) << quint8(m_ShowRightFooterOrnament ? 1 : 0);
}

bool CCmnThemedFormSettings::ReadSplitGroup(QDataStream &in, CCmnThemedFormSplitGroup &group)
{
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kGroupTag || version != kThemedFormSettingsVersion)
        return false;
    quint8 horizontal = 0;
    quint32 count = 0;
    in >> horizontal >> count;
    group.m_Horizontal = horizontal != 0;
    group.m_Settings.clear();
    const QIODevice *device = in.device();
    if (in.status() == QDataStream::Ok && device && !device->isSequential()
        && qint64(count) > device->bytesAvailable() / kMinEntryBytes)
        in.setStatus(QDataStream::ReadCorruptData);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        CCmnFormBoxSplitSettings split;
        CmnReadString(in, key);
        if (in.status() != QDataStream::Ok)
            break;
        if (!split.Read(in) && in.status() == QDataStream::Ok)
            in.setStatus(QDataStream::ReadCorruptData);
        group.m_Settings.insert(key, split);
    }
    if (in.status() != QDataStream::Ok) {
        group.m_Settings.clear();
        return false;
    }
    return true;
}

bool CCmnThemedFormSettings::Read(QDataStream &in)
{
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kThemedFormSettingsTag || version != kThemedFormSettingsVersion)
        return false;
    quint32 orientation = 0;
    in >> orientation;
    m_Orientation = orientation == 0 ? 0 : 1;
    for (CCmnThemedFormSplitGroup *group : {&m_RootGroup, &m_HeaderGroup, &m_FooterGroup}) {
        if (!ReadSplitGroup(in, *group))
            return false;
    }
    quint8 switches[4] = {};
    for (quint8 &value : switches)
        in >> value;
    m_ShowLeftHeaderOrnament = switches[0] != 0;
    m_ShowRightHeaderOrnament = switches[1] != 0;
    m_ShowLeftFooterOrnament = switches[2] != 0;
    m_ShowRightFooterOrnament = switches[3] != 0;
    return in.status() == QDataStream::Ok;
}
