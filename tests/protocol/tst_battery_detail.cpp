// The battery detail parsers on recorded replies and their hostile variants.

#include "fixtures.h"
#include "protocol/battery_detail.h"

namespace {
const int NoData = 268435455;
const double NoDataD = 268435455.0;

// A cell line of the 11-field layout (mV, m-degrees, mAH).
QString cellLine(int n, int mv, int soc = 87, int mah = 87000, int mdeg = 25000) {
    return QStringLiteral("%1 %2 -625 %3 Dischg Normal Normal Normal %4% %5 mAH")
        .arg(n)
        .arg(mv)
        .arg(mdeg)
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
    void infoRecorded();
    void infoMissingLabel_data();
    void infoMissingLabel();
    void infoValues_data();
    void infoValues();
    void batRecorded();
    void batSummary_data();
    void batSummary();
    void batLineCountMismatch();
    void pwrBat_data();
    void pwrBat();
    void pwrBatMissingLabel();
};

void TstBatteryDetail::infoRecorded() {
    const InfoReply i = parseInfo(fixtureReply("info.txt"));
    QVERIFY(i.complete);
    QCOMPARE(i.deviceAddress, QStringLiteral("2"));
    QCOMPARE(i.deviceName.value_or(QString()), QStringLiteral("NVB-48100"));
    QCOMPARE(i.bootVersion, QStringLiteral("V1.2"));
    QCOMPARE(i.mainSoftVersion, QStringLiteral("B70.12"));
    QCOMPARE(i.commVersion, QStringLiteral("V2.0"));
    QCOMPARE(i.barcode, QStringLiteral("NVB48100C2240012"));
    QCOMPARE(i.specification, QStringLiteral("3.2V/100AH"));
    QCOMPARE(i.maxChargeCurr, QStringLiteral("100000mA"));
    QCOMPARE(i.releaseDate, QStringLiteral("22-04-18"));
    QCOMPARE(i.cellNumber, 15);
}

void TstBatteryDetail::infoMissingLabel_data() {
    QTest::addColumn<QString>("label");
    for (const char* label :
         {"Device address", "Boot", "Barcode", "Specification", "Main Soft version", "Comm version",
          "Max Charge Curr", "Release Date", "Cell Number"}) {
        QTest::newRow(label) << QString::fromLatin1(label);
    }
}

// One missing line clears every identity field, the ones present too.
void TstBatteryDetail::infoMissingLabel() {
    QFETCH(QString, label);
    const InfoReply i = parseInfo(withoutLine(fixtureReply("info.txt"), label));
    QVERIFY(!i.complete);
    QVERIFY(!i.deviceName.has_value());
    for (const QString& text : {i.deviceAddress, i.bootVersion, i.commVersion, i.mainSoftVersion,
                                i.barcode, i.specification, i.maxChargeCurr, i.releaseDate}) {
        QVERIFY2(text.isEmpty(), qPrintable(text));
    }
    QCOMPARE(i.cellNumber, NoData);
}

void TstBatteryDetail::infoValues_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("barcode");
    QTest::addColumn<QString>("boot");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QString>("name");

    const QString r = fixtureReply("info.txt");
    QTest::newRow("15-character barcode is none")
        << withLine(r, "Barcode", "Barcode : NVB48100C224001") << ""
        << "V1.2" << 15 << "NVB-48100";
    QTest::newRow("16-character barcode")
        << withLine(r, "Barcode", "Barcode : NVB48100C2240013") << "NVB48100C2240013"
        << "V1.2" << 15 << "NVB-48100";
    QTest::newRow("empty barcode") << withLine(r, "Barcode", "Barcode :") << ""
                                   << "V1.2" << 15 << "NVB-48100";
    QTest::newRow("boot version with one blank")
        << withLine(r, "Boot  version", "Boot version : V0.9") << "NVB48100C2240012"
        << "V0.9" << 15 << "NVB-48100";
    QTest::newRow("cell number unreadable")
        << withLine(r, "Cell Number", "Cell Number : ?") << "NVB48100C2240012"
        << "V1.2" << NoData << "NVB-48100";
    QTest::newRow("no device name") << withoutLine(r, "Device name") << "NVB48100C2240012"
                                    << "V1.2" << 15 << "";
    QTest::newRow("complete-listing model")
        << withLine(r, "Device name", "Device name : T-RACK-3660Z-M") << "NVB48100C2240012"
        << "V1.2" << 15 << "T-RACK-3660Z-M";
}

