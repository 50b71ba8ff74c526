#include "bioregancestrypanel.h"

#include "bioancestorcellaccessors.h"
#include "bioancestorhighlight.h"
#include "bioancestoroccurrences.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"
#include "bioterminology.h"
#include "cmnformbox.h"
#include "cmnhtmlescape.h"
#include "cmnthemedform.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

constexpr qint32 kGenerationShift = 16;
constexpr double kHighlightOpacity = 0.7;

qint32 GenerationOfKey(qint32 key)
{
    return key >> kGenerationShift;
}

// The record the walk may put in a cell: none for ids that name no animal in
// use (below 1 is kept as it is, so that a damaged link still shows as such).
qint32 UsableRecord(const CBioReg &reg, qint32 recordId)
{
    return recordId > 0 && !reg.GetBioRecord(recordId) ? 0 : recordId;
}

} // namespace

CBioRegAncestryPanel::CBioRegAncestryPanel(
    CCmnThemedForm &form, const QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings> &settings,
    const QSharedPointer<CBioRegThemedFormWithAncestryPanelsStickyState> &stickyState, const QString &cellLayoutElt,
    const QString &cellDataElt, CCmnTheme &theme, const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
    const CCmnFormBoxSplitSettings &panelSplit, const QSharedPointer<CCmnFormBox> &holder)
    : m_Settings(settings)
    , m_StickyState(stickyState)
    , m_Form(&form)
    , m_CellLayoutElt(cellLayoutElt)
    , m_CellDataElt(cellDataElt)
{
    using Settings = CBioRegThemedFormWithAncestryPanelsSettings;
    // The settings reader keeps n in range, but the panel's cell count and its
    // walks depend on it, so it is kept in range here as well.
    m_Generations = std::clamp(settings ? settings->m_Generations : 4, Settings::kMinGenerations,
                               Settings::kMaxGenerations);
    const qint32 n = m_Generations;
    const CCmnMetric gap =
        BioCellSizeLayoutGetBoxGap(theme, defaultTheme, m_CellLayoutElt, form.BoxNames(), params, n, false);

    CCmnFormBoxSplitSettings ownPanelSplit = panelSplit;
    ownPanelSplit.m_Gap = gap;
    CCmnFormBoxSplitSettings columnSplit;
    columnSplit.m_Gap = gap;

    m_Cells.reserve(CellCount(n) + 1);
    m_Cells.append(nullptr);
    for (qint32 g = 0; g < n; ++g) {
        for (qint32 i = 0; i < (2 << g); ++i) {
            auto cell = QSharedPointer<CBioRegAncestryPanelCell>::create(n, g);
            cell->m_Sex = (i % 2) ? 2 : 1;
            cell->m_Index = i;
            cell->m_PathBits = PathBits(g, i);
            const qint32 position = qint32(m_Cells.size());
            m_PositionByGenerationIndex.insert((g << kGenerationShift) | i, position);
            m_PositionByKey.insert(Key(g, cell->m_PathBits), position);
            m_Cells.append(cell);
        }
    }
    for (qint32 position = 1; position < m_Cells.size(); ++position) {
        CBioRegAncestryPanelCell &cell = *m_Cells[position];
        const qint32 g = cell.m_Generation;
        const qint32 i = cell.m_Index;
        cell.m_ChildPosition = g == 0 ? 0 : Position(g - 1, i / 2);
        if (g < n - 1) {
            cell.m_SirePosition = Position(g + 1, 2 * i);
            cell.m_DamPosition = Position(g + 1, 2 * i + 1);
        }
    }

    holder->SetSplitSettings(ownPanelSplit);
    holder->SetClickable(true);
    holder->SetActiveMode(CmnFormBoxNeverFilled);

    for (qint32 g = 0; g < n; ++g) {
        const qint32 columnId = form.TakeNextBoxId();
        const QSharedPointer<CCmnFormBox> column =
            form.AddChildBox(holder, columnId, 0, CCmnForm::ChildClickable | CCmnForm::ChildNeverFilled);
        column->SetName(QStringLiteral("ancestrypanel-gen-%1").arg(g));
        column->SetSplitSettings(columnSplit);
        m_GenerationBoxIds[size_t(g)] = columnId;
        for (qint32 i = 0; i < (2 << g); ++i) {
            const qint32 position = Position(g, i);
            CBioRegAncestryPanelCell &cell = *m_Cells[position];
            cell.m_BoxId = form.TakeNextBoxId();
            const QSharedPointer<CCmnFormBox> box = form.AddChildBox(
                column, cell.m_BoxId, 0, CCmnForm::ChildClickable | CCmnForm::ChildFilledWithContent);
            box->SetName(QStringLiteral("ancestrypanel-cell-%1-%2").arg(g).arg(i));
            box->SetToolTip(QStringLiteral("Click to set %1").arg(CmnHtmlEscape(GetBioGenerationWord(g, cell.m_Sex))));
            m_PositionByBoxId.insert(cell.m_BoxId, position);
        }
    }
}

