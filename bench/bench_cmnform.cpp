// Lays out and paints a form the size of a six-generation pedigree (150 boxes
// with HTML text, plus their containers) and renders it offscreen, against the
// same number of bare text items given the same HTML and rendered the same way:
// the cost of the box machinery (property resolution, seven items per box,
// clipping, rounded outlines) over what the text alone costs. Building the boxes
// or items and tearing the scene down are not timed on either side.
#include "cmnform.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr QSizeF kPage(1123, 794); // A4 landscape at 96 dots per inch
constexpr double kDpi = 96;
constexpr int kHeaderBoxes = 24;
constexpr int kGenerations = 6; // 2 + 4 + ... + 64 = 126 ancestor boxes

QString CellHtml(int index)
{
    return QStringLiteral("<b>Ch. Brackenfield Silver Whisper %1</b><br/>Smith &amp; Jones &lt;UK&gt;<br/>"
                          "<i>12/04/2019</i>")
        .arg(index);
}

void Render(QGraphicsScene &scene)
{
    QImage image(kPage.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter);
    benchmark::DoNotOptimize(image.constBits());
}

CCmnFormBoxSplitSettings Split(bool horizontal)
{
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = horizontal;
    split.m_Gap = CCmnMetric(0, 0.02);
    return split;
}

void BM_FormOfBoxes(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        auto *page = new QGraphicsRectItem;
        scene->addItem(page);
        auto form = std::make_unique<CCmnForm>(QPointF(0, 0), kPage, QSizeF(kDpi, kDpi));
        const QSharedPointer<CCmnFormBox> root = form->AddRootBox(1, page, 0.95, 0.95, 0);
        CCmnFormBoxSplitSettings rootSplit = Split(false);
        rootSplit.m_EqualSplit = false;
        rootSplit.m_Proportions = {0.15, 0.85};
        root->SetSplitSettings(rootSplit);
        root->SetTextFace(QStringLiteral("DejaVu Serif;7;"));
        root->SetBorderStyle({CCmnMetric(0, 0.02), 2, Qt::SolidLine});
        const QSharedPointer<CCmnFormBox> header = form->AddChildBox(root, 2, 0, 0);
        const QSharedPointer<CCmnFormBox> content = form->AddChildBox(root, 3, 1, 0);
        header->SetSplitSettings(Split(true));
        content->SetSplitSettings(Split(true));
        qint32 id = 10;
        int cell = 0;
        const auto addCell = [&](const QSharedPointer<CCmnFormBox> &parent, qint32 order) {
            const QSharedPointer<CCmnFormBox> box = form->AddChildBox(parent, id++, order, CCmnForm::ChildClickable);
            box->SetInherited(CmnFormBoxTextFace);
            box->SetBorderStyle({CCmnMetric(0, 0.01), 1, Qt::SolidLine});
            box->SetText(CellHtml(cell++));
        };
        for (int i = 0; i < kHeaderBoxes; ++i)
            addCell(header, i);
        for (int generation = 1; generation <= kGenerations; ++generation) {
            const QSharedPointer<CCmnFormBox> column = form->AddChildBox(content, id++, generation, 0);
            column->SetSplitSettings(Split(false));
            for (int i = 0; i < (1 << generation); ++i)
                addCell(column, i);
        }
        form->SetOnScreen(true);
        form->SetDesignMode(false);
        state.ResumeTiming();

        form->LayoutFormBoxes();
        Render(*scene);

        state.PauseTiming();
        form.reset();
        scene.reset();
        state.ResumeTiming();
    }
}

void BM_BareTextItems(benchmark::State &state)
{
    const int cells = kHeaderBoxes + (2 << kGenerations) - 2;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(9);
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<QGraphicsScene>(QRectF(QPointF(0, 0), kPage));
        QList<QGraphicsTextItem *> items;
        for (int i = 0; i < cells; ++i) {
            items.append(new QGraphicsTextItem);
            scene->addItem(items.last());
        }
        state.ResumeTiming();

        for (int i = 0; i < cells; ++i) {
            QGraphicsTextItem *item = items.at(i);
            item->setFont(font);
            item->setTextWidth(150);
            item->setHtml(CellHtml(i));
            item->setPos((i % 7) * 160, (i / 7) * 36);
        }
        Render(*scene);

        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FormOfBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTextItems)->Unit(benchmark::kMillisecond);
