// The XMODEM sender core, driven byte by byte as a receiver would, and the main window's
// routing and progress helpers. Wire bytes are written out here on purpose.

#include "upgrade/transfer_routing.h"
#include "upgrade/xmodem_engine.h"

#include <QBuffer>
#include <QtTest>

namespace {

const char SOH = 0x01;
const char EOT = 0x04;
const char ACK = 0x06;
const char NAK = 0x15;
const char CAN = 0x18;
const char FILL = 0x1A;

QByteArray pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 256) & 0xFF);
    return bytes;
}

// An image that reads `good` bytes and then reports an error.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 good) : m_good(good) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = qMin(maxSize, m_good - m_pos);
        if (n <= 0)
            return -1;
        memset(data, 'x', size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 m_good;
    qint64 m_pos = 0;
};

// An engine over an in-memory image, with a few receiver moves.
struct Sender {
    QByteArray image;
    QBuffer buffer;
    XmodemEngine engine;

    explicit Sender(const QByteArray& bytes) : image(bytes), buffer(&image) {
        buffer.open(QIODevice::ReadOnly);
        engine.reset(&buffer);
    }
    XmodemStep send(char c) { return engine.receive(c); }
    // Start and ACK `blocks` blocks; returns the last step.
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
    void initTestCase() {
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                fprintf(stderr, "%s\n", qPrintable(m));
        });
    }

    void wholeTransfer_data();
    void wholeTransfer();
    void wireFormOfOneBlock_data();
    void wireFormOfOneBlock();
    void refusalResends_data();
    void refusalResends();
    void idleIgnoresAllButNak_data();
    void idleIgnoresAllButNak();
    void cancelInAnyState_data();
    void cancelInAnyState();
    void blockRefusedTooOftenGivesUp();
    void retryCountRestartsWithEachBlock();
    void eotUnansweredIsResentThenTakenAsDone();
    void eotRefusedTooOftenGivesUp();
    void readErrorAbortsWithCancel();

    void takeTransferBytes_data();
    void takeTransferBytes();
    void transferPercent_data();
    void transferPercent();
    void progressText();
};

// Plays a receiver that ACKs every packet and checks each one on the way.
void TstXmodemEngine::wholeTransfer_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("blocks");
    QTest::newRow("empty: one fill-only block") << 0 << 1;
    QTest::newRow("1 byte") << 1 << 1;
    QTest::newRow("127 bytes") << 127 << 1;
    QTest::newRow("128 bytes: then a fill-only block") << 128 << 2;
    QTest::newRow("129 bytes") << 129 << 2;
    QTest::newRow("3 x 128 bytes") << 384 << 4;
    QTest::newRow("1000 bytes") << 1000 << 8;
    QTest::newRow("40 KB: block numbers wrap") << 40960 << 321;
}

void TstXmodemEngine::wholeTransfer() {
    QFETCH(int, size);
    QFETCH(int, blocks);
    Sender s(pattern(size));

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
        QCOMPARE(s.engine.state(), n == blocks ? XmodemState::LastBlockSent : XmodemState::Sending);
        received += p.mid(3, 128);
        step = s.send(ACK);
        QVERIFY(!step.started);
    }
    QCOMPARE(step.send, QByteArray(1, EOT));
    QCOMPARE(s.engine.state(), XmodemState::EotSent);
    QCOMPARE(s.engine.bytesSent(), qint64(size));

    step = s.send(ACK);
    QCOMPARE(step.result, XmodemResult::Completed);
    QVERIFY(step.send.isEmpty());
    QCOMPARE(s.engine.state(), XmodemState::Idle);
    QCOMPARE(received, s.image + QByteArray(blocks * 128 - size, FILL));
}

void TstXmodemEngine::wireFormOfOneBlock_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("wire");
    // 0x41 + 0x42 + 0x43 + 125 * 0x1A = 0xD78
    QTest::newRow("short block with fill")
        << QByteArray("ABC")
        << QByteArray::fromHex("0101FE414243") + QByteArray(125, FILL) + QByteArray("\x78", 1);
    // 128 * 0xFF = 0x7F80
    QTest::newRow("full block of 0xFF")
        << QByteArray(128, '\xFF')
        << QByteArray::fromHex("0101FE") + QByteArray(128, '\xFF') + QByteArray("\x80", 1);
    QTest::newRow("zeros sum to zero")
        << QByteArray(200, '\0') << QByteArray::fromHex("0101FE") + QByteArray(129, '\0');
}

