#pragma once

#include "tcmnnameditemslistctrlbase.h"

// The list control of a named-items list kept in the user's order: besides the
// shared flows, Up and Down move the current item, and a new item goes in after
// the current row. The owner loads the list with SetItems and reads it back with
// GetItems.
template <typename T>
class TCmnNamedItemsUnsortedListCtrl : public TCmnNamedItemsListCtrlBase<T>
{
public:
    using CList = typename TCmnNamedItemsListCtrlBase<T>::CList;

    TCmnNamedItemsUnsortedListCtrl(QObject *parent, const QString &itemWord, const QString &plural,
                                   const QString &nameWord, quint32 flags, qint32 maxItemCount,
                                   const CCmnNamedItemsButtonWords &buttonWords = CCmnNamedItemsButtonWords(),
                                   QLayout *extraLayout = nullptr)
        : TCmnNamedItemsListCtrlBase<T>(parent, itemWord, plural, nameWord, flags, maxItemCount, buttonWords,
                                        extraLayout, true)
    {
    }

    void SetItems(const CList &list) { this->SetData(list); }
    CList GetItems() const { return this->GetData(); }

protected:
    void OnMoveUp() override { Move(-1); }
    void OnMoveDown() override { Move(1); }

private:
    // The current item swaps places with its neighbour and stays current; the tag
    // stays on its item. Nothing happens at either end of the list.
    void Move(qint32 step)
    {
        if (!this->TakeCurrentRow())
            return;
        CList &list = this->Data();
        const qint32 row = list.m_CurrentRow;
        if (!list.HasCurrentRow() || !list.SwapRows(row, row + step))
            return;
        const CCmnSlotBlocker blocker(this);
        for (const qint32 changed : {row, row + step})
            this->UpdateItem(changed, list.NameAt(changed), this->IsTagged(changed));
        this->Finish();
    }
};
