// The receive path through the real window and a real pty: closing while the dispatcher waits
// between the steps of a chain, a hostile line, and a transfer's control bytes routed back to
// the transfer thread. (Battery clicks inside the waits run in the status flows.)
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_thread.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A reply as the unit prints it (CRLF), from the protocol suites' recordings.
QByteArray fixture(const QString& name) {
    QFile f(qEnvironmentVariable("NB_SOURCE_DIR") + "/tests/protocol/fixtures/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
const QByteArray kPwrsysReply = fixture("pwrsys.txt"); // 4 batteries present

QByteArray mangle(QByteArray text, QRandomGenerator& rng) {
    const int edits = rng.bounded(6);
    for (int i = 0; i < edits && !text.isEmpty(); ++i) {
        const int at = rng.bounded(text.size()), kind = rng.bounded(4);
        if (kind == 0)
            text[at] = char(rng.bounded(256));
        else if (kind == 1)
            text.remove(at, rng.bounded(1, 20));
        else if (kind == 2)
            text.insert(at, QByteArray::number(rng.bounded(-99999999, 999999999)));
        else
            text.insert(at, text.mid(rng.bounded(text.size()), rng.bounded(40)));
    }
    return text;
}
} // namespace

class TestReceivePath : public QObject {
    Q_OBJECT
private slots:
    void closingDuringDispatchWait_data();
    void closingDuringDispatchWait();
    void survivesNoiseAndMangledReplies();
    void transferControlBytesRoutedBack();
};

void TestReceivePath::closingDuringDispatchWait_data() {
    QTest::addColumn<bool>("unplug");
    QTest::addColumn<QByteArray>("sentAfter");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("logout") << false << QByteArray("\ninfo 2\n\nlogout\n") << QStringList();
    QTest::newRow("unplug") << true << QByteArray() // the click's command goes with the port
                            << QStringList{"The serial port diconnect! Please check!"};
}

// A battery click, then Logout or unplug, while the "pwrsys" reply's dispatch waits: the port
// closes, no follow-up goes out, no box but the disconnect one, nothing touches the closed port
// (valgrind runs this), and the click does not hold back the next Login's system chain.
void TestReceivePath::closingDuringDispatchWait() {
    QFETCH(bool, unplug);
    ScopedPrompts prompts;
    PtyPair pty;
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB0");
    QVERIFY(kPwrsysReply.contains("Present Num") && QFile::link(pty.slavePath(), link));
    BMSMainWin w;
    loginOn(w, link);
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));
    const auto clickThenClose = [&] {
        w.form()->BattGroupWid->batButtons()[1]->click();
        if (!unplug)
            w.form()->CloseBtn->click();
        else if (QFile::remove(link))
            QMetaObject::invokeMethod(&w, "PortCheckTimeOut");
    };
    QScopedPointer<QTimer> inWait(
        whenReady([&] { return w.presentNumber() == 4; }, clickThenClose));
    pty.write(kPwrsysReply);
    QTEST(pty.read(800), "sentAfter");
    QVERIFY(!w.serialLink()->isOpen() && !w.portOpen() && !w.session().pollTimer().isActive() &&
            w.form()->OpenBtn->isEnabled());
    QTEST(prompts.recorder.texts(), "boxes");
    QVERIFY(QFile::exists(link) || QFile::link(pty.slavePath(), link));
    loginOn(w, link);
    QVERIFY(pty.read(2000, "pwrsys\n").endsWith("pwrsys\n"));
    pty.write(kPwrsysReply);
    // Dispatched before the first poll tick (1 s) could lift a click's hold.
    QVERIFY(pty.read(900, "\npwr\n").endsWith("\npwr\n"));
}

// Random bytes and mangled replies while logged in and dispatching: the window stays up, its
// buffers bounded and its views sane.
void TestReceivePath::survivesNoiseAndMangledReplies() {
    ScopedPrompts prompts;
    PtyPair pty;
    BMSMainWin w;
    loginOn(w, pty.slavePath());
    QVERIFY(w.portOpen());

    // Replies as the unit prints them, mangled at random below.
    QList<QByteArray> replies;
    for (const QString& name :
         QDir(qEnvironmentVariable("NB_SOURCE_DIR") + "/tests/protocol/fixtures")
             .entryList({"*.txt"}))
        replies << fixture(name);
    QVERIFY(replies.size() >= 5 && !replies.contains(QByteArray()));
    QRandomGenerator rng(20261206);
    qint64 sent = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray chunk = mangle(replies[rng.bounded(replies.size())], rng);
        if (rng.bounded(3) == 0) { // or plain noise
            chunk = QByteArray(4 * rng.bounded(1, 1024), 0);
            rng.fillRange(reinterpret_cast<quint32*>(chunk.data()), chunk.size() / 4);
        }
        pty.write(chunk);
        sent += chunk.size();
        pty.read(rng.bounded(2) ? 0 : 20); // let the window read, dispatch and send
    }
    QTest::qWait(400); // the last burst ends
    QVERIFY(sent > 400 * 100);
    QVERIFY(w.portOpen());
    QVERIFY(w.form()->BattGroupWid->batButtons().size() <= 16);
    QVERIFY(w.form()->BattInfoWid->cells().size() <= 16 * 64);
    // The raw view keeps at most its 1000 blocks, however much arrived.
    QVERIFY(w.form()->ReceTextBro->document()->blockCount() <= 1000);
}

// A firmware image to the simulated receiver, which refuses the first EOT: catches a lost or
// doubled block, a control byte not routed back to the thread, and progress shown as a line
// per packet instead of one line counting up. Clean and NAKed transfers through the window run
// in the upgrade flows, the thread alone against the receiver in the XMODEM suites.
void TestReceivePath::transferControlBytesRoutedBack() {
    QTemporaryDir dir;
    QByteArray image(5000, 0); // whole words
    QRandomGenerator(5).fillRange(reinterpret_cast<quint32*>(image.data()), image.size() / 4);
    QFile f(dir.filePath("image.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(image) == image.size());
    f.close();
    const QString received = dir.filePath("received.bin");
    SimSession s({"--xmodem-only", "--xmodem-out", received, "--xmodem-fault", "nak-eot-once",
                  "--seed", "4"});
    BMSMainWin& w = s.w;
    w.serialLink()->setSettings(SerialSettings{s.relay.programPath()});
    QVERIFY(w.serialLink()->open());

    // The console's Send File: the transfer belongs to the session, which hands it the
    // control bytes only while it runs.
    s.recorder().textAnswers.enqueue(f.fileName());
    w.form()->actionSend_File->trigger();
    QVERIFY(w.session().transferThread());
    QSignalSpy finished(w.session().transferThread(), &UpdataThread::TransFinsh);
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first().toInt(), 1);
    // Image plus 0x1A fill to the block boundary.
    const QByteArray expected = image + QByteArray(128 - image.size() % 128, char(0x1A));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(received).size() == expected.size(), 3000);
    QFile r(received);
    QVERIFY(r.open(QIODevice::ReadOnly) && r.readAll() == expected);

    const QString shown = w.form()->ReceTextBro->toPlainText();
    // One progress line counting up, then the end of the console send.
    QCOMPARE(shown.count(QRegularExpression("Transimit finish \\d+%")), 1);
    QVERIFY(shown.contains("Transimit finish 100%\n\nTransimit finish"));
    QCOMPARE(s.recorder().shown.size(), 1); // the file dialog, no box
}

QTEST_MAIN(TestReceivePath)
#include "test_receive_path.moc"
