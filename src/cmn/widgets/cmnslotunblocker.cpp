#include "cmnslotunblocker.h"

#include "cmnslotblocker.h"

CCmnSlotUnblocker::CCmnSlotUnblocker(CCmnSlotBlockingMixin *object)
    : m_Counter(object ? &object->m_SlotBlockCount : nullptr)
{
    if (m_Counter) {
        m_SavedCount = *m_Counter;
        *m_Counter = 0;
    }
}

CCmnSlotUnblocker::~CCmnSlotUnblocker()
{
    if (m_Counter)
        *m_Counter = m_SavedCount;
}
