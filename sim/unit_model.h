#pragma once
// The simulated unit's state: batteries that drift slowly, the charge and discharge
// switches, the protection configuration, the barcodes and the two record logs.
// Time is the model's own: it advances only through step(), so a run is repeatable.

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

namespace sim {

struct Battery {
    int number = 0;
    QString barcode;
    double soc = 50.0;         // %
    int currentMa = 0;         // + charging, - discharging
    int fullMah = 100000;      // capacity now; with the design capacity it gives the SOH
    QVector<int> cellOffsetMv; // deviation of each cell from the pack's mean
    QVector<int> cellOffsetMc;
    int heatMc = 0;        // extra warmth of an overheated battery (--alarm)
    QDateTime statusSince; // last change of the basic status

    int cellMv(int cell) const;
    int cellMc(int cell) const;
    int cellSoc(int cell) const;
    int packMv() const;
    int tempMc() const; // mean of the cells
    int minCellMv() const;
    int maxCellMv() const;
    int minCellMc() const;
    int maxCellMc() const;
    int socPercent() const { return int(soc + 0.5); }
    int remainingMah() const { return int(fullMah * soc / 100.0); }
    int sohPercent() const;
    bool balancing() const;
    QString basicStatus() const; // "Charge", "Dischg" or "Idle"
    // "OTA" while a cell is above the high temperature alarm, else "Normal".
    QString tempState() const;
    QString cellTempState(int cell) const;
};

struct ProtectionRow {
    QString name;
    QString cell;
    QString pack; // empty: the row has one value
    QString unit;
};

struct LogRecord {
    int item = 0;
    QDateTime time;
    int volt = 0, curr = 0, temp = 0, tlow = 0, thigh = 0, vlow = 0, vhigh = 0;
    quint16 mask = 0;
    QString baseSt, voltSt, currSt, tempSt;
    int soc = 0;
    QString text;
};

enum class SystemState { Idle, Charging, Discharging };

class UnitModel {
public:
    // With wallClock the time stamps follow the computer's clock; otherwise the model's
    // clock starts at `start` and moves only with step().
    UnitModel(int batteries, quint32 seed, const QDateTime& start, bool wallClock, int events,
              int histories);

    void step(int seconds);
    // Makes battery `number` run hot enough to raise the high temperature alarm.
    void overheat(int number);
    void coolDown(int number); // back to the warmth of the others
    QDateTime now() const;

    int batteryCount() const { return m_batteries.size(); }
    bool hasBattery(int number) const { return number >= 1 && number <= batteryCount(); }
    const Battery& battery(int number) const { return m_batteries.at(number - 1); }

    SystemState systemState() const;
    int systemMv() const;
    int systemMa() const;
    int systemSoc() const;
    int systemSoh() const;
    int systemRemainingMah() const;
    int systemFullMah() const;

    bool cfet() const { return m_cfet; }
    bool dfet() const { return m_dfet; }
    void setCfet(bool on) { m_cfet = on; }
    void setDfet(bool on) { m_dfet = on; }

    const QVector<ProtectionRow>& protection() const { return m_protection; }
    const QVector<ProtectionRow>& settings() const { return m_settings; }
    void resetConfig();

    // The battery that "tbar" writes to: the one addressed last by a battery command.
    int selectedBattery() const { return m_selected; }
    void selectBattery(int number) { m_selected = number; }
    void writeBarcode(const QString& code);

    const QVector<LogRecord>& events() const { return m_events; }
    const QVector<LogRecord>& histories() const { return m_histories; }

private:
    void driftBattery(Battery& b, int seconds);
    void chooseFlow();
    int flowTargetMa() const;
    LogRecord snapshot(const Battery& b, const QDateTime& at) const;
    void makeLogs(int events, int histories);

    QRandomGenerator m_rng;
    QDateTime m_start;
    bool m_wallClock = false;
    qint64 m_elapsedS = 0;
    QVector<Battery> m_batteries;
    SystemState m_flow = SystemState::Discharging;
    bool m_cfet = true;
    bool m_dfet = true;
    int m_selected = 1;
    QVector<ProtectionRow> m_protection;
    QVector<ProtectionRow> m_settings;
    QVector<LogRecord> m_events;
    QVector<LogRecord> m_histories;
};

} // namespace sim
