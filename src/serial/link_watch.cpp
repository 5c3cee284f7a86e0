#include "serial/link_watch.h"

#include "serial/serial_constants.h"

LinkWatch::LinkWatch(Clock clock) : m_clock(std::move(clock)) {}

void LinkWatch::loggedIn(const QString& port) {
    m_open = true;
    m_port = port;
    m_answered = false;
    m_waitingSinceMs = -1;
    m_lostPort.clear(); // the user logged in somewhere: no port to bring back
}

void LinkWatch::loggedOut() {
    m_open = false;
    m_hasData = false;
    m_lost = false;
    m_waitingSinceMs = -1;
}

void LinkWatch::linkLost() {
    if (!m_open)
        return;
    m_open = false;
    m_lost = true;
    m_waitingSinceMs = -1;
    m_lostPort = m_port;
}

void LinkWatch::commandSent() {
    if (m_open && m_waitingSinceMs < 0)
        m_waitingSinceMs = m_clock();
}

void LinkWatch::replyReceived() {
    // Bytes still arriving after Logout are not shown (the views were cleared): no data.
    if (!m_open)
        return;
    m_lastReplyMs = m_clock();
    m_hasData = true;
    m_answered = true;
    m_lost = false;
    m_waitingSinceMs = -1;
}

void LinkWatch::portChosen(const QString& port) {
    if (port != m_lostPort)
        m_lostPort.clear();
}

QString LinkWatch::portToReselect(const QStringList& ports) const {
    if (m_open || m_lostPort.isEmpty() || !ports.contains(m_lostPort))
        return QString();
    return m_lostPort;
}

// A command waits longer than the unit may take: a few seconds for the first answer of a
// session, a longer while once it has answered (the poll asks only every few seconds).
bool LinkWatch::unanswered(qint64 now) const {
    if (!m_open || m_waitingSinceMs < 0)
        return false;
    return now - m_waitingSinceMs > (m_answered ? kNoAnswerStaleMs : kFirstAnswerMs);
}

LinkView LinkWatch::view() const {
    LinkView v;
    v.silent = unanswered(m_clock());
    v.port = m_port;
    v.stale = m_hasData && (m_lost || v.silent);
    if (v.stale) {
        v.linkLost = !v.silent;
        v.valuesOfMs = m_lastReplyMs;
    }
    return v;
}

QString LinkWatch::valuesTime(qint64 valuesOfMs, qint64 nowMs) {
    const QDateTime values = QDateTime::fromMSecsSinceEpoch(valuesOfMs);
    if (values.date() == QDateTime::fromMSecsSinceEpoch(nowMs).date())
        return values.toString("hh:mm:ss");
    return values.toString("yyyy-MM-dd hh:mm:ss");
}
