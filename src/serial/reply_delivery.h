#pragma once
// Hands complete replies to the dispatcher one at a time from the event loop, never from
// inside the port's own read handler (a dispatcher that waits there holds the port's
// handler on the stack, and the port sends nothing new until it returns).
//
// A dispatcher waits in nested event loops, and the next reply (queued or arriving
// meanwhile) is handed over within that wait; the nesting stops at kMaxDispatchDepth, and
// later replies wait in order until a dispatch returns. The queue is bounded, so a line
// that sends replies faster than they can be dispatched cannot grow it without limit.

#include <QObject>
#include <QQueue>
#include <QString>

class ReplyDelivery : public QObject {
    Q_OBJECT
public:
    explicit ReplyDelivery(QObject* parent = nullptr);

    void push(const QString& reply);
    // Forgets the replies not yet handed over (the link was closed).
    void clear();
    int pending() const { return m_replies.size(); }
    // Dispatches running now, the outer one included.
    int depth() const { return m_depth; }

signals:
    // Connected directly to the dispatcher: the dispatch runs inside the emission.
    void replyReady(const QString& reply);

private:
    void schedule();
    void deliverNext();

    QQueue<QString> m_replies;
    qint64 m_chars = 0;
    int m_depth = 0;
    bool m_scheduled = false;
};
