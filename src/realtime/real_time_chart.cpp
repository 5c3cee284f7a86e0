#include "realtime/real_time_chart.h"

#include "realtime/realtime_constants.h"

#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE
using namespace realtime;

namespace {
// Where the band sits among the chart's own items: with the series, over the grid and
// under the legend.
constexpr qreal kBandZ = 4;

QFont arial(int points) {
    return QFont(kChartFontFamily, points);
}

void setRangeIfChanged(QValueAxis* axis, const AxisRange& r) {
    if (axis->min() != r.min || axis->max() != r.max)
        axis->setRange(r.min, r.max);
}
} // namespace

RealTimeChart::RealTimeChart(QChartView* view, const QString& yLabelFormat, AxisRange yRange)
    : m_view(view), m_chart(new QChart), m_xAxis(new QValueAxis), m_yAxis(new QValueAxis),
      m_spline(new QSplineSeries), m_band(new ColumnBand(m_chart)), m_samples(kMaxDrawnColumns) {
    m_chart->setTitleFont(arial(kChartTitlePoints));
    m_chart->legend()->setFont(arial(kLegendPoints));
    m_chart->setContentsMargins(0, 0, 0, 0);
    m_chart->setMargins(QMargins(0, 0, 0, 0));
    m_xAxis->setRange(0, 1);
    m_xAxis->setTitleFont(arial(kAxisTitlePoints));
    m_xAxis->setLabelFormat("%.2f");
    m_yAxis->setRange(yRange.min, yRange.max);
    m_yAxis->setTitleFont(arial(kAxisTitlePoints));
    m_yAxis->setLabelFormat(yLabelFormat);
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_spline->setPointLabelsFont(arial(kPointLabelPoints));
    m_chart->addSeries(m_spline);
    m_spline->attachAxis(m_xAxis);
    m_spline->attachAxis(m_yAxis);
    m_band->setZValue(kBandZ);
    m_band->setColor(m_spline->color());
    QObject::connect(m_chart, &QChart::plotAreaChanged, m_band, &ColumnBand::setArea);
    m_band->setArea(m_chart->plotArea());
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
    // The view gives up its own default chart without deleting it.
    QChart* const defaultChart = view->chart();
    view->setChart(m_chart);
    delete defaultChart;
    view->setRenderHint(QPainter::Antialiasing);
}

void RealTimeChart::setTexts(const QString& title, const QString& seriesName, const QString& yTitle,
                             const QString& xTitle) {
    m_chart->setTitle(title);
    m_spline->setName(seriesName);
    m_yAxis->setTitleText(yTitle);
    m_xAxis->setTitleText(xTitle);
}

void RealTimeChart::setFonts(const ChartFontSizes& sizes) {
    m_chart->setTitleFont(arial(sizes.title));
    m_chart->legend()->setFont(arial(sizes.legend));
    for (QValueAxis* axis : {m_xAxis, m_yAxis}) {
        axis->setTitleFont(arial(sizes.axisTitle));
        axis->setLabelsFont(arial(sizes.axisLabels));
    }
}

void RealTimeChart::setRanges(const AxisRange& x, const AxisRange& y) {
    m_xRange = x;
    m_yRange = y;
    m_rangesDue = true;
}

void RealTimeChart::applyRanges() {
    if (!m_rangesDue)
        return;
    setRangeIfChanged(m_xAxis, m_xRange);
    setRangeIfChanged(m_yAxis, m_yRange);
    m_rangesDue = false;
}

QVector<QPointF> RealTimeChart::drawnPoints() const {
    if (!m_band->points().isEmpty())
        return m_band->points();
    return m_spline->pointsVector();
}

void RealTimeChart::flush() {
    const int count = m_samples.size();
    if (count <= kShortSeriesPoints) {
        applyRanges();
        // Appended point by point, so that each animates in from the last; a replaced series
        // would restart its animation with every burst and trail behind the stream.
        for (int i = m_drawnFrom; i < count; ++i)
            m_spline->append(m_samples.point(i));
        m_drawnFrom = count;
        return;
    }
    if (count == m_drawnFrom) {
        if (m_rangesDue) {
            applyRanges();
            m_band->setPoints(m_band->points(), m_xRange, m_yRange);
        }
        return;
    }
    if (m_chart->animationOptions() != QChart::NoAnimation) {
        m_chart->setAnimationOptions(QChart::NoAnimation);
        // A burst repaints the axes and grid under every changed column: antialiased, that
        // costs a fifth more per burst and smooths nothing, the lines being straight. The band
        // draws without it anyway; text keeps its own smoothing.
        m_view->setRenderHint(QPainter::Antialiasing, false);
    }
    if (m_spline->count() > 0)
        m_spline->clear();
    applyRanges();
    m_band->setPoints(m_samples.drawn(), {m_xAxis->min(), m_xAxis->max()},
                      {m_yAxis->min(), m_yAxis->max()});
    m_drawnFrom = count;
}

void RealTimeChart::clear() {
    m_samples.clear();
    m_drawnFrom = 0;
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
    m_view->setRenderHint(QPainter::Antialiasing, true);
    m_spline->clear();
    m_band->clear();
}
