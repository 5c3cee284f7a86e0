#include "realtime/real_time_run.h"

#include "protocol/protocol_constants.h"
#include "realtime/realtime_constants.h"

#include <QDebug>

#include <algorithm>
#include <cmath>

using namespace realtime;

namespace {
// The SOC's no-data marker reads as kNoDataDouble too.
std::array<double, kQuantityCount> valuesOf(const RealTimeSample& s) {
    return {double(s.soc), s.voltage, s.current, s.temperature};
}

bool readable(double value) {
    return value != kNoDataDouble;
}

// Nearest integer, halves to even (22.5 -> 22, 23.5 -> 24).
int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

template <typename T> void appendDistinct(QVector<T>& list, T value) {
    if (!list.contains(value))
        list.append(value);
}

void appendDistinct(QVector<double>& list, QSet<double>& seen, double value) {
    if (seen.contains(value))
        return;
    seen.insert(value);
    list.append(value);
}
} // namespace

SamplePlot RealTimeRun::add(const RealTimeSample& s) {
    if (s.item == kRunStartItem)
        startRun(s);
    const QDateTime now = parseSampleTime(s.time);
    qDebug() << "NowTime:" << now;
    SamplePlot plot;
    plot.y = valuesOf(s);
    if (m_runStart.isValid()) {
        // A time that cannot be read has no place on the time axis: nothing of the sample
        // is plotted (drawn at 0 it would pull the curves back to the run's start).
        plot.x = now.isValid() ? m_runStart.msecsTo(now) / kMsPerMinute : kNoDataDouble;
        if (!now.isValid())
            plot.y.fill(kNoDataDouble);
    }
    qDebug() << "TimeInterval:" << plot.x;
    if (readable(plot.x))
        m_xRange = {0.0, plot.x};
    plot.xRange = m_xRange;
    updateExtremes(plot.y);
    plot.yRanges = verticalRanges();
    qDebug() << "SocValue:" << s.soc << "VoltValue:" << s.voltage << "CurrValue:" << s.current
             << "TempValue:" << s.temperature;
    addValues(plot.y);
    return plot;
}

void RealTimeRun::startRun(const RealTimeSample& s) {
    m_runStart = parseSampleTime(s.time);
    qDebug() << "RealStartTime:" << m_runStart;
    // Only the minima restart with the run; the maxima keep growing across runs. A value the
    // unit printed unreadably leaves its minimum to the next one that can be read.
    const std::array<double, kQuantityCount> v = valuesOf(s);
    for (int q = 0; q < kQuantityCount; ++q) {
        m_minPending[q] = !readable(v[q]);
        if (readable(v[q]))
            m_min[q] = v[q];
    }
    clearValues();
}

void RealTimeRun::updateExtremes(const std::array<double, kQuantityCount>& v) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!readable(v[q]))
            continue;
        if (m_minPending[q])
            m_min[q] = v[q];
        m_minPending[q] = false;
        m_max[q] = std::max(m_max[q], v[q]);
        m_min[q] = std::min(m_min[q], v[q]);
    }
    double& socMin = m_min[int(Quantity::Soc)];
    double& socMax = m_max[int(Quantity::Soc)];
    socMin = std::max(socMin, double(kSocFloor));
    socMax = std::min(socMax, double(kSocCeiling));
}

std::array<AxisRange, kQuantityCount> RealTimeRun::verticalRanges() const {
    const double margins[kQuantityCount] = {double(kSocMargin), kVoltMargin, kCurrMargin,
                                            kTempMargin};
    std::array<AxisRange, kQuantityCount> ranges;
    for (int q = 0; q < kQuantityCount; ++q)
        ranges[q] = {m_min[q] - margins[q], m_max[q] + margins[q]};
    return ranges;
}

void RealTimeRun::addValues(const std::array<double, kQuantityCount>& v) {
    if (readable(v[int(Quantity::Soc)]))
        appendDistinct(m_socValues, int(v[int(Quantity::Soc)]));
    if (readable(v[int(Quantity::Volt)]))
        appendDistinct(m_voltValues, m_voltSeen, v[int(Quantity::Volt)]);
    if (readable(v[int(Quantity::Curr)]))
        appendDistinct(m_currValues, m_currSeen, v[int(Quantity::Curr)]);
    if (readable(v[int(Quantity::Temp)]))
        appendDistinct(m_tempValues, roundHalfEven(v[int(Quantity::Temp)]));
}

void RealTimeRun::clearValues() {
    m_socValues.clear();
    m_voltValues.clear();
    m_currValues.clear();
    m_tempValues.clear();
    m_voltSeen.clear();
    m_currSeen.clear();
}

double RealTimeRun::hoverTolerance(Quantity q) const {
    const double span = maximum(q) - minimum(q);
    return span > kWideSpan ? span / kWideSpanDivisor : kHoverTolerance;
}

std::optional<double> RealTimeRun::hoverValue(Quantity q, double y) const {
    if (q == Quantity::Soc || q == Quantity::Temp) {
        const QVector<int>& list = q == Quantity::Soc ? m_socValues : m_tempValues;
        const int n = qRound(y);
        return list.contains(n) ? std::optional<double>(n) : std::nullopt;
    }
    const QVector<double>& list = q == Quantity::Volt ? m_voltValues : m_currValues;
    const double tolerance = hoverTolerance(q);
    const auto hit = std::find_if(list.begin(), list.end(),
                                  [&](double v) { return std::abs(v - y) <= tolerance; });
    return hit == list.end() ? std::nullopt : std::optional<double>(*hit);
}
