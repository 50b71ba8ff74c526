#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>

class CBioReg;
class QWidget;

// The animal commands of the breeding forms' side panels: add an animal, delete
// the one a form shows after asking, check a form's animals for inconsistencies,
// and open an animal's record. Windows and questions belong to the parent widget
// and are centred on the position ((-1, -1): their default placement).
class CBioRegFormRecordCommands
{
public:
    CBioRegFormRecordCommands(CBioReg *reg, QWidget *parent);

    // Sex 0 leaves it open, 1 or 2 presets it. The new id, 0 when cancelled.
    int AddNew(const QPoint &position, int sex) const;
    // After a plain Yes/No question that is never remembered; true when deleted.
    // Nothing for a record below 1.
    bool Delete(const QPoint &position, int recordId) const;
    // The record's window titled "<word> Details", on the named tab (empty: the
    // general tab). True when the record was changed.
    bool Edit(const QPoint &position, const QString &word, int recordId, const QString &tabName = QString()) const;
    // The check choices for the form named by the scope noun, then the findings
    // or "No errors found.": a record above 0 with its ancestry, else the
    // prospective pair's. Nothing when no animal is given.
    void Check(const QString &scopeNoun, int recordId, int sireId, int damId) const;

private:
    QPointer<CBioReg> m_Reg;
    QWidget *m_Parent;
};
