// The real-time page: the unit's measurement stream, its four charts, export and clearing.
#include "mainwindow/bms_main_win.h"

#include "ui_bms_main_win.h"

void BMSMainWin::initRealTimePage() {
    ui->RTDataTextBrow->hide();
    ui->widget_2->hide();
    ui->widget_3->hide();
    ui->widget_4->hide();
    ui->widget_5->hide();
}

void BMSMainWin::RTRecTextChag() {
    ui->RTDataTextBrow->moveCursor(QTextCursor::End);
}

void BMSMainWin::RTDataOnBtn_clicked() {}
void BMSMainWin::RTDataOffBtn_clicked() {}
void BMSMainWin::RTDataDownBtn_clicked() {}
void BMSMainWin::ClearRTDataBtn_clicked() {}
void BMSMainWin::SocPointHoverd(const QPointF&, bool) {}
void BMSMainWin::VoltPointHoverd(const QPointF&, bool) {}
void BMSMainWin::CurrPointHoverd(const QPointF&, bool) {}
void BMSMainWin::TempPointHoverd(const QPointF&, bool) {}
void BMSMainWin::RealTimeParse(const QString&) {}
void BMSMainWin::RealTimeOffParse(const QString&) {}
