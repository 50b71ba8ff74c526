#include "cmnpagerecordingengine.h"

#include <QPainter>

namespace {

// Reaches the flags that say which parts of a painter's state a paint engine
// is to take; a pointer to a protected member may be formed in a derived class.
struct CStateFlags : QPaintEngineState
{
    static QPaintEngine::DirtyFlags QPaintEngineState::*Member() { return &CStateFlags::dirtyFlags; }
};

} // namespace

CCmnPageRecordingEngine::CCmnPageRecordingEngine(QPrinter &target)
    : QPaintEngine(AllFeatures)
    , m_Target(target)
{
}

CCmnPageRecordingEngine::~CCmnPageRecordingEngine()
{
    FinishPage();
}

QList<const QPicture *> CCmnPageRecordingEngine::Pages() const
{
    QList<const QPicture *> pages;
    pages.reserve(qsizetype(m_Pages.size()));
    for (const std::unique_ptr<QPicture> &page : m_Pages)
        pages.append(page.get());
    return pages;
}

QPrintEngine *CCmnPageRecordingEngine::Target() const
{
    return m_Target.printEngine();
}

void CCmnPageRecordingEngine::StartPage()
{
    m_Pages.push_back(std::make_unique<QPicture>());
    m_PagePainter = std::make_unique<QPainter>(m_Pages.back().get());
    m_PageEngine = m_PagePainter->paintEngine();
}

void CCmnPageRecordingEngine::FinishPage()
{
    if (!m_PagePainter)
        return;
    m_PagePainter->end();
    m_PagePainter.reset();
    m_PageEngine = nullptr;
}

bool CCmnPageRecordingEngine::begin(QPaintDevice *device)
{
    Q_UNUSED(device)
    FinishPage();
    m_Pages.clear();
    StartPage();
    m_State = QPrinter::Active;
    return true;
}

bool CCmnPageRecordingEngine::end()
{
    FinishPage();
    m_State = QPrinter::Idle;
    return true;
}

// The picture's own engine records exactly what a painter hands it, state
// changes included, so each call is passed on unchanged.

void CCmnPageRecordingEngine::updateState(const QPaintEngineState &state)
{
    m_PageEngine->updateState(state);
}

void CCmnPageRecordingEngine::drawRects(const QRect *rects, int count)
{
    m_PageEngine->drawRects(rects, count);
}

void CCmnPageRecordingEngine::drawRects(const QRectF *rects, int count)
{
    m_PageEngine->drawRects(rects, count);
}

void CCmnPageRecordingEngine::drawLines(const QLine *lines, int count)
{
    m_PageEngine->drawLines(lines, count);
}

void CCmnPageRecordingEngine::drawLines(const QLineF *lines, int count)
{
    m_PageEngine->drawLines(lines, count);
}

void CCmnPageRecordingEngine::drawEllipse(const QRectF &rect)
{
    m_PageEngine->drawEllipse(rect);
}

void CCmnPageRecordingEngine::drawEllipse(const QRect &rect)
{
    m_PageEngine->drawEllipse(rect);
}

void CCmnPageRecordingEngine::drawPath(const QPainterPath &path)
{
    m_PageEngine->drawPath(path);
}

void CCmnPageRecordingEngine::drawPoints(const QPointF *points, int count)
{
    m_PageEngine->drawPoints(points, count);
}

void CCmnPageRecordingEngine::drawPoints(const QPoint *points, int count)
{
    m_PageEngine->drawPoints(points, count);
}

void CCmnPageRecordingEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    m_PageEngine->drawPolygon(points, count, mode);
}

void CCmnPageRecordingEngine::drawPolygon(const QPoint *points, int count, PolygonDrawMode mode)
{
    m_PageEngine->drawPolygon(points, count, mode);
}

void CCmnPageRecordingEngine::drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source)
{
    m_PageEngine->drawPixmap(rect, pixmap, source);
}

void CCmnPageRecordingEngine::drawTextItem(const QPointF &point, const QTextItem &textItem)
{
    m_PageEngine->drawTextItem(point, textItem);
}

void CCmnPageRecordingEngine::drawTiledPixmap(const QRectF &rect, const QPixmap &pixmap, const QPointF &offset)
{
    m_PageEngine->drawTiledPixmap(rect, pixmap, offset);
}

void CCmnPageRecordingEngine::drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                                        Qt::ImageConversionFlags flags)
{
    m_PageEngine->drawImage(rect, image, source, flags);
}

QPaintEngine::Type CCmnPageRecordingEngine::type() const
{
    return Picture;
}

void CCmnPageRecordingEngine::setProperty(PrintEnginePropertyKey key, const QVariant &value)
{
    Target()->setProperty(key, value);
}

QVariant CCmnPageRecordingEngine::property(PrintEnginePropertyKey key) const
{
    return Target()->property(key);
}

bool CCmnPageRecordingEngine::newPage()
{
    if (m_State != QPrinter::Active)
        return false;
    FinishPage();
    StartPage();
    // A painter hands its engine only what changed, and each page is a picture
    // of its own: the new page starts from the painter's whole state. The clip
    // is left out; painters end a page's clipping before the next page.
    if (state) {
        const QPaintEngine::DirtyFlags all = QPaintEngine::AllDirty
            & ~(QPaintEngine::DirtyClipPath | QPaintEngine::DirtyClipRegion | QPaintEngine::DirtyClipEnabled);
        const QPaintEngine::DirtyFlags pending = (*state).*CStateFlags::Member();
        (*state).*CStateFlags::Member() = all;
        m_PageEngine->updateState(*state);
        (*state).*CStateFlags::Member() = pending;
    }
    return true;
}

bool CCmnPageRecordingEngine::abort()
{
    FinishPage();
    m_Pages.clear();
    m_State = QPrinter::Aborted;
    return true;
}

int CCmnPageRecordingEngine::metric(QPaintDevice::PaintDeviceMetric metric) const
{
    return Target()->metric(metric);
}

QPrinter::PrinterState CCmnPageRecordingEngine::printerState() const
{
    return m_State;
}
