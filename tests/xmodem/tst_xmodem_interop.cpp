// The transfer thread against an independent receiver, `rx` from lrzsz (checksum mode),
// over a real pseudo-terminal. A pump plays the main window: it writes the thread's
// packets to the pty master and routes what rx answers back to the thread.

#include "pty_pair.h"
#include "transfer_pump.h"
#include "upgrade/updata_thread.h"

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray pattern(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

QByteArray padded(const QByteArray& image) {
    // The receiver keeps the fill of the last block: always at least one 0x1A-filled
    // byte past an image that ends on a block boundary, since a full block of fill follows.
    const int blocks = image.size() / 128 + 1;
    return image + QByteArray(blocks * 128 - image.size(), 0x1A);
}

} // namespace

class TstXmodemInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                fprintf(stderr, "%s\n", qPrintable(m));
        });
        QVERIFY2(!QStandardPaths::findExecutable("rx").isEmpty(), "rx (lrzsz) is not installed");
    }

    void sendToRx_data();
    void sendToRx();
};

void TstXmodemInterop::sendToRx_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("errorsEvery"); // rx --errors N: a checksum error every N bytes
    QTest::addColumn<bool>("toTheEnd");   // wait for the thread's own end as well
    QTest::newRow("0 B") << 0 << 0 << false;
    QTest::newRow("1 B, until the EOT retries end") << 1 << 0 << true;
    QTest::newRow("128 B") << 128 << 0 << false;
    QTest::newRow("1000 B") << 1000 << 0 << false;
    QTest::newRow("16 KB") << 16 * 1024 + 77 << 0 << false;
    QTest::newRow("4 KB, rx NAKs corrupted blocks") << 4096 << 1000 << false;
}

void TstXmodemInterop::sendToRx() {
    QFETCH(int, size);
    QFETCH(int, errorsEvery);
    QFETCH(bool, toTheEnd);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray image = pattern(size, size + errorsEvery);
    const QString imagePath = dir.filePath("image.bin");
    {
        QFile f(imagePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(image), qint64(image.size()));
    }

    PtyPair pty;
    QVERIFY(pty.isValid());
    UpdataThread thread;
    TransferOutcome outcome(&thread);
    TransferPump pump(pty.masterFd(), &thread);

    QProcess rx;
    rx.setWorkingDirectory(dir.path());
    rx.setStandardInputFile(pty.slavePath());
    rx.setStandardOutputFile(pty.slavePath());
    QStringList args{"-b", "-q"};
    if (errorsEvery > 0)
        args << "--errors" << QString::number(errorsEvery);
    args << "received.bin"; // rx refuses absolute paths
    rx.start("rx", args);
    QVERIFY(rx.waitForStarted(3000));

    thread.setFilePath(imagePath);
    thread.setSendMode();
    thread.startSend();

    // rx ends once it has acknowledged EOT.
    QTRY_VERIFY_WITH_TIMEOUT(rx.state() == QProcess::NotRunning, 60000);
    const QByteArray rxErrors = rx.readAllStandardError();
    QCOMPARE(rx.exitStatus(), QProcess::NormalExit);
    QVERIFY2(rx.exitCode() == 0, rxErrors.constData());
    QCOMPARE(outcome.starts, 1);
    QVERIFY(!pump.writeFailed);

    QFile received(dir.filePath("received.bin"));
    QVERIFY(received.open(QIODevice::ReadOnly));
    const QByteArray got = received.readAll();
    QCOMPARE(got.size(), padded(image).size());
    QVERIFY(got == padded(image));
    if (errorsEvery > 0)
        QVERIFY2(pump.routed.count(char(0x15)) > 1, "rx was expected to refuse some blocks");
    qInfo("%d B: %d writes, rx done %lld ms after the first NAK", size, pump.writes,
          QDateTime::currentMSecsSinceEpoch() - outcome.startedAtEpochMs);

    // rx empties its line as it exits, and its last ACK usually goes with it: the thread
    // is then still sending EOT and ends when the retries run out.
    QTRY_VERIFY_WITH_TIMEOUT(
        outcome.finish == 1 || (thread.isSending() && pump.written.last() == "\x04"), 1000);
    if (!toTheEnd)
        return; // the thread is destroyed while it waits for the answer to EOT
    QVERIFY(outcome.wait(40000));
    QCOMPARE(outcome.finish, 1);
    QCOMPARE(outcome.finishes, 1);
    qInfo("EOT sent %lld times", qint64(pump.written.count(QByteArray(1, 0x04))));
}

QTEST_GUILESS_MAIN(TstXmodemInterop)
#include "tst_xmodem_interop.moc"
