// The transfer thread with an in-process receiver: mailbox, signals, start timer, EOT
// retry, file errors and shutdown. Real time: the start time-out takes its 11 s.

#include "transfer_pump.h"
#include "upgrade/updata_thread.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QByteArray EOT("\x04"), ACK("\x06"), NAK("\x15"), CAN("\x18");

// Records what the thread sends and answers each packet through readData, as the window would.
class Receiver : public QObject {
public:
    using Answer = std::function<QByteArray(const QByteArray& packet, int index)>;

    Receiver(UpdataThread* thread, Answer answer = nullptr) {
        clock.start();
        connect(thread, &UpdataThread::sendData, this, [=](const QByteArray& bytes) {
            packets.append(bytes);
            progress.append(thread->progress());
            at.append(clock.elapsed());
            const QByteArray reply = answer ? answer(bytes, packets.size() - 1) : QByteArray();
            if (!reply.isEmpty())
                thread->readData(reply);
        });
    }

    // The blocks' data in order, resends left out.
    QByteArray data() const {
        QByteArray out, last;
        for (const QByteArray& p : packets)
            if (p.size() == 132 && p != last)
                out += (last = p).mid(3, 128);
        return out;
    }

    QList<QByteArray> packets;
    QList<int> progress;
    QList<qint64> at;
    QElapsedTimer clock;
};

const auto ackAll = [](const QByteArray&, int) { return ACK; };

} // namespace

class TstUpdataThread : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules("*.debug=false");
    }

    void transfer_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("receiver");
        QTest::addColumn<QList<int>>("progress"); // at each write, EOT included
        QTest::newRow("empty image") << 0 << "ack" << QList<int>{0, 0};
        QTest::newRow("1000 bytes, ACK+NAK in one chunk is an ACK")
            << 1000 << "ack+nak" << QList<int>{12, 25, 38, 51, 64, 76, 89, 100, 100};
        // EOT goes out again after about 3 s.
        QTest::newRow("the first EOT's ACK is lost") << 100 << "lose" << QList<int>{100, 100, 100};
    }

    void transfer() {
        QFETCH(int, size);
        QFETCH(QString, receiver);
        QFETCH(QList<int>, progress);
        const QString path = image(QString("t%1.bin").arg(size), size);
        UpdataThread thread;
        TransferOutcome outcome(&thread);
        int startsAtFirstPacket = -1;
        Receiver rx(&thread, [&](const QByteArray& p, int index) {
            if (index == 0)
                startsAtFirstPacket = outcome.starts;
            if (receiver == "lose" && p == EOT && index == 1)
                return QByteArray();
            return receiver == "ack+nak" ? ACK + NAK : ACK;
        });
        startTransfer(thread, path);
        thread.readData(NAK);

        QVERIFY(outcome.wait(6000));
        QCOMPARE(outcome.finish, 1);
        QCOMPARE(outcome.finishes, 1);
        QCOMPARE(startsAtFirstPacket, 1); // TransStart comes before the first packet
        QCOMPARE(rx.progress, progress);
        QCOMPARE(rx.packets.last(), EOT);
        QCOMPARE(rx.data(), padded(testImage(size)));
        QVERIFY(!thread.isSending());
        const qint64 gap = rx.at.last() - rx.at[rx.at.size() - 2];
        if (receiver == "lose")
            QVERIFY2(gap >= 2500 && gap <= 4500, qPrintable(QString::number(gap)));
    }

    // Five transfers side by side through the start timer's eleven ticks. The silent one hears
    // only stray bytes ("C" among them) and times out on the 11th tick; the late one hears a
    // few, gets its NAK at 2.5 s and sends the image from its start; the cancelled one gets CAN
    // before its first NAK; one has no image, one loses it while waiting. Each reports once.
    void startPhase() {
        const QString path = image("late.bin", 700), vanishing = image("vanish.bin", 300);
        UpdataThread silent, late, cancelled, missing, gone;
        TransferOutcome silentOut(&silent), lateOut(&late), cancelledOut(&cancelled),
            missingOut(&missing), goneOut(&gone);
        Receiver silentRx(&silent), lateRx(&late, ackAll), cancelledRx(&cancelled);
        QElapsedTimer clock;
        clock.start();
        for (UpdataThread* t : {&silent, &late, &cancelled})
            startTransfer(*t, path);
        startTransfer(missing, m_dir.filePath("nothing.bin"));
        startTransfer(gone, vanishing);

        const QByteArray stray[] = {"C", ACK, EOT, "C"};
        int i = 0;
        QTimer feeder;
        connect(&feeder, &QTimer::timeout, &silent, [&] {
            silent.readData(stray[i % 4]);
            if (i < 2) // before its NAK
                late.readData(stray[i % 4]);
            ++i;
        });
        feeder.start(900);
        QTimer::singleShot(200, &gone, [&] { QFile::remove(vanishing); });
        QTimer::singleShot(300, &cancelled, [&] { cancelled.readData(CAN); });
        QTimer::singleShot(2500, &late, [&] { late.readData(NAK); });
        QTRY_COMPARE_WITH_TIMEOUT(missingOut.fileErrors + goneOut.fileErrors, 2, 2500);

        QVERIFY(silentOut.wait(14000));
        const qint64 elapsed = clock.elapsed();
        feeder.stop();
        QCOMPARE(silentOut.timeOuts, 1);
        QVERIFY2(elapsed >= 10500 && elapsed <= 11800, qPrintable(QString::number(elapsed)));
        QCOMPARE(silentOut.starts, 0);
        silent.readData(NAK); // late NAKs after the end are ignored
        cancelled.readData(NAK);
        QTest::qWait(200);
        QVERIFY(silentRx.packets.isEmpty() && cancelledRx.packets.isEmpty());
        QCOMPARE(cancelledOut.finish, 2);
        QCOMPARE(lateOut.finish, 1);
        QCOMPARE(lateRx.data(), padded(testImage(700)));
        for (TransferOutcome* o : {&silentOut, &lateOut, &cancelledOut, &missingOut, &goneOut})
            QCOMPARE(o->timeOuts + o->finishes + o->fileErrors, 1);

        // A thread that met a file error takes the next transfer.
        Receiver nextRx(&missing, ackAll);
        startTransfer(missing, image("next.bin", 200));
        QTest::qWait(100);
        missing.readData(NAK);
        QTRY_COMPARE(missingOut.finish, 1);
        QCOMPARE(nextRx.data(), padded(testImage(200)));
    }

    void destructionIsPrompt_data() {
        QTest::addColumn<QString>("phase");
        QTest::newRow("waiting for the first NAK") << "start";
        QTest::newRow("waiting for the answer to EOT") << "eot";
    }

    void destructionIsPrompt() {
        QFETCH(QString, phase);
        auto thread = std::make_unique<UpdataThread>();
        Receiver rx(thread.get(),
                    [](const QByteArray& p, int) { return p.size() == 132 ? ACK : QByteArray(); });
        startTransfer(*thread, image("stop.bin", 50));
        if (phase == "eot") {
            thread->readData(NAK);
            QTRY_COMPARE(rx.packets.size(), 2);
        }
        QTest::qWait(100);
        QElapsedTimer clock;
        clock.start();
        thread.reset();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(50); // queued timer calls and signals to a gone thread object do no harm
    }

private:
    QString image(const QString& name, int size) {
        return writeImage(m_dir.filePath(name), testImage(size));
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TstUpdataThread)
#include "tst_updata_thread.moc"
