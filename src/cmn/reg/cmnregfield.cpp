#include "cmnregfield.h"

#include <QDataStream>

namespace {

constexpr quint8 kFieldVersion = 0;

} // namespace

void CCmnRegField::Write(QDataStream &stream, quint8 tag) const
{
    stream << tag << kFieldVersion << qint32(m_Id);
    m_Def.Write(stream);
    m_Mask.Write(stream);
}

bool CCmnRegField::Read(QDataStream &stream, quint8 tag)
{
    quint8 readTag = 0;
    quint8 version = 0;
    stream >> readTag >> version;
    if (stream.status() != QDataStream::Ok || readTag != tag || version != kFieldVersion)
        return false;
    qint32 id = -1;
    stream >> id;
    m_Id = id;
    if (!m_Def.Read(stream) || !CmnRegReadContextMasks(stream, m_Mask))
        stream.setStatus(QDataStream::ReadCorruptData);
    return true;
}
