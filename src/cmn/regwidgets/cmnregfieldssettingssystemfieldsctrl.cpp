#include "cmnregfieldssettingssystemfieldsctrl.h"

#include "cmnregfieldconfdialog.h"
#include "cmnstringentrydialog.h"

CCmnRegFieldsSettingsSystemFieldsCtrl::CCmnRegFieldsSettingsSystemFieldsCtrl(QObject *parent,
                                                                             const CCmnRegFieldContexts *catalogue,
                                                                             const QString &recordWord)
    : TCmnNamedItemsSortedListCtrl<CCmnRegFieldsSettingsSystemFieldsCtrlElt>(parent, tr("Field"), tr("Fields"),
                                                                             tr("Name"), CmnNamedItemsListEdit, -1)
    , m_Catalogue(catalogue)
    , m_RecordWord(recordWord)
{
}

std::unique_ptr<CCmnStringEntry>
CCmnRegFieldsSettingsSystemFieldsCtrl::CreateEditDialog(CCmnRegFieldsSettingsSystemFieldsCtrlElt &value,
                                                        QWidget *parent)
{
    const int mode = value.m_Special ? CmnRegFieldConfNameFixed | CmnRegFieldConfInbuilt
                                     : CmnRegFieldConfNameFixed | CmnRegFieldConfTypeFixed;
    CCmnRegField &field = value.Field();
    auto *dialog = new CCmnRegFieldConfDialog(mode, &field.m_Def, &field.m_Mask, m_Catalogue, m_RecordWord, parent);
    return std::make_unique<CCmnStringEntryDialog>(dialog);
}
