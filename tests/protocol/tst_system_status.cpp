// The system chain's parsers on recorded replies and their hostile variants.

#include "fixtures.h"
#include "protocol/system_status.h"

namespace {
const int NoData = 268435455;
const double NoDataD = 268435455.0;
} // namespace

class TstSystemStatus : public QObject {
    Q_OBJECT
private slots:
    void pwrSys_data();
    void pwrSys();
    void pwrSysMissingLabel_data();
    void pwrSysMissingLabel();
    void pwrTable_data();
    void pwrTable();
    void pwrTableRowFields();
    void balance_data();
    void balance();
    void ctrl_data();
    void ctrl();
};

void TstSystemStatus::pwrSys_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("state"); // "<keep>" when the reply names no known state
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("windowPresent");
    QTest::addColumn<double>("volt");
    QTest::addColumn<double>("curr");
    QTest::addColumn<int>("soc");
    QTest::addColumn<int>("soh");

    const QString r = fixtureReply("pwrsys.txt");
    const QString state = QStringLiteral(" System is discharging");
    QTest::newRow("recorded, discharging")
        << r << "discharge" << 4 << 4 << 53.012 << -2.5 << 87 << 99;
    QTest::newRow("charging") << withLine(r, state, " System is charging") << "charge" << 4 << 4
                              << 53.012 << -2.5 << 87 << 99;
    QTest::newRow("idle") << withLine(r, state, " System is idle") << "idle" << 4 << 4 << 53.012
                          << -2.5 << 87 << 99;
    QTest::newRow("error") << withLine(r, state, " System is error") << "SysError" << 4 << 4
                           << 53.012 << -2.5 << 87 << 99;
    QTest::newRow("unknown state keeps") << withLine(r, state, " System is asleep") << "<keep>" << 4
                                         << 4 << 53.012 << -2.5 << 87 << 99;
    QTest::newRow("3300 mV is 3.3 V") << withLine(r, "System Volt", " System Volt  : 3300 mV")
                                      << "discharge" << 4 << 4 << 3.3 << -2.5 << 87 << 99;
    QTest::newRow("SOC not a number") << withLine(r, "System SOC", " System SOC : --  %")
                                      << "discharge" << 4 << 4 << 53.012 << -2.5 << NoData << 99;
    QTest::newRow("current not a number") << withLine(r, "System Curr", " System Curr : n/a mA")
                                          << "discharge" << 4 << 4 << 53.012 << NoDataD << 87 << 99;
    QTest::newRow("present number unreadable")
        << withLine(r, "Present Num", " Present Num : x") << "discharge" << NoData << 0 << 53.012
        << -2.5 << 87 << 99;
    QTest::newRow("present number changed to 3")
        << withLine(r, "Present Num", " Present Num : 3") << "discharge" << 3 << 3 << 53.012 << -2.5
        << 87 << 99;
    QTest::newRow("value without its unit") << withLine(r, "System Volt", " System Volt : 51200")
                                            << "discharge" << 4 << 4 << 51.2 << -2.5 << 87 << 99;
    QTest::newRow("not a finite number") << withLine(r, "System Volt", " System Volt : inf mV")
                                         << "discharge" << 4 << 4 << NoDataD << -2.5 << 87 << 99;
}

void TstSystemStatus::pwrSys() {
    QFETCH(QString, reply);
    QFETCH(QString, state);
    const PwrSysReply p = parsePwrSys(reply);
    QVERIFY(p.complete);
    if (state == QLatin1String("<keep>")) {
        QVERIFY(!p.state.has_value());
    } else {
        QVERIFY(p.state.has_value());
        QCOMPARE(*p.state, state);
    }
    QTEST(p.presentNum, "present");
    QTEST(p.windowPresentNum, "windowPresent");
    QTEST(p.totalVolt, "volt");
    QTEST(p.totalCurr, "curr");
    QTEST(p.totalSoc, "soc");
    QTEST(p.totalSoh, "soh");
}

void TstSystemStatus::pwrSysMissingLabel_data() {
    QTest::addColumn<QString>("label");
    for (const char* label :
         {"System is", "Present Num", "System Volt", "System Curr", "System SOC", "System SOH"}) {
        QTest::newRow(label) << QString::fromLatin1(label);
    }
}

// Any missing label blanks every total at once, also the ones present.
void TstSystemStatus::pwrSysMissingLabel() {
    QFETCH(QString, label);
    const PwrSysReply p = parsePwrSys(withoutLine(fixtureReply("pwrsys.txt"), label));
    QVERIFY(!p.complete);
    QVERIFY(p.state.has_value());
    QVERIFY(p.state->isEmpty());
    QCOMPARE(p.presentNum, NoData);
    QCOMPARE(p.totalVolt, NoDataD);
    QCOMPARE(p.totalCurr, NoDataD);
    QCOMPARE(p.totalSoc, NoData);
    QCOMPARE(p.totalSoh, NoData);
}

