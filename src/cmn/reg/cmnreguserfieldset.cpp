#include "cmnreguserfieldset.h"

#include "cmndatastream.h"
#include "cmnregstreamhelpers.h"

#include <QDataStream>

namespace {

constexpr quint8 kUserFieldSetTag = 6;
constexpr quint8 kUserFieldSetVersion = 0;
// A name's length word and the smallest field item (header, id, definition header).
constexpr qint64 kMinItemBytes = 4 + 2 + 4 + 2;

} // namespace

CCmnRegUserFieldSet::CCmnRegUserFieldSet()
{
    m_DefaultValue.m_Id = -1;
}

void CCmnRegUserFieldSet::Write(QDataStream &stream) const
{
    stream << kUserFieldSetTag << kUserFieldSetVersion;
    m_DefaultValue.Write(stream, CCmnRegField::kUserTag);
    stream << m_DefaultText << qint32(m_CurrentRow) << quint32(m_Items.size());
    for (const CItem &item : m_Items) {
        stream << item.first;
        item.second.Write(stream, CCmnRegField::kUserTag);
    }
    stream << qint32(m_TaggedRow);
}

bool CCmnRegUserFieldSet::Read(QDataStream &stream)
{
    *this = CCmnRegUserFieldSet();
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kUserFieldSetTag || version != kUserFieldSetVersion)
        return false;
    if (!m_DefaultValue.Read(stream, CCmnRegField::kUserTag))
        return false;
    CmnReadString(stream, m_DefaultText);
    qint32 currentRow = -1;
    quint32 count = 0;
    stream >> currentRow >> count;
    if (!CmnRegCountFits(stream, count, kMinItemBytes))
        return false;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString name;
        CCmnRegUserField field;
        CmnReadString(stream, name);
        if (stream.status() != QDataStream::Ok)
            break;
        if (!field.Read(stream, CCmnRegField::kUserTag))
            stream.setStatus(QDataStream::ReadCorruptData);
        if (name.isEmpty() || (!m_Items.isEmpty() && !(m_Items.constLast().first < name)))
            stream.setStatus(QDataStream::ReadCorruptData);
        if (stream.status() != QDataStream::Ok)
            break;
        m_Items.append(CItem(name, field));
    }
    qint32 taggedRow = -1;
    stream >> taggedRow;
    // A row that names no field would be taken for one by the user-fields list.
    m_CurrentRow = IsRow(currentRow) ? currentRow : -1;
    m_TaggedRow = IsRow(taggedRow) ? taggedRow : -1;
    return stream.status() == QDataStream::Ok;
}

bool operator==(const CCmnRegUserFieldSet &a, const CCmnRegUserFieldSet &b)
{
    return a.m_DefaultValue == b.m_DefaultValue && a.m_DefaultText == b.m_DefaultText
           && a.m_CurrentRow == b.m_CurrentRow && a.m_Items == b.m_Items && a.m_TaggedRow == b.m_TaggedRow;
}