void TstXmodemEngine::wireFormOfOneBlock() {
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, wire);
    Sender s(image);
    QCOMPARE(s.send(NAK).send.toHex(), wire.toHex());
}

// Whatever the receiver refuses goes out again unchanged.
void TstXmodemEngine::refusalResends_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("acked"); // blocks acknowledged before the refusal (start NAK aside)
    QTest::addColumn<char>("refusal");
    QTest::addColumn<bool>("resendsEot");
    QTest::addColumn<int>("state");
    const int sending = int(XmodemState::Sending);
    const int last = int(XmodemState::LastBlockSent);
    const int eot = int(XmodemState::EotSent);
    QTest::newRow("NAK on block 1") << 300 << 0 << NAK << false << sending;
    QTest::newRow("NAK on block 2") << 300 << 1 << NAK << false << sending;
    QTest::newRow("CRC request while sending") << 300 << 1 << 'C' << false << sending;
    QTest::newRow("NAK on the last block") << 300 << 2 << NAK << false << last;
    QTest::newRow("NAK on the only block") << 10 << 0 << NAK << false << last;
    QTest::newRow("NAK on EOT") << 300 << 3 << NAK << true << eot;
}

void TstXmodemEngine::refusalResends() {
    QFETCH(int, size);
    QFETCH(int, acked);
    QFETCH(char, refusal);
    QFETCH(bool, resendsEot);
    QFETCH(int, state);
    Sender s(pattern(size));
    const XmodemStep before = s.advance(acked + 1);
    for (int i = 0; i < 3; ++i) {
        const XmodemStep again = s.send(refusal);
        QCOMPARE(again.send.toHex(), before.send.toHex());
        QCOMPARE(again.result, XmodemResult::Continue);
        QCOMPARE(int(s.engine.state()), state);
    }
    QCOMPARE(s.send(ACK).result, resendsEot ? XmodemResult::Completed : XmodemResult::Continue);
    if (!resendsEot && state == int(XmodemState::Sending))
        QCOMPARE(quint8(s.engine.packet().at(1)), quint8(acked + 2));
}

void TstXmodemEngine::idleIgnoresAllButNak_data() {
    QTest::addColumn<char>("byte");
    QTest::newRow("CRC request") << 'C';
    QTest::newRow("ACK") << ACK;
    QTest::newRow("EOT") << EOT;
    QTest::newRow("SOH") << SOH;
}

void TstXmodemEngine::idleIgnoresAllButNak() {
    QFETCH(char, byte);
    Sender s(pattern(500));
    for (int i = 0; i < 5; ++i) {
        const XmodemStep step = s.send(byte);
        QVERIFY(step.send.isEmpty());
        QVERIFY(!step.started);
        QCOMPARE(step.result, XmodemResult::Continue);
        QCOMPARE(s.engine.state(), XmodemState::Idle);
    }
    // Still at the start of the image when the NAK comes.
    QCOMPARE(s.send(NAK).send.mid(1, 5).toHex(),
             (QByteArray::fromHex("01FE") + s.image.left(3)).toHex());
}

void TstXmodemEngine::cancelInAnyState_data() {
    QTest::addColumn<int>("acked"); // -1: before the start NAK
    QTest::newRow("before the first NAK") << -1;
    QTest::newRow("while sending") << 1;
    QTest::newRow("after the last block") << 3;
    QTest::newRow("after EOT") << 4;
}

void TstXmodemEngine::cancelInAnyState() {
    QFETCH(int, acked);
    Sender s(pattern(300)); // three blocks
    if (acked >= 0)
        s.advance(acked + 1);
    const XmodemStep step = s.send(CAN);
    QCOMPARE(step.result, XmodemResult::Cancelled);
    QVERIFY(step.send.isEmpty());
    QCOMPARE(s.engine.state(), XmodemState::Idle);
}

void TstXmodemEngine::blockRefusedTooOftenGivesUp() {
    Sender s(pattern(1000));
    s.advance(2);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(s.send(NAK).send.size(), 132);
    const XmodemStep step = s.send(NAK);
    QCOMPARE(step.result, XmodemResult::GaveUp);
    QCOMPARE(step.send, QByteArray(2, CAN));
    QCOMPARE(s.engine.state(), XmodemState::Idle);
}

