// Rebinds the title of a trial-mating chart, which names the pair and shows their
// offspring's coefficient of inbreeding, against computing that coefficient
// directly, on generated registers with deep pedigrees. Each call takes another
// pair of the youngest generation, as a breeder trying one mate after another.
#include "benchbioregister.h"
#include "biodefaulttheme.h"
#include "bioreg.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioterminology.h"
#include "cmnformbox.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr double kDpi = 96;
const QSizeF kPage(11.69 * kDpi, 8.27 * kDpi); // A4 landscape
constexpr int kGenerations = 20;
constexpr int kSampledPairs = 64;
// The field context of the trial-mating title, where the coefficient is by default.
constexpr int kTrialMatingTitleContext = 39;

const QSharedPointer<CBioReg> &Generated(int animals)
{
    static std::map<int, QSharedPointer<CBioReg>> made;
    QSharedPointer<CBioReg> &reg = made[animals];
    if (!reg)
        reg = OrvBench::RandomMatingRegister(animals, kGenerations, kTrialMatingTitleContext);
    return reg;
}

// Pair k: a male and a female of the youngest generation.
std::pair<int, int> SampledPair(int animals, int k)
{
    const int perGeneration = animals / kGenerations;
    const int first = animals - perGeneration + 1;
    return {first + 2 * (k % (perGeneration / 2)), first + 1 + 2 * ((7 * k + 3) % (perGeneration / 2))};
}

void UseGenerationLimit(CBioReg &reg, int generations)
{
    CBioInbreedingSettings settings = reg.GetInbreedingSettings();
    settings.m_Generations = generations;
    reg.SetInbreedingSettings(settings);
}

// The chart as the controller builds it, with the built-in theme.
struct CTrialMatingChart
{
    explicit CTrialMatingChart(const QSharedPointer<CBioReg> &reg)
        : m_Theme(BioGetDefaultTheme())
        , m_Default(BioGetDefaultTheme())
    {
        BioCreateTerminology();
        m_Scene.addItem(m_Page);
        m_Form = std::make_unique<CBioRegTrialMating>(QPointF(0, 0), kPage, QSizeF(kDpi, kDpi), reg, m_Settings,
                                                      m_StickyState, nullptr);
        m_Form->BuildBoxes(m_Theme, m_Default, &m_Params, m_Page);
        m_Form->ApplyTheme(QString(), m_Theme, m_Default, &m_Params, 0);
        m_Form->ApplyGrabs();
        m_Form->RefreshBoxes(0);
    }

    QSharedPointer<CBioRegTrialMatingSettings> m_Settings = QSharedPointer<CBioRegTrialMatingSettings>::create();
    QSharedPointer<CBioRegTrialMatingStickyState> m_StickyState =
        QSharedPointer<CBioRegTrialMatingStickyState>::create();
    CCmnTheme m_Theme;
    CCmnTheme m_Default;
    CCmnThemedFormAutoParams m_Params;
    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    std::unique_ptr<CBioRegTrialMating> m_Form;
};

void BM_TitleRebind(benchmark::State &state)
{
    const int animals = int(state.range(0));
    const QSharedPointer<CBioReg> &reg = Generated(animals);
    UseGenerationLimit(*reg, int(state.range(1)));
    CTrialMatingChart chart(reg);
    CBioRegTrialMating &form = *chart.m_Form;
    int next = 0;
    for (auto _ : state) {
        const auto [sire, dam] = SampledPair(animals, next);
        next = (next + 1) % kSampledPairs;
        chart.m_StickyState->m_SireRecNo = sire;
        chart.m_StickyState->m_DamRecNo = dam;
        form.RebindTitle();
    }
    if (!form.GetBox(form.TitleBoxId())->Text().contains(QLatin1Char('%')))
        state.SkipWithError("the title shows no coefficient");
}

void BM_Coefficient(benchmark::State &state)
{
    const int animals = int(state.range(0));
    const QSharedPointer<CBioReg> &reg = Generated(animals);
    UseGenerationLimit(*reg, int(state.range(1)));
    double warm = 0.0;
    // The register keeps its calculator, as it does for the chart.
    if (!reg->OffspringInbreeding(SampledPair(animals, 0).first, SampledPair(animals, 0).second, warm))
        state.SkipWithError("the calculation failed");
    int next = 0;
    double sum = 0.0;
    for (auto _ : state) {
        const auto [sire, dam] = SampledPair(animals, next);
        next = (next + 1) % kSampledPairs;
        double coefficient = 0.0;
        if (!reg->OffspringInbreeding(sire, dam, coefficient))
            state.SkipWithError("the calculation failed");
        sum += coefficient;
    }
    benchmark::DoNotOptimize(sum);
}

void Sizes(benchmark::internal::Benchmark *benchmark)
{
    for (int generations : {8, 24}) {
        for (int animals : {10000, 100000})
            benchmark->Args({animals, generations});
    }
}

} // namespace

BENCHMARK(BM_TitleRebind)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Coefficient)->Apply(Sizes)->Unit(benchmark::kMillisecond);
