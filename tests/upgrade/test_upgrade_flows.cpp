// Upgrades through the real window against the simulated unit over a pty: the gate, the file
// dialog (through the seam), the transfer, the flashing wait and the verdict, with the unit's
// faults; the wake; the console's send. About 25 s, 11 of them the silent receiver's time-out.
#include "mainwindow/transfer_display.h"
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/wait_config.h"
#include "views/battery_group.h"

#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

class TestUpgradeFlows : public QObject {
    Q_OBJECT
private slots:
    void upgrade_data();
    void upgrade();
};

void TestUpgradeFlows::upgrade_data() {
    QTest::addColumn<QString>("start"); // "gate", "wake" or "console"
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("message"); // the one box shown; none for a console send
    const QString ok = "information|Message|Host upgraded successfully!\nPlease check the slave "
                       "after 4 minutes!";
    const QStringList host{"--batteries", "4", "--flash-delay", "300"};
    const auto row = [&](const char* name, const char* start, int size, const QStringList& args,
                         const QString& message) {
        QTest::newRow(name) << start << size << args << message;
    };
    row("200 KB", "gate", 204800, host, ok);
    row("NAK faults", "gate", 30000, host + QStringList{"--xmodem-fault", "nak-random"}, ok);
    row("report in pieces 25 ms apart", "gate", 20000, host + QStringList{"--report-pieces", "25"},
        ok);
    row("version invalid", "gate", 20000, host + QStringList{"--flash-result", "invalid"},
        "information|Message|Version invalid!\nPlease check firmware!");
    row("receiver cancels", "gate", 20000, host + QStringList{"--xmodem-fault", "can"},
        "warning|Warning|The bin file transfer is cancelled by receiver!");
    row("receiver silent", "gate", 20000, host + QStringList{"--xmodem-fault", "silent"},
        "warning|Warning|Start transmission timeout!");
    row("wake answered", "wake", 6000, {"--flash-delay", "800"},
        "information|Message|The battery updata successful!");
    row("wake unanswered", "wake", 6000, {"--wake-silent"},
        "warning|warning|The battery did not answer the wake-up!\nPlease check the battery and "
        "the serial line, then try again!");
    row("console send file", "console", 9000, {"--batteries", "4", "--flash-delay", "200"}, "");
}

// Each way ends idle with the controls back, no window or timer left, the image stored whole
// when it went out, and the one box expected (a console send shows none and waits for nothing).
void TestUpgradeFlows::upgrade() {
    QFETCH(QString, start);
    QFETCH(int, size);
    QFETCH(QStringList, simArgs);
    QFETCH(QString, message);
    QTemporaryDir dir;
    SimSession s(simArgs + QStringList{"--seed", "3", "--xmodem-out", dir.filePath("got")});
    BMSMainWin& w = s.w;
    const auto* ui = w.form();
    QByteArray image(size, 0); // sizes are whole words
    QRandomGenerator(size).fillRange(reinterpret_cast<quint32*>(image.data()), size / 4);
    QFile file(dir.filePath("image.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == size);
    file.close();
    s.recorder().textAnswers.enqueue(file.fileName());
    const auto controlsEnabled = [&] {
        return ui->BasicBtn->isEnabled() && ui->SendBtn->isEnabled() && ui->SendEd->isEnabled() &&
               ui->BattGroupWid->isEnabled() && ui->UpPageBtn->isEnabled();
    };
    const auto boxes = [&] { // "kind|title|text", file and text prompts left out
        QStringList out;
        for (const PromptRecord& r : s.recorder().shown)
            if (r.kind != "open" && r.kind != "text")
                out << r.kind + "|" + r.title + "|" + r.text;
        return out;
    };
    // The image and its 0x1A fill to the block boundary, as the unit stored it.
    const auto receivedWhole = [&] {
        QFile got(dir.filePath("got"));
        return got.open(QIODevice::ReadOnly) &&
               got.readAll() == image + QByteArray(128 - size % 128, char(0x1A));
    };
    const bool transferred = !message.startsWith("warning");
    if (start == "wake") { // no Login: the unit sits in its boot loader
        w.serialLink()->setSettings(SerialSettings{s.relay.programPath()});
        QVERIFY(w.serialLink()->open());
        w.WakeBtn_clicked(); // no present number read; a silent unit's minute runs out now
        QCOMPARE(w.session().wakeTimer().interval(), 60000);
        if (!transferred) {
            QTest::qWait(500); // the unit had its chance
            w.session().wakeTimer().start(1);
        } else {
            QVERIFY(waitFor([&] { return w.transferDisplay().waitConfig()->isVisible(); }, 30000));
            QCOMPARE(w.transferDisplay().waitConfig()->notice(),
                     QString("Please wait for the battery to upgrade !"));
            QCOMPARE(w.session().upgradeTimer().interval(), 60000);
        }
    } else {
        QVERIFY(s.login());
        w.UpPageBtn_clicked(); // no polling on the update page
    }
    if (start == "gate") { // a password with a blank is refused: it is compared as typed
        w.UpDateBtn_clicked();
        QPointer<QWidget> gate = visibleGate();
        QVERIFY(gate);
        auto* password = gate->findChild<QLineEdit*>("PsdEdit");
        QTest::keyClicks(password, "740318 ");
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(gate);
        QTest::keyClick(password, Qt::Key_Backspace);
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(!gate);
        QCOMPARE(s.recorder().shown.value(0).title, QString("open File"));
        QVERIFY(w.transferDisplay().transProgress()->isVisible() && !controlsEnabled());
    } else if (start == "console") {
        s.recorder().textAnswers.prepend("57190364");
        w.actionConsole_triggered();
        QTest::keyClicks(ui->SendEd, "updata");
        QTest::keyClick(ui->SendEd, Qt::Key_Return);
        ui->actionSend_File->trigger();
        QVERIFY(!ui->UpPageBtn->isEnabled());
    }
    const int started = s.sent().size();
    QVERIFY(waitFor(
        [&] {
            return message.isEmpty() ? receivedWhole() && controlsEnabled() : !boxes().isEmpty();
        },
        90000));
    QTest::qWait(message.isEmpty() ? 600 : 100); // the rest of the unit's report
    QCOMPARE(boxes(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(w.session().upgrade().stage() == UpgradeStage::Idle && controlsEnabled() &&
            !w.transferDisplay().transProgress()->isVisible() &&
            !w.transferDisplay().waitConfig()->isVisible() &&
            !w.session().upgradeTimer().isActive() && !w.session().wakeTimer().isActive());
    QCOMPARE(receivedWhole(), transferred);
    QCOMPARE(ui->ReceTextBro->toPlainText().contains("Transimit finish 100%"), transferred);
    if (message.contains("successful")) // then logs in again and reads battery 1's identity
        QTRY_VERIFY(
            s.sent().mid(started).join(',').contains(QRegularExpression("login debug.*info 1")));
}

QTEST_MAIN(TestUpgradeFlows)
#include "test_upgrade_flows.moc"
