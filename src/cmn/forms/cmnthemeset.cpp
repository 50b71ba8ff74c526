#include "cmnthemeset.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

namespace {

constexpr quint8 kThemeSetTag = 5;
constexpr quint8 kThemeSetVersion = 0;
// A saved theme takes at least its name's length and an empty theme (tag,
// version, end byte): a count that promises more than the block holds is damage.
constexpr qint64 kMinSavedThemeBytes = 4 + 3;

} // namespace

CCmnThemeSet::CCmnThemeSet()
    : m_CurrentThemeName(QStringLiteral("Default"))
{
}

const CCmnTheme &CCmnThemeSet::GetCurrentTheme() const
{
    if (!m_CurrentThemeName.isEmpty()) {
        const auto found = m_NamedThemes.constFind(m_CurrentThemeName);
        if (found != m_NamedThemes.constEnd())
            return found.value();
    }
    return m_BaseTheme;
}

CCmnTheme &CCmnThemeSet::GetCurrentTheme()
{
    if (!m_CurrentThemeName.isEmpty()) {
        const auto found = m_NamedThemes.find(m_CurrentThemeName);
        if (found != m_NamedThemes.end())
            return found.value();
    }
    return m_BaseTheme;
}

bool CCmnThemeSet::RemoveTheme(const QString &name)
{
    if (name.isEmpty() || !m_NamedThemes.remove(name))
        return false;
    if (m_CurrentThemeName == name)
        m_CurrentThemeName.clear();
    if (m_SecondText == name)
        m_SecondText.clear();
    return true;
}

bool CCmnThemeSet::RenameTheme(const QString &oldName, const QString &newName)
{
    if (oldName.isEmpty() || newName.isEmpty() || !m_NamedThemes.contains(oldName))
        return false;
    if (oldName == newName)
        return true;
    if (m_NamedThemes.contains(newName))
        return false;
    m_NamedThemes.insert(newName, m_NamedThemes.take(oldName));
    if (m_CurrentThemeName == oldName)
        m_CurrentThemeName = newName;
    if (m_SecondText == oldName)
        m_SecondText = newName;
    return true;
}

void CCmnThemeSet::SelectTheme(const QString &name)
{
    if (m_NamedThemes.contains(name))
        m_CurrentThemeName = name;
    else
        m_CurrentThemeName.clear();
}

void CCmnThemeSet::StoreCurrentTheme(const CCmnTheme &theme)
{
    // Stored where the forms draw from: a new document's "Default" names no saved
    // theme, and storing nowhere would drop the user's accepted edit.
    GetCurrentTheme() = theme;
}

bool CCmnThemeSet::operator==(const CCmnThemeSet &other) const
{
    if (!m_BaseTheme.IsEqual(other.m_BaseTheme) || m_CurrentThemeName != other.m_CurrentThemeName
        || m_SecondText != other.m_SecondText || m_ThirdText != other.m_ThirdText
        || m_NamedThemes.size() != other.m_NamedThemes.size())
        return false;
    for (auto it = m_NamedThemes.constBegin(); it != m_NamedThemes.constEnd(); ++it) {
        const auto found = other.m_NamedThemes.constFind(it.key());
        if (found == other.m_NamedThemes.constEnd() || !it.value().IsEqual(found.value()))
            return false;
    }
    return true;
}

QByteArray CCmnThemeSet::ToByteArray() const
{
    return CmnStreamBytes([this](QDataStream &out) {
        out << kThemeSetTag << kThemeSetVersion;
        m_BaseTheme.Write(out);
        out << m_CurrentThemeName << m_SecondText;
        QStringList names = m_NamedThemes.keys();
        std::sort(names.begin(), names.end());
        out << quint32(names.size());
        for (const QString &name : names) {
            out << name;
            m_NamedThemes.value(name).Write(out);
        }
        out << m_ThirdText;
    });
}

bool CCmnThemeSet::FromByteArray(const QByteArray &bytes)
{
    CCmnThemeSet read;
    const bool ok = CmnReadStreamBytes(bytes, [&read](QDataStream &in) {
        quint8 tag = 0;
        quint8 version = 0;
        in >> tag >> version;
        if (in.status() != QDataStream::Ok || tag != kThemeSetTag || version != kThemeSetVersion)
            return false;
        if (!read.m_BaseTheme.Read(in))
            return false;
        CmnReadString(in, read.m_CurrentThemeName);
        CmnReadString(in, read.m_SecondText);
        quint32 count = 0;
        in >> count;
        if (in.status() == QDataStream::Ok && count > in.device()->bytesAvailable() / kMinSavedThemeBytes)
            in.setStatus(QDataStream::ReadCorruptData);
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            QString name;
            CmnReadString(in, name);
            CCmnTheme theme;
            if (in.status() != QDataStream::Ok)
                break;
            if (!theme.Read(in)) {
                in.setStatus(QDataStream::ReadCorruptData);
                break;
            }
            read.m_NamedThemes.insert(name, theme);
        }
        if (in.status() != QDataStream::Ok) {
            read.m_NamedThemes.clear();
            return false;
        }
        CmnReadString(in, read.m_ThirdText);
        return true;
    });
    if (!ok)
        return false;
    *this = read;
    return true;
}
