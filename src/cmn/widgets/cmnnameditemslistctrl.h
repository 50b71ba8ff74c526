#pragma once

#include "cmnctrl.h"
#include "cmnnameditemsterminology.h"

#include <QString>

class CCmnListWidget;
class CCmnPushButton;
class QLayout;
class QListWidgetItem;
class QWidget;

// Flag bits of a named-items list control: which buttons it has and how they are
// laid out. The same word carries the item-dialog bits of ECmnNamedItemsFlag.
enum ECmnNamedItemsListCtrlFlag : quint32 {
    CmnNamedItemsListAdd = 0x10,
    CmnNamedItemsListDelete = 0x20,
    // A double-click renames too, unless the list has an Edit button.
    CmnNamedItemsListRename = 0x40,
    // A double-click edits too.
    CmnNamedItemsListEdit = 0x80,
    CmnNamedItemsListUpDown = 0x100,
    CmnNamedItemsListTag = 0x200,
    CmnNamedItemsListTwoColumns = 0x400,
};

// A list of named items beside a column of command buttons (Add, Delete, Edit,
// Rename, Up, Down and a Tag/Untag toggle, each only when its flag is set). This
// base owns the widgets, keeps the buttons' states in step with the list's current
// row and wires the signals; what a command does is left to the virtual operations
// of derived controls. Each row shows its item's name, with "*" when the item is
// tagged, and keeps the bare name under Qt::UserRole.
//
// The owner given at construction is the parent widget of every dialog the control
// opens; the window the layout is placed in owns the widgets.
class CCmnNamedItemsListCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    // An extra layout, when given, goes below the buttons. A negative maximum
    // count lets the list grow without bound.
    CCmnNamedItemsListCtrl(QObject *parent, quint32 flags, qint32 maxItemCount,
                           const CCmnNamedItemsButtonWords &buttonWords, QLayout *extraLayout = nullptr);

    // Help names: the prefix followed by "ListWidget", "Add", "Delete", "Edit",
    // "Rename", "MoveUpDown" (both Up and Down) and "ToggleTag".
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;

    static QString ItemText(const QString &name, bool tagged);
    void AppendItem(const QString &name, bool tagged);
    void InsertItem(qint32 row, const QString &name, bool tagged);
    // The name kept in the removed row; empty for a row outside the list.
    QString TakeItemName(qint32 row);
    void UpdateItem(qint32 row, const QString &name, bool tagged);
    // Enables the buttons for the list widget's current row and sets the Tag
    // button's text.
    void UpdateButtons();

    quint32 Flags() const { return m_ListFlags; }
    qint32 MaxItemCount() const { return m_MaxItemCount; }
    const CCmnNamedItemsButtonWords &ButtonWords() const { return m_ButtonWords; }
    CCmnListWidget *ListWidget() const { return m_ListWidget; }
    // Null when the button's flag is clear.
    CCmnPushButton *AddButton() const { return m_AddButton; }
    CCmnPushButton *DeleteButton() const { return m_DeleteButton; }
    CCmnPushButton *EditButton() const { return m_EditButton; }
    CCmnPushButton *RenameButton() const { return m_RenameButton; }
    CCmnPushButton *UpButton() const { return m_UpButton; }
    CCmnPushButton *DownButton() const { return m_DownButton; }
    CCmnPushButton *TagButton() const { return m_TagButton; }

public Q_SLOTS:
    void Slot_clicked_Add();
    void Slot_clicked_Delete();
    void Slot_clicked_Rename();
    void Slot_clicked_Update();
    void Slot_clicked_MoveUp();
    void Slot_clicked_MoveDown();
    void Slot_currentRowChanged(int row);
    void Slot_itemDoubleClicked(QListWidgetItem *item);
    void Slot_clicked_ToggleTag();

protected:
    virtual void OnAdd() = 0;
    virtual void OnDelete() = 0;
    virtual void OnRename() = 0;
    virtual void OnUpdate() = 0;
    virtual void OnCurrentRowChanged(qint32 row) = 0;
    virtual void OnItemDoubleClicked(qint32 row) = 0;
    virtual void OnMoveUp() {}
    virtual void OnMoveDown() {}
    virtual void OnToggleTag() {}
    // Called before the rows are filled anew.
    virtual void OnSetData() {}
    // Called when an item has been added to the data, before its row is shown.
    virtual void OnItemAdded(qint32 row) { Q_UNUSED(row); }
    virtual bool IsTagged(qint32 row) const
    {
        Q_UNUSED(row);
        return false;
    }
    // Whether another item may be added now.
    virtual bool CanAdd() const;

    // The owner as the parent widget of dialogs; null when the owner is no widget.
    QWidget *OwnerWidget() const;

private:
    CCmnPushButton *NewButton(quint32 flag, const QString &text, void (CCmnNamedItemsListCtrl::*slot)());
    QLayout *BuildLayout(QLayout *extraLayout);

    quint32 m_ListFlags;
    qint32 m_MaxItemCount;
    CCmnNamedItemsButtonWords m_ButtonWords;
    CCmnListWidget *m_ListWidget = nullptr;
    CCmnPushButton *m_AddButton = nullptr;
    CCmnPushButton *m_DeleteButton = nullptr;
    CCmnPushButton *m_EditButton = nullptr;
    CCmnPushButton *m_RenameButton = nullptr;
    CCmnPushButton *m_UpButton = nullptr;
    CCmnPushButton *m_DownButton = nullptr;
    CCmnPushButton *m_TagButton = nullptr;
};
