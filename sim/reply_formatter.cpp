#include "reply_formatter.h"

#include "sim_constants.h"

namespace sim {
namespace {

constexpr int kLabelWidth = 20;
constexpr int kConfigLabelWidth = 28;
constexpr char kDateTime[] = "yyyy-MM-dd HH:mm:ss";

QString labelled(const QString& label, const QString& value) {
    return label.leftJustified(kLabelWidth) + ": " + value;
}

QString labelled(const QString& label, int value, const char* unit) {
    return labelled(label, QString::number(value) + " " + unit);
}

// Fields padded to the given widths; a field never runs into the next one.
QString columns(const QStringList& fields, const QVector<int>& widths) {
    QString out;
    for (int i = 0; i < fields.size(); ++i) {
        const int width = i < widths.size() ? widths.at(i) : 8;
        const bool last = i + 1 == fields.size();
        out += last ? fields.at(i) : fields.at(i).leftJustified(width - 1) + " ";
    }
    return out;
}

QString num(int v) {
    return QString::number(v);
}

const QVector<int> kPwrWidths = {7, 7, 8, 7, 7, 7, 6, 6, 9, 9, 9, 9, 9, 11, 10, 9, 8};
const QVector<int> kBatWidths = {9, 7, 8, 7, 9, 9, 9, 9, 6, 7, 4};
const QVector<int> kRecordWidths = {6, 11, 10, 7, 8, 7, 7, 7, 6, 7, 8, 9, 9, 9, 9, 8};
const QVector<int> kStreamWidths = {6, 11, 10, 8, 8, 8, 8, 8, 8, 9, 9, 10, 10, 10, 8, 10, 8, 6};

} // namespace

QByteArray lines(const QStringList& text) {
    QByteArray out;
    for (const QString& line : text)
        out += line.toUtf8() + kLineEnd;
    return out;
}

QByteArray frame(const QString& echo, const QStringList& body, const QString& marker) {
    QStringList all{echo, kStartMarker};
    all += body;
    if (!marker.isEmpty())
        all += marker;
    all += kEndMarker;
    return lines(all);
}

QStringList ReplyFormatter::pwrsys() const {
    static const char* const kStates[] = {"System is idle", "System is charging",
                                          "System is discharging"};
    const UnitModel& m = m_model;
    return {kStates[int(m.systemState())],
            labelled("Present Num", QString::number(m.batteryCount())),
            labelled("System Volt", m.systemMv(), "mV"),
            labelled("System Curr", m.systemMa(), "mA"),
            labelled("System RC", m.systemRemainingMah(), "mAH"),
            labelled("System FCC", m.systemFullMah(), "mAH"),
            labelled("System SOC", m.systemSoc(), "%"),
            labelled("System SOH", m.systemSoh(), "%")};
}

QStringList ReplyFormatter::pwrTable() const {
    QStringList out{
        columns({"Power", "Volt", "Curr", "Tempr", "Tlow", "Thigh", "Vlow", "Vhigh", "Base.St",
                 "Volt.St", "Curr.St", "Temp.St", "Coulomb", "Time", "", "B.V.St", "B.T.St"},
                kPwrWidths)};
    for (int n = 1; n <= m_model.batteryCount(); ++n) {
        const Battery& b = m_model.battery(n);
        const QStringList stamp = b.statusSince.toString(kDateTime).split(' ');
        out +=
            columns({num(n), num(b.packMv()), num(b.currentMa), num(b.tempMc()), num(b.minCellMc()),
                     num(b.maxCellMc()), num(b.minCellMv()), num(b.maxCellMv()), b.basicStatus(),
                     "Normal", "Normal", b.tempState(), num(b.socPercent()) + "%", stamp.at(0),
                     stamp.at(1), "Normal", b.tempState()},
                    kPwrWidths);
    }
    return out;
}

QStringList ReplyFormatter::pwrBattery(int n) const {
    const Battery& b = m_model.battery(n);
    return {labelled("Power", QString::number(n)),
            labelled("Voltage", b.packMv(), "mV"),
            labelled("Current", b.currentMa, "mA"),
            labelled("Temperature", b.tempMc(), "mC"),
            labelled("Coulomb", b.socPercent(), "%"),
            labelled("Total Coulomb", b.fullMah, "mAH"),
            labelled("Real Coulomb", b.remainingMah(), "mAH"),
            labelled("Basic Status", b.basicStatus()),
            labelled("Volt Status", "Normal"),
            labelled("Curr Status", "Normal"),
            labelled("Tmpr Status", b.tempState()),
            labelled("System Fault", "Normal")};
}

QStringList ReplyFormatter::balance() const {
    QStringList out{"Power  Balance  Cells"};
    for (int n = 1; n <= m_model.batteryCount(); ++n) {
        const Battery& b = m_model.battery(n);
        int mask = 0;
        for (int c = 0; c < kCellsPerBattery && b.balancing(); ++c)
            mask |= b.cellMv(c) > b.minCellMv() + 15 ? 1 << c : 0;
        out += columns(
            {num(n), b.balancing() ? "1" : "0", QString("0x%1").arg(mask, 4, 16, QChar('0'))},
            {7, 9, 8});
    }
    return out;
}

QStringList ReplyFormatter::ctrl() const {
    const QString c = m_model.cfet() ? "ON" : "OFF";
    const QString d = m_model.dfet() ? "ON" : "OFF";
    if (m_relay)
        return {"Prechg relay:K2:" + c, "Main relay:K1:" + d};
    return {"CFET:" + c, "DFET:" + d};
}

QStringList ReplyFormatter::info(int n) const {
    const Battery& b = m_model.battery(n);
    return {labelled("Device address", QString::number(n)),
            labelled("Device name", m_deviceName),
            labelled("Manufacturer", "Norvane"),
            labelled("Boot version", "V1.0.3"),
            labelled("Comm version", "V2.1.0"),
            labelled("Main Soft version", "V3.4.12"),
            labelled("Barcode", b.barcode),
            labelled("Specification", "48V100AH"),
            labelled("Max Charge Curr", "60A"),
            labelled("Release Date", "2024-03-15"),
            labelled("Cell Number", QString::number(kCellsPerBattery))};
}

QStringList ReplyFormatter::bat(int n) const {
    const Battery& b = m_model.battery(n);
    QStringList out{columns(
        {"Battery", "Volt", "Curr", "Tempr", "Balance", "Base.St", "Volt.St", "Temp.St", "Coulomb"},
        kBatWidths)};
    const int capacityPerCell = b.fullMah;
    for (int c = 0; c < kCellsPerBattery; ++c) {
        const int soc = b.cellSoc(c);
        out += columns({num(c), num(b.cellMv(c)), num(b.currentMa), num(b.cellMc(c)),
                        b.balancing() ? "1" : "0", b.basicStatus(), "Normal", b.cellTempState(c),
                        num(soc) + "%", num(capacityPerCell * soc / 100), "mAH"},
                       kBatWidths);
    }
    return out;
}

QStringList ReplyFormatter::config() const {
    auto rowText = [](const ProtectionRow& r) {
        const QString values = r.pack.isEmpty() ? r.cell : r.cell + "  " + r.pack;
        return r.name.leftJustified(kConfigLabelWidth) + ": " + values + "  " + r.unit;
    };
    QStringList out{"Alarm and protection parameters"};
    for (const ProtectionRow& r : m_model.protection())
        out += rowText(r);
    for (const ProtectionRow& r : m_model.settings())
        out += rowText(r);
    return out;
}

QStringList ReplyFormatter::dataCounts() const {
    return {labelled("Data Number", QString::number(m_model.events().size())),
            labelled("History Data Number", QString::number(m_model.histories().size()))};
}

QStringList ReplyFormatter::help() const {
    return {"login debug | logout | pwrsys | pwr [N] | balance | ctrl [cfet|dfet on|off]",
            "info [N] | bat [N] | config [default] | data [event|history N]",
            "datalist event|history N | disp pwrs N | disp 0 | tbar CODE | tall", "updata | uboot"};
}

QString ReplyFormatter::recordHeader(bool mask) {
    QStringList names{"Item",  "Date", "Time",  "Volt", "Curr",
                      "Tempr", "Tlow", "Thigh", "Vlow", "Vhigh"};
    if (mask)
        names += "mask";
    names += {"Base.St", "Volt.St", "Curr.St", "Temp.St", "Percent", "Events"};
    QVector<int> widths = kRecordWidths;
    if (!mask)
        widths.remove(10);
    return columns(names, widths);
}

QString ReplyFormatter::recordLine(const LogRecord& r, bool mask) {
    QStringList f{num(r.item),
                  r.time.toString("yyyy-MM-dd"),
                  r.time.toString("HH:mm:ss"),
                  num(r.volt),
                  num(r.curr),
                  num(r.temp),
                  num(r.tlow),
                  num(r.thigh),
                  num(r.vlow),
                  num(r.vhigh)};
    if (mask)
        f += QString("0x%1").arg(r.mask, 4, 16, QChar('0'));
    f += {r.baseSt, r.voltSt, r.currSt, r.tempSt, num(r.soc) + "%", r.text};
    QVector<int> widths = kRecordWidths;
    if (!mask)
        widths.remove(10);
    return columns(f, widths);
}

QStringList ReplyFormatter::recordDetail(const LogRecord& r, bool mask) {
    QStringList out{labelled("Item", num(r.item)),
                    labelled("Time", r.time.toString(kDateTime)),
                    labelled("Volt", r.volt, "mV"),
                    labelled("Current", r.curr, "mA"),
                    labelled("Temp", r.temp, "mC"),
                    labelled("Min. temp of cell", r.tlow, "mC"),
                    labelled("Max. temp of cell", r.thigh, "mC"),
                    labelled("Min. volt of cell", r.vlow, "mV"),
                    labelled("Max. volt of cell", r.vhigh, "mV")};
    if (mask)
        out += labelled("mask", QString("0x%1").arg(r.mask, 4, 16, QChar('0')));
    out += {labelled("Base Status", r.baseSt),     labelled("Volt Status", r.voltSt),
            labelled("Curr Status", r.currSt),     labelled("Temp Status", r.tempSt),
            labelled("Percent", num(r.soc) + "%"), labelled("Events", r.text)};
    return out;
}

QString ReplyFormatter::streamHeader() {
    return "ID    Time                 Vo      Vrf     Cu      Tmpr    Tlow    Thigh   Vlow     "
           "Vhigh    Base.St   Volt.St   Curr.St   Temp.St B.V.St    B.T.St  Per%  Coul(mAH)";
}

QString ReplyFormatter::streamLine(int id, const QDateTime& at, int n) const {
    const Battery& b = m_model.battery(n);
    const int vrf = b.packMv() - b.currentMa / 1000;
    return columns({num(id), at.toString("yyyy-MM-dd"), at.toString("HH:mm:ss"), num(b.packMv()),
                    num(vrf), num(b.currentMa), num(b.tempMc()), num(b.minCellMc()),
                    num(b.maxCellMc()), num(b.minCellMv()), num(b.maxCellMv()), b.basicStatus(),
                    "Normal", "Normal", "Normal", "Normal", "Normal", num(b.socPercent()) + "%",
                    num(b.remainingMah())},
                   kStreamWidths);
}

} // namespace sim
