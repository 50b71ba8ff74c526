#include "cmnregfieldvalue.h"

#include "cmnbytecursor.h"
#include "cmndate.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cstring>

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

bool CmnDecodeRegFieldValue(CCmnByteCursor &cursor, CCmnRegFieldValue &value)
{
    const quint8 version = cursor.U8();
    const quint8 kind = cursor.U8();
    const quint32 typeId = cursor.U32();
    // A set null flag survives only in the toolkit's own variant, which this
    // cannot make: such a value is left to the stream's reader.
    const qint8 isNull = cursor.I8();
    if (!cursor.Ok() || version != kFieldValueVersion || isNull != 0)
        return false;
    QVariant variant;
    switch (typeId) {
    case QMetaType::Bool:
        variant = QVariant(cursor.U8() != 0);
        break;
    case QMetaType::Int:
        variant = QVariant(cursor.I32());
        break;
    case QMetaType::UInt:
        variant = QVariant(cursor.U32());
        break;
    case QMetaType::LongLong:
        variant = QVariant(qlonglong(cursor.I64()));
        break;
    case QMetaType::ULongLong:
        variant = QVariant(qulonglong(cursor.U64()));
        break;
    case QMetaType::Double:
        variant = QVariant(cursor.Double());
        break;
    case QMetaType::QString:
        variant = QVariant(cursor.String());
        break;
    case kOldUserType: {
        // The stream names a user type with its terminating NUL. The stream's
        // reader knows the date only once it is registered under its name.
        static constexpr char kDateName[] = "CCmnDate";
        const char *name = cursor.U32() == sizeof kDateName ? cursor.Take(sizeof kDateName) : nullptr;
        CCmnDate date;
        if (!name || std::memcmp(name, kDateName, sizeof kDateName) != 0 || !date.Read(cursor))
            return false;
        // Looked up once: the registry's look-up takes a lock and a hash probe,
        // and a large register has a date in nearly every record. Until the
        // name is registered it is asked again, so an early read cannot pin a
        // miss.
        static const QMetaType registered = QMetaType::fromName(kDateName);
        const QMetaType type = registered.isValid() ? registered : QMetaType::fromName(kDateName);
        if (type != QMetaType::fromType<CCmnDate>())
            return false;
        variant = QVariant(type, &date);
        break;
    }
    default:
        return false;
    }
    if (!cursor.Ok())
        return false;
    value.m_Kind = kind;
    value.m_Value = std::move(variant);
    return true;
}
