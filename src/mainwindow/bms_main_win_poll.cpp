// The status poll: one tick a second while the status page is shown; "pwrsys" on the fifth
// tick and the battery command on the tenth of every ten.
#include "mainwindow/bms_main_win.h"

#include "protocol/protocol_constants.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/battery_info.h"

#include <QDebug>

void BMSMainWin::RealTimerTimeOut() {
    UnitSession& s = session();
    if (s.upgradeOwnsLine() || s.controlWaitTimer().isActive())
        return; // the line is the upgrade's, or a control command awaits its answer
    ++s.pollCount;
    if (s.groupBtnFlag) {
        // The first tick after a battery button click does not count.
        --s.pollCount;
        s.groupBtnFlag = false;
    }
    qDebug() << "realtimer count:" << s.pollCount;

    if (s.pollCount >= 10 && s.pollCount <= 19) {
        s.pollCount = 0;
        const int cells = ui->BattInfoWid->cellNum();
        const int address = ui->BattInfoWid->devAdd().toInt(nullptr, 10);
        qDebug() << "add:" << address << "currbatNum:" << m_currBatNum;
        if (m_currBatNum == 0) {
            m_currBatNum = 1;
            SendCommand("info 1");
        } else if (cells != kNoData && cells != 0 && address == m_currBatNum) {
            SendCommand("bat " + QString::number(m_currBatNum));
        } else {
            SendCommand("info " + QString::number(m_currBatNum));
        }
        ui->CurrBatNumLab->setText(QString::number(m_currBatNum));
    } else if (s.pollCount == 5) {
        SendCommand("pwrsys");
    }
}

void BMSMainWin::RealTimerBtn_clicked() {
    m_basicPage = !m_basicPage;
    qDebug() << "realtimerSta" << m_basicPage;
    if (m_basicPage) {
        ui->RealTimerBtn->setText(tr("stop"));
        startPoll();
    } else {
        ui->RealTimerBtn->setText(tr("start"));
        session().pollTimer().stop();
    }
}
