#pragma once
// The real-time page's chart set: the four charts in the form's chart views, the run they
// draw (its extremes and value lists), and the label that shows a hovered point's reading.

#include "realtime/real_time_chart.h"
#include "realtime/real_time_run.h"

#include <QCoreApplication>

#include <array>
#include <memory>

class QLabel;
class QPointF;
class QWidget;
namespace Ui {
class BMSMainWin;
}

class RealTimeCharts {
    // Their texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    // InitRealTimeCharts: the charts into the form's views; the hover label on `window`.
    RealTimeCharts(Ui::BMSMainWin* ui, QWidget* window);
    RealTimeCharts(const RealTimeCharts&) = delete;
    RealTimeCharts& operator=(const RealTimeCharts&) = delete;

    void retranslate();
    // Chart and label fonts for the window's width rate.
    void AdjustChartFonts(double widthRate);

    // Takes a sample into the run and its points into the charts (drawn at the next flush).
    SamplePlot add(const RealTimeSample& sample);
    RealTimeChart& chart(int q) { return *m_rtCharts[q]; }
    const RealTimeChart& chart(Quantity q) const { return *m_rtCharts[int(q)]; }
    const RealTimeRun& run() const { return m_rtRun; }
    // Empties the series and hides the label; with values, the run's value lists as well.
    void clear(bool values = false);

    // The hover read-outs of the four series.
    void SocPointHoverd(const QPointF& point, bool state);
    void VoltPointHoverd(const QPointF& point, bool state);
    void CurrPointHoverd(const QPointF& point, bool state);
    void TempPointHoverd(const QPointF& point, bool state);

private:
    void showPointHover(Quantity q, const QPointF& point, bool state);

    QWidget* m_window;
    RealTimeRun m_rtRun;
    std::array<std::unique_ptr<RealTimeChart>, kQuantityCount> m_rtCharts;
    QLabel* m_hoverLab = nullptr; // owned by the window
};
