// Replies handed to a dispatcher that waits in nested event loops, as the main window's
// does: replies that arrive during a wait are dispatched in it, one level deep at most;
// none is lost or reordered, and a flood keeps only the newest.
#include "serial/reply_delivery.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

namespace {
void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

class TstReplyDelivery : public QObject {
    Q_OBJECT
private slots:
    void nestedWaits_data();
    void nestedWaits();
    void floodKeepsNewest();
};

// Each reply is "<name>" or "<name>:<more>": dispatching it waits 30 ms (120 ms for a name
// beginning with "long") and, as that wait begins, the replies listed in <more> arrive. The
// order notes a nested dispatch as "[<reply>" ... "<reply>]".
void TstReplyDelivery::nestedWaits_data() {
    QTest::addColumn<QStringList>("arriving");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("deepest");
    QTest::newRow("one after another") << QStringList{"a", "b"} << "a b" << 1;
    QTest::newRow("arrives in a wait") << QStringList{"a:b"} << "a:b [b b]" << 2;
    QTest::newRow("dispatched later in a long wait")
        << QStringList{"long:b,c"} << "long:b,c [b b] [c c]" << 2;
    QTest::newRow("arrives in the inner wait, held for it")
        << QStringList{"long:b:c"} << "long:b:c [b:c b:c] [c c]" << 2;
}

void TstReplyDelivery::nestedWaits() {
    QFETCH(QStringList, arriving);
    ReplyDelivery delivery;
    QStringList seen;
    int deepest = 0;
    int running = 0;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& reply) {
        ++running;
        deepest = qMax(deepest, delivery.depth());
        seen << (running > 1 ? "[" + reply : reply);
        const int colon = reply.indexOf(':');
        if (colon > 0) {
            for (const QString& more : reply.mid(colon + 1).split(','))
                delivery.push(more);
        }
        waitMs(reply.startsWith("long") ? 120 : 30);
        if (running > 1)
            seen << reply + "]";
        --running;
    });
    for (const QString& r : arriving)
        delivery.push(r);
    QVERIFY(seen.isEmpty()); // never from inside push(), i.e. the port's handler
    QTRY_COMPARE(delivery.pending(), 0);
    QTRY_COMPARE(running, 0);
    QTEST(seen.join(' '), "order");
    QTEST(deepest, "deepest");
}

// Replies pushed faster than anyone dispatches them: the newest 64 stay, in order.
void TstReplyDelivery::floodKeepsNewest() {
    ReplyDelivery delivery;
    QStringList seen;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& r) { seen << r; });
    for (int i = 0; i < 1000; ++i)
        delivery.push(QString::number(i));
    QCOMPARE(delivery.pending(), 64);
    QTRY_COMPARE(seen.size(), 64);
    QCOMPARE(seen.first(), QString("936"));
    QCOMPARE(seen.last(), QString("999"));
    // A reply bigger than the whole bound is still delivered on its own.
    delivery.push(QString(9 * 1024 * 1024, 'x'));
    delivery.push("after");
    QCOMPARE(delivery.pending(), 1);
}

QTEST_GUILESS_MAIN(TstReplyDelivery)
#include "tst_reply_delivery.moc"
