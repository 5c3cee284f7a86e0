#include "realtime/real_time_chart.h"

#include "realtime/realtime_constants.h"

#include <QPen>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
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
    : m_view(view), m_chart(new QChart), m_xAxis(new QValueAxis), m_yAxis(new QValueAxis),
      m_spline(new QSplineSeries), m_line(new QLineSeries), m_samples(kMaxDrawnColumns) {
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
    for (QXYSeries* s : {static_cast<QXYSeries*>(m_spline), static_cast<QXYSeries*>(m_line)}) {
        s->setPointLabelsFont(arial(kPointLabelPoints));
        m_chart->addSeries(s);
        s->attachAxis(m_xAxis);
        s->attachAxis(m_yAxis);
    }
    // The thinned copy is drawn 1 px wide: once its columns hold many samples each spans its
    // column's whole range, and a wider antialiased pen costs several times as much to draw.
    QPen thin = m_spline->pen();
    thin.setWidth(1);
    thin.setCosmetic(true);
    m_line->setPen(thin);
    m_chart->legend()->markers(m_line).first()->setVisible(false);
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
    m_line->setName(seriesName);
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

QXYSeries* RealTimeChart::series() const {
    if (m_line->count() > 0)
        return m_line;
    return m_spline;
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
        applyRanges();
        return;
    }
    if (m_chart->animationOptions() != QChart::NoAnimation) {
        m_chart->setAnimationOptions(QChart::NoAnimation);
        // The thinned line goes up and down each column: antialiasing its many steep 1 px
        // segments costs several times the rest of the chart, and adds nothing to a band
        // of vertical strokes. The axes and grid are straight; text keeps its own smoothing.
        m_view->setRenderHint(QPainter::Antialiasing, false);
    }
    if (m_spline->count() > 0)
        m_spline->clear();
    // Every change of an axis range makes the chart redo the outline of the whole drawn
    // curve (its stroke, for the hover). Emptied first, the ranges cost next to nothing and
    // the outline is made once per burst instead of once per axis and once for the points.
    if (m_rangesDue && m_line->count() > 0)
        m_line->clear();
    applyRanges();
    m_line->replace(m_samples.drawn());
    m_drawnFrom = count;
}

void RealTimeChart::clear() {
    m_samples.clear();
    m_drawnFrom = 0;
    m_chart->setAnimationOptions(QChart::SeriesAnimations);
    m_view->setRenderHint(QPainter::Antialiasing, true);
    m_spline->clear();
    m_line->clear();
}
