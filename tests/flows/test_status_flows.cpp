// The status page against the simulated unit: login chain, poll schedule, battery detail
// chain, and the same with a noisy line. The relay records both directions, so what the
// views show is checked against what the unit really printed.
#include "protocol/protocol_constants.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QtTest>

namespace {
const char* const kGaugeNames[] = {
    "BatteryOne",      "BatteryTwo",      "BatteryThree",   "BatteryFour",
    "BatteryFive",     "BatterySix",      "BatterySeven",   "BatteryEight",
    "BatteryNine",     "BatteryTen",      "BatteryEleven",  "BatteryTwelve",
    "BatteryThirteen", "BatteryFourteen", "BatteryFifteen", "BatterySixteen"};

// Index of the first line sent at or after `from` that equals `line`, or -1.
int indexOf(const QVector<SimRelay::Sent>& sent, const QString& line, int from = 0) {
    for (int i = from; i < sent.size(); ++i) {
        if (sent[i].line == line)
            return i;
    }
    return -1;
}

bool sentInOrder(const SimRelay& relay, const QStringList& lines) {
    const auto sent = relay.sentLines();
    int at = 0;
    for (const QString& l : lines) {
        at = indexOf(sent, l, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}
} // namespace

class TestStatusFlows : public QObject {
    Q_OBJECT
private slots:
    void loginChainFillsGroupView_data();
    void loginChainFillsGroupView();
    void pollSendsPwrsysThenBatteryCommand();
    void batteryButtonStartsDetailChain();

private:
    void checkGroupShowsUnit(BMSMainWin& w, SimRelay& relay, int batteries);
};

void TestStatusFlows::loginChainFillsGroupView_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("batteries");
    QTest::newRow("clean line") << QStringList{"--batteries", "4", "--seed", "5"} << 4;
    QTest::newRow("chunked, garbage, NULs")
        << QStringList{"--batteries", "6", "--seed", "11", "--chunk", "--garbage"} << 6;
}

void TestStatusFlows::checkGroupShowsUnit(BMSMainWin& w, SimRelay& relay, int batteries) {
    const QString pwrsys = relay.lastReply("pwrsys");
    QVERIFY2(!pwrsys.isEmpty(), "no pwrsys reply recorded");
    BatteryGroup* group = w.form()->BattGroupWid;
    QCOMPARE(group->presentNum(), batteries);
    QCOMPARE(group->batButtons().size(), batteries);
    QCOMPARE(group->totalVolt(), replyNumber(pwrsys, "System Volt") / 1000.0);
    QCOMPARE(group->totalCurr(), replyNumber(pwrsys, "System Curr") / 1000.0);
    QCOMPARE(double(group->totalSoc()), replyNumber(pwrsys, "System SOC"));
    QCOMPARE(double(group->totalSoh()), replyNumber(pwrsys, "System SOH"));
    QVERIFY(!group->sysState().isEmpty());

    // The gauges follow the "pwr" table's SOC column (position 12 of each line).
    const QString table = relay.lastReply("pwr");
    const QStringList lines = table.split('\n');
    int row = 0;
    for (const QString& line : lines) {
        const QStringList f = line.trimmed().split(QRegularExpression("\\s+"));
        if (f.size() < 17 || !f[12].endsWith('%'))
            continue;
        ++row;
        const double soc = f[12].chopped(1).toDouble();
        Battery* gauge = w.findChild<Battery*>(kGaugeNames[row - 1]);
        QVERIFY(gauge);
        QTRY_COMPARE_WITH_TIMEOUT(gauge->shownValue(), soc, 5000);
    }
    QCOMPARE(row, batteries);
}

void TestStatusFlows::loginChainFillsGroupView() {
    QFETCH(QStringList, simArgs);
    QFETCH(int, batteries);
    SimSession s(simArgs);
    SimRelay& relay = s.relay;
    QVERIFY(s.login(false));
    QTRY_VERIFY_WITH_TIMEOUT(
        sentInOrder(relay, {"login debug", "pwrsys", "pwr", "balance", "ctrl"}), 8000);
    // Let the "ctrl" reply arrive and the poll not yet send its own "pwrsys" (tick 5).
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 3000);
    QTest::qWait(300);
    checkGroupShowsUnit(s.w, relay, batteries);
    QCOMPARE(s.w.commandStateText(), QString("Command State: completed successfully"));
    QVERIFY(s.recorder().shown.isEmpty());
}

void TestStatusFlows::pollSendsPwrsysThenBatteryCommand() {
    SimSession s({"--batteries", "2", "--seed", "3", "--reply-delay", "5"});
    SimRelay& relay = s.relay;
    const qint64 start = relay.elapsedMs();
    QVERIFY(s.login(false));
    QTRY_VERIFY_WITH_TIMEOUT(indexOf(relay.sentLines(), "info 1") >= 0, 13000);
    const auto sent = relay.sentLines();
    // The login's own "pwrsys" comes first; the poll's comes on its fifth tick.
    const int firstPwrsys = indexOf(sent, "pwrsys");
    const int pollPwrsys = indexOf(sent, "pwrsys", firstPwrsys + 1);
    QVERIFY(pollPwrsys > 0);
    const qint64 pwrsysAt = sent[pollPwrsys].ms - start;
    const qint64 infoAt = sent[indexOf(sent, "info 1")].ms - start;
    QVERIFY2(pwrsysAt > 4500 && pwrsysAt < 6500, qPrintable(QString::number(pwrsysAt)));
    QVERIFY2(infoAt > 9500 && infoAt < 11500, qPrintable(QString::number(infoAt)));
    QCOMPARE(s.w.currentBatteryNumber(), 1);
    QCOMPARE(s.w.form()->CurrBatNumLab->text(), QString("1"));
    // The battery chain follows: "bat 1", then "pwr 1".
    QTRY_VERIFY_WITH_TIMEOUT(sentInOrder(relay, {"info 1", "bat 1", "pwr 1"}), 3000);
}

void TestStatusFlows::batteryButtonStartsDetailChain() {
    SimSession s({"--batteries", "4", "--seed", "8", "--reply-delay", "5"});
    SimRelay& relay = s.relay;
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    BatteryGroup* group = w.form()->BattGroupWid;
    QCOMPARE(group->batButtons().size(), 4);
    group->batButtons().at(2)->click();
    QTRY_VERIFY_WITH_TIMEOUT(sentInOrder(relay, {"info 3", "bat 3", "pwr 3"}), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 3").isEmpty(), 3000);
    QTest::qWait(300);

    BatteryInfo* info = w.form()->BattInfoWid;
    const QString pwr3 = relay.lastReply("pwr 3");
    QCOMPARE(info->devAdd(), QString("3"));
    QCOMPARE(info->cellNum(), int(replyNumber(relay.lastReply("info 3"), "Cell Number")));
    QCOMPARE(info->cells().size(), info->cellNum());
    QCOMPARE(info->soc(), int(replyNumber(pwr3, "Coulomb")));
    QCOMPARE(w.currentBatteryNumber(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->BatteryThree->shownValue(), replyNumber(pwr3, "Coulomb"),
                              5000);
    // A second click within 800 ms is refused with the cooldown warning.
    group->batButtons().at(1)->click();
    group->batButtons().at(1)->click();
    QCOMPARE(s.recorder().lastText(),
             QString("The operation is too frequent!\nPlease try again later!"));
}

QTEST_MAIN(TestStatusFlows)
#include "test_status_flows.moc"
