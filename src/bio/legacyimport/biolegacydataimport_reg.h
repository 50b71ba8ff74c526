#pragma once

#include "biolegacydataimport_archive.h"
#include "biolegacydataimport_cluster.h"
#include "biolegacydataimport_regmap.h"
#include "biolegacydataimport_regtransientstate.h"
#include "biolegacytokenstores.h"

#include <vector>

class CBioLegacyDataImport_RegDoc;

// One register of a legacy file: the ids in use, the records in clusters of 32, the
// dictionaries of its coded texts, and the older program's own state, read past. Records
// are decoded when first asked for and kept in a cache that TrimCache brings back down.
class CBioLegacyDataImport_Reg
{
public:
    static constexpr int kCacheHighMark = 20000;
    static constexpr int kCacheLowMark = 10000;

    CBioLegacyDataImport_Reg();
    virtual ~CBioLegacyDataImport_Reg();
    CBioLegacyDataImport_Reg(const CBioLegacyDataImport_Reg &) = delete;
    CBioLegacyDataImport_Reg &operator=(const CBioLegacyDataImport_Reg &) = delete;

    void Init(CBioLegacyDataImport_RegDoc *doc, const CBioLegacyDataImport_EntSchema *schema);
    void Reset();
    virtual bool Read(CBioLegacyDataImport_Archive &archive);

    // The entity of a record id in use, decoded on first use; none for an id that the
    // map does not hold, so that a reference to a missing record reads as absent.
    CBioLegacyDataImport_Ent *GetEntity(qint32 id);
    void TrimCache();

    int Kind() const { return m_Kind; }
    const CBioLegacyDataImport_EntSchema *Schema() const { return m_Schema; }
    const CBioLegacyDataImport_RegMap &Map() const { return m_Map; }
    const QList<CBioLegacyStringPair> &StringPairs() const { return m_StringPairs; }
    const CBioLegacyTokenStores &TokenStores() const { return m_TokenStores; }
    int LoadedCount() const { return m_LoadedCount; }
    const CBioLegacyDataImport_RegTransientState *TransientState() const { return m_TransientState.get(); }

private:
    bool ReadClusters(CBioLegacyDataImport_Archive &archive);
    bool ReadTokenStores(CBioLegacyDataImport_Archive &archive);
    void MoveToFront(CBioLegacyDataImport_Cluster *cluster);
    void Unlink(CBioLegacyDataImport_Cluster *cluster);

    CBioLegacyDataImport_RegDoc *m_Doc = nullptr;
    const CBioLegacyDataImport_EntSchema *m_Schema = nullptr;
    int m_Kind = 0;
    std::unique_ptr<CBioLegacyDataImport_Ent> m_Template;
    std::unique_ptr<CBioLegacyDataImport_RegTransientState> m_TransientState;
    CBioLegacyDataImport_RegMap m_Map;
    std::vector<std::unique_ptr<CBioLegacyDataImport_Cluster>> m_Clusters;
    int m_LoadedCount = 0;
    CBioLegacyDataImport_Cluster *m_MostRecent = nullptr;
    CBioLegacyDataImport_Cluster *m_LeastRecent = nullptr;
    QList<CBioLegacyStringPair> m_StringPairs;
    CBioLegacyTokenStores m_TokenStores;
};
