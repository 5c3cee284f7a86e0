#include "realtime/min_max_decimator.h"

#include <algorithm>

MinMaxDecimator::MinMaxDecimator(int maxColumns) : m_maxColumns(std::max(2, maxColumns)) {}

void MinMaxDecimator::append(const QPointF& point) {
    const int index = m_size;
    if (index % kBlockPoints == 0) {
        m_blocks.append(QVector<QPointF>());
        m_blocks.last().reserve(kBlockPoints);
    }
    m_blocks.last().append(point);
    ++m_size;
    if (m_columns.isEmpty() || m_columns.last().count >= m_perColumn) {
        m_columns.append({1, index, index});
        if (m_columns.size() > m_maxColumns)
            mergePairs();
        return;
    }
    Column& c = m_columns.last();
    ++c.count;
    if (point.y() < y(c.lowest))
        c.lowest = index;
    if (point.y() > y(c.highest))
        c.highest = index;
}

void MinMaxDecimator::mergePairs() {
    QVector<Column> merged;
    merged.reserve(m_columns.size() / 2 + 1);
    for (int i = 0; i < m_columns.size(); i += 2) {
        Column c = m_columns.at(i);
        if (i + 1 < m_columns.size()) {
            const Column& next = m_columns.at(i + 1);
            c.count += next.count;
            if (y(next.lowest) < y(c.lowest))
                c.lowest = next.lowest;
            if (y(next.highest) > y(c.highest))
                c.highest = next.highest;
        }
        merged.append(c);
    }
    m_columns = merged;
    m_perColumn *= 2;
}

QVector<QPointF> MinMaxDecimator::points() const {
    QVector<QPointF> out;
    out.reserve(m_size);
    for (const QVector<QPointF>& block : m_blocks)
        out += block;
    return out;
}

void MinMaxDecimator::clear() {
    m_blocks.clear();
    m_size = 0;
    m_columns.clear();
    m_perColumn = 1;
}

MinMaxDecimator::Edges MinMaxDecimator::drawn() const {
    Edges out;
    if (m_size == 0)
        return out;
    out.upper.reserve(m_columns.size() + 2);
    out.lower.reserve(m_columns.size() + 2);
    // The first and the newest point are always drawn, so the band spans the whole run.
    out.upper.append(point(0));
    out.lower.append(point(0));
    for (const Column& c : m_columns) {
        if (c.highest != 0)
            out.upper.append(point(c.highest));
        if (c.lowest != 0)
            out.lower.append(point(c.lowest));
    }
    if (m_size > 1) {
        if (m_columns.last().highest != m_size - 1)
            out.upper.append(point(m_size - 1));
        if (m_columns.last().lowest != m_size - 1)
            out.lower.append(point(m_size - 1));
    }
    return out;
}
