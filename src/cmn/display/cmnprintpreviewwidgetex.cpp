#include "cmnprintpreviewwidgetex.h"

#include "cmnappdescriptor.h"
#include "cmngraphicsscene.h"
#include "cmnprinter.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnprintpreviewwidgetpageitem.h"

#include <QPageLayout>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kScrollMargin = 10;

} // namespace

CCmnPrintPreviewWidgetEx::CCmnPrintPreviewWidgetEx(QPrinter *printer, QWidget *parent, Qt::WindowFlags flags)
    : CCmnWidget(nullptr, parent, flags)
    , m_View(new CCmnPrintPreviewGraphicsView)
    , m_Scene(new CCmnGraphicsScene(m_View))
    , m_Printer(printer)
{
    m_View->setInteractive(false);
    m_View->setDragMode(QGraphicsView::ScrollHandDrag);
    m_View->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    connect(m_View->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CCmnPrintPreviewWidgetEx::Slot_valueChanged_ScrollBar);
    connect(m_View, &CCmnPrintPreviewGraphicsView::resized, this, &CCmnPrintPreviewWidgetEx::Slot_resized_GraphicsView);
    m_Scene->setBackgroundBrush(QBrush(Qt::gray, Qt::SolidPattern));
    m_View->setScene(m_Scene);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_View);
}

// The items go before the printer that recorded their pictures.
CCmnPrintPreviewWidgetEx::~CCmnPrintPreviewWidgetEx()
{
    qDeleteAll(m_Pages);
    m_Pages.clear();
}

void CCmnPrintPreviewWidgetEx::setVisible(bool visible)
{
    if (visible && !m_Initialized) {
        m_Initialized = true;
        RebuildPreview();
        m_View->updateGeometry();
    }
    CCmnWidget::setVisible(visible);
}

void CCmnPrintPreviewWidgetEx::RebuildPreview()
{
    auto recorder = std::make_unique<CCmnPrinter>(*m_Printer, CCmnPrinter::RecordPreview);
    emit paintRequested(recorder.get());
    m_Pictures = recorder->RecordedPages();
    CreatePageItems();
    m_Recorder = std::move(recorder);
    ArrangePages();
    m_CurrentPage = qBound(1, m_CurrentPage, qMax(1, PageCount()));
    if (m_Fitting)
        FitCurrentPage(false);
    emit previewChanged();
}

void CCmnPrintPreviewWidgetEx::CreatePageItems()
{
    qDeleteAll(m_Pages);
    m_Pages.clear();
    const QSize paper = m_Printer->paperRect(QPrinter::DevicePixel).size().toSize();
    const QRect page = m_Printer->pageRect(QPrinter::DevicePixel).toRect();
    for (qsizetype i = 0; i < m_Pictures.size(); ++i) {
        auto *item = new CCmnPrintPreviewWidgetPageItem(qint32(i + 1), m_Pictures.at(i), paper, page);
        m_Scene->addItem(item);
        m_Pages.append(item);
    }
}

void CCmnPrintPreviewWidgetEx::ArrangePages()
{
    if (m_Pages.isEmpty())
        return;
    const bool landscape = m_Printer->pageLayout().orientation() == QPageLayout::Landscape;
    const CCmnPreviewGrid grid = CmnArrangePreviewPages(m_PageMode, PageCount(), landscape);
    const QSizeF place = m_Pages.constFirst()->boundingRect().size();
    for (qsizetype i = 0; i < m_Pages.size(); ++i) {
        const QPoint cell = grid.m_Cells.at(i);
        m_Pages.at(i)->setPos(cell.x() * place.width(), cell.y() * place.height());
    }
    m_Scene->setSceneRect(m_Scene->itemsBoundingRect());
}

double CCmnPrintPreviewWidgetEx::ViewZoomFactor() const
{
    return m_View->transform().m11() * m_Printer->logicalDpiY() / logicalDpiY();
}

qint32 CCmnPrintPreviewWidgetEx::MostVisiblePage() const
{
    const QRect viewport = m_View->viewport()->rect();
    QList<QPair<qint32, qint64>> areas;
    for (QGraphicsItem *item : m_View->items(viewport)) {
        const auto *page = dynamic_cast<const CCmnPrintPreviewWidgetPageItem *>(item);
        if (!page)
            continue;
        const QRect shown = m_View->mapFromScene(page->sceneBoundingRect()).boundingRect() & viewport;
        areas.append({page->PageNumber(), qint64(shown.width()) * qint64(shown.height())});
    }
    return CmnMostVisiblePage(m_CurrentPage, areas);
}

