// The status page against the simulated unit, on a clean line and on a chunked one with garbage
// and NULs: the login chain, the poll schedule, a battery chosen inside the dispatcher's wait
// and the buttons' cooldown. The relay records both directions, so what the views show is checked
// against what the unit really printed.
#include "mainwindow/link_state_display.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QtTest>

namespace {
// The gauges in the form, battery 1 first.
const char* const kGaugeNames[] = {"BatteryOne",  "BatteryTwo",  "BatteryThree",
                                   "BatteryFour", "BatteryFive", "BatterySix"};

// Index of the first line sent at or after `from` that equals `line`, or -1.
int indexOf(const QVector<SimRelay::Sent>& sent, const QString& line, int from = 0) {
    for (int i = from; i < sent.size(); ++i)
        if (sent[i].line == line)
            return i;
    return -1;
}

bool sentInOrder(const SimRelay& relay, const QStringList& lines) {
    int at = 0;
    for (const QString& l : lines)
        if ((at = indexOf(relay.sentLines(), l, at) + 1) == 0)
            return false;
    return true;
}
} // namespace

class TestStatusFlows : public QObject {
    Q_OBJECT
private slots:
    void statusPage_data();
    void statusPage();
};

void TestStatusFlows::statusPage_data() {
    QTest::addColumn<QStringList>("line");
    QTest::newRow("clean line") << QStringList();
    QTest::newRow("chunked, garbage, NULs") << QStringList{"--chunk", "--garbage"};
}

// Catches a chain sent out of order or not at all, a view fed the wrong field or scale, a
// poll on the wrong tick, a reply left unread in a wait, a detail view mixing batteries and a
// cooldown that lets clicks by.
void TestStatusFlows::statusPage() {
    QFETCH(QStringList, line);
    SimSession s(line + QStringList{"--batteries", "6", "--seed", "11", "--reply-delay", "5"});
    SimRelay& relay = s.relay;
    BMSMainWin& w = s.w;
    const qint64 start = relay.elapsedMs();
    QVERIFY(s.login(false));
    QTRY_VERIFY_WITH_TIMEOUT(
        sentInOrder(relay, {"login debug", "pwrsys", "pwr", "balance", "ctrl"}), 8000);
    // Let the "ctrl" reply arrive and the poll not yet send its own "pwrsys" (tick 5).
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 3000);
    QTest::qWait(300);
    const QString pwrsys = relay.lastReply("pwrsys");
    BatteryGroup* group = w.form()->BattGroupWid;
    QCOMPARE(group->presentNum(), 6);
    QCOMPARE(group->batButtons().size(), 6);
    QCOMPARE(group->totalVolt(), replyNumber(pwrsys, "System Volt") / 1000.0);
    QCOMPARE(group->totalCurr(), replyNumber(pwrsys, "System Curr") / 1000.0);
    QCOMPARE(double(group->totalSoc()), replyNumber(pwrsys, "System SOC"));
    QCOMPARE(double(group->totalSoh()), replyNumber(pwrsys, "System SOH"));
    QVERIFY(!group->sysState().isEmpty());
    QCOMPARE(w.linkState().commandStateText(), QString("Command State: completed successfully"));
    // The gauges follow the "pwr" table's SOC column (position 12 of each line).
    int row = 0;
    for (const QString& tableLine : relay.lastReply("pwr").split('\n')) {
        const QStringList f = tableLine.trimmed().split(QRegularExpression("\\s+"));
        if (f.size() < 17 || !f[12].endsWith('%'))
            continue;
        QVERIFY(row < 6);
        Battery* gauge = w.findChild<Battery*>(kGaugeNames[row++]);
        QTRY_COMPARE_WITH_TIMEOUT(gauge->shownValue(), f[12].chopped(1).toDouble(), 5000);
    }
    QCOMPARE(row, 6);

    // The poll: its own "pwrsys" on the fifth tick, battery 1's chain on the tenth. Battery 3
    // is chosen while the dispatcher waits on battery 1's cell table.
    BatteryInfo* info = w.form()->BattInfoWid;
    int clickedAt = -1;
    QElapsedTimer sinceClick;
    QScopedPointer<QTimer> inWait(whenReady(
        [&] { return w.session().currentCommand() == "bat 1\n" && !info->cells().isEmpty(); },
        [&] {
            clickedAt = s.sent().size();
            sinceClick.start();
            group->batButtons().at(2)->click();
        }));
    QTRY_VERIFY_WITH_TIMEOUT(sentInOrder(relay, {"info 1", "bat 1"}), 14000);
    const auto sent = relay.sentLines();
    const int pollPwrsys = indexOf(sent, "pwrsys", indexOf(sent, "pwrsys") + 1);
    QVERIFY(pollPwrsys > 0);
    const qint64 pwrsysAt = sent[pollPwrsys].ms - start;
    const qint64 infoAt = sent[indexOf(sent, "info 1")].ms - start;
    QVERIFY2(pwrsysAt > 4500 && pwrsysAt < 6500, qPrintable(QString::number(pwrsysAt)));
    QVERIFY2(infoAt > 9500 && infoAt < 11500, qPrintable(QString::number(infoAt)));

    // Battery 3's "info" reply is read in that wait and shown within a second, not when the
    // line next speaks; battery 1's chain stops there and nothing of it mixes into the view.
    QTRY_COMPARE_WITH_TIMEOUT(info->devAdd(), QString("3"), 3000);
    QVERIFY2(sinceClick.elapsed() < 1000, qPrintable(QString::number(sinceClick.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 3").isEmpty(), 3000);
    QTest::qWait(300);
    QCOMPARE(s.sent().mid(clickedAt), QStringList({"info 3", "bat 3", "pwr 3"}));
    const double coulomb = replyNumber(relay.lastReply("pwr 3"), "Coulomb");
    QCOMPARE(info->cellNum(), int(replyNumber(relay.lastReply("info 3"), "Cell Number")));
    QCOMPARE(info->cells().size(), info->cellNum());
    QCOMPARE(info->soc(), int(coulomb));
    QCOMPARE(w.form()->CurrBatNumLab->text(), QString("3"));
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->BatteryThree->shownValue(), coulomb, 5000);
    QVERIFY(s.recorder().shown.isEmpty());
    // A second click within 800 ms is refused with the cooldown warning.
    group->batButtons().at(1)->click();
    group->batButtons().at(1)->click();
    QCOMPARE(s.recorder().lastText(),
             QString("The operation is too frequent!\nPlease try again later!"));
}

QTEST_MAIN(TestStatusFlows)
#include "test_status_flows.moc"
