#include "sim_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

SimUnit::SimUnit(const QStringList& args) {
    m_process.start(binary(), args);
    QElapsedTimer t;
    t.start();
    while (!m_process.canReadLine() && t.elapsed() < 5000)
        m_process.waitForReadyRead(100);
    m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    if (!m_path.isEmpty())
        m_fd = ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios tio{};
    if (m_fd < 0 || tcgetattr(m_fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    tcsetattr(m_fd, TCSANOW, &tio);
}

SimUnit::~SimUnit() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_process.kill();
    m_process.waitForFinished(2000);
}

void SimUnit::write(const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            ::usleep(1000);
    }
}

void SimUnit::fillUntil(int timeoutMs, const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs) {
        pollfd p{m_fd, POLLIN, 0};
        char buf[65536];
        if (::poll(&p, 1, 5) <= 0 || !(p.revents & POLLIN))
            continue;
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n > 0) {
            m_pending.append(buf, int(n));
            m_sinceData.restart();
        }
    }
}

QByteArray SimUnit::take(int count) {
    const QByteArray out = m_pending.left(count);
    m_pending.remove(0, out.size());
    return out;
}

QByteArray SimUnit::command(const QString& line, int timeoutMs) {
    write("\n" + line.toUtf8() + "\n");
    return readUntil("$$\r\n", timeoutMs);
}

QByteArray SimUnit::readUntil(const QByteArray& marker, int timeoutMs) {
    fillUntil(timeoutMs, [&] { return m_pending.contains(marker); });
    const int at = m_pending.indexOf(marker);
    return take(at < 0 ? m_pending.size() : at + marker.size());
}

QByteArray SimUnit::readQuiet(int quietMs, int maxMs) {
    m_sinceData.start();
    fillUntil(maxMs, [&] { return m_sinceData.elapsed() >= quietMs; });
    return take(m_pending.size());
}

QByteArray SimUnit::readBytes(int count, int timeoutMs) {
    fillUntil(timeoutMs, [&] { return m_pending.size() >= count; });
    return take(count);
}
