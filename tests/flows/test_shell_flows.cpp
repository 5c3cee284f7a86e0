// The window against the simulated unit: a tile chooses its battery, the upgrade gate sits
// over the window and Escape closes it, the page keys, the port kept for the next start.
// And the placement arithmetic alone.
#include "mainwindow/window_geometry.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_login.h"
#include "views/battery.h"
#include "views/battery_info.h"

#include <QtTest>

class TestShellFlows : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void tileGateAndPageKeys();
};

// Catches a window put beside its owner, pushed off the screen, or with its top above it.
void TestShellFlows::placement_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("placed"); // on a screen whose free area is (1366,0 1920x1040)
    QTest::newRow("centred") << QRect(1371, 27, 1366, 674) << QSize(400, 300)
                             << QRect(1854, 214, 400, 300);
    QTest::newRow("owner off the left")
        << QRect(1300, 50, 300, 200) << QSize(200, 100) << QRect(1366, 100, 200, 100);
    QTest::newRow("owner off the bottom")
        << QRect(2000, 900, 600, 400) << QSize(400, 300) << QRect(2100, 740, 400, 300);
    QTest::newRow("larger than the area")
        << QRect(1371, 27, 1366, 674) << QSize(2000, 1100) << QRect(1366, 0, 2000, 1100);
}

void TestShellFlows::placement() {
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QTEST(centredOver(owner, size, QRect(1366, 0, 1920, 1040)), "placed");
}

void TestShellFlows::tileGateAndPageKeys() {
    SimSession s({"--batteries", "3", "--seed", "6", "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w) && s.login());
    QVERIFY(w.form()->BattInfoWid->isNoneChosen());
    // An absent battery's tile is refused and starts no cooldown: the next one is taken.
    QTest::mouseClick(w.form()->BatteryFive, Qt::LeftButton);
    QTest::mouseClick(w.form()->BatteryTwo, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(s.sent().contains("info 2"), 5000);
    QVERIFY(!s.sent().contains("info 5"));
    QTRY_VERIFY_WITH_TIMEOUT(!w.form()->BattInfoWid->isNoneChosen(), 8000);

    w.UpDateBtn_clicked();
    QPointer<UpdataLogin> gate = qobject_cast<UpdataLogin*>(QApplication::activeModalWidget());
    QVERIFY(gate);
    // Both centres round half a pixel down on even sizes.
    const QPoint offset = gate->frameGeometry().center() - w.frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    QTest::keyClick(gate->focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(gate.isNull(), 2000);
    QVERIFY(!s.sent().contains("updata"));

    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(w.form()->StackWid->currentIndex(), 2);
    QTest::keyClick(&w, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(w.form()->StackWid->currentIndex(), 1);

    BMSMainWin next; // the next start chooses the port of this Login
    QCOMPARE(next.form()->PortComBox->currentText(), s.relay.programPath());
}

QTEST_MAIN(TestShellFlows)
#include "test_shell_flows.moc"
