#pragma once

#include <QPoint>
#include <QSharedPointer>
#include <QString>

class CBioRegThemedForm;
class CBioRegThemedFormInterface;

// The box settings commands of the breeding forms' view: each opens its box's
// settings dialog on a copy of the current theme, centred on the position
// ((-1, -1): where the dialog would go by itself), and on OK makes the copy
// current and applies the edited elements to the form, even when nothing
// changed. Each answers true, unless the form the box belongs to is not shown.
class CBioRegBoxSettingsCommands
{
public:
    explicit CBioRegBoxSettingsCommands(CBioRegThemedFormInterface &view);

    bool CoverSheetTitle(const QPoint &position);
    bool CoverSheetReverse(const QPoint &position);
    bool CoverSheetFlap(const QPoint &position);
    bool CoverSheetPic(const QPoint &position);
    bool PedigreeTitle(const QPoint &position);
    bool PedigreeDetails(const QPoint &position);
    bool PedigreePic(const QPoint &position);
    bool TrialMatingTitle(const QPoint &position);
    bool TrialMatingSireDetails(const QPoint &position);
    bool TrialMatingDamDetails(const QPoint &position);
    bool TrialMatingSirePic(const QPoint &position);
    bool TrialMatingDamPic(const QPoint &position);
    // The term names the parent (sire or dam) in the title; the details dialog
    // of the sire for the sire's term, of the dam otherwise.
    bool TrialMatingParentDetails(const QPoint &position, qint32 term, const QString &layoutElt,
                                  const QString &dataElt);
    bool TrialMatingParentPic(const QPoint &position, qint32 term, const QString &layoutElt, const QString &dataElt);
    // The ancestry chart's box and its cells: every cell, the cells of the chart
    // size shown, or those of one generation (0: the root's parents) of it.
    bool AncestorsBox(const QPoint &position);
    bool AncestorCellDefault(const QPoint &position);
    bool AncestorCellGens(const QPoint &position);
    bool AncestorCellGenOfGens(const QPoint &position, qint32 generation);

private:
    // Runs the dialog of a box of the form: `prepare` sets it up before it runs,
    // `accepted` follows an accepted run, once the edits are applied. True when
    // it was accepted.
    template <typename TDialog, typename TPrepare, typename TAccepted = void (*)(TDialog &)>
    bool Exec(const QPoint &position, const QSharedPointer<CBioRegThemedForm> &form, const QString &layoutElt,
              const QString &dataElt, const QString &title, qint32 hint, TPrepare prepare,
              TAccepted accepted = [](TDialog &) {});
    template <typename TDialog>
    bool EditBox(const QPoint &position, const QSharedPointer<CBioRegThemedForm> &form, const QString &stem,
                 const QString &title);

    CBioRegThemedFormInterface &m_View;
};
