// Slots whose behaviour arrives with the real-time, configuration, records, upgrade and
// console pages. They are connected now so the form is complete; each does nothing yet.
#include "mainwindow/bms_main_win.h"

void BMSMainWin::RTDataOnBtn_clicked() {}
void BMSMainWin::RTDataOffBtn_clicked() {}
void BMSMainWin::RTDataDownBtn_clicked() {}
void BMSMainWin::ClearRTDataBtn_clicked() {}
void BMSMainWin::ConfigDownBtn_clicked() {}
void BMSMainWin::HisEveBtn_clicked() {}
void BMSMainWin::HistBtn_clicked() {}
void BMSMainWin::HisDownBtn_clicked() {}
void BMSMainWin::RefleshBtn_clicked() {}
void BMSMainWin::ClickEventShow(QModelIndex) {}
void BMSMainWin::UpDateBtn_clicked() {}
void BMSMainWin::WakeBtn_clicked() {}
void BMSMainWin::UbootBtn_clicked() {}
void BMSMainWin::UpdateTimeOut() {}
void BMSMainWin::actionConsole_triggered() {}
void BMSMainWin::actionExit_Consle_triggered() {}
void BMSMainWin::actionSend_File_triggered() {}
void BMSMainWin::UpdataFileTranStart() {}
void BMSMainWin::UpdataStartTimeOut() {}
void BMSMainWin::UpdataTransTimeOut() {}
void BMSMainWin::UpdataFileTranFinish(int) {}
void BMSMainWin::TransitAbr() {}
void BMSMainWin::SocPointHoverd(const QPointF&, bool) {}
void BMSMainWin::VoltPointHoverd(const QPointF&, bool) {}
void BMSMainWin::CurrPointHoverd(const QPointF&, bool) {}
void BMSMainWin::TempPointHoverd(const QPointF&, bool) {}

void BMSMainWin::MosOpenParse(const QString&) {}
void BMSMainWin::MosCloseParse(const QString&) {}
void BMSMainWin::SelfTestParse(const QString&) {}
void BMSMainWin::ConfigParse(const QString&) {}
void BMSMainWin::ConfigDefaultParse(const QString&) {}
void BMSMainWin::DataNumberParse(const QString&) {}
void BMSMainWin::RecordDetailParse(const QString&) {}
void BMSMainWin::BarcodeResultParse(const QString&) {}
void BMSMainWin::EventListParse(const QString&) {}
void BMSMainWin::HistoryListParse(const QString&) {}
void BMSMainWin::UpdataStateParse(const QString&) {}
void BMSMainWin::UpdataReady(const QString&) {}
void BMSMainWin::RealTimeParse(const QString&) {}
void BMSMainWin::RealTimeOffParse(const QString&) {}
