// Larger images through the transfer thread to the simulator's receiver, which checks
// every block, over its pseudo-terminal; also with the receiver's faults.

#include "transfer_pump.h"
#include "upgrade/updata_thread.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray pattern(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = quint32(seed) * 2654435761u + 7;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

QByteArray padded(const QByteArray& image) {
    const int blocks = image.size() / 128 + 1;
    return image + QByteArray(blocks * 128 - image.size(), 0x1A);
}

// Opens the simulator's pty slave the way a serial port is opened: raw, no echo.
int openLine(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

} // namespace

class TstXmodemSim : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                fprintf(stderr, "%s\n", qPrintable(m));
        });
        m_sim = qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat-sim";
        QVERIFY2(QFileInfo(m_sim).isExecutable(), qPrintable(m_sim + " is not built"));
    }

    void sendToSimulator_data();
    void sendToSimulator();

private:
    QString m_sim;
};

void TstXmodemSim::sendToSimulator_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("finish"); // TransFinsh expected
    QTest::newRow("300 KB") << 300 * 1024 << "none" << 1;
    QTest::newRow("33000 B: block numbers wrap past 255") << 33000 << "none" << 1;
    QTest::newRow("64 KB, random NAKs") << 64 * 1024 + 5 << "nak-random" << 1;
    QTest::newRow("last block NAKed once") << 5000 << "nak-last" << 1;
    QTest::newRow("exact blocks, last (fill-only) block NAKed once") << 4096 << "nak-last" << 1;
    QTest::newRow("EOT NAKed once") << 5000 << "nak-eot-once" << 1;
    QTest::newRow("CRC requested first") << 3000 << "send-c" << 1;
    QTest::newRow("receiver cancels") << 5000 << "can" << 2;
}

void TstXmodemSim::sendToSimulator() {
    QFETCH(int, size);
    QFETCH(QString, fault);
    QFETCH(int, finish);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray image = pattern(size, size);
    const QString imagePath = dir.filePath("image.bin");
    {
        QFile f(imagePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(image), qint64(image.size()));
    }
    const QString outPath = dir.filePath("received.bin");

    QProcess sim;
    sim.setProcessChannelMode(QProcess::SeparateChannels);
    sim.start(m_sim,
              {"--xmodem-only", "--xmodem-out", outPath, "--xmodem-fault", fault, "--seed", "7"});
    QVERIFY(sim.waitForStarted(3000));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
    const QString slave = QString::fromLocal8Bit(sim.readLine()).trimmed();
    const int fd = openLine(slave);
    QVERIFY2(fd >= 0, qPrintable(slave));

    {
        UpdataThread thread;
        TransferOutcome outcome(&thread);
        TransferPump pump(fd, &thread);
        thread.setFilePath(imagePath);
        thread.setSendMode();
        thread.startSend();

        QVERIFY2(outcome.wait(60000), sim.readAllStandardError().constData());
        QCOMPARE(outcome.finish, finish);
        QCOMPARE(outcome.starts, 1);
        QVERIFY(!pump.writeFailed);
        const int blocks = size / 128 + 1;
        const int resends = finish == 1 ? pump.writes - blocks - 1 : 0;
        qInfo("%d B: %d writes, %d resends, %lld ms", size, pump.writes, resends,
              outcome.endedAtMs - outcome.startedAtMs);
        if (fault != "none" && fault != "send-c" && finish == 1)
            QVERIFY2(resends > 0, "the receiver's refusals were expected to cost resends");
        if (fault == "send-c")
            QVERIFY(pump.text.contains('C'));
    }
    QVERIFY(sim.waitForFinished(10000));
    ::close(fd);
    QCOMPARE(sim.exitCode(), finish == 1 ? 0 : 1);
    if (finish != 1)
        return;
    QFile received(outPath);
    QVERIFY(received.open(QIODevice::ReadOnly));
    const QByteArray got = received.readAll();
    QCOMPARE(got.size(), padded(image).size());
    QVERIFY(got == padded(image));
}

QTEST_GUILESS_MAIN(TstXmodemSim)
#include "tst_xmodem_sim.moc"
