// Frame assembly: however the line cuts the bytes, the same replies come out; text that never
// ends stays bounded and costs the same per chunk at the end of a day as at its start.

#include "fixtures.h"
#include "protocol/frame_assembler.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

using Chunks = QList<QByteArray>;
Q_DECLARE_METATYPE(Chunks)

namespace {

// One line per event: "R:" + reply text, "E:" + raw frame (misplaced end), "O" (overflow);
// then the count of trimmed bytes, if any.
QStringList feedAll(const Chunks& chunks) {
    FrameAssembler assembler;
    QStringList events;
    qint64 trimmed = 0;
    for (const QByteArray& chunk : chunks) {
        const FeedResult r = assembler.feed(chunk);
        trimmed += r.trimmedBytes;
        for (const FrameEvent& e : r.events)
            events << (e.kind == FrameEvent::Kind::Reply       ? "R:" + e.reply
                       : e.kind == FrameEvent::Kind::Misplaced ? "E:" + QString::fromUtf8(e.raw)
                                                               : QStringLiteral("O"));
    }
    if (trimmed > 0)
        events << QStringLiteral("trimmed %1").arg(trimmed);
    return events;
}

// The same events when fed byte by byte and in random pieces of up to a third.
void checkHoweverCut(const QByteArray& all, const QStringList& expected, quint32 seeds) {
    for (quint32 seed = 0; seed <= seeds; ++seed) {
        QRandomGenerator rng(seed);
        const int maxPiece = seed == 0 ? 1 : qMax(1, all.size() / 3);
        Chunks chunks;
        for (int at = 0; at < all.size(); at += chunks.last().size())
            chunks << all.mid(at, 1 + rng.bounded(maxPiece));
        QCOMPARE(feedAll(chunks), expected);
    }
}

// A measurement stream line at 1 Hz: ~100 bytes, no end marker.
QByteArray streamLine(int second) {
    return "2024-05-01 " + QTime(0, 0).addSecs(second).toString("hh:mm:ss").toLatin1() +
           " 53012 -2500 25000 87 3300 3320 24000 26000 100000 Normal Normal Normal Normal\r\n";
}

} // namespace

class TstFrameAssembler : public QObject {
    Q_OBJECT
private slots:
    void sameEventsHoweverChunked_data() {
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
        QTest::newRow("reply without end prefixes the next")
            << Chunks{"info 1\r\n@\r\npartial\r\n", "pwrsys\r\n@\r\nX\r\n$$"}
            << QStringList{"R:info 1\n@\npartial\npwrsys\n@\nX\n$$"};
        QTest::newRow("NUL and CR removed, prompt kept")
            << Chunks{QByteArray("\r\n\0\0bms>pwr\r\r\n@\0\r\nx\r\n$$", 23)}
            << QStringList{"R:bms>pwr\n@\nx\n$$"};
        QTest::newRow("UTF-8 character cut by the line")
            << Chunks{QStringLiteral("info 1\r\n@\r\nName : B\u00e4tterie \u6e29\r\n$$").toUtf8()}
            << QStringList{QStringLiteral("R:info 1\n@\nName : B\u00e4tterie \u6e29\n$$")};
        QTest::newRow("three dollars")
            << Chunks{"@a$$$", "$@b$$"} << QStringList{"R:@a$$", "E:$$", "R:@b$$"};
        QByteArray recorded;
        QStringList replies;
        for (const QString& name : fixtureNames()) {
            recorded += "\r\nbms>" + fixtureBytes(name);
            replies << QStringLiteral("R:bms>") + fixtureReply(name).trimmed();
        }
        QTest::newRow("recorded replies back to back") << Chunks{recorded} << replies;
    }

    void sameEventsHoweverChunked() {
        QFETCH(Chunks, chunks);
        QFETCH(QStringList, expected);
        QCOMPARE(feedAll(chunks), expected);
        checkHoweverCut(chunks.join(), expected, 20);
    }

    // Noise past the idle limit is trimmed by stream position, never by chunk boundaries.
    void longNoiseTrimmedByStreamPosition() {
        QByteArray all;
        for (int i = 0; i < 3500; ++i)
            all += (i == 2000 ? "odd$$" : "") + streamLine(i);
        all += fixtureBytes("ctrl_fet.txt");
        const QStringList whole = feedAll(Chunks{all});
        QCOMPARE(whole.size(), 3);
        QVERIFY(whole.at(0).startsWith("E:") && whole.at(0).endsWith("odd$$"));
        QVERIFY(whole.at(1).endsWith(fixtureReply("ctrl_fet.txt").trimmed()));
        QVERIFY(whole.at(2).startsWith("trimmed "));
        checkHoweverCut(all, whole, 2);
    }

    // 86,400 lines, one chunk each, then a reply, with and without a start marker before: the
    // buffer stays within 64 KiB (4 MiB more once a reply started), the time per chunk at the end
    // is about that at the start, and the reply still comes out.
    void dayOfStreamStaysBounded() {
        for (const QByteArray& before : {QByteArray(), QByteArray("disp pwrs 1\r\n@\r\n")}) {
            const int lines = 86400,
                      bound = before.isEmpty() ? 64 * 1024 + 1 : 4 * 1024 * 1024 + 64 * 1024;
            FrameAssembler a;
            a.feed(before);
            qint64 fed = before.size(), trimmed = 0, ns[2] = {0, 0};
            int overflows = 0, maxBuffered = 0;
            QElapsedTimer clock;
            for (int i = 0; i < lines; ++i) {
                const QByteArray line = streamLine(i);
                fed += line.size();
                clock.start();
                const FeedResult r = a.feed(line);
                if (i < lines / 10 || i >= lines - lines / 10)
                    ns[i >= lines / 2] += clock.nsecsElapsed();
                trimmed += r.trimmedBytes;
                for (const FrameEvent& e : r.events) {
                    QCOMPARE(e.kind, FrameEvent::Kind::Overflow);
                    QVERIFY(e.raw.size() <= 512);
                    ++overflows;
                }
                maxBuffered = qMax(maxBuffered, a.bufferedBytes());
            }
            QVERIFY2(maxBuffered <= bound, qPrintable(QString::number(maxBuffered)));
            QCOMPARE(overflows > 0, !before.isEmpty());
            QVERIFY(!before.isEmpty() || trimmed + a.bufferedBytes() == fed);
            qInfo("first 10%%: %.1f ms, last 10%%: %.1f ms", ns[0] / 1e6, ns[1] / 1e6);
            QVERIFY2(ns[1] < 5 * ns[0] + 200 * 1000 * 1000, "time per chunk grew over the day");
            const FeedResult r = a.feed(fixtureBytes("pwrsys.txt"));
            QCOMPARE(r.events.size(), 1);
            QVERIFY(r.events.at(0).reply.endsWith(fixtureReply("pwrsys.txt").trimmed()));
            QCOMPARE(a.bufferedBytes(), 2); // the trailing line end
        }
    }
};

QTEST_GUILESS_MAIN(TstFrameAssembler)
#include "tst_frame_assembler.moc"
