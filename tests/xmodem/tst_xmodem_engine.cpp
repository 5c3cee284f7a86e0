// The sender core driven byte by byte as a receiver would, and the window's routing and progress
// helpers. Wire bytes are written out here on purpose.

#include "transfer_pump.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/xmodem_engine.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QtTest>

namespace {

const char SOH = 0x01, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18;

// An engine over an in-memory image.
struct Sender {
    QByteArray image;
    QBuffer buffer;
    XmodemEngine engine;

    explicit Sender(const QByteArray& bytes) : image(bytes), buffer(&image) {
        buffer.open(QIODevice::ReadOnly);
        engine.reset(&buffer);
    }
    XmodemStep send(char c) { return engine.receive(c); }
    // The start NAK, then ACKs: `blocks` packets out; returns the last step.
    XmodemStep advance(int blocks) {
        XmodemStep step = send(NAK);
        for (int i = 1; i < blocks; ++i)
            step = send(ACK);
        return step;
    }
};

} // namespace

class TstXmodemEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("*.debug=false"); }

    // Plays a receiver that ACKs every packet and checks each one on the way.
    void wholeTransfer_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("blocks");
        QTest::newRow("empty: one fill-only block") << 0 << 1;
        QTest::newRow("128 bytes: then a fill-only block") << 128 << 2;
        QTest::newRow("1000 bytes") << 1000 << 8;
        QTest::newRow("40 KB: block numbers wrap") << 40960 << 321;
    }

    void wholeTransfer() {
        QFETCH(int, size);
        QFETCH(int, blocks);
        Sender s(testImage(size));
        QByteArray received;
        XmodemStep step = s.send(NAK);
        QVERIFY(step.started);
        for (int n = 1; n <= blocks; ++n) { // checksums: wireFormOfOneBlock and the real receivers
            const QByteArray p = step.send;
            QCOMPARE(p.left(3).toHex(),
                     (QByteArray(1, SOH) + char(n) + char(255 - n % 256)).toHex());
            QCOMPARE(p.size(), 132);
            received += p.mid(3, 128);
            step = s.send(ACK);
        }
        QCOMPARE(step.send, QByteArray(1, EOT));
        QCOMPARE(s.engine.bytesSent(), qint64(size));
        step = s.send(ACK);
        QCOMPARE(step.result, XmodemResult::Completed);
        QVERIFY(step.send.isEmpty());
        QCOMPARE(s.engine.state(), XmodemState::Idle);
        QCOMPARE(received, padded(s.image));
    }

    void wireFormOfOneBlock() {
        // 0x41 + 0x42 + 0x43 + 125 * 0x1A = 0xD78
        QCOMPARE(Sender("ABC").send(NAK).send.toHex(),
                 (QByteArray::fromHex("0101FE414243") + QByteArray(125, 0x1A) + "\x78").toHex());
    }

    // Whatever the receiver refuses goes out again unchanged; CAN ends the transfer in any state.
    void refusalOrCancel_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("acked"); // blocks acknowledged before; -1: before the start NAK
        QTest::addColumn<char>("answer");
        QTest::newRow("NAK on block 2") << 300 << 1 << NAK;
        QTest::newRow("CRC request while sending") << 300 << 1 << 'C';
        QTest::newRow("NAK on the last block") << 300 << 2 << NAK;
        QTest::newRow("NAK on the only block") << 10 << 0 << NAK;
        QTest::newRow("NAK on EOT") << 300 << 3 << NAK;
        QTest::newRow("CAN before the first NAK") << 300 << -1 << CAN;
        QTest::newRow("CAN while sending") << 300 << 1 << CAN;
        QTest::newRow("CAN on the last block") << 300 << 2 << CAN;
        QTest::newRow("CAN on EOT") << 300 << 3 << CAN;
    }

    void refusalOrCancel() {
        QFETCH(int, size);
        QFETCH(int, acked);
        QFETCH(char, answer);
        Sender s(testImage(size));
        const XmodemStep before = acked < 0 ? XmodemStep{} : s.advance(acked + 1);
        const XmodemState state = s.engine.state();
        for (int i = 0; i < (answer == CAN ? 1 : 3); ++i) {
            const XmodemStep again = s.send(answer);
            QCOMPARE(again.send.toHex(), answer == CAN ? QByteArray() : before.send.toHex());
            QCOMPARE(again.result,
                     answer == CAN ? XmodemResult::Cancelled : XmodemResult::Continue);
            QCOMPARE(s.engine.state(), answer == CAN ? XmodemState::Idle : state);
        }
        if (answer != CAN)
            QCOMPARE(s.send(ACK).result,
                     before.send.size() == 1 ? XmodemResult::Completed : XmodemResult::Continue);
    }

    // Nine refusals of each earlier block do not add up; the eleventh of one packet (a block, then
    // EOT) ends it.
    void givesUpOnTheEleventhRefusal() {
        for (int acked : {5, 8}) {
            Sender s(testImage(1000)); // eight blocks
            s.send(NAK);
            for (int block = 0; block < acked; ++block) {
                for (int i = 0; i < 9; ++i)
                    QCOMPARE(s.send(NAK).result, XmodemResult::Continue);
                QCOMPARE(s.send(ACK).result, XmodemResult::Continue);
            }
            for (int i = 0; i < 10; ++i)
                QCOMPARE(s.send(NAK).result, XmodemResult::Continue);
            const XmodemStep step = s.send(NAK);
            QCOMPARE(step.result, XmodemResult::GaveUp);
            QCOMPARE(step.send, QByteArray(2, CAN));
            QCOMPARE(s.engine.state(), XmodemState::Idle);
        }
    }

    void eotUnansweredIsResentThenTakenAsDone() {
        Sender s(testImage(10));
        QVERIFY(s.engine.eotUnanswered().send.isEmpty()); // nothing to do before EOT
        s.advance(2);
        QCOMPARE(s.send(NAK).send, QByteArray(1, EOT)); // a refused EOT counts as a try
        for (int i = 1; i < 10; ++i) {
            const XmodemStep step = s.engine.eotUnanswered();
            QCOMPARE(step.send, QByteArray(1, EOT));
            QCOMPARE(step.result, XmodemResult::Continue);
        }
        const XmodemStep step = s.engine.eotUnanswered();
        QVERIFY(step.send.isEmpty());
        QCOMPARE(step.result, XmodemResult::Completed);
    }

    void readErrorAbortsWithCancel() {
        Sender s(testImage(1000));
        QCOMPARE(s.send(NAK).send.size(), 132);
        s.buffer.close(); // the next read fails
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::read (QBuffer): device not open");
        const XmodemStep step = s.send(ACK);
        QCOMPARE(step.result, XmodemResult::ReadFailed);
        QCOMPARE(step.send, QByteArray(2, CAN));
        s.engine.detach(); // a late NAK after the image was let go starts nothing
        QCOMPARE(s.send(NAK).result, XmodemResult::ReadFailed);
    }

    // SOH, EOT, ACK, NAK and CAN at the start of the buffer belong to the transfer.
    void takeTransferBytes_data() {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<bool>("taken");
        QTest::newRow("CAN") << QByteArray("\x18") << true;
        QTest::newRow("a packet") << QByteArray("\x01\x01\xfe") << true;
        QTest::newRow("EOT") << QByteArray("\x04") << true;
        QTest::newRow("ACK and text after it") << QByteArray("\x06Updata ok\r\n") << true;
        QTest::newRow("NAK then ACK") << QByteArray("\x15\x06") << true;
        QTest::newRow("STX") << QByteArray("\x02") << false;
        QTest::newRow("NUL") << QByteArray(1, '\0') << false;
        QTest::newRow("CRC request") << QByteArray("C") << false;
        QTest::newRow("text then ACK") << QByteArray("@pwr\x06") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void takeTransferBytes() {
        QFETCH(QByteArray, buffer);
        QFETCH(bool, taken);
        QByteArray receive = buffer;
        QCOMPARE(::takeTransferBytes(receive), taken ? buffer : QByteArray());
        QCOMPARE(receive, taken ? QByteArray() : buffer);
    }

    void transferPercent() { // no division by zero, no 32-bit overflow
        QCOMPARE(::transferPercent(0, 0), 0);
        QCOMPARE(::transferPercent(3000000000, 4000000000), 75);
        QCOMPARE(transferProgressText(75), QString("Transimit finish 75%"));
    }
};

QTEST_GUILESS_MAIN(TstXmodemEngine)
#include "tst_xmodem_engine.moc"
