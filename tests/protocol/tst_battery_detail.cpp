// The battery detail parsers on recorded replies and their hostile variants.

#include "fixtures.h"
#include "protocol/battery_detail.h"

namespace {
const int NoData = 268435455;

// A cell line of the 11-field layout (mV, m-degrees, mAH).
QString cellLine(int n, int mv, int soc = 87, int mah = 87000) {
    return QStringLiteral("%1 %2 -625 25000 Dischg Normal Normal Normal %3% %4 mAH")
        .arg(n)
        .arg(mv)
        .arg(soc)
        .arg(mah);
}

QString batReply(const QStringList& cells) {
    return QStringLiteral("bat 1\n@\nBattery Volt Curr Tempr Base State Volt. State Curr. State "
                          "Temp. State SOC Coulomb\n") +
           cells.join(QLatin1Char('\n')) + QStringLiteral("\nCommand completed successfully\n$$");
}
} // namespace

class TstBatteryDetail : public QObject {
    Q_OBJECT
private slots:
    void info_data();
    void info();
    void infoMissingLabel();
    void batSummary_data();
    void batSummary();
    void batLineCountMismatch();
    void pwrBat_data();
    void pwrBat();
    void pwrBatMissingLabel();
};

void TstBatteryDetail::info_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>(
        "fields"); // address, name ("<none>": not known), boot, barcode, cell number

    const QString r = fixtureReply("info.txt");
    const auto row = [&r](const char* name, const char* label, const char* line,
                          const QStringList& fields) {
        QTest::newRow(name) << (label ? withLine(r, label, line) : r) << fields;
    };
    const QString code = QStringLiteral("NVB48100C2240012");
    row("recorded", nullptr, nullptr, {"2", "NVB-48100", "V1.2", code, "15"});
    row("15-character barcode is none", "Barcode", "Barcode : NVB48100C224001",
        {"2", "NVB-48100", "V1.2", "", "15"});
    row("boot version with one blank", "Boot  version", "Boot version : V0.9",
        {"2", "NVB-48100", "V0.9", code, "15"});
    row("cell number unreadable", "Cell Number", "Cell Number : ?",
        {"2", "NVB-48100", "V1.2", code, QString::number(NoData)});
    row("no device name", "Device name", nullptr, {"2", "", "V1.2", code, "15"});
}

void TstBatteryDetail::info() {
    QFETCH(QString, reply);
    const InfoReply i = parseInfo(reply);
    QVERIFY(i.complete);
    QTEST((QStringList{i.deviceAddress, i.deviceName.value_or("<none>"), i.bootVersion, i.barcode,
                       QString::number(i.cellNumber)}),
          "fields");
    if (QTest::currentDataTag() != QLatin1String("recorded"))
        return;
    QCOMPARE((QStringList{i.mainSoftVersion, i.commVersion, i.packRating, i.maxChargeCurr,
                          i.releaseDate}),
             (QStringList{"B70.12", "V2.0", "3.2V/100AH", "100000mA", "22-04-18"}));
}

// One missing line clears every identity field, the ones present too.
void TstBatteryDetail::infoMissingLabel() {
    for (const char* label :
         {"Device address", "Boot", "Barcode", "Specification", "Main Soft version", "Comm version",
          "Max Charge Curr", "Release Date", "Cell Number"}) {
        const InfoReply i = parseInfo(withLine(fixtureReply("info.txt"), label));
        QVERIFY2(!i.complete, label);
        QVERIFY(!i.deviceName.has_value());
        QCOMPARE((i.deviceAddress + i.bootVersion + i.commVersion + i.mainSoftVersion + i.barcode +
                  i.packRating + i.maxChargeCurr + i.releaseDate),
                 QString());
        QCOMPARE(i.cellNumber, NoData);
    }
}

