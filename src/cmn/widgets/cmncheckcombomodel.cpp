#include "cmncheckcombomodel.h"

CCmnCheckComboModel::CCmnCheckComboModel(QObject *parent)
    : QStandardItemModel(parent)
{
    connect(this, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (!parent.isValid())
                    RenumberRows(first, last - first + 1, true);
            });
    connect(this, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (!parent.isValid())
                    RenumberRows(first, last - first + 1, false);
            });
    connect(this, &QAbstractItemModel::modelReset, this, [this]() { m_Items.clear(); });
}

const CCmnCheckComboItem &CCmnCheckComboModel::Item(int row) const
{
    const auto it = m_Items.constFind(row);
    return it != m_Items.constEnd() ? it.value() : m_DefaultItem;
}

void CCmnCheckComboModel::SetItem(int row, const CCmnCheckComboItem &item)
{
    QStandardItem *standardItem = this->item(row);
    if (!standardItem)
        return;
    m_Items.insert(row, item);
    if (item.m_Flags & CCmnCheckComboItem::FlagNotCheckable) {
        standardItem->setFlags(Qt::ItemIsEnabled);
        standardItem->setData(QVariant(), Qt::CheckStateRole);
    } else {
        standardItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        if (!standardItem->data(Qt::CheckStateRole).isValid())
            standardItem->setCheckState(Qt::Unchecked);
    }
}

void CCmnCheckComboModel::RenumberRows(int first, int count, bool inserted)
{
    // The new index of an old row, or -1 for a removed one.
    const auto renumbered = [first, count, inserted](int row) {
        if (row < first)
            return row;
        if (inserted)
            return row + count;
        return row < first + count ? -1 : row - count;
    };
    const auto renumberGroup = [&renumbered](CCmnCheckComboItem &item) {
        QList<int> group;
        group.reserve(item.m_Group.size());
        for (const int row : std::as_const(item.m_Group)) {
            const int newRow = renumbered(row);
            if (newRow >= 0)
                group.append(newRow);
        }
        item.m_Group = group;
    };

    QMap<int, CCmnCheckComboItem> items;
    for (auto it = m_Items.cbegin(); it != m_Items.cend(); ++it) {
        const int row = renumbered(it.key());
        if (row < 0)
            continue;
        CCmnCheckComboItem item = it.value();
        renumberGroup(item);
        items.insert(row, item);
    }
    m_Items = items;
    renumberGroup(m_DefaultItem);
}
