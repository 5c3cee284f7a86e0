#include "realtime/column_band.h"

#include <QGraphicsSceneHoverEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// How far from the drawn rows the cursor still counts as over the line (pixels).
constexpr int kHoverSlack = 3;

QRectF alignedArea(const QRectF& area) {
    return QRectF(std::round(area.left()), std::round(area.top()), std::floor(area.width()),
                  std::floor(area.height()));
}
} // namespace

QVector<PixelSpan> polylineSpans(const QVector<QPointF>& points, const AxisRange& x,
                                 const AxisRange& y, const QSizeF& size) {
    const int columns = int(std::floor(size.width()));
    const int rows = int(std::floor(size.height()));
    if (points.isEmpty() || columns <= 0 || rows <= 0 || !(x.max > x.min) || !(y.max > y.min))
        return {};
    const auto px = [&](double v) {
        return std::clamp((v - x.min) / (x.max - x.min) * columns, 0.0, double(columns));
    };
    const auto py = [&](double v) {
        return std::clamp((y.max - v) / (y.max - y.min) * rows, 0.0, double(rows));
    };
    const auto column = [&](double v) { return std::min(int(v), columns - 1); };
    const auto row = [&](double v) { return std::min(int(v), rows - 1); };

    constexpr int kNone = std::numeric_limits<int>::max();
    std::vector<int> top(size_t(columns), kNone);
    std::vector<int> bottom(size_t(columns), -1);
    // Rows as half-open intervals, so that a line's step from one row to the next at a
    // column's edge does not thicken both columns; a point takes its own row.
    const auto cover = [&](int c, double y0, double y1) {
        const int from = row(std::min(y0, y1));
        const int to = std::max(from, row(std::ceil(std::max(y0, y1)) - 1));
        top[size_t(c)] = std::min(top[size_t(c)], from);
        bottom[size_t(c)] = std::max(bottom[size_t(c)], to);
    };
    bool first = true;
    QPointF a;
    for (const QPointF& p : points) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue; // nothing to place; the line goes on from the last point that had a place
        const QPointF b(px(p.x()), py(p.y()));
        cover(column(b.x()), b.y(), b.y());
        if (std::exchange(first, false)) {
            a = b;
            continue;
        }
        QPointF from = a, to = b;
        if (to.x() < from.x())
            std::swap(from, to);
        const double dx = to.x() - from.x();
        // The line's rows within each pixel column it crosses.
        for (int c = column(from.x()); c <= column(to.x()); ++c) {
            if (dx == 0) {
                cover(c, from.y(), to.y());
                continue;
            }
            const double x0 = std::max(from.x(), double(c));
            const double x1 = std::min(to.x(), double(c + 1));
            const double slope = (to.y() - from.y()) / dx;
            cover(c, from.y() + slope * (x0 - from.x()), from.y() + slope * (x1 - from.x()));
        }
        a = b;
    }
    QVector<PixelSpan> spans;
    for (int c = 0; c < columns; ++c) {
        if (bottom[size_t(c)] >= 0)
            spans.append({c, top[size_t(c)], bottom[size_t(c)]});
    }
    return spans;
}

QVector<QRect> changedRects(const QVector<PixelSpan>& before, const QVector<PixelSpan>& after) {
    // Changed columns less than this far apart share a rectangle.
    constexpr int kJoinGap = 8;
    QVector<QRect> rects;
    QRect run;
    int lastChanged = std::numeric_limits<int>::min();
    const auto changed = [&](int column, int top, int bottom) {
        const QRect cell(column, top, 1, bottom - top + 1);
        if (!run.isNull() && column - lastChanged > kJoinGap) {
            rects.append(run);
            run = QRect();
        }
        run = run.isNull() ? cell : run.united(cell);
        lastChanged = column;
    };
    auto b = before.begin();
    auto a = after.begin();
    while (b != before.end() || a != after.end()) {
        if (a == after.end() || (b != before.end() && b->column < a->column)) {
            changed(b->column, b->top, b->bottom);
            ++b;
        } else if (b == before.end() || a->column < b->column) {
            changed(a->column, a->top, a->bottom);
            ++a;
        } else {
            if (!(*a == *b))
                changed(a->column, std::min(a->top, b->top), std::max(a->bottom, b->bottom));
            ++a;
            ++b;
        }
    }
    if (!run.isNull())
        rects.append(run);
    return rects;
}

