#include "biolegacydataimport_reg.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_entmatchdata.h"
#include "biolegacydataimport_regdoc.h"
#include "biolegacydataimport_savedsearch.h"
#include "biolegacyentityfactory.h"
#include "biolegacyrecorddecoder.h"

CBioLegacyDataImport_Reg::CBioLegacyDataImport_Reg() = default;

CBioLegacyDataImport_Reg::~CBioLegacyDataImport_Reg() = default;

void CBioLegacyDataImport_Reg::Init(CBioLegacyDataImport_RegDoc *doc, const CBioLegacyDataImport_EntSchema *schema)
{
    m_TokenStores.Init(schema->DictionaryFields());
    m_Doc = doc;
    m_Kind = doc ? doc->RegisterCount() : 0;
    if (doc)
        doc->AddRegister(this);
    m_Template = CreateLegacyEntity(m_Kind);
    if (m_Template) {
        m_Template->Link(this, nullptr);
        m_Template->ResetValues();
    }
    m_Schema = schema;
    Reset();
}

void CBioLegacyDataImport_Reg::Reset()
{
    m_Map.Clear();
    m_Clusters.clear();
    m_LoadedCount = 0;
    m_MostRecent = m_LeastRecent = nullptr;
    m_StringPairs.clear();
    m_TokenStores.ResetAll();
    m_TransientState = m_Template ? m_Template->CreateTransientState(this)
                                  : std::make_unique<CBioLegacyDataImport_RegTransientState>(this);
}

bool CBioLegacyDataImport_Reg::ReadClusters(CBioLegacyDataImport_Archive &archive)
{
    m_Clusters.resize(size_t(m_Map.LastWord() + 1));
    for (qint32 word = 0; word <= m_Map.LastWord(); ++word) {
        if (m_Map.Words().at(word) == 0)
            continue;
        quint32 stored = 0;
        if (!archive.ReadDWord(stored) || stored != quint32(word))
            return false;
        auto cluster = std::make_unique<CBioLegacyDataImport_Cluster>(this, word * 32);
        if (!cluster->Read(archive))
            return false;
        m_Clusters[size_t(word)] = std::move(cluster);
    }
    return true;
}

bool CBioLegacyDataImport_Reg::ReadTokenStores(CBioLegacyDataImport_Archive &archive)
{
    CBioLegacyDataImport_FieldIdSet stored;
    if (!stored.Read(archive))
        return false;
    for (const int id : stored.Ids()) {
        if (!m_TokenStores.Fields().Contains(id))
            return false;
    }
    for (const int id : stored.Ids()) {
        if (!m_TokenStores.StoreOf(id)->Read(archive))
            return false;
    }
    return true;
}

bool CBioLegacyDataImport_Reg::Read(CBioLegacyDataImport_Archive &archive)
{
    Reset();
    const bool tagging = BioLegacyConfigFlagIsSet("HAS_TAGGING");
    const bool multiTagging = BioLegacyConfigFlagIsSet("HAS_MULTITAGGING");
    quint16 version = 0;
    quint32 dword = 0;
    quint8 byte = 0;
    QByteArray text;
    if (!archive.ExpectWord(0xFD05) || !archive.ReadWord(version) || version > (multiTagging ? 6 : 5)
        || !archive.ReadDWord(dword) || !m_Map.Read(archive))
        return false;

    if (tagging) {
        CBioLegacyDataImport_RegMap tagMap;
        if (multiTagging && version > 5) {
            CBioLegacyDataImport_SignedDWordVector tagged;
            quint32 tags = 0;
            if (!tagged.Read(archive) || !archive.ReadDWord(dword) || !archive.ExpectByte(1)
                || !archive.ReadDWord(dword) || !archive.ReadByte(byte) || !tagMap.Read(archive)
                || !archive.ExpectByte(0xA7) || !archive.ExpectByte(0) || !archive.ReadDWord(tags))
                return false;
            for (quint32 i = 0; i < tags; ++i) {
                if (!archive.ExpectByte(0xA6) || !archive.ExpectByte(0) || !archive.ReadString(text)
                    || !archive.ReadDWord(dword) || !archive.ReadByte(byte) || !archive.ReadDWord(dword)
                    || !archive.ReadByte(byte))
                    return false;
            }
        } else if (!tagMap.Read(archive)) {
            return false;
        }
    }

    quint16 views = 0;
    if (!ReadClusters(archive) || !archive.ReadWord(views))
        return false;
    for (quint16 i = 0; i < views; ++i) {
        if (!ReadLegacyView(archive))
            return false;
    }
    CBioLegacyDataImport_EntMatchData match;
    std::unique_ptr<CBioLegacyDataImport_FieldMatchData> extra;
    if (!archive.ReadStringPairList(m_StringPairs) || !match.Read(archive) || !ReadFieldMatchData(archive, extra, true))
        return false;

    if (version > 2) {
        for (int list = 0; list < (tagging ? 2 : 1); ++list) {
            quint32 searches = 0;
            if (!archive.ReadDWord(searches))
                return false;
            for (quint32 i = 0; i < searches; ++i) {
                CBioLegacyDataImport_SavedSearch search;
                if (!search.Read(archive))
                    return false;
            }
        }
    }
    if (!ReadTokenStores(archive))
        return false;

    quint8 marker = 1;
    if (version > 4 && !archive.ReadByte(marker))
        return false;
    if (marker != 0) {
        quint16 count = 5;
        if (version != 0 && !archive.ReadWord(count))
            return false;
        if (!ReadLegacyNamedListItems(archive, count))
            return false;
    }
    QList<CBioLegacyStringPair> dropped;
    if (version >= 2 && !archive.ReadStringPairList(dropped))
        return false;
    return version < 4 || m_TransientState->Read(archive);
}

