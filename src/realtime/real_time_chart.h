#pragma once
// One of the real-time page's four charts: its chart, axes and spline series in a chart view
// of the form, with every sample kept beside it. The series draws a thinned copy of the
// samples (MinMaxDecimator), replaced in one go per burst, and animates only while it is
// short: point-by-point appends and animations on a long series cost more per sample the
// longer the run grows.

#include "realtime/min_max_decimator.h"
#include "realtime/real_time_layout.h"
#include "realtime/real_time_run.h"

#include <QString>
#include <QtCharts/QChartGlobal>

QT_CHARTS_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QSplineSeries;
class QValueAxis;
QT_CHARTS_END_NAMESPACE

class RealTimeChart {
public:
    // Builds the chart into `view` (which owns it from then on); `yLabelFormat` is a printf
    // format such as "%d", `yRange` the vertical range until samples come.
    RealTimeChart(QtCharts::QChartView* view, const QString& yLabelFormat, AxisRange yRange);
    RealTimeChart(const RealTimeChart&) = delete;
    RealTimeChart& operator=(const RealTimeChart&) = delete;

    // The translated texts, at start and on every language change.
    void setTexts(const QString& title, const QString& seriesName, const QString& yTitle,
                  const QString& xTitle);
    void setFonts(const ChartFontSizes& sizes);

    void append(double x, double y) { m_samples.append({x, y}); }
    void setRanges(const AxisRange& x, const AxisRange& y);
    // Hands the samples appended since the last call to the series.
    void flush();
    void clear();

    QtCharts::QChart* chart() const { return m_chart; }
    QtCharts::QSplineSeries* series() const { return m_series; }
    QtCharts::QValueAxis* xAxis() const { return m_xAxis; }
    QtCharts::QValueAxis* yAxis() const { return m_yAxis; }
    const MinMaxDecimator& samples() const { return m_samples; }

private:
    QtCharts::QChart* m_chart;
    QtCharts::QValueAxis* m_xAxis;
    QtCharts::QValueAxis* m_yAxis;
    QtCharts::QSplineSeries* m_series;
    MinMaxDecimator m_samples;
    int m_drawnFrom = 0; // samples().size() at the last flush
};
