// Upgrades through the real window against the simulated unit, over a pseudo-terminal:
// the password gate, the file dialog (through the seam), the transfer, the flashing wait
// and the verdict, with the unit's faults. Each row with a whole transfer takes a few
// seconds at pty speed (200 KB about 5 s idle, more on a loaded machine); the silent
// receiver waits out the 11 s start time-out.
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/my_serial.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/updata_login.h"
#include "upgrade/wait_config.h"
#include "views/battery_group.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

constexpr int kVerdictWaitMs = 90000; // a 200 KB transfer on a loaded two-core machine

// Waits in a real event loop: QTRY_* sleeps 10 ms between its looks, which would hold up
// every queued packet of the transfer thread by as much.
bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QString writeImage(const QTemporaryDir& dir, int size, QByteArray* image) {
    image->resize(size);
    QRandomGenerator rng{quint32(size)};
    for (char& c : *image)
        c = char(rng.bounded(256));
    const QString path = dir.filePath("image.bin");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(*image) != size)
        return QString();
    return path;
}

// Image plus 0x1A fill to the block boundary, as the receiver stores it.
QByteArray padded(QByteArray image) {
    image.append(QByteArray(128 - image.size() % 128, char(0x1A)));
    return image;
}

// The message boxes shown, as "kind|title|text" (file dialogs and text prompts left out).
QStringList messages(const RecordingPrompts& p) {
    QStringList out;
    for (const PromptRecord& r : p.shown) {
        if (r.kind != "open" && r.kind != "text")
            out << r.kind + "|" + r.title + "|" + r.text;
    }
    return out;
}

bool sentLine(const SimRelay& relay, const QString& line) {
    for (const SimRelay::Sent& s : relay.sentLines()) {
        if (s.line == line)
            return true;
    }
    return false;
}

void login(BMSMainWin& w, SimRelay& relay) {
    addExtraPort(relay.programPath());
    w.selectPort(relay.programPath());
    w.OpenBtn_clicked();
    QVERIFY(w.portOpen());
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->BattGroupWid->presentNum(), 4, 15000);
    w.UpPageBtn_clicked(); // polling stops on the update page
}

// The password gate of the update button, answered as a technician does.
void passGate() {
    QPointer<QWidget> gate;
    for (QWidget* t : QApplication::topLevelWidgets()) {
        if (t->objectName() == "UpdateLogin" && t->isVisible())
            gate = t;
    }
    QVERIFY(gate);
    auto* edit = gate->findChild<QLineEdit*>("PsdEdit");
    QTest::keyClicks(edit, "740318");
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(!gate); // closed and deleted
}

bool controlsEnabled(BMSMainWin& w) {
    Ui::BMSMainWin* ui = w.form();
    return ui->BasicBtn->isEnabled() && ui->HistoryBtn->isEnabled() && ui->SendBtn->isEnabled() &&
           ui->BattGroupWid->isEnabled() && ui->UpPageBtn->isEnabled();
}

} // namespace

class TestUpgradeFlows : public QObject {
    Q_OBJECT
private slots:
    void hostUpgrade_data();
    void hostUpgrade();
    void wakeThenBatteryUpgrade();
    void wakeUnanswered();
    void consoleSendFile();
};

void TestUpgradeFlows::hostUpgrade_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("received");
    const QString success = "information|Message|Host upgraded successfully!\nPlease check the "
                            "slave after 4 minutes!";
    QTest::newRow("200 KB") << 204800 << QStringList() << success << true;
    QTest::newRow("NAK faults") << 30000 << QStringList{"--xmodem-fault", "nak-random"} << success
                                << true;
    QTest::newRow("report in pieces, pauses over 12 ms")
        << 20000 << QStringList{"--report-pieces", "25"} << success << true;
    QTest::newRow("version invalid")
        << 20000 << QStringList{"--flash-result", "invalid"}
        << "information|Message|Version invalid!\nPlease check firmware!" << true;
    QTest::newRow("receiver cancels")
        << 20000 << QStringList{"--xmodem-fault", "can"}
        << "warning|Warning|The bin file transfer is cancelled by receiver!" << false;
    QTest::newRow("receiver silent") << 20000 << QStringList{"--xmodem-fault", "silent"}
                                     << "warning|Warning|Start transmission timeout!" << false;
}

