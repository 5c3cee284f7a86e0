// Frame assembly: however the line cuts the bytes, the same replies come out; text that never
// ends stays bounded and costs the same per chunk at the end of a day as at its start.

#include "fixtures.h"
#include "protocol/frame_assembler.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

using Chunks = QList<QByteArray>;
Q_DECLARE_METATYPE(Chunks)

namespace {

const int IdleLimit = 64 * 1024;
const int MaxWithStart = 4 * 1024 * 1024;

// One line per event: "R:" + reply text, "E:" + raw frame (misplaced end), "O" (overflow).
struct Run {
    QStringList events;
    qint64 trimmed = 0;
    int maxBuffered = 0;
};

Run feedAll(const Chunks& chunks) {
    FrameAssembler assembler;
    Run run;
    for (const QByteArray& chunk : chunks) {
        const FeedResult r = assembler.feed(chunk);
        run.trimmed += r.trimmedBytes;
        run.maxBuffered = qMax(run.maxBuffered, assembler.bufferedBytes());
        for (const FrameEvent& e : r.events) {
            switch (e.kind) {
            case FrameEvent::Kind::Reply:
                run.events << QStringLiteral("R:") + e.reply;
                break;
            case FrameEvent::Kind::Misplaced:
                run.events << QStringLiteral("E:") +
                                  QString::fromUtf8(e.raw.constData(), e.raw.size());
                break;
            case FrameEvent::Kind::Overflow:
                run.events << QStringLiteral("O");
                break;
            }
        }
    }
    return run;
}

QByteArray joined(const Chunks& chunks) {
    QByteArray all;
    for (const QByteArray& c : chunks) {
        all += c;
    }
    return all;
}

Chunks byteByByte(const QByteArray& all) {
    Chunks chunks;
    for (char c : all) {
        chunks << QByteArray(1, c);
    }
    return chunks;
}

Chunks randomCuts(const QByteArray& all, quint32 seed) {
    QRandomGenerator rng(seed);
    Chunks chunks;
    for (int at = 0; at < all.size();) {
        const int n = 1 + rng.bounded(qMax(1, all.size() / 3));
        chunks << all.mid(at, n);
        at += n;
    }
    return chunks;
}

QByteArray crlf(const QString& text) {
    return text.toUtf8().replace("\n", "\r\n");
}

// A day of a measurement stream at 1 Hz: ~100-byte lines, no end marker.
QByteArray streamLine(int second) {
    return QStringLiteral(
               "2024-05-01 %1 %2 %3 %4 %5 %6 %7 %8 %9 100000 Normal Normal Normal Normal\r\n")
        .arg(QTime(0, 0).addSecs(second).toString("hh:mm:ss"))
        .arg(53000 + second % 17)
        .arg(-2500 + second % 13)
        .arg(25000 + second % 11)
        .arg(87)
        .arg(3300 + second % 7)
        .arg(3320)
        .arg(24000)
        .arg(26000)
        .toLatin1();
}

} // namespace

class TstFrameAssembler : public QObject {
    Q_OBJECT
private slots:
    void sameEventsHoweverChunked_data();
    void sameEventsHoweverChunked();
    void dispatchedRightAfterEndChunk();
    void recordedRepliesBackToBack();
    void dayOfStreamStaysBounded_data();
    void dayOfStreamStaysBounded();
    void longNoiseThenReplyChunkingIndependent();
};

