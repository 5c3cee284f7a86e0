#pragma once
// The state of one real-time run: its start, the extremes and the lists of distinct values
// of the four quantities, and what each sample does to the charts (its point and the axis
// ranges). Also the hover read-out's matching against the value lists. No
// widget, no port: the main window asks and applies the answer.

#include "realtime/real_time_sample.h"

#include <QDateTime>
#include <QSet>
#include <QVector>

#include <array>
#include <optional>

enum class Quantity { Soc = 0, Volt = 1, Curr = 2, Temp = 3 };
inline constexpr int kQuantityCount = 4;

struct AxisRange {
    double min = 0.0;
    double max = 0.0;
    bool operator==(const AxisRange& o) const { return min == o.min && max == o.max; }
};

// What one sample changes on the charts: the x of its four points (minutes since the run
// start), their y values, the horizontal range (0 to the last x) and the four vertical
// ranges, indexed by Quantity. An x or y of kNoDataDouble is no point: a time that cannot be
// read places none of the four, an unreadable value only its own.
struct SamplePlot {
    double x = 0.0;
    std::array<double, kQuantityCount> y{};
    AxisRange xRange;
    std::array<AxisRange, kQuantityCount> yRanges{};
};

class RealTimeRun {
public:
    // Extremes 0, no run start yet.
    RealTimeRun() = default;

    // Takes one sample: a new run when its item number is 1, then extremes, clamps, value
    // lists; returns where it is drawn.
    SamplePlot add(const RealTimeSample& sample);

    // Empties the value lists (the run start, the extremes and the ranges stay until the
    // next run starts).
    void clearValues();

    // Hover read-out: the value of the quantity's list that the pointed y stands for, or
    // nothing. Voltage and current: the first list value within the tolerance; SOC and
    // temperature: y rounded, when the list holds it.
    std::optional<double> hoverValue(Quantity q, double y) const;
    // 0.1, or a hundredth of the quantity's span (max - min) when the span exceeds 10.
    double hoverTolerance(Quantity q) const;

    QDateTime runStart() const { return m_runStart; }
    double minimum(Quantity q) const { return m_min[int(q)]; }
    double maximum(Quantity q) const { return m_max[int(q)]; }
    const QVector<int>& socValues() const { return m_socValues; }
    const QVector<double>& voltValues() const { return m_voltValues; }
    const QVector<double>& currValues() const { return m_currValues; }
    const QVector<int>& tempValues() const { return m_tempValues; }

private:
    void startRun(const RealTimeSample& s);
    void updateExtremes(const std::array<double, kQuantityCount>& v);
    void addValues(const std::array<double, kQuantityCount>& v);
    std::array<AxisRange, kQuantityCount> verticalRanges() const;

    QDateTime m_runStart; // invalid until a sample with item number 1
    std::array<double, kQuantityCount> m_min{};
    std::array<double, kQuantityCount> m_max{};
    // The run's start had no readable value: the next readable one becomes the minimum.
    std::array<bool, kQuantityCount> m_minPending{};
    AxisRange m_xRange; // 0 to the x of the last sample placed
    // Distinct values in order of first appearance; the sets answer "already there?" at
    // once for a day of samples.
    QVector<int> m_socValues;
    QVector<double> m_voltValues;
    QVector<double> m_currValues;
    QVector<int> m_tempValues;
    QSet<double> m_voltSeen;
    QSet<double> m_currSeen;
};
