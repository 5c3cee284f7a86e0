#pragma once
// Parsers of the system chain: "pwrsys" (totals), "pwr" (one line per battery), "balance"
// and "ctrl". Each takes the complete reply text and returns what the group view and the
// gauges show; applying it is the caller's business.

#include "protocol/protocol_constants.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

struct PwrSysReply {
    // All six labels were present; when false every value below is "no data" and the state
    // is the empty text.
    bool complete = false;
    // "idle", "charge", "discharge", "SysError" or (incomplete reply) empty; nullopt when
    // the reply names no known state and the shown one stays.
    std::optional<QString> state;
    int presentNum = kNoData; // for the group view
    int windowPresentNum = 0; // the main window's copy (complete replies): 0 when unreadable
    double totalVolt = kNoDataDouble; // V
    double totalCurr = kNoDataDouble; // A
    int totalSoc = kNoData;           // %
    int totalSoh = kNoData;           // %
};

PwrSysReply parsePwrSys(const QString& reply);

// One line of the "pwr" table, fields as the unit prints them.
struct BatStatusRow {
    QString batNum;            // field 0
    QString basicState;        // field 8
    QString voltState;         // field 9
    QString currState;         // field 10
    QString tempState;         // field 11
    std::optional<double> soc; // field 12 without "%"; none when unreadable ("----")
    QString alarmTime;         // fields 13 and 14, date and time
    QString cellVolState;      // field 15
    QString cellTempState;     // field 16
};

// The states of a row that the alarm text names: a basic state with "SysError", and every
// other state that does not read "Normal".
enum class AlarmField { Basic, Volt, Curr, Temp, CellVol, CellTemp };
struct RowAlarm {
    AlarmField field;
    QString state;
};
QVector<RowAlarm> rowAlarms(const BatStatusRow& row);
// The battery number the row carries, 1..16; 0 when its first field is none.
int batteryNumber(const BatStatusRow& row);
bool rowInAlarm(const BatStatusRow& row);
// The row's temperature or cell temperature is in alarm.
bool rowTempAlarm(const BatStatusRow& row);
// The battery numbers (1..16) of the rows the alarm text names, in table order.
QVector<int> alarmedBatteries(const QVector<BatStatusRow>& rows);

struct PwrTableReply {
    // False when the table has fewer lines than the present number: rows, alarm text and
    // gauges stay as they are.
    bool applied = false;
    QString body; // for the log
    // The first `presentNum` lines, minus those with too few fields. Each row belongs to the
    // battery whose number it carries (a dropped line moves no other battery).
    QVector<BatStatusRow> rows;
};

PwrTableReply parsePwrTable(const QString& reply, int presentNum);

struct BalanceReply {
    enum class Outcome { Applied, UnknownCommand, CountMismatch };
    Outcome outcome = Outcome::CountMismatch;
    QString body;      // for the log
    int lineCount = 0; // lines of the body
    // Entry n - 1 for battery n: "1" while it balances, empty when its line had no state.
    // Replaces the group view's list.
    QStringList states;
};

BalanceReply parseBalance(const QString& reply, int presentNum);

// One side of the switch indicators: MOSFETs ("CMOS State ", "DMOS State ") or, on units with
// relays, "Prechg Relay " and "Main Relay ". The indicator is checked when the state is "ON".
struct SwitchState {
    bool relay = false;
    QString state;
};

struct CtrlReply {
    SwitchState charge;
    SwitchState discharge;
};

CtrlReply parseCtrl(const QString& reply);
