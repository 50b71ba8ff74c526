#include "cmnreglookuplists.h"

#include "cmnreg.h"
#include "cmnregfieldssettings.h"
#include "cmnregrecord.h"

#include <QSet>

#include <algorithm>

namespace {

// The system fields, then the user fields, with their definitions.
QList<QPair<int, CCmnRegFieldDef>> ListedFields(const CCmnRegFieldsSettings &settings)
{
    QList<QPair<int, CCmnRegFieldDef>> fields;
    for (const CCmnRegField &field : settings.GetSystemFields())
        fields.append({field.m_Id, field.m_Def});
    for (const auto &item : settings.GetUserFields().m_Items)
        fields.append({item.second.m_Id, item.second.m_Def});
    return fields;
}

template <typename TVisit>
void ForEachRecord(const CCmnReg &reg, TVisit visit)
{
    for (int id : reg.GetRecordIds()) {
        if (const CCmnRegRecord *record = reg.GetRecord(id))
            visit(*record);
    }
}

} // namespace

void CCmnRegLookupLists::Clear()
{
    m_Fields.clear();
    m_Shared.clear();
}

CCmnRegLookupList *CCmnRegLookupLists::FindSharedList(const QString &name)
{
    const auto it = m_Shared.find(CmnRegLookupListKey(name));
    return it == m_Shared.end() ? nullptr : &it.value();
}

CCmnRegFieldLookup *CCmnRegLookupLists::FindField(int fieldId)
{
    const auto it = m_Fields.find(fieldId);
    return it == m_Fields.end() ? nullptr : &it.value();
}

void CCmnRegLookupLists::AddToLists(CCmnRegFieldLookup &entry, int fieldId, const CCmnRegRecord &record)
{
    if (CCmnRegLookupList *own = entry.PrivateList())
        own->AddRecordValue(record, fieldId);
    for (const QString &key : std::as_const(entry.m_SharedKeys)) {
        const auto shared = m_Shared.find(key);
        if (shared != m_Shared.end())
            shared->AddRecordValue(record, fieldId);
    }
}

void CCmnRegLookupLists::Update(const CCmnRegRecord *record, const CCmnRegRecord *newRecord, int mode)
{
    const CCmnRegRecord *source = mode == RecordAdded ? record : mode == RecordReplaced ? newRecord : nullptr;
    if (!source)
        return;
    for (auto it = m_Fields.begin(); it != m_Fields.end(); ++it)
        AddToLists(it.value(), it.key(), *source);
}

QHash<QString, QList<int>> CCmnRegLookupLists::FeedersByKey() const
{
    QHash<QString, QList<int>> feeders;
    for (auto it = m_Fields.cbegin(); it != m_Fields.cend(); ++it) {
        for (const QString &key : it->m_SharedKeys)
            feeders[key].append(it.key());
    }
    for (QList<int> &ids : feeders)
        std::sort(ids.begin(), ids.end());
    return feeders;
}

void CCmnRegLookupLists::Rebuild(const CCmnRegFieldsSettings &settings, const CCmnReg &reg, bool fullRescan)
{
    const QList<QPair<int, CCmnRegFieldDef>> fields = ListedFields(settings);
    if (fullRescan) {
        Clear();
        bool anyPrivate = false;
        for (const auto &field : fields) {
            CCmnRegFieldLookup &entry = m_Fields[field.first];
            entry.SetDefinition(field.second);
            anyPrivate = anyPrivate || entry.HasPrivateList();
            for (const QString &key : std::as_const(entry.m_SharedKeys))
                m_Shared[key];
        }
        if (anyPrivate || !m_Shared.isEmpty())
            ForEachRecord(reg, [this](const CCmnRegRecord &record) { Update(&record, nullptr, RecordAdded); });
    }

    const QHash<QString, QList<int>> before = FeedersByKey();
    QSet<int> refillOwn;
    QSet<QString> refillShared;
    for (const auto &field : fields) {
        const auto existing = m_Fields.find(field.first);
        if (existing == m_Fields.end()) {
            m_Fields[field.first].SetDefinition(field.second);
            refillOwn.insert(field.first);
            continue;
        }
        if (existing->m_Def == field.second)
            continue;
        const bool nowPrivate = field.second.m_Type == CmnRegFieldText && (field.second.m_Flags & CmnRegFieldPrivateList);
        if (nowPrivate && !existing->HasPrivateList()) {
            existing->m_Own.m_List.Clear();
            refillOwn.insert(field.first);
        }
        for (const QString &key : existing->NewSharedListKeys(field.second))
            refillShared.insert(key);
        existing->SetDefinition(field.second);
    }
    const QHash<QString, QList<int>> after = FeedersByKey();
    m_Shared.removeIf([&after](const auto &shared) { return !after.contains(shared.key()); });
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!m_Shared.contains(it.key())) {
            m_Shared[it.key()];
            refillShared.insert(it.key());
        } else if (before.contains(it.key()) && before.value(it.key()) != it.value()) {
            refillShared.insert(it.key());
        }
    }
    for (const QString &key : std::as_const(refillShared))
        m_Shared[key].m_List.Clear();
    if (refillOwn.isEmpty() && refillShared.isEmpty())
        return;
    ForEachRecord(reg, [&](const CCmnRegRecord &record) {
        for (int fieldId : std::as_const(refillOwn)) {
            if (CCmnRegLookupList *own = m_Fields[fieldId].PrivateList())
                own->AddRecordValue(record, fieldId);
        }
        for (const QString &key : std::as_const(refillShared)) {
            for (int fieldId : after.value(key))
                m_Shared[key].AddRecordValue(record, fieldId);
        }
    });
}