void TstFrameAssembler::sameEventsHoweverChunked_data() {
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("reply in three chunks")
        << Chunks{"pwrsys\r\n@\r\n", "System is idle\r\nPresent Num : 1\r\n",
                  "Command completed successfully\r\n$$\r\n"}
        << QStringList{"R:pwrsys\n@\nSystem is idle\nPresent Num : 1\n"
                       "Command completed successfully\n$$"};
    QTest::newRow("two replies in one chunk")
        << Chunks{"pwr 1\r\n@\r\nA\r\n$$\r\nbalance\r\n@\r\n1 0\r\n$$\r\n"}
        << QStringList{"R:pwr 1\n@\nA\n$$", "R:balance\n@\n1 0\n$$"};
    QTest::newRow("end before start is cut, next reply kept")
        << Chunks{"noise$$ctrl\r\n@\r\nCFET : ON\r\n$$"}
        << QStringList{"E:noise$$", "R:ctrl\n@\nCFET : ON\n$$"};
    QTest::newRow("end marker split across chunks")
        << Chunks{"ctrl\r\n@\r\nDFET : OFF\r\n$", "$\r\n"}
        << QStringList{"R:ctrl\n@\nDFET : OFF\n$$"};
    QTest::newRow("text after the end starts the next frame")
        << Chunks{"a\r\n@\r\n1\r\n$$\r\nb\r\n@", "\r\n2\r\n$$"}
        << QStringList{"R:a\n@\n1\n$$", "R:b\n@\n2\n$$"};
    QTest::newRow("reply without end prefixes the next")
        << Chunks{"info 1\r\n@\r\npartial\r\n", "pwrsys\r\n@\r\nX\r\n$$"}
        << QStringList{"R:info 1\n@\npartial\npwrsys\n@\nX\n$$"};
    QTest::newRow("NUL and CR removed, prompt kept")
        << Chunks{QByteArray("\r\n\0\0bms>pwr\r\r\n@\0\r\nx\r\n$$", 23)}
        << QStringList{"R:bms>pwr\n@\nx\n$$"};
    QTest::newRow("UTF-8 character cut by the line")
        << Chunks{crlf(QStringLiteral("info 1\n@\nName : B\u00e4tterie \u6e29\n$$"))}
        << QStringList{QStringLiteral("R:info 1\n@\nName : B\u00e4tterie \u6e29\n$$")};
    QTest::newRow("three dollars")
        << Chunks{"@a$$$", "$@b$$"} << QStringList{"R:@a$$", "E:$$", "R:@b$$"};
    QTest::newRow("lone end marker") << Chunks{"$$"} << QStringList{"E:$$"};
    QTest::newRow("nothing complete")
        << Chunks{"pwrsys\r\n@\r\nSystem is", " idle\r\n$"} << QStringList{};
}

void TstFrameAssembler::sameEventsHoweverChunked() {
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, expected);
    const QByteArray all = joined(chunks);
    QCOMPARE(feedAll(chunks).events, expected);
    QCOMPARE(feedAll(Chunks{all}).events, expected);
    QCOMPARE(feedAll(byteByByte(all)).events, expected);
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QCOMPARE(feedAll(randomCuts(all, seed)).events, expected);
    }
}

// The reply leaves with the chunk that brings its end marker, not earlier, not twice.
void TstFrameAssembler::dispatchedRightAfterEndChunk() {
    FrameAssembler a;
    QVERIFY(a.feed("\r\npwrsys\r\n@").events.isEmpty());
    QVERIFY(a.hasStartMarker());
    QVERIFY(a.feed("\r\nSystem is idle\r\n").events.isEmpty());
    const FeedResult r = a.feed("Command completed successfully\r\n$$\r\nbms>");
    QCOMPARE(r.events.size(), 1);
    QCOMPARE(r.events.at(0).kind, FrameEvent::Kind::Reply);
    QVERIFY(!r.events.at(0).reply.contains(QLatin1Char('\r')));
    QCOMPARE(a.bufferedBytes(), 6); // "\r\nbms>" waits for the next reply
    QVERIFY(a.feed("").events.isEmpty());
}

void TstFrameAssembler::recordedRepliesBackToBack() {
    QByteArray all;
    QStringList expected;
    for (const QString& name : fixtureNames()) {
        all += "\r\nbms>" + fixtureBytes(name);
        expected << QStringLiteral("R:bms>") + fixtureReply(name).trimmed();
    }
    QCOMPARE(feedAll(Chunks{all}).events, expected);
    QCOMPARE(feedAll(byteByByte(all)).events, expected);
    QCOMPARE(feedAll(randomCuts(all, 99)).events, expected);
}

void TstFrameAssembler::dayOfStreamStaysBounded_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("bound");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("no start marker") << QByteArray() << IdleLimit + 1 << false;
    QTest::newRow("start marker, no end")
        << QByteArray("disp pwrs 1\r\n@\r\n") << MaxWithStart + IdleLimit << true;
}