qint32 CBioRegAncestryPanel::CellCount(qint32 generations)
{
    return (2 << generations) - 2;
}

qint32 CBioRegAncestryPanel::Position(qint32 generation, qint32 index)
{
    return (2 << generation) - 1 + index;
}

qint32 CBioRegAncestryPanel::PathBits(qint32 generation, qint32 index)
{
    qint32 bits = 0;
    for (qint32 k = 0; k <= generation; ++k) {
        if (((index >> (generation - k)) & 1) == 0)
            bits |= 1 << k;
    }
    return bits;
}

const CBioRegAncestryPanelCell *CBioRegAncestryPanel::Cell(qint32 position) const
{
    return position > 0 && position < m_Cells.size() ? m_Cells.at(position).data() : nullptr;
}

qint32 CBioRegAncestryPanel::GenerationBoxId(qint32 generation) const
{
    return generation >= 0 && generation < qint32(m_GenerationBoxIds.size()) ? m_GenerationBoxIds[size_t(generation)]
                                                                               : 0;
}

qint32 CBioRegAncestryPanel::RecordAtKey(qint32 key) const
{
    const CBioRegAncestryPanelCell *cell = Cell(PositionOfKey(key));
    return cell ? cell->m_Record : 0;
}

void CBioRegAncestryPanel::SetEditable(const CBioReg &reg, bool editable, bool refresh)
{
    m_Editable = editable;
    if (refresh)
        Update(reg);
}

void CBioRegAncestryPanel::SetRootParents(const CBioReg &reg, qint32 sireId, qint32 damId, bool refresh)
{
    FillAncestors(reg, Key(0, 1), sireId);
    FillAncestors(reg, Key(0, 0), damId);
    m_Dirty = true;
    if (refresh)
        Update(reg);
}

void CBioRegAncestryPanel::SetRootSire(const CBioReg &reg, qint32 recordId, bool refresh)
{
    FillAncestors(reg, Key(0, 1), recordId);
    m_Dirty = true;
    if (refresh)
        Update(reg);
}

void CBioRegAncestryPanel::SetRootDam(const CBioReg &reg, qint32 recordId, bool refresh)
{
    FillAncestors(reg, Key(0, 0), recordId);
    m_Dirty = true;
    if (refresh)
        Update(reg);
}

void CBioRegAncestryPanel::SetRootParent(const CBioReg &reg, qint32 sex, qint32 recordId, bool refresh)
{
    if (sex == 1)
        SetRootSire(reg, recordId, refresh);
    else if (sex == 2)
        SetRootDam(reg, recordId, refresh);
}

