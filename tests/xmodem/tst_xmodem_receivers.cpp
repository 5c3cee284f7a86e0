// The transfer thread against real receivers over ptys: lrzsz `rx` (independent, slow: small
// images) and the simulator's (checks every block; large images, its faults). A pump plays the
// window between them. A NAKed EOT is run through the window in tests/flows.

#include "pty_pair.h"
#include "sim_unit.h"
#include "transfer_pump.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TstXmodemReceivers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules("*.debug=false");
        QVERIFY2(!QStandardPaths::findExecutable("rx").isEmpty(), "rx (lrzsz) is not installed");
        QVERIFY2(QFileInfo(SimUnit::binary()).isExecutable(), "norvanebat-sim is not built");
    }
    void toRx_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("errorsEvery"); // rx --errors N: a checksum error every N bytes
        QTest::addColumn<bool>("toTheEnd");   // wait for the thread's own end as well
        QTest::newRow("0 B") << 0 << 0 << false;
        QTest::newRow("1 B, until the EOT retries end") << 1 << 0 << true;
        QTest::newRow("16 KB") << 16 * 1024 + 77 << 0 << false;
        QTest::newRow("4 KB, rx NAKs corrupted blocks") << 4096 << 1000 << false;
    }

    void toRx() {
        QFETCH(int, size);
        QFETCH(int, errorsEvery);
        QFETCH(bool, toTheEnd);
        QTemporaryDir dir;
        const QByteArray image = testImage(size, errorsEvery);
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
        rx.start("rx", args << "received.bin"); // rx refuses absolute paths
        QVERIFY(rx.waitForStarted(3000));
        startTransfer(thread, writeImage(dir.filePath("image.bin"), image));

        // rx ends once it has acknowledged EOT.
        QTRY_VERIFY_WITH_TIMEOUT(rx.state() == QProcess::NotRunning, 60000);
        QVERIFY2(rx.exitStatus() == QProcess::NormalExit && rx.exitCode() == 0,
                 rx.readAllStandardError().constData());
        QCOMPARE(outcome.starts, 1);
        QVERIFY(fileBytes(dir.filePath("received.bin")) == padded(image));
        if (errorsEvery > 0)
            QVERIFY2(pump.routed.count(char(0x15)) > 1, "rx was expected to refuse some blocks");

        // rx empties its line as it exits, and its last ACK usually goes with it: the thread
        // is then still sending EOT and ends when the retries run out.
        QTRY_VERIFY_WITH_TIMEOUT(
            outcome.finish == 1 || (thread.isSending() && pump.written.last() == "\x04"), 1000);
        if (!toTheEnd)
            return; // the thread is destroyed while it waits for the answer to EOT
        QVERIFY(outcome.wait(40000));
        QCOMPARE(outcome.finish, 1);
        QCOMPARE(outcome.finishes, 1);
    }

    void toSimulator_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("finish"); // TransFinsh expected
        QTest::newRow("300 KB: block numbers wrap") << 300 * 1024 << "none" << 1;
        QTest::newRow("64 KB, random NAKs") << 64 * 1024 + 5 << "nak-random" << 1;
        QTest::newRow("exact blocks, last (fill-only) block NAKed once") << 4096 << "nak-last" << 1;
        QTest::newRow("CRC requested first") << 3000 << "send-c" << 1;
        QTest::newRow("receiver cancels") << 5000 << "can" << 2;
    }

    void toSimulator() {
        QFETCH(int, size);
        QFETCH(QString, fault);
        QFETCH(int, finish);
        QTemporaryDir dir;
        const QByteArray image = testImage(size);
        const QString outPath = dir.filePath("received.bin");
        SimUnit sim(
            {"--xmodem-only", "--xmodem-out", outPath, "--xmodem-fault", fault, "--seed", "7"});
        QVERIFY(sim.isReady());
        {
            UpdataThread thread;
            TransferOutcome outcome(&thread);
            TransferPump pump(sim.fd(), &thread);
            startTransfer(thread, writeImage(dir.filePath("image.bin"), image));
            QVERIFY2(outcome.wait(60000), sim.process().readAllStandardError().constData());
            QCOMPARE(outcome.finish, finish);
            QCOMPARE(outcome.starts, 1);
            const int resends = pump.writes - (size / 128 + 1) - 1;
            if (fault.startsWith("nak"))
                QVERIFY2(resends > 0, "the receiver's refusals were expected to cost resends");
        }
        // The event loop above may have seen the sim end already; waitForFinished is then false.
        QVERIFY(sim.process().state() == QProcess::NotRunning ||
                sim.process().waitForFinished(10000));
        QCOMPARE(sim.process().exitCode(), finish == 1 ? 0 : 1);
        if (finish == 1)
            QVERIFY(fileBytes(outPath) == padded(image));
    }
};

QTEST_GUILESS_MAIN(TstXmodemReceivers)
#include "tst_xmodem_receivers.moc"
