#pragma once

#include <QList>
#include <QPaintEngine>
#include <QPicture>
#include <QPrintEngine>
#include <QPrinter>

#include <memory>

class QPainter;

// The paint and print engine of a recording printer. Every page painted on it
// is kept as a picture instead of being printed, and every setting and metric
// is the target printer's, so that pages are laid out exactly as the target
// would print them. The target's engines are looked up at each call: a target
// that changes its output format meanwhile is still followed.
class CCmnPageRecordingEngine : public QPaintEngine, public QPrintEngine
{
public:
    explicit CCmnPageRecordingEngine(QPrinter &target);
    ~CCmnPageRecordingEngine() override;
    CCmnPageRecordingEngine(const CCmnPageRecordingEngine &) = delete;
    CCmnPageRecordingEngine &operator=(const CCmnPageRecordingEngine &) = delete;

    // The pages recorded since the last begin, in order; they live as long as
    // the engine or until the next begin.
    QList<const QPicture *> Pages() const;

    // Paint engine: a page's drawing goes to the picture being recorded.
    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawRects(const QRect *rects, int count) override;
    void drawRects(const QRectF *rects, int count) override;
    void drawLines(const QLine *lines, int count) override;
    void drawLines(const QLineF *lines, int count) override;
    void drawEllipse(const QRectF &rect) override;
    void drawEllipse(const QRect &rect) override;
    void drawPath(const QPainterPath &path) override;
    void drawPoints(const QPointF *points, int count) override;
    void drawPoints(const QPoint *points, int count) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source) override;
    void drawTextItem(const QPointF &point, const QTextItem &textItem) override;
    void drawTiledPixmap(const QRectF &rect, const QPixmap &pixmap, const QPointF &offset) override;
    void drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override;
    Type type() const override;

    // Print engine: settings and metrics are the target's; pages are ours.
    void setProperty(PrintEnginePropertyKey key, const QVariant &value) override;
    QVariant property(PrintEnginePropertyKey key) const override;
    bool newPage() override;
    bool abort() override;
    int metric(QPaintDevice::PaintDeviceMetric metric) const override;
    QPrinter::PrinterState printerState() const override;

private:
    void StartPage();
    void FinishPage();
    QPrintEngine *Target() const;

    QPrinter &m_Target;
    std::vector<std::unique_ptr<QPicture>> m_Pages;
    // Draws into the page being recorded; its engine records what it is given.
    std::unique_ptr<QPainter> m_PagePainter;
    QPaintEngine *m_PageEngine = nullptr;
    QPrinter::PrinterState m_State = QPrinter::Idle;
};
