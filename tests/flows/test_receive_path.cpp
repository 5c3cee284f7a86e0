// The receive path through the real window and a real pseudo-terminal, while the dispatcher
// waits between the steps of a chain: Logout and a vanished adapter in that wait, a reply and
// a battery choice arriving in it.
//
// The dispatcher's wait is a nested event loop, so the test acts from timers that fire
// inside it, not from its own code between waits.
#include "mainwindow/bms_main_win.h"
#include "pty_pair.h"
#include "recording_prompts.h"
#include "serial/my_serial.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

const QByteArray kPwrsysReply =
    "pwrsys\r\n@\r\nSystem is discharging\r\nPresent Num         : 4\r\nSystem Volt         : "
    "52329 mV\r\nSystem Curr         : -49767 mA\r\nSystem SOC          : 65 %\r\nSystem SOH    "
    "      : 98 %\r\nCommand completed successfully\r\n$$\r\n";

// Runs `action` once, from a 1 ms timer (so also inside a nested wait), when `ready` holds.
class Probe : public QObject {
public:
    Probe(std::function<bool()> ready, std::function<void()> action)
        : m_ready(std::move(ready)), m_action(std::move(action)) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (!m_ready())
                return;
            m_timer.stop();
            m_fired = true;
            m_action();
        });
        m_timer.start(1);
    }
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    std::function<bool()> m_ready;
    std::function<void()> m_action;
    bool m_fired = false;
};

QStringList sentSince(const SimRelay& relay, int from) {
    QStringList lines;
    const auto sent = relay.sentLines();
    for (int i = from; i < sent.size(); ++i)
        lines << sent[i].line;
    return lines;
}

} // namespace

class TestReceivePath : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }

    void closingDuringDispatchWait_data();
    void closingDuringDispatchWait();
    void replyDuringWaitIsDispatchedInIt();
    void batteryChosenDuringWaitDoesNotMix();
    void batteryClickBeforeLogoutKeepsNextChain();

private:
    RecordingPrompts& rec() { return m_prompts->recorder; }
    void login(BMSMainWin& w, const QString& path) {
        addExtraPort(path);
        w.selectPort(path);
        w.OpenBtn_clicked();
        QVERIFY(w.portOpen());
    }
    QScopedPointer<ScopedPrompts> m_prompts;
};

// Logout or a vanished adapter while the "pwrsys" reply's dispatch waits: the port closes,
// no follow-up goes out, no box is shown but the disconnect one, and nothing touches the
// closed port afterwards (the valgrind run of this test looks for that).
void TestReceivePath::closingDuringDispatchWait_data() {
    QTest::addColumn<bool>("unplug");
    QTest::addColumn<QByteArray>("sentAfter");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("logout") << false << QByteArray("\nlogout\n") << QStringList();
    QTest::newRow("unplug") << true << QByteArray()
                            << QStringList{"The serial port diconnect! Please check!"};
}

void TestReceivePath::closingDuringDispatchWait() {
    QFETCH(bool, unplug);
    PtyPair pty;
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB0");
    QVERIFY(QFile::link(pty.slavePath(), link));
    BMSMainWin w;
    login(w, link);
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));

    Probe inWait([&] { return w.presentNumber() == 4; },
                 [&] {
                     if (!unplug) {
                         w.form()->CloseBtn->click();
                         return;
                     }
                     QFile::remove(link);
                     QMetaObject::invokeMethod(&w, "PortCheckTimeOut");
                 });
    pty.write(kPwrsysReply);
    const QByteArray after = pty.read(800);
    QVERIFY(inWait.fired());
    QTEST(after, "sentAfter");
    QVERIFY(!w.portOpen());
    QVERIFY(!w.serialLink()->isOpen());
    QVERIFY(!w.pollRunning());
    QVERIFY(w.form()->OpenBtn->isEnabled());
    QTEST(rec().texts(), "boxes");
}

// The battery chosen 100 ms after the "pwrsys" reply: its "info" reply comes back during the
// dispatcher's wait and is shown within a second, not when the line next speaks.
void TestReceivePath::replyDuringWaitIsDispatchedInIt() {
    SimRelay relay({"--batteries", "4", "--seed", "21"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    BatteryGroup* group = w.form()->BattGroupWid;
    QElapsedTimer sinceClick;
    Probe inWait([&] { return group->batButtons().size() == 4; },
                 [&] {
                     QTimer::singleShot(100, [&] {
                         sinceClick.start();
                         group->batButtons().at(2)->click();
                     });
                 });
    login(w, relay.programPath());
    QTRY_VERIFY_WITH_TIMEOUT(sinceClick.isValid(), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->BattInfoWid->devAdd(), QString("3"), 3000);
    QVERIFY2(sinceClick.elapsed() < 1000, qPrintable(QString::number(sinceClick.elapsed())));
}

// Battery 3 chosen while the dispatcher waits on battery 1's cell table: battery 1's chain
// stops there, and the detail view ends up with battery 3's identity, cells and charge.
void TestReceivePath::batteryChosenDuringWaitDoesNotMix() {
    SimRelay relay({"--batteries", "4", "--seed", "9", "--reply-delay", "400"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    login(w, relay.programPath());
    BatteryGroup* group = w.form()->BattGroupWid;
    BatteryInfo* info = w.form()->BattInfoWid;
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 8000);
    QTest::qWait(300);
    group->batButtons().at(0)->click();

    int clickedAt = -1;
    Probe inWait([&] { return w.currentCommand() == "bat 1\n" && !info->cells().isEmpty(); },
                 [&] {
                     clickedAt = relay.sentLines().size();
                     group->batButtons().at(2)->click();
                 });
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 3").isEmpty(), 8000);
    QTest::qWait(300);
    QVERIFY(clickedAt >= 0);
    QVERIFY(rec().shown.isEmpty());
    const QStringList after = sentSince(relay, clickedAt);
    QVERIFY2(!after.contains("pwr 1") && !after.contains("bat 1"), qPrintable(after.join('|')));
    QCOMPARE(info->devAdd(), QString("3"));
    QCOMPARE(info->cellNum(), int(replyNumber(relay.lastReply("info 3"), "Cell Number")));
    QCOMPARE(info->soc(), int(replyNumber(relay.lastReply("pwr 3"), "Coulomb")));
}

// A battery click holds back the system chain until the next poll tick; Logout before that
// tick must not carry the hold into the next Login.
void TestReceivePath::batteryClickBeforeLogoutKeepsNextChain() {
    SimRelay relay({"--batteries", "3", "--seed", "4"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    login(w, relay.programPath());
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 5000);
    w.form()->BattGroupWid->batButtons().at(1)->click();
    w.form()->CloseBtn->click();
    const int before = relay.sentLines().size();
    login(w, relay.programPath());
    // The "pwrsys" reply is dispatched before the first tick (1 s) could lift a hold.
    QTRY_VERIFY_WITH_TIMEOUT(sentSince(relay, before).contains("pwr"), 900);
}

QTEST_MAIN(TestReceivePath)
#include "test_receive_path.moc"
