// Upgrades through the real window against the simulated unit over a pseudo-terminal: the
// gate, the file dialog (through the seam), the transfer, the flashing wait and the
// verdict, with the unit's faults; the wake; the console's send. About 25 s in all, 11 of
// them the silent receiver's start time-out; the 200 KB row takes about 2 s.
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/wait_config.h"
#include "views/battery_group.h"

#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A window on the simulated unit, with an image of random bytes ready to be chosen.
struct Rig {
    Rig(int imageSize, const QStringList& simArgs, bool login)
        : s(simArgs + QStringList{"--seed", "3", "--xmodem-out", dir.filePath("got")}) {
        QRandomGenerator rng{quint32(imageSize)};
        for (int i = 0; i < imageSize; ++i)
            image += char(rng.bounded(256));
        QFile f(dir.filePath("image.bin"));
        if (f.open(QIODevice::WriteOnly))
            f.write(image);
        s.recorder().textAnswers.enqueue(f.fileName());
        if (login) {
            QVERIFY(s.login());
            w.UpPageBtn_clicked(); // no polling on the update page
        } else {
            w.serialLink()->setSettings(SerialSettings{s.relay.programPath()});
            QVERIFY(w.serialLink()->open());
        }
    }
    // The message boxes shown, as "kind|title|text".
    QStringList messages() const {
        QStringList out;
        for (const PromptRecord& r : s.prompts.recorder.shown) {
            if (r.kind != "open" && r.kind != "text")
                out << r.kind + "|" + r.title + "|" + r.text;
        }
        return out;
    }
    bool sent(const QString& line) const { return s.sent().contains(line); }
    bool controlsEnabled() const {
        const auto* ui = w.form();
        return ui->BasicBtn->isEnabled() && ui->SendBtn->isEnabled() && ui->SendEd->isEnabled() &&
               ui->BattGroupWid->isEnabled() && ui->UpPageBtn->isEnabled();
    }
    // Back to idle, the controls enabled, no window left and no timer running.
    bool ended() const {
        return w.upgradeStage() == UpgradeStage::Idle && controlsEnabled() &&
               !w.transProgress()->isVisible() && !w.waitConfig()->isVisible() &&
               !w.upgradeTimer()->isActive() && !w.wakeTimer()->isActive();
    }
    // The image and its 0x1A fill to the block boundary, as the unit stored it.
    bool receivedWhole() const {
        QFile f(dir.filePath("got"));
        return f.open(QIODevice::ReadOnly) &&
               f.readAll() == image + QByteArray(128 - image.size() % 128, char(0x1A));
    }

    QTemporaryDir dir;
    QByteArray image;
    SimSession s;
    BMSMainWin& w = s.w;
};

} // namespace

class TestUpgradeFlows : public QObject {
    Q_OBJECT
private slots:
    void hostUpgrade_data();
    void hostUpgrade();
    void wake_data();
    void wake();
    void consoleSendFile();
};

void TestUpgradeFlows::hostUpgrade_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("message");
    const QString ok = "information|Message|Host upgraded successfully!\nPlease check the slave "
                       "after 4 minutes!";
    QTest::newRow("200 KB") << 204800 << QStringList() << ok;
    QTest::newRow("NAK faults") << 30000 << QStringList{"--xmodem-fault", "nak-random"} << ok;
    QTest::newRow("report in pieces 25 ms apart")
        << 20000 << QStringList{"--report-pieces", "25"} << ok;
    QTest::newRow("version invalid") << 20000 << QStringList{"--flash-result", "invalid"}
                                     << "information|Message|Version invalid!\nPlease check "
                                        "firmware!";
    QTest::newRow("receiver cancels")
        << 20000 << QStringList{"--xmodem-fault", "can"}
        << "warning|Warning|The bin file transfer is cancelled by receiver!";
    QTest::newRow("receiver silent") << 20000 << QStringList{"--xmodem-fault", "silent"}
                                     << "warning|Warning|Start transmission timeout!";
}

