#pragma once

#include <QVariant>

class CCmnByteCursor;
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

// The toolkit's variant reader trusts a container's item count and nests
// containers without limit: a crafted file of a few hundred kilobytes exhausts
// the stack. Stored values are flat (a number, a string, a framework date or
// highlight), so the next variant's type (and a user type's name) is peeked at
// before the toolkit reads it: false for anything else. A stream too short to
// show the type gives true and is left to the reader, which fails on it harmlessly.
bool CmnNextVariantIsFlatValue(QDataStream &in);

// Decodes a value from memory exactly as operator>> reads it from a stream in
// the stored form (see CmnPrepareDataStream), for the values a
// register holds by the hundred thousand: numbers, texts and dates whose null
// flag is clear. False, with the value untouched, for anything else (another
// type, a null flag set, bytes that end early or look damaged): the stream's
// reader then reads those bytes and decides.
bool CmnDecodeRegFieldValue(CCmnByteCursor &cursor, CCmnRegFieldValue &value);
