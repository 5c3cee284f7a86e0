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

QVector<QPointF> MinMaxDecimator::drawn() const {
    QVector<QPointF> out;
    if (m_size == 0)
        return out;
    out.reserve(m_columns.size() * 2 + 2);
    // The first and the newest point are always drawn, so the curve spans the whole run.
    int last = 0;
    out.append(point(0));
    auto take = [&](int index) {
        if (index > last) {
            out.append(point(index));
            last = index;
        }
    };
    for (const Column& c : m_columns) {
        take(std::min(c.lowest, c.highest));
        take(std::max(c.lowest, c.highest));
    }
    take(m_size - 1);
    return out;
}