void TstBatteryDetail::infoValues() {
    QFETCH(QString, reply);
    const InfoReply i = parseInfo(reply);
    QVERIFY(i.complete);
    QTEST(i.barcode, "barcode");
    QTEST(i.bootVersion, "boot");
    QTEST(i.cellNumber, "cells");
    QVERIFY(i.deviceName.has_value());
    QTEST(*i.deviceName, "name");
}

void TstBatteryDetail::batRecorded() {
    const CellTable t = parseBat(fixtureReply("bat.txt"), 15);
    QVERIFY(t.matched);
    QCOMPARE(t.cells.size(), 15);
    QCOMPARE(t.maxVoltageCell, 5); // shown as "Max Vol ID: 6"
    QCOMPARE(t.maxVoltage, 3.321);
    QCOMPARE(t.minVoltageCell, 9);
    QCOMPARE(t.minVoltage, 3.301);
    QCOMPARE(t.soc, 85);
    QCOMPARE(t.capacity, 85.0);
    const CellRecord& c = t.cells.at(4);
    QCOMPARE(c.number, 4);
    QCOMPARE(c.voltage, 3.313);
    QCOMPARE(c.temperature, 25.2);
    QCOMPARE(c.soc, 87);
    QCOMPARE(c.capacity, 87);
}

void TstBatteryDetail::batSummary_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("maxCell");
    QTest::addColumn<int>("minCell");
    QTest::addColumn<double>("maxV");
    QTest::addColumn<double>("minV");
    QTest::addColumn<int>("soc");
    QTest::addColumn<double>("capacity");

    QTest::newRow("tie on highest keeps the earlier cell")
        << QStringList{cellLine(0, 3300), cellLine(1, 3330), cellLine(2, 3310), cellLine(3, 3330)}
        << 4 << 1 << 0 << 3.33 << 3.3 << 87 << 87.0;
    QTest::newRow("tie on lowest keeps the earlier cell")
        << QStringList{cellLine(0, 3320), cellLine(1, 3290), cellLine(2, 3290)} << 3 << 0 << 1
        << 3.32 << 3.29 << 87 << 87.0;
    QTest::newRow("lowest SOC and capacity, integer AH")
        << QStringList{cellLine(0, 3300, 90, 90999), cellLine(1, 3300, 80, 80999),
                       cellLine(2, 3300, 85, 85000)}
        << 3 << 0 << 0 << 3.3 << 3.3 << 80 << 80.0;
    QTest::newRow("10-field layout")
        << QStringList{"0 3300 25000 x Dischg Normal Normal 87% 87000 mAH",
                       "1 3350 26000 x Dischg Normal Normal 86% 86000 mAH"}
        << 2 << 1 << 0 << 3.35 << 3.3 << 86 << 86.0;
    QTest::newRow("12-field line skipped, summary not restarted")
        << QStringList{cellLine(0, 3300), cellLine(1, 3400), cellLine(2, 3200) + " extra"} << 2 << 1
        << 0 << 3.4 << 3.3 << 87 << 87.0;
    QTest::newRow("short line skipped")
        << QStringList{cellLine(0, 3300), "1 3100 -625", cellLine(2, 3250)} << 2 << 0 << 2 << 3.3
        << 3.25 << 87 << 87.0;
}

