#include "unit_model.h"

#include "sim_constants.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// Open-circuit voltage of an LFP cell over SOC, in mV, and its resistance (mV per A).
constexpr int kCellEmptyMv = 3150;
constexpr double kCellMvPerSoc = 2.0;
constexpr double kCellMvPerAmp = 1.0;
constexpr int kAmbientMc = 25000;
constexpr int kMcPerAmp = 60;
constexpr int kMaxCellOffsetMv = 25;
constexpr int kMaxCellOffsetMc = 3000;
constexpr int kBalanceDiffMv = 20;
constexpr int kIdleLimitMa = 500;
constexpr int kChargeMa = 15000;
constexpr int kDischargeMa = -12000;
constexpr int kJitterMa = 800;
constexpr int kFlowChangeOdds = 900; // one in this many steps changes the flow
constexpr int kEventSpacingS = 3 * 3600;
constexpr int kHistorySpacingS = 30 * 60;

struct EventKind {
    const char* text;
    quint16 mask;
    const char* voltSt;
    const char* currSt;
    const char* tempSt;
};

const EventKind kEventKinds[] = {
    {"Cell over voltage alarm", 0x0001, "OVA", "Normal", "Normal"},
    {"Cell under voltage alarm", 0x0002, "UVA", "Normal", "Normal"},
    {"Charge over current alarm", 0x0004, "Normal", "COCA", "Normal"},
    {"Discharge over current alarm", 0x0008, "Normal", "DOCA", "Normal"},
    {"High temperature alarm", 0x0010, "Normal", "Normal", "OTA"},
    {"Low temperature alarm", 0x0020, "Normal", "Normal", "UTA"},
    {"Cell difference alarm", 0x0040, "DIFA", "Normal", "Normal"},
    {"System power on", 0x0000, "Normal", "Normal", "Normal"},
    {"CFET switched off", 0x0100, "Normal", "Normal", "Normal"},
    {"DFET switched off", 0x0200, "Normal", "Normal", "Normal"},
};

const QVector<ProtectionRow> kDefaultProtection = {
    {"Over Voltage Alarm", "3550", "56800", "mV"},
    {"Over Voltage Protect", "3650", "58400", "mV"},
    {"Over Voltage Release", "3450", "55200", "mV"},
    {"Under Voltage Alarm", "2900", "46400", "mV"},
    {"Under Voltage Protect", "2700", "43200", "mV"},
    {"Under Voltage Release", "3000", "48000", "mV"},
    {"Charge Over Current Alarm", "55000", "", "mA"},
    {"Charge Over Current Protect", "60000", "", "mA"},
    {"Dsg Over Current Alarm", "-55000", "", "mA"},
    {"Dsg Over Current Protect", "-60000", "", "mA"},
    {"Charge High Temp Alarm", "50000", "", "mC"},
    {"Charge High Temp Protect", "55000", "", "mC"},
    {"Charge Low Temp Alarm", "2000", "", "mC"},
    {"Charge Low Temp Protect", "0", "", "mC"},
    {"Dsg High Temp Alarm", "55000", "", "mC"},
    {"Dsg High Temp Protect", "60000", "", "mC"},
    {"Dsg Low Temp Alarm", "-15000", "", "mC"},
    {"Dsg Low Temp Protect", "-20000", "", "mC"},
};

const QVector<ProtectionRow> kDefaultSettings = {
    {"Shut time", "720", "", "min"},
    {"Balance Start Volt", "3400", "", "mV"},
    {"Balance Diff Volt", "30", "", "mV"},
    {"Full Charge Volt", "3550", "", "mV"},
    {"Sleep time", "30", "", "min"},
    {"Design Capacity", QString::number(kBatteryCapacityMah), "", "mAH"},
};

int clampStep(QRandomGenerator& rng, int value, int step, int limit) {
    return std::clamp(value + rng.bounded(-step, step + 1), -limit, limit);
}

} // namespace

int Battery::cellMv(int cell) const {
    const double mv = kCellEmptyMv + kCellMvPerSoc * soc + kCellMvPerAmp * currentMa / 1000.0;
    return int(std::lround(mv)) + cellOffsetMv.at(cell);
}

int Battery::cellMc(int cell) const {
    return kAmbientMc + std::abs(currentMa) / 1000 * kMcPerAmp + cellOffsetMc.at(cell) + heatMc;
}

