#include "cmnregrecordtable.h"

#include "cmnregrecord.h"

CCmnRegRecordTable::CCmnRegRecordTable() = default;

CCmnRegRecordTable::~CCmnRegRecordTable() = default;

CCmnRegRecordTable::CRecordPtr CCmnRegRecordTable::Value(int id) const
{
    const CRecordPtr *slot = Slot(id);
    return slot ? *slot : CRecordPtr();
}

void CCmnRegRecordTable::Insert(int id, const CRecordPtr &record)
{
    Q_ASSERT(id >= 1);
    const size_t page = size_t(id - 1) >> kPageBits;
    if (page >= m_Pages.size())
        m_Pages.resize(page + 1);
    if (!m_Pages[page])
        m_Pages[page] = std::make_unique<CRecordPtr[]>(kPageSize);
    CRecordPtr &slot = m_Pages[page][size_t(id - 1) & (kPageSize - 1)];
    if (!slot)
        ++m_Count;
    slot = record;
    if (!slot)
        --m_Count;
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
