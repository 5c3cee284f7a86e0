#pragma once
// Every point of a series, and a copy of it thin enough to draw. The points are grouped in
// order into at most a fixed number of columns of equal sample count; a column is drawn as
// its lowest and its highest point, so spikes survive the thinning. While there are no
// more points than columns every point is drawn. Appending costs O(1) amortised: when the
// columns run out, neighbouring pairs merge and each column holds twice as many samples.
// The points are kept in fixed blocks, so a long run never copies them to grow: memory
// grows by the size of a point per point.

#include <QPointF>
#include <QVector>

class MinMaxDecimator {
public:
    explicit MinMaxDecimator(int maxColumns);

    void append(const QPointF& point);
    void clear();

    QPointF point(int index) const { return m_blocks[index / kBlockPoints][index % kBlockPoints]; }
    // Every point, in order (a copy).
    QVector<QPointF> points() const;
    int size() const { return m_size; }
    // The points to draw, in the order they came: the first, each column's lowest and
    // highest, the newest.
    QVector<QPointF> drawn() const;

private:
    struct Column {
        int count = 0;
        int lowest = 0; // indices of points
        int highest = 0;
    };
    void mergePairs();
    double y(int index) const { return point(index).y(); }

    static constexpr int kBlockPoints = 4096; // 64 KiB
    QVector<QVector<QPointF>> m_blocks;
    int m_size = 0;
    QVector<Column> m_columns;
    int m_maxColumns;
    int m_perColumn = 1;
};
