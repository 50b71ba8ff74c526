#include "biolegacydataimport_cluster.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_archive.h"

bool CBioLegacyDataImport_Cluster::Read(CBioLegacyDataImport_Archive &archive)
{
    quint16 version = 0;
    quint8 form = 0;
    if (!archive.ExpectWord(0xFD07) || !archive.ReadWord(version) || version > 1 || !archive.BeginBlock()
        || !archive.ReadByte(form) || form > 2)
        return false;
    for (quint32 &offset : m_Offsets) {
        bool read = false;
        if (form == 0) {
            quint8 byte = 0;
            read = archive.ReadByte(byte);
            offset = byte;
        } else if (form == 1) {
            quint16 word = 0;
            read = archive.ReadWord(word);
            offset = word;
        } else {
            read = archive.ReadDWord(offset);
        }
        if (!read)
            return false;
    }
    if (version == 1 && BioLegacyConfigFlagIsSet("APP_HV") && !archive.SkipBytes(64))
        return false;
    if (!archive.EndBlock() || !archive.ReadDataBlock(m_Data))
        return false;
    if (m_Offsets.front() != 0 || m_Offsets.back() != quint32(m_Data.size()))
        return false;
    for (int i = 1; i < kOffsets; ++i) {
        if (m_Offsets[size_t(i)] < m_Offsets[size_t(i - 1)])
            return false;
    }
    return true;
}

bool CBioLegacyDataImport_Cluster::RecordIsConsistent(int k) const
{
    if (k < 0 || k >= kRecords)
        return false;
    const quint32 header = Offset(2 * k);
    const quint32 start = Offset(2 * k + 1);
    const quint32 end = Offset(2 * k + 2);
    const quint32 headerLength = start - header;
    return header <= start && start <= end && end <= quint32(m_Data.size()) && headerLength >= 4
        && headerLength % 4 == 0;
}

void CBioLegacyDataImport_Cluster::Store(int slot, std::unique_ptr<CBioLegacyDataImport_Ent> entity)
{
    if (!m_Entities[size_t(slot)])
        ++m_LoadedCount;
    m_Entities[size_t(slot)] = std::move(entity);
    m_LoadedMask |= 1u << slot;
}

int CBioLegacyDataImport_Cluster::DropEntities(int count)
{
    int dropped = 0;
    for (int slot = 0; slot < kRecords && dropped < count; ++slot) {
        if (!(m_LoadedMask & (1u << slot)))
            continue;
        m_Entities[size_t(slot)].reset();
        m_LoadedMask &= ~(1u << slot);
        --m_LoadedCount;
        ++dropped;
    }
    return dropped;
}
