// The update page's buttons and timers; the upgrade flow behind them is UpgradePage's.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/upgrade_page.h"

void BMSMainWin::UpDateBtn_clicked() {
    m_upgradePage->openUpgradeGate(false);
}

void BMSMainWin::UbootBtn_clicked() {
    m_upgradePage->openUpgradeGate(true);
}

void BMSMainWin::WakeBtn_clicked() {
    m_upgradePage->wake();
}

void BMSMainWin::WakeTimeOut() {
    m_upgradePage->wakeTimedOut();
}

void BMSMainWin::actionSend_File_triggered() {
    m_upgradePage->sendFile();
}

void BMSMainWin::UpdateTimeOut() {
    m_upgradePage->flashTimedOut();
}
