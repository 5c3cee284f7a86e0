// Random bytes and mutated recorded replies through assembly, routing and every parser: no
// crash, no hang, bounded buffers, results within their ranges. The default run is short;
// ctest -L fuzz runs the same with NB_FUZZ_INPUTS=1000000. NB_FUZZ_SEED picks another run.

#include "fixtures.h"
#include "protocol/battery_detail.h"
#include "protocol/burst.h"
#include "protocol/frame_assembler.h"
#include "protocol/reply_router.h"
#include "protocol/system_status.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

const int NoData = 268435455;
const double NoDataD = 268435455.0;
const int IdleBound = 64 * 1024 + 1;
const int StartedBound = 4 * 1024 * 1024 + 64 * 1024 + 1;

// Pieces of replies, markers and hostile numbers, '|'-separated.
const QList<QByteArray> kTokens =
    QByteArray(
        "@|$$|$|\r|\n|\r\n|\n\r|:|%| |\t|mV|mA|mC|mAH|Coulomb|Total Coulomb|Real Coulomb|B.T.St|"
        "DevType|System is|discharg|Present Num|System SOC|Cell Number|Barcode|Boot  version|"
        "Prechg relay|CFET|Command completed successfully|Command completed|Unknown command|"
        "Quit current mode|Target device is not present|99999999999999999999|-1|0|1|nan|inf|-inf|"
        "1e308|0x7fffffff|pwr 1|pwr |info |bat |ctrl\n|config\n|data\n|datalist event |"
        "Updata is ready!|\xe6\xb8\xa9|\xff|\xc3")
        .split('|');

// The commands a reply may answer; the first is a free text send.
const QStringList kCommands =
    QString(
        "|pwrsys\n|pwr\n|pwr 1\n|pwr 12\n|balance\n|ctrl\n|ctrl cfet on\n|ctrl dfet off\n|info 1\n|"
        "bat 1\n|config\n|config default\n|data\n|data event 3\n|datalist event 1\n|"
        "datalist history 2\n|tbar X\n|tall\n|login debug\n|disp pwrs 1\n|disp 0\n|updata\n|DLG\n")
        .split('|');

const int kCounts[] = {0, 1, 2, 3, 4, 15, 16, 17, -1, NoData};

class Fuzzer {
public:
    explicit Fuzzer(quint32 seed) : m_rng(seed) {
        for (const QString& name : fixtureNames())
            m_fixtures << fixtureBytes(name);
    }

    QByteArray input(int index) {
        if (index % 997 == 996)
            return longStream();
        switch (m_rng.bounded(4)) {
        case 0:
            return randomBytes(m_rng.bounded(600));
        case 1:
            return fixture() + fixture();
        default:
            return mutated(fixture());
        }
    }

    QList<QByteArray> chunks(const QByteArray& data) {
        QList<QByteArray> out;
        for (int at = 0; at < data.size(); at += out.last().size())
            out << data.mid(at, 1 + m_rng.bounded(qMax(1, qMin(data.size(), 256))));
        return out;
    }

    QString command() { return kCommands.at(m_rng.bounded(kCommands.size())); }
    int count() {
        return m_rng.bounded(3) == 0 ? m_rng.bounded(-5, 40) : kCounts[m_rng.bounded(10)];
    }
    QString device() { return m_rng.bounded(2) ? QStringLiteral("T-RACK-3660Z-M") : QString(); }

private:
    QByteArray fixture() { return m_fixtures.at(m_rng.bounded(m_fixtures.size())); }
    QByteArray token() { return kTokens.at(m_rng.bounded(kTokens.size())); }

    QByteArray randomBytes(int n) {
        QByteArray b;
        while (b.size() < n)
            b += m_rng.bounded(4) == 0 ? token() : QByteArray(1, char(m_rng.bounded(256)));
        return b;
    }

    QByteArray mutated(QByteArray b) {
        for (int edits = 1 + m_rng.bounded(8); edits > 0; --edits) {
            const int at = b.isEmpty() ? 0 : m_rng.bounded(b.size());
            const int len = m_rng.bounded(1, 40);
            const int op = m_rng.bounded(6);
            if (op == 0)
                b.remove(at, len);
            else if (op == 1)
                b.insert(at, token());
            else if (op == 2)
                b.insert(at, b.mid(at, len * 4));
            else if (op == 3)
                b.insert(at, randomBytes(len));
            else if (op == 4 && !b.isEmpty())
                b[at] = char(m_rng.bounded(256));
            else if (op == 5)
                b.truncate(at);
        }
        return b;
    }

