#pragma once

#include <QPoint>

class CBioRegBoxMenu;
class CBioRegThemedFormInterface;
class CCmnFormBoxEvent;

// What a press or a context menu does on the ancestry chart of the pedigree or
// the trial mating: on a cell, edit its ancestor, choose an existing animal or
// add a new one as the child's sire or dam, remove the link, or show the
// ancestor's own pedigree; on a generation's column or the chart's box, open
// the cell settings. No animal is ever made its own ancestor.
//
// A cell is named by the panel's box id, the child record (0 for the trial
// mating's offspring, or a pedigree without subject), the side (1 sire, 2 dam)
// and the generation (0 for the root's parents).
class CBioRegAncestorCellCommands
{
public:
    explicit CBioRegAncestorCellCommands(CBioRegThemedFormInterface &view);

    bool CellEvent(CCmnFormBoxEvent *event, qint32 panelBoxId, qint32 childId, qint32 which, qint32 generation);
    bool GenerationBoxEvent(CCmnFormBoxEvent *event, qint32 generation);
    bool PanelBoxEvent(CCmnFormBoxEvent *event);

    // Each answers whether the child's parent changed.
    bool SelectCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId, qint32 which);
    bool NewCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId, qint32 which);
    bool RemoveCellParent(qint32 panelBoxId, const QPoint &position, qint32 ancestorId, qint32 childId,
                          qint32 which);

private:
    // The animal the cell shows; 0 for none.
    qint32 CellAnimal(qint32 panelBoxId, qint32 childId, qint32 which, qint32 generation) const;
    // The trial mating's sire or dam: replaced, never removed.
    bool IsRootParent(qint32 panelBoxId, qint32 generation) const;
    // Whether an existing animal could become the parent without a loop.
    bool CanChooseExisting(qint32 childId, bool rootParent) const;
    bool SetCellParent(qint32 panelBoxId, qint32 childId, qint32 which, qint32 parentId);
    void PressOnAncestor(const QPoint &position, qint32 panelBoxId, qint32 childId, qint32 which, qint32 ancestorId,
                         bool rootParent);
    void PressOnEmptyCell(const QPoint &position, qint32 panelBoxId, qint32 childId, qint32 which);
    // The cell settings commands, from the generation's on when it is 0 or more.
    void AddSettingsCommands(CBioRegBoxMenu &menu, qint32 generation) const;

    CBioRegThemedFormInterface &m_View;
};
