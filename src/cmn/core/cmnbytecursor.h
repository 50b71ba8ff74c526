#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

// Reads the big-endian numbers and texts of a stored stream straight from bytes
// in memory, for readers whose inner loop would otherwise pay a device call for
// every small item. Every read checks the bytes left: a read past the end fails
// the cursor for good and gives 0, so a caller checks Ok() once after a group of
// reads. A failed cursor means "not decoded here", never a verdict on the data:
// the caller hands those bytes to the stream's own reader.
class CCmnByteCursor
{
public:
    CCmnByteCursor(const char *data, qsizetype size)
        : m_At(data),
          m_End(data + size)
    {
    }

    bool Ok() const { return m_Ok; }
    void Fail() { m_Ok = false; }
    const char *Data() const { return m_At; }
    qsizetype Left() const { return m_End - m_At; }

    quint8 U8() { return Number<quint8>(); }
    qint8 I8() { return Number<qint8>(); }
    quint32 U32() { return Number<quint32>(); }
    qint32 I32() { return Number<qint32>(); }
    quint64 U64() { return Number<quint64>(); }
    qint64 I64() { return Number<qint64>(); }
    double Double()
    {
        const quint64 bits = U64();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // The next `size` bytes, or null (cursor failed) when fewer are left.
    const char *Take(qsizetype size)
    {
        if (!m_Ok || size < 0 || size > Left()) {
            m_Ok = false;
            return nullptr;
        }
        const char *taken = m_At;
        m_At += size;
        return taken;
    }

    // A string as the stream writes it: the byte count (all ones for a null
    // string), then UTF-16 code units. An odd count fails the cursor, leaving the
    // stream's reader to call it damage.
    QString String()
    {
        const quint32 bytes = U32();
        if (!m_Ok || bytes == 0xffffffffu)
            return QString();
        if (bytes % 2 != 0 || qsizetype(bytes) > Left()) {
            m_Ok = false;
            return QString();
        }
        const qsizetype units = qsizetype(bytes / 2);
        QString text(units, Qt::Uninitialized); // zero units give an empty, not a null, string
        qFromBigEndian<char16_t>(Take(qsizetype(bytes)), units, text.data());
        return text;
    }

    // A byte array as the stream writes it: the byte count (all ones for a null
    // array), then the bytes.
    QByteArray Bytes()
    {
        const quint32 size = U32();
        if (!m_Ok || size == 0xffffffffu)
            return QByteArray();
        const char *bytes = Take(qsizetype(size));
        return bytes ? QByteArray(bytes, qsizetype(size)) : QByteArray();
    }

private:
    template <typename TNumber>
    TNumber Number()
    {
        const char *bytes = Take(sizeof(TNumber));
        return bytes ? qFromBigEndian<TNumber>(bytes) : TNumber(0);
    }

    const char *m_At;
    const char *m_End;
    bool m_Ok = true;
};
