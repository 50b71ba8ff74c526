// The page scene's output side. RebuildPreview of 1, 10 and 100 pages: the
// pages are painted on the recording printer, kept as pictures and given
// page items; it should cost the same per page at every count. Image export of
// a six-generation pedigree at 1024 pixels through the page scene widget's
// Export (file name and image parameters answered at once, the page drawn into
// the image, JPEG written through a temporary file), against a bare
// QGraphicsScene::render of the same scene into an image of the same size.
// The owner's building and laying out of the form is not timed.
#include "benchpedigreeform.h"

#include "cmndialogrunner.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmngraphicsscene.h"
#include "cmnmessageboxpresenter.h"
#include "cmnprintpreviewwidgetex.h"
#include "cmnscenewidget.h"

#include <QDialog>
#include <QGraphicsRectItem>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

void PaintPages(QPrinter *printer, int pages)
{
    QPainter painter(printer);
    const int width = printer->width();
    const int height = printer->height();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer->newPage();
        painter.drawRect(QRect(0, 0, width, height));
        painter.drawText(QRect(0, 0, width, height / 10), Qt::AlignCenter,
                         QStringLiteral("Smith & Jones <UK> - page %1").arg(page));
        for (int row = 0; row < 8; ++row) {
            const QRect box(width / 10, height / 8 + row * height / 10, width * 8 / 10, height / 12);
            painter.fillRect(box, QColor(0xE8, 0xF0, 0xE0));
            painter.drawRect(box);
            painter.drawText(box, Qt::AlignCenter, BenchCellHtml(page * 10 + row));
        }
    }
}

void BM_RebuildPreview(benchmark::State &state)
{
    const int pages = int(state.range(0));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
    CCmnPrintPreviewWidgetEx preview(&printer);
    preview.resize(600, 800);
    QObject::connect(&preview, &CCmnPrintPreviewWidgetEx::paintRequested,
                     [pages](QPrinter *target) { PaintPages(target, pages); });
    for (auto _ : state)
        preview.RebuildPreview();
    if (preview.PageCount() != pages)
        state.SkipWithError("the preview lost pages");
    state.counters["per_page"] =
        benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Builds the pedigree on every scene the widget asks for, with the timer off.
class CPedigreeOwner : public QObject
{
public:
    explicit CPedigreeOwner(CCmnSceneWidget &widget)
        : m_Widget(widget)
    {
        QObject::connect(&widget, &CCmnSceneWidget::SignalAllocateScene, this,
                         [](CCmnSceneWidget *w, ECmnSceneContextFlags context) {
                             w->SetScene(context, QSharedPointer<CCmnGraphicsScene>::create(nullptr));
                         });
        QObject::connect(&widget, &CCmnSceneWidget::SignalPopulateScene, this,
                         [this](CCmnGraphicsScene *scene, ECmnSceneContextFlags context) {
                             if (m_State && context != CmnSceneContextScreen)
                                 m_State->PauseTiming();
                             m_Forms[context] = Populate(*scene, m_Widget.GetPrinterResolution().width());
                             if (m_State && context != CmnSceneContextScreen)
                                 m_State->ResumeTiming();
                         });
    }

    // The screen's scene is built untimed anyway; the output scenes with the
    // timer off once this is given.
    void SetTimer(benchmark::State *state) { m_State = state; }

    static std::unique_ptr<CCmnForm> Populate(QGraphicsScene &scene, double dotsPerInch)
    {
        auto *page = new QGraphicsRectItem;
        page->setPen(Qt::NoPen);
        scene.addItem(page);
        std::unique_ptr<CCmnForm> form = BenchBuildPedigreeForm(page, scene.sceneRect().size(), dotsPerInch);
        form->LayoutFormBoxes();
        return form;
    }

private:
    CCmnSceneWidget &m_Widget;
    benchmark::State *m_State = nullptr;
    std::map<ECmnSceneContextFlags, std::unique_ptr<CCmnForm>> m_Forms;
};

// The page scene widget as the themed form interface sets it up, landscape.
std::unique_ptr<CCmnSceneWidget> NewSceneWidget()
{
    CCmnSceneWidgetParams params;
    params.m_Options = 0x6F7;
    params.m_InitialOrientation = 1;
    return std::make_unique<CCmnSceneWidget>(params, CCmnPageSetup(), nullptr);
}

void BM_ExportImage(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pedigree.jpg"));
    const TCmnFileChooser chooser = CmnSetFileChooser([&path](const CCmnFileChooserRequest &) { return path; });
    const TCmnDialogRunner runner = CmnSetDialogRunner([](QDialog &dialog) {
        dialog.accept();
        return dialog.result();
    });
    const TCmnMessageBoxPresenter presenter = CmnSetMessageBoxPresenter([](const CCmnMessageBoxRequest &request) {
        CCmnMessageBoxAnswer answer;
        for (qsizetype i = 0; i < request.m_Buttons.size(); ++i) {
            if (request.m_Buttons.at(i).m_StandardButton == QMessageBox::No)
                answer.m_Button = i;
        }
        return answer;
    });
    const std::unique_ptr<CCmnSceneWidget> widget = NewSceneWidget();
    CPedigreeOwner owner(*widget);
    widget->RebuildScreenScene();
    owner.SetTimer(&state);
    const QList<CCmnFileType> jpeg{CmnImageFileTypes().constFirst()};
    for (auto _ : state)
        widget->Export(jpeg);
    const QImage written(path);
    if (written.width() != 1024)
        state.SkipWithError("the export wrote no 1024-pixel image");
    state.SetLabel(QStringLiteral("%1 x %2").arg(written.width()).arg(written.height()).toStdString());
    CmnSetMessageBoxPresenter(presenter);
    CmnSetDialogRunner(runner);
    CmnSetFileChooser(chooser);
}

void BM_BareRender(benchmark::State &state)
{
    const std::unique_ptr<CCmnSceneWidget> widget = NewSceneWidget();
    CPedigreeOwner owner(*widget);
    widget->RebuildScreenScene();
    const QRectF page = widget->GetPageRect();
    QGraphicsScene scene(page);
    scene.addRect(page, Qt::NoPen, QBrush(Qt::white));
    const std::unique_ptr<CCmnForm> form = CPedigreeOwner::Populate(scene, widget->GetPrinterResolution().width());
    const QSize size(1024, int(1024 * page.height() / page.width() + 0.5));
    for (auto _ : state) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(), page, Qt::KeepAspectRatio);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
}

} // namespace

BENCHMARK(BM_RebuildPreview)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRender)->Unit(benchmark::kMillisecond);
