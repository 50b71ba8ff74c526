// The context menu of an empty ancestor cell offers "Select ..." only when an
// animal outside the child's descendants exists, which takes one walk over the
// descendants. Measures the whole menu, as a right click on the chart runs it
// (the box event, the menu with no choice, the lists' re-selection at the end),
// against that one walk, on a register of 100,000 animals whose founder has
// 50,000 descendants; the cell is the founder's unknown sire.
#include "../tests/bio/controller/bioformviewtesting.h"

#include "bioregpedigree.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnmenu.h"
#include "cmnsystemsettings.h"

#include <QRandomGenerator>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kAnimals = 100000;
constexpr int kDescendants = 50000;

// The founder (id 1) and, after it, its descendants, each by a random earlier
// one, then animals of other lines. Filled in bulk, as an import does.
void FillRegister(CBioReg &reg)
{
    QRandomGenerator random(2026);
    for (int id = 1; id <= kAnimals; ++id) {
        auto record = QSharedPointer<CBioRegRecord>::create(
            QStringLiteral("Brackenfield Midnight Rambler %1 of the Long Meadow").arg(id), &reg);
        record->m_Sex = id % 2 ? 1 : 2;
        if (id > 1 && id <= kDescendants + 1) {
            const int parent = 1 + int(random.bounded(id - 1));
            (parent % 2 ? record->m_Sire : record->m_Dam) = parent;
        }
        reg.AddRecord(record, false);
    }
    reg.RebuildIndexLists();
    reg.RebuildParentIndex();
}

// The founder's pedigree on the screen, its sire's cell empty.
struct CFounderChart
{
    CFounderChart()
    {
        static const bool initialised = [] {
            // The view remembers its splitter: never in the user's own settings.
            QStandardPaths::setTestModeEnabled(true);
            CCmnAppDescriptor descriptor;
            descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
            CmnInitFramework(descriptor);
            CmnCreateSystemSettings();
            return true;
        }();
        Q_UNUSED(initialised);
        BioCreateTerminology();
        FillRegister(*m_Fixture.m_Reg);
        m_Fixture.View()->PedigreeStickyState()->m_SubjectRecNo = 1;
        m_Fixture.Show(kBioFormViewPedigree);
        const CBioRegPedigree &pedigree = *m_Fixture.View()->Pedigree();
        const CBioRegAncestryPanel &panel = *pedigree.Panels().first().m_Panel;
        for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(panel.Generations()) && !m_SireCell; ++p) {
            if (panel.Cell(p)->m_Generation == 0 && panel.Cell(p)->m_Sex == 1)
                m_SireCell = panel.Cell(p)->m_BoxId;
        }
    }

    CBioFormViewFixture m_Fixture;
    qint32 m_SireCell = 0;
};

void BM_DescendantsWalk(benchmark::State &state)
{
    const CFounderChart chart;
    const CBioReg &reg = *chart.m_Fixture.m_Reg;
    qsizetype found = 0;
    for (auto _ : state)
        found = reg.GetDescendants(1, true).size();
    if (found != kDescendants + 1)
        state.SkipWithError("the founder has another number of descendants");
}

void BM_EmptyCellMenu(benchmark::State &state)
{
    CFounderChart chart;
    QStringList offered;
    const TCmnMenuRunner previous = CmnSetMenuRunner([&offered](CCmnMenu &menu, const std::optional<QPoint> &) {
        offered.clear();
        for (const QAction *action : menu.actions())
            offered.append(action->text());
        return static_cast<QAction *>(nullptr);
    });
    CBioFormViewBoxEvent event(CCmnFormBoxEvent::ContextMenu, chart.m_SireCell);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.m_Fixture.View()->HandleBoxEvent(event.Get()));
    CmnSetMenuRunner(previous);
    if (!offered.contains(QStringLiteral("Select Sire...")))
        state.SkipWithError("the menu offers no choice of an existing sire");
}

} // namespace

BENCHMARK(BM_DescendantsWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyCellMenu)->Unit(benchmark::kMillisecond);