void TstSystemStatus::pwrTable_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("present");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QStringList>("batNums");
    QTest::addColumn<QList<double>>("socs");

    const QString r = fixtureReply("pwr_table.txt");
    QTest::newRow("four present") << r << 4 << true << QStringList{"1", "2", "3", "4"}
                                  << QList<double>{87, 86, 88, 85};
    QTest::newRow("three present, extra lines unused")
        << r << 3 << true << QStringList{"1", "2", "3"} << QList<double>{87, 86, 88};
    QTest::newRow("absent line has no SOC")
        << r << 5 << true << QStringList{"1", "2", "3", "4", "5"}
        << QList<double>{87, 86, 88, 85, 0};
    QTest::newRow("more present than lines") << r << 6 << false << QStringList{} << QList<double>{};
    QTest::newRow("none present") << r << 0 << true << QStringList{} << QList<double>{};
    QTest::newRow("short line dropped")
        << withLine(r, "2     53008", "2     53008  -625   Dischg") << 4 << true
        << QStringList{"1", "3", "4"} << QList<double>{87, 88, 85};
    QTest::newRow("header with device type")
        << withLine(r, "B.T.St", "Power Volt Curr Tempr Base.St B.T.St DevType") << 2 << true
        << QStringList{"1", "2"} << QList<double>{87, 86};
    QTest::newRow("no header") << withoutLine(r, "B.T.St") << 1 << false << QStringList{}
                               << QList<double>{};
}

void TstSystemStatus::pwrTable() {
    QFETCH(QString, reply);
    QFETCH(int, present);
    QFETCH(QStringList, batNums);
    QFETCH(QList<double>, socs);
    const PwrTableReply t = parsePwrTable(reply, present);
    QTEST(t.applied, "applied");
    QCOMPARE(t.rows.size(), batNums.size());
    for (int i = 0; i < t.rows.size(); ++i) {
        QCOMPARE(t.rows.at(i).batNum, batNums.at(i));
        QCOMPARE(t.rows.at(i).soc, socs.at(i));
    }
}

// Every state the alarm text needs comes from its own column.
void TstSystemStatus::pwrTableRowFields() {
    const PwrTableReply t = parsePwrTable(fixtureReply("pwr_table.txt"), 4);
    QCOMPARE(t.rows.size(), 4);
    const BatStatusRow& alarm = t.rows.at(2);
    QCOMPARE(alarm.basicState, QStringLiteral("Dischg"));
    QCOMPARE(alarm.voltState, QStringLiteral("HighVolt"));
    QCOMPARE(alarm.currState, QStringLiteral("Normal"));
    QCOMPARE(alarm.tempState, QStringLiteral("Normal"));
    QCOMPARE(alarm.alarmTime, QStringLiteral("2024-05-01 10:21:07"));
    QCOMPARE(alarm.cellVolState, QStringLiteral("HighVolt"));
    QCOMPARE(alarm.cellTempState, QStringLiteral("Normal"));
    QCOMPARE(t.rows.at(3).alarmTime, QStringLiteral("- -"));
}

void TstSystemStatus::balance_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("states");

    const int applied = int(BalanceReply::Outcome::Applied);
    const int mismatch = int(BalanceReply::Outcome::CountMismatch);
    const int unknown = int(BalanceReply::Outcome::UnknownCommand);
    const QString r = fixtureReply("balance.txt");
    QTest::newRow("recorded") << r << 4 << applied << QStringList{"0", "1", "0", "0"};
    QTest::newRow("battery 2 stops balancing")
        << withLine(r, "2      1", "2      0") << 4 << applied << QStringList{"0", "0", "0", "0"};
    QTest::newRow("fewer batteries than lines") << r << 3 << mismatch << QStringList{};
    QTest::newRow("more batteries than lines") << r << 5 << mismatch << QStringList{};
    QTest::newRow("line without state moves later entries up")
        << withLine(r, "2      1", "2") << 4 << applied << QStringList{"0", "0", "0"};
    QTest::newRow("unit without the command")
        << QStringLiteral("balance\n@\nUnknown command 'balance'\n$$") << 4 << unknown
        << QStringList{};
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
    QTest::addColumn<bool>("chargeRelay");
    QTest::addColumn<QString>("charge");
    QTest::addColumn<bool>("dischargeRelay");
    QTest::addColumn<QString>("discharge");

    const QString fet = fixtureReply("ctrl_fet.txt");
    QTest::newRow("CFET on, DFET off") << fet << false << "ON" << false << "OFF";
    QTest::newRow("CFET off, DFET on")
        << withLine(withLine(fet, "CFET", "CFET : OFF"), "DFET", "DFET:ON") << false << "OFF"
        << false << "ON";
    QTest::newRow("relays") << fixtureReply("ctrl_relay.txt") << true << "ON" << true << "OFF";
    QTest::newRow("nothing known") << QStringLiteral("ctrl\n@\nCommand completed successfully\n$$")
                                   << false << "" << false << "";
}

void TstSystemStatus::ctrl() {
    QFETCH(QString, reply);
    const CtrlReply c = parseCtrl(reply);
    QTEST(c.charge.relay, "chargeRelay");
    QTEST(c.charge.state, "charge");
    QTEST(c.discharge.relay, "dischargeRelay");
    QTEST(c.discharge.state, "discharge");
}

QTEST_GUILESS_MAIN(TstSystemStatus)
#include "tst_system_status.moc"
