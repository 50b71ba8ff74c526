#pragma once

#include "biolegacydataimport_fieldidset.h"
#include "biolegacydataimport_tokenstore.h"

#include <vector>

// The dictionaries of a register's dictionary-coded text fields: one token store per
// field, in the order of the field set.
class CBioLegacyTokenStores
{
public:
    void Init(const CBioLegacyDataImport_FieldIdSet &fields);
    void ResetAll();

    const CBioLegacyDataImport_FieldIdSet &Fields() const { return m_Fields; }
    // The store of a dictionary-coded field, or none for a field that is not one.
    const CBioLegacyDataImport_TokenStore *StoreOf(int fieldId) const;
    CBioLegacyDataImport_TokenStore *StoreOf(int fieldId);

private:
    CBioLegacyDataImport_FieldIdSet m_Fields;
    std::vector<CBioLegacyDataImport_TokenStore> m_Stores;
};