namespace {
constexpr int kHighTempAlarmMc = 50000;
constexpr int kOverheatMc = 30000;
} // namespace

QString Battery::tempState() const {
    return maxCellMc() > kHighTempAlarmMc ? QStringLiteral("OTA") : QStringLiteral("Normal");
}

QString Battery::cellTempState(int cell) const {
    return cellMc(cell) > kHighTempAlarmMc ? QStringLiteral("OTA") : QStringLiteral("Normal");
}

void UnitModel::overheat(int number) {
    if (hasBattery(number))
        m_batteries[number - 1].heatMc = kOverheatMc;
}

void UnitModel::coolDown(int number) {
    if (hasBattery(number))
        m_batteries[number - 1].heatMc = 0;
}

int Battery::cellSoc(int cell) const {
    return std::clamp(int(soc + cellOffsetMv.at(cell) / 5.0 + 0.5), 0, 100);
}

int Battery::packMv() const {
    int sum = 0;
    for (int i = 0; i < cellOffsetMv.size(); ++i)
        sum += cellMv(i);
    return sum;
}

int Battery::tempMc() const {
    int sum = 0;
    for (int i = 0; i < cellOffsetMc.size(); ++i)
        sum += cellMc(i);
    return sum / std::max(1, int(cellOffsetMc.size()));
}

int Battery::minCellMv() const {
    return *std::min_element(cellOffsetMv.begin(), cellOffsetMv.end()) + cellMv(0) -
           cellOffsetMv.at(0);
}

int Battery::maxCellMv() const {
    return *std::max_element(cellOffsetMv.begin(), cellOffsetMv.end()) + cellMv(0) -
           cellOffsetMv.at(0);
}

int Battery::minCellMc() const {
    return *std::min_element(cellOffsetMc.begin(), cellOffsetMc.end()) + cellMc(0) -
           cellOffsetMc.at(0);
}

int Battery::maxCellMc() const {
    return *std::max_element(cellOffsetMc.begin(), cellOffsetMc.end()) + cellMc(0) -
           cellOffsetMc.at(0);
}

int Battery::sohPercent() const {
    return std::min(100, fullMah * 100 / kBatteryCapacityMah);
}

bool Battery::balancing() const {
    return maxCellMv() - minCellMv() > kBalanceDiffMv;
}

QString Battery::basicStatus() const {
    if (currentMa > kIdleLimitMa)
        return "Charge";
    if (currentMa < -kIdleLimitMa)
        return "Dischg";
    return "Idle";
}

UnitModel::UnitModel(int batteries, quint32 seed, const QDateTime& start, bool wallClock,
                     int events, int histories)
    : m_rng(seed), m_start(start), m_wallClock(wallClock) {
    const int noBarcode = batteries >= 2 ? 2 : 1;
    for (int n = 1; n <= batteries; ++n) {
        Battery b;
        b.number = n;
        if (n != noBarcode)
            b.barcode = QString("NB24050481%1").arg(m_rng.bounded(1000000), 6, 10, QChar('0'));
        b.soc = 55.0 + m_rng.bounded(30);
        b.fullMah = kBatteryCapacityMah - 1000 * m_rng.bounded(4);
        for (int c = 0; c < kCellsPerBattery; ++c) {
            b.cellOffsetMv.append(m_rng.bounded(-12, 13));
            b.cellOffsetMc.append(m_rng.bounded(-1500, 1501));
        }
        b.statusSince = start;
        m_batteries.append(b);
    }
    resetConfig();
    makeLogs(events, histories);
    for (Battery& b : m_batteries)
        b.currentMa = flowTargetMa();
}

QDateTime UnitModel::now() const {
    if (m_wallClock)
        return QDateTime::currentDateTime();
    return m_start.addSecs(m_elapsedS);
}

void UnitModel::step(int seconds) {
    m_elapsedS += seconds;
    chooseFlow();
    for (Battery& b : m_batteries)
        driftBattery(b, seconds);
}

void UnitModel::chooseFlow() {
    const int soc = systemSoc();
    if (soc >= 97 && m_flow == SystemState::Charging)
        m_flow = SystemState::Discharging;
    else if (soc <= 15 && m_flow == SystemState::Discharging)
        m_flow = SystemState::Charging;
    else if (m_rng.bounded(kFlowChangeOdds) == 0)
        m_flow = SystemState(m_rng.bounded(3));
}

