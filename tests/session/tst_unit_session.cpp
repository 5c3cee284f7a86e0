// One table over the kinds of work a login holds: while it runs, where the unit's text goes
// (during an upgrade its stage decides, not the current command) and whether control bytes
// are the transfer's; when the session ends, that everything stops and is forgotten and the
// work is reported once.

#include "session/unit_session.h"
#include "upgrade/updata_thread.h"

#include <QtTest>

Q_DECLARE_METATYPE(BurstRoute)

namespace {
void startWork(UnitSession& s, const QString& work) {
    if (work == "streaming") {
        s.realTimeDisplay = true;
    } else if (work == "listing") {
        s.listing().expect(RecordKind::Event, "datalist event 1");
        s.listing().take(RecordKind::Event, "datalist event 1\r\nItem Date Time\r\n1 x\r\n"
                                            "Press [Enter] to be continued,other key to exit");
    } else if (work == "waking") {
        s.upgrade().startWaking();
        s.wakeTimer().start();
    } else if (work == "flashing") {
        s.upgrade().announce(false);
        s.upgrade().transferStarted();
        s.upgradeTimer().start(s.upgrade().transferCompleted(4).timerMs);
    } else if (work == "transfer" || work == "console send") {
        s.upgrade().announce(work == "console send");
        s.makeTransferThread();
        s.transferTimer().start();
    } else if (work == "control wait") {
        s.controlWaitTimer().start(15000);
    }
}

QString told(const SessionEnd& e) {
    QStringList t;
    if (e.transfer)
        t << (e.consoleSend ? "console send" : "transfer");
    if (e.flashing) // rounded to the minute: the wait had just begun
        t << QString("flashing %1 min").arg((e.flashLeftMs + 30000) / 60000);
    const QList<QPair<bool, const char*>> flags = {{e.waking, "waking"},
                                                   {e.streaming, "streaming"},
                                                   {e.eventListing, "listing"},
                                                   {e.controlWait, "control wait"}};
    for (const auto& f : flags)
        if (f.first)
            t << f.second;
    return t.join(", ");
}
} // namespace

class TstUnitSession : public QObject {
    Q_OBJECT
private slots:
    void workRoutedThenEnded_data();
    void workRoutedThenEnded();
};

void TstUnitSession::workRoutedThenEnded_data() {
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("burst");
    QTest::addColumn<BurstRoute>("route");
    QTest::addColumn<bool>("ownsLine");
    QTest::addColumn<bool>("takesBytes");
    QTest::addColumn<QString>("told");
    using R = BurstRoute;
    const auto row = [](const char* work, const char* command, const char* burst, R r, bool owns,
                        bool bytes, const char* told) {
        QTest::newRow(qPrintable(QString(work) + ", " + command + burst))
            << QString(work) << QString(command) << QString(burst) << r << owns << bytes
            << QString(told);
    };
    // Outside an upgrade its text goes nowhere, and a stray ACK is text.
    row("idle", "updata\n", "SYS Init Over", R::None, false, false, "");
    row("idle", "DLG\n", "Updata is ready!", R::None, false, false, "");
    row("streaming", "disp pwrs 1\n", "1 2 3", R::RealTime, false, false, "streaming");
    row("listing", "datalist event 1\n", "2 x", R::EventList, false, false, "listing");
    // A report or a ready that arrives after a poll or chain command still reaches its handler.
    row("waking", "pwrsys\n", "Updata is ready!", R::UpdataReady, true, false, "waking");
    row("flashing", "pwrsys\n", "SYS Init Over", R::UpdataState, true, false, "flashing 12 min");
    row("transfer", "updata\n", "", R::UpdataState, true, true, "transfer");
    row("console send", "disp pwrs 1\n", "x", R::RealTime, true, true, "console send");
    row("control wait", "ctrl dfet off\n", "", R::None, false, false, "control wait");
}

void TstUnitSession::workRoutedThenEnded() {
    QFETCH(QString, work);
    QFETCH(QString, command);
    QFETCH(QString, burst);
    QFETCH(BurstRoute, route);
    QFETCH(bool, ownsLine);
    QFETCH(bool, takesBytes);
    UnitSession s(true);
    s.configReply = QString("config\n@\nx\n$$");
    s.tally.events = 36;
    s.pollTimer().start(1000);
    s.continueCooldown().start(1300);
    startWork(s, work);
    s.setCurrentCommand(command);
    QCOMPARE(s.routeFor(burst, QString()), route);
    QCOMPARE(s.upgradeOwnsLine(), ownsLine);
    QCOMPARE(s.takesTransferBytes(), takesBytes);

    QTEST(told(s.end()), "told");
    QVERIFY(!s.linked() && s.ended());
    for (QTimer* t : {&s.pollTimer(), &s.controlWaitTimer(), &s.continueCooldown(),
                      &s.upgradeTimer(), &s.wakeTimer(), &s.transferTimer()})
        QVERIFY(!t->isActive());
    QVERIFY(!s.transferThread() && !s.makeTransferThread()); // nothing sends after the end
    QVERIFY(!s.upgradeOwnsLine() && !s.takesTransferBytes());
    QVERIFY(!s.listing().anyOpen() && !s.realTimeDisplay && !s.configReply);
    QVERIFY(s.tally.events == -1 && s.currentCommand().isEmpty());
    QCOMPARE(told(s.end()), QString()); // told once
}

QTEST_GUILESS_MAIN(TstUnitSession)
#include "tst_unit_session.moc"