void CBioRegAncestryPanel::FillAncestors(const CBioReg &reg, qint32 key, qint32 recordId)
{
    // An explicit stack: at most one pair per generation side is waiting, and
    // the walk ends at the last generation shown whatever the links say.
    QVector<std::pair<qint32, qint32>> stack;
    stack.append({recordId, key});
    while (!stack.isEmpty()) {
        const auto [requested, cellKey] = stack.takeLast();
        const qint32 position = PositionOfKey(cellKey);
        if (position == 0)
            continue;
        const qint32 record = UsableRecord(reg, requested);
        m_Cells[position]->m_Record = record;
        const qint32 g = GenerationOfKey(cellKey);
        if (g >= m_Generations - 1)
            continue;
        const CBioRegRecord *animal = record > 0 ? reg.GetBioRecord(record) : nullptr;
        const qint32 pathBits = cellKey & 0xFFFF;
        stack.append({animal ? animal->m_Sire : 0, Key(g + 1, pathBits | (1 << (g + 1)))});
        stack.append({animal ? animal->m_Dam : 0, cellKey + (1 << kGenerationShift)});
    }
}

void CBioRegAncestryPanel::Refill(const CBioReg &reg)
{
    SetRootParents(reg, RecordAtKey(Key(0, 1)), RecordAtKey(Key(0, 0)), true);
}

void CBioRegAncestryPanel::ComputeHighlightColours(const CBioReg &reg)
{
    m_HighlightColours.clear();
    m_Dirty = false;
    if (!m_StickyState || m_StickyState->m_HighlightMode == BioHighlightNone)
        return;
    QVector<CBioAncestorOccurrences> occurrences;
    QVector<int> ids;
    if (reg.GetParentIndex().CollectAncestors(m_Generations, RecordAtKey(Key(0, 1)), RecordAtKey(Key(0, 0)),
                                              &occurrences, &ids, nullptr))
        m_HighlightColours = BioAssignAncestorHighlightColours(m_StickyState->m_HighlightMode, occurrences, ids);
}

void CBioRegAncestryPanel::Update(const CBioReg &reg)
{
    if (m_Dirty)
        ComputeHighlightColours(reg);
    for (qint32 position = 1; position < m_Cells.size(); ++position)
        RefreshCell(reg, position, false);
}

void CBioRegAncestryPanel::RefreshCell(const CBioReg &reg, qint32 position, bool recursive)
{
    if (position < 1 || position >= m_Cells.size())
        return;
    CBioRegAncestryPanelCell &cell = *m_Cells[position];
    // Six levels at most: the last generation has no parent cells.
    if (recursive) {
        if (cell.m_SirePosition > 0)
            RefreshCell(reg, cell.m_SirePosition, true);
        if (cell.m_DamPosition > 0)
            RefreshCell(reg, cell.m_DamPosition, true);
    }
    if (const QSharedPointer<CCmnFormBox> box = m_Form->GetBox(cell.m_BoxId)) {
        const bool childKnown = cell.m_ChildPosition == 0 || m_Cells[cell.m_ChildPosition]->m_Record > 0;
        box->SetShowPlaceholder(cell.m_Record == 0 && m_Editable && childKnown);
    }
    cell.m_Grab.GrabIndividual(reg, cell.m_Record);
    const auto colour = cell.m_Record > 0 ? m_HighlightColours.constFind(cell.m_Record) : m_HighlightColours.cend();
    if (colour != m_HighlightColours.cend()) {
        cell.m_Grab.m_FillOverride = true;
        cell.m_Grab.m_FillOverrideStyle = Qt::SolidPattern;
        cell.m_Grab.m_FillOverrideColor = QColor(*colour);
        cell.m_Grab.m_FillOverrideOpacity = kHighlightOpacity;
    } else {
        cell.m_Grab.m_FillOverride = false;
    }
    cell.m_Grab.ApplyToBox(*m_Form, cell.m_BoxId);
}

