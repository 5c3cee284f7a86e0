#include "line_relay.h"

#include <QByteArray>

#include <cerrno>
#include <chrono>
#include <deque>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

qint64 nowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// One direction of the line: bytes with the time each has been fully clocked out.
struct Direction {
    Direction(int fromFd, int toFd) : from(fromFd), to(toFd) {}
    int from;
    int to;
    qint64 lineFreeAtNs = 0;
    std::deque<std::pair<char, qint64>> queue;

    void take(const char* bytes, ssize_t n, qint64 now, qint64 byteNs) {
        for (ssize_t i = 0; i < n; ++i) {
            lineFreeAtNs = qMax(now, lineFreeAtNs) + byteNs;
            queue.emplace_back(bytes[i], lineFreeAtNs);
        }
    }
    qint64 handedOverAtNs = -1; // the queue ran empty: the other side has it all

    void deliver(qint64 now) {
        if (queue.empty())
            return;
        QByteArray due;
        while (!queue.empty() && queue.front().second <= now) {
            due.append(queue.front().first);
            queue.pop_front();
        }
        qsizetype done = 0;
        while (done < due.size()) {
            const ssize_t n = ::write(to, due.constData() + done, size_t(due.size() - done));
            if (n > 0)
                done += n;
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                return;
        }
        if (queue.empty())
            handedOverAtNs = now;
    }
    // The first byte of an answer from the side this direction feeds.
    void answered(qint64 now, std::vector<qint64>* turns) {
        if (handedOverAtNs >= 0)
            turns->push_back(now - handedOverAtNs);
        handedOverAtNs = -1;
    }
    qint64 nextDueNs() const { return queue.empty() ? -1 : queue.front().second; }
};

} // namespace

LineRelay::LineRelay(int senderFd, int receiverFd, int bytesPerSecond)
    : m_sender(senderFd), m_receiver(receiverFd),
      m_byteNs(bytesPerSecond > 0 ? 1000000000LL / bytesPerSecond : 0) {}

LineRelay::~LineRelay() {
    stop();
}

void LineRelay::start() {
    m_thread = std::thread([this] { run(); });
}

void LineRelay::stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void LineRelay::run() {
    prctl(PR_SET_TIMERSLACK, 1UL); // wake-ups on time to the microsecond, for the pacing
    Direction toReceiver(m_sender, m_receiver);
    Direction toSender(m_receiver, m_sender);
    pollfd fds[2] = {{m_sender, POLLIN, 0}, {m_receiver, POLLIN, 0}};
    while (!m_stop) {
        qint64 wait = 20000000; // ns; also how soon stop() is seen
        const qint64 now = nowNs();
        for (const Direction* d : {&toReceiver, &toSender}) {
            const qint64 due = d->nextDueNs();
            if (due >= 0)
                wait = qMin(wait, qMax<qint64>(0, due - now));
        }
        const timespec timeout{time_t(wait / 1000000000), long(wait % 1000000000)};
        ::ppoll(fds, 2, &timeout, nullptr);
        const qint64 t = nowNs();
        char buf[4096];
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n <= 0) {
                if (n == 0 || (errno != EAGAIN && errno != EINTR))
                    fds[i].fd = -1; // that end has gone: stop watching it
                continue;
            }
            if (i == 0) {
                if (m_firstFromSenderNs < 0)
                    m_firstFromSenderNs = t;
                toSender.answered(t, &m_senderTurns);
                toReceiver.take(buf, n, t, m_byteNs);
            } else {
                m_lastFromReceiverNs = t;
                toReceiver.answered(t, &m_receiverTurns);
                toSender.take(buf, n, t, m_byteNs);
            }
        }
        toReceiver.deliver(nowNs());
        toSender.deliver(nowNs());
    }
}
