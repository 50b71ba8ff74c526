#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QTextItem>
#include <QTransform>

// A paint device that records what is painted on it instead of making pixels:
// each text run with its baseline origin, width and pen colour, each pixmap with
// its target rectangle and each filled rectangle with its brush, all in device
// coordinates. Tests read what a widget shows from it without comparing pixels,
// which would depend on the fonts installed.
class CPaintRecorder : public QPaintDevice
{
public:
    struct SText
    {
        QString m_Text;
        QPointF m_Origin;
        qreal m_Width = 0;
        QColor m_Color;
        qreal Right() const { return m_Origin.x() + m_Width; }
    };
    struct SPixmap
    {
        QRectF m_Target;
        QSize m_Size;
    };
    struct SFill
    {
        QRectF m_Rect;
        QBrush m_Brush;
    };

    explicit CPaintRecorder(QSize size) : m_Engine(this), m_Size(size) {}

    QPaintEngine *paintEngine() const override { return &m_Engine; }

    const QList<SText> &Texts() const { return m_Engine.m_Texts; }
    const QList<SPixmap> &Pixmaps() const { return m_Engine.m_Pixmaps; }
    const QList<SFill> &Fills() const { return m_Engine.m_Fills; }
    void Clear()
    {
        m_Engine.m_Texts.clear();
        m_Engine.m_Pixmaps.clear();
        m_Engine.m_Fills.clear();
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_Size.width();
        case PdmHeight: return m_Size.height();
        case PdmWidthMM: return m_Size.width() * 254 / 960;
        case PdmHeightMM: return m_Size.height() * 254 / 960;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class CEngine : public QPaintEngine
    {
    public:
        explicit CEngine(CPaintRecorder *) : QPaintEngine(QPaintEngine::AllFeatures) {}

        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }

        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                m_Transform = state.transform();
            if (state.state() & DirtyPen)
                m_Pen = state.pen();
            if (state.state() & DirtyBrush)
                m_Brush = state.brush();
        }

        void drawTextItem(const QPointF &origin, const QTextItem &item) override
        {
            m_Texts.append({item.text(), m_Transform.map(origin), item.width(), m_Pen.color()});
        }
        void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &) override
        {
            m_Pixmaps.append({m_Transform.mapRect(target), pixmap.size()});
        }
        void drawRects(const QRectF *rects, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_Fills.append({m_Transform.mapRect(rects[i]), m_Brush});
        }
        void drawRects(const QRect *rects, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_Fills.append({m_Transform.mapRect(QRectF(rects[i])), m_Brush});
        }
        // Other primitives (lines, paths of the style's frames) are not recorded.
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}

        QTransform m_Transform;
        QPen m_Pen;
        QBrush m_Brush;
        QList<SText> m_Texts;
        QList<SPixmap> m_Pixmaps;
        QList<SFill> m_Fills;
    };

    mutable CEngine m_Engine;
    QSize m_Size;
};
