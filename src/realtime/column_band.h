#pragma once
// The thinned copy of a long run, drawn as what it is: in each pixel column of the plot, one
// vertical stroke over the rows the polyline through the drawn points covers there. That is
// the picture of the polyline drawn 1 px wide without antialiasing, but it costs one filled
// rectangle per pixel column however steep the line, it needs no stroked outline for the
// hover, and a new sample repaints only the columns that changed. A chart series strokes its
// whole curve on every change and repaints all it covers, with the grid under it (the grid
// lines are most of a chart's repaint): once a long run's columns span their ranges, that
// grows with the run.

#include "realtime/real_time_run.h"

#include <QColor>
#include <QGraphicsObject>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QVector>

// A pixel column of the plot and the rows it covers, both ends included; relative to the plot.
struct PixelSpan {
    int column = 0;
    int top = 0;
    int bottom = 0;
    bool operator==(const PixelSpan& o) const {
        return column == o.column && top == o.top && bottom == o.bottom;
    }
};

// The pixel columns a polyline through `points` covers in a plot of `size` (pixels) showing
// the ranges `x` and `y`, in column order; nothing for empty ranges or sizes. Points outside
// the ranges are clamped to the plot's edges.
QVector<PixelSpan> polylineSpans(const QVector<QPointF>& points, const AxisRange& x,
                                 const AxisRange& y, const QSizeF& size);

// Where two sets of spans differ, as few rectangles as cover the changed columns (plot pixels,
// rows of both sets included): what needs repainting when one replaces the other.
QVector<QRect> changedRects(const QVector<PixelSpan>& before, const QVector<PixelSpan>& after);

class ColumnBand : public QGraphicsObject {
    Q_OBJECT
public:
    explicit ColumnBand(QGraphicsItem* parent = nullptr);

    // The points to draw (value coordinates, in time order) and the ranges they are drawn in.
    void setPoints(const QVector<QPointF>& points, const AxisRange& x, const AxisRange& y);
    // The plot's rectangle, in the parent's coordinates.
    void setArea(const QRectF& area);
    void setColor(const QColor& color);
    void clear();

    const QVector<QPointF>& points() const { return m_points; }
    const QVector<PixelSpan>& spans() const { return m_spans; }
    // The plot's rectangle on whole pixels: where the spans' columns and rows count from.
    QRectF pixelArea() const;
    // The values under a position of the plot (this item's coordinates).
    QPointF valueAt(const QPointF& position) const;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF& position) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

signals:
    // As a chart series': the values under the cursor, on entering the stroke, while moving
    // over it (true) and on leaving it (false).
    void hovered(const QPointF& value, bool state);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    void layOut();

    QVector<QPointF> m_points;
    AxisRange m_x;
    AxisRange m_y;
    QRectF m_area;
    QRectF m_bounds; // of the strokes and the hover's slack
    QColor m_color;
    QVector<PixelSpan> m_spans;
};
