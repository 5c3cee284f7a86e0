#pragma once
// What the technician is told about the link: whether the values on screen are live, since
// when they are not, whether the unit is failing to answer, and which port to choose again
// when an unplugged adapter comes back. No widget, no port, no timer: the main window reports
// what happens on the line and asks for the state at any moment; the clock is injected.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// The state to show, compared by value so that the window redraws only on a change.
struct LinkView {
    // The views hold unit data that is no longer current: grey them and caption them with
    // the time of the last reply.
    bool stale = false;
    // Stale because the link was lost (else: the unit stopped answering an open link).
    bool linkLost = false;
    qint64 valuesOfMs = 0; // time of the last reply, ms since the epoch
    // Logged in and the unit does not answer: tell the user in the status bar.
    bool silent = false;
    QString port; // the port of the session, for the status bar text

    bool operator==(const LinkView& o) const {
        return stale == o.stale && linkLost == o.linkLost && valuesOfMs == o.valuesOfMs &&
               silent == o.silent && port == o.port;
    }
    bool operator!=(const LinkView& o) const { return !(*this == o); }
};

class LinkWatch {
public:
    using Clock = std::function<qint64()>; // ms since the epoch

    explicit LinkWatch(Clock clock = &QDateTime::currentMSecsSinceEpoch);

    void loggedIn(const QString& port);
    void loggedOut(); // the views are cleared: nothing left to mark
    void linkLost();  // unplugged: the views keep the last values
    void commandSent();
    void replyReceived(); // any bytes from the unit

    // The user picked a port in the list; another one than the lost port is not replaced.
    void portChosen(const QString& port);
    // After the port list changed: the port that was in use when the link was lost, when it
    // is back in the list and the user has not chosen another since; else empty.
    QString portToReselect(const QStringList& ports) const;

    LinkView view() const;

    // "hh:mm:ss" of a time today, with the date in front on another day.
    static QString valuesTime(qint64 valuesOfMs, qint64 nowMs);

private:
    bool unanswered(qint64 now) const;

    Clock m_clock;
    bool m_open = false;
    QString m_port;
    bool m_hasData = false;  // a reply arrived since the views were last cleared
    bool m_answered = false; // the unit has answered in this session
    bool m_lost = false;     // the link was lost after the last reply
    qint64 m_lastReplyMs = 0;
    qint64 m_waitingSinceMs = -1; // first command since the last reply; -1: none waiting
    QString m_lostPort;
};
