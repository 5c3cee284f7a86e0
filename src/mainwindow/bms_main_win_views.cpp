// The main window's side of the status views: wiring, scale, reset and the battery chosen.
// The views' own state and the status parsers are StatusViews'.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/real_time_charts.h"
#include "mainwindow/records_page.h"
#include "mainwindow/status_views.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QDebug>

int BMSMainWin::presentNumber() const {
    return m_status->presentNum();
}

void BMSMainWin::scaleViews() {
    m_status->setScale(m_widthRate, m_heightRate);
}

void BMSMainWin::resetViewsAfterLogout(bool keepRealTime) {
    // A run the Logout interrupted stays for Download until the next "RTData ON" or
    // "Clean All".
    if (!keepRealTime) {
        clearRealTimeText();
        m_charts->clear();
    }
    m_config->clear();
    m_records->clear();
    m_status->reset();
}

void BMSMainWin::BatteryButtonSelected(bool active, int batteryNumber) {
    qDebug() << "active:" << active;
    if (active) {
        prompts().warning(this, tr("warning"),
                          tr("The operation is too frequent!\nPlease try again later!"),
                          QMessageBox::Yes);
        return;
    }
    session().groupBtnFlag = true;
    m_currBatNum = batteryNumber;
    qDebug() << "CurrBatNum:" << m_currBatNum;
    m_status->showBattery(batteryNumber); // marked at once; its detail follows
    ui->CurrBatNumLab->setText(QString::number(m_currBatNum));
    session().pollTimer().stop();
    SendCommand("info " + QString::number(m_currBatNum));
    if (m_basicPage)
        startPoll();
}
