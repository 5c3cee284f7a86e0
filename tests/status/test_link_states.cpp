// The states through the real window and a pseudo-terminal, against the simulated unit.
#include "mainwindow/link_state_display.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QtTest>

namespace {
// Every view's caption (group, detail, tiles' box), "differ" when they differ or when a view is
// not greyed as `greyed` says.
QString staleCaption(BMSMainWin& w, bool greyed) {
    const QString caption = w.form()->BattGroupWid->staleCaption();
    bool same = w.form()->BattInfoWid->staleCaption() == caption &&
                w.linkState().gaugeBoxCaption() == caption;
    same = same && w.form()->BattGroupWid->isGreyed() == greyed;
    for (const Battery* tile : w.form()->BatteryBox->findChildren<Battery*>())
        same = same && tile->isStale() == greyed;
    return same && w.form()->BattInfoWid->isGreyed() == greyed ? caption : "differ";
}
} // namespace

class TestLinkStates : public QObject {
    Q_OBJECT
private slots:
    void alarmThenUnplug();
    void silentUnitNamedInStatusBar();
};

// Battery 3 is hot in the first "pwr" table only: the alarm marks the box, its tile and its
// button, and goes when it clears. Then the adapter (a link to the unit's port) vanishes:
// every view greyed with the last reply's time until Login brings new replies; its port is
// chosen again when it returns.
void TestLinkStates::alarmThenUnplug() {
    SimSession s({"--batteries", "4", "--seed", "2", "--reply-delay", "5", "--alarm", "3",
                  "--alarm-clears-after", "1"});
    BMSMainWin& w = s.w;
    BatteryGroup* group = w.form()->BattGroupWid;
    Battery* tile3 = w.form()->BatteryThree;
    const QString link = s.home.filePath("ttyNB1");
    QVERIFY(s.relay.isReady() && QFile::link(s.relay.programPath(), link));
    const QTime loggedInAt = QTime::currentTime().addMSecs(-1000);
    loginOn(w, link);
    QTRY_VERIFY_WITH_TIMEOUT(group->alarmShown(), 5000);
    QCOMPARE(group->alarmedBatteries(), QVector<int>{3});
    QVERIFY(tile3->isAlarm() && !w.form()->BatteryTwo->isAlarm() && tile3->isPresent());
    QVERIFY(!w.form()->BatteryFive->isPresent()); // four batteries: the fifth tile is absent
    QTest::qWait(300);
    group->batButtons().at(2)->click();
    QTRY_VERIFY_WITH_TIMEOUT(w.form()->BattInfoWid->tempAlarm(), 3000);
    QVERIFY(tile3->isDetailShown() && group->shownBattery() == 3);
    QTRY_VERIFY_WITH_TIMEOUT(!group->alarmShown(), 9000);
    QVERIFY(!tile3->isAlarm() && !w.form()->BattInfoWid->tempAlarm());
    QVERIFY(group->shownBattery() == 3 && group->alarmedBatteries().isEmpty());
    QCOMPARE(staleCaption(w, false), QString());

    QVERIFY(QFile::remove(link));
    QTRY_VERIFY_WITH_TIMEOUT(!w.portOpen(), 3000);
    const QString caption = staleCaption(w, true);
    QVERIFY2(caption.startsWith("No connection — values of "), qPrintable(caption));
    const QTime valuesOf = QTime::fromString(caption.mid(26), "hh:mm:ss");
    QVERIFY2(valuesOf >= loggedInAt && valuesOf <= QTime::currentTime(), qPrintable(caption));
    QVERIFY(group->totalVolt() > 0); // the values stay
    QVERIFY(w.form()->PortComBox->currentText() != link);
    QVERIFY(QFile::link(s.relay.programPath(), link));
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->PortComBox->currentText(), link, 3000);
    w.OpenBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(staleCaption(w, false), QString(), 3000);
    QTRY_COMPARE(w.linkState().commandStateText(),
                 QString("Command State: completed successfully"));
    w.CloseBtn_clicked();
    QCOMPARE(w.linkState().commandStateText(), QString("Command State:"));
}

// The unit answers the first session's chain, then nothing. After an unplug, Login on the
// same port: the command state is bare, and a few seconds later the status bar names the
// silent unit, with no box, and the views keep the first session's values marked.
void TestLinkStates::silentUnitNamedInStatusBar() {
    SimSession s({"--batteries", "2", "--seed", "3", "--reply-delay", "5", "--silent-after", "5"});
    const QString link = s.home.filePath("ttyNB2");
    QVERIFY(s.relay.isReady() && QFile::link(s.relay.programPath(), link));
    loginOn(s.w, link);
    QTRY_COMPARE_WITH_TIMEOUT(s.w.linkState().commandStateText(),
                              QString("Command State: completed successfully"), 5000);
    // The chain's last answered command: after it the unit has nothing left to say, also on
    // a slow (sanitizer) build where the unplug would otherwise come before it.
    QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("ctrl").isEmpty(), 5000);
    QVERIFY(QFile::remove(link));
    QTRY_VERIFY_WITH_TIMEOUT(!s.w.portOpen(), 3000);
    QVERIFY(QFile::link(s.relay.programPath(), link));
    QTRY_COMPARE_WITH_TIMEOUT(s.w.form()->PortComBox->currentText(), link, 3000);
    s.recorder().shown.clear(); // the unplug's own warning
    s.w.OpenBtn_clicked();
    QTest::qWait(1500);
    QVERIFY(s.w.linkState().linkStateText().isEmpty());
    QCOMPARE(s.w.linkState().commandStateText(), QString("Command State:"));
    QTRY_COMPARE_WITH_TIMEOUT(
        s.w.linkState().linkStateText(),
        "No answer from the unit on " + link + " — check the cable and the port", 6000);
    QCOMPARE(s.w.linkState().commandStateText(), QString("Command State:"));
    QVERIFY(s.recorder().shown.isEmpty());
    QVERIFY(staleCaption(s.w, true).startsWith("No answer — values of "));
}

QTEST_MAIN(TestLinkStates)
#include "test_link_states.moc"
