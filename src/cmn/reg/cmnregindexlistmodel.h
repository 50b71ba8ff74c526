#pragma once

#include <QAbstractListModel>

class CCmnReg;
class CCmnRegIndexList;

// Shows one index list, one row per entry with the record's name, and follows
// its changes row by row. A destroyed list leaves the model showing nothing.
class CCmnRegIndexListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CCmnRegIndexListModel(QObject *parent = nullptr);
    ~CCmnRegIndexListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Null detaches the model.
    void SetIndexList(CCmnRegIndexList *list);
    CCmnRegIndexList *GetIndexList() const { return m_List; }
    // 0 without a list or for a row outside it.
    int RecordIdAtRow(int row) const;
    int RowOfRecord(const CCmnReg *reg, int recordId) const;
    int RowForText(const QString &text) const;

private:
    friend class CCmnRegIndexList;
    void BeginInsert(int first, int last) { beginInsertRows(QModelIndex(), first, last); }
    void EndInsert() { endInsertRows(); }
    void BeginRemove(int first, int last) { beginRemoveRows(QModelIndex(), first, last); }
    void EndRemove() { endRemoveRows(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void ListDestroyed();

    CCmnRegIndexList *m_List = nullptr;
    // While a list is swapped its rows are announced as removed before the reset
    // and as inserted after it; in between the model shows none.
    bool m_RowsHidden = false;
};
