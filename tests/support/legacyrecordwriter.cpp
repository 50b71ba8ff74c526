#include "legacyrecordwriter.h"

namespace {

class BitWriter
{
public:
    void Put(quint32 value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            if (m_Used % 8 == 0)
                m_Bytes.append('\0');
            if ((value >> i) & 1)
                m_Bytes[m_Bytes.size() - 1] = char(quint8(m_Bytes.back()) | (0x80 >> (m_Used % 8)));
            ++m_Used;
        }
    }
    const QByteArray &Bytes() const { return m_Bytes; }

private:
    QByteArray m_Bytes;
    int m_Used = 0;
};

void AppendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray EncodeText(const CTestLegacyRecord &record, int id)
{
    QByteArray bytes;
    if (record.tokens.contains(id)) {
        const QList<quint32> &symbols = record.tokens.value(id);
        bool wide = false;
        for (const quint32 symbol : symbols)
            wide = wide || symbol > 255;
        bytes.append(char((wide ? 0x40 : 0x00) | symbols.size()));
        for (const quint32 symbol : symbols)
            AppendLittleEndian(bytes, symbol, wide ? 2 : 1);
        return bytes;
    }
    const QByteArray text = record.texts.value(id);
    if (text.size() <= 126) {
        bytes.append(char(128 + text.size()));
    } else {
        bytes.append(char(255));
        AppendLittleEndian(bytes, quint32(text.size()), 4);
    }
    return bytes + text;
}

QByteArray EncodeInteger(qint64 number)
{
    QByteArray bytes;
    const quint8 sign = number < 0 ? 0x80 : 0;
    const quint64 magnitude = quint64(number < 0 ? -number : number);
    if (magnitude < 32) {
        bytes.append(char(sign | magnitude));
    } else if (magnitude < 8192) {
        bytes.append(char(sign | 0x40 | (magnitude & 0x1F)));
        bytes.append(char(magnitude >> 5));
    } else {
        bytes.append(char(sign | 0x60));
        AppendLittleEndian(bytes, quint32(magnitude), 4);
    }
    return bytes;
}

bool Present(const CTestLegacyRecord &record, int group, int id)
{
    switch (group) {
    case 1:
        return record.texts.contains(id) || record.tokens.contains(id);
    case 2:
        return record.dates.contains(id);
    case 3:
        return record.times.contains(id);
    case 4:
        return record.currency.contains(id);
    default:
        return record.integers.contains(id);
    }
}

QByteArray EncodeValue(const CTestLegacyRecord &record, int group, int id)
{
    QByteArray bytes;
    switch (group) {
    case 1:
        return EncodeText(record, id);
    case 2: {
        const QList<int> date = record.dates.value(id);
        AppendLittleEndian(bytes, quint32(date.value(0)), 2);
        if (date.value(0) != 0) {
            bytes.append(char(date.value(2)));
            bytes.append(char(date.value(1)));
        }
        return bytes;
    }
    case 3:
        AppendLittleEndian(bytes, quint32(record.times.value(id) + 1), 2);
        return bytes;
    case 4:
        bytes.append('\x01');
        AppendLittleEndian(bytes, quint32(record.currency.value(id)), 4);
        return bytes;
    default:
        return EncodeInteger(record.integers.value(id));
    }
}

} // namespace

QByteArray EncodeTestLegacyRecord(const CTestLegacyRecord &record, const QList<QList<int>> &groups)
{
    QByteArray bytes;
    bytes.append(char(record.kindByte));
    bytes.append(char(record.version));
    if (record.integerFlag >= 0)
        bytes.append(char(record.integerFlag));
    for (int group = 0; group < groups.size(); ++group) {
        const QList<int> &ids = groups.at(group);
        if (ids.isEmpty())
            continue;
        if (group == 0 || group == 5) {
            BitWriter bits;
            for (const int id : ids) {
                if (group == 0) {
                    bits.Put(quint32(record.booleans.value(id, 0)), 2);
                } else if (record.references.contains(id)) {
                    bits.Put(1, 1);
                    bits.Put(quint32(record.references.value(id)), 20);
                } else {
                    bits.Put(0, 1);
                }
            }
            bytes += bits.Bytes();
            continue;
        }
        QByteArray bitmap((ids.size() + 7) / 8, '\0');
        QByteArray values;
        for (int i = 0; i < ids.size(); ++i) {
            if (!Present(record, group, ids.at(i)))
                continue;
            bitmap[i / 8] = char(quint8(bitmap.at(i / 8)) | (0x80 >> (i % 8)));
            values += EncodeValue(record, group, ids.at(i));
        }
        bytes += bitmap + values;
    }
    return bytes;
}
