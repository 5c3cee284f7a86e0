// The main window's side of the status views: wiring, language, scale and reset.
#include "mainwindow/bms_main_win.h"

#include "toolbox/prompts.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QDebug>

#include <QStandardItemModel>

void BMSMainWin::connectViews() {
    connect(ui->BattGroupWid, &BatteryGroup::GroupBattBtnClick, this,
            &BMSMainWin::BatteryButtonSelected);
    connect(ui->BattInfoWid, &BatteryInfo::MissBarcode, this, &BMSMainWin::BarcodeMissing);
    // A tile chooses its battery as the battery's button does, cooldown and refusals included.
    for (int n = 1; n <= 16; ++n) {
        gauge(n)->setCursor(Qt::PointingHandCursor);
        connect(gauge(n), &Battery::clicked, ui->BattGroupWid, &BatteryGroup::selectBattery);
    }
}

void BMSMainWin::setViewsLanguage(const QString& code) {
    ui->BattGroupWid->setLanguage(code);
    ui->BattInfoWid->setLanguage(code);
}

void BMSMainWin::retranslateViews() {
    ui->BattGroupWid->retranslate();
    ui->BattInfoWid->retranslate();
    showLinkState(m_linkShown);
}

void BMSMainWin::scaleViews() {
    ui->BattGroupWid->setScale(m_widthRate, m_heightRate);
    ui->BattInfoWid->setScale(m_widthRate, m_heightRate);
}

void BMSMainWin::resetViewsAfterLogout(bool keepRealTime) {
    // A run the Logout interrupted stays for Download until the next "RTData ON" or
    // "Clean All".
    if (!keepRealTime)
        resetRealTimeAfterLogout();
    m_configModel->removeRows(0, m_configModel->rowCount());
    ui->ConfigTextBro->clear();
    showRecordCounts();
    m_recordModel->removeRows(0, m_recordModel->rowCount());
    ui->BattGroupWid->resetGroup();
    ui->BattInfoWid->resetInfo();
    for (int n = 1; n <= 16; ++n) {
        Battery* g = gauge(n);
        g->setValue(0);
        g->setBorderColorStart(QColor(100, 100, 100));
        g->setBorderColorEnd(QColor(80, 80, 80));
    }
    m_shownBatNum = 0;
    markBatteries();
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
    m_shownBatNum = batteryNumber; // marked at once; its detail follows
    markBatteries();
    ui->CurrBatNumLab->setText(QString::number(m_currBatNum));
    session().pollTimer().stop();
    SendCommand("info " + QString::number(m_currBatNum));
    if (m_basicPage)
        startPoll();
}
