// Logout and unplug in the middle of each kind of work, through the real window and the
// simulated unit on a pty: the work ends with its one message, and after the next Login the
// window is whole again (page buttons, no wait or progress window, the poll, and Event,
// RTData and the upgrade gate each working once).
#include "mainwindow/real_time_charts.h"
#include "mainwindow/transfer_display.h"
#include "pty_pair.h"
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/wait_config.h"
#include "views/battery_group.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestSessionFlows : public QObject {
    Q_OBJECT
private slots:
    void endInTheMiddle_data();
    void endInTheMiddle();
    void switchJudgedByItsOwnReply_data();
    void switchJudgedByItsOwnReply();
    void strayAckKeepsTheSample();
};

void TestSessionFlows::endInTheMiddle_data() {
    QTest::addColumn<bool>("unplug");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("told"); // the start of the interruption notice; none: ""
    const QList<QPair<const char*, const char*>> works = {
        {"streaming", "The real-time display ended with the link."},
        {"listing", "The link ended while the history records were being listed."},
        {"transfer", "The link ended during the upgrade's file transfer"},
        {"flashing", "The link ended while the unit was flashing its new firmware."},
        {"waking", "The link ended while waiting for the battery to wake."},
        {"config", ""},
        {"control question", ""},
    };
    for (bool unplug : {false, true}) {
        for (const auto& w : works) {
            QString told = w.second;
            if (unplug && QString(w.first) == "streaming")
                told = "The link ended during the real-time display;";
            QTest::newRow(qPrintable(QString(unplug ? "unplug, " : "logout, ") + w.first))
                << unplug << QString(w.first) << told;
        }
    }
}

void TestSessionFlows::endInTheMiddle() {
    QFETCH(bool, unplug);
    QFETCH(QString, work);
    QFETCH(QString, told);
    QStringList args{"--batteries",   "2", "--seed",        "8",
                     "--reply-delay", "5", "--flash-delay", "1500"};
    if (work == "waking")
        args << "--wake-silent";
    SimSession s(args);
    BMSMainWin& w = s.w;
    const auto* ui = w.form();
    RecordingPrompts& rec = s.recorder();
    const QString link = s.home.filePath("ttyNB0");
    QVERIFY(QFile::link(s.relay.programPath(), link));
    const auto login = [&] {
        const int before = s.relay.sentLines().size();
        loginOn(w, link);
        return waitFor([&] { return s.sent().mid(before).contains("ctrl"); }, 8000) &&
               waitFor([&] { return !s.relay.lastReply("ctrl").isEmpty(); }, 3000);
    };
    const auto end = [&] {
        if (!unplug) {
            w.form()->CloseBtn->click();
        } else if (QFile::remove(link)) {
            QMetaObject::invokeMethod(&w, "PortCheckTimeOut");
        }
    };
    QVERIFY(login());
    QTest::qWait(300); // the chain's last answer read

    QTemporaryDir dir;
    QFile image(dir.filePath("image.bin"));
    const int size = work == "transfer" ? 4 << 20 : 2048;
    QVERIFY(image.open(QIODevice::WriteOnly) && image.write(QByteArray(size, 'x')) == size);
    image.close();
    const auto passGate = [&] {
        w.UpPageBtn_clicked();
        rec.textAnswers.enqueue(image.fileName());
        w.UpDateBtn_clicked();
        auto* password = visibleGate()->findChild<QLineEdit*>("PsdEdit");
        QTest::keyClicks(password, "740318");
        QTest::keyClick(password, Qt::Key_Return);
    };
    if (work == "streaming") {
        ui->RealBtn->click();
        ui->RTDataOnBtn->click();
        QVERIFY(waitFor([&] { return w.session().realTimeDisplay; }, 5000));
    } else if (work == "listing") {
        ui->HistoryBtn->click();
        QVERIFY(waitFor([&] { return w.session().tally.histories > 0; }, 3000));
        ui->HistBtn->click();
        QVERIFY(waitFor([&] { return w.session().listing().isOpen(RecordKind::History); }, 3000));
    } else if (work == "transfer") {
        passGate();
        QVERIFY(waitFor(
            [&] {
                return w.transferDisplay().transProgress()->isVisible() &&
                       w.session().upgrade().upgrading();
            },
            5000));
    } else if (work == "flashing") {
        passGate();
        QVERIFY(waitFor([&] { return w.transferDisplay().waitConfig()->isVisible(); }, 10000));
    } else if (work == "waking") {
        ui->UpPageBtn->click();
        ui->WakeBtn->click();
        QCOMPARE(w.session().upgrade().stage(), UpgradeStage::Waking);
    } else if (work == "config") {
        ui->ConfigBtn->click();
        QVERIFY(waitFor([&] { return w.session().configReply.has_value(); }, 3000));
    }
    rec.shown.clear();
    const int sentBefore = s.relay.sentLines().size();
    if (work == "control question") { // the link ends while the question is open
        rec.whileAsking = end;
        ui->BattGroupWid->findChild<QPushButton*>("DmosOffBtn")->click();
        QCOMPARE(rec.shown.takeFirst().kind, QString("question"));
    } else {
        end();
    }
    QVERIFY(!w.portOpen() && !w.session().pollTimer().isActive() && !w.session().realTimeDisplay &&
            !w.session().listing().isOpen(RecordKind::History) &&
            w.session().upgrade().stage() == UpgradeStage::Idle);
    QVERIFY(!w.transferDisplay().transProgress()->isVisible() &&
            !w.transferDisplay().waitConfig()->isVisible());
    QStringList expected;
    if (unplug)
        expected << "The serial port diconnect! Please check!";
    QStringList shown = rec.texts();
    if (!told.isEmpty()) {
        QCOMPARE(shown.size(), expected.size() + 1);
        QVERIFY2(shown.takeLast().startsWith(told), qPrintable(rec.lastText()));
    }
    QCOMPARE(shown, expected);
    // Nothing of the ended session is written after it: no switch, no packet.
    QTest::qWait(300);
    const QStringList after = s.sent().mid(sentBefore);
    QVERIFY2(!after.join(',').contains("dfet"), qPrintable(after.join(',')));
    if (work == "config") { // the last login's configuration is not saved as the unit's
        rec.shown.clear();
        ui->ConfigDownBtn->click();
        QCOMPARE(rec.shown.value(0).kind, QString("information"));
    }

    // The unit finishes what it was doing: a transfer left without its end fails on the
    // unit's side (after ten silent seconds), a flashing unit reports. The bound leaves room
    // for a loaded machine under the sanitizers; the wait ends as soon as the line is seen.
    const QByteArray settled = work == "transfer" ? "Updata abort" : "SYS Init Over";
    if (work == "transfer" || work == "flashing")
        QVERIFY(waitFor([&] { return s.relay.fromUnit().contains(settled); }, 30000));
    if (unplug)
        QVERIFY(QFile::link(s.relay.programPath(), link));
    rec.shown.clear();
    for (QPushButton* b :
         {ui->BasicBtn, ui->RealBtn, ui->ConfigBtn, ui->HistoryBtn, ui->UpPageBtn, ui->SendBtn})
        QVERIFY(b->isEnabled());
    ui->BasicBtn->click(); // the login's chain runs on the status page
    QVERIFY(rec.shown.isEmpty());
    const int relogin = s.relay.sentLines().size();
    QVERIFY(login());
    // A unit left streaming by an unplug is stopped before the login's chain.
    const QStringList sent = s.sent().mid(relogin);
    QCOMPARE(sent.value(0) == "disp 0", unplug && work == "streaming");
    QVERIFY(w.session().pollTimer().isActive());

    ui->HistoryBtn->click();
    QVERIFY(waitFor([&] { return w.session().tally.events > 0; }, 3000));
    ui->HisEveBtn->click();
    QVERIFY(waitFor([&] { return w.session().listing().isOpen(RecordKind::Event); }, 3000));
    ui->RefleshBtn->click();
    ui->RealBtn->click();
    ui->RTDataOnBtn->click();
    QVERIFY(waitFor([&] { return w.session().realTimeDisplay; }, 5000));
    ui->RTDataOffBtn->click();
    QVERIFY(waitFor([&] { return !w.session().realTimeDisplay; }, 3000));
    ui->UpPageBtn->click();
    ui->UpDateBtn->click();
    QWidget* gate = visibleGate();
    QVERIFY(gate);
    gate->close();
    // No message but those the pages gave: nothing of the ended upgrade or listing.
    for (const QString& text : rec.texts())
        QVERIFY2(text.startsWith("RTdata") || text.contains("Command completed"), qPrintable(text));
}