void CCmnPrintPreviewWidgetEx::FitCurrentPage(bool refit)
{
    if (m_CurrentPage < 1 || m_CurrentPage > PageCount())
        return;
    if (!refit && !m_Fitting)
        return;
    const QRect viewport = m_View->viewport()->rect();
    if (refit && m_Fitting) {
        if (m_ZoomMode == CmnPreviewFitPage) {
            const QRectF current = m_Pages.at(m_CurrentPage - 1)->sceneBoundingRect();
            if (viewport.contains(m_View->mapFromScene(current).boundingRect()))
                return;
        }
        m_CurrentPage = MostVisiblePage();
    }

    QRectF target = m_Pages.at(m_CurrentPage - 1)->sceneBoundingRect();
    if (m_PageMode == CmnPreviewFacingPages) {
        // Page 1 stands on the right: odd pages take the place to their left.
        if (m_CurrentPage % 2)
            target.setLeft(target.left() - target.width());
        else
            target.setRight(target.right() + target.width());
    } else if (m_PageMode == CmnPreviewAllPages) {
        target = m_Scene->itemsBoundingRect();
    }

    if (m_ZoomMode == CmnPreviewFitWidth) {
        const double scale = viewport.width() / target.width();
        m_View->setTransform(QTransform::fromScale(scale, scale));
        if (refit && m_Fitting) {
            QRectF visible = m_View->viewportTransform().inverted().mapRect(QRectF(viewport));
            visible.moveTop(target.top());
            m_View->ensureVisible(visible, 50, 50);
        }
    } else {
        m_View->fitInView(target, Qt::KeepAspectRatio);
        if (m_ZoomMode == CmnPreviewFitPage) {
            const int step = qRound(m_View->transform().mapRect(target).height());
            m_View->verticalScrollBar()->setSingleStep(step);
            m_View->verticalScrollBar()->setPageStep(step);
        }
    }
    m_ZoomFactor = ViewZoomFactor();
    emit previewChanged();
}

void CCmnPrintPreviewWidgetEx::GoToPage(qint32 page)
{
    if (page < 1 || page > PageCount() || page == m_CurrentPage)
        return;
    const qint32 previous = m_CurrentPage;
    m_CurrentPage = page;
    if (previous < 1 || previous > PageCount())
        return;
    CCmnPrintPreviewWidgetPageItem *item = m_Pages.at(page - 1);
    if (m_ZoomMode == CmnPreviewFitPage) {
        m_View->centerOn(item);
        return;
    }
    const QPointF at = m_View->transform().map(item->pos());
    m_View->verticalScrollBar()->setValue(int(at.y()) - kScrollMargin);
    m_View->horizontalScrollBar()->setValue(int(at.x()) - kScrollMargin);
}

void CCmnPrintPreviewWidgetEx::SetPageMode(ECmnPreviewPageMode mode)
{
    m_PageMode = mode;
    ArrangePages();
    if (mode == CmnPreviewAllPages) {
        m_View->fitInView(m_Scene->sceneRect(), Qt::KeepAspectRatio);
        m_Fitting = false;
        m_ZoomMode = CmnPreviewCustomZoom;
        m_ZoomFactor = ViewZoomFactor();
        emit previewChanged();
        return;
    }
    m_Fitting = true;
    FitCurrentPage(false);
}

void CCmnPrintPreviewWidgetEx::Slot_resized_GraphicsView()
{
    FitCurrentPage(false);
}

void CCmnPrintPreviewWidgetEx::Slot_valueChanged_ScrollBar()
{
    if (m_PageMode == CmnPreviewAllPages)
        return;
    const qint32 page = MostVisiblePage();
    if (page == m_CurrentPage)
        return;
    m_CurrentPage = page;
    emit previewChanged();
}

void CCmnPrintPreviewWidgetEx::NameTheJob()
{
    if (!m_DocumentTitle.isEmpty())
        m_Printer->setDocName(CmnGetAppDescriptor().m_ProductDisplayName + QStringLiteral(" - ") + m_DocumentTitle);
}

void CCmnPrintPreviewWidgetEx::print()
{
    NameTheJob();
    emit paintRequested(m_Printer);
}

std::unique_ptr<CCmnPrinter> CCmnPrintPreviewWidgetEx::RecordPrint()
{
    NameTheJob();
    auto recorder = std::make_unique<CCmnPrinter>(*m_Printer, CCmnPrinter::RecordOutput);
    emit paintRequested(recorder.get());
    return recorder;
}