CBioLegacyDataImport_Ent *CBioLegacyDataImport_Reg::GetEntity(qint32 id)
{
    if (!m_Map.Contains(id))
        return nullptr;
    const size_t word = size_t(id / 32);
    const int slot = id % 32;
    if (word >= m_Clusters.size() || !m_Clusters[word])
        return nullptr;
    CBioLegacyDataImport_Cluster *cluster = m_Clusters[word].get();
    if (CBioLegacyDataImport_Ent *loaded = cluster->Loaded(slot)) {
        MoveToFront(cluster);
        return loaded;
    }
    std::unique_ptr<CBioLegacyDataImport_Ent> entity = CreateLegacyEntity(m_Kind);
    if (!entity)
        return nullptr;
    entity->Link(this, cluster);
    entity->ResetValues();
    entity->SetRecordId(cluster->BaseId() + slot);
    // A record whose bytes are damaged still yields its entity, with whatever decoded.
    if (cluster->RecordIsConsistent(slot)) {
        const qint64 start = cluster->Offset(2 * slot + 1);
        const qint64 end = cluster->Offset(2 * slot + 2);
        (void)LegacyDecodeRecord(*entity, m_TokenStores, cluster->Data(), start, end - start);
    }
    CBioLegacyDataImport_Ent *result = entity.get();
    cluster->Store(slot, std::move(entity));
    ++m_LoadedCount;
    MoveToFront(cluster);
    return result;
}

void CBioLegacyDataImport_Reg::Unlink(CBioLegacyDataImport_Cluster *cluster)
{
    if (!cluster->listed)
        return;
    (cluster->prev ? cluster->prev->next : m_MostRecent) = cluster->next;
    (cluster->next ? cluster->next->prev : m_LeastRecent) = cluster->prev;
    cluster->prev = cluster->next = nullptr;
    cluster->listed = false;
}

void CBioLegacyDataImport_Reg::MoveToFront(CBioLegacyDataImport_Cluster *cluster)
{
    if (m_MostRecent == cluster)
        return;
    Unlink(cluster);
    cluster->next = m_MostRecent;
    if (m_MostRecent)
        m_MostRecent->prev = cluster;
    m_MostRecent = cluster;
    if (!m_LeastRecent)
        m_LeastRecent = cluster;
    cluster->listed = true;
}

void CBioLegacyDataImport_Reg::TrimCache()
{
    if (m_LoadedCount <= kCacheHighMark)
        return;
    while (m_LoadedCount > kCacheLowMark && m_LeastRecent) {
        CBioLegacyDataImport_Cluster *cluster = m_LeastRecent;
        m_LoadedCount -= cluster->DropEntities(m_LoadedCount - kCacheLowMark);
        if (cluster->LoadedCount() == 0)
            Unlink(cluster);
    }
}
