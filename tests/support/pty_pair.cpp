#include "pty_pair.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair() {
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair() {
    if (m_master < 0)
        return;
    ::close(m_slave);
    ::close(m_master);
}

bool PtyPair::write(const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        done += qMax<ssize_t>(n, 0);
        if (n <= 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

QByteArray PtyPair::read(int timeoutMs, const QByteArray& until) {
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs && (until.isEmpty() || !out.contains(until))) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p{m_master, POLLIN, 0};
        char buf[4096];
        const ssize_t n = ::poll(&p, 1, 5) > 0 ? ::read(m_master, buf, sizeof buf) : 0;
        out.append(buf, int(qMax<ssize_t>(n, 0)));
    }
    return out;
}
