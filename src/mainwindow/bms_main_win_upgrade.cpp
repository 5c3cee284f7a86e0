// The update page: host, battery and boot-loader upgrades, from the wake sequence to the
// flashing report, and the console's "Send File".
#include "mainwindow/bms_main_win.h"

#include "ui_bms_main_win.h"

void BMSMainWin::initUpgradePage() {}

void BMSMainWin::UpDateBtn_clicked() {}
void BMSMainWin::WakeBtn_clicked() {}
void BMSMainWin::UbootBtn_clicked() {}
void BMSMainWin::UpdateTimeOut() {}
void BMSMainWin::actionSend_File_triggered() {}
void BMSMainWin::UpdataFileTranStart() {}
void BMSMainWin::UpdataStartTimeOut() {}
void BMSMainWin::UpdataTransTimeOut() {}
void BMSMainWin::UpdataFileTranFinish(int) {}
void BMSMainWin::TransitAbr() {}
void BMSMainWin::UpdataStateParse(const QString&) {}
void BMSMainWin::UpdataReady(const QString&) {}
