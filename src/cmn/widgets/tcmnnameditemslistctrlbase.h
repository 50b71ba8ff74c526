#pragma once

#include "cmnlistwidget.h"
#include "cmnnameditemslistctrl.h"
#include "cmnslotblocker.h"
#include "tcmnnameditemssortedlisthelper.h"

// What the sorted and the ordered named-items list controls share: the buttons run
// the add, delete, rename and edit flows on a copy of the owner's list, and the rows
// follow every change. The owner loads the list with SetData and reads the user's
// changes back with GetData. The derived control says whether the list is kept
// sorted or in the user's order (see TCmnNamedItemsSortedListHelper).
//
// Each command first takes the list widget's current row as the list's current
// row. While the control changes its own rows its slots are blocked, so the rows
// that Qt makes current on the way never reach the list; at the end the list's
// current row is selected again.
template <typename T>
class TCmnNamedItemsListCtrlBase : public CCmnNamedItemsListCtrl, public TCmnNamedItemsSortedListHelper<T>
{
public:
    using CList = TCmnNamedItemsSortedList<T>;

    TCmnNamedItemsListCtrlBase(QObject *parent, const QString &itemWord, const QString &plural,
                               const QString &nameWord, quint32 flags, qint32 maxItemCount,
                               const CCmnNamedItemsButtonWords &buttonWords, QLayout *extraLayout, bool ordered)
        : CCmnNamedItemsListCtrl(parent, ordered ? flags : flags & ~quint32(CmnNamedItemsListUpDown), maxItemCount,
                                 buttonWords, extraLayout)
    {
        this->m_Flags = flags | CmnNamedItemsListControl | (ordered ? CmnNamedItemsOrderedListControl : 0u);
        this->Set(itemWord, plural, nameWord, buttonWords);
    }

    // A list with items but no current row comes up with its first row selected.
    void SetData(const CList &list)
    {
        m_Data = list;
        m_FirstRowOnlyShown = !m_Data.m_Items.isEmpty() && !m_Data.HasCurrentRow();
        if (m_FirstRowOnlyShown)
            m_Data.m_CurrentRow = 0;
        OnSetData();
        const CCmnSlotBlocker blocker(this);
        ListWidget()->clear();
        for (qint32 row = 0; row < m_Data.m_Items.size(); ++row)
            AppendItem(m_Data.m_Items.at(row).first, row == m_Data.m_TaggedRow);
        Finish();
    }

    // The first row selected only for the showing goes back as no current row until
    // the user acts on the list, so that a list nobody touched is given back as it came.
    CList GetData() const
    {
        CList data = m_Data;
        if (m_FirstRowOnlyShown && data.m_CurrentRow == 0)
            data.m_CurrentRow = -1;
        return data;
    }

protected:
    void OnAdd() override
    {
        if (!TakeCurrentRow() || !CanAdd())
            return;
        const qint32 row = this->AddItem(m_Data, OwnerWidget());
        if (row < 0)
            return;
        const CCmnSlotBlocker blocker(this);
        OnItemAdded(row);
        InsertItem(row, m_Data.NameAt(row), false);
        Finish();
    }

    void OnDelete() override
    {
        if (!TakeCurrentRow())
            return;
        const qint32 row = this->DeleteItem(m_Data, OwnerWidget());
        if (row < 0)
            return;
        // Blocked, or the row Qt makes current while the row goes (the one above)
        // would replace the list's own choice (the item that moved up).
        const CCmnSlotBlocker blocker(this);
        TakeItemName(row);
        Finish();
    }

    void OnRename() override
    {
        if (TakeCurrentRow())
            Replace(false);
    }

    void OnUpdate() override
    {
        if (TakeCurrentRow())
            Replace(true);
    }

    void OnCurrentRowChanged(qint32 row) override
    {
        Q_UNUSED(row);
        if (!TakeCurrentRow())
            return;
        UpdateButtons();
    }

    void OnItemDoubleClicked(qint32 row) override
    {
        if (!TakeCurrentRow())
            return;
        const bool edit = (Flags() & CmnNamedItemsListEdit) != 0;
        if (!edit && !(Flags() & CmnNamedItemsListRename))
            return;
        // The command acts on the row that was double-clicked.
        if (row >= 0 && row != ListWidget()->currentRow() && m_Data.IsRow(row)) {
            const CCmnSlotBlocker blocker(this);
            ListWidget()->setCurrentRow(row);
            m_Data.m_CurrentRow = row;
        }
        Replace(edit);
    }

    void OnToggleTag() override
    {
        if (!TakeCurrentRow())
            return;
        const qint32 current = m_Data.m_CurrentRow;
        const qint32 oldTagged = m_Data.m_TaggedRow;
        if (current >= 0)
            m_Data.m_TaggedRow = current == oldTagged ? -1 : current;
        const qint32 newTagged = m_Data.m_TaggedRow;
        if (oldTagged < 0 && newTagged < 0)
            return;
        const CCmnSlotBlocker blocker(this);
        if (m_Data.IsRow(oldTagged))
            UpdateItem(oldTagged, m_Data.NameAt(oldTagged), oldTagged == newTagged);
        if (m_Data.IsRow(newTagged) && newTagged != oldTagged)
            UpdateItem(newTagged, m_Data.NameAt(newTagged), true);
        ListWidget()->setFocus();
        UpdateButtons();
    }

    bool IsTagged(qint32 row) const override { return row >= 0 && row == m_Data.m_TaggedRow; }

    CList &Data() { return m_Data; }

    // False while the control's slots are blocked: the command must not run then.
    // Otherwise the widget's current row becomes the list's (-1 when the list has
    // no such row).
    bool TakeCurrentRow()
    {
        if (SlotsBlocked())
            return false;
        // The user acted: the current row is theirs now.
        m_FirstRowOnlyShown = false;
        const qint32 row = ListWidget()->currentRow();
        m_Data.m_CurrentRow = m_Data.IsRow(row) ? row : -1;
        return true;
    }

private:
    // Rename or edit the current item, keeping its "*"; in a sorted list its row
    // moves to where the new name sorts.
    void Replace(bool edit)
    {
        const bool tagged = IsTagged(m_Data.m_CurrentRow);
        const auto [oldRow, newRow] =
            edit ? this->EditItem(m_Data, OwnerWidget()) : this->RenameItem(m_Data, OwnerWidget());
        if (oldRow < 0)
            return;
        // Blocked for the same reason as a delete: the renamed item stays current.
        const CCmnSlotBlocker blocker(this);
        TakeItemName(oldRow);
        InsertItem(newRow, m_Data.NameAt(newRow), tagged);
        Finish();
    }

protected:
    // Selects the list's current row and brings the buttons up to date.
    void Finish()
    {
        const qint32 row = m_Data.m_CurrentRow;
        if (row >= 0 && row < ListWidget()->count())
            ListWidget()->setCurrentRow(row);
        UpdateButtons();
    }

private:
    CList m_Data;
    bool m_FirstRowOnlyShown = false;
};
