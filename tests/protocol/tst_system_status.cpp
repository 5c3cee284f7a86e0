// The system chain's parsers on recorded replies and their hostile variants.

#include "fixtures.h"
#include "protocol/system_status.h"

class TstSystemStatus : public QObject {
    Q_OBJECT
private slots:
    void pwrSys_data();
    void pwrSys();
    void pwrSysMissingLabel();
    void pwrTable_data();
    void pwrTable();
    void balance_data();
    void balance();
    void ctrl_data();
    void ctrl();
};

void TstSystemStatus::pwrSys_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("state");  // "<keep>" when the reply names no known state
    QTest::addColumn<QString>("values"); // present, present for the window, V, A, SOC, SOH

    const QString r = fixtureReply("pwrsys.txt");
    const auto row = [&r](const char* name, const char* label, const char* line, const char* state,
                          const char* values) {
        QTest::newRow(name) << (label ? withLine(r, label, line) : r) << state << values;
    };
    const char* is = " System is";
    row("recorded, discharging", nullptr, nullptr, "discharge", "4 4 53.012 -2.5 87 99");
    row("charging", is, " System is charging", "charge", "4 4 53.012 -2.5 87 99");
    row("error", is, " System is error", "SysError", "4 4 53.012 -2.5 87 99");
    row("unknown state keeps", is, " System is asleep", "<keep>", "4 4 53.012 -2.5 87 99");
    row("SOC not a number", "System SOC", " System SOC : --  %", "discharge",
        "4 4 53.012 -2.5 - 99");
    row("present number unreadable", "Present Num", " Present Num : x", "discharge",
        "- 0 53.012 -2.5 87 99");
    row("value without its unit", "System Volt", " System Volt : 51200", "discharge",
        "4 4 51.2 -2.5 87 99");
    row("not a finite number", "System Volt", " System Volt : inf mV", "discharge",
        "4 4 - -2.5 87 99");
}

void TstSystemStatus::pwrSys() {
    QFETCH(QString, reply);
    QFETCH(QString, state);
    const PwrSysReply p = parsePwrSys(reply);
    QVERIFY(p.complete);
    QCOMPARE(p.state.has_value(), state != QLatin1String("<keep>"));
    QCOMPARE(p.state.value_or(QStringLiteral("<keep>")), state);
    QTEST(nums({double(p.presentNum), double(p.windowPresentNum), p.totalVolt, p.totalCurr,
                double(p.totalSoc), double(p.totalSoh)}),
          "values");
}

// Any missing label blanks every total at once, also the ones present.
void TstSystemStatus::pwrSysMissingLabel() {
    for (const char* label :
         {"System is", "Present Num", "System Volt", "System Curr", "System SOC", "System SOH"}) {
        const PwrSysReply p = parsePwrSys(withLine(fixtureReply("pwrsys.txt"), label));
        QVERIFY2(!p.complete, label);
        QCOMPARE(p.state.value_or(QStringLiteral("none")), QString());
        QCOMPARE(nums({double(p.presentNum), p.totalVolt, p.totalCurr, double(p.totalSoc),
                       double(p.totalSoh)}),
                 QStringLiteral("- - - - -"));
    }
}

void TstSystemStatus::pwrTable_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("present");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QString>("rows"); // "battery:SOC" of each row

    const QString r = fixtureReply("pwr_table.txt");
    const QString shortLine = withLine(r, "2     53008", "2     53008  -625   Dischg");
    const QString typeHeader =
        withLine(r, "B.T.St", "Power Volt Curr Tempr Base.St B.T.St DevType");
    QTest::newRow("three present, extra lines unused") << r << 3 << true << "1:87 2:86 3:88";
    QTest::newRow("absent line has no SOC") << r << 5 << true << "1:87 2:86 3:88 4:85 5:0";
    QTest::newRow("more present than lines") << r << 6 << false << "";
    QTest::newRow("short line dropped") << shortLine << 4 << true << "1:87 3:88 4:85";
    QTest::newRow("header with device type") << typeHeader << 2 << true << "1:87 2:86";
    QTest::newRow("no header") << withLine(r, "B.T.St") << 1 << false << "";
}

void TstSystemStatus::pwrTable() {
    QFETCH(QString, reply);
    QFETCH(int, present);
    const PwrTableReply t = parsePwrTable(reply, present);
    QTEST(t.applied, "applied");
    QStringList rows;
    for (const BatStatusRow& row : t.rows)
        rows << row.batNum + QLatin1Char(':') + QString::number(row.soc);
    QTEST(rows.join(QLatin1Char(' ')), "rows");
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
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("states");

    const int applied = int(BalanceReply::Outcome::Applied);
    const int mismatch = int(BalanceReply::Outcome::CountMismatch);
    const QString r = fixtureReply("balance.txt");
    QTest::newRow("recorded") << r << 4 << applied << QStringList{"0", "1", "0", "0"};
    QTest::newRow("fewer batteries than lines") << r << 3 << mismatch << QStringList{};
    QTest::newRow("more batteries than lines") << r << 5 << mismatch << QStringList{};
    QTest::newRow("line without state moves later entries up")
        << withLine(r, "2      1", "2") << 4 << applied << QStringList{"0", "0", "0"};
    QTest::newRow("unit without the command")
        << QStringLiteral("balance\n@\nUnknown command 'balance'\n$$") << 4
        << int(BalanceReply::Outcome::UnknownCommand) << QStringList{};
}

void TstSystemStatus::balance() {
    QFETCH(QString, reply);
    QFETCH(int, present);
    const BalanceReply b = parseBalance(reply, present);
    QTEST(int(b.outcome), "outcome");
    QTEST(b.states, "states");
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
