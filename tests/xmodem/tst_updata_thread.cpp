// The transfer thread with an in-process receiver: mailbox, signals, start timer, EOT
// retry, file errors and shutdown. Real time: the start time-out takes its 11 s.

#include "transfer_pump.h"
#include "upgrade/updata_thread.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const char EOT = 0x04;
const char ACK = 0x06;
const char NAK = 0x15;
const char CAN = 0x18;

QByteArray pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + 5) & 0xFF);
    return bytes;
}

// A receiver inside the test: records what the thread sends and answers each packet
// through readData, as the main window would pass the receiver's answer on.
class Receiver : public QObject {
public:
    using Answer = std::function<QByteArray(const QByteArray& packet, int index)>;

    Receiver(UpdataThread* thread, Answer answer) : m_thread(thread), m_answer(std::move(answer)) {
        connect(thread, &UpdataThread::sendData, this, [this](const QByteArray& bytes) {
            packets.append(bytes);
            progress.append(m_thread->progress());
            at.append(clock.elapsed());
            if (!m_answer)
                return;
            const QByteArray reply = m_answer(bytes, packets.size() - 1);
            if (!reply.isEmpty())
                m_thread->readData(reply);
        });
        clock.start();
    }

    QList<QByteArray> packets;
    QList<int> progress;
    QList<qint64> at;
    QElapsedTimer clock;

    QByteArray data() const {
        QByteArray out;
        for (const QByteArray& p : packets)
            if (p.size() == 132)
                out += p.mid(3, 128);
        return out;
    }
    int count(const QByteArray& bytes) const { return int(packets.count(bytes)); }

private:
    UpdataThread* m_thread;
    Answer m_answer;
};

QString writeImage(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void startTransfer(UpdataThread& thread, const QString& path) {
    thread.setFilePath(path);
    thread.setSendMode();
    thread.startSend();
}

// Unique block packets in order, duplicates (resends) removed.
QByteArray uniqueData(const QList<QByteArray>& packets) {
    QByteArray out;
    QByteArray last;
    for (const QByteArray& p : packets) {
        if (p.size() != 132 || p == last)
            continue;
        out += p.mid(3, 128);
        last = p;
    }
    return out;
}

} // namespace

class TstUpdataThread : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                fprintf(stderr, "%s\n", qPrintable(m));
        });
    }

    void transfer_data();
    void transfer();
    void cancelBeforeFirstNak();
    void fileError_data();
    void fileError();
    void startTimeOutAndLateStart();
    void unansweredEotIsSentAgain();
    void destructionIsPrompt_data();
    void destructionIsPrompt();

private:
    QTemporaryDir m_dir;
};

void TstUpdataThread::transfer_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<int>("packets"); // writes expected, EOTs included
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("empty image") << 0 << "ack" << 2 << QList<int>{0, 0};
    QTest::newRow("1000 bytes") << 1000 << "ack" << 9
                                << QList<int>{12, 25, 38, 51, 64, 76, 89, 100, 100};
    QTest::newRow("ACK+NAK in one chunk is an ACK") << 1000 << "ack+nak" << 9 << QList<int>();
    QTest::newRow("every block NAKed once") << 1000 << "nak once" << 17 << QList<int>();
    QTest::newRow("EOT NAKed once") << 300 << "nak eot" << 5 << QList<int>();
}

