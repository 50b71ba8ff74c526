#pragma once

#include <QPoint>
#include <QString>

class CBioRegBoxMenu;
class CBioRegThemedFormInterface;
class CCmnFormBoxEvent;

// What a press or a context menu does on a box of a breeding form that shows an
// animal: the title, details and photo boxes of the cover sheet, the pedigree and
// the trial mating. A press does the likeliest thing (edit the animal or its
// photo, open the box's settings, or start a new form by choosing or adding the
// animal); a menu offers the animal's record commands and the box's settings.
// Each handler answers whether it handled the event; a press on a box without
// its animal is not handled, except on the titles.
class CBioRegRecordBoxCommands
{
public:
    explicit CBioRegRecordBoxCommands(CBioRegThemedFormInterface &view);

    bool CoverSheetTitle(CCmnFormBoxEvent *event);
    bool CoverSheetReverse(CCmnFormBoxEvent *event);
    bool CoverSheetFlap(CCmnFormBoxEvent *event);
    bool CoverSheetPic(CCmnFormBoxEvent *event);
    bool PedigreeTitle(CCmnFormBoxEvent *event);
    bool PedigreeDetails(CCmnFormBoxEvent *event);
    bool PedigreePic(CCmnFormBoxEvent *event);
    bool TrialMatingTitle(CCmnFormBoxEvent *event);
    // Which 1 the sire, 2 the dam; the term names the parent.
    bool TrialMatingParentPic(CCmnFormBoxEvent *event, qint32 which, qint32 term, const QString &newRole,
                              const QString &settingsRole);
    bool TrialMatingParentDetails(CCmnFormBoxEvent *event, qint32 recordId, qint32 term,
                                  const QString &settingsRole);

private:
    struct CSubjectForm;
    // The pedigree's, else the cover sheet's.
    CSubjectForm SubjectForm(bool pedigree) const;
    // "Edit <name>..." heads a menu whose box shows an animal.
    void AddEditSubjectEntry(CBioRegBoxMenu &menu, qint32 subject) const;

    // The cover sheet's and the pedigree's title, reverse and flap menus share
    // their record entries; only the settings command at the end differs.
    // A press on the title (no settings launcher) edits the animal or starts a
    // new form; on the reverse or flap it opens the box's settings.
    bool SubjectTitleLikeBox(CCmnFormBoxEvent *event, const CSubjectForm &form, const QString &settingsRole,
                             bool (CBioRegThemedFormInterface::*pressSettings)(const QPoint &));
    // The pedigree's details box: its record commands are the view's own.
    bool SubjectDetails(CCmnFormBoxEvent *event, const CSubjectForm &form, const QString &settingsRole);
    bool SubjectPic(CCmnFormBoxEvent *event, const CSubjectForm &form, bool withDeleteAndCheck,
                    const QString &settingsRole);
    // An empty title: choose an existing animal or add one, and show it.
    void StartNewForm(const QPoint &position, const CSubjectForm &form);
    // The trial mating's title: choose or add its sire or dam.
    void SetTrialMatingParents(const QPoint &position);
    // "Set Photo For ..." while the animal's photo gives no picture, else "Update ...".
    QString PhotoEntry(qint32 recordId, const QString &forWhom) const;

    CBioRegThemedFormInterface &m_View;
};
