#include "cmnmappedfoldersettingstab.h"

#include "cmndataexchange.h"
#include "cmnmappedfoldersctrl.h"
#include "cmnmappedfoldersstore.h"

#include <QBoxLayout>

CCmnMappedFolderSettingsTab::CCmnMappedFolderSettingsTab(CCmnMappedFoldersStore *store, QWidget *parent)
    : CCmnTab(parent, Qt::Vertical)
    , m_Store(store)
{
    SetHelpPage(QStringLiteral("CCmnMappedFolderSettingsTab.html"));
}

void CCmnMappedFolderSettingsTab::CreateControls()
{
    m_MappedFoldersCtrl = new CCmnMappedFoldersCtrl(this);
    m_MappedFoldersCtrl->RegisterWhatsThis(this, QStringLiteral("MappedFolders"));
    TopLayout()->addLayout(m_MappedFoldersCtrl->Layout());
    FinishLayout();
}

bool CCmnMappedFolderSettingsTab::DataExchange(CCmnDataExchange *context)
{
    if (!context->m_Save) {
        TCmnNamedItemsSortedList<QString> list;
        for (qsizetype i = 0; i < m_Store->PairCount(); ++i) {
            const QPair<QString, QString> pair = m_Store->PairAt(i);
            list.InsertSorted(pair.first, pair.second);
        }
        m_MappedFoldersCtrl->SetData(list);
    } else {
        const TCmnNamedItemsSortedList<QString> list = m_MappedFoldersCtrl->GetData();
        m_Store->Clear();
        for (const auto &item : list.m_Items)
            m_Store->AddMapping(item.first, item.second);
    }
    return CCmnTab::DataExchange(context);
}
