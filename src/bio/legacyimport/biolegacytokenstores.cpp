#include "biolegacytokenstores.h"

void CBioLegacyTokenStores::Init(const CBioLegacyDataImport_FieldIdSet &fields)
{
    m_Fields = fields;
    m_Fields.BuildIndex();
    m_Stores.assign(size_t(m_Fields.Count()), CBioLegacyDataImport_TokenStore());
}

void CBioLegacyTokenStores::ResetAll()
{
    for (CBioLegacyDataImport_TokenStore &store : m_Stores)
        store.Reset();
}

const CBioLegacyDataImport_TokenStore *CBioLegacyTokenStores::StoreOf(int fieldId) const
{
    const int position = m_Fields.IndexOf(fieldId);
    return position >= 0 && size_t(position) < m_Stores.size() ? &m_Stores[size_t(position)] : nullptr;
}

CBioLegacyDataImport_TokenStore *CBioLegacyTokenStores::StoreOf(int fieldId)
{
    return const_cast<CBioLegacyDataImport_TokenStore *>(std::as_const(*this).StoreOf(fieldId));
}
