#include "benchpedigreeform.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

CCmnFormBoxSplitSettings Split(bool horizontal)
{
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = horizontal;
    split.m_Gap = CCmnMetric(0, 0.02);
    return split;
}

} // namespace

QString BenchCellHtml(int index)
{
    return QStringLiteral("<b>Ch. Brackenfield Silver Whisper %1</b><br/>Smith &amp; Jones &lt;UK&gt;<br/>"
                          "<i>12/04/2019</i>")
        .arg(index);
}

std::unique_ptr<CCmnForm> BenchBuildPedigreeForm(QGraphicsItem *page, const QSizeF &size, double dotsPerInch)
{
    auto form = std::make_unique<CCmnForm>(QPointF(0, 0), size, QSizeF(dotsPerInch, dotsPerInch));
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
        box->SetText(BenchCellHtml(cell++));
    };
    for (int i = 0; i < kBenchHeaderBoxes; ++i)
        addCell(header, i);
    for (int generation = 1; generation <= kBenchGenerations; ++generation) {
        const QSharedPointer<CCmnFormBox> column = form->AddChildBox(content, id++, generation, 0);
        column->SetSplitSettings(Split(false));
        for (int i = 0; i < (1 << generation); ++i)
            addCell(column, i);
    }
    form->SetOnScreen(true);
    form->SetDesignMode(false);
    return form;
}

void BenchRenderScene(QGraphicsScene &scene, const QSizeF &page)
{
    QImage image(page.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter);
    benchmark::DoNotOptimize(image.constBits());
}
