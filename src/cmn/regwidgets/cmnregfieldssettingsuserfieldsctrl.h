#pragma once

#include "cmnregfield.h"
#include "tcmnnameditemssortedlistctrl.h"

class CCmnRegFieldContexts;

// The list of user-defined fields, sorted by name, with Add, Delete, Rename and
// Edit. Adding and editing open the field configuration dialog on a working copy
// of the field, kept only when the dialog is accepted. A new field gets an id one
// above the highest listed when the list was loaded, and ids keep growing while
// the list lives, so a field deleted meanwhile never lends its id (and its values
// in the records) to a new one.
class CCmnRegFieldsSettingsUserFieldsCtrl : public TCmnNamedItemsSortedListCtrl<CCmnRegUserField>
{
    Q_OBJECT
public:
    // The catalogue is not owned and must outlive the control; the record word is
    // the singular word the dialog names a record by.
    CCmnRegFieldsSettingsUserFieldsCtrl(QObject *parent, const CCmnRegFieldContexts *catalogue,
                                        const QString &recordWord, qint32 maxFields);

    std::unique_ptr<CCmnStringEntry> CreateEditDialog(CCmnRegUserField &value, QWidget *parent) override;

    int NextFieldId() const { return m_NextFieldId; }

protected:
    void OnSetData() override;
    void OnItemAdded(qint32 row) override;

private:
    const CCmnRegFieldContexts *m_Catalogue;
    QString m_RecordWord;
    int m_NextFieldId = 1;
};
