// The real-time page: the unit's measurement stream, its four charts, export and clearing.
// The run's state and decisions live in RealTimeRun; the charts and their thinning in
// RealTimeChart. This file asks them and applies the answers to the widgets.
#include "mainwindow/bms_main_win.h"

#include "toolbox/prompts.h"
#include "protocol/protocol_constants.h"
#include "realtime/real_time_layout.h"
#include "realtime/realtime_constants.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/views_constants.h"

#include <QCursor>
#include <QDebug>
#include <QLabel>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QSplineSeries>

using namespace realtime;

void BMSMainWin::initRealTimePage() {
    ui->RTDataTextBrow->hide();
    clearRealTimeText();
    ui->widget_2->hide();
    ui->widget_3->hide();
    ui->widget_4->hide();
    ui->widget_5->hide();
    InitRealTimeCharts();
}

void BMSMainWin::InitRealTimeCharts() {
    m_rtRun = RealTimeRun();
    m_rtCharts[int(Quantity::Soc)] =
        std::make_unique<RealTimeChart>(ui->SocCharView, "%d", AxisRange{0, 110});
    m_rtCharts[int(Quantity::Volt)] =
        std::make_unique<RealTimeChart>(ui->VoltCharView, "%.1f", AxisRange{0, 1});
    m_rtCharts[int(Quantity::Curr)] =
        std::make_unique<RealTimeChart>(ui->CurrCharView, "%.1f", AxisRange{0, 1});
    m_rtCharts[int(Quantity::Temp)] =
        std::make_unique<RealTimeChart>(ui->TempCharView, "%d", AxisRange{0, 1});
    retranslateRealTimeCharts();

    m_hoverLab = new QLabel(this);
    m_hoverLab->setObjectName("RTHoverLab");
    m_hoverLab->setStyleSheet(kHoverLabelStyle);
    m_hoverLab->setFont(QFont(kChartFontFamily, kChartTitlePoints));
    m_hoverLab->setWordWrap(true);
    m_hoverLab->setGeometry(kHoverLabelX, kHoverLabelY, kHoverLabelWidth, kHoverLabelHeight);
    m_hoverLab->adjustSize();
    m_hoverLab->hide();
    AdjustChartFonts();

    using Hover = void (BMSMainWin::*)(const QPointF&, bool);
    const Hover hoverSlots[kQuantityCount] = {
        &BMSMainWin::SocPointHoverd, &BMSMainWin::VoltPointHoverd, &BMSMainWin::CurrPointHoverd,
        &BMSMainWin::TempPointHoverd};
    for (int q = 0; q < kQuantityCount; ++q) {
        connect(m_rtCharts[q]->spline(), &QtCharts::QXYSeries::hovered, this, hoverSlots[q]);
        connect(m_rtCharts[q]->line(), &QtCharts::QXYSeries::hovered, this, hoverSlots[q]);
    }
}

void BMSMainWin::retranslateRealTimeCharts() {
    const QString time = tr("Time(min)");
    m_rtCharts[0]->setTexts(tr("SOC"), tr("SOC"), tr("SOC(%)"), time);
    m_rtCharts[1]->setTexts(tr("Volt of battery"), tr("Volt"), tr("Volt(V)"), time);
    m_rtCharts[2]->setTexts(tr("Current of battery"), tr("Current"), tr("Current(A)"), time);
    m_rtCharts[3]->setTexts(tr("Temperature of battery"), tr("Temp"), tr("Temp(℃)"), time);
}

void BMSMainWin::AdjustChartFonts() {
    const std::optional<ChartFontSizes> sizes = chartFontSizes(m_widthRate);
    if (!sizes)
        return;
    m_hoverLab->setFont(QFont(kChartFontFamily, sizes->title));
    for (const auto& chart : m_rtCharts)
        chart->setFonts(*sizes);
}

void BMSMainWin::RTRecTextChag() {
    ui->RTDataTextBrow->moveCursor(QTextCursor::End);
}

void BMSMainWin::RTDataOnBtn_clicked() {
    clearRealTimeSeries();
    SendCommand("disp pwrs " + QString::number(m_currBatNum));
}

void BMSMainWin::RTDataOffBtn_clicked() {
    if (!session().realTimeDisplay) {
        prompts().information(this, tr("Message"), tr("Please click \"RTData ON\" first!"),
                              QMessageBox::Yes);
        return;
    }
    SendCommand("disp 0");
}

