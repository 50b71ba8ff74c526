#include "cmnthemeold.h"

#include "cmndatastream.h"
#include "cmnthemeelt.h"

#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint8 kThemeOldTag = 34;
constexpr quint8 kThemeOldVersion = 0;

} // namespace

CCmnThemeOld::CCmnThemeOld(const CCmnThemeOld &other)
{
    CloneFrom(other);
}

CCmnThemeOld &CCmnThemeOld::operator=(const CCmnThemeOld &other)
{
    if (&other != this) {
        Clear();
        CloneFrom(other);
    }
    return *this;
}

CCmnThemeOld::~CCmnThemeOld()
{
    Clear();
}

void CCmnThemeOld::Clear()
{
    qDeleteAll(m_Elements);
    m_Elements.clear();
}

void CCmnThemeOld::CloneFrom(const CCmnThemeOld &other)
{
    for (const CCmnThemeElt *element : other.m_Elements)
        m_Elements.append(element->Clone());
}

void CCmnThemeOld::AddElt(CCmnThemeElt *element)
{
    if (element)
        m_Elements.append(element);
}

void CCmnThemeOld::RemoveElt(const QString &name)
{
    const auto found = std::find_if(m_Elements.begin(), m_Elements.end(),
                                    [&](const CCmnThemeElt *element) { return element->Name() == name; });
    if (found == m_Elements.end())
        return;
    delete *found;
    m_Elements.erase(found);
}

void CCmnThemeOld::RenameElt(const QString &oldName, const QString &newName)
{
    const auto found = std::find_if(m_Elements.begin(), m_Elements.end(),
                                    [&](const CCmnThemeElt *element) { return element->Name() == oldName; });
    if (found != m_Elements.end())
        (*found)->SetName(newName);
}

bool CCmnThemeOld::Read(QDataStream &in, const CCmnThemeOld &templateTheme)
{
    quint8 tag = 0;
    quint8 version = 0;
    in >> tag >> version;
    if (in.status() != QDataStream::Ok || tag != kThemeOldTag || version != kThemeOldVersion)
        return false;
    Clear();
    CloneFrom(templateTheme);
    for (;;) {
        quint8 marker = 0;
        in >> marker;
        if (in.status() != QDataStream::Ok || marker == 0)
            return in.status() == QDataStream::Ok;
        QString name;
        QByteArray bytes;
        CmnReadString(in, name);
        CmnReadByteArray(in, bytes);
        if (in.status() != QDataStream::Ok)
            return false;
        const auto found = std::find_if(m_Elements.begin(), m_Elements.end(),
                                        [&](const CCmnThemeElt *element) { return element->Name() == name; });
        if (found == m_Elements.end())
            continue;
        QDataStream elementStream(bytes);
        CmnPrepareDataStream(elementStream);
        if (!(*found)->Read(elementStream))
            return false;
    }
}