void TstBatteryDetail::batSummary() {
    QFETCH(QStringList, lines);
    const CellTable t = parseBat(batReply(lines), lines.size());
    QVERIFY(t.matched);
    QTEST(int(t.cells.size()), "cells");
    QTEST(t.maxVoltageCell, "maxCell");
    QTEST(t.minVoltageCell, "minCell");
    QTEST(t.maxVoltage, "maxV");
    QTEST(t.minVoltage, "minV");
    QTEST(t.soc, "soc");
    QTEST(t.capacity, "capacity");
}

// A table whose size does not match "info" is no data, not a partial summary.
void TstBatteryDetail::batLineCountMismatch() {
    for (int cellNumber : {14, 16, 0}) {
        const CellTable t = parseBat(fixtureReply("bat.txt"), cellNumber);
        QVERIFY(!t.matched);
        QCOMPARE(t.lineCount, 15);
        QVERIFY(t.cells.isEmpty());
        QCOMPARE(t.maxVoltage, NoDataD);
        QCOMPARE(t.minVoltage, NoDataD);
        QCOMPARE(t.maxVoltageCell, NoData);
        QCOMPARE(t.minVoltageCell, NoData);
        QCOMPARE(t.capacity, NoDataD);
        QCOMPARE(t.soc, NoData);
    }
    QVERIFY(!parseBat(QStringLiteral("bat 1\n@\nUnknown command\n$$"), 1).matched);
}

void TstBatteryDetail::pwrBat_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("soc");
    QTest::addColumn<double>("soh");

    const QString r = fixtureReply("pwr_bat.txt");
    QTest::newRow("recorded") << r << -2.5 << 25.0 << 87 << 87.0;
    QTest::newRow("real above total caps SOH at 100")
        << withLine(r, "Real Coulomb", "Real Coulomb : 120000 mAH") << -2.5 << 25.0 << 87 << 100.0;
    QTest::newRow("total of 0") << withLine(r, "Total Coulomb", "Total Coulomb : 0 mAH") << -2.5
                                << 25.0 << 87 << NoDataD;
    QTest::newRow("real unreadable")
        << withLine(r, "Real Coulomb", "Real Coulomb : - mAH") << -2.5 << 25.0 << 87 << NoDataD;
    QTest::newRow("SOC not a number")
        << withLine(r, "Coulomb         :", "Coulomb : ?? %") << -2.5 << 25.0 << NoData << 87.0;
    QTest::newRow("negative temperature")
        << withLine(r, "Temperature", "Temperature : -5500 mC") << -2.5 << -5.5 << 87 << 87.0;
    QTest::newRow("charging current")
        << withLine(r, "Current  ", "Current : 12000 mA") << 12.0 << 25.0 << 87 << 87.0;
}

void TstBatteryDetail::pwrBat() {
    QFETCH(QString, reply);
    const PwrBatReply p = parsePwrBat(reply);
    QVERIFY(p.complete);
    QTEST(p.current, "current");
    QTEST(p.temperature, "temperature");
    QTEST(p.soc, "soc");
    QTEST(p.soh, "soh");
    QCOMPARE(p.basicStatus, QStringLiteral("Dischg"));
    QCOMPARE(p.systemFault, QStringLiteral("0x0"));
}

void TstBatteryDetail::pwrBatMissingLabel() {
    for (const char* label :
         {"Temperature", "Total Coulomb", "Real Coulomb", "Basic Status", "System Fault"}) {
        const PwrBatReply p = parsePwrBat(withoutLine(fixtureReply("pwr_bat.txt"), label));
        QVERIFY2(!p.complete, label);
        QCOMPARE(p.current, NoDataD);
        QCOMPARE(p.temperature, NoDataD);
        QCOMPARE(p.soc, NoData);
        QCOMPARE(p.soh, NoDataD);
        QVERIFY(p.basicStatus.isEmpty());
        QVERIFY(p.systemFault.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TstBatteryDetail)
#include "tst_battery_detail.moc"