void CBioRegAncestryPanel::HandleRegRecordNotification(const CBioReg &reg, qint32 recordId, qint32 code)
{
    if (recordId < 1)
        return;
    if (code == CCmnReg::RecordChanged) {
        for (qint32 position = 1; position < m_Cells.size(); ++position) {
            if (m_Cells[position]->m_Record == recordId)
                RefreshCell(reg, position, false);
        }
        return;
    }
    if (code != CCmnReg::SireSet && code != CCmnReg::DamSet)
        return;
    const CBioRegRecord *record = reg.GetBioRecord(recordId);
    const qint32 parent = record ? (code == CCmnReg::SireSet ? record->m_Sire : record->m_Dam) : 0;
    const bool highlighting = m_StickyState && m_StickyState->m_HighlightMode != BioHighlightNone;
    bool shown = false;
    for (qint32 position = 1; position < m_Cells.size(); ++position) {
        const CBioRegAncestryPanelCell &cell = *m_Cells[position];
        if (cell.m_Record != recordId)
            continue;
        shown = true;
        const qint32 side = code == CCmnReg::SireSet ? cell.m_SirePosition : cell.m_DamPosition;
        if (side == 0)
            continue;
        const CBioRegAncestryPanelCell &sideCell = *m_Cells[side];
        FillAncestors(reg, Key(sideCell.m_Generation, sideCell.m_PathBits), parent);
        if (!highlighting) {
            RefreshCell(reg, position, false);
            RefreshCell(reg, side, true);
        }
    }
    if (highlighting && shown) {
        m_Dirty = true;
        Update(reg);
    }
}

bool CBioRegAncestryPanel::ApplyTheme(const CBioReg &reg, const QString &filter, CCmnTheme &theme,
                                      const CCmnTheme &defaultTheme, const CCmnThemedFormAutoParams *params,
                                      qint32 source)
{
    if (filter == QLatin1String("CMN-DEFAULT"))
        return true;
    const bool layout = filter == m_CellLayoutElt;
    const bool data = filter == m_CellDataElt;
    qint32 first = 0;
    qint32 last = m_Generations - 1;
    if (layout || data) {
        // A whole chart size changed, among it the gap fixed when the panel was built.
        if (layout && source == -1)
            return true;
        if (source >= 0) {
            first = source;
            last = std::min(source, m_Generations - 1);
        }
    }
    const auto inRange = [&](const CBioRegAncestryPanelCell &cell) {
        return cell.m_Generation >= first && cell.m_Generation <= last;
    };
    if (filter.isEmpty() || layout) {
        for (qint32 position = 1; position < m_Cells.size(); ++position) {
            CBioRegAncestryPanelCell &cell = *m_Cells[position];
            if (inRange(cell))
                cell.m_Grab.GrabLayoutElt(theme, defaultTheme, m_CellLayoutElt, *m_Form, cell.m_BoxId,
                                          m_Form->BoxNames(), params);
        }
        if (layout)
            return false;
    }
    if (filter.isEmpty() || data) {
        for (qint32 position = 1; position < m_Cells.size(); ++position) {
            CBioRegAncestryPanelCell &cell = *m_Cells[position];
            if (!inRange(cell))
                continue;
            cell.m_Grab.GrabDataElt(theme, defaultTheme, m_CellDataElt, m_Form->BoxNames(), params);
            cell.m_Grab.GrabIndividual(reg, cell.m_Record);
        }
    }
    return false;
}

void CBioRegAncestryPanel::ApplyGrabs()
{
    for (qint32 position = 1; position < m_Cells.size(); ++position)
        m_Cells[position]->m_Grab.ApplyToBox(*m_Form, m_Cells[position]->m_BoxId);
}

bool CBioRegAncestryPanel::FindCell(qint32 boxId, qint32 *childRecord, qint32 *sex, qint32 *generation,
                                    qint32 *pathBits) const
{
    if (boxId < 1)
        return false;
    const qint32 position = PositionOfBox(boxId);
    if (position == 0)
        return false;
    const CBioRegAncestryPanelCell &cell = *m_Cells[position];
    if (childRecord)
        *childRecord = cell.m_ChildPosition > 0 ? m_Cells[cell.m_ChildPosition]->m_Record : 0;
    if (sex)
        *sex = cell.m_Sex;
    if (generation)
        *generation = cell.m_Generation;
    if (pathBits)
        *pathBits = cell.m_PathBits;
    return true;
}
