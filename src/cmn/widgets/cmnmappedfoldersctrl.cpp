#include "cmnmappedfoldersctrl.h"

#include "cmnmappedfolderdialog.h"
#include "cmnstringentrydialog.h"

namespace {

CCmnNamedItemsButtonWords MappingButtonWords()
{
    CCmnNamedItemsButtonWords words;
    words.m_Delete = QStringLiteral("Discard");
    words.m_Edit = QStringLiteral("Update");
    return words;
}

} // namespace

CCmnMappedFoldersCtrl::CCmnMappedFoldersCtrl(QObject *parent)
    : TCmnNamedItemsSortedListCtrl<QString>(parent, tr("Folder Mapping"), tr("Folder Mappings"), tr("NAME"),
                                            CmnNamedItemsListAdd | CmnNamedItemsListDelete | CmnNamedItemsListEdit,
                                            -1, MappingButtonWords())
{
}

std::unique_ptr<CCmnStringEntry> CCmnMappedFoldersCtrl::CreateEditDialog(QString &value, QWidget *parent)
{
    // The adapter lets go of the dialog safely should its parent destroy it first.
    return std::make_unique<CCmnStringEntryDialog>(new CCmnMappedFolderDialog(value, parent));
}

void CCmnMappedFoldersCtrl::PrepareEditDialog(CCmnStringEntry &dialog, const QString &name,
                                              const QString &prompt, bool isNew)
{
    Q_UNUSED(prompt);
    dialog.SetPrompt(tr("From:"));
    if (!isNew)
        dialog.SetValue(name);
}