void TstBatteryDetail::batSummary_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("cellNumber");
    QTest::addColumn<QString>("values"); // cells, highest cell and V, lowest cell and V, SOC, AH,
    // then the first cell: V, degrees, SOC, AH (whole, rounded down)

    const auto row = [](const char* name, const QStringList& lines, const char* values) {
        QTest::newRow(name) << batReply(lines) << lines.size() << values;
    };
    QTest::newRow("recorded") << fixtureReply("bat.txt") << 15
                              << "15 5 3.321 9 3.301 85 85 3.312 25 87 87";
    row("ties keep the earlier cell",
        {cellLine(0, 3330), cellLine(1, 3290), cellLine(2, 3290), cellLine(3, 3330)},
        "4 0 3.33 1 3.29 87 87 3.33 25 87 87");
    row("lowest SOC, whole AH", {cellLine(0, 3300, 90, 90999), cellLine(1, 3300, 80, 80999)},
        "2 0 3.3 0 3.3 80 80 3.3 25 90 90");
    row("10-field layout",
        {"0 3300 25000 x Dischg Normal Normal 87% 87000 mAH",
         "1 3350 26000 x Dischg Normal Normal 86% 86000 mAH"},
        "2 1 3.35 0 3.3 86 86 3.3 25 87 87");
    row("12-field line skipped, summary not restarted",
        {cellLine(0, 3300), cellLine(1, 3400), cellLine(2, 3200) + " extra"},
        "2 1 3.4 0 3.3 87 87 3.3 25 87 87");
    row("short line skipped", {cellLine(0, 3300), "1 3100 -625", cellLine(2, 3250)},
        "2 0 3.3 2 3.25 87 87 3.3 25 87 87");
}

void TstBatteryDetail::batSummary() {
    QFETCH(QString, reply);
    QFETCH(int, cellNumber);
    const CellTable t = parseBat(reply, cellNumber);
    QVERIFY(t.matched);
    const CellRecord& c = t.cells.first();
    QTEST(nums({double(t.cells.size()), double(t.maxVoltageCell), t.maxVoltage,
                double(t.minVoltageCell), t.minVoltage, double(t.soc), t.capacity, c.voltage,
                c.temperature, double(c.soc), double(c.capacity)}),
          "values");
}

// A table whose size does not match "info" is no data, not a partial summary.
void TstBatteryDetail::batLineCountMismatch() {
    for (int cellNumber : {14, 16}) {
        const CellTable t = parseBat(fixtureReply("bat.txt"), cellNumber);
        QVERIFY(!t.matched);
        QCOMPARE(t.lineCount, 15);
        QVERIFY(t.cells.isEmpty());
        QCOMPARE(nums({t.maxVoltage, t.minVoltage, t.capacity, double(t.maxVoltageCell),
                       double(t.minVoltageCell), double(t.soc)}),
                 QStringLiteral("- - - - - -"));
    }
    QVERIFY(!parseBat(QStringLiteral("bat 1\n@\nUnknown command\n$$"), 1).matched);
}

void TstBatteryDetail::pwrBat_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("values"); // A, degrees, SOC, SOH

    const QString r = fixtureReply("pwr_bat.txt");
    const auto row = [&r](const char* name, const char* label, const char* line,
                          const char* values) {
        QTest::newRow(name) << (label ? withLine(r, label, line) : r) << values;
    };
    row("recorded", nullptr, nullptr, "-2.5 25 87 87");
    row("real above total caps SOH at 100", "Real Coulomb", "Real Coulomb : 120000 mAH",
        "-2.5 25 87 100");
    row("total of 0", "Total Coulomb", "Total Coulomb : 0 mAH", "-2.5 25 87 -");
    row("SOC not a number", "Coulomb         :", "Coulomb : ?? %", "-2.5 25 - 87");
    row("negative temperature", "Temperature", "Temperature : -5500 mC", "-2.5 -5.5 87 87");
}

void TstBatteryDetail::pwrBat() {
    QFETCH(QString, reply);
    const PwrBatReply p = parsePwrBat(reply);
    QVERIFY(p.complete);
    QTEST(nums({p.current, p.temperature, double(p.soc), p.soh}), "values");
    QCOMPARE(p.basicStatus + QLatin1Char(' ') + p.systemFault, QStringLiteral("Dischg 0x0"));
}

void TstBatteryDetail::pwrBatMissingLabel() {
    for (const char* label :
         {"Temperature", "Total Coulomb", "Real Coulomb", "Basic Status", "System Fault"}) {
        const PwrBatReply p = parsePwrBat(withLine(fixtureReply("pwr_bat.txt"), label));
        QVERIFY2(!p.complete, label);
        QCOMPARE(nums({p.current, p.temperature, double(p.soc), p.soh}), QStringLiteral("- - - -"));
        QVERIFY(p.basicStatus.isEmpty() && p.systemFault.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TstBatteryDetail)
#include "tst_battery_detail.moc"