void TestSessionFlows::switchJudgedByItsOwnReply_data() {
    QTest::addColumn<bool>("refused");
    QTest::newRow("taken") << false;
    QTest::newRow("refused") << true;
}

// The switch is confirmed right after the poll's "pwrsys" went out, so that the poll's reply
// arrives first: the verdict must come from the switch's own reply, once.
void TestSessionFlows::switchJudgedByItsOwnReply() {
    QFETCH(bool, refused);
    QStringList args{"--batteries", "2", "--seed", "9", "--reply-delay", "400"};
    if (refused)
        args << "--switch-refuse";
    SimSession s(args);
    QVERIFY(s.login());
    const int before = s.sent().size();
    QVERIFY(waitFor([&] { return s.sent().mid(before).contains("pwrsys"); }, 8000));
    s.w.form()->BattGroupWid->findChild<QPushButton*>("DmosOnBtn")->click();
    const auto verdicts = [&] { return s.recorder().texts().filter("The Mos open"); };
    QVERIFY(waitFor([&] { return !verdicts().isEmpty(); }, 5000));
    QTest::qWait(1500); // a second verdict would come with the next reply
    QCOMPARE(verdicts(), QStringList{refused ? "The Mos open fail!" : "The Mos open success!"});
    QVERIFY(s.w.session().pollTimer().isActive());
}

// An ACK that a noisy line puts before a stream line is text, not the transfer's: no
// transfer runs, so the sample is plotted.
void TestSessionFlows::strayAckKeepsTheSample() {
    ScopedPrompts prompts;
    PtyPair pty;
    BMSMainWin w;
    loginOn(w, pty.slavePath());
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));
    w.form()->RealBtn->click();
    w.form()->RTDataOnBtn->click();
    QVERIFY(pty.read(2000, "disp pwrs 1\n").endsWith("disp pwrs 1\n"));
    pty.write("\x06"
              "1 2024-05-01 08:00:00 52100 0 0 25000 1 2 3 4 N N N N N N 50% 9\r\n");
    QVERIFY(waitFor([&] { return w.session().realTimeDisplay; }, 2000));
    QCOMPARE(w.realTimeCharts().chart(Quantity::Volt).samples().size(), 1);
}

QTEST_MAIN(TestSessionFlows)
#include "test_session_flows.moc"
