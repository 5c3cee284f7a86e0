#include "mainwindow/real_time_charts.h"

#include "protocol/protocol_constants.h"
#include "realtime/real_time_layout.h"
#include "realtime/realtime_constants.h"
#include "ui_bms_main_win.h"

#include <QCursor>
#include <QDebug>
#include <QLabel>
#include <QtCharts/QChartView>
#include <QtCharts/QSplineSeries>

using namespace realtime;

RealTimeCharts::RealTimeCharts(Ui::BMSMainWin* ui, QWidget* window) : m_window(window) {
    m_rtCharts[int(Quantity::Soc)] =
        std::make_unique<RealTimeChart>(ui->SocCharView, "%d", AxisRange{0, 110});
    m_rtCharts[int(Quantity::Volt)] =
        std::make_unique<RealTimeChart>(ui->VoltCharView, "%.1f", AxisRange{0, 1});
    m_rtCharts[int(Quantity::Curr)] =
        std::make_unique<RealTimeChart>(ui->CurrCharView, "%.1f", AxisRange{0, 1});
    m_rtCharts[int(Quantity::Temp)] =
        std::make_unique<RealTimeChart>(ui->TempCharView, "%d", AxisRange{0, 1});
    retranslate();

    m_hoverLab = new QLabel(window);
    m_hoverLab->setObjectName("RTHoverLab");
    m_hoverLab->setStyleSheet(kHoverLabelStyle);
    m_hoverLab->setFont(QFont(kChartFontFamily, kChartTitlePoints));
    m_hoverLab->setWordWrap(true);
    m_hoverLab->setGeometry(kHoverLabelX, kHoverLabelY, kHoverLabelWidth, kHoverLabelHeight);
    m_hoverLab->adjustSize();
    m_hoverLab->hide();

    using Hover = void (RealTimeCharts::*)(const QPointF&, bool);
    const Hover hoverSlots[kQuantityCount] = {
        &RealTimeCharts::SocPointHoverd, &RealTimeCharts::VoltPointHoverd,
        &RealTimeCharts::CurrPointHoverd, &RealTimeCharts::TempPointHoverd};
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto hover = [this, slot = hoverSlots[q]](const QPointF& point, bool state) {
            (this->*slot)(point, state);
        };
        QObject::connect(m_rtCharts[q]->spline(), &QtCharts::QXYSeries::hovered, m_hoverLab, hover);
        QObject::connect(m_rtCharts[q]->band(), &ColumnBand::hovered, m_hoverLab, hover);
    }
}

void RealTimeCharts::retranslate() {
    const QString time = tr("Time(min)");
    m_rtCharts[0]->setTexts(tr("SOC"), tr("SOC"), tr("SOC(%)"), time);
    m_rtCharts[1]->setTexts(tr("Volt of battery"), tr("Volt"), tr("Volt(V)"), time);
    m_rtCharts[2]->setTexts(tr("Current of battery"), tr("Current"), tr("Current(A)"), time);
    m_rtCharts[3]->setTexts(tr("Temperature of battery"), tr("Temp"), tr("Temp(℃)"), time);
}

void RealTimeCharts::AdjustChartFonts(double widthRate) {
    const std::optional<ChartFontSizes> sizes = chartFontSizes(widthRate);
    if (!sizes)
        return;
    m_hoverLab->setFont(QFont(kChartFontFamily, sizes->title));
    for (const auto& chart : m_rtCharts)
        chart->setFonts(*sizes);
}

SamplePlot RealTimeCharts::add(const RealTimeSample& sample) {
    const SamplePlot plot = m_rtRun.add(sample);
    if (plot.x == kNoDataDouble)
        return plot;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (plot.y[q] != kNoDataDouble)
            m_rtCharts[q]->append(plot.x, plot.y[q]);
    }
    return plot;
}

void RealTimeCharts::clear(bool values) {
    for (const auto& chart : m_rtCharts)
        chart->clear();
    m_hoverLab->hide();
    if (values)
        m_rtRun.clearValues();
}

void RealTimeCharts::SocPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Soc, point, state);
}

void RealTimeCharts::VoltPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Volt, point, state);
}

void RealTimeCharts::CurrPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Curr, point, state);
}

void RealTimeCharts::TempPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Temp, point, state);
}

void RealTimeCharts::showPointHover(Quantity q, const QPointF& point, bool state) {
    if (!state) {
        m_hoverLab->hide();
        return;
    }
    qDebug() << "hover point:" << point << "quantity:" << int(q)
             << "diffy:" << m_rtRun.hoverTolerance(q);
    const std::optional<double> value = m_rtRun.hoverValue(q, point.y());
    if (!value)
        return;
    QString reading;
    switch (q) {
    case Quantity::Soc:
        reading = tr("SOC: ") + QString::number(int(*value)) + "%";
        break;
    case Quantity::Volt:
        reading = tr("Volt: ") + QString::asprintf("%.1f", *value) + "V";
        break;
    case Quantity::Curr:
        reading = tr("Curr: ") + QString::asprintf("%.1f", *value) + "A";
        break;
    case Quantity::Temp:
        reading = tr("Temp: ") + QString::number(int(*value)) + "℃";
        break;
    }
    const double t = point.x() > 0 ? point.x() : 0.0;
    m_hoverLab->setText(tr("Time: ") + QString::asprintf("%.2f", t) + "min\n" + reading);
    m_hoverLab->setWordWrap(true);
    m_hoverLab->setGeometry(kHoverLabelX, kHoverLabelY, kHoverLabelWidth, kHoverLabelHeight);
    m_hoverLab->adjustSize();
    const QPoint cursor = m_window->mapFromGlobal(QCursor::pos());
    m_hoverLab->move(hoverLabelPosition(q, cursor, m_hoverLab->size()));
    m_hoverLab->setStyleSheet(kHoverLabelShownStyle);
    m_hoverLab->show();
    m_hoverLab->raise();
}
