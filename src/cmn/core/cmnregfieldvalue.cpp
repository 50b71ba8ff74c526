#include "cmnregfieldvalue.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace {

constexpr quint8 kFieldValueVersion = 0;

// Streams before 5.0 number user types and the types added after 4.x the old way.
constexpr quint32 kOldUserType = 127;
constexpr quint32 kOldFloat = 135;

// The value types a field stores; anything else in a field value is damage.
bool IsFlatType(quint32 typeId, bool oldNumbers)
{
    switch (typeId) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::QString:
        return true;
    default:
        return typeId == (oldNumbers ? kOldFloat : quint32(QMetaType::Float));
    }
}

// The framework's own value types, whose readers check what they read.
bool IsFrameworkValueType(const QByteArray &name)
{
    return name == "CCmnDate" || name == "CCmnHighlight";
}

quint32 PeekUInt32(const QDataStream &in, const QByteArray &bytes, qsizetype at)
{
    const uchar *data = reinterpret_cast<const uchar *>(bytes.constData()) + at;
    return in.byteOrder() == QDataStream::BigEndian ? qFromBigEndian<quint32>(data)
                                                    : qFromLittleEndian<quint32>(data);
}

} // namespace

bool CmnNextVariantIsFlatValue(QDataStream &in)
{
    QIODevice *device = in.device();
    if (!device || in.version() < QDataStream::Qt_4_0)
        return false;   // older streams number types another way and never held field values
    const bool oldNumbers = in.version() < QDataStream::Qt_5_0;
    const qsizetype nullFlagBytes = in.version() >= QDataStream::Qt_4_2 ? 1 : 0;
    const QByteArray longestName("CCmnHighlight");
    const QByteArray head = device->peek(4 + nullFlagBytes + 4 + longestName.size() + 1);
    if (head.size() < 4)
        return true;

    const quint32 typeId = PeekUInt32(in, head, 0);
    if (typeId != (oldNumbers ? kOldUserType : quint32(QMetaType::User)))
        return IsFlatType(typeId, oldNumbers);

    const qsizetype nameAt = 4 + nullFlagBytes + 4;
    if (head.size() < nameAt)
        return true;
    const quint32 nameLength = PeekUInt32(in, head, nameAt - 4);
    if (nameLength > quint32(longestName.size() + 1))
        return false;
    if (head.size() < nameAt + qsizetype(nameLength))
        return true;
    QByteArray name = head.mid(nameAt, nameLength);
    if (name.endsWith('\0'))
        name.chop(1);
    return IsFrameworkValueType(name);
}

QDataStream &operator<<(QDataStream &out, const CCmnRegFieldValue &value)
{
    out << kFieldValueVersion << quint8(value.m_Kind) << value.m_Value;
    return out;
}

QDataStream &operator>>(QDataStream &in, CCmnRegFieldValue &value)
{
    quint8 version = 0;
    in >> version;
    if (in.status() != QDataStream::Ok)
        return in;
    if (version != kFieldValueVersion) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }

    quint8 kind = 0;
    in >> kind;
    if (in.status() != QDataStream::Ok)
        return in;
    if (!CmnNextVariantIsFlatValue(in)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return in;
    }
    QVariant variant;
    in >> variant;
    if (in.status() == QDataStream::Ok) {
        value.m_Kind = kind;
        value.m_Value = variant;
    }
    return in;
}
