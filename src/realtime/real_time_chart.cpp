#include "realtime/real_time_chart.h"

#include "realtime/realtime_constants.h"

#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE
using namespace realtime;

namespace {
QFont arial(int points) {
    return QFont(kChartFontFamily, points);
}

void setRangeIfChanged(QValueAxis* axis, const AxisRange& r) {
    if (axis->min() != r.min || axis->max() != r.max)
        axis->setRange(r.min, r.max);
}
} // namespace

RealTimeChart::RealTimeChart(QChartView* view, const QString& yLabelFormat, AxisRange yRange)
    : m_chart(new QChart), m_xAxis(new QValueAxis), m_yAxis(new QValueAxis),
      m_series(new QSplineSeries), m_samples(kMaxDrawnColumns) {
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
    m_series->setPointLabelsFont(arial(kPointLabelPoints));
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_chart->addSeries(m_series);
    m_series->attachAxis(m_xAxis);
    m_series->attachAxis(m_yAxis);
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
    view->setChart(m_chart);
    view->setRenderHint(QPainter::Antialiasing);
}

void RealTimeChart::setTexts(const QString& title, const QString& seriesName, const QString& yTitle,
                             const QString& xTitle) {
    m_chart->setTitle(title);
    m_series->setName(seriesName);
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
    setRangeIfChanged(m_xAxis, x);
    setRangeIfChanged(m_yAxis, y);
}

void RealTimeChart::flush() {
    if (m_samples.size() == m_drawnFrom)
        return;
    m_drawnFrom = m_samples.size();
    const QVector<QPointF> drawn = m_samples.drawn();
    const QChart::AnimationOptions animation =
        drawn.size() <= kMaxAnimatedPoints ? QChart::SeriesAnimations : QChart::NoAnimation;
    if (m_chart->animationOptions() != animation)
        m_chart->setAnimationOptions(animation);
    m_series->replace(drawn);
}

void RealTimeChart::clear() {
    m_samples.clear();
    m_drawnFrom = 0;
    m_series->clear();
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
}
