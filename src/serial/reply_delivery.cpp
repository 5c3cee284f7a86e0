#include "serial/reply_delivery.h"

#include "serial/serial_constants.h"

#include <QDebug>

ReplyDelivery::ReplyDelivery(QObject* parent) : QObject(parent) {}

void ReplyDelivery::push(const QString& reply) {
    m_replies.enqueue(reply);
    m_chars += reply.size();
    while (m_replies.size() > 1 &&
           (m_replies.size() > kMaxPendingReplies || m_chars > kMaxPendingReplyChars)) {
        const QString dropped = m_replies.dequeue();
        m_chars -= dropped.size();
        qDebug() << "reply dropped, too many waiting:" << dropped.left(80);
    }
    schedule();
}

void ReplyDelivery::clear() {
    m_replies.clear();
    m_chars = 0;
}

void ReplyDelivery::schedule() {
    if (m_scheduled || m_replies.isEmpty())
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &ReplyDelivery::deliverNext, Qt::QueuedConnection);
}

void ReplyDelivery::deliverNext() {
    m_scheduled = false;
    // At the depth limit the reply waits; the dispatch that returns schedules it again.
    if (m_replies.isEmpty() || m_depth >= kMaxDispatchDepth)
        return;
    const QString reply = m_replies.dequeue();
    m_chars -= reply.size();
    ++m_depth;
    schedule(); // the next one may go within this dispatch's waits
    emit replyReady(reply);
    --m_depth;
    schedule();
}
