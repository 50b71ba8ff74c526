// Builds, themes, refreshes, lays out and paints the pedigree chart of an
// animal with six generations of named ancestors (126, all different) with the
// built-in theme, against the same 126 cell texts in bare text items of the
// same widths, painted into the same image. The chart side runs with ancestor
// highlighting off and with common ancestors highlighted (the walk and the
// colour assignment on every refresh). Tearing down is not timed.
#include "benchpedigreeform.h"
#include "biodefaulttheme.h"
#include "bioreg.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "cmnformbox.h"
#include "cmnregfieldssettings.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr double kDpi = 96;
const QSizeF kPage(11.69 * kDpi, 8.27 * kDpi); // A4 landscape

// A subject and its six full generations: the parents of animal k are 2k and
// 2k + 1 in a numbering from the subject down, so every ancestor is different.
QSharedPointer<CBioReg> Register(int &subject)
{
    auto reg = QSharedPointer<CBioReg>::create(CCmnRegFieldsSettings());
    constexpr int kAnimals = 127;
    for (int k = 1; k <= kAnimals; ++k)
        reg->AddNamedRecord(QStringLiteral("Brackenfield Midnight Rambler %1 of the Long Meadow").arg(k), true);
    for (int k = 1; k <= kAnimals; ++k) {
        auto record = QSharedPointer<CBioRegRecord>::create(*reg->GetBioRecord(k));
        record->m_Sex = k % 2 ? 2 : 1;
        record->m_Sire = 2 * k <= kAnimals ? 2 * k : 0;
        record->m_Dam = 2 * k + 1 <= kAnimals ? 2 * k + 1 : 0;
        reg->ReplaceRecord(k, record, true);
    }
    subject = 1;
    return reg;
}

struct CChart
{
    explicit CChart(int highlightMode)
        : m_Theme(BioGetDefaultTheme())
        , m_Default(BioGetDefaultTheme())
    {
        BioCreateTerminology();
        m_Reg = Register(m_Subject);
        m_Settings->m_Generations = 6;
        m_StickyState->m_SubjectRecNo = m_Subject;
        m_StickyState->m_HighlightMode = highlightMode;
    }

    // What the controller does when it populates the scene.
    std::unique_ptr<CBioRegPedigree> Build(QGraphicsScene &scene)
    {
        auto *page = new QGraphicsRectItem;
        scene.addItem(page);
        auto form = std::make_unique<CBioRegPedigree>(QPointF(0, 0), kPage, QSizeF(kDpi, kDpi), m_Reg, m_Settings,
                                                      m_StickyState, nullptr);
        form->BuildBoxes(m_Theme, m_Default, &m_Params, page);
        form->ApplyTheme(QString(), m_Theme, m_Default, &m_Params, 0);
        form->ApplyGrabs();
        form->RefreshBoxes(0);
        form->LayoutFormBoxes();
        return form;
    }

    QSharedPointer<CBioReg> m_Reg;
    int m_Subject = 0;
    QSharedPointer<CBioRegPedigreeSettings> m_Settings = QSharedPointer<CBioRegPedigreeSettings>::create();
    QSharedPointer<CBioRegPedigreeStickyState> m_StickyState = QSharedPointer<CBioRegPedigreeStickyState>::create();
    CCmnTheme m_Theme;
    CCmnTheme m_Default;
    CCmnThemedFormAutoParams m_Params;
};

void BM_PedigreeChart(benchmark::State &state)
{
    CChart chart(int(state.range(0)));
    for (auto _ : state) {
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        auto form = chart.Build(*scene);
        BenchRenderScene(*scene, kPage);

        state.PauseTiming();
        form.reset();
        scene.reset();
        state.ResumeTiming();
    }
}

// The cells' HTML and rectangles as the chart lays them out.
struct CCellText
{
    QString m_Html;
    QRectF m_Rect;
};

QList<CCellText> ChartCellTexts()
{
    CChart chart(0);
    QGraphicsScene scene(QRectF(QPointF(0, 0), kPage));
    const auto form = chart.Build(scene);
    const CBioRegAncestryPanel &panel = *form->GetPanel(form->ContentId());
    QList<CCellText> texts;
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(6); ++p) {
        const QSharedPointer<CCmnFormBox> box = form->GetBox(panel.Cell(p)->m_BoxId);
        texts.append({box->Text(), QRectF(box->Position(), box->Size())});
    }
    return texts;
}

void BM_BareTextItems(benchmark::State &state)
{
    const QList<CCellText> texts = ChartCellTexts();
    for (auto _ : state) {
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        for (const CCellText &text : texts) {
            auto *item = new QGraphicsTextItem;
            item->setTextWidth(text.m_Rect.width());
            item->setHtml(text.m_Html);
            item->setPos(text.m_Rect.topLeft());
            scene->addItem(item);
        }
        BenchRenderScene(*scene, kPage);

        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PedigreeChart)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTextItems)->Unit(benchmark::kMillisecond);
