// The upgrade flow's decisions: the verdict on the unit's report (also with its markers
// cut across bursts), the flashing wait by present number, the wake answer, and the
// transfer window's time estimate.
#include "upgrade/transfer_routing.h"
#include "upgrade/upgrade_flow.h"

#include <QtTest>

Q_DECLARE_METATYPE(UpgradeTarget)

class TstUpgradeFlow : public QObject {
    Q_OBJECT
private slots:
    void reportVerdict_data();
    void reportVerdict();
    void flashWait_data();
    void flashWait();
    void wakeAnswerCutAcrossBursts();
    void secondsLeft();
};

void TstUpgradeFlow::reportVerdict_data() {
    QTest::addColumn<bool>("transferred"); // the image went out: the upgrading flag is set
    QTest::addColumn<QStringList>("bursts");
    QTest::addColumn<QString>("verdicts"); // every verdict given over the bursts, in order
    const auto row = [](const char* name, bool transferred, const QStringList& bursts,
                        const char* verdicts) {
        QTest::newRow(name) << transferred << bursts << QString(verdicts);
    };
    row("init over", true, {"Jump\r\nSYS Init Over\r\n"}, "success");
    row("system run, ibccan init", true, {"System run", "IbcCAN init"}, "success");
    row("hub", true, {"IBCCAN init over"}, "hub");
    row("success needs the upgrading flag", false, {"SYS Init Over"}, "");
    row("markers are case-sensitive", true, {"sys init over"}, "");
    row("version invalid", true, {"Version invalid"}, "invalid");
    row("without the space", true, {"Versioninvalid"}, "invalid");
    row("a word between", true, {"Version is invalid"}, "");
    row("invalid alone", true, {"abcdefinvalid"}, "");
    row("refused without the flag", false, {"Version invalid"}, "invalid");
    row("without head", true, {"Version without head\r\nUpdata fail"}, "nohead");
    row("success and invalid in one burst", true, {"Version invalid\r\nSYS Init Over"},
        "success invalid");
    row("marker cut across bursts", true, {"Flash write over\r\nSYS In", "it O", "ver\r\n"},
        "success");
    row("refusal cut across bursts", true, {"Version inv", "alid\r\n"}, "invalid");
    row("each verdict once", true,
        {"SYS Init Over", "Version invalid", "SYS Init Over", "Version invalid"},
        "success invalid");
}

void TstUpgradeFlow::reportVerdict() {
    QFETCH(bool, transferred);
    QFETCH(QStringList, bursts);
    UpgradeFlow flow;
    flow.announce(false);
    if (transferred) {
        flow.transferStarted();
        flow.transferCompleted(4);
    }
    QStringList given;
    for (const QString& burst : bursts) {
        const ReportVerdict v = flow.reportBurst(burst);
        if (v.success)
            given << (v.hub ? "hub" : "success");
        if (v.fault != VersionFault::None)
            given << (v.fault == VersionFault::Invalid ? "invalid" : "nohead");
    }
    QTEST(given.join(' '), "verdicts");
    if (!given.isEmpty())
        QCOMPARE(flow.stage(), UpgradeStage::Idle);
}

// A console send, which has nothing to wait for, is tried end to end by the upgrade flows.
void TstUpgradeFlow::flashWait_data() {
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("timerMs");
    QTest::addColumn<UpgradeTarget>("target");
    QTest::newRow("one battery") << 1 << 180000 << UpgradeTarget::Battery;
    QTest::newRow("host of four") << 4 << 720000 << UpgradeTarget::Host;
    QTest::newRow("host of sixteen") << 16 << 2880000 << UpgradeTarget::Host;
    QTest::newRow("no-data marker") << 268435455 << 60000 << UpgradeTarget::Battery;
    QTest::newRow("none present") << 0 << 60000 << UpgradeTarget::Battery;
}

void TstUpgradeFlow::flashWait() {
    QFETCH(int, present);
    UpgradeFlow flow;
    QVERIFY(!flow.transferStarted()); // a transfer nobody announced is not followed
    flow.announce(false);
    QVERIFY(flow.busy() && !flow.upgrading() && flow.transferStarted());
    const FlashWait wait = flow.transferCompleted(present);
    QTEST(wait.timerMs, "timerMs");
    QTEST(wait.target, "target");
    QVERIFY(wait.wait && flow.stage() == UpgradeStage::Flashing);
}

void TstUpgradeFlow::wakeAnswerCutAcrossBursts() {
    UpgradeFlow flow;
    QVERIFY(!flow.wakeBurst("Updata is ready!")); // not waking
    flow.startWaking();
    QVERIFY(!flow.wakeBurst("\r\nBoot loader\r\nUpdata is "));
    QVERIFY(flow.wakeBurst("ready!\r\n"));
    QCOMPARE(flow.stage(), UpgradeStage::Idle);
    QVERIFY(!flow.wakeBurst("Updata is ready!")); // once per wake
}

void TstUpgradeFlow::secondsLeft() {
    QCOMPARE(transferSecondsLeft(0, 204800, 5000), -1);        // nothing sent yet
    QCOMPARE(transferSecondsLeft(1280, 204800, 400), -1);      // too early to tell
    QCOMPARE(transferSecondsLeft(100000, 1048576, 10000), 95); // 1 MB at 10 kB/s
    QCOMPARE(transferSecondsLeft(3, 10, 1000), 3);             // rounded up
}

QTEST_APPLESS_MAIN(TstUpgradeFlow)
#include "tst_upgrade_flow.moc"
