#pragma once

#include "bioregancestrypanelcellboxgrab.h"
#include "cmnformboxsplitsettings.h"

#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QVector>

#include <array>

class CBioReg;
class CBioRegThemedFormWithAncestryPanelsSettings;
class CBioRegThemedFormWithAncestryPanelsStickyState;
class CCmnFormBox;
class CCmnTheme;
class CCmnThemedForm;
class CCmnThemedFormAutoParams;

// One place of an ancestry chart: which ancestor of the root it stands for and
// the animal the register has there.
struct CBioRegAncestryPanelCell
{
    CBioRegAncestryPanelCell(qint32 generations, qint32 generation)
        : m_Generation(generation)
        , m_Grab(generations, generation)
    {
    }

    qint32 m_Sex = 1;           // 1 sire, 2 dam
    qint32 m_ChildPosition = 0; // 0: the root
    qint32 m_SirePosition = 0;  // 0 in the last generation shown
    qint32 m_DamPosition = 0;
    qint32 m_Generation = 0;
    qint32 m_Index = 0;
    // Bit k says whether the ancestor at generation k on the way from the root
    // is a sire; bit g repeats the cell's own sex.
    qint32 m_PathBits = 0;
    qint32 m_Record = 0;
    qint32 m_BoxId = 0;
    CBioRegAncestryPanelCellBoxGrab m_Grab;
};

// The ancestors of a root, one column per generation, sire above dam, each cell
// bound to the animal the register's parent links put there. The root is not a
// cell: the form that owns the panel says who the root's sire and dam are, and
// the panel walks up from them. Every walk stops at the last generation shown,
// so a loop in the data cannot keep it going.
class CBioRegAncestryPanel
{
public:
    // Builds the cells, their indexes and their boxes under the holding box;
    // no cell is bound to a record yet.
    CBioRegAncestryPanel(CCmnThemedForm &form, const QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> &settings,
                         const QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> &stickyState,
                         const QString &cellLayoutElt, const QString &cellDataElt, CCmnTheme &theme,
                         const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                         const CCmnFormBoxSplitSettings &panelSplit, const QSharedPointer<CCmnFormBox> &holder);

    // 2^(n+1) - 2.
    static qint32 CellCount(qint32 generations);
    // The place in the cell list; 0 stands for the root.
    static qint32 Position(qint32 generation, qint32 index);
    static qint32 PathBits(qint32 generation, qint32 index);
    static qint32 Key(qint32 generation, qint32 pathBits) { return (generation << 16) | pathBits; }

    void SetEditable(const CBioReg &reg, bool editable, bool refresh);
    void SetRootParents(const CBioReg &reg, qint32 sireId, qint32 damId, bool refresh);
    void SetRootSire(const CBioReg &reg, qint32 recordId, bool refresh);
    void SetRootDam(const CBioReg &reg, qint32 recordId, bool refresh);
    // Sex 1 the sire, 2 the dam; any other does nothing.
    void SetRootParent(const CBioReg &reg, qint32 sex, qint32 recordId, bool refresh);
    // Puts the record in the cell under the key and its ancestors above it, as
    // far as the chart reaches. Ids below 1 mean none; so does an id that names
    // no record in use, so that a cell never keeps an animal that is gone.
    void FillAncestors(const CBioReg &reg, qint32 key, qint32 recordId);
    // Walks both sides again from the root's sire and dam as the cells hold
    // them: after a record was deleted its children lost their links to it
    // without a parent notification, and its id may be handed out again.
    void Refill(const CBioReg &reg);
    // Computes the highlight colours again when dirty, then refreshes every cell.
    void Update(const CBioReg &reg);
    // With `recursive` the ancestors above the cell first.
    void RefreshCell(const CBioReg &reg, qint32 position, bool recursive);
    void HandleRegRecordNotification(const CBioReg &reg, qint32 recordId, qint32 code);
    // True when the form must be built again.
    bool ApplyTheme(const CBioReg &reg, const QString &filter, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source);
    void ApplyGrabs();
    // False for a box that is not one of the cells; the outs are then left alone.
    bool FindCell(qint32 boxId, qint32 *childRecord, qint32 *sex, qint32 *generation, qint32 *pathBits) const;

    qint32 Generations() const { return m_Generations; }
    // Positions 1 to CellCount(n); null for 0 and beyond.
    const CBioRegAncestryPanelCell *Cell(qint32 position) const;
    // 0 when no cell has the key or box.
    qint32 PositionOfKey(qint32 key) const { return m_PositionByKey.value(key); }
    qint32 PositionOfGenerationIndex(qint32 generation, qint32 index) const
    {
        return m_PositionByGenerationIndex.value((generation << 16) | index);
    }
    qint32 PositionOfBox(qint32 boxId) const { return m_PositionByBoxId.value(boxId); }
    qint32 GenerationBoxId(qint32 generation) const;
    bool IsEditable() const { return m_Editable; }
    bool IsDirty() const { return m_Dirty; }
    void MarkDirty() { m_Dirty = true; }
    const QHash<qint32, QString> &HighlightColours() const { return m_HighlightColours; }

private:
    void ComputeHighlightColours(const CBioReg &reg);
    qint32 RecordAtKey(qint32 key) const;

    QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> m_Settings;
    QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> m_StickyState;
    CCmnThemedForm *m_Form;
    qint32 m_Generations = 0;
    QVector<QSharedPointer<CBioRegAncestryPanelCell>> m_Cells;
    QHash<qint32, qint32> m_PositionByGenerationIndex;
    QHash<qint32, qint32> m_PositionByBoxId;
    QHash<qint32, qint32> m_PositionByKey;
    bool m_Editable = true;
    std::array<qint32, 6> m_GenerationBoxIds{};
    QHash<qint32, QString> m_HighlightColours;
    bool m_Dirty = false;
    QString m_CellLayoutElt;
    QString m_CellDataElt;
};
