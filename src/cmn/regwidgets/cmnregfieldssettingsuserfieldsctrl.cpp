#include "cmnregfieldssettingsuserfieldsctrl.h"

#include "cmnregfieldconfdialog.h"
#include "cmnstringentrydialog.h"

#include <algorithm>

CCmnRegFieldsSettingsUserFieldsCtrl::CCmnRegFieldsSettingsUserFieldsCtrl(QObject *parent,
                                                                         const CCmnRegFieldContexts *catalogue,
                                                                         const QString &recordWord, qint32 maxFields)
    : TCmnNamedItemsSortedListCtrl<CCmnRegUserField>(
          parent, tr("Field"), tr("Fields"), tr("Name"),
          quint32(CmnNamedItemsNameLabelPrompt) | CmnNamedItemsListAdd | CmnNamedItemsListDelete | CmnNamedItemsListRename
              | CmnNamedItemsListEdit,
          maxFields)
    , m_Catalogue(catalogue)
    , m_RecordWord(recordWord)
{
    m_DeleteWarning = tr("Deleting this field will permanently delete ALL data stored in this field, in every record.");
}

std::unique_ptr<CCmnStringEntry> CCmnRegFieldsSettingsUserFieldsCtrl::CreateEditDialog(CCmnRegUserField &value,
                                                                                         QWidget *parent)
{
    auto *dialog = new CCmnRegFieldConfDialog(0, &value.m_Def, &value.m_Mask, m_Catalogue, m_RecordWord, parent);
    return std::make_unique<CCmnStringEntryDialog>(dialog);
}

void CCmnRegFieldsSettingsUserFieldsCtrl::OnSetData()
{
    int highest = 0;
    for (const auto &item : Data().m_Items)
        highest = std::max(highest, item.second.m_Id);
    m_NextFieldId = highest + 1;
}

void CCmnRegFieldsSettingsUserFieldsCtrl::OnItemAdded(qint32 row)
{
    if (Data().IsRow(row))
        Data().m_Items[row].second.m_Id = m_NextFieldId++;
}
