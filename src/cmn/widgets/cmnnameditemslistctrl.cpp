#include "cmnnameditemslistctrl.h"

#include "cmnboxlayout.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmntabordialogorpanelorpagemixin.h"

#include <QBoxLayout>

CCmnNamedItemsListCtrl::CCmnNamedItemsListCtrl(QObject *parent, quint32 flags, qint32 maxItemCount,
                                               const CCmnNamedItemsButtonWords &buttonWords,
                                               QLayout *extraLayout)
    : CCmnCtrl(parent)
    , m_ListFlags(flags)
    , m_MaxItemCount(maxItemCount)
    , m_ButtonWords(buttonWords)
{
    m_ListWidget = new CCmnListWidget;
    m_ListWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_ListWidget, &QListWidget::currentRowChanged, this, &CCmnNamedItemsListCtrl::Slot_currentRowChanged);
    connect(m_ListWidget, &QListWidget::itemDoubleClicked, this, &CCmnNamedItemsListCtrl::Slot_itemDoubleClicked);

    m_AddButton = NewButton(CmnNamedItemsListAdd, m_ButtonWords.m_Add, &CCmnNamedItemsListCtrl::Slot_clicked_Add);
    m_DeleteButton =
        NewButton(CmnNamedItemsListDelete, m_ButtonWords.m_Delete, &CCmnNamedItemsListCtrl::Slot_clicked_Delete);
    m_EditButton = NewButton(CmnNamedItemsListEdit, m_ButtonWords.m_Edit, &CCmnNamedItemsListCtrl::Slot_clicked_Update);
    m_RenameButton =
        NewButton(CmnNamedItemsListRename, m_ButtonWords.m_Rename, &CCmnNamedItemsListCtrl::Slot_clicked_Rename);
    m_UpButton = NewButton(CmnNamedItemsListUpDown, m_ButtonWords.m_Up, &CCmnNamedItemsListCtrl::Slot_clicked_MoveUp);
    m_DownButton =
        NewButton(CmnNamedItemsListUpDown, m_ButtonWords.m_Down, &CCmnNamedItemsListCtrl::Slot_clicked_MoveDown);
    // Its text tells what a click does to the current row; UpdateButtons sets it.
    m_TagButton = NewButton(CmnNamedItemsListTag, QString(), &CCmnNamedItemsListCtrl::Slot_clicked_ToggleTag);

    SetLayout(BuildLayout(extraLayout));
    UpdateButtons();
}

CCmnPushButton *CCmnNamedItemsListCtrl::NewButton(quint32 flag, const QString &text,
                                                  void (CCmnNamedItemsListCtrl::*slot)())
{
    if (!(m_ListFlags & flag))
        return nullptr;
    auto *button = new CCmnPushButton(text);
    connect(button, &QAbstractButton::clicked, this, slot);
    return button;
}

QLayout *CCmnNamedItemsListCtrl::BuildLayout(QLayout *extraLayout)
{
    const qint32 columnFlags = CmnBoxLayoutVertical | CmnBoxLayoutStretch;
    QLayout *buttons = nullptr;
    if (m_ListFlags & CmnNamedItemsListTwoColumns) {
        QBoxLayout *first =
            CmnBoxLayoutFromWidgets(columnFlags, {m_AddButton, m_DeleteButton, m_EditButton, m_RenameButton});
        QBoxLayout *second = CmnBoxLayoutFromWidgets(columnFlags, {m_UpButton, m_DownButton, m_TagButton});
        QBoxLayout *columns = CmnBoxLayout(CmnBoxLayoutHorizontal, CCmnLayoutItem::Layout(first),
                                           CCmnLayoutItem::Layout(second));
        if (extraLayout)
            buttons = CmnBoxLayout(columnFlags, CCmnLayoutItem::Layout(columns), CCmnLayoutItem::Layout(extraLayout));
        else
            buttons = columns;
    } else {
        QBoxLayout *column = CmnBoxLayoutFromWidgets(
            CmnBoxLayoutVertical,
            {m_AddButton, m_DeleteButton, m_EditButton, m_RenameButton, m_UpButton, m_DownButton, m_TagButton});
        if (extraLayout)
            column->addLayout(extraLayout);
        CmnFinishBoxLayout(columnFlags, column);
        buttons = column;
    }
    return CmnBoxLayout(CmnBoxLayoutHorizontal, CCmnLayoutItem::Modifier(1), m_ListWidget,
                        CCmnLayoutItem::Layout(buttons));
}

void CCmnNamedItemsListCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix)
{
    SetWidgetHelpName(mixin, m_ListWidget, prefix + QLatin1String("ListWidget"));
    SetWidgetHelpName(mixin, m_AddButton, prefix + QLatin1String("Add"));
    SetWidgetHelpName(mixin, m_DeleteButton, prefix + QLatin1String("Delete"));
    SetWidgetHelpName(mixin, m_EditButton, prefix + QLatin1String("Edit"));
    SetWidgetHelpName(mixin, m_RenameButton, prefix + QLatin1String("Rename"));
    SetWidgetHelpName(mixin, m_UpButton, prefix + QLatin1String("MoveUpDown"));
    SetWidgetHelpName(mixin, m_DownButton, prefix + QLatin1String("MoveUpDown"));
    SetWidgetHelpName(mixin, m_TagButton, prefix + QLatin1String("ToggleTag"));
}

QString CCmnNamedItemsListCtrl::ItemText(const QString &name, bool tagged)
{
    return tagged ? name + QLatin1Char('*') : name;
}

void CCmnNamedItemsListCtrl::AppendItem(const QString &name, bool tagged)
{
    InsertItem(m_ListWidget->count(), name, tagged);
}

void CCmnNamedItemsListCtrl::InsertItem(qint32 row, const QString &name, bool tagged)
{
    auto *item = new QListWidgetItem(ItemText(name, tagged));
    item->setData(Qt::UserRole, name);
    m_ListWidget->insertItem(row, item);
}

QString CCmnNamedItemsListCtrl::TakeItemName(qint32 row)
{
    QListWidgetItem *item = row >= 0 ? m_ListWidget->takeItem(row) : nullptr;
    if (!item)
        return QString();
    const QString name = item->data(Qt::UserRole).toString();
    delete item;
    return name;
}

void CCmnNamedItemsListCtrl::UpdateItem(qint32 row, const QString &name, bool tagged)
{
    QListWidgetItem *item = m_ListWidget->item(row);
    if (!item)
        return;
    item->setData(Qt::UserRole, name);
    item->setText(ItemText(name, tagged));
}

void CCmnNamedItemsListCtrl::UpdateButtons()
{
    const qint32 row = m_ListWidget->currentRow();
    const bool hasRow = row >= 0;
    if (m_AddButton)
        m_AddButton->setEnabled(CanAdd());
    if (m_DeleteButton)
        m_DeleteButton->setEnabled(hasRow);
    if (m_RenameButton)
        m_RenameButton->setEnabled(hasRow);
    if (m_EditButton)
        m_EditButton->setEnabled(hasRow);
    if (m_UpButton)
        m_UpButton->setEnabled(row > 0);
    if (m_DownButton)
        m_DownButton->setEnabled(hasRow && row < m_ListWidget->count() - 1);
    if (m_TagButton)
        m_TagButton->setText(hasRow && IsTagged(row) ? m_ButtonWords.m_Untag : m_ButtonWords.m_Tag);
}

bool CCmnNamedItemsListCtrl::CanAdd() const
{
    return m_ListWidget && (m_MaxItemCount < 0 || m_ListWidget->count() < m_MaxItemCount);
}

QWidget *CCmnNamedItemsListCtrl::OwnerWidget() const
{
    return qobject_cast<QWidget *>(Owner());
}

void CCmnNamedItemsListCtrl::Slot_clicked_Add()
{
    if (SlotsBlocked())
        return;
    OnAdd();
}

void CCmnNamedItemsListCtrl::Slot_clicked_Delete()
{
    if (SlotsBlocked())
        return;
    OnDelete();
}

void CCmnNamedItemsListCtrl::Slot_clicked_Rename()
{
    if (SlotsBlocked())
        return;
    OnRename();
}

void CCmnNamedItemsListCtrl::Slot_clicked_Update()
{
    if (SlotsBlocked())
        return;
    OnUpdate();
}

void CCmnNamedItemsListCtrl::Slot_clicked_MoveUp()
{
    if (SlotsBlocked())
        return;
    OnMoveUp();
}

void CCmnNamedItemsListCtrl::Slot_clicked_MoveDown()
{
    if (SlotsBlocked())
        return;
    OnMoveDown();
}

void CCmnNamedItemsListCtrl::Slot_currentRowChanged(int row)
{
    if (SlotsBlocked())
        return;
    OnCurrentRowChanged(row);
}

void CCmnNamedItemsListCtrl::Slot_itemDoubleClicked(QListWidgetItem *item)
{
    if (SlotsBlocked())
        return;
    const qint32 row = item ? m_ListWidget->row(item) : -1;
    if (row >= 0)
        OnItemDoubleClicked(row);
}

void CCmnNamedItemsListCtrl::Slot_clicked_ToggleTag()
{
    if (SlotsBlocked())
        return;
    OnToggleTag();
}
