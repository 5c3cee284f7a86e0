#include "line_port.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {
namespace {

// 115200 baud, 8 data bits, no parity, one stop bit, no flow control, no echo.
void makeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tcsetattr(fd, TCSANOW, &tio);
}

} // namespace

LinePort::LinePort(QObject* parent) : QObject(parent) {
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        m_waiting = false;
        pump();
    });
}

LinePort::~LinePort() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool LinePort::openPty(QString& slavePath, QString& error) {
    char name[256] = {};
    if (openpty(&m_fd, &m_slave, name, nullptr, nullptr) != 0) {
        error = QString("openpty: %1").arg(std::strerror(errno));
        return false;
    }
    makeRaw(m_slave);
    slavePath = QString::fromLocal8Bit(name);
    setUp();
    return true;
}

bool LinePort::openDevice(const QString& path, QString& error) {
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0) {
        error = QString("%1: %2").arg(path, std::strerror(errno));
        return false;
    }
    m_device = true;
    makeRaw(m_fd);
    setUp();
    return true;
}

void LinePort::setUp() {
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &LinePort::onReadable);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &LinePort::pump);
}

int LinePort::unreadBytes() const {
    int pending = 0;
    // What the master wrote reaches the slave's queue later, from a kernel worker; until then
    // FIONREAD counts 0 and a caller that closes the line on it throws the bytes away. A poll
    // of the slave waits for that hand-over first.
    pollfd slave{m_slave, POLLIN, 0};
    if (m_slave >= 0 && ::poll(&slave, 1, 0) >= 0 && ioctl(m_slave, FIONREAD, &pending) == 0)
        return pending;
    if (m_device)
        tcdrain(m_fd);
    return 0;
}

void LinePort::onReadable() {
    char buf[4096];
    QByteArray chunk;
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n > 0) {
            chunk.append(buf, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            m_readNotifier->setEnabled(false); // the other end is gone for good
            if (!chunk.isEmpty())
                emit received(chunk);
            emit closed();
            return;
        }
        break;
    }
    if (!chunk.isEmpty())
        emit received(chunk);
}

void LinePort::send(const QByteArray& bytes, int delayMs) {
    if (bytes.isEmpty() && delayMs <= 0)
        return;
    m_queue.enqueue({delayMs, bytes});
    if (m_current.isEmpty() && !m_waiting)
        pump();
}

void LinePort::startNextSegment() {
    const Segment next = m_queue.dequeue();
    m_current = next.bytes;
    if (next.delayMs > 0) {
        m_waiting = true;
        m_delay.start(next.delayMs);
    }
}

void LinePort::pump() {
    m_writeNotifier->setEnabled(false);
    while (!m_waiting) {
        if (m_current.isEmpty()) {
            if (m_queue.isEmpty())
                break;
            startNextSegment();
            continue;
        }
        const ssize_t n = ::write(m_fd, m_current.constData(), size_t(m_current.size()));
        if (n > 0) {
            m_current.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            m_current.clear(); // a write error loses this segment, not the run
            continue;
        }
        m_writeNotifier->setEnabled(true); // the reader is behind: wait for room
        return;
    }
    if (isIdle())
        emit idle();
}

} // namespace sim
