// The status poll: one tick a second while the status page is shown.
#include "mainwindow/bms_main_win.h"

void BMSMainWin::RealTimerTimeOut() {}

void BMSMainWin::RealTimerBtn_clicked() {}
