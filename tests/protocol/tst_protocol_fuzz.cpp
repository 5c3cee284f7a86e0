// Random bytes and mutated recorded replies through assembly, routing and every parser: no
// crash, no hang, bounded buffers, results within their ranges. ctest -L fuzz runs it with
// NB_FUZZ_INPUTS=1000000; NB_FUZZ_SEED picks another run.

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

struct Fuzzer {
    QRandomGenerator rng;
    QList<QByteArray> fixtures;

    int any(int n) { return int(rng.bounded(n)); }
    QByteArray fixture() { return fixtures.at(any(fixtures.size())); }
    QByteArray token() { return kTokens.at(any(kTokens.size())); }
    QString command() { return kCommands.at(any(kCommands.size())); }
    int count() { return any(3) == 0 ? rng.bounded(-5, 40) : kCounts[any(10)]; }
    QString device() { return any(2) ? QStringLiteral("T-RACK-3660Z-M") : QString(); }

    QByteArray input(int index) {
        if (index % 997 == 996) { // ~200 KB of stream-like text, sometimes after a start marker
            QByteArray b = any(2) ? QByteArray("disp pwrs 1\r\n@\r\n") : QByteArray();
            while (b.size() < 200 * 1024)
                b += "12:00:01 53012 -2500 25000 87 3300 3320 Normal Normal\r\n";
            return b;
        }
        const int kind = any(4);
        return kind == 0 ? randomBytes(any(600)) : kind == 1 ? fixture() + fixture() : mutated();
    }

    QList<QByteArray> chunks(const QByteArray& data) {
        QList<QByteArray> out;
        for (int at = 0; at < data.size(); at += out.last().size())
            out << data.mid(at, 1 + any(qMax(1, qMin(data.size(), 256))));
        return out;
    }

    QByteArray randomBytes(int n) {
        QByteArray b;
        while (b.size() < n)
            b += any(4) == 0 ? token() : QByteArray(1, char(any(256)));
        return b;
    }

    // Removes, inserts (token, copy, noise), overwrites or truncates, 1 to 8 times.
    QByteArray mutated() {
        QByteArray b = fixture();
        for (int edits = 1 + any(8); edits > 0; --edits) {
            const int at = b.isEmpty() ? 0 : any(b.size()), len = rng.bounded(1, 40), op = any(6);
            if (op == 0)
                b.remove(at, len);
            else if (op < 4)
                b.insert(at, op == 1 ? token() : op == 2 ? b.mid(at, len * 4) : randomBytes(len));
            else if (op == 4 && !b.isEmpty())
                b[at] = char(any(256));
            else if (op == 5)
                b.truncate(at);
        }
        return b;
    }
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
    QVERIFY(parsePwrTable(text, present).rows.size() <= qMax(0, present));
    const BalanceReply balance = parseBalance(text, present);
    if (balance.outcome == BalanceReply::Outcome::Applied)
        QVERIFY(balance.lineCount == present && balance.states.size() <= present);
    const int cells = f.count();
    const CellTable bat = parseBat(text, cells);
    QVERIFY(bat.matched ? bat.cells.size() <= cells : bat.cells.isEmpty());
    const PwrBatReply pwr = parsePwrBat(text);
    QVERIFY(pwr.soh <= 100.0 || pwr.soh == double(NoData));
    QVERIFY(pwr.soc == NoData || pwr.complete);
}

void TstProtocolFuzz::fuzz() {
    const int asked = qEnvironmentVariableIntValue("NB_FUZZ_INPUTS");
    const int inputs = asked > 0 ? asked : 50000;
    bool seeded = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("NB_FUZZ_SEED", &seeded));
    Fuzzer f{QRandomGenerator(seeded ? seed : 20240501u), {}};
    for (const QString& name : fixtureNames())
        f.fixtures << fixtureBytes(name);
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
            // 64 KiB idle, 4 MiB more once a reply has started
            const int bound = 64 * 1024 + 1 + (assembler.hasStartMarker() ? 4 * 1024 * 1024 : 0);
            QVERIFY2(assembler.bufferedBytes() <= bound, qPrintable(QString::number(i)));
            for (const FrameEvent& e : r.events) {
                if (e.kind == FrameEvent::Kind::Reply)
                    throughEverything(e.reply, f), ++replies;
            }
        }
        throughEverything(QString::fromUtf8(data.constData(), data.size()).remove('\r'), f);
        if (QTest::currentTestFailed())
            return qWarning("failed on input %d: %s", i, data.left(300).toHex().constData());
        slowestNs = qMax(slowestNs, one.nsecsElapsed());
    }
    qInfo("%d inputs (%lld bytes, %lld replies, %lld texts parsed) in %lld ms; slowest %.1f ms",
          inputs, bytes, replies, m_parsed, total.elapsed(), slowestNs / 1e6);
    QVERIFY2(slowestNs < 2000LL * 1000 * 1000, "an input took more than 2 s");
}

QTEST_GUILESS_MAIN(TstProtocolFuzz)
#include "tst_protocol_fuzz.moc"
