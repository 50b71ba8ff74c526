#pragma once

#include <QtGlobal>

class CCmnSlotBlockingMixin;

// The opposite of CCmnSlotBlocker: lets an object's slots run for one scope even
// while blocking scopes are open around it, then puts the count back. A context
// menu opened from inside a blocked handler needs this, or the commands it
// triggers would be ignored. A guard given no object does nothing.
class CCmnSlotUnblocker
{
public:
    [[nodiscard("an unblocking scope must be a named local variable")]]
    explicit CCmnSlotUnblocker(CCmnSlotBlockingMixin *object);
    ~CCmnSlotUnblocker();

    CCmnSlotUnblocker(const CCmnSlotUnblocker &) = delete;
    CCmnSlotUnblocker &operator=(const CCmnSlotUnblocker &) = delete;
    CCmnSlotUnblocker(CCmnSlotUnblocker &&) = delete;
    CCmnSlotUnblocker &operator=(CCmnSlotUnblocker &&) = delete;

private:
    qint32 *m_Counter;
    qint32 m_SavedCount = 0;
};
