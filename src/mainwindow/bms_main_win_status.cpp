// The status parsers' results applied to the group view, the detail view and the gauges.
#include "mainwindow/bms_main_win.h"

#include "protocol/battery_detail.h"
#include "protocol/system_status.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QDebug>

namespace {
const QColor kThemeColor(74, 120, 222);

void paintGauge(Battery* gauge, double soc) {
    gauge->setValue(soc);
    gauge->setBorderColorStart(kThemeColor);
    gauge->setBorderColorEnd(kThemeColor);
}
} // namespace

BatteryGroup* BMSMainWin::batteryGroup() const {
    return ui->BattGroupWid;
}

BatteryInfo* BMSMainWin::batteryInfo() const {
    return ui->BattInfoWid;
}

Battery* BMSMainWin::gauge(int batteryNumber) const {
    Battery* const gauges[] = {
        ui->BatteryOne,      ui->BatteryTwo,      ui->BatteryThree,   ui->BatteryFour,
        ui->BatteryFive,     ui->BatterySix,      ui->BatterySeven,   ui->BatteryEight,
        ui->BatteryNine,     ui->BatteryTen,      ui->BatteryEleven,  ui->BatteryTwelve,
        ui->BatteryThirteen, ui->BatteryFourteen, ui->BatteryFifteen, ui->BatterySixteen,
    };
    if (batteryNumber < 1 || batteryNumber > 16)
        return nullptr;
    return gauges[batteryNumber - 1];
}

void BMSMainWin::PwrSysParse(const QString& reply) {
    const PwrSysReply r = parsePwrSys(reply);
    BatteryGroup* group = batteryGroup();
    if (r.state)
        group->setSysState(*r.state);
    if (r.complete) {
        m_presentNum = r.windowPresentNum;
        if (m_presentNum != m_lastPresentNum) {
            qDebug() << "old != Present";
            m_lastPresentNum = m_presentNum;
            group->setPresentNum(r.presentNum);
            group->clearBatButtons();
            group->createBatButtons();
        }
        qDebug() << "total curr:" << r.totalCurr;
    }
    group->setPresentNum(r.presentNum);
    group->setTotalVolt(r.totalVolt);
    group->setTotalCurr(r.totalCurr);
    group->setTotalSoc(r.totalSoc);
    group->setTotalSoh(r.totalSoh);
    group->refreshSysData();
    markBatteries();
}

void BMSMainWin::PwrTableParse(const QString& reply, int presentNum) {
    const PwrTableReply r = parsePwrTable(reply, presentNum);
    qDebug() << "PwrAlarmData:" << r.body;
    if (!r.applied)
        return;
    batteryGroup()->setBatInfoList(QList<BatStatusRow>::fromVector(r.rows));
    batteryGroup()->refreshAlarmText();
    // Each row on the tile of the battery it names: a short line moves no other battery.
    for (const BatStatusRow& row : r.rows) {
        Battery* tile = gauge(batteryNumber(row));
        if (!tile)
            continue;
        tile->setReadable(row.soc.has_value());
        if (row.soc)
            paintGauge(tile, *row.soc);
    }
    markBatteries();
}

void BMSMainWin::BalanceParse(const QString& reply, int presentNum) {
    const BalanceReply r = parseBalance(reply, presentNum);
    if (r.outcome == BalanceReply::Outcome::UnknownCommand) {
        qDebug() << "Unknown command 'balance'";
        return;
    }
    qDebug() << "balancestr:" << r.body;
    if (r.outcome == BalanceReply::Outcome::CountMismatch) {
        qDebug() << "balancestr size error";
        return;
    }
    batteryGroup()->setBalanceList(r.states);
    batteryGroup()->refreshBalance();
}