void TstXmodemEngine::retryCountRestartsWithEachBlock() {
    Sender s(pattern(128 * 40));
    s.send(NAK);
    for (int block = 1; block < 30; ++block) {
        for (int i = 0; i < 9; ++i)
            QCOMPARE(s.send(NAK).result, XmodemResult::Continue);
        QCOMPARE(s.send(ACK).result, XmodemResult::Continue);
    }
    QCOMPARE(quint8(s.engine.packet().at(1)), quint8(30));
}

void TstXmodemEngine::eotUnansweredIsResentThenTakenAsDone() {
    Sender s(pattern(10));
    QVERIFY(s.engine.eotUnanswered().send.isEmpty()); // nothing to do before EOT
    s.advance(2);
    QCOMPARE(s.engine.state(), XmodemState::EotSent);
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

void TstXmodemEngine::eotRefusedTooOftenGivesUp() {
    Sender s(pattern(10));
    s.advance(2);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(i % 2 ? s.send(NAK).send : s.engine.eotUnanswered().send, QByteArray(1, EOT));
    const XmodemStep step = s.send(NAK);
    QCOMPARE(step.result, XmodemResult::GaveUp);
    QCOMPARE(step.send, QByteArray(2, CAN));
}

void TstXmodemEngine::readErrorAbortsWithCancel() {
    FailingDevice image(128);
    XmodemEngine engine;
    engine.reset(&image);
    QCOMPARE(engine.receive(NAK).send.size(), 132);
    const XmodemStep step = engine.receive(ACK);
    QCOMPARE(step.result, XmodemResult::ReadFailed);
    QCOMPARE(step.send, QByteArray(2, CAN));
    QCOMPARE(engine.bytesSent(), qint64(128));

    engine.detach(); // a late NAK after the image was let go starts nothing
    const XmodemStep late = engine.receive(NAK);
    QCOMPARE(late.result, XmodemResult::ReadFailed);
    QCOMPARE(late.send, QByteArray(2, CAN));
}

void TstXmodemEngine::takeTransferBytes_data() {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("taken");
    QTest::newRow("SOH") << QByteArray("\x01", 1) << true;
    QTest::newRow("EOT") << QByteArray("\x04", 1) << true;
    QTest::newRow("ACK") << QByteArray("\x06", 1) << true;
    QTest::newRow("NAK") << QByteArray("\x15", 1) << true;
    QTest::newRow("CAN") << QByteArray("\x18", 1) << true;
    QTest::newRow("ACK and text after it") << QByteArray("\x06"
                                                         "Updata ok\r\n")
                                           << true;
    QTest::newRow("ACK then NAK") << QByteArray("\x06\x15") << true;
    QTest::newRow("CRC request") << QByteArray("C") << false;
    QTest::newRow("fill byte") << QByteArray("\x1A") << false;
    QTest::newRow("NUL") << QByteArray(1, '\0') << false;
    QTest::newRow("text then ACK") << QByteArray("@pwr\x06") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TstXmodemEngine::takeTransferBytes() {
    QFETCH(QByteArray, buffer);
    QFETCH(bool, taken);
    QByteArray receive = buffer;
    const QByteArray out = ::takeTransferBytes(receive);
    QCOMPARE(out, taken ? buffer : QByteArray());
    QCOMPARE(receive, taken ? QByteArray() : buffer);
}

void TstXmodemEngine::transferPercent_data() {
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("empty image") << qint64(0) << qint64(0) << 0;
    QTest::newRow("nothing yet") << qint64(0) << qint64(1000) << 0;
    QTest::newRow("one block of 1000") << qint64(128) << qint64(1000) << 12;
    QTest::newRow("truncated, not rounded") << qint64(2) << qint64(3) << 66;
    QTest::newRow("one byte short") << qint64(1048575) << qint64(1048576) << 99;
    QTest::newRow("all") << qint64(1000) << qint64(1000) << 100;
    QTest::newRow("past 2 GiB") << qint64(3000000000) << qint64(4000000000) << 75;
}

void TstXmodemEngine::transferPercent() {
    QFETCH(qint64, sent);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(::transferPercent(sent, total), percent);
}

void TstXmodemEngine::progressText() {
    QCOMPARE(transferProgressText(0), QString("Transimit finish 0%"));
    QCOMPARE(transferProgressText(42), QString("Transimit finish 42%"));
}

QTEST_GUILESS_MAIN(TstXmodemEngine)
#include "tst_xmodem_engine.moc"
