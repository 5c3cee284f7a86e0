#include "protocol/battery_detail.h"

#include "protocol/reply_fields.h"

#include <QLatin1String>
#include <QStringList>

#include <algorithm>

namespace {

double scaled(double value, double divisor) {
    return value == kNoDataDouble ? kNoDataDouble : value / divisor;
}

// A cell line: "num volt [curr] temp x state state state soc% capacity mAH" (mV, m-degrees,
// mAH). Lines of any other width are not cells.
std::optional<CellRecord> cellRecord(const QString& line) {
    const QStringList f = splitFields(line.trimmed());
    const bool withCurrent = f.size() == kCellFieldsWithCurrent;
    if (!withCurrent && f.size() != kCellFieldsWithoutCurrent) {
        return std::nullopt;
    }
    const int shift = withCurrent ? 1 : 0;
    CellRecord cell;
    cell.number = toIntOr(f.at(0), 0);
    if (const auto mv = toDouble(f.at(1)))
        cell.voltage = *mv / 1000.0;
    if (const auto milli = toDouble(f.at(2 + shift)))
        cell.temperature = *milli / 1000.0;
    cell.soc = toInt(f.at(7 + shift).section(QLatin1Char('%'), 0, 0));
    if (const auto mah = toInt(f.at(8 + shift)))
        cell.capacity = *mah / 1000;
    return cell;
}

// The smaller of a value so far and a cell's, either of them possibly none.
template <typename T> std::optional<T> lowest(std::optional<T> so, std::optional<T> cell) {
    return so && cell ? std::min(*so, *cell) : (so ? so : cell);
}

// Line order decides: cell 0 starts the summary over, every other cell moves the extremes
// only when strictly beyond them, so ties keep the earlier cell. Unreadable values take no
// part; a summary without any readable value is no data.
void summarise(CellTable& t) {
    std::optional<double> maxV, minV;
    int maxCell = 0, minCell = 0;
    std::optional<int> soc, capacity;
    for (const CellRecord& c : qAsConst(t.cells)) {
        if (c.number == 0) {
            maxV = minV = c.voltage;
            maxCell = minCell = 0;
            soc = c.soc;
            capacity = c.capacity;
            continue;
        }
        if (c.voltage && (!maxV || *c.voltage > *maxV)) {
            maxV = c.voltage;
            maxCell = c.number;
        }
        if (c.voltage && (!minV || *c.voltage < *minV)) {
            minV = c.voltage;
            minCell = c.number;
        }
        soc = lowest(soc, c.soc);
        capacity = lowest(capacity, c.capacity);
    }
    t.maxVoltage = maxV.value_or(kNoDataDouble);
    t.minVoltage = minV.value_or(kNoDataDouble);
    t.maxVoltageCell = maxV ? maxCell : kNoData;
    t.minVoltageCell = minV ? minCell : kNoData;
    t.soc = soc.value_or(kNoData);
    t.capacity = capacity ? double(*capacity) : kNoDataDouble;
}

} // namespace

InfoReply parseInfo(const QString& reply) {
    InfoReply r;
    if (!containsAll(reply,
                     {"Device address", "Boot", "Barcode", "Specification", "Main Soft version",
                      "Comm version", "Max Charge Curr", "Release Date", "Cell Number"})) {
        return r;
    }
    r.complete = true;
    r.deviceAddress = fieldText(reply, QStringLiteral("Device address"));
    r.deviceName = fieldText(reply, QStringLiteral("Device name"));
    const QString twoBlanks = QStringLiteral("Boot  version");
    r.bootVersion =
        fieldText(reply, reply.contains(twoBlanks) ? twoBlanks : QStringLiteral("Boot version"));
    const QString barcode = fieldText(reply, QStringLiteral("Barcode"));
    r.barcodeLength = barcode.size();
    r.barcode = barcode.size() < kMinBarcodeLength ? QString() : barcode;
    r.packRating = fieldText(reply, QStringLiteral("Specification"));
    r.mainSoftVersion = fieldText(reply, QStringLiteral("Main Soft version"));
    r.commVersion = fieldText(reply, QStringLiteral("Comm version"));
    r.maxChargeCurr = fieldText(reply, QStringLiteral("Max Charge Curr"));
    r.releaseDate = fieldText(reply, QStringLiteral("Release Date"));
    r.cellNumber = fieldInt(reply, QStringLiteral("Cell Number"));
    return r;
}

CellTable parseBat(const QString& reply, int cellNumber) {
    CellTable t;
    // The header ends with "Coulomb"; the first cell line starts with cell number 0.
    const QString table = fieldRemainder(reply, QStringLiteral("Coulomb"));
    if (table.isNull()) {
        return t;
    }
    t.body = sliceBetween(table, QStringLiteral("0"), kCompletedMarker, true).trimmed();
    const QStringList lines = t.body.split(QLatin1Char('\n'));
    t.lineCount = lines.size();
    if (t.lineCount != cellNumber) {
        return t;
    }
    t.matched = true;
    for (const QString& line : lines) {
        if (const auto cell = cellRecord(line)) {
            t.cells.append(*cell);
        }
    }
    summarise(t);
    return t;
}

PwrBatReply parsePwrBat(const QString& reply) {
    PwrBatReply r;
    if (!containsAll(reply, {"Temperature", "Coulomb", "Total Coulomb", "Real Coulomb",
                             "Basic Status", "System Fault"})) {
        return r;
    }
    r.complete = true;
    r.current = scaled(fieldDouble(reply, QStringLiteral("Current"), QStringLiteral("mA")), 1000.0);
    r.temperature =
        scaled(fieldDouble(reply, QStringLiteral("Temperature"), QStringLiteral("mC")), 1000.0);
    r.soc = fieldInt(reply, QStringLiteral("Coulomb"), QStringLiteral("%"));
    const double total = fieldDouble(reply, QStringLiteral("Total Coulomb"), QStringLiteral("mAH"));
    const double real = fieldDouble(reply, QStringLiteral("Real Coulomb"), QStringLiteral("mAH"));
    if (total != kNoDataDouble && real != kNoDataDouble && total != 0.0) {
        r.soh = qMin(real / total * 100.0, kMaxSoh);
    }
    r.basicStatus = fieldText(reply, QStringLiteral("Basic Status"));
    r.systemFault = fieldText(reply, QStringLiteral("System Fault"));
    return r;
}
