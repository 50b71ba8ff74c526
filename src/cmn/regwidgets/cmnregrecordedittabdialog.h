#pragma once

#include "cmntabdialog.h"

#include <QHash>
#include <QList>
#include <QStringList>

class CCmnDialogButtonBox;
class CCmnGeometryKeeper;
class CCmnReg;
class CCmnRegRecord;
class CCmnTab;

// The record window: one page per tab of the record-details layout, each with an
// editor per field, editing a working copy of one record. The copy changes only
// when every page's save succeeds; the caller stores it back into the register.
class CCmnRegRecordEditTabDialog : public CCmnTabDialog
{
    Q_OBJECT
public:
    CCmnRegRecordEditTabDialog(const CCmnGeometryKeeper &geometry, CCmnReg *reg, QWidget *parent = nullptr);

    // Keeps the record (the derived dialog owns it) and adds every page: the first
    // under firstTabName, which also takes the layout's tabs named in foldNames.
    void CreatePages(const QString &firstTabName, const QStringList &foldNames, CCmnRegRecord *record);

    // A help text makes a button (titled with the button text, "More Information"
    // without one) that shows it.
    void SetMoreInformation(const QString &buttonText, const QString &helpText);

    int m_RecordId = 0;

public Q_SLOTS:
    void Slot_clicked_ForMoreInfo();

protected:
    virtual void AddButtons(CCmnDialogButtonBox *buttonBox);
    virtual CCmnTab *CreateFieldsTab(const QString &tabName, const QList<int> &fieldIds,
                                     const QHash<int, int> &columnStarts, QWidget *parent);
    virtual void TabAdded(CCmnTab *tab, const QString &tabName);

    void AddControlsAfterButtonBox(QBoxLayout *layout) override;

    CCmnReg *m_Reg;
    CCmnRegRecord *m_Record = nullptr;
    QString m_MoreInfoButtonText;
    QString m_MoreInfoText;
};
