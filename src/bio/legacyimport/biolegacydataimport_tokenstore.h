#pragma once

#include "biolegacydataimport_itemvector.h"

// The dictionary of one dictionary-coded text field: token i is a heap offset; at that
// heap item a length byte is followed by the token's text.
class CBioLegacyDataImport_TokenStore
{
public:
    static constexpr quint32 kMaxTokens = 65000;

    void Reset();
    bool Read(CBioLegacyDataImport_Archive &archive);
    // Fails for a token past the index, or an offset or length that leaves the heap
    // chunk the text is in.
    bool Lookup(quint32 token, QByteArray &text) const;

    quint32 TokenCount() const { return m_Index.Count(); }

private:
    CBioLegacyDataImport_SignedWordVector m_Index;
    CBioLegacyDataImport_SignedWordVector m_Second;
    CBioLegacyDataImport_SignedItemVector m_Heap {4};
};
