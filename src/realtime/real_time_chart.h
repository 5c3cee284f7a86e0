#pragma once
// One of the real-time page's four charts: its chart, axes and series in a chart view of the
// form, with every sample kept beside it. What is drawn is a thinned copy of the samples
// (MinMaxDecimator). A short run is drawn as an animated spline, a point appended per sample;
// a long one as a band of pixel-column strokes through the thinned copy (ColumnBand), replaced
// in one go per burst, without animation: point-by-point appends, animations, splines and
// stroked series through a dense, noisy curve each cost more per sample the longer the run
// grows (and a spline overshoots between a column's lowest and highest sample).

#include "realtime/column_band.h"
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
    // The axis ranges, applied at the next flush.
    void setRanges(const AxisRange& x, const AxisRange& y);
    // Hands the samples appended since the last call to the series and applies the ranges.
    void flush();
    void clear();

    QtCharts::QChart* chart() const { return m_chart; }
    // The points drawn now: the spline's while the run is short, else the band's.
    QVector<QPointF> drawnPoints() const;
    QtCharts::QSplineSeries* spline() const { return m_spline; }
    ColumnBand* band() const { return m_band; }
    QtCharts::QValueAxis* xAxis() const { return m_xAxis; }
    QtCharts::QValueAxis* yAxis() const { return m_yAxis; }
    const MinMaxDecimator& samples() const { return m_samples; }

private:
    QtCharts::QChartView* m_view;
    QtCharts::QChart* m_chart;
    QtCharts::QValueAxis* m_xAxis;
    QtCharts::QValueAxis* m_yAxis;
    QtCharts::QSplineSeries* m_spline;
    ColumnBand* m_band; // a child of the chart; drawn in the spline's colour, under its name
    void applyRanges();

    MinMaxDecimator m_samples;
    int m_drawnFrom = 0; // samples().size() at the last flush
    AxisRange m_xRange;
    AxisRange m_yRange;
    bool m_rangesDue = false;
};
