#include "cmnregfieldlookup.h"

#include "cmnindexkey.h"
#include "cmnregrecord.h"
#include "cmnregvaluekind.h"

namespace {

constexpr qsizetype kMadeTriples = 1024;

bool IsPrivateText(const CCmnRegFieldDef &def)
{
    return def.m_Type == CmnRegFieldText && (def.m_Flags & CmnRegFieldPrivateList);
}

} // namespace

QString CmnRegLookupListKey(const QString &name)
{
    return QStringLiteral("LOOKUPLIST-") + name.toUpper();
}

QString CmnRegSharedLookupListKey(const CCmnRegFieldDef &def)
{
    if (def.m_Type != CmnRegFieldText || !(def.m_Flags & CmnRegFieldSharedList))
        return QString();
    return CmnRegLookupListKey(def.m_SharedListName);
}

void CCmnRegLookupList::AddRecordValue(const CCmnRegRecord &record, int fieldId)
{
    const QString text = record.GetValue(fieldId, CmnRegValueText).toString();
    if (text.isEmpty())
        return;
    auto made = m_Made.constFind(text);
    if (made == m_Made.cend()) {
        // Bounded, so that a column of unique texts keeps no second copy of them all.
        if (m_Made.size() >= kMadeTriples)
            m_Made.clear();
        const QString key = CmnNormaliseIndexText(text, CmnIndexCollapseSpace | CmnIndexFoldAccents);
        made = m_Made.insert(text, CCmnStringTriple{key, text.toUpper(), text});
    }
    m_List.QueueChange(*made);
}

bool CCmnRegFieldLookup::HasPrivateList() const
{
    return IsPrivateText(m_Def);
}

CCmnRegLookupList *CCmnRegFieldLookup::PrivateList()
{
    return HasPrivateList() ? &m_Own : nullptr;
}

void CCmnRegFieldLookup::SetDefinition(const CCmnRegFieldDef &def)
{
    if (IsPrivateText(def) && !(m_Def.m_Flags & CmnRegFieldPrivateList))
        m_Own.m_List.Clear();
    m_Def = def;
    const QString key = CmnRegSharedLookupListKey(def);
    m_SharedKeys = key.isEmpty() ? QStringList() : QStringList{key};
}

QStringList CCmnRegFieldLookup::NewSharedListKeys(const CCmnRegFieldDef &def) const
{
    const QString key = CmnRegSharedLookupListKey(def);
    if (key.isEmpty() || key == CmnRegSharedLookupListKey(m_Def))
        return {};
    return {key};
}
