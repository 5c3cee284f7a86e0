// Replies handed to a dispatcher that waits in nested event loops, as the main window's does.
#include "serial/reply_delivery.h"

#include <QEventLoop>
#include <QTimer>
#include <QtTest>

class TstReplyDelivery : public QObject {
    Q_OBJECT
private slots:
    void nestedWaits();
    void floodKeepsNewest();
};

// Seen as reply and depth; "b:c" pushes "c" as its dispatch waits (outer 120 ms, nested 30).
// Catches a queued reply left until the wait ends, nesting deeper than one, a reply stranded.
void TstReplyDelivery::nestedWaits() {
    ReplyDelivery delivery;
    QStringList seen;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& reply) {
        seen << reply + QString::number(delivery.depth());
        if (reply.contains(':'))
            delivery.push(reply.section(':', 1));
        QEventLoop wait;
        QTimer::singleShot(delivery.depth() > 1 ? 30 : 120, &wait, &QEventLoop::quit);
        wait.exec();
    });
    delivery.push("a");
    delivery.push("b:c");
    QVERIFY(seen.isEmpty()); // never from inside push(), i.e. the port's read handler
    QTRY_VERIFY(delivery.pending() == 0 && delivery.depth() == 0);
    QCOMPARE(seen.join(' '), QString("a1 b:c2 c2"));
}

// A flood keeps the newest 64 in order; a reply past the character bound is kept only alone.
void TstReplyDelivery::floodKeepsNewest() {
    ReplyDelivery delivery;
    QStringList seen;
    connect(&delivery, &ReplyDelivery::replyReady, [&](const QString& r) { seen << r; });
    for (int i = 0; i < 1000; ++i)
        delivery.push(QString::number(i));
    QTRY_COMPARE(seen.size(), 64);
    QCOMPARE(seen.first() + "-" + seen.last(), QString("936-999"));
    delivery.push(QString(9 * 1024 * 1024, 'x'));
    QCOMPARE(delivery.pending(), 1);
    delivery.push("after");
    QTRY_COMPARE(seen.mid(64), QStringList{"after"});
}

QTEST_GUILESS_MAIN(TstReplyDelivery)
#include "tst_reply_delivery.moc"
