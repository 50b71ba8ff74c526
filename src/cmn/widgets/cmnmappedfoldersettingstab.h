#pragma once

#include "cmntab.h"

class CCmnMappedFoldersCtrl;
class CCmnMappedFoldersStore;

// The preferences tab of the folder mapping: the list of mappings, each a source
// folder and the destination folder where its files now are. It edits the
// preferences dialog's copy of the mapping store, which the dialog assigns back
// when the user confirms; the pairs are saved sorted by source folder.
class CCmnMappedFolderSettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The store is not owned and must outlive the tab.
    explicit CCmnMappedFolderSettingsTab(CCmnMappedFoldersStore *store, QWidget *parent = nullptr);

    void CreateControls() override;
    // Loading drops a pair whose source is empty or repeats an earlier source.
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnMappedFoldersCtrl *MappedFoldersCtrl() const { return m_MappedFoldersCtrl; }

private:
    CCmnMappedFoldersStore *m_Store;
    CCmnMappedFoldersCtrl *m_MappedFoldersCtrl = nullptr;
};
