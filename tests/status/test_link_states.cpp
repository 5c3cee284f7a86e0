// The states through the real window and a pseudo-terminal, against the simulated unit:
// an unplugged adapter leaves every unit-data view greyed with the last reply's time until
// new replies come, and its port is chosen again when it returns; a unit that does not
// answer is named in the status bar; an alarm marks the box, the tile and the button.
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void login(BMSMainWin& w, const QString& port) {
    addExtraPort(port);
    w.selectPort(port);
    w.OpenBtn_clicked();
}

// Every view's caption (group, detail, tiles' box), "" when they differ; and the tiles greyed.
QString staleCaption(BMSMainWin& w, bool greyed) {
    const QString caption = w.form()->BattGroupWid->staleCaption();
    bool same = w.form()->BattInfoWid->staleCaption() == caption && w.gaugeBoxCaption() == caption;
    same = same && w.form()->BattGroupWid->isGreyed() == greyed;
    for (const Battery* tile : w.form()->BatteryBox->findChildren<Battery*>())
        same = same && tile->isStale() == greyed;
    return same && w.form()->BattInfoWid->isGreyed() == greyed ? caption : "differ";
}
} // namespace

class TestLinkStates : public QObject {
    Q_OBJECT
private slots:
    void unplugMarksViewsStale();
    void silentUnitNamedInStatusBar();
    void alarmMarksBoxTileAndButton();
};

void TestLinkStates::unplugMarksViewsStale() {
    ScopedPrompts prompts;
    SimRelay relay({"--batteries", "4", "--seed", "7", "--reply-delay", "5"});
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB1");
    QVERIFY(relay.isReady() && QFile::link(relay.programPath(), link));
    BMSMainWin w;
    const QTime loggedInAt = QTime::currentTime().addMSecs(-1000);
    login(w, link);
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 5000);
    QTest::qWait(300);
    QCOMPARE(staleCaption(w, false), QString());

    QVERIFY(QFile::remove(link));
    QTRY_VERIFY_WITH_TIMEOUT(!w.portOpen(), 3000);
    const QString caption = staleCaption(w, true);
    QVERIFY2(caption.startsWith("No connection — values of "), qPrintable(caption));
    const QTime valuesOf = QTime::fromString(caption.mid(26), "hh:mm:ss");
    QVERIFY2(valuesOf >= loggedInAt && valuesOf <= QTime::currentTime(), qPrintable(caption));
    QVERIFY(w.form()->BattGroupWid->totalVolt() > 0); // the values stay
    QVERIFY(w.form()->PortComBox->currentText() != link);

    QVERIFY(QFile::link(relay.programPath(), link));
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->PortComBox->currentText(), link, 3000);
    w.OpenBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(staleCaption(w, false), QString(), 3000);
}

// The unit answers the first session's chain, then nothing: Logout and Login bring the bare
// command state, and a few seconds later the word in the status bar, with no box.
void TestLinkStates::silentUnitNamedInStatusBar() {
    ScopedPrompts prompts;
    SimRelay relay(
        {"--batteries", "2", "--seed", "3", "--reply-delay", "5", "--silent-after", "5"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    login(w, relay.programPath());
    QTRY_COMPARE(w.commandStateText(), QString("Command State: completed successfully"));
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 5000);
    w.CloseBtn_clicked();
    QCOMPARE(w.commandStateText(), QString("Command State:"));

    w.OpenBtn_clicked();
    QTest::qWait(1500);
    QVERIFY(w.linkStateText().isEmpty());
    const QString word = " — check the cable and the port";
    QTRY_COMPARE_WITH_TIMEOUT(w.linkStateText(),
                              "No answer from the unit on " + relay.programPath() + word, 6000);
    QCOMPARE(w.commandStateText(), QString("Command State:"));
    QVERIFY(prompts.recorder.shown.isEmpty());
    QCOMPARE(staleCaption(w, false), QString()); // nothing shown in this session to mark
}

// Battery 3 is hot in the first "pwr" table only; it is opened while in alarm.
void TestLinkStates::alarmMarksBoxTileAndButton() {
    ScopedPrompts prompts;
    SimRelay relay({"--batteries", "4", "--seed", "2", "--reply-delay", "5", "--alarm", "3",
                    "--alarm-clears-after", "1"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    BatteryGroup* group = w.form()->BattGroupWid;
    Battery* tile3 = w.form()->BatteryThree;
    login(w, relay.programPath());
    QTRY_VERIFY_WITH_TIMEOUT(group->alarmShown(), 5000);
    QCOMPARE(group->alarmedBatteries(), QVector<int>{3});
    QVERIFY(tile3->isAlarm() && !w.form()->BatteryTwo->isAlarm() && tile3->isPresent());
    QVERIFY(!w.form()->BatteryFive->isPresent()); // four batteries: the fifth tile is absent
    QTest::qWait(300);
    group->batButtons().at(2)->click();
    QTRY_VERIFY_WITH_TIMEOUT(w.form()->BattInfoWid->tempAlarm(), 3000);
    QVERIFY(tile3->isDetailShown() && group->batButtons()[2]->styleSheet().contains("markboth"));

    QTRY_VERIFY_WITH_TIMEOUT(!group->alarmShown(), 9000);
    QVERIFY(!tile3->isAlarm() && !w.form()->BattInfoWid->tempAlarm());
    QVERIFY(group->batButtons()[2]->styleSheet().contains("markshown"));
}

QTEST_MAIN(TestLinkStates)
#include "test_link_states.moc"
