// Console mode: the access-code gate that reveals the raw data page and its command line.
#include "mainwindow/bms_main_win.h"

#include "ui_bms_main_win.h"

void BMSMainWin::initConsole() {
    ui->actionSend_File->setVisible(false);
}

void BMSMainWin::actionConsole_triggered() {}
void BMSMainWin::actionExit_Consle_triggered() {}