ColumnBand::ColumnBand(QGraphicsItem* parent) : QGraphicsObject(parent) {
    setAcceptHoverEvents(true);
    // paint() draws only the exposed columns.
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
}

void ColumnBand::setPoints(const QVector<QPointF>& points, const AxisRange& x,
                           const AxisRange& y) {
    m_points = points;
    m_x = x;
    m_y = y;
    layOut();
}

void ColumnBand::setArea(const QRectF& area) {
    if (area == m_area)
        return;
    update(); // every column moves: what is drawn now goes
    m_area = area;
    m_spans.clear();
    layOut();
}

void ColumnBand::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ColumnBand::clear() {
    m_points.clear();
    layOut();
}

void ColumnBand::layOut() {
    const QRectF area = alignedArea(m_area);
    QVector<PixelSpan> spans = polylineSpans(m_points, m_x, m_y, area.size());
    QRectF bounds;
    if (!spans.isEmpty()) {
        int top = spans.first().top;
        int bottom = spans.first().bottom;
        for (const PixelSpan& s : spans) {
            top = std::min(top, s.top);
            bottom = std::max(bottom, s.bottom);
        }
        bounds = QRectF(area.left() + spans.first().column, area.top() + top,
                        spans.last().column - spans.first().column + 1, bottom - top + 1)
                     .adjusted(-kHoverSlack, -kHoverSlack, kHoverSlack, kHoverSlack);
    }
    if (bounds != m_bounds) {
        prepareGeometryChange(); // repaints all of the old bounds and the new
        m_bounds = bounds;
        m_spans = spans;
        return;
    }
    for (const QRect& r : changedRects(m_spans, spans))
        update(r.translated(area.topLeft().toPoint()));
    m_spans = spans;
}

QRectF ColumnBand::pixelArea() const {
    return alignedArea(m_area);
}

QPointF ColumnBand::valueAt(const QPointF& position) const {
    const QRectF area = alignedArea(m_area);
    if (area.isEmpty())
        return {};
    return {m_x.min + (position.x() - area.left()) / area.width() * (m_x.max - m_x.min),
            m_y.max - (position.y() - area.top()) / area.height() * (m_y.max - m_y.min)};
}

QRectF ColumnBand::boundingRect() const {
    return m_bounds;
}

QPainterPath ColumnBand::shape() const {
    const QRectF area = alignedArea(m_area);
    QPainterPath path;
    for (const PixelSpan& s : m_spans)
        path.addRect(area.left() + s.column, area.top() + s.top - kHoverSlack, 1,
                     s.bottom - s.top + 1 + 2 * kHoverSlack);
    return path;
}

bool ColumnBand::contains(const QPointF& position) const {
    const QRectF area = alignedArea(m_area);
    const double column = position.x() - area.left();
    const double row = position.y() - area.top();
    auto it = std::lower_bound(
        m_spans.begin(), m_spans.end(), int(std::floor(column)) - kHoverSlack,
        [](const PixelSpan& s, int c) { return s.column < c; });
    for (; it != m_spans.end() && it->column <= column + kHoverSlack; ++it) {
        if (row >= it->top - kHoverSlack && row <= it->bottom + 1 + kHoverSlack)
            return true;
    }
    return false;
}

void ColumnBand::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    const QRectF area = alignedArea(m_area);
    const double fromColumn = option->exposedRect.left() - area.left() - 1;
    const auto first = std::lower_bound(
        m_spans.begin(), m_spans.end(), fromColumn,
        [](const PixelSpan& s, double c) { return s.column < c; });
    const double toColumn = option->exposedRect.right() - area.left();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Neighbouring columns over the same rows (a flat stretch) are one rectangle.
    for (auto it = first; it != m_spans.end() && it->column <= toColumn;) {
        auto next = it + 1;
        while (next != m_spans.end() && next->column == it->column + (next - it) &&
               next->top == it->top && next->bottom == it->bottom)
            ++next;
        painter->fillRect(QRectF(area.left() + it->column, area.top() + it->top,
                                 double(next - it), it->bottom - it->top + 1),
                          m_color);
        it = next;
    }
    painter->restore();
}

void ColumnBand::hoverEnterEvent(QGraphicsSceneHoverEvent* event) {
    emit hovered(valueAt(event->pos()), true);
}

void ColumnBand::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    emit hovered(valueAt(event->pos()), true);
}

void ColumnBand::hoverLeaveEvent(QGraphicsSceneHoverEvent* event) {
    emit hovered(valueAt(event->pos()), false);
}
