#include "cmntheme.h"

#include "cmndatastream.h"
#include "cmnthemeelt.h"

#include <QDataStream>
#include <QIODevice>
#include <QLoggingCategory>

#include <memory>

namespace {

constexpr quint8 kThemeTag = 34;
constexpr quint8 kThemeVersion = 0;
constexpr quint8 kEntry = 1;
constexpr quint8 kEnd = 0;

Q_LOGGING_CATEGORY(lcTheme, "orvanta.theme")

QByteArray ElementBytes(const CCmnThemeElt &element)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(out);
    element.Write(out);
    return bytes;
}

} // namespace

CCmnTheme::CCmnTheme(const CCmnTheme &other)
{
    Assign(other);
}

CCmnTheme &CCmnTheme::operator=(const CCmnTheme &other)
{
    Assign(other);
    return *this;
}

void CCmnTheme::Assign(const CCmnTheme &other)
{
    if (&other == this)
        return;
    m_Elements.clear();
    for (auto it = other.m_Elements.cbegin(); it != other.m_Elements.cend(); ++it)
        m_Elements.insert(it.key(), QSharedPointer<CCmnThemeElt>(it.value()->Clone()));
    m_Stored = other.m_Stored;
    m_Unreadable = other.m_Unreadable;
}

const CCmnThemeElt *CCmnTheme::Materialised(const QString &name) const
{
    return m_Elements.value(name).data();
}

CCmnThemeElt *CCmnTheme::ReadElement(const CCmnThemeElt &prototype, const QByteArray &bytes)
{
    std::unique_ptr<CCmnThemeElt> element(prototype.Clone());
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    if (!element->Read(in))
        return nullptr;
    return element.release();
}

bool CCmnTheme::MaterialiseElt(const QString &name, const CCmnTheme &defaultTheme)
{
    const CCmnThemeElt *prototype = defaultTheme.Materialised(name);
    if (!prototype || !m_Stored.contains(name) || m_Unreadable.contains(name))
        return false;
    CCmnThemeElt *element = ReadElement(*prototype, m_Stored.value(name));
    if (!element) {
        // The bytes stay stored and go back into the next save unchanged; until
        // then the default theme's element stands in for them.
        m_Unreadable.insert(name);
        qCWarning(lcTheme, "Theme element \"%s\" could not be read; its stored form is kept",
                  qPrintable(name));
        return false;
    }
    m_Stored.remove(name);
    m_Elements.insert(name, QSharedPointer<CCmnThemeElt>(element));
    return true;
}

const CCmnThemeElt *CCmnTheme::GetElt(const QString &name, const CCmnTheme &defaultTheme)
{
    if (const CCmnThemeElt *own = Materialised(name))
        return own;
    if (MaterialiseElt(name, defaultTheme))
        return Materialised(name);
    return defaultTheme.Materialised(name);
}

CCmnThemeElt *CCmnTheme::GetEltForWrite(const QString &name, const CCmnTheme &defaultTheme)
{
    if (!Materialised(name))
        MaterialiseElt(name, defaultTheme);
    if (CCmnThemeElt *own = m_Elements.value(name).data())
        return own;
    const CCmnThemeElt *prototype = defaultTheme.Materialised(name);
    if (!prototype)
        return nullptr;
    // An edit replaces bytes that could not be read: the user's change must win
    // over them in the next save.
    m_Stored.remove(name);
    CCmnThemeElt *clone = prototype->Clone();
    m_Elements.insert(name, QSharedPointer<CCmnThemeElt>(clone));
    return clone;
}

void CCmnTheme::AddElt(CCmnThemeElt *element)
{
    if (element)
        m_Elements.insert(element->Name(), QSharedPointer<CCmnThemeElt>(element));
}

bool CCmnTheme::IsEqual(const CCmnTheme &other) const
{
    // The element of one theme is the prototype for the other's stored bytes.
    const auto sameAs = [](const CCmnThemeElt &element, const QByteArray &bytes) {
        const std::unique_ptr<CCmnThemeElt> read(ReadElement(element, bytes));
        return read && element.IsEqual(*read);
    };
    QSet<QString> names;
    for (const CCmnTheme *theme : {this, &other}) {
        for (auto it = theme->m_Elements.cbegin(); it != theme->m_Elements.cend(); ++it)
            names.insert(it.key());
        for (auto it = theme->m_Stored.cbegin(); it != theme->m_Stored.cend(); ++it)
            names.insert(it.key());
    }
    for (const QString &name : std::as_const(names)) {
        const CCmnThemeElt *mine = Materialised(name);
        const CCmnThemeElt *theirs = other.Materialised(name);
        if (mine && theirs) {
            if (!mine->IsEqual(*theirs))
                return false;
        } else if (mine) {
            if (!other.m_Stored.contains(name) || !sameAs(*mine, other.m_Stored.value(name)))
                return false;
        } else if (theirs) {
            if (!m_Stored.contains(name) || !sameAs(*theirs, m_Stored.value(name)))
                return false;
        } else if (!other.m_Stored.contains(name) || !m_Stored.contains(name)
                   || m_Stored.value(name) != other.m_Stored.value(name)) {
            return false;
        }
    }
    return true;
}

void CCmnTheme::Write(QDataStream &out) const
{
    out << kThemeTag << kThemeVersion;
    // One order whatever the hashes hold, so equal themes give equal bytes.
    QStringList names = m_Elements.keys() + m_Stored.keys();
    names.sort();
    for (const QString &name : std::as_const(names)) {
        const CCmnThemeElt *element = Materialised(name);
        out << kEntry << name << (element ? ElementBytes(*element) : m_Stored.value(name));
    }
    out << kEnd;
}

bool CCmnTheme::Read(QDataStream &in)
{
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag;
    if (in.status() != QDataStream::Ok || tag != kThemeTag)
        return false;
    in >> version;
    if (in.status() != QDataStream::Ok || version != kThemeVersion)
        return false;
    m_Elements.clear();
    m_Stored.clear();
    m_Unreadable.clear();
    for (;;) {
        quint8 marker = kEnd;
        in >> marker;
        if (in.status() != QDataStream::Ok || marker == kEnd)
            break;
        QString name;
        QByteArray bytes;
        CmnReadString(in, name);
        CmnReadByteArray(in, bytes);
        if (in.status() != QDataStream::Ok)
            break;
        m_Stored.insert(name, bytes);
    }
    return in.status() == QDataStream::Ok;
}

QDataStream &operator<<(QDataStream &out, const CCmnTheme &theme)
{
    theme.Write(out);
    return out;
}

QDataStream &operator>>(QDataStream &in, CCmnTheme &theme)
{
    if (!theme.Read(in) && in.status() == QDataStream::Ok)
        in.setStatus(QDataStream::ReadCorruptData);
    return in;
}
