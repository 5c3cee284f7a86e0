#include "mainwindow/status_views.h"

#include "mainwindow/form_gauges.h"
#include "protocol/battery_detail.h"
#include "protocol/system_status.h"
#include "serial/serial_constants.h"
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

StatusViews::StatusViews(Ui::BMSMainWin* form, std::function<QString()> currentCommand)
    : ui(form), m_currentCommand(std::move(currentCommand)) {}

void StatusViews::initTiles() {
    for (int n = 1; n <= kHighestBatteryNumber; ++n)
        gauge(ui, n)->setNumber(n);
    markBatteries();
    // A tile chooses its battery as the battery's button does, cooldown and refusals included.
    for (int n = 1; n <= 16; ++n) {
        gauge(ui, n)->setCursor(Qt::PointingHandCursor);
        QObject::connect(gauge(ui, n), &Battery::clicked, ui->BattGroupWid,
                         &BatteryGroup::selectBattery);
    }
}

void StatusViews::setScale(double widthRate, double heightRate) {
    ui->BattGroupWid->setScale(widthRate, heightRate);
    ui->BattInfoWid->setScale(widthRate, heightRate);
}

void StatusViews::reset() {
    m_presentNum = 0;
    m_lastPresentNum = 0;
    m_deviceName.clear();
    ui->BattGroupWid->resetGroup();
    ui->BattInfoWid->resetInfo();
    for (int n = 1; n <= 16; ++n) {
        Battery* g = gauge(ui, n);
        g->setValue(0);
        g->setBorderColorStart(QColor(100, 100, 100));
        g->setBorderColorEnd(QColor(80, 80, 80));
    }
    m_shownBatNum = 0;
    markBatteries();
}

void StatusViews::showBattery(int batteryNumber) {
    m_shownBatNum = batteryNumber;
    markBatteries();
}

void StatusViews::PwrSysParse(const QString& reply) {
    const PwrSysReply r = parsePwrSys(reply);
    BatteryGroup* group = ui->BattGroupWid;
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

void StatusViews::PwrTableParse(const QString& reply, int presentNum) {
    const PwrTableReply r = parsePwrTable(reply, presentNum);
    qDebug() << "PwrAlarmData:" << r.body;
    if (!r.applied)
        return;
    ui->BattGroupWid->setBatInfoList(QList<BatStatusRow>::fromVector(r.rows));
    ui->BattGroupWid->refreshAlarmText();
    // Each row on the tile of the battery it names: a short line moves no other battery.
    for (const BatStatusRow& row : r.rows) {
        Battery* tile = gauge(ui, batteryNumber(row));
        if (!tile)
            continue;
        tile->setReadable(row.soc.has_value());
        if (row.soc)
            paintGauge(tile, *row.soc);
    }
    markBatteries();
}

void StatusViews::BalanceParse(const QString& reply, int presentNum) {
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
    ui->BattGroupWid->setBalanceList(r.states);
    ui->BattGroupWid->refreshBalance();
}

void StatusViews::CtrlParse(const QString& reply) {
    const CtrlReply r = parseCtrl(reply);
    BatteryGroup* group = ui->BattGroupWid;
    // The view translates the captions itself, so that they follow a language change.
    group->setCmos(r.charge.relay ? QT_TRANSLATE_NOOP("BatteryGroup", "Prechg Relay ")
                                  : QT_TRANSLATE_NOOP("BatteryGroup", "CMOS State "),
                   r.charge.state);
    group->setDmos(r.discharge.relay ? QT_TRANSLATE_NOOP("BatteryGroup", "Main Relay ")
                                     : QT_TRANSLATE_NOOP("BatteryGroup", "DMOS State "),
                   r.discharge.state);
    group->refreshSysData();
}

void StatusViews::InfoParse(const QString& reply) {
    const InfoReply r = parseInfo(reply);
    BatteryInfo* info = ui->BattInfoWid;
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

void StatusViews::resetCellSummary() {
    BatteryInfo* info = ui->BattInfoWid;
    info->setMaxCellVolt(kNoDataDouble);
    info->setMinCellVolt(kNoDataDouble);
    info->setCapacity(kNoDataDouble);
    info->setSoc(kNoData);
    info->setMaxVolCell(kNoData);
    info->setMinVolCell(kNoData);
    info->clearCells();
}

void StatusViews::BatParse(const QString& reply, int cellNum) {
    const CellTable t = parseBat(reply, cellNum);
    qDebug() << "BatData:" << t.body << "str:" << t.lineCount;
    BatteryInfo* info = ui->BattInfoWid;
    info->setMaxCellVolt(t.maxVoltage);
    info->setMinCellVolt(t.minVoltage);
    info->setCapacity(t.capacity);
    info->setSoc(t.soc);
    info->setMaxVolCell(t.maxVoltageCell);
    info->setMinVolCell(t.minVoltageCell);
    if (!t.matched) {
        qDebug() << "Bat0:" << m_currentCommand() << "Volt Status";
        return; // the cells shown before stay
    }
    info->setCells(QList<CellRecord>::fromVector(t.cells));
    qDebug() << "batterys:" << t.cells.size() << "SOC:" << t.soc;
}

void StatusViews::PwrBatParse(const QString& reply, int batteryNumber) {
    const PwrBatReply r = parsePwrBat(reply);
    BatteryInfo* info = ui->BattInfoWid;
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
    info->setBatNum(batteryNumber);
    info->refreshPwr();
    info->refreshCells();
    m_shownBatNum = batteryNumber;
    markBatteries();
    Battery* g = gauge(ui, batteryNumber);
    if (!g || r.soc == kNoData)
        return;
    g->setReadable(true);
    if (g->value() != r.soc)
        paintGauge(g, r.soc);
}

void StatusViews::markBatteries() {
    const QList<BatStatusRow> rows = ui->BattGroupWid->batInfoList();
    const BatStatusRow* shownRow = nullptr;
    QVector<bool> alarm(kHighestBatteryNumber + 1, false);
    for (const BatStatusRow& row : rows) {
        const int n = batteryNumber(row);
        if (m_shownBatNum > 0 && n == m_shownBatNum)
            shownRow = &row;
        alarm[n] = alarm[n] || rowInAlarm(row);
    }
    // The tiles follow the battery number each row carries, as their values do.
    for (int n = 1; n <= kHighestBatteryNumber; ++n) {
        Battery* tile = gauge(ui, n);
        tile->setPresent(n <= m_presentNum);
        tile->setAlarm(alarm[n]);
        tile->setDetailShown(n == m_shownBatNum);
    }
    ui->BattGroupWid->setShownBattery(m_shownBatNum);
    ui->BattInfoWid->setNoneChosen(m_shownBatNum == 0);
    ui->BattInfoWid->setTempAlarm(shownRow && rowTempAlarm(*shownRow));
}
