// A firmware image sent by the main window's transfer path (thread, packets to the port,
// control bytes routed back) to the simulated unit's receiver, through the recording relay.
#include "serial/my_serial.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_thread.h"

#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestTransferFlow : public QObject {
    Q_OBJECT
private slots:
    void imageArrivesWhole_data();
    void imageArrivesWhole();
};

void TestTransferFlow::imageArrivesWhole_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("fault");
    QTest::newRow("40000 B, clean") << 40000 << "none";
    QTest::newRow("5000 B, NAKed EOT") << 5000 << "nak-eot-once";
    QTest::newRow("3000 B, random NAKs") << 3000 << "nak-random";
}

void TestTransferFlow::imageArrivesWhole() {
    QFETCH(int, size);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    QByteArray image(size, Qt::Uninitialized);
    QRandomGenerator rng(size);
    for (char& c : image)
        c = char(rng.bounded(256));
    const QString imagePath = dir.filePath("image.bin");
    QFile f(imagePath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(image);
    f.close();

    const QString received = dir.filePath("received.bin");
    SimSession s(
        {"--xmodem-only", "--xmodem-out", received, "--xmodem-fault", fault, "--seed", "4"});
    BMSMainWin& w = s.w;
    w.serialLink()->setSettings(SerialSettings{s.relay.programPath()});
    QVERIFY(w.serialLink()->open());

    QSignalSpy finished(w.transferThread(), &UpdataThread::TransFinsh);
    w.transferThread()->setFilePath(imagePath);
    w.transferThread()->setSendMode();
    w.transferThread()->startSend();
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first().toInt(), 1);

    // Image plus 0x1A fill to the block boundary (an exact multiple gets a whole block).
    QByteArray expected = image;
    expected.append(QByteArray(128 - size % 128, char(0x1A)));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(received).size() == expected.size(), 3000);
    QFile r(received);
    QVERIFY(r.open(QIODevice::ReadOnly));
    QVERIFY(r.readAll() == expected);

    // One progress line that counted up to the end, not one line per packet.
    const QString shown = w.form()->ReceTextBro->toPlainText();
    QCOMPARE(shown.count("Transimit finish"), 1);
    QVERIFY(shown.endsWith("Transimit finish 100%"));
    QCOMPARE(w.findChild<QProgressBar*>()->value(), 100);
    QVERIFY(s.recorder().shown.isEmpty());
}

QTEST_MAIN(TestTransferFlow)
#include "test_transfer_flow.moc"
