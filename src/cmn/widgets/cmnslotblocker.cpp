#include "cmnslotblocker.h"

CCmnSlotBlocker::CCmnSlotBlocker(CCmnSlotBlockingMixin *object)
    : m_Counter(object ? &object->m_SlotBlockCount : nullptr)
{
    if (m_Counter)
        ++*m_Counter;
}

CCmnSlotBlocker::~CCmnSlotBlocker()
{
    if (m_Counter) {
        Q_ASSERT(*m_Counter > 0);
        --*m_Counter;
    }
}
