// Lays out and paints a form the size of a six-generation pedigree (150 boxes
// with HTML text, plus their containers) and renders it offscreen, against the
// same number of bare text items given the same HTML and rendered the same way:
// the cost of the box machinery (property resolution, seven items per box,
// clipping, rounded outlines) over what the text alone costs. Building the boxes
// or items and tearing the scene down are not timed on either side.
#include "benchpedigreeform.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr QSizeF kPage(1123, 794); // A4 landscape at 96 dots per inch
constexpr double kDpi = 96;

void BM_FormOfBoxes(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        auto *page = new QGraphicsRectItem;
        scene->addItem(page);
        auto form = BenchBuildPedigreeForm(page, kPage, kDpi);
        state.ResumeTiming();

        form->LayoutFormBoxes();
        BenchRenderScene(*scene, kPage);

        state.PauseTiming();
        form.reset();
        scene.reset();
        state.ResumeTiming();
    }
}

void BM_BareTextItems(benchmark::State &state)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(9);
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        QList<QGraphicsTextItem *> items;
        for (int i = 0; i < kBenchCells; ++i) {
            items.append(new QGraphicsTextItem);
            scene->addItem(items.last());
        }
        state.ResumeTiming();

        for (int i = 0; i < kBenchCells; ++i) {
            QGraphicsTextItem *item = items.at(i);
            item->setFont(font);
            item->setTextWidth(150);
            item->setHtml(BenchCellHtml(i));
            item->setPos((i % 7) * 160, (i / 7) * 36);
        }
        BenchRenderScene(*scene, kPage);

        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FormOfBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTextItems)->Unit(benchmark::kMillisecond);
