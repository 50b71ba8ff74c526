#pragma once

#include <QVariant>

class QDataStream;

// The stored value of one field of a register record: the register's code for
// the kind of value and the value itself. Only the kind's low byte is stored,
// so kinds lie in 0 to 255.
struct CCmnRegFieldValue
{
    qint32 m_Kind = 0;
    QVariant m_Value;
};

// Byte 0 (the form's version), the kind byte, then the variant at the stream's
// own version.
QDataStream &operator<<(QDataStream &out, const CCmnRegFieldValue &value);
// Another leading byte, or a variant of a type no field holds, marks the stream
// ReadCorruptData; on any failure the value keeps what it held.
QDataStream &operator>>(QDataStream &in, CCmnRegFieldValue &value);
