// Replies handed to a dispatcher that waits in nested event loops, as the main window's
// does: one that arrives during a wait is dispatched in it, one level deep at most; none is
// lost or reordered, and a flood keeps only the newest.
#include "serial/reply_delivery.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

class TstReplyDelivery : public QObject {
    Q_OBJECT
private slots:
    void nestedWaits_data();
    void nestedWaits();
    void floodKeepsNewest();
};

// A reply "<name>:<more>" makes the replies listed in <more> arrive as its dispatch begins a
// wait of 30 ms (120 ms for a name starting "long"). A nested dispatch shows as "[r ... r]".
void TstReplyDelivery::nestedWaits_data() {
    QTest::addColumn<QStringList>("arriving");
    QTest::addColumn<QString>("order");
    QTest::newRow("queued, dispatched in the wait") << QStringList{"a", "b"} << "a [b b]";
    QTest::newRow("arrives in a wait") << QStringList{"a:b"} << "a:b [b b]";
    QTest::newRow("waits for the nested one") << QStringList{"long:b,c"} << "long:b,c [b b] [c c]";
    QTest::newRow("no deeper than one") << QStringList{"long:b:c"} << "long:b:c [b:c b:c] [c c]";
}

void TstReplyDelivery::nestedWaits() {
    QFETCH(QStringList, arriving);
    ReplyDelivery delivery;
    QStringList seen;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& reply) {
        const bool nested = delivery.depth() > 1;
        seen << (nested ? "[" + reply : reply);
        if (reply.contains(':'))
            for (const QString& more : reply.section(':', 1).split(','))
                delivery.push(more);
        QEventLoop wait;
        QTimer::singleShot(reply.startsWith("long") ? 120 : 30, &wait, &QEventLoop::quit);
        wait.exec();
        if (nested)
            seen << reply + "]";
    });
    for (const QString& r : arriving)
        delivery.push(r);
    QVERIFY(seen.isEmpty()); // never from inside push(), i.e. the port's read handler
    QTRY_VERIFY(delivery.pending() == 0 && delivery.depth() == 0);
    QTEST(seen.join(' '), "order");
}

// Replies pushed faster than anyone dispatches them: the newest 64 stay, in order; a reply
// bigger than the whole bound still goes on its own.
void TstReplyDelivery::floodKeepsNewest() {
    ReplyDelivery delivery;
    QStringList seen;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& r) { seen << r; });
    for (int i = 0; i < 1000; ++i)
        delivery.push(QString::number(i));
    QTRY_COMPARE(seen.size(), 64);
    QCOMPARE(seen.first() + "-" + seen.last(), QString("936-999"));
    delivery.push(QString(9 * 1024 * 1024, 'x'));
    delivery.push("after");
    QCOMPARE(delivery.pending(), 1);
}

QTEST_GUILESS_MAIN(TstReplyDelivery)
#include "tst_reply_delivery.moc"