void TestUpgradeFlows::hostUpgrade() {
    QFETCH(int, size);
    QFETCH(QStringList, simArgs);
    QFETCH(QString, message);
    Rig rig(size, simArgs + QStringList{"--batteries", "4", "--flash-delay", "300"}, true);
    BMSMainWin& w = rig.w;
    w.UpDateBtn_clicked();
    QPointer<QWidget> gate;
    for (QWidget* t : QApplication::topLevelWidgets())
        gate = t->objectName() == "UpdateLogin" && t->isVisible() ? t : gate.data();
    QVERIFY(gate);
    auto* password = gate->findChild<QLineEdit*>("PsdEdit");
    QTest::keyClicks(password, "740318 "); // compared as typed: refused
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(gate);
    QTest::keyClick(password, Qt::Key_Backspace);
    QTest::keyClick(password, Qt::Key_Return);
    QTRY_VERIFY(!gate);
    QCOMPARE(rig.s.recorder().shown.value(0).title, QString("open File"));
    QVERIFY(w.transProgress()->isVisible());
    QVERIFY(!rig.controlsEnabled());

    QVERIFY(waitFor([&] { return !rig.messages().isEmpty(); }, 90000));
    QTest::qWait(100); // the rest of the report, after the verdict
    QCOMPARE(rig.messages(), QStringList{message});
    QVERIFY(rig.sent("updata") && rig.ended());
    if (message.contains("Warning"))
        return; // nothing or a part received
    QVERIFY(rig.receivedWhole());
    QVERIFY(w.form()->ReceTextBro->toPlainText().contains("Transimit finish 100%"));
    if (message.contains("successfully"))
        QTRY_VERIFY(rig.sent("login debug") && rig.sent("info 1"));
}

void TestUpgradeFlows::wake_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("message");
    QTest::newRow("answered") << false << "information|Message|The battery updata successful!";
    QTest::newRow("unanswered") << true
                                << "warning|warning|The battery did not answer the wake-up!\n"
                                   "Please check the battery and the serial line, then try again!";
}

// A battery in its boot loader, woken with no present number read (no login).
void TestUpgradeFlows::wake() {
    QFETCH(bool, silent);
    QFETCH(QString, message);
    Rig rig(6000, silent ? QStringList{"--wake-silent"} : QStringList{"--flash-delay", "800"},
            false);
    BMSMainWin& w = rig.w;
    w.WakeBtn_clicked();
    QCOMPARE(w.currentCommand(), QString("DLG\n"));
    QCOMPARE(w.wakeTimer()->interval(), 60000);
    if (silent) {
        QTest::qWait(500);       // the unit had its chance
        w.wakeTimer()->start(1); // the minute is up
    } else {
        QVERIFY(waitFor([&] { return w.waitConfig()->isVisible(); }, 30000));
        QCOMPARE(w.waitConfig()->notice(), QString("Please wait for the battery to upgrade !"));
        QCOMPARE(w.upgradeTimer()->interval(), 60000);
        QVERIFY(rig.receivedWhole());
    }
    QVERIFY(waitFor([&] { return !rig.messages().isEmpty(); }, 30000));
    QCOMPARE(rig.messages(), QStringList{message});
    QVERIFY(rig.ended());
    QCOMPARE(w.currentCommand().isEmpty(), silent); // a late answer opens no file dialog
}

// "updata" typed on the console's command line, then "Send File": the transfer is the
// whole job, with no waiting window and no message.
void TestUpgradeFlows::consoleSendFile() {
    Rig rig(9000, {"--batteries", "4", "--flash-delay", "200"}, true);
    BMSMainWin& w = rig.w;
    rig.s.recorder().textAnswers.prepend("57190364");
    w.actionConsole_triggered();
    QTest::keyClicks(w.form()->SendEd, "updata");
    QTest::keyClick(w.form()->SendEd, Qt::Key_Return);
    w.form()->actionSend_File->trigger();
    QVERIFY(!w.form()->UpPageBtn->isEnabled());
    QVERIFY(waitFor([&] { return rig.receivedWhole() && rig.controlsEnabled(); }, 30000));
    QTest::qWait(600); // past the unit's report
    QVERIFY(rig.ended() && rig.messages().isEmpty());
}

QTEST_MAIN(TestUpgradeFlows)
#include "test_upgrade_flows.moc"
