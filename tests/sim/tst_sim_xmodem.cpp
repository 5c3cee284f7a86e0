// The simulated unit's upgrade path: the receiver behind "updata"/"uboot" and --xmodem-only with
// its faults, and the flashing report. The test plays its own checksum sender (the wake
// characters are answered in the upgrade flows).

#include "sim_unit.h"
#include "transfer_pump.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr char kSoh = 0x01, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18; // restated

QByteArray packet(int number, const QByteArray& data) {
    quint8 sum = 0;
    for (char c : data)
        sum = quint8(sum + quint8(c));
    return QByteArray(1, kSoh) + char(number) + char(0xFF - (number & 0xFF)) + data + char(sum);
}

// One letter per answer: A for ACK, N for NAK, X for CAN, - for silence.
char answer(SimUnit& unit) {
    const QByteArray a = unit.readBytes(1, 2000);
    const int i = a.isEmpty() ? -2 : (QByteArray(1, kAck) + kNak + kCan).indexOf(a.at(0));
    return i == -2 ? '-' : i < 0 ? '?' : "ANX"[i];
}

// Sends the image block by block, repeating what is NAKed, then EOT; returns the answers.
QString sendImage(SimUnit& unit, const QByteArray& image) {
    const QByteArray data = padded(image);
    QString answers;
    for (int block = 0; block * 128 < data.size() && answers.size() < 200;) {
        unit.write(packet(block + 1, data.mid(block * 128, 128)));
        answers += answer(unit);
        if (answers.endsWith('X') || answers.endsWith('-'))
            return answers;
        block += answers.endsWith('A');
    }
    answers += ' ';
    for (int i = 0; i < 3 && (i == 0 || answers.endsWith('N')); ++i) {
        unit.write(QByteArray(1, kEot));
        answers += answer(unit);
    }
    return answers;
}

} // namespace

