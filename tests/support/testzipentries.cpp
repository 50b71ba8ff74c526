#include "testzipentries.h"

#include <QtEndian>

#include <zlib.h>

namespace {

constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr quint32 kLocalHeader = 0x04034b50;

struct CEntry
{
    QString m_Name;
    quint16 m_Method = 0;
    quint32 m_PackedSize = 0;
    quint32 m_Size = 0;
    quint32 m_Offset = 0;
};

quint16 U16(const QByteArray &bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

quint32 U32(const QByteArray &bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

QList<CEntry> Entries(const QByteArray &archive)
{
    QList<CEntry> entries;
    qsizetype end = archive.size() - 22;
    while (end >= 0 && U32(archive, end) != kEndOfDirectory)
        --end;
    if (end < 0)
        return entries;
    const int count = U16(archive, end + 10);
    qsizetype at = U32(archive, end + 16);
    for (int i = 0; i < count && U32(archive, at) == kDirectoryEntry; ++i) {
        CEntry entry;
        entry.m_Method = U16(archive, at + 10);
        entry.m_PackedSize = U32(archive, at + 20);
        entry.m_Size = U32(archive, at + 24);
        const int nameLength = U16(archive, at + 28);
        const int extraLength = U16(archive, at + 30);
        const int commentLength = U16(archive, at + 32);
        entry.m_Offset = U32(archive, at + 42);
        entry.m_Name = QString::fromUtf8(archive.mid(at + 46, nameLength));
        entries.append(entry);
        at += 46 + nameLength + extraLength + commentLength;
    }
    return entries;
}

} // namespace

QStringList OrvZipEntryNames(const QByteArray &archive)
{
    QStringList names;
    for (const CEntry &entry : Entries(archive))
        names << entry.m_Name;
    return names;
}

QByteArray OrvZipEntry(const QByteArray &archive, const QString &name)
{
    for (const CEntry &entry : Entries(archive)) {
        if (entry.m_Name != name)
            continue;
        const qsizetype local = entry.m_Offset;
        if (U32(archive, local) != kLocalHeader)
            return {};
        const qsizetype data = local + 30 + U16(archive, local + 26) + U16(archive, local + 28);
        const QByteArray packed = archive.mid(data, entry.m_PackedSize);
        if (entry.m_Method == 0)
            return packed;
        if (entry.m_Method != 8)
            return {};
        QByteArray bytes(qsizetype(entry.m_Size), '\0');
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return {};
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
        stream.avail_in = uInt(packed.size());
        stream.next_out = reinterpret_cast<Bytef *>(bytes.data());
        stream.avail_out = uInt(bytes.size());
        const int result = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        return result == Z_STREAM_END ? bytes : QByteArray();
    }
    return {};
}
