#pragma once

#include <QList>
#include <initializer_list>
#include <vector>

class CBioLegacyDataImport_Archive;

// Stored field ids from 154 on moved up by 3 in files without a show register.
int AdjustLegacyFieldId(int storedId);

// An ordered list of legacy field ids (0 to 480), with an optional index from id to
// position for the hot lookups of record decoding.
class CBioLegacyDataImport_FieldIdSet
{
public:
    static constexpr int kMaxFieldId = 480;

    CBioLegacyDataImport_FieldIdSet() = default;
    // The ids up to the first 0.
    CBioLegacyDataImport_FieldIdSet(std::initializer_list<int> ids) { Add(ids); }

    void Add(std::initializer_list<int> ids);
    void Add(int id);
    void Set(std::initializer_list<int> ids);
    void Clear();
    void Append(const CBioLegacyDataImport_FieldIdSet &other);
    void BuildIndex();
    bool IsIndexed() const { return m_Indexed; }

    int IndexOf(int id) const;
    bool Contains(int id) const { return IndexOf(id) >= 0; }
    int Count() const { return int(m_Ids.size()); }
    bool IsEmpty() const { return m_Ids.isEmpty(); }
    int At(int position) const { return m_Ids.at(position); }
    const QList<int> &Ids() const { return m_Ids; }

    // Fails, leaving the set empty, on a wrong marker, a short read or an id past 480.
    bool Read(CBioLegacyDataImport_Archive &archive);

    friend bool operator==(const CBioLegacyDataImport_FieldIdSet &a, const CBioLegacyDataImport_FieldIdSet &b)
    {
        return a.m_Ids == b.m_Ids;
    }

private:
    QList<int> m_Ids;
    std::vector<short> m_Index;
    bool m_Indexed = false;
};