void TstUpdataThread::transfer() {
    QFETCH(int, size);
    QFETCH(QString, receiver);
    QFETCH(int, packets);
    QFETCH(QList<int>, progress);
    const QByteArray image = pattern(size);
    const QString path = writeImage(m_dir, QString("t%1.bin").arg(size), image);
    QVERIFY(!path.isEmpty());

    UpdataThread thread;
    TransferOutcome outcome(&thread);
    int startsAtFirstPacket = -1;
    Receiver rx(&thread, [&](const QByteArray& p, int index) -> QByteArray {
        if (index == 0)
            startsAtFirstPacket = outcome.starts;
        if (receiver == "ack+nak")
            return QByteArray() + ACK + NAK;
        if (receiver == "nak once")
            return index % 2 == 0 && p.size() == 132 ? QByteArray(1, NAK) : QByteArray(1, ACK);
        if (receiver == "nak eot" && p == QByteArray(1, EOT) && index == packets - 2)
            return QByteArray(1, NAK);
        return QByteArray(1, ACK);
    });
    startTransfer(thread, path);
    thread.readData(QByteArray(1, NAK));

    QVERIFY(outcome.wait(5000));
    QCOMPARE(outcome.finish, 1);
    QCOMPARE(outcome.finishes, 1);
    QCOMPARE(outcome.starts, 1);
    QCOMPARE(startsAtFirstPacket, 1); // TransStart comes before the first packet
    QCOMPARE(rx.packets.size(), packets);
    QCOMPARE(rx.packets.last(), QByteArray(1, EOT));
    const int blocks = size / 128 + 1;
    QCOMPARE(uniqueData(rx.packets), image + QByteArray(blocks * 128 - size, 0x1A));
    if (!progress.isEmpty())
        QCOMPARE(rx.progress, progress);
    QVERIFY(!thread.isSending());
}

void TstUpdataThread::cancelBeforeFirstNak() {
    const QString path = writeImage(m_dir, "cancel.bin", pattern(500));
    UpdataThread thread;
    TransferOutcome outcome(&thread);
    Receiver rx(&thread, nullptr);
    startTransfer(thread, path);
    QTest::qWait(300);
    thread.readData(QByteArray(1, CAN));
    QVERIFY(outcome.wait(2000));
    QCOMPARE(outcome.finish, 2);
    QVERIFY(rx.packets.isEmpty());

    // Idle now: neither the start timer nor a late NAK does anything.
    thread.readData(QByteArray(1, NAK));
    QTest::qWait(1500);
    QCOMPARE(outcome.timeOuts, 0);
    QCOMPARE(outcome.finishes, 1);
    QVERIFY(rx.packets.isEmpty());
}

void TstUpdataThread::fileError_data() {
    QTest::addColumn<bool>("vanishes"); // the file goes away while waiting for the NAK
    QTest::newRow("missing image") << false;
    QTest::newRow("image removed while waiting") << true;
}

void TstUpdataThread::fileError() {
    QFETCH(bool, vanishes);
    const QString path =
        vanishes ? writeImage(m_dir, "vanish.bin", pattern(300)) : m_dir.filePath("nothing.bin");
    UpdataThread thread;
    TransferOutcome outcome(&thread);
    Receiver rx(&thread, [](const QByteArray&, int) { return QByteArray(1, ACK); });
    startTransfer(thread, path);
    if (vanishes) {
        QTest::qWait(200);
        QVERIFY(QFile::remove(path));
    }
    QVERIFY(outcome.wait(2500));
    QCOMPARE(outcome.fileErrors, 1);
    QVERIFY(!thread.isSending());
    QTest::qWait(1500); // no start timer left running
    QCOMPARE(outcome.timeOuts, 0);
    QCOMPARE(outcome.fileErrors, 1);

    // The thread takes the next transfer.
    const QByteArray image = pattern(200);
    startTransfer(thread, writeImage(m_dir, "next.bin", image));
    QTest::qWait(100);
    thread.readData(QByteArray(1, NAK));
    QTRY_COMPARE(outcome.finish, 1);
    QCOMPARE(rx.data().left(200), image);
}

