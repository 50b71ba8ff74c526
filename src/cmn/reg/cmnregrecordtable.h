#pragma once

#include <QSharedPointer>

#include <memory>
#include <vector>

class CCmnRegRecord;

// The register's records by id. Ids are dense (the allocator fills gaps before it
// goes past the highest), so the records sit in pages of consecutive ids: a walk
// in id order reads memory in order, and finding a record is two index steps
// instead of a hash probe that misses the caches in a large register. Pages are
// made when an id in them is first stored, so a file naming one very high id
// costs one page, not a slot for every id below it.
class CCmnRegRecordTable
{
public:
    using CRecordPtr = QSharedPointer<CCmnRegRecord>;

    CCmnRegRecordTable();
    ~CCmnRegRecordTable();
    CCmnRegRecordTable(const CCmnRegRecordTable &) = delete;
    CCmnRegRecordTable &operator=(const CCmnRegRecordTable &) = delete;

    // Null for an id with no record.
    CCmnRegRecord *Get(int id) const
    {
        const CRecordPtr *slot = Slot(id);
        return slot ? slot->data() : nullptr;
    }
    CRecordPtr Value(int id) const;
    bool Contains(int id) const { return Get(id) != nullptr; }
    int Count() const { return m_Count; }

    // Stores the record under the id (>= 1), replacing the one there.
    void Insert(int id, const CRecordPtr &record);
    // The same, taking the record without touching its reference count.
    void Insert(int id, CRecordPtr &&record);
    // Removes the record and hands it back; null for an id with no record.
    CRecordPtr Take(int id);
    void Clear();

private:
    // The slot of the id (>= 1), its page made when missing.
    CRecordPtr &MakeSlot(int id);

    static constexpr int kPageBits = 10;
    static constexpr int kPageSize = 1 << kPageBits;
    using CPage = std::unique_ptr<CRecordPtr[]>;

    const CRecordPtr *Slot(int id) const
    {
        if (id < 1)
            return nullptr;
        const size_t page = size_t(id - 1) >> kPageBits;
        if (page >= m_Pages.size() || !m_Pages[page])
            return nullptr;
        return &m_Pages[page][size_t(id - 1) & (kPageSize - 1)];
    }

    std::vector<CPage> m_Pages;
    int m_Count = 0;
};
