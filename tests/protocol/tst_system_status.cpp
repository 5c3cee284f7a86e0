// The system chain's parsers on recorded replies and their hostile variants.

#include "fixtures.h"
#include "protocol/system_status.h"

class TstSystemStatus : public QObject {
    Q_OBJECT
private slots:
    void pwrSys_data();
    void pwrSys();
    void pwrTable_data();
    void pwrTable();
    void balance_data();
    void balance();
    void ctrl_data();
    void ctrl();
};

void TstSystemStatus::pwrSys_data() {
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
    variantRow("value without its unit", r, all, "System Volt", " System Volt : 51200", "53.012",
               "51.2");
    variantRow("not a finite number", r, all, "System Volt", " System Volt : inf mV", "53.012",
               "-");
    // Any missing label blanks every total at once, also the ones present.
    for (const char* label :
         {"System is", "Present Num", "System Volt", "System Curr", "System SOC", "System SOH"})
        QTest::newRow(label) << withLine(r, label) << " 0 - 0 - - - -";
}

void TstSystemStatus::pwrSys() {
    QFETCH(QString, reply);
    const PwrSysReply p = parsePwrSys(reply);
    QTEST(p.state.value_or("<keep>") + ' ' +
              nums({double(p.complete), double(p.presentNum), double(p.windowPresentNum),
                    p.totalVolt, p.totalCurr, double(p.totalSoc), double(p.totalSoh)}),
          "values");
}

void TstSystemStatus::pwrTable_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("present");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QString>("rows"); // "battery:SOC" of each row
    const QString r = fixtureReply("pwr_table.txt");
    QTest::newRow("three present, extra lines unused") << r << 3 << true << "1:87 2:86 3:88";
    QTest::newRow("absent line has no SOC") << r << 5 << true << "1:87 2:86 3:88 4:85 5:0";
    QTest::newRow("more present than lines") << r << 6 << false << "";
    QTest::newRow("short line dropped") << withLine(r, "2     53008", "2     53008  -625   Dischg")
                                        << 4 << true << "1:87 3:88 4:85";
    QTest::newRow("header with device type")
        << withLine(r, "B.T.St", "Power Volt Curr Tempr Base.St B.T.St DevType") << 2 << true
        << "1:87 2:86";
    QTest::newRow("no header") << withLine(r, "B.T.St") << 1 << false << "";
}

void TstSystemStatus::pwrTable() {
    QFETCH(QString, reply);
    QFETCH(int, present);
    const PwrTableReply t = parsePwrTable(reply, present);
    QTEST(t.applied, "applied");
    QStringList rows;
    for (const BatStatusRow& row : t.rows)
        rows << row.batNum + ':' + QString::number(row.soc);
    QTEST(rows.join(' '), "rows");
    if (present != 4)
        return;
    // Every state the alarm text needs comes from its own column.
    const BatStatusRow& a = t.rows.at(1); // battery 3, battery 2's line being short
    QCOMPARE((QStringList{a.basicState, a.voltState, a.currState, a.tempState, a.alarmTime,
                          a.cellVolState, a.cellTempState}),
             (QStringList{"Dischg", "HighVolt", "Normal", "Normal", "2024-05-01 10:21:07",
                          "HighVolt", "Normal"}));
    QCOMPARE(t.rows.at(2).alarmTime, QStringLiteral("- -"));
}

void TstSystemStatus::balance_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("present");
    QTest::addColumn<QString>("result"); // outcome (0 applied, 1 unknown, 2 mismatch): states
    const QString r = fixtureReply("balance.txt");
    QTest::newRow("recorded") << r << 4 << "0: 0 1 0 0";
    QTest::newRow("fewer batteries than lines") << r << 3 << "2:";
    QTest::newRow("more batteries than lines") << r << 5 << "2:";
    QTest::newRow("line without state moves later entries up")
        << withLine(r, "2      1", "2") << 4 << "0: 0 0 0";
    QTest::newRow("unit without the command")
        << QStringLiteral("balance\n@\nUnknown command 'balance'\n$$") << 4 << "1:";
}

void TstSystemStatus::balance() {
    QFETCH(QString, reply);
    QFETCH(int, present);
    const BalanceReply b = parseBalance(reply, present);
    QTEST((QStringList{QString::number(int(b.outcome)) + ':'} + b.states).join(' '), "result");
}

void TstSystemStatus::ctrl_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("switches"); // charge, then discharge: "relay" or "FET" and state
    QTest::newRow("CFET on, DFET off") << fixtureReply("ctrl_fet.txt") << "FET ON, FET OFF";
    QTest::newRow("relays") << fixtureReply("ctrl_relay.txt") << "relay ON, relay OFF";
    QTest::newRow("nothing known")
        << QStringLiteral("ctrl\n@\nCommand completed successfully\n$$") << "FET , FET ";
}

void TstSystemStatus::ctrl() {
    QFETCH(QString, reply);
    const CtrlReply c = parseCtrl(reply);
    QTEST(QStringLiteral("%1 %2, %3 %4")
              .arg(c.charge.relay ? "relay" : "FET", c.charge.state,
                   c.discharge.relay ? "relay" : "FET", c.discharge.state),
          "switches");
}

QTEST_GUILESS_MAIN(TstSystemStatus)
#include "tst_system_status.moc"
