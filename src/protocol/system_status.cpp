#include "protocol/system_status.h"

#include "protocol/reply_fields.h"

namespace {

// The first state text found after the reply's first character decides, in this order, so
// that a discharging system is never read as charging.
std::optional<QString> systemState(const QString& reply) {
    static const struct {
        const char* text;
        const char* state;
    } kStates[] = {
        {"idle", "idle"},
        {"System is charging", "charge"},
        {"discharg", "discharge"},
        {"System is error", "SysError"},
    };
    for (const auto& s : kStates) {
        if (reply.indexOf(QLatin1String(s.text)) > 0) {
            return QString::fromLatin1(s.state);
        }
    }
    return std::nullopt;
}

BatStatusRow statusRow(const QStringList& f) {
    BatStatusRow row;
    row.batNum = f.at(0);
    row.basicState = f.at(8);
    row.voltState = f.at(9);
    row.currState = f.at(10);
    row.tempState = f.at(11);
    row.soc = toDouble(QString(f.at(12)).remove(QLatin1Char('%')));
    row.alarmTime = f.at(13) + QLatin1Char(' ') + f.at(14);
    row.cellVolState = f.at(15);
    row.cellTempState = f.at(16);
    return row;
}

QString pwrTableBody(const QString& reply) {
    if (reply.contains(QLatin1String("DevType"))) {
        return sliceBetween(reply, QStringLiteral("DevType"), kSuccessMarker, false);
    }
    if (reply.contains(QLatin1String("B.T.St"))) {
        return sliceBetween(reply, QStringLiteral("B.T.St"), kSuccessMarker, false);
    }
    return QString();
}

// "Prechg relay" units print the charge state after the second ':' from the label on; the
// MOSFET units print it after the first ':' of the "CFET" line.
SwitchState switchSide(const QString& reply, const QString& relayLabel, const QString& fetLabel) {
    SwitchState side;
    const QString relay = fieldRemainder(reply, relayLabel);
    if (relay.isNull()) {
        side.state = fieldText(reply, fetLabel);
        return side;
    }
    side.relay = true;
    const int firstColon = relay.indexOf(QLatin1Char(':'));
    if (firstColon >= 0) {
        side.state = fieldText(relay.mid(firstColon + 1), QStringLiteral(":"));
    }
    return side;
}

} // namespace

PwrSysReply parsePwrSys(const QString& reply) {
    PwrSysReply r;
    if (!containsAll(reply, {"System is", "Present Num", "System Volt", "System Curr", "System SOC",
                             "System SOH"})) {
        r.state = QString();
        return r;
    }
    r.complete = true;
    r.state = systemState(reply);
    const QString present = fieldText(reply, QStringLiteral("Present Num"));
    r.presentNum = toIntOr(present, kNoData);
    r.windowPresentNum = toIntOr(present, 0);
    const double volt = fieldDouble(reply, QStringLiteral("System Volt"), QStringLiteral("mV"));
    const double curr = fieldDouble(reply, QStringLiteral("System Curr"), QStringLiteral("mA"));
    r.totalVolt = volt == kNoDataDouble ? kNoDataDouble : volt / 1000.0;
    r.totalCurr = curr == kNoDataDouble ? kNoDataDouble : curr / 1000.0;
    r.totalSoc = fieldInt(reply, QStringLiteral("System SOC"), QStringLiteral("%"));
    r.totalSoh = fieldInt(reply, QStringLiteral("System SOH"), QStringLiteral("%"));
    return r;
}

PwrTableReply parsePwrTable(const QString& reply, int presentNum) {
    PwrTableReply r;
    r.body = pwrTableBody(reply);
    if (r.body.isNull()) {
        return r; // not a table
    }
    r.body = r.body.trimmed();
    const QStringList lines = r.body.split(QLatin1Char('\n'));
    if (presentNum > lines.size()) {
        return r;
    }
    r.applied = true;
    for (int i = 0; i < presentNum; ++i) {
        const QStringList fields = splitFields(lines.at(i));
        if (fields.size() >= kPwrTableMinFields) {
            r.rows.append(statusRow(fields));
        }
    }
    return r;
}

BalanceReply parseBalance(const QString& reply, int presentNum) {
    BalanceReply r;
    if (reply.contains(QLatin1String("Unknown"))) {
        r.outcome = BalanceReply::Outcome::UnknownCommand;
        return r;
    }
    r.body = sliceBetween(reply, QStringLiteral("1"), kSuccessMarker, true).trimmed();
    const QStringList lines = r.body.split(QLatin1Char('\n'));
    r.lineCount = lines.size();
    if (r.lineCount != presentNum) {
        return r;
    }
    r.outcome = BalanceReply::Outcome::Applied;
    // Each state at the battery number its line carries: a line without a state or without
    // a readable number (1 to the present number) moves no other battery.
    for (const QString& line : lines) {
        const QStringList fields = splitFields(line.trimmed());
        const int n = fields.size() >= 2 ? toIntOr(fields.at(0), 0) : 0;
        if (n < 1 || n > presentNum)
            continue;
        while (r.states.size() < n)
            r.states.append(QString());
        r.states[n - 1] = fields.at(1);
    }
    return r;
}

CtrlReply parseCtrl(const QString& reply) {
    CtrlReply r;
    r.charge = switchSide(reply, QStringLiteral("Prechg relay"), QStringLiteral("CFET"));
    r.discharge = switchSide(reply, QStringLiteral("Main relay"), QStringLiteral("DFET"));
    return r;
}

QVector<RowAlarm> rowAlarms(const BatStatusRow& row) {
    QVector<RowAlarm> alarms;
    if (row.basicState.contains(QLatin1String("SysError")))
        alarms.append({AlarmField::Basic, row.basicState});
    const RowAlarm states[] = {
        {AlarmField::Volt, row.voltState},         {AlarmField::Curr, row.currState},
        {AlarmField::Temp, row.tempState},         {AlarmField::CellVol, row.cellVolState},
        {AlarmField::CellTemp, row.cellTempState},
    };
    for (const RowAlarm& s : states) {
        if (!s.state.contains(QLatin1String("Normal")))
            alarms.append(s);
    }
    return alarms;
}

int batteryNumber(const BatStatusRow& row) {
    const int n = toIntOr(row.batNum, 0);
    return n >= 1 && n <= kHighestBatteryNumber ? n : 0;
}

bool rowInAlarm(const BatStatusRow& row) {
    return !rowAlarms(row).isEmpty();
}

bool rowTempAlarm(const BatStatusRow& row) {
    for (const RowAlarm& a : rowAlarms(row)) {
        if (a.field == AlarmField::Temp || a.field == AlarmField::CellTemp)
            return true;
    }
    return false;
}

QVector<int> alarmedBatteries(const QVector<BatStatusRow>& rows) {
    QVector<int> numbers;
    for (const BatStatusRow& row : rows) {
        const int n = batteryNumber(row);
        if (n > 0 && !numbers.contains(n) && rowInAlarm(row))
            numbers.append(n);
    }
    return numbers;
}
