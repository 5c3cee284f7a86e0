// The upgrade flow's decisions: the verdict on the unit's report (also when its markers
// are cut across bursts), the flashing wait by present number, the wake answer, and the
// transfer window's time estimate.
#include "upgrade/transfer_routing.h"
#include "upgrade/upgrade_flow.h"

#include <QtTest>

Q_DECLARE_METATYPE(UpgradeTarget)

namespace {
// What a verdict says, in the order the window acts on it.
QStringList describe(const ReportVerdict& v) {
    QStringList out;
    if (v.success)
        out << (v.hub ? "hub" : "success");
    if (v.fault == VersionFault::Invalid)
        out << "invalid";
    if (v.fault == VersionFault::NoHead)
        out << "nohead";
    return out;
}
} // namespace

class TstUpgradeFlow : public QObject {
    Q_OBJECT
private slots:
    void reportVerdict_data();
    void reportVerdict();
    void flashWait_data();
    void flashWait();
    void wakeAnswerCutAcrossBursts();
    void secondsLeft_data();
    void secondsLeft();
};

void TstUpgradeFlow::reportVerdict_data() {
    QTest::addColumn<bool>("transferred"); // the image went out: the upgrading flag is set
    QTest::addColumn<QStringList>("bursts");
    QTest::addColumn<QStringList>("verdicts"); // all verdicts given over the bursts, in order
    const QStringList none;
    QTest::newRow("init over") << true << QStringList{"Jump\r\nSYS Init Over\r\n"}
                               << QStringList{"success"};
    QTest::newRow("system run, ibccan init")
        << true << QStringList{"System run", "IbcCAN init"} << QStringList{"success"};
    QTest::newRow("hub") << true << QStringList{"IBCCAN init over"} << QStringList{"hub"};
    QTest::newRow("success needs the upgrading flag")
        << false << QStringList{"SYS Init Over"} << none;
    QTest::newRow("markers are case-sensitive") << true << QStringList{"sys init over"} << none;
    QTest::newRow("version invalid")
        << true << QStringList{"Version invalid"} << QStringList{"invalid"};
    QTest::newRow("without the space")
        << true << QStringList{"Versioninvalid"} << QStringList{"invalid"};
    QTest::newRow("a word between") << true << QStringList{"Version is invalid"} << none;
    QTest::newRow("invalid alone") << true << QStringList{"abcdefinvalid"} << none;
    QTest::newRow("refused without the flag")
        << false << QStringList{"Version invalid"} << QStringList{"invalid"};
    QTest::newRow("without head") << true << QStringList{"Version without head\r\nUpdata fail"}
                                  << QStringList{"nohead"};
    QTest::newRow("success and invalid in one burst")
        << true << QStringList{"Version invalid\r\nSYS Init Over"}
        << QStringList{"success", "invalid"};
    QTest::newRow("marker cut across bursts")
        << true << QStringList{"Flash write over\r\nSYS In", "it O", "ver\r\n"}
        << QStringList{"success"};
    QTest::newRow("refusal cut across bursts")
        << true << QStringList{"Version inv", "alid\r\n"} << QStringList{"invalid"};
    QTest::newRow("each verdict once")
        << true
        << QStringList{"SYS Init Over", "Version invalid", "SYS Init Over", "Version invalid"}
        << QStringList{"success", "invalid"};
}

void TstUpgradeFlow::reportVerdict() {
    QFETCH(bool, transferred);
    QFETCH(QStringList, bursts);
    QFETCH(QStringList, verdicts);
    UpgradeFlow flow;
    flow.announce(false);
    if (transferred) {
        flow.transferStarted();
        flow.transferCompleted(4);
        QVERIFY(flow.upgrading());
    }
    QStringList given;
    for (const QString& burst : bursts)
        given << describe(flow.reportBurst(burst));
    QCOMPARE(given, verdicts);
    if (!verdicts.isEmpty())
        QCOMPARE(flow.stage(), UpgradeStage::Idle);
}

void TstUpgradeFlow::flashWait_data() {
    QTest::addColumn<int>("present");
    QTest::addColumn<bool>("console");
    QTest::addColumn<int>("timerMs");
    QTest::addColumn<UpgradeTarget>("target");
    QTest::newRow("one battery") << 1 << false << 180000 << UpgradeTarget::Battery;
    QTest::newRow("host of four") << 4 << false << 720000 << UpgradeTarget::Host;
    QTest::newRow("host of sixteen") << 16 << false << 2880000 << UpgradeTarget::Host;
    QTest::newRow("no-data marker") << 268435455 << false << 60000 << UpgradeTarget::Battery;
    QTest::newRow("none present") << 0 << false << 60000 << UpgradeTarget::Battery;
    QTest::newRow("console send") << 4 << true << 720000 << UpgradeTarget::Host;
}

void TstUpgradeFlow::flashWait() {
    QFETCH(int, present);
    QFETCH(bool, console);
    QFETCH(int, timerMs);
    QFETCH(UpgradeTarget, target);
    UpgradeFlow flow;
    QVERIFY(!flow.transferStarted()); // a transfer nobody announced is not followed
    flow.announce(console);
    QVERIFY(flow.busy());
    QVERIFY(!flow.upgrading());
    QVERIFY(flow.transferStarted());
    const FlashWait wait = flow.transferCompleted(present);
    QCOMPARE(wait.timerMs, timerMs);
    QCOMPARE(wait.target, target);
    // A console send has nothing to wait for: it ends with the transfer.
    QCOMPARE(wait.wait, !console);
    QCOMPARE(flow.stage(), console ? UpgradeStage::Idle : UpgradeStage::Flashing);
    QCOMPARE(flow.upgrading(), !console);
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

void TstUpgradeFlow::secondsLeft_data() {
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("seconds");
    QTest::newRow("nothing sent") << qint64(0) << qint64(204800) << qint64(5000) << -1;
    QTest::newRow("too early to tell") << qint64(1280) << qint64(204800) << qint64(400) << -1;
    QTest::newRow("1 MB at 10 kB/s") << qint64(100000) << qint64(1048576) << qint64(10000) << 95;
    QTest::newRow("rounded up") << qint64(3) << qint64(10) << qint64(1000) << 3;
    QTest::newRow("done") << qint64(204800) << qint64(204800) << qint64(20000) << 0;
}

void TstUpgradeFlow::secondsLeft() {
    QFETCH(qint64, sent);
    QFETCH(qint64, total);
    QFETCH(qint64, elapsedMs);
    QTEST(transferSecondsLeft(sent, total, elapsedMs), "seconds");
}

QTEST_APPLESS_MAIN(TstUpgradeFlow)
#include "tst_upgrade_flow.moc"
