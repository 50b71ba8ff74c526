#pragma once

#include <QtGlobal>

// The counter of open blocking scopes that every widget, control and panel of the
// framework carries as a second base beside its Qt base. Code that fills widgets
// from data opens a CCmnSlotBlocker on the object first; the object's slots begin
// with `if (SlotsBlocked()) return;` and so ignore every change the program makes,
// while Qt's signals keep flowing to everybody else.
class CCmnSlotBlockingMixin
{
public:
    CCmnSlotBlockingMixin(const CCmnSlotBlockingMixin &) = delete;
    CCmnSlotBlockingMixin &operator=(const CCmnSlotBlockingMixin &) = delete;

    // True while at least one CCmnSlotBlocker is open on this object.
    [[nodiscard]] bool SlotsBlocked() const { return m_SlotBlockCount > 0; }
    [[nodiscard]] qint32 SlotBlockCount() const { return m_SlotBlockCount; }

protected:
    CCmnSlotBlockingMixin() = default;
    // Not virtual: the object is always deleted through its Qt base.
    ~CCmnSlotBlockingMixin() = default;

private:
    friend class CCmnSlotBlocker;
    friend class CCmnSlotUnblocker;
    qint32 m_SlotBlockCount = 0;
};

// A scope that keeps an object's slots quiet while the program changes its widgets:
//
//     const CCmnSlotBlocker blocker(this);
//     m_SizeCombo->setCurrentIndex(index);   // Slot_currentIndexChanged_Size ignores it
//
// Guards nest; the slots stay blocked until the outermost one has ended. A guard
// given no object does nothing. It cannot be copied or moved, so exactly one
// decrement follows each increment, and a guard made as a discarded temporary
// (which would unblock again at once) draws a compiler warning. A guard must not
// outlive its object: keep it local to one function.
class CCmnSlotBlocker
{
public:
    [[nodiscard("a blocking scope must be a named local variable")]]
    explicit CCmnSlotBlocker(CCmnSlotBlockingMixin *object);
    ~CCmnSlotBlocker();

    CCmnSlotBlocker(const CCmnSlotBlocker &) = delete;
    CCmnSlotBlocker &operator=(const CCmnSlotBlocker &) = delete;
    CCmnSlotBlocker(CCmnSlotBlocker &&) = delete;
    CCmnSlotBlocker &operator=(CCmnSlotBlocker &&) = delete;

private:
    qint32 *m_Counter;
};
