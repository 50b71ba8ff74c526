#pragma once

#include "tcmnnameditemssortedlistctrl.h"

// The list of folder mappings on the preferences: each item is named by its source
// folder and holds its destination folder. Add, Discard and Update (also a
// double-click) edit the list; the mapping dialog edits both folders of one item.
class CCmnMappedFoldersCtrl : public TCmnNamedItemsSortedListCtrl<QString>
{
    Q_OBJECT
public:
    // The parent is the host whose widget parents the mapping dialogs.
    explicit CCmnMappedFoldersCtrl(QObject *parent);

    // The mapping dialog, editing the destination in place.
    std::unique_ptr<CCmnStringEntry> CreateEditDialog(QString &value, QWidget *parent) override;
    // The prompt is always "From:"; a new mapping starts with an empty source
    // rather than the caption the list would offer as a name.
    void PrepareEditDialog(CCmnStringEntry &dialog, const QString &name, const QString &prompt,
                           bool isNew) override;
};