// 86,400 lines of ~100 bytes, one chunk each, then a reply: the buffer stays bounded, the
// time per chunk at the end is about that at the start, and the reply still comes out.
void TstFrameAssembler::dayOfStreamStaysBounded() {
    QFETCH(QByteArray, before);
    QFETCH(int, bound);
    QFETCH(bool, overflows);
    const int lines = 86400;
    FrameAssembler a;
    a.feed(before);
    qint64 fed = before.size();
    qint64 trimmed = 0;
    int overflowCount = 0;
    int maxBuffered = 0;
    qint64 firstNs = 0;
    qint64 lastNs = 0;
    QElapsedTimer clock;
    for (int i = 0; i < lines; ++i) {
        const QByteArray line = streamLine(i);
        fed += line.size();
        clock.start();
        const FeedResult r = a.feed(line);
        const qint64 ns = clock.nsecsElapsed();
        if (i < lines / 10) {
            firstNs += ns;
        } else if (i >= lines - lines / 10) {
            lastNs += ns;
        }
        trimmed += r.trimmedBytes;
        for (const FrameEvent& e : r.events) {
            QCOMPARE(e.kind, FrameEvent::Kind::Overflow);
            QVERIFY(e.raw.size() <= 512);
            ++overflowCount;
        }
        maxBuffered = qMax(maxBuffered, a.bufferedBytes());
    }
    QVERIFY2(fed > 8000000, qPrintable(QString::number(fed)));
    QVERIFY2(maxBuffered <= bound, qPrintable(QString::number(maxBuffered)));
    QCOMPARE(overflowCount > 0, overflows);
    if (!overflows) {
        QCOMPARE(trimmed + a.bufferedBytes(), fed);
    }
    qInfo("first 10%%: %.1f ms, last 10%%: %.1f ms, max buffered %d B", firstNs / 1e6, lastNs / 1e6,
          maxBuffered);
    QVERIFY2(lastNs < 5 * firstNs + 200 * 1000 * 1000, "time per chunk grew over the day");

    const FeedResult r = a.feed(fixtureBytes("pwrsys.txt"));
    QCOMPARE(r.events.size(), 1);
    QCOMPARE(r.events.at(0).kind, FrameEvent::Kind::Reply);
    QVERIFY(r.events.at(0).reply.endsWith(fixtureReply("pwrsys.txt").trimmed()));
    QCOMPARE(a.bufferedBytes(), 2); // the trailing line end
}

// Trimming is placed by stream position: the same events and the same trimmed byte count for
// a long run of noise whether it came whole, line by line or byte by byte.
void TstFrameAssembler::longNoiseThenReplyChunkingIndependent() {
    QByteArray all;
    for (int i = 0; i < 3000; ++i) {
        all += streamLine(i);
    }
    all += "odd$$"; // cut as misplaced after ~300 KB of noise
    for (int i = 0; i < 1500; ++i) {
        all += streamLine(i);
    }
    all += fixtureBytes("ctrl_fet.txt");
    const Run whole = feedAll(Chunks{all});
    QCOMPARE(whole.events.size(), 2);
    QVERIFY(whole.events.at(0).startsWith("E:") && whole.events.at(0).endsWith("odd$$"));
    QVERIFY(whole.events.at(1).startsWith("R:"));
    QVERIFY(whole.events.at(1).endsWith(fixtureReply("ctrl_fet.txt").trimmed()));
    QVERIFY(whole.trimmed > 0);
    const Run bytes = feedAll(byteByByte(all));
    QCOMPARE(bytes.events, whole.events);
    QCOMPARE(bytes.trimmed, whole.trimmed);
    QVERIFY(bytes.maxBuffered <= IdleLimit + 1);
    for (quint32 seed : {3u, 4u}) {
        const Run cut = feedAll(randomCuts(all, seed));
        QCOMPARE(cut.events, whole.events);
        QCOMPARE(cut.trimmed, whole.trimmed);
    }
}

QTEST_GUILESS_MAIN(TstFrameAssembler)
#include "tst_frame_assembler.moc"