int UnitModel::flowTargetMa() const {
    if (m_flow == SystemState::Charging && m_cfet)
        return kChargeMa;
    if (m_flow == SystemState::Discharging && m_dfet)
        return kDischargeMa;
    return 0;
}

void UnitModel::driftBattery(Battery& b, int seconds) {
    const QString before = b.basicStatus();
    const int target = flowTargetMa();
    int current =
        target == 0 ? m_rng.bounded(-60, 61) : target + m_rng.bounded(-kJitterMa, kJitterMa + 1);
    if ((current > 0 && !m_cfet) || (current < 0 && !m_dfet))
        current = 0;
    b.currentMa = current;
    const double deltaPct = current / 1000.0 * seconds / 3600.0 / (b.fullMah / 1000.0) * 100.0;
    b.soc = std::clamp(b.soc + deltaPct, 0.0, 100.0);
    for (int& mv : b.cellOffsetMv)
        mv = clampStep(m_rng, mv, 1, kMaxCellOffsetMv);
    for (int& mc : b.cellOffsetMc)
        mc = clampStep(m_rng, mc, 40, kMaxCellOffsetMc);
    if (b.basicStatus() != before)
        b.statusSince = now();
}

SystemState UnitModel::systemState() const {
    const int ma = systemMa();
    if (ma > kIdleLimitMa)
        return SystemState::Charging;
    if (ma < -kIdleLimitMa)
        return SystemState::Discharging;
    return SystemState::Idle;
}

int UnitModel::systemMv() const {
    int sum = 0;
    for (const Battery& b : m_batteries)
        sum += b.packMv();
    return sum / batteryCount();
}

int UnitModel::systemMa() const {
    int sum = 0;
    for (const Battery& b : m_batteries)
        sum += b.currentMa;
    return sum;
}

int UnitModel::systemRemainingMah() const {
    int sum = 0;
    for (const Battery& b : m_batteries)
        sum += b.remainingMah();
    return sum;
}

int UnitModel::systemFullMah() const {
    int sum = 0;
    for (const Battery& b : m_batteries)
        sum += b.fullMah;
    return sum;
}

int UnitModel::systemSoc() const {
    return int(std::lround(100.0 * systemRemainingMah() / systemFullMah()));
}

int UnitModel::systemSoh() const {
    return std::min(100, systemFullMah() * 100 / (kBatteryCapacityMah * batteryCount()));
}

void UnitModel::resetConfig() {
    m_protection = kDefaultProtection;
    m_settings = kDefaultSettings;
    m_cfet = true;
    m_dfet = true;
}

void UnitModel::writeBarcode(const QString& code) {
    if (hasBattery(m_selected))
        m_batteries[m_selected - 1].barcode = code;
}

LogRecord UnitModel::snapshot(const Battery& b, const QDateTime& at) const {
    LogRecord r;
    r.time = at;
    r.volt = b.packMv();
    r.curr = b.currentMa;
    r.temp = b.tempMc();
    r.tlow = b.minCellMc();
    r.thigh = b.maxCellMc();
    r.vlow = b.minCellMv();
    r.vhigh = b.maxCellMv();
    r.baseSt = b.basicStatus();
    r.voltSt = r.currSt = r.tempSt = "Normal";
    r.soc = b.socPercent();
    return r;
}

// Records are made from the first battery as it is at start, varied a little, oldest first.
void UnitModel::makeLogs(int events, int histories) {
    Battery b = m_batteries.first();
    for (int i = 0; i < events; ++i) {
        const EventKind& kind = kEventKinds[m_rng.bounded(int(std::size(kEventKinds)))];
        b.soc = 20.0 + m_rng.bounded(75);
        b.currentMa = m_rng.bounded(-15000, 15001);
        LogRecord r = snapshot(b, m_start.addSecs(qint64(i - events) * kEventSpacingS));
        r.item = i + 1;
        r.mask = kind.mask;
        r.voltSt = kind.voltSt;
        r.currSt = kind.currSt;
        r.tempSt = kind.tempSt;
        r.text = kind.text;
        m_events.append(r);
    }
    for (int i = 0; i < histories; ++i) {
        b.soc = 20.0 + m_rng.bounded(75);
        b.currentMa = m_rng.bounded(-15000, 15001);
        LogRecord r = snapshot(b, m_start.addSecs(qint64(i - histories) * kHistorySpacingS));
        r.item = i + 1;
        r.text = "Timed record";
        m_histories.append(r);
    }
}

} // namespace sim
