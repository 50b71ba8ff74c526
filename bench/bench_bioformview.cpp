// Moves the pedigree of the breeding form view to another animal as a breeder
// does, by selecting the animal in the pedigree list (the selection, the new
// subject, the chart's refresh and the lists following the remembered animals),
// against refreshing the chart for a new subject alone, on a generated register
// of N animals. Each call takes another animal of the youngest generation.
#include "benchbioregister.h"
#include "biodefaulttheme.h"
#include "bioregpedigree.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedforminterface.h"
#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmninterfacehostwidget.h"
#include "cmnregindexlistmodel.h"
#include "cmnregindexlistpanel.h"
#include "cmnsystemsettings.h"
#include "cmnthemeset.h"

#include <QListView>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <map>

namespace {

constexpr int kGenerations = 20;
constexpr int kSampled = 64;
// The default special fields show in the trial-mating title only: the pedigree
// shows names, as in a new document.
constexpr int kTrialMatingTitleContext = 39;
const QString kInterfaceType = QStringLiteral("BIOREGTHEMEDFORMINTERFACE");
const QString kPedigree = QStringLiteral("PEDIGREE");

const QSharedPointer<CBioReg> &Generated(int animals)
{
    static std::map<int, QSharedPointer<CBioReg>> made;
    QSharedPointer<CBioReg> &reg = made[animals];
    if (!reg)
        reg = OrvBench::RandomMatingRegister(animals, kGenerations, kTrialMatingTitleContext);
    return reg;
}

// The k-th animal sampled from the youngest generation.
int Sampled(int animals, int k)
{
    return animals - 1 - 7 * (k % kSampled);
}

// The application's services, once; settings in the test locations, so that a
// run leaves the user's own alone.
void InitApplication()
{
    static const bool done = [] {
        QStandardPaths::setTestModeEnabled(true);
        CCmnAppDescriptor descriptor;
        descriptor.SetProductName(QStringLiteral("Orvanta Pedigree"));
        CmnInitFramework(descriptor);
        CmnCreateSystemSettings();
        BioCreateTerminology();
        return true;
    }();
    (void)done;
}

// The document window's part, with the pedigree of the register shown.
class CHost : public CCmnInterfaceHostWidget
{
public:
    explicit CHost(const QSharedPointer<CBioReg> &reg)
    {
        InitApplication();
        RegisterKind(QStringLiteral("Pedigree"), kInterfaceType, kPedigree);
        CreateInterfaces({});
        auto themes = QSharedPointer<CCmnThemeSet>::create();
        themes->m_BaseTheme = BioGetDefaultTheme();
        UpdateTexts();
        m_View->SetThemes(themes);
        m_View->SetRegister(reg);
        resize(1400, 900);
        SetInterfacesEnabled(true);
        SelectKind(kPedigree, false, true);
    }

    CBioRegThemedFormInterface &View() const { return *m_View; }

protected:
    QSharedPointer<CCmnInterface> CreateInterface(const QString &interfaceName, QWidget *parent) override
    {
        if (interfaceName != kInterfaceType)
            return {};
        m_View = QSharedPointer<CBioRegThemedFormInterface>::create(QString(), parent);
        return m_View;
    }

private:
    QSharedPointer<CBioRegThemedFormInterface> m_View;
};

void BM_SubjectThroughList(benchmark::State &state)
{
    const int animals = int(state.range(0));
    const QSharedPointer<CBioReg> &reg = Generated(animals);
    CHost host(reg);
    CCmnRegIndexListPanel &list = host.View().PedigreeAllRecords();
    QList<QModelIndex> rows;
    for (int k = 0; k < kSampled; ++k)
        rows << list.Model()->index(list.Model()->RowOfRecord(reg.data(), Sampled(animals, k)), 0);
    int next = 0;
    int last = 0;
    for (auto _ : state) {
        // As a click does: the row becomes current and the only one selected.
        list.View()->setCurrentIndex(rows.at(next));
        last = Sampled(animals, next);
        next = (next + 1) % kSampled;
    }
    if (host.View().PedigreeStickyState()->m_SubjectRecNo != last || list.GetCurrentRecordId() != last)
        state.SkipWithError("the pedigree did not follow the list");
}

void BM_RefreshAlone(benchmark::State &state)
{
    const int animals = int(state.range(0));
    const QSharedPointer<CBioReg> &reg = Generated(animals);
    CHost host(reg);
    CBioRegPedigree &pedigree = *host.View().Pedigree();
    int next = 0;
    for (auto _ : state) {
        host.View().PedigreeStickyState()->m_SubjectRecNo = Sampled(animals, next);
        next = (next + 1) % kSampled;
        pedigree.RefreshBoxes(BioPedigreeSubjectChangeId());
        pedigree.LayoutFormBoxes();
    }
}

} // namespace

BENCHMARK(BM_SubjectThroughList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAlone)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