    // ~200 KB of stream-like text, sometimes after a start marker.
    QByteArray longStream() {
        QByteArray b = m_rng.bounded(2) ? QByteArray("disp pwrs 1\r\n@\r\n") : QByteArray();
        while (b.size() < 200 * 1024)
            b += "12:00:01 53012 -2500 25000 87 3300 3320 Normal Normal\r\n";
        return b;
    }

    QRandomGenerator m_rng;
    QList<QByteArray> m_fixtures;
};

} // namespace

class TstProtocolFuzz : public QObject {
    Q_OBJECT
private slots:
    void fuzz();

private:
    void throughEverything(const QString& text, Fuzzer& f);
    qint64 m_parsed = 0;
};

void TstProtocolFuzz::throughEverything(const QString& text, Fuzzer& f) {
    ++m_parsed;
    const QString command = f.command();
    chooseDispatchRow(command, text, f.count());
    commandStateFor(command, text);
    const BurstEdit edit = editBurst(text);
    QVERIFY(!edit.replaceLastLine || !edit.text.contains(QLatin1Char('\r')));
    routeBurst(command, edit.text, f.device());

    parsePwrSys(text);
    parseCtrl(text);
    parseInfo(text);
    const int present = f.count();
    const PwrTableReply table = parsePwrTable(text, present);
    QVERIFY(table.rows.size() <= qMax(0, present));
    const BalanceReply balance = parseBalance(text, present);
    if (balance.outcome == BalanceReply::Outcome::Applied) {
        QCOMPARE(balance.lineCount, present);
        QVERIFY(balance.states.size() <= present);
    }
    const int cells = f.count();
    const CellTable bat = parseBat(text, cells);
    QVERIFY(bat.matched ? bat.cells.size() <= cells : bat.cells.isEmpty());
    const PwrBatReply pwr = parsePwrBat(text);
    QVERIFY(pwr.soh <= 100.0 || pwr.soh == NoDataD);
    QVERIFY(pwr.soc == NoData || pwr.complete);
}

void TstProtocolFuzz::fuzz() {
    const int asked = qEnvironmentVariableIntValue("NB_FUZZ_INPUTS");
    const int inputs = asked > 0 ? asked : 50000;
    bool seeded = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("NB_FUZZ_SEED", &seeded));
    Fuzzer f(seeded ? seed : 20240501u);
    FrameAssembler assembler;
    qint64 bytes = 0, replies = 0, slowestNs = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < inputs; ++i) {
        QElapsedTimer one;
        one.start();
        const QByteArray data = f.input(i);
        bytes += data.size();
        startsWithTransferByte(data);
        for (const QByteArray& chunk : f.chunks(data)) {
            const FeedResult r = assembler.feed(chunk);
            const int bound = assembler.hasStartMarker() ? StartedBound : IdleBound;
            QVERIFY2(assembler.bufferedBytes() <= bound, qPrintable(QString::number(i)));
            for (const FrameEvent& e : r.events) {
                if (e.kind == FrameEvent::Kind::Reply) {
                    ++replies;
                    throughEverything(e.reply, f);
                }
            }
        }
        throughEverything(QString::fromUtf8(data.constData(), data.size()).remove('\r'), f);
        if (QTest::currentTestFailed()) {
            qWarning("failed on input %d: %s", i, data.left(300).toHex().constData());
            return;
        }
        slowestNs = qMax(slowestNs, one.nsecsElapsed());
    }
    qInfo("%d inputs (%lld bytes, %lld replies assembled, %lld texts parsed) in %lld ms; "
          "slowest input %.1f ms",
          inputs, bytes, replies, m_parsed, total.elapsed(), slowestNs / 1e6);
    QVERIFY2(slowestNs < 2000LL * 1000 * 1000, "an input took more than 2 s");
}

QTEST_GUILESS_MAIN(TstProtocolFuzz)
#include "tst_protocol_fuzz.moc"
