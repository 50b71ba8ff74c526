#include "cmnregindexlistmodel.h"

#include "cmnreg.h"
#include "cmnregindexlist.h"
#include "cmnregrecord.h"

CCmnRegIndexListModel::CCmnRegIndexListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

CCmnRegIndexListModel::~CCmnRegIndexListModel()
{
    if (m_List)
        m_List->m_Models.removeOne(this);
}

int CCmnRegIndexListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_List || m_RowsHidden ? 0 : int(m_List->Entries().size());
}

int CCmnRegIndexListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant CCmnRegIndexListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return m_List->Entries().at(index.row()).m_Key3;
}

Qt::ItemFlags CCmnRegIndexListModel::flags(const QModelIndex &index) const
{
    // The root is no row: views expect no flags on it.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void CCmnRegIndexListModel::SetIndexList(CCmnRegIndexList *list)
{
    if (list == m_List)
        return;
    if (m_List) {
        m_List->m_Models.removeOne(this);
        if (!m_List->Entries().isEmpty()) {
            beginRemoveRows(QModelIndex(), 0, int(m_List->Entries().size()) - 1);
            m_RowsHidden = true;
            endRemoveRows();
        }
    }
    beginResetModel();
    m_List = list;
    m_RowsHidden = true;
    endResetModel();
    if (m_List) {
        m_List->m_Models.append(this);
        if (!m_List->Entries().isEmpty()) {
            beginInsertRows(QModelIndex(), 0, int(m_List->Entries().size()) - 1);
            m_RowsHidden = false;
            endInsertRows();
        }
    }
    m_RowsHidden = false;
}

void CCmnRegIndexListModel::ListDestroyed()
{
    beginResetModel();
    m_List = nullptr;
    endResetModel();
}

int CCmnRegIndexListModel::RecordIdAtRow(int row) const
{
    if (!m_List || row < 0 || row >= m_List->Entries().size())
        return 0;
    return m_List->Entries().at(row).m_Id;
}

int CCmnRegIndexListModel::RowOfRecord(const CCmnReg *reg, int recordId) const
{
    if (!m_List || !reg || recordId < 1)
        return -1;
    const CCmnRegRecord *record = reg->GetRecord(recordId);
    return record ? m_List->FindRow(m_List->MakeEntry(record->GetName(), recordId)) : -1;
}

int CCmnRegIndexListModel::RowForText(const QString &text) const
{
    return m_List && !text.isEmpty() ? m_List->FindPrefixRow(text) : -1;
}
