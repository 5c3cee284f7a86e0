#pragma once
// Every point of a series, and a copy of it thin enough to draw. The points are grouped in
// order into at most a fixed number of columns of equal sample count; a column is drawn as
// its lowest and its highest point, so spikes survive the thinning. While there are no
// more points than columns every point is drawn. Appending costs O(1) amortised: when the
// columns run out, neighbouring pairs merge and each column holds twice as many samples.

#include <QPointF>
#include <QVector>

class MinMaxDecimator {
public:
    explicit MinMaxDecimator(int maxColumns);

    void append(const QPointF& point);
    void clear();

    const QVector<QPointF>& points() const { return m_points; }
    int size() const { return m_points.size(); }
    // The points to draw, in the order they came: the first, each column's lowest and
    // highest, the newest.
    QVector<QPointF> drawn() const;

private:
    struct Column {
        int count = 0;
        int lowest = 0; // indices into m_points
        int highest = 0;
    };
    void mergePairs();

    QVector<QPointF> m_points;
    QVector<Column> m_columns;
    int m_maxColumns;
    int m_perColumn = 1;
};