// Two transfers side by side: one hears only stray bytes and times out on the 11th tick,
// the other gets its NAK after a few ticks, starts at block 1 and never times out.
void TstUpdataThread::startTimeOutAndLateStart() {
    const QByteArray image = pattern(700);
    const QString path = writeImage(m_dir, "late.bin", image);
    UpdataThread silent;
    UpdataThread late;
    TransferOutcome silentOutcome(&silent);
    TransferOutcome lateOutcome(&late);
    Receiver silentRx(&silent, nullptr);
    Receiver lateRx(&late, [](const QByteArray&, int) { return QByteArray(1, ACK); });
    QElapsedTimer clock;
    clock.start();
    startTransfer(silent, path);
    startTransfer(late, path);

    // The CRC request and stray control bytes other than NAK do not start anything.
    const QByteArray stray[] = {QByteArray("C"), QByteArray(1, ACK), QByteArray(1, EOT),
                                QByteArray("C")};
    int i = 0;
    QTimer feeder;
    connect(&feeder, &QTimer::timeout, &silent, [&] { silent.readData(stray[i++ % 4]); });
    feeder.start(900);
    QTimer::singleShot(2500, &late, [&] { late.readData(QByteArray(1, NAK)); });

    QVERIFY(silentOutcome.wait(14000));
    const qint64 elapsed = clock.elapsed();
    feeder.stop();
    QCOMPARE(silentOutcome.timeOuts, 1);
    QVERIFY2(elapsed >= 10500 && elapsed <= 13000, qPrintable(QString::number(elapsed)));
    QVERIFY(silentRx.packets.isEmpty());
    QCOMPARE(silentOutcome.starts, 0);
    silent.readData(QByteArray(1, NAK)); // a late NAK after the time-out is ignored
    QTest::qWait(200);
    QVERIFY(silentRx.packets.isEmpty());

    QCOMPARE(lateOutcome.finish, 1);
    QCOMPARE(lateOutcome.timeOuts, 0);
    QCOMPARE(lateRx.packets.first().mid(1, 5), QByteArray("\x01\xFE") + image.left(3));
    QCOMPARE(uniqueData(lateRx.packets).left(700), image);
}

void TstUpdataThread::unansweredEotIsSentAgain() {
    const QString path = writeImage(m_dir, "eot.bin", pattern(100));
    UpdataThread thread;
    TransferOutcome outcome(&thread);
    Receiver rx(&thread, [](const QByteArray& p, int index) {
        // The first EOT's ACK is lost; the second is answered.
        return p == QByteArray(1, EOT) && index == 1 ? QByteArray() : QByteArray(1, ACK);
    });
    startTransfer(thread, path);
    thread.readData(QByteArray(1, NAK));
    QVERIFY(outcome.wait(6000));
    QCOMPARE(outcome.finish, 1);
    QCOMPARE(rx.packets.size(), 3);
    QCOMPARE(rx.count(QByteArray(1, EOT)), 2);
    const qint64 gap = rx.at[2] - rx.at[1];
    QVERIFY2(gap >= 2500 && gap <= 4500, qPrintable(QString::number(gap)));
}

void TstUpdataThread::destructionIsPrompt_data() {
    QTest::addColumn<QString>("phase");
    QTest::newRow("idle") << "idle";
    QTest::newRow("waiting for the first NAK") << "start";
    QTest::newRow("waiting for the answer to EOT") << "eot";
}

void TstUpdataThread::destructionIsPrompt() {
    QFETCH(QString, phase);
    const QString path = writeImage(m_dir, "stop.bin", pattern(50));
    auto thread = std::make_unique<UpdataThread>();
    TransferOutcome outcome(thread.get());
    Receiver rx(thread.get(), [&](const QByteArray& p, int) {
        return p.size() == 132 ? QByteArray(1, ACK) : QByteArray();
    });
    if (phase != "idle")
        startTransfer(*thread, path);
    if (phase == "eot") {
        thread->readData(QByteArray(1, NAK));
        QTRY_COMPARE(rx.packets.size(), 2);
    }
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    thread.reset();
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(50); // queued timer calls and signals to a gone thread object do no harm
}

QTEST_GUILESS_MAIN(TstUpdataThread)
#include "tst_updata_thread.moc"
