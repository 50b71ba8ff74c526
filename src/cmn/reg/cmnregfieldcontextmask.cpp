#include "cmnregfieldcontextmask.h"

#include <QDataStream>

namespace {

constexpr quint8 kContextMaskTag = 40;
constexpr quint8 kContextMaskVersion = 1;

} // namespace

void CCmnRegFieldContextMask::SetContext(int bit, bool on)
{
    if (bit < 0 || bit >= kContexts)
        return;
    const quint64 mask = quint64(1) << (bit % 64);
    if (on)
        m_Words[bit / 64] |= mask;
    else
        m_Words[bit / 64] &= ~mask;
}

bool CCmnRegFieldContextMask::HasContext(int bit) const
{
    if (bit < 0 || bit >= kContexts)
        return false;
    return m_Words[bit / 64] & (quint64(1) << (bit % 64));
}

void CCmnRegFieldContextMask::Write(QDataStream &stream) const
{
    stream << kContextMaskTag << kContextMaskVersion << m_Words[0] << m_Words[1];
}

bool CmnRegReadContextMasks(QDataStream &stream, CCmnRegFieldContextMask &mask)
{
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kContextMaskTag || version > kContextMaskVersion)
        return false;
    quint64 first = 0;
    quint64 second = 0;
    stream >> first;
    if (version >= 1)
        stream >> second;
    if (stream.status() != QDataStream::Ok)
        return false;
    mask.SetWord(0, first);
    mask.SetWord(1, second);
    return true;
}
