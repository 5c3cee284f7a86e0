// The session's end is the only clean-up path, so each kind of work under way must be
// stopped, forgotten and reported by it, once; and while an upgrade runs, its stage, not the
// current command, decides where the unit's text goes.

#include "session/unit_session.h"
#include "upgrade/updata_thread.h"

#include <QtTest>

Q_DECLARE_METATYPE(BurstRoute)

namespace {
enum class Work {
    None,
    Streaming,
    EventListing,
    HistoryListing,
    Waking,
    Flashing,
    Transfer,
    ConsoleSend,
    ControlWait
};

void startWork(UnitSession& s, Work work) {
    switch (work) {
    case Work::None:
        break;
    case Work::Streaming:
        s.realTimeDisplay = true;
        break;
    case Work::EventListing:
    case Work::HistoryListing: {
        const bool event = work == Work::EventListing;
        const QString echo = event ? "datalist event 1" : "datalist history 1";
        s.listing().expect(event ? RecordKind::Event : RecordKind::History, echo);
        s.listing().take(event ? RecordKind::Event : RecordKind::History,
                         echo + "\r\nItem Date Time\r\n1 x\r\n"
                                "Press [Enter] to be continued,other key to exit");
        break;
    }
    case Work::Waking:
        s.upgrade().startWaking();
        s.wakeTimer().start();
        break;
    case Work::Flashing:
        s.upgrade().announce(false);
        s.upgrade().transferStarted();
        s.upgradeTimer().start(s.upgrade().transferCompleted(4).timerMs);
        break;
    case Work::Transfer:
    case Work::ConsoleSend:
        s.upgrade().announce(work == Work::ConsoleSend);
        s.makeTransferThread();
        s.transferTimer().start();
        break;
    case Work::ControlWait:
        s.controlWaitTimer().start(15000);
        break;
    }
}

QString told(const SessionEnd& e) {
    QStringList t;
    if (e.transfer)
        t << (e.consoleSend ? "console send" : "transfer");
    if (e.flashing)
        t << QString("flashing %1 min").arg((e.flashLeftMs + 30000) / 60000);
    if (e.waking)
        t << "waking";
    if (e.streaming)
        t << "streaming";
    if (e.listing)
        t << (e.eventListing ? "event listing" : "history listing");
    if (e.controlWait)
        t << "control wait";
    return t.join(", ");
}
} // namespace

class TstUnitSession : public QObject {
    Q_OBJECT
private slots:
    void endStopsAndTells_data();
    void endStopsAndTells();
    void routeByStage_data();
    void routeByStage();
};

void TstUnitSession::endStopsAndTells_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("told");
    QTest::newRow("idle") << int(Work::None) << "";
    QTest::newRow("streaming") << int(Work::Streaming) << "streaming";
    QTest::newRow("event listing") << int(Work::EventListing) << "event listing";
    QTest::newRow("history listing") << int(Work::HistoryListing) << "history listing";
    QTest::newRow("waking") << int(Work::Waking) << "waking";
    QTest::newRow("flashing, 4 batteries") << int(Work::Flashing) << "flashing 12 min";
    QTest::newRow("transfer") << int(Work::Transfer) << "transfer";
    QTest::newRow("console send") << int(Work::ConsoleSend) << "console send";
    QTest::newRow("control wait") << int(Work::ControlWait) << "control wait";
}

void TstUnitSession::endStopsAndTells() {
    QFETCH(int, work);
    QFETCH(QString, told);
    UnitSession s(true);
    s.setCurrentCommand("pwrsys\n");
    s.configReply = QString("config\n@\nx\n$$");
    s.tally.events = 36;
    s.pollTimer().start(1000);
    s.continueCooldown().start(1300);
    startWork(s, Work(work));
    QVERIFY(s.linked());

    QCOMPARE(::told(s.end()), told);
    QVERIFY(!s.linked() && s.ended());
    for (QTimer* t : {&s.pollTimer(), &s.controlWaitTimer(), &s.continueCooldown(),
                      &s.upgradeTimer(), &s.wakeTimer(), &s.transferTimer()})
        QVERIFY(!t->isActive());
    QVERIFY(!s.transferThread() && !s.makeTransferThread()); // nothing sends after the end
    QCOMPARE(s.upgrade().stage(), UpgradeStage::Idle);
    QVERIFY(!s.upgradeOwnsLine() && !s.takesTransferBytes());
    QVERIFY(!s.listing().anyOpen() && !s.realTimeDisplay && !s.configReply);
    QCOMPARE(s.tally.events, -1);
    QVERIFY(s.currentCommand().isEmpty());
    QCOMPARE(::told(s.end()), QString()); // told once
}

void TstUnitSession::routeByStage_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("burst");
    QTest::addColumn<BurstRoute>("route");
    QTest::addColumn<bool>("ownsLine");
    QTest::addColumn<bool>("takesBytes");
    using R = BurstRoute;
    const auto row = [](const char* name, Work w, const char* command, const char* burst, R r,
                        bool owns, bool bytes) {
        QTest::newRow(name) << int(w) << QString(command) << QString(burst) << r << owns << bytes;
    };
    // The report of a flashing unit reaches its handler whatever was sent since.
    row("flashing, report after a chain step", Work::Flashing, "pwrsys\n", "SYS Init Over",
        R::UpdataState, true, false);
    row("waking, ready after a poll command", Work::Waking, "pwrsys\n", "Updata is ready!",
        R::UpdataReady, true, false);
    row("transfer: control bytes are the transfer's", Work::Transfer, "updata\n", "",
        R::UpdataState, true, true);
    row("console send routes by its command", Work::ConsoleSend, "disp pwrs 1\n", "x", R::RealTime,
        true, true);
    // Outside an upgrade an upgrade's text goes nowhere, and a stray ACK is text.
    row("no upgrade, updata still current", Work::None, "updata\n", "SYS Init Over", R::None, false,
        false);
    row("no upgrade, DLG still current", Work::None, "DLG\n", "Updata is ready!", R::None, false,
        false);
    row("stream", Work::Streaming, "disp pwrs 1\n", "1 2 3", R::RealTime, false, false);
    row("listing", Work::None, "datalist event 1\n", "1 x", R::EventList, false, false);
}

void TstUnitSession::routeByStage() {
    QFETCH(int, work);
    QFETCH(QString, command);
    QFETCH(QString, burst);
    QFETCH(BurstRoute, route);
    QFETCH(bool, ownsLine);
    QFETCH(bool, takesBytes);
    UnitSession s(true);
    startWork(s, Work(work));
    s.setCurrentCommand(command);
    QCOMPARE(s.routeFor(burst, QString()), route);
    QCOMPARE(s.upgradeOwnsLine(), ownsLine);
    QCOMPARE(s.takesTransferBytes(), takesBytes);
}

QTEST_GUILESS_MAIN(TstUnitSession)
#include "tst_unit_session.moc"
