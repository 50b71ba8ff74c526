#pragma once

#include "bioregrecord.h"
#include "cmnregrecordedittabdialog.h"

#include <QPoint>

class CBioReg;
class CBioRegRecordGeneralTab;
class CBioRegRecordPicTab;

// The animal record window: "General" (name, sex and fields), "Photo", then the
// other pages of the record-details layout. It edits its own copy of the record,
// which the caller assigns before the run and reads after OK.
class CBioRegRecordTabDialog : public CCmnRegRecordEditTabDialog
{
    Q_OBJECT
public:
    CBioRegRecordTabDialog(const QPoint &position, bool sexEditable, CBioReg *reg, QWidget *parent = nullptr);

    CBioRegRecord m_RecordCopy;

    CBioRegRecordGeneralTab *GeneralTab() const { return m_GeneralTab; }
    CBioRegRecordPicTab *PhotoTab() const { return m_PhotoTab; }

protected:
    CCmnTab *CreateFieldsTab(const QString &tabName, const QList<int> &fieldIds, const QHash<int, int> &columnStarts,
                             QWidget *parent) override;
    void TabAdded(CCmnTab *tab, const QString &tabName) override;

private:
    CBioReg *m_BioReg;
    bool m_SexEditable;
    CBioRegRecordGeneralTab *m_GeneralTab = nullptr;
    CBioRegRecordPicTab *m_PhotoTab = nullptr;
};
