#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVector>

class CBioReg;
class CBioRegRecord;
class QWidget;

// What one record window run came to (EditRecordInDialog).
struct CBioRegEditResult
{
    // Store the record as edited.
    bool m_Accepted = false;
    // Not accepted: 0 cancelled; above 0 use that record instead; below 0 let the
    // user choose among the matches, starting at the record of the negated id.
    int m_RecordId = 0;
};

// The user's record commands on an animal register: add an animal, add a sire or
// dam, edit, pick and delete one. Each runs its windows and questions, changes the
// register only at the end, in one store, and tells the listeners through the
// register's signals. Adding or editing checks the name against the animals in the
// file and lets the user keep it, change it or use the animal that is there.
// Positions are screen points: windows are centred on them and questions placed at
// them; (-1, -1) leaves both to their default placement.
class CBioRegRecordCommands
{
public:
    explicit CBioRegRecordCommands(CBioReg *reg);
    ~CBioRegRecordCommands();
    CBioRegRecordCommands(const CBioRegRecordCommands &) = delete;
    CBioRegRecordCommands &operator=(const CBioRegRecordCommands &) = delete;

    // Makes the register's layout tests (the fields-settings tabs' "Test Layout...")
    // open these windows, until this object goes or another installs its own.
    void InstallLayoutPreview();

    // The record window on a copy of the record, then the name check (only when it
    // opens on "General", the default for an empty tab name). An empty use-matching
    // or let-me-select text leaves that choice out. A match among the refused ids
    // cannot be used: the user is told why and asked again. After OK the record
    // holds what was edited.
    CBioRegEditResult EditRecordInDialog(QWidget *parent, const QPoint &position, const QString &title,
                                         const QString &tabName, int recordId, CBioRegRecord &record,
                                         const QString &useMatchingText, const QString &letMeSelectText,
                                         const QString &acceptAsIsText, const QString &reEditText, bool sexFixed,
                                         const QVector<int> &refusedIds = {});
    // Sex 0 leaves it unknown and editable; 1 or 2 presets and fixes it. The new
    // id, or 0 when cancelled.
    int AddNewRecord(QWidget *parent, const QPoint &position, int sex);
    // A sire (sex 1) or dam (2) for the child: a new animal or, through the name
    // check, an existing one, whose sex is changed when the user agrees. The child
    // and its descendants are refused, so no animal becomes its own ancestor (child
    // 0: none refused). The id to use, or 0.
    int AddNewParentRecord(QWidget *parent, const QPoint &position, int sex, int childId);
    // True when the record was changed and stored.
    bool EditRecord(QWidget *parent, const QPoint &position, const QString &title, int recordId,
                    const QString &tabName);
    // Sex filter 1 or 2 starts the window on that sex when the preselected animal
    // (if any) has it. The chosen id, or 0.
    int SelectRecord(QWidget *parent, const QPoint &position, int preselectedId, int sexFilter);
    // The question is plain text in which %1 becomes the animal word and %2 the
    // record's name; line feeds break its lines. With a message id above 0 the
    // answer may be remembered (Yes, No or Cancel), else Yes or No is asked every
    // time; No is the default. True when deleted.
    bool DeleteRecordWithConfirmation(QWidget *parent, const QPoint &position, int recordId, const QString &title,
                                      qint32 messageId, const QString &question);

    // Why a sire or dam may not be its child or one of the child's descendants,
    // for CCmnRegRecordSelectDialog::RefusalText.
    static QString AncestorLoopReason();

    // The windows of a layout test, with only a Cancel button, on the register as
    // its fields settings stand; centred on the window of the parent's parent.
    void PreviewLayout(bool details, QWidget *parent);

private:
    // One run of the record window; false when cancelled.
    bool RunRecordWindow(QWidget *parent, const QPoint &position, const QString &title, const QString &tabName,
                         int recordId, CBioRegRecord &record, bool sexFixed, bool &photoAdded);

    QPointer<CBioReg> m_Reg;
};
