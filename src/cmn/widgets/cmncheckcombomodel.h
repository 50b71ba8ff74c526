#pragma once

#include "cmncheckcomboitem.h"

#include <QMap>
#include <QStandardItemModel>

// The rows of a check combo box with their records. A record is kept per row
// index; the records and the groups inside them follow their rows when rows are
// inserted or removed, so that a record never describes the wrong row. Sorting
// the model would not carry them along and is not supported.
class CCmnCheckComboModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit CCmnCheckComboModel(QObject *parent = nullptr);

    // The row's own record, or the default record when it has none.
    [[nodiscard]] const CCmnCheckComboItem &Item(int row) const;
    [[nodiscard]] bool HasItem(int row) const { return m_Items.contains(row); }
    // Gives an existing row its record and the matching item flags: a checkable
    // row can be ticked by the user in the list but never becomes the combo's
    // current item, so a click ticks it and leaves the list open; a heading gets no
    // check mark. A row that does not exist is left alone.
    void SetItem(int row, const CCmnCheckComboItem &item);

    [[nodiscard]] const CCmnCheckComboItem &DefaultItem() const { return m_DefaultItem; }
    void SetDefaultItem(const CCmnCheckComboItem &item) { m_DefaultItem = item; }

private:
    void RenumberRows(int first, int count, bool inserted);

    QMap<int, CCmnCheckComboItem> m_Items;
    CCmnCheckComboItem m_DefaultItem;
};
