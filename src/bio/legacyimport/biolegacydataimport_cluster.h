#pragma once

#include "biolegacydataimport_ent.h"

#include <QByteArray>
#include <array>
#include <memory>

class CBioLegacyDataImport_Archive;

// The records of 32 consecutive ids of a register: their bytes in one data block with
// the offsets of each record's header and body, and the entities decoded so far.
class CBioLegacyDataImport_Cluster
{
public:
    static constexpr int kRecords = 32;
    static constexpr int kOffsets = 65;

    CBioLegacyDataImport_Cluster(CBioLegacyDataImport_Reg *reg, qint32 baseId)
        : m_Register(reg)
        , m_BaseId(baseId)
    {
    }
    virtual ~CBioLegacyDataImport_Cluster() = default;
    virtual bool Read(CBioLegacyDataImport_Archive &archive);

    qint32 BaseId() const { return m_BaseId; }
    const QByteArray &Data() const { return m_Data; }
    quint32 Offset(int i) const { return m_Offsets[size_t(i)]; }
    // Whether record k's header and body lie in order within the data block, with a
    // header of a whole number of 4-byte units.
    bool RecordIsConsistent(int k) const;

    CBioLegacyDataImport_Ent *Loaded(int slot) const { return m_Entities[size_t(slot)].get(); }
    void Store(int slot, std::unique_ptr<CBioLegacyDataImport_Ent> entity);
    // Destroys the entities of the lowest loaded slots until `count` are gone or none is
    // left; answers how many were destroyed.
    int DropEntities(int count);
    int LoadedCount() const { return m_LoadedCount; }

    // The register's most-recently-used list.
    CBioLegacyDataImport_Cluster *prev = nullptr;
    CBioLegacyDataImport_Cluster *next = nullptr;
    bool listed = false;

private:
    CBioLegacyDataImport_Reg *m_Register;
    qint32 m_BaseId;
    std::array<quint32, kOffsets> m_Offsets {};
    QByteArray m_Data;
    std::array<std::unique_ptr<CBioLegacyDataImport_Ent>, kRecords> m_Entities;
    quint32 m_LoadedMask = 0;
    int m_LoadedCount = 0;
};
