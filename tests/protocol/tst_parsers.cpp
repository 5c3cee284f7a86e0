// The system chain's and the battery detail's parsers on recorded replies and their hostile
// variants.

#include "fixtures.h"
#include "protocol/battery_detail.h"
#include "protocol/system_status.h"

// A cell line of the 11-field layout (mV, m-degrees, mAH).
QString cellLine(int n, int mv, int soc = 87, int mah = 87000) {
    return QString::asprintf("%d %d -625 25000 Dischg Normal Normal Normal %d%% %d mAH", n, mv, soc,
                             mah);
}

class TstParsers : public QObject {
    Q_OBJECT
private slots:
    void pwrSys_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("values"); // state ("<keep>": none named), complete, present,
        // present for the window, V, A, SOC, SOH
        const QString r = fixtureReply("pwrsys.txt");
        const QString all = "discharge 1 4 4 53.012 -2.5 87 99";
        const char* is = " System is";
        QTest::newRow("recorded, discharging") << r << all;
        variantRow("charging", r, all, is, " System is charging", "discharge", "charge");
        variantRow("error", r, all, is, " System is error", "discharge", "SysError");
        variantRow("unknown state keeps", r, all, is, " System is asleep", "discharge", "<keep>");
        variantRow("SOC not a number", r, all, "System SOC", " System SOC : --  %", "87", "-");
        variantRow("present number unreadable", r, all, "Present Num", " Present Num : x", "4 4",
                   "- 0");
        variantRow("value without its unit", r, all, "System Volt", " System Volt : 51200",
                   "53.012", "51.2");
        variantRow("not a finite number", r, all, "System Volt", " System Volt : inf mV", "53.012",
                   "-");
        // Any missing label blanks every total at once, also the ones present.
        for (const char* label :
             {"System is", "Present Num", "System Volt", "System Curr", "System SOC", "System SOH"})
            QTest::newRow(label) << withLine(r, label) << " 0 - 0 - - - -";
    }

    void pwrSys() {
        QFETCH(QString, reply);
        const PwrSysReply p = parsePwrSys(reply);
        QTEST(p.state.value_or("<keep>") + ' ' +
                  nums({double(p.complete), double(p.presentNum), double(p.windowPresentNum),
                        p.totalVolt, p.totalCurr, double(p.totalSoc), double(p.totalSoh)}),
              "values");
    }

    void pwrTable_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("present");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<QString>("rows"); // "tile:SOC" of each row (tile 0: none, SOC "—": none)
        const QString r = fixtureReply("pwr_table.txt");
        QTest::newRow("three present, extra lines unused") << r << 3 << true << "1:87 2:86 3:88";
        QTest::newRow("absent line has no SOC") << r << 5 << true << "1:87 2:86 3:88 4:85 5:—";
        QTest::newRow("more present than lines") << r << 6 << false << "";
        // A short or garbled line moves no other battery off its own tile.
        QTest::newRow("short line dropped")
            << withLine(r, "2     53008", "2     53008  -625   Dischg") << 4 << true
            << "1:87 3:88 4:85";
        QTest::newRow("garbled battery number")
            << withLine(r, "2     53008", QString(r.split('\n').at(4)).replace("2     ", "2#    "))
            << 4 << true << "1:87 0:86 3:88 4:85";
        QTest::newRow("unreadable SOC is none, not 0")
            << QString(r).replace("88%", "----").replace("86%", "--%") << 3 << true
            << "1:87 2:— 3:—";
        QTest::newRow("header with device type")
            << withLine(r, "B.T.St", "Power Volt Curr Tempr Base.St B.T.St DevType") << 2 << true
            << "1:87 2:86";
        QTest::newRow("no header") << withLine(r, "B.T.St") << 1 << false << "";
    }

    void pwrTable() {
        QFETCH(QString, reply);
        QFETCH(int, present);
        const PwrTableReply t = parsePwrTable(reply, present);
        QTEST(t.applied, "applied");
        QStringList rows;
        for (const BatStatusRow& row : t.rows)
            rows << QString::number(batteryNumber(row)) + ':' +
                        (row.soc ? QString::number(*row.soc) : QString("—"));
        QTEST(rows.join(' '), "rows");
        if (present != 4 || t.rows.size() != 3)
            return;
        // Every state the alarm text needs comes from its own column.
        const BatStatusRow& a = t.rows.at(1); // battery 3, battery 2's line being short
        QCOMPARE((QStringList{a.basicState, a.voltState, a.currState, a.tempState, a.alarmTime,
                              a.cellVolState, a.cellTempState}),
                 (QStringList{"Dischg", "HighVolt", "Normal", "Normal", "2024-05-01 10:21:07",
                              "HighVolt", "Normal"}));
        QCOMPARE(t.rows.at(2).alarmTime, QStringLiteral("- -"));
    }

    void balance_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("present");
        QTest::addColumn<QString>("result"); // outcome (0 applied, 1 unknown, 2 mismatch): states
        const QString r = fixtureReply("balance.txt");
        QTest::newRow("recorded") << r << 4 << "0: 0 1 0 0";
        QTest::newRow("fewer batteries than lines") << r << 3 << "2:";
        QTest::newRow("more batteries than lines") << r << 5 << "2:";
        QTest::newRow("line without state moves no other battery")
            << withLine(r, "2      1", "2") << 4 << "0: 0  0 0";
        QTest::newRow("garbled number moves no other battery")
            << withLine(r, "2      1", "2#     1") << 4 << "0: 0  0 0";
        QTest::newRow("unit without the command")
            << QStringLiteral("balance\n@\nUnknown command 'balance'\n$$") << 4 << "1:";
    }

    void balance() {
        QFETCH(QString, reply);
        QFETCH(int, present);
        const BalanceReply b = parseBalance(reply, present);
        QTEST((QStringList{QString::number(int(b.outcome)) + ':'} + b.states).join(' '), "result");
    }

    void ctrl_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("switches"); // charge, then discharge: "relay" or "FET" and state
        QTest::newRow("CFET on, DFET off") << fixtureReply("ctrl_fet.txt") << "FET ON, FET OFF";
        QTest::newRow("relays") << fixtureReply("ctrl_relay.txt") << "relay ON, relay OFF";
        QTest::newRow("nothing known")
            << QStringLiteral("ctrl\n@\nCommand completed successfully\n$$") << "FET , FET ";
    }

    void ctrl() {
        QFETCH(QString, reply);
        const CtrlReply c = parseCtrl(reply);
        QTEST(QStringLiteral("%1 %2, %3 %4")
                  .arg(c.charge.relay ? "relay" : "FET", c.charge.state,
                       c.discharge.relay ? "relay" : "FET", c.discharge.state),
              "switches");
    }

    void info_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("fields"); // complete, address, name, boot, barcode, cells, rest
        const QString r = fixtureReply("info.txt");
        const QString all =
            "1|2|NVB-48100|V1.2|NVB48100C2240012|15|B70.12|V2.0|3.2V/100AH|100000mA|"
            "22-04-18";
        QTest::newRow("recorded") << r << all;
        variantRow("15-character barcode is none", r, all, "Barcode", "Barcode : NVB48100C224001",
                   "NVB48100C2240012", "");
        variantRow("boot version with one blank", r, all, "Boot  version", "Boot version : V0.9",
                   "V1.2", "V0.9");
        variantRow("cell number unreadable", r, all, "Cell Number", "Cell Number : ?", "|15|",
                   "|268435455|");
        variantRow("no device name", r, all, "Device name", nullptr, "NVB-48100", "");
        // One missing line clears every identity field, the ones present too.
        for (const char* label :
             {"Device address", "Boot", "Barcode", "Specification", "Main Soft version",
              "Comm version", "Max Charge Curr", "Release Date", "Cell Number"})
            QTest::newRow(label) << withLine(r, label) << "0||<none>|||268435455|||||";
    }

    void info() {
        QFETCH(QString, reply);
        const InfoReply i = parseInfo(reply);
        QTEST(QStringList({QString::number(i.complete), i.deviceAddress,
                           i.deviceName.value_or("<none>"), i.bootVersion, i.barcode,
                           QString::number(i.cellNumber), i.mainSoftVersion, i.commVersion,
                           i.packRating, i.maxChargeCurr, i.releaseDate})
                  .join('|'),
              "fields");
    }

    void bat_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("cellNumber");
        QTest::addColumn<QString>(
            "values"); // cells, highest cell and V, lowest cell and V, SOC, AH,
        // then the first cell: V, degrees, SOC, AH (whole, rounded down)
        const auto row = [](const char* name, const QStringList& lines, const char* values) {
            QTest::newRow(name) << "bat 1\n@\nBattery Volt Curr Tempr Base State Volt. State Curr. "
                                   "State Temp. State SOC Coulomb\n" +
                                       lines.join('\n') + "\nCommand completed successfully\n$$"
                                << lines.size() << values;
        };
        const QString r = fixtureReply("bat.txt");
        QTest::newRow("recorded") << r << 15 << "15 5 3.321 9 3.301 85 85 3.312 25 87 87";
        // A table whose size does not match "info" is no data, not a partial summary.
        QTest::newRow("fewer cells than lines") << r << 14 << "0 - - - - - -";
        QTest::newRow("more cells than lines") << r << 16 << "0 - - - - - -";
        QTest::newRow("unknown command") << "bat 1\n@\nUnknown command\n$$" << 1 << "0 - - - - - -";
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
        // "----" is no value: the extremes come from the cells that can be read, never 0.
        row("unreadable values left out",
            {"0 ---- -625 ---- Dischg Normal Normal Normal ----% 87000 mAH", cellLine(1, 3290, 88),
             cellLine(2, 3310, 86), "3 3300 -625 25000 Dischg Normal Normal Normal 85% ---- mAH"},
            "4 2 3.31 1 3.29 85 87 - - - 87");
        row("nothing readable", {"0 ---- -625 25000 Dischg Normal Normal Normal 87% 87000 mAH"},
            "1 - - - - 87 87 - 25 87 87");
    }

    void bat() {
        QFETCH(QString, reply);
        QFETCH(int, cellNumber);
        const CellTable t = parseBat(reply, cellNumber);
        QString values = nums({double(t.cells.size()), double(t.maxVoltageCell), t.maxVoltage,
                               double(t.minVoltageCell), t.minVoltage, double(t.soc), t.capacity});
        QCOMPARE(t.matched, !t.cells.isEmpty());
        if (t.matched) {
            const CellRecord& c = t.cells.first();
            const auto none = [](auto v) { return v ? double(*v) : 268435455.0; };
            values +=
                ' ' + nums({none(c.voltage), none(c.temperature), none(c.soc), none(c.capacity)});
        }
        QTEST(values, "values");
    }

    void pwrBat_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("values"); // complete, A, degrees, SOC, SOH, status, fault
        const QString r = fixtureReply("pwr_bat.txt");
        const QString all = "1 -2.5 25 87 87 Dischg 0x0";
        QTest::newRow("recorded") << r << all;
        variantRow("real above total caps SOH at 100", r, all, "Real Coulomb",
                   "Real Coulomb : 120000 mAH", "87 87", "87 100");
        variantRow("total of 0", r, all, "Total Coulomb", "Total Coulomb : 0 mAH", "87 87", "87 -");
        variantRow("SOC not a number", r, all, "Coulomb         :", "Coulomb : ?? %", "87 87",
                   "- 87");
        variantRow("negative temperature", r, all, "Temperature", "Temperature : -5500 mC", " 25 ",
                   " -5.5 ");
        for (const char* label :
             {"Temperature", "Total Coulomb", "Real Coulomb", "Basic Status", "System Fault"})
            QTest::newRow(label) << withLine(r, label) << "0 - - - -  ";
    }

    void pwrBat() {
        QFETCH(QString, reply);
        const PwrBatReply p = parsePwrBat(reply);
        QTEST(nums({double(p.complete), p.current, p.temperature, double(p.soc), p.soh}) + ' ' +
                  p.basicStatus + ' ' + p.systemFault,
              "values");
    }
};

QTEST_GUILESS_MAIN(TstParsers)
#include "tst_parsers.moc"
