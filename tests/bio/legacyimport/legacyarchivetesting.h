#pragma once

#include "biolegacydataimport_archive.h"

#include <QBuffer>
#include <memory>

// An archive over bytes in memory, with a buffer small enough that reads cross refills
// when asked.
class CLegacyTestArchive
{
public:
    explicit CLegacyTestArchive(const QByteArray &bytes, qint64 capacity = CBioLegacyDataImport_Archive::kDefaultCapacity)
        : m_Bytes(bytes)
    {
        m_Buffer.setBuffer(&m_Bytes);
        m_Buffer.open(QIODevice::ReadOnly);
        m_Archive = std::make_unique<CBioLegacyDataImport_Archive>(&m_Buffer, capacity);
    }
    CBioLegacyDataImport_Archive &operator*() { return *m_Archive; }
    CBioLegacyDataImport_Archive *operator->() { return m_Archive.get(); }
    // Everything was read.
    bool AtEnd() const { return m_Archive->BytesRemaining() == 0; }

private:
    QByteArray m_Bytes;
    QBuffer m_Buffer;
    std::unique_ptr<CBioLegacyDataImport_Archive> m_Archive;
};