void TestUpgradeFlows::hostUpgrade() {
    QFETCH(int, size);
    QFETCH(QStringList, simArgs);
    QFETCH(QString, message);
    QFETCH(bool, received);
    ScopedPrompts prompts;
    QTemporaryDir dir;
    QByteArray image;
    const QString imagePath = writeImage(dir, size, &image);
    QVERIFY(!imagePath.isEmpty());
    const QString got = dir.filePath("received.bin");
    SimRelay relay(simArgs + QStringList{"--batteries", "4", "--seed", "3", "--flash-delay", "300",
                                         "--xmodem-out", got});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    login(w, relay);

    prompts.recorder.textAnswers.enqueue(imagePath);
    w.UpDateBtn_clicked();
    passGate();
    QCOMPARE(prompts.recorder.shown.value(0).title, QString("open File"));
    QVERIFY(w.transProgress()->isVisible());
    QVERIFY(!controlsEnabled(w));

    QVERIFY(waitFor([&] { return !messages(prompts.recorder).isEmpty(); }, kVerdictWaitMs));
    QTest::qWait(100); // the rest of the report, handled after the verdict
    QCOMPARE(messages(prompts.recorder), QStringList{message});
    QVERIFY(sentLine(relay, "updata"));
    QCOMPARE(w.upgradeStage(), UpgradeStage::Idle);
    QVERIFY(!w.upgrading());
    QVERIFY(controlsEnabled(w));
    QVERIFY(!w.transProgress()->isVisible());
    QVERIFY(!w.waitConfig()->isVisible());
    QVERIFY(!w.upgradeTimer()->isActive());
    if (!received)
        return;
    QFile r(got);
    QVERIFY(r.open(QIODevice::ReadOnly));
    QVERIFY(r.readAll() == padded(image));
    QVERIFY(w.form()->ReceTextBro->toPlainText().contains("Transimit finish 100%"));
    if (message.contains("successfully"))
        QTRY_VERIFY(sentLine(relay, "login debug") && sentLine(relay, "info 1"));
}

// A battery waiting in its boot loader, with no present number read (no login): the wake
// characters, "Updata is ready!", the file, the transfer and the battery's wait and verdict.
void TestUpgradeFlows::wakeThenBatteryUpgrade() {
    ScopedPrompts prompts;
    QTemporaryDir dir;
    QByteArray image;
    const QString imagePath = writeImage(dir, 6000, &image);
    SimRelay relay({"--seed", "5", "--flash-delay", "800", "--xmodem-out", dir.filePath("got")});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    SerialSettings s;
    s.portName = relay.programPath();
    w.serialLink()->setSettings(s);
    QVERIFY(w.serialLink()->open());

    prompts.recorder.textAnswers.enqueue(imagePath);
    w.WakeBtn_clicked();
    QCOMPARE(w.currentCommand(), QString("DLG\n"));
    QVERIFY(waitFor([&] { return w.waitConfig()->isVisible(); }, 30000));
    QCOMPARE(w.waitConfig()->notice(), QString("Please wait for the battery to upgrade !"));
    QCOMPARE(w.upgradeTimer()->interval(), 60000);
    QVERIFY(!controlsEnabled(w));
    QTRY_VERIFY_WITH_TIMEOUT(!messages(prompts.recorder).isEmpty(), 15000);
    QCOMPARE(messages(prompts.recorder),
             QStringList{"information|Message|The battery updata successful!"});
    QVERIFY(controlsEnabled(w));
    QVERIFY(!w.wakeTimer()->isActive());
    QVERIFY(relay.fromUnit().contains("Updata is ready!"));
    QVERIFY(sentLine(relay, "updata"));
}

void TestUpgradeFlows::wakeUnanswered() {
    ScopedPrompts prompts;
    SimRelay relay({"--wake-silent", "--seed", "6"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    SerialSettings s;
    s.portName = relay.programPath();
    w.serialLink()->setSettings(s);
    QVERIFY(w.serialLink()->open());

    w.WakeBtn_clicked();
    QCOMPARE(w.upgradeStage(), UpgradeStage::Waking);
    QVERIFY(w.wakeTimer()->isActive());
    QCOMPARE(w.wakeTimer()->interval(), 60000);
    QTest::qWait(500);       // the unit had its chance
    w.wakeTimer()->start(1); // the minute is up
    QTRY_COMPARE(w.upgradeStage(), UpgradeStage::Idle);
    QCOMPARE(messages(prompts.recorder),
             QStringList{"warning|warning|The battery did not answer the wake-up!\nPlease check "
                         "the battery and the serial line, then try again!"});
    QVERIFY(w.currentCommand().isEmpty()); // a late answer opens no file dialog
    QVERIFY(controlsEnabled(w));
}

// The console: "updata" typed on the command line, then "Send File". The transfer ends
// the job: the controls come back, no waiting window, no message.
void TestUpgradeFlows::consoleSendFile() {
    ScopedPrompts prompts;
    QTemporaryDir dir;
    QByteArray image;
    const QString imagePath = writeImage(dir, 9000, &image);
    const QString got = dir.filePath("got");
    SimRelay relay({"--seed", "7", "--flash-delay", "200", "--xmodem-out", got});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    login(w, relay);

    prompts.recorder.textAnswers << "57190364" << imagePath;
    w.actionConsole_triggered();
    QVERIFY(w.form()->actionSend_File->isVisible());
    QTest::keyClicks(w.form()->SendEd, "updata");
    QTest::keyClick(w.form()->SendEd, Qt::Key_Return);
    w.form()->actionSend_File->trigger();
    QVERIFY(!w.form()->UpPageBtn->isEnabled());
    QVERIFY(waitFor([&] { return QFileInfo(got).size() == padded(image).size(); }, 30000));
    QTRY_VERIFY(controlsEnabled(w));
    QCOMPARE(w.upgradeStage(), UpgradeStage::Idle);
    QTest::qWait(600); // past the unit's report
    QVERIFY(!w.waitConfig()->isVisible());
    QVERIFY(!w.transProgress()->isVisible());
    QVERIFY(!w.upgradeTimer()->isActive());
    QVERIFY(messages(prompts.recorder).isEmpty());
}

QTEST_MAIN(TestUpgradeFlows)
#include "test_upgrade_flows.moc"
