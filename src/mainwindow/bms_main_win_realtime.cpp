// The real-time page: the unit's measurement stream, its four charts, export and clearing.
// The run's state and decisions live in RealTimeRun, the charts and their hover read-out in
// RealTimeCharts. This file asks them and applies the answers to the widgets.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/form_gauges.h"
#include "mainwindow/real_time_charts.h"
#include "mainwindow/save_text.h"
#include "protocol/protocol_constants.h"
#include "realtime/real_time_layout.h"
#include "realtime/realtime_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/views_constants.h"

#include <QDebug>

using namespace realtime;

void BMSMainWin::initRealTimePage() {
    ui->RTDataTextBrow->hide();
    clearRealTimeText();
    ui->widget_2->hide();
    ui->widget_3->hide();
    ui->widget_4->hide();
    ui->widget_5->hide();
    m_charts = std::make_unique<RealTimeCharts>(ui, this);
    m_charts->AdjustChartFonts(m_widthRate);
}

void BMSMainWin::RTRecTextChag() {
    ui->RTDataTextBrow->moveCursor(QTextCursor::End);
}

void BMSMainWin::RTDataOnBtn_clicked() {
    m_charts->clear();
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
    qDebug() << "Command:" << session().currentCommand() << "datadata:" << burst;
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
            m_charts->chart(q).setRanges(plot.xRange, plot.yRanges[q]);
            m_charts->chart(q).flush();
        }
    }
    if (!parsed.confirmed)
        return;
    qDebug() << "orgdata succeess";
    prompts().information(this, tr("Message"), tr("RTdata on succcess!"), QMessageBox::Yes);
}

void BMSMainWin::plotSample(const RealTimeSample& sample, SamplePlot& plot) {
    plot = m_charts->add(sample);
    if (plot.x == kNoDataDouble)
        return;
    Battery* g = gauge(ui, m_currBatNum);
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
    qDebug() << "Command:" << session().currentCommand();
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

void BMSMainWin::RTDataDownBtn_clicked() {
    if (session().realTimeDisplay) {
        prompts().information(this, tr("Message"),
                              tr("Can't download, Please click \"RTData OFF\"!"), QMessageBox::Yes);
        return;
    }
    saveTextAs(
        this, m_settings, [this](QIODevice& file) { return m_rtText.writeTo(file); },
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
    m_charts->clear(true);
}
