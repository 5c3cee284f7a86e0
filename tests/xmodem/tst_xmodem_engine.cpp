// The XMODEM sender core, driven byte by byte as a receiver would, and the main window's
// routing and progress helpers. Wire bytes are written out here on purpose.

#include "transfer_pump.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/xmodem_engine.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QtTest>

namespace {

const char SOH = 0x01;
const char EOT = 0x04;
const char ACK = 0x06;
const char NAK = 0x15;
const char CAN = 0x18;

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
    void wholeTransfer_data();
    void wholeTransfer();
    void wireFormOfOneBlock();
    void refusalResends_data();
    void refusalResends();
    void cancelInAnyState_data();
    void cancelInAnyState();
    void givesUpOnTheEleventhRefusal_data();
    void givesUpOnTheEleventhRefusal();
    void eotUnansweredIsResentThenTakenAsDone();
    void readErrorAbortsWithCancel();
    void takeTransferBytes_data();
    void takeTransferBytes();
    void transferPercent_data();
    void transferPercent();
};

// Plays a receiver that ACKs every packet and checks each one on the way.
void TstXmodemEngine::wholeTransfer_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("blocks");
    QTest::newRow("empty: one fill-only block") << 0 << 1;
    QTest::newRow("128 bytes: then a fill-only block") << 128 << 2;
    QTest::newRow("3 x 128 bytes") << 384 << 4;
    QTest::newRow("1000 bytes") << 1000 << 8;
    QTest::newRow("40 KB: block numbers wrap") << 40960 << 321;
}

void TstXmodemEngine::wholeTransfer() {
    QFETCH(int, size);
    QFETCH(int, blocks);
    Sender s(testImage(size));
    QByteArray received;
    XmodemStep step = s.send(NAK);
    QVERIFY(step.started);
    for (int n = 1; n <= blocks; ++n) {
        const QByteArray p = step.send;
        QCOMPARE(p.size(), 132);
        QCOMPARE(p.at(0), SOH);
        QCOMPARE(quint8(p.at(1)), quint8(n % 256));
        QCOMPARE(quint8(p.at(2)), quint8(255 - n % 256));
        quint8 sum = 0;
        for (int i = 3; i < 131; ++i)
            sum = quint8(sum + quint8(p.at(i)));
        QCOMPARE(quint8(p.at(131)), sum);
        QCOMPARE(step.result, XmodemResult::Continue);
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

void TstXmodemEngine::wireFormOfOneBlock() {
    // 0x41 + 0x42 + 0x43 + 125 * 0x1A = 0xD78
    QCOMPARE(Sender("ABC").send(NAK).send.toHex(),
             (QByteArray::fromHex("0101FE414243") + QByteArray(125, 0x1A) + "\x78").toHex());
}

// Whatever the receiver refuses goes out again unchanged.
void TstXmodemEngine::refusalResends_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("acked"); // blocks acknowledged before the refusal
    QTest::addColumn<char>("refusal");
    QTest::newRow("NAK on block 2") << 300 << 1 << NAK;
    QTest::newRow("CRC request while sending") << 300 << 1 << 'C';
    QTest::newRow("NAK on the last block") << 300 << 2 << NAK;
    QTest::newRow("NAK on the only block") << 10 << 0 << NAK;
    QTest::newRow("NAK on EOT") << 300 << 3 << NAK;
}

void TstXmodemEngine::refusalResends() {
    QFETCH(int, size);
    QFETCH(int, acked);
    QFETCH(char, refusal);
    Sender s(testImage(size));
    const XmodemStep before = s.advance(acked + 1);
    const XmodemState state = s.engine.state();
    for (int i = 0; i < 3; ++i) {
        const XmodemStep again = s.send(refusal);
        QCOMPARE(again.send.toHex(), before.send.toHex());
        QCOMPARE(again.result, XmodemResult::Continue);
        QCOMPARE(s.engine.state(), state);
    }
    const bool eot = before.send.size() == 1;
    QCOMPARE(s.send(ACK).result, eot ? XmodemResult::Completed : XmodemResult::Continue);
}

void TstXmodemEngine::cancelInAnyState_data() {
    QTest::addColumn<int>("acked"); // -1: before the start NAK
    QTest::newRow("before the first NAK") << -1;
    QTest::newRow("while sending") << 1;
    QTest::newRow("last block out") << 2;
    QTest::newRow("EOT out") << 3;
}

void TstXmodemEngine::cancelInAnyState() {
    QFETCH(int, acked);
    Sender s(testImage(300)); // three blocks
    if (acked >= 0)
        s.advance(acked + 1);
    const XmodemStep step = s.send(CAN);
    QCOMPARE(step.result, XmodemResult::Cancelled);
    QVERIFY(step.send.isEmpty());
    QCOMPARE(s.engine.state(), XmodemState::Idle);
}

// Nine refusals of each earlier block do not add up; the eleventh of one packet ends it.
void TstXmodemEngine::givesUpOnTheEleventhRefusal_data() {
    QTest::addColumn<int>("acked");
    QTest::newRow("a block") << 5;
    QTest::newRow("EOT") << 8;
}

void TstXmodemEngine::givesUpOnTheEleventhRefusal() {
    QFETCH(int, acked);
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

void TstXmodemEngine::eotUnansweredIsResentThenTakenAsDone() {
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

void TstXmodemEngine::readErrorAbortsWithCancel() {
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

void TstXmodemEngine::takeTransferBytes_data() {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("taken");
    QTest::newRow("CAN") << QByteArray("\x18") << true;
    QTest::newRow("ACK and text after it") << QByteArray("\x06Updata ok\r\n") << true;
    QTest::newRow("ACK then NAK") << QByteArray("\x06\x15") << true;
    QTest::newRow("CRC request") << QByteArray("C") << false;
    QTest::newRow("text then ACK") << QByteArray("@pwr\x06") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TstXmodemEngine::takeTransferBytes() {
    QFETCH(QByteArray, buffer);
    QFETCH(bool, taken);
    QByteArray receive = buffer;
    QCOMPARE(::takeTransferBytes(receive), taken ? buffer : QByteArray());
    QCOMPARE(receive, taken ? QByteArray() : buffer);
}

void TstXmodemEngine::transferPercent_data() {
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("empty image") << qint64(0) << qint64(0) << 0;
    QTest::newRow("past 2 GiB") << qint64(3000000000) << qint64(4000000000) << 75;
}

void TstXmodemEngine::transferPercent() {
    QFETCH(qint64, sent);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(::transferPercent(sent, total), percent);
    QCOMPARE(transferProgressText(percent), QString("Transimit finish %1%").arg(percent));
}

QTEST_GUILESS_MAIN(TstXmodemEngine)
#include "tst_xmodem_engine.moc"
