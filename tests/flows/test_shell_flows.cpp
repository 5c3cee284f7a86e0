// The window's own conveniences against the simulated unit: tiles that choose their battery,
// the upgrade gate placed over the window and closed with Escape, the page keys, the port
// remembered for the next start; and the placement arithmetic and the wait's clock alone.
#include "mainwindow/window_geometry.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_login.h"
#include "upgrade/wait_config.h"
#include "views/battery.h"
#include "views/battery_info.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QtTest>

class TestShellFlows : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void waitShowsClock();
    void tileGateAndPageKeys();
};

// Catches a window put beside the owner instead of over it, pushed off the screen, or a
// large one left with its title bar above the screen.
void TestShellFlows::placement_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");
    const QRect laptop(0, 0, 1366, 728);
    const QRect second(1366, 0, 1920, 1040);
    const QSize gate(400, 300);
    QTest::newRow("centred") << QRect(5, 27, 1366, 674) << gate << laptop
                             << QRect(488, 214, 400, 300);
    QTest::newRow("owner half off the right")
        << QRect(1100, 100, 600, 400) << gate << laptop << QRect(966, 150, 400, 300);
    QTest::newRow("owner above the top")
        << QRect(100, -300, 600, 400) << gate << laptop << QRect(200, 0, 400, 300);
    QTest::newRow("larger than the screen")
        << QRect(5, 27, 1366, 674) << QSize(1500, 800) << laptop << QRect(0, 0, 1500, 800);
    QTest::newRow("left edge of a second screen")
        << QRect(1300, 50, 300, 200) << QSize(200, 100) << second << QRect(1366, 100, 200, 100);
}

void TestShellFlows::placement() {
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QFETCH(QRect, available);
    QTEST(centredOver(owner, size, available), "placed");
}

// The wait's second line reads the flashing timer while shown and stops with it.
void TestShellFlows::waitShowsClock() {
    WaitConfig wait;
    QTimer flashing;
    flashing.setSingleShot(true);
    flashing.start(720000);
    wait.followClock(&flashing);
    QCOMPARE(wait.clockText(), QString("0:00 of 12:00"));
    wait.show();
    flashing.start(61000); // as if restarted nearer its end: the next tick shows the new one
    QTRY_COMPARE_WITH_TIMEOUT(wait.clockText(), QString("0:01 of 1:01"), 5000);
}

void TestShellFlows::tileGateAndPageKeys() {
    SimSession s({"--batteries", "3", "--seed", "6", "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(s.login());
    BatteryInfo* info = w.form()->BattInfoWid;
    QVERIFY(info->isNoneChosen());

    // An absent battery's tile is refused as its missing button would be, and starts no
    // cooldown: the next tile is taken at once.
    QTest::mouseClick(w.form()->BatteryFive, Qt::LeftButton);
    QTest::mouseClick(w.form()->BatteryTwo, Qt::LeftButton);
    QCOMPARE(w.currentBatteryNumber(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(s.sent().contains("info 2"), 5000);
    QVERIFY(!s.sent().contains("info 5"));
    QTRY_VERIFY_WITH_TIMEOUT(w.form()->BatteryTwo->isDetailShown() && !info->isNoneChosen(), 8000);

    // The gate sits over the window and Escape closes it without a word to the unit.
    w.UpDateBtn_clicked();
    QPointer<UpdataLogin> gate;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<UpdataLogin*>(top))
            gate = g;
    QVERIFY(gate && gate->isVisible());
    // Both centres round half a pixel down on even sizes.
    const QPoint offset = gate->frameGeometry().center() - w.frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    QTest::keyClick(gate->findChild<QLineEdit*>("PsdEdit"), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(gate.isNull(), 2000);
    QVERIFY(!s.sent().contains("updata"));

    // Ctrl+2 opens the real-time page, Ctrl+1 the status page again.
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(w.form()->StackWid->currentIndex(), 2);
    QTest::keyClick(&w, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(w.form()->StackWid->currentIndex(), 1);

    // The next start chooses the port of this Login.
    BMSMainWin next;
    QCOMPARE(next.form()->PortComBox->currentText(), s.relay.programPath());
}

QTEST_MAIN(TestShellFlows)
#include "test_shell_flows.moc"