void BMSMainWin::RealTimeParse(const QString& burst) {
    qDebug() << "Command:" << currentCommand() << "datadata:" << burst;
    session().realTimeDisplay = true;
    appendRealTimeText(burst);

    const RealTimeBurst parsed = parseRealTimeBurst(burst);
    SamplePlot plot;
    bool placed = false;
    for (const RealTimeSample& s : parsed.samples) {
        plotSample(s, plot);
        placed = placed || plot.x != kNoDataDouble;
    }
    if (placed) {
        for (int q = 0; q < kQuantityCount; ++q) {
            m_rtCharts[q]->setRanges(plot.xRange, plot.yRanges[q]);
            m_rtCharts[q]->flush();
        }
    }
    if (!parsed.confirmed)
        return;
    qDebug() << "orgdata succeess";
    prompts().information(this, tr("Message"), tr("RTdata on succcess!"), QMessageBox::Yes);
}

void BMSMainWin::plotSample(const RealTimeSample& sample, SamplePlot& plot) {
    plot = m_rtRun.add(sample);
    if (plot.x == kNoDataDouble)
        return;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (plot.y[q] != kNoDataDouble)
            m_rtCharts[q]->append(plot.x, plot.y[q]);
    }
    Battery* g = gauge(m_currBatNum);
    if (!g || sample.soc == kNoData || g->value() == sample.soc)
        return;
    g->setValue(sample.soc);
    g->setBorderColorStart(views::themeColor());
    g->setBorderColorEnd(views::themeColor());
}

// The whole text goes to the run's store; the view, hidden, keeps only its newest lines, so
// neither the insertion nor the view's memory grows with the run.
void BMSMainWin::appendRealTimeText(const QString& text) {
    m_rtText.append(text);
    QTextCursor end(ui->RTDataTextBrow->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void BMSMainWin::clearRealTimeText() {
    m_rtText.clear();
    ui->RTDataTextBrow->clear();
    // Also drops the view's undo history, which would otherwise keep every burst.
    ui->RTDataTextBrow->document()->setMaximumBlockCount(kTextViewLines);
}

void BMSMainWin::RealTimeOffParse(const QString& burst) {
    qDebug() << "Command:" << currentCommand();
    if (!burst.contains(kSuccessMarker)) {
        prompts().information(this, tr("Message"), tr("RTdata off fail! please click again!"),
                              QMessageBox::Yes);
        return;
    }
    // "finish" on a line of its own, and the next run's text on the line after it.
    const QString finish = m_rtText.appendLine(tr("finish"));
    QTextCursor end(ui->RTDataTextBrow->document());
    end.movePosition(QTextCursor::End);
    end.insertText(finish);
    session().realTimeDisplay = false;
    prompts().information(this, tr("Message"), tr("RTdata off succcess!"), QMessageBox::Yes);
}

void BMSMainWin::SocPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Soc, point, state);
}

void BMSMainWin::VoltPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Volt, point, state);
}

void BMSMainWin::CurrPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Curr, point, state);
}

void BMSMainWin::TempPointHoverd(const QPointF& point, bool state) {
    showPointHover(Quantity::Temp, point, state);
}

void BMSMainWin::showPointHover(Quantity q, const QPointF& point, bool state) {
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
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    m_hoverLab->move(hoverLabelPosition(q, cursor, m_hoverLab->size()));
    m_hoverLab->setStyleSheet(kHoverLabelShownStyle);
    m_hoverLab->show();
    m_hoverLab->raise();
}

void BMSMainWin::RTDataDownBtn_clicked() {
    if (session().realTimeDisplay) {
        prompts().information(this, tr("Message"),
                              tr("Can't download, Please click \"RTData OFF\"!"), QMessageBox::Yes);
        return;
    }
    saveTextAs([this](QIODevice& file) { return m_rtText.writeTo(file); },
               tr("The real-time data could not be saved to\n%1\n%2"));
}

void BMSMainWin::ClearRTDataBtn_clicked() {
    if (session().realTimeDisplay) {
        prompts().information(this, tr("Message"),
                              tr("Can't clean all, Please click \"RTData OFF\"!"),
                              QMessageBox::Yes);
        return;
    }
    clearRealTimeText();
    clearRealTimeSeries();
    m_rtRun.clearValues();
}

void BMSMainWin::clearRealTimeSeries() {
    for (const auto& chart : m_rtCharts)
        chart->clear();
    m_hoverLab->hide();
}

void BMSMainWin::resetRealTimeAfterLogout() {
    clearRealTimeText();
    clearRealTimeSeries();
}
