#include "cmnregrecordtable.h"

#include "cmnregrecord.h"

CCmnRegRecordTable::CCmnRegRecordTable() = default;

CCmnRegRecordTable::~CCmnRegRecordTable() = default;

CCmnRegRecordTable::CRecordPtr CCmnRegRecordTable::Value(int id) const
{
    const CRecordPtr *slot = Slot(id);
    return slot ? *slot : CRecordPtr();
}

CCmnRegRecordTable::CRecordPtr &CCmnRegRecordTable::MakeSlot(int id)
{
    Q_ASSERT(id >= 1);
    const size_t page = size_t(id - 1) >> kPageBits;
    if (page >= m_Pages.size())
        m_Pages.resize(page + 1);
    if (!m_Pages[page])
        m_Pages[page] = std::make_unique<CRecordPtr[]>(kPageSize);
    return m_Pages[page][size_t(id - 1) & (kPageSize - 1)];
}

void CCmnRegRecordTable::Insert(int id, const CRecordPtr &record)
{
    Insert(id, CRecordPtr(record));
}

void CCmnRegRecordTable::Insert(int id, CRecordPtr &&record)
{
    CRecordPtr &slot = MakeSlot(id);
    m_Count += int(!slot) - int(!record);
    slot = std::move(record);
}

CCmnRegRecordTable::CRecordPtr CCmnRegRecordTable::Take(int id)
{
    CRecordPtr *slot = const_cast<CRecordPtr *>(Slot(id));
    if (!slot || !*slot)
        return CRecordPtr();
    --m_Count;
    return std::exchange(*slot, CRecordPtr());
}

void CCmnRegRecordTable::Clear()
{
    m_Pages.clear();
    m_Count = 0;
}
