#pragma once

#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "tcmnnameditemshelperbase.h"
#include "tcmnnameditemssortedlist.h"

#include <utility>

class QWidget;

// The add, delete, rename and edit flows of a named-items list: each asks the
// user, checks the answer and updates the list, and works on the list's current
// row, which the caller sets first. A cancelled dialog or a No leaves the list
// unchanged. The list itself refuses a duplicate a second time, so no flow can
// produce two equal names.
//
// A sorted list puts a new or renamed item where its name sorts. A list in the
// user's order (CmnNamedItemsOrderedListControl) puts a new item after the current
// row (at the end from the last row or with no current row), and a renamed or
// edited item keeps its row.
template <typename T>
class TCmnNamedItemsSortedListHelper : public TCmnNamedItemsHelperBase<T>
{
public:
    using CList = TCmnNamedItemsSortedList<T>;
    using CValidator = TCmnNamedItemsValidator<T>;
    // The item's row before and after the change; (-1, -1) when nothing changed.
    using CRows = std::pair<qint32, qint32>;

    // The new item's row, which becomes current; -1 when nothing was added.
    qint32 AddItem(CList &list, QWidget *parent)
    {
        bool baseOnCurrent = false;
        if ((this->m_Flags & CmnNamedItemsOfferBaseOnCurrent) && list.HasCurrentRow()) {
            baseOnCurrent = AskYesNo(QMessageBox::Question, false, parent, this->AddCaption(),
                                     CmnHtmlEscapedParagraph(
                                         this->BaseOnCurrentQuestion(list.NameAt(list.m_CurrentRow))))
                == QMessageBox::Yes;
        }
        T value = baseOnCurrent ? list.m_Items.at(list.m_CurrentRow).second : list.m_DefaultValue;
        const CValidator duplicates = Duplicates(list);
        const QString name = this->AskForNewName(value, duplicates, parent);
        if (name.isEmpty())
            return -1;
        const qint32 row = Ordered() ? list.InsertAt(list.HasCurrentRow() ? list.m_CurrentRow + 1 : qint32(list.m_Items.size()),
                                                     name, value)
                                     : list.InsertSorted(name, value);
        if (row >= 0)
            list.m_CurrentRow = row;
        return row;
    }

    // The removed row; -1 when nothing was removed. Asks once, and a second time
    // with the delete warning when there is one.
    qint32 DeleteItem(CList &list, QWidget *parent)
    {
        if (!list.HasCurrentRow())
            return -1;
        const qint32 row = list.m_CurrentRow;
        if (!this->ConfirmDelete(list.NameAt(row), parent))
            return -1;
        list.RemoveAt(row);
        return row;
    }

    CRows RenameItem(CList &list, QWidget *parent)
    {
        if (!list.HasCurrentRow())
            return {-1, -1};
        const qint32 row = list.m_CurrentRow;
        const CValidator duplicates = Duplicates(list, list.NameAt(row));
        const QString name = this->PromptRename(duplicates, parent);
        if (name.isEmpty())
            return {-1, -1};
        const qint32 newRow = Rename(list, row, name);
        if (newRow < 0)
            return {-1, -1};
        return {row, newRow};
    }

    // As RenameItem, with the edit dialog, which may also change the item's value.
    CRows EditItem(CList &list, QWidget *parent)
    {
        if (!list.HasCurrentRow())
            return {-1, -1};
        const qint32 row = list.m_CurrentRow;
        T value = list.m_Items.at(row).second;
        const CValidator duplicates = Duplicates(list, list.NameAt(row));
        const QString name = this->AskForEdit(value, duplicates, parent);
        if (name.isEmpty())
            return {-1, -1};
        const qint32 newRow = Rename(list, row, name);
        if (newRow < 0)
            return {-1, -1};
        list.m_Items[newRow].second = value;
        return {row, newRow};
    }

private:
    bool Ordered() const { return (this->m_Flags & CmnNamedItemsOrderedListControl) != 0; }

    // The names in use, looked up as the list is kept.
    CValidator Duplicates(const CList &list, const QString &oldName = QString()) const
    {
        if (Ordered())
            return CValidator(this, nullptr, nullptr, &list, oldName);
        return CValidator(this, nullptr, &list, nullptr, oldName);
    }

    qint32 Rename(CList &list, qint32 row, const QString &name) const
    {
        return Ordered() ? list.RenameInPlace(row, name) : list.ReplaceName(row, name);
    }
};
