// The upgrade flow's decisions: the verdicts on the unit's text (markers cut across bursts too),
// the flashing wait by present number, and the transfer window's time estimate.
#include "upgrade/transfer_routing.h"
#include "upgrade/upgrade_flow.h"

#include <QtTest>

class TstUpgradeFlow : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data();
    void verdicts();
    void flashWait();
    void secondsLeft();
    void clock_data();
    void clock();
};

// Catches a marker matched loosely or missed when cut across bursts, success taken before the
// image went out, a verdict given twice, and a wake answer heard when no wake was sent.
void TstUpgradeFlow::verdicts_data() {
    QTest::addColumn<QString>("stage"); // "wake", "sent" (announced) or "up" (transferred)
    QTest::addColumn<QString>("text");  // the bursts, split at '|'
    QTest::addColumn<QString>("heard"); // the verdicts given on each burst, '|' between bursts
    const auto row = [](const char* name, const char* stage, const char* text, const char* heard) {
        QTest::newRow(name) << QString(stage) << QString(text) << QString(heard);
    };
    row("hub", "up", "IBCCAN init over", "hub");
    row("success needs the upgrading flag", "sent", "SYS Init Over", "");
    row("version invalid", "up", "Version invalid", "invalid");
    row("without the space, cut", "up", "Version|invalid", "|invalid");
    row("a word between, invalid alone", "up", "Version is invalid\r\nabcinvalid", "");
    row("refused without the flag", "sent", "Version invalid", "invalid");
    row("without head", "up", "Version without head\r\nUpdata fail", "nohead");
    row("both in one burst", "up", "Version invalid\r\nIbcCAN init", "success invalid");
    row("marker cut across bursts", "up", "Flash write over\r\nSYS In|it O|ver\r\n", "||success");
    row("once each", "up", "System run|Version invalid|IBCCAN|Version invalid",
        "success|invalid||");
    row("wake answer cut, once", "wake", "Updata is |ready!\r\n|Updata is ready!", "|ready|");
    row("wake answer unasked", "sent", "Updata is ready!", "");
}

void TstUpgradeFlow::verdicts() {
    QFETCH(QString, stage);
    QFETCH(QString, text);
    UpgradeFlow flow;
    if (stage == "wake")
        flow.startWaking();
    else
        flow.announce(false);
    if (stage == "up" && flow.transferStarted())
        flow.transferCompleted(4);
    QStringList heard;
    for (const QString& burst : text.split('|')) {
        QStringList now;
        if (flow.wakeBurst(burst))
            now << "ready";
        const ReportVerdict v = flow.reportBurst(burst);
        if (v.success)
            now << (v.hub ? "hub" : "success");
        if (v.fault != VersionFault::None)
            now << (v.fault == VersionFault::Invalid ? "invalid" : "nohead");
        heard << now.join(' ');
    }
    QTEST(heard.join('|'), "heard");
    if (!heard.join("").isEmpty())
        QCOMPARE(flow.stage(), UpgradeStage::Idle);
}

// The wait and its text by present number: the minute when the number is not known.
void TstUpgradeFlow::flashWait() {
    UpgradeFlow flow;
    QVERIFY(!flow.transferStarted()); // a transfer nobody announced is not followed
    QStringList waits;
    // 17 and 65535 are misreads: clamped to sixteen batteries, never an overflowed interval.
    for (int present : {1, 2, 4, 268435455, 0, 16, 17, 65535, 11931}) {
        flow.announce(false);
        QVERIFY(flow.busy() && !flow.upgrading() && flow.transferStarted());
        const FlashWait w = flow.transferCompleted(present);
        QVERIFY(w.wait && flow.stage() == UpgradeStage::Flashing);
        waits << QString::number(w.timerMs) + (w.target == UpgradeTarget::Host ? " host" : "");
    }
    QCOMPARE(waits, QStringList({"180000", "360000 host", "720000 host", "60000", "60000",
                                 "2880000 host", "2880000 host", "2880000 host", "2880000 host"}));
}

void TstUpgradeFlow::secondsLeft() {
    QCOMPARE(transferSecondsLeft(0, 204800, 5000), -1);        // nothing sent yet
    QCOMPARE(transferSecondsLeft(1280, 204800, 400), -1);      // too early to tell
    QCOMPARE(transferSecondsLeft(100000, 1048576, 10000), 95); // 1 MB at 10 kB/s
    QCOMPARE(transferSecondsLeft(3, 10, 1000), 3);             // rounded up
}

// The flashing wait's clock: whole seconds, minutes past the hour, and never outside 0..longest.
void TstUpgradeFlow::clock_data() {
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<qint64>("longestMs");
    QTest::addColumn<QString>("shown");
    QTest::newRow("start") << qint64(0) << qint64(720000) << QString("0:00 of 12:00");
    QTest::newRow("seconds padded, truncated")
        << qint64(65999) << qint64(720000) << QString("1:05 of 12:00");
    QTest::newRow("past the longest, sixteen batteries")
        << qint64(3599000) << qint64(2880000) << QString("48:00 of 48:00");
    QTest::newRow("before the start") << qint64(-40) << qint64(60000) << QString("0:00 of 1:00");
    QTest::newRow("longest rounded up")
        << qint64(61000) << qint64(61500) << QString("1:01 of 1:02");
}

void TstUpgradeFlow::clock() {
    QFETCH(qint64, elapsedMs);
    QFETCH(qint64, longestMs);
    const FlashClock c = flashClock(elapsedMs, longestMs);
    QTEST(c.elapsed + " of " + c.longest, "shown");
}

QTEST_APPLESS_MAIN(TstUpgradeFlow)
#include "tst_upgrade_flow.moc"