void BMSMainWin::CtrlParse(const QString& reply) {
    const CtrlReply r = parseCtrl(reply);
    BatteryGroup* group = batteryGroup();
    // The view translates the captions itself, so that they follow a language change.
    group->setCmos(r.charge.relay ? QT_TRANSLATE_NOOP("BatteryGroup", "Prechg Relay ")
                                  : QT_TRANSLATE_NOOP("BatteryGroup", "CMOS State "),
                   r.charge.state);
    group->setDmos(r.discharge.relay ? QT_TRANSLATE_NOOP("BatteryGroup", "Main Relay ")
                                     : QT_TRANSLATE_NOOP("BatteryGroup", "DMOS State "),
                   r.discharge.state);
    group->refreshSysData();
}

void BMSMainWin::InfoParse(const QString& reply) {
    const InfoReply r = parseInfo(reply);
    BatteryInfo* info = batteryInfo();
    info->setDevAdd(r.deviceAddress);
    info->setBootVer(r.bootVersion);
    info->setBarcode(r.barcode);
    info->setPackRating(r.packRating);
    info->setMainSoftVer(r.mainSoftVersion);
    info->setCommVer(r.commVersion);
    info->setMaxChargeCurr(r.maxChargeCurr);
    info->setReleaseDate(r.releaseDate);
    info->setCellNum(r.cellNumber);
    if (r.complete) {
        qDebug() << "device add:" << r.deviceAddress;
        qDebug() << "barcode size:" << r.barcodeLength << "Barcode:" << r.barcode;
    }
    if (r.deviceName) {
        m_deviceName = *r.deviceName;
        qDebug() << "Device name:" << m_deviceName;
    }
    info->refreshInfo();
}

void BMSMainWin::resetCellSummary() {
    BatteryInfo* info = batteryInfo();
    info->setMaxCellVolt(kNoDataDouble);
    info->setMinCellVolt(kNoDataDouble);
    info->setCapacity(kNoDataDouble);
    info->setSoc(kNoData);
    info->setMaxVolCell(kNoData);
    info->setMinVolCell(kNoData);
    info->clearCells();
}

void BMSMainWin::BatParse(const QString& reply, int cellNum) {
    const CellTable t = parseBat(reply, cellNum);
    qDebug() << "BatData:" << t.body << "str:" << t.lineCount;
    BatteryInfo* info = batteryInfo();
    info->setMaxCellVolt(t.maxVoltage);
    info->setMinCellVolt(t.minVoltage);
    info->setCapacity(t.capacity);
    info->setSoc(t.soc);
    info->setMaxVolCell(t.maxVoltageCell);
    info->setMinVolCell(t.minVoltageCell);
    if (!t.matched) {
        qDebug() << "Bat0:" << currentCommand() << "Volt Status";
        return; // the cells shown before stay
    }
    info->setCells(QList<CellRecord>::fromVector(t.cells));
    qDebug() << "batterys:" << t.cells.size() << "SOC:" << t.soc;
}

void BMSMainWin::PwrBatParse(const QString& reply) {
    const PwrBatReply r = parsePwrBat(reply);
    BatteryInfo* info = batteryInfo();
    info->setCurrent(r.current);
    info->setTemperature(r.temperature);
    info->setSoc(r.soc);
    info->setSoh(r.soh);
    info->setBasicStatus(r.basicStatus);
    info->setSysFault(r.systemFault);
    if (!r.complete) {
        info->setBatNum(kNoData); // blanks the battery number
        info->refreshPwr();
        m_shownBatNum = 0;
        markBatteries();
        return;
    }
    qDebug() << "SOC:" << r.soc << "basic status:" << r.basicStatus
             << "sysdefault:" << r.systemFault;
    info->setBatNum(m_currBatNum);
    info->refreshPwr();
    info->refreshCells();
    m_shownBatNum = m_currBatNum;
    markBatteries();
    Battery* g = gauge(m_currBatNum);
    if (!g || r.soc == kNoData)
        return;
    g->setReadable(true);
    if (g->value() != r.soc)
        paintGauge(g, r.soc);
}
