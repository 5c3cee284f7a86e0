// The receive path through the real window and a real pty while the dispatcher waits between
// the steps of a chain; the tests act from timers that fire inside that nested event loop.
#include "pty_pair.h"
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray kPwrsysReply =
    "pwrsys\r\n@\r\nSystem is discharging\r\nPresent Num         : 4\r\nSystem Volt         : "
    "52329 mV\r\nSystem Curr         : -49767 mA\r\nSystem SOC          : 65 %\r\nSystem SOH    "
    "      : 98 %\r\nCommand completed successfully\r\n$$\r\n";

// Runs `action` once `ready` holds, checked every 1 ms in whatever event loop turns.
QTimer* whenReady(std::function<bool()> ready, std::function<void()> action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!ready())
            return;
        timer->stop();
        action();
    });
    timer->start(1);
    return timer;
}

} // namespace

class TestReceivePath : public QObject {
    Q_OBJECT
private slots:
    void closingDuringDispatchWait_data();
    void closingDuringDispatchWait();
    void replyDuringWaitIsDispatchedInIt();
    void batteryChosenDuringWaitDoesNotMix();
};

void TestReceivePath::closingDuringDispatchWait_data() {
    QTest::addColumn<bool>("unplug");
    QTest::addColumn<QByteArray>("sentAfter");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("logout") << false << QByteArray("\ninfo 2\n\nlogout\n") << QStringList();
    QTest::newRow("unplug") << true << QByteArray() // the click's command goes with the port
                            << QStringList{"The serial port diconnect! Please check!"};
}

// A battery click, then Logout or unplug, while the "pwrsys" reply's dispatch waits: the port
// closes, no follow-up goes out, no box but the disconnect one, nothing touches the closed port
// (valgrind runs this), and the click does not hold back the next Login's system chain.
void TestReceivePath::closingDuringDispatchWait() {
    QFETCH(bool, unplug);
    ScopedPrompts prompts;
    PtyPair pty;
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB0");
    QVERIFY(QFile::link(pty.slavePath(), link));
    BMSMainWin w;
    loginOn(w, link);
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));
    const auto clickThenClose = [&] {
        w.form()->BattGroupWid->batButtons()[1]->click();
        if (!unplug)
            w.form()->CloseBtn->click();
        else if (QFile::remove(link))
            QMetaObject::invokeMethod(&w, "PortCheckTimeOut");
    };
    QScopedPointer<QTimer> inWait(
        whenReady([&] { return w.presentNumber() == 4; }, clickThenClose));
    pty.write(kPwrsysReply);
    QTEST(pty.read(800), "sentAfter");
    QVERIFY(!w.serialLink()->isOpen() && !w.portOpen() && !w.pollRunning() &&
            w.form()->OpenBtn->isEnabled());
    QTEST(prompts.recorder.texts(), "boxes");
    QVERIFY(QFile::exists(link) || QFile::link(pty.slavePath(), link));
    loginOn(w, link);
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));
    pty.write(kPwrsysReply);
    // Dispatched before the first poll tick (1 s) could lift a click's hold.
    QVERIFY(pty.read(900, "\npwr\n").endsWith("\npwr\n"));
}

// The battery chosen 100 ms after the "pwrsys" reply: its "info" reply comes back during the
// dispatcher's wait and is shown within a second, not when the line next speaks.
void TestReceivePath::replyDuringWaitIsDispatchedInIt() {
    SimSession s({"--batteries", "4", "--seed", "21"});
    BatteryGroup* group = s.w.form()->BattGroupWid;
    QElapsedTimer sinceClick;
    const auto clickThird = [&] {
        sinceClick.start();
        group->batButtons()[2]->click();
    };
    QScopedPointer<QTimer> inWait(whenReady([&] { return group->batButtons().size() == 4; },
                                            [&] { QTimer::singleShot(100, clickThird); }));
    QVERIFY(s.login(false));
    QTRY_VERIFY_WITH_TIMEOUT(sinceClick.isValid(), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(s.w.form()->BattInfoWid->devAdd(), QString("3"), 3000);
    QVERIFY2(sinceClick.elapsed() < 1000, qPrintable(QString::number(sinceClick.elapsed())));
}

// Battery 3 chosen while the dispatcher waits on battery 1's cell table: battery 1's chain
// stops there, and the detail view shows battery 3's identity and charge.
void TestReceivePath::batteryChosenDuringWaitDoesNotMix() {
    SimSession s({"--batteries", "4", "--seed", "9", "--reply-delay", "400"});
    QVERIFY(s.login());
    BatteryGroup* group = s.w.form()->BattGroupWid;
    BatteryInfo* info = s.w.form()->BattInfoWid;
    QTest::qWait(300);
    group->batButtons()[0]->click(); // its chain is slow enough to outlast the 800 ms cooldown
    int clickedAt = -1;
    QScopedPointer<QTimer> inWait(
        whenReady([&] { return s.w.currentCommand() == "bat 1\n" && !info->cells().isEmpty(); },
                  [&] {
                      clickedAt = s.sent().size();
                      group->batButtons()[2]->click();
                  }));
    QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("pwr 3").isEmpty(), 8000);
    QTest::qWait(300);
    QVERIFY(s.recorder().shown.isEmpty() && clickedAt >= 0);
    for (const QString& sent : s.sent().mid(clickedAt))
        QVERIFY2(!sent.endsWith(" 1"), qPrintable(sent));
    QCOMPARE(info->devAdd(), QString("3"));
    QCOMPARE(info->cellNum(), int(replyNumber(s.relay.lastReply("info 3"), "Cell Number")));
    QCOMPARE(info->soc(), int(replyNumber(s.relay.lastReply("pwr 3"), "Coulomb")));
}

QTEST_MAIN(TestReceivePath)
#include "test_receive_path.moc"