class TstSimXmodem : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void upgrade_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<int>("size");
        const auto row = [](const char* tag, const char* command, const char* result,
                            const char* report, int size) {
            QTest::newRow(tag) << command << result << QByteArray(report) << size;
        };
        row("updata ok", "updata", "ok", "SYS Init Over", 300);
        row("uboot ok, whole blocks", "uboot", "ok", "SYS Init Over", 384);
        row("invalid", "updata", "invalid", "Version invalid", 200);
        row("no head", "updata", "nohead", "Version without head", 100);
        row("hub", "updata", "hub", "IBCCAN", 129);
    }

    void upgrade() {
        QFETCH(QString, command);
        QFETCH(QString, result);
        QFETCH(QByteArray, report);
        QFETCH(int, size);
        const QString out = m_dir.filePath("image-" + QString(QTest::currentDataTag()));
        SimUnit unit({"--reply-delay", "0", "--flash-delay", "50", "--flash-result", result,
                      "--xmodem-out", out});
        QElapsedTimer sent;
        unit.write("\n" + command.toUtf8() + "\n");
        sent.start();
        QCOMPARE(unit.readUntil("\r\n", 1000), (command + "\r\n").toUtf8());
        unit.readUntil("\r\n", 1000);
        // The first request comes alone, well after the text (a reply gap is 300 ms).
        QCOMPARE(unit.readBytes(1, 2000), QByteArray(1, kNak));
        QVERIFY(sent.elapsed() >= 300);
        QCOMPARE(sendImage(unit, testImage(size)), QString(size / 128 + 1, 'A') + " A");
        const QByteArray flashing = unit.readUntil(report, 2000);
        QVERIFY2(flashing.endsWith(report), flashing.constData());
        for (const char* other : {"SYS Init Over", "Version", "IBCCAN"})
            QVERIFY2(report.contains(other) || !flashing.contains(other), other); // one verdict
        QCOMPARE(fileBytes(out), padded(testImage(size)));
        unit.readQuiet(50);
        QVERIFY(unit.command("login debug").startsWith("login debug\r\n@\r\n")); // console again
    }

    void receiverChecksEveryBlock() {
        SimUnit unit({"--xmodem-only"});
        QCOMPARE(unit.readBytes(1, 1000), QByteArray(1, kNak));
        const QByteArray data = padded(testImage(300));
        const QByteArray first = packet(1, data.left(128));
        QByteArray badSum = first;
        badSum[50] = char(badSum.at(50) ^ 0x01);
        QByteArray badComplement = first;
        badComplement[2] = char(0x00);
        // A repeat (our ACK lost) is acknowledged, not stored twice; a cut packet is thrown away
        // after a second of silence and asked for again.
        const QList<QPair<QByteArray, char>> steps = {
            {badSum, kNak}, {badComplement, kNak},  {first, kAck},
            {first, kAck},  {first.left(60), kNak}, {packet(2, data.mid(128, 128)), kAck}};
        for (const auto& step : steps) {
            unit.write(step.first);
            QCOMPARE(unit.readBytes(1, 2000), QByteArray(1, step.second));
        }
        unit.write(packet(4, data.mid(256, 128))); // out of step: the receiver gives up
        QCOMPARE(unit.readBytes(3, 1000), QByteArray(3, kCan));
        QVERIFY(unit.process().waitForFinished(3000));
        QCOMPARE(unit.process().exitCode(), 1);
    }

    // Each fault as the receiver plays it (clean runs, random NAKs and a cancel mid-image are
    // run against the program's thread in tst_xmodem_receivers).
    void xmodemOnly_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("requests");
        QTest::addColumn<QString>("answers");
        QTest::newRow("nak-last") << "nak-last" << 300 << QByteArray(1, kNak) << "AANA A";
        QTest::newRow("nak-eot-once") << "nak-eot-once" << 200 << QByteArray(1, kNak) << "AA NA";
        QTest::newRow("can on EOT") << "can" << 100 << QByteArray(1, kNak) << "A X";
        // CRC requested first, then checksum after the fallback.
        QTest::newRow("send-c") << "send-c" << 130 << QByteArray("CCC") + kNak << "AA A";
    }

    void xmodemOnly() {
        QFETCH(QString, fault);
        QFETCH(int, size);
        QFETCH(QByteArray, requests);
        QFETCH(QString, answers);
        const QString out = m_dir.filePath("only-" + QString(QTest::currentDataTag()));
        SimUnit unit({"--xmodem-only", "--xmodem-fault", fault, "--xmodem-out", out, "--seed", "4",
                      "--reply-delay", "5000"}); // the receiver must not wait for it
        QElapsedTimer t;
        t.start();
        QCOMPARE(unit.readBytes(1, 1000), requests.left(1));
        QVERIFY(t.elapsed() < 500);
        QCOMPARE(unit.readBytes(requests.size() - 1, 4500), requests.mid(1));
        QCOMPARE(sendImage(unit, testImage(size)), answers);
        const bool ok = !answers.endsWith('X');
        QVERIFY(unit.process().waitForFinished(3000));
        QCOMPARE(unit.process().exitCode(), ok ? 0 : 1);
        QCOMPARE(fileBytes(out), ok ? padded(testImage(size)) : QByteArray("(missing)"));
    }

    // The receiver accepts an independent sender (lrzsz sx) over its pty.
    void independentSenderAccepted() {
        const QString in = m_dir.filePath("sx-in.bin"), out = m_dir.filePath("sx-out.bin");
        QVERIFY(!writeImage(in, testImage(5000)).isEmpty());
        SimUnit sim({"--xmodem-only", "--xmodem-out", out});
        QProcess sender;
        sender.setStandardInputFile(sim.path());
        sender.setStandardOutputFile(sim.path(), QIODevice::Append);
        sender.start("sx", {"-q", in});
        QVERIFY(sender.waitForFinished(10000));
        QCOMPARE(sender.exitCode(), 0);
        QVERIFY(sim.process().waitForFinished(3000));
        QCOMPARE(sim.process().exitCode(), 0);
        QCOMPARE(fileBytes(out), padded(testImage(5000)));
    }
};

QTEST_GUILESS_MAIN(TstSimXmodem)
#include "tst_sim_xmodem.moc"
