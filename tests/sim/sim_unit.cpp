#include "sim_unit.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

QString SimUnit::binary() {
    return qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat-sim";
}

SimUnit::SimUnit(const QStringList& args) {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(binary(), args);
    QElapsedTimer t;
    t.start();
    while (!m_process.canReadLine() && t.elapsed() < 5000)
        m_process.waitForReadyRead(100);
    m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    if (m_path.isEmpty())
        return;
    m_fd = ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0)
        return;
    termios tio{};
    tcgetattr(m_fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_fd, TCSANOW, &tio);
}

SimUnit::~SimUnit() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

void SimUnit::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            ::usleep(1000);
    }
}

bool SimUnit::fill(int waitMs) {
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0 || !(p.revents & POLLIN))
        return false;
    char buf[65536];
    const ssize_t n = ::read(m_fd, buf, sizeof buf);
    if (n <= 0)
        return false;
    m_pending.append(buf, int(n));
    return true;
}

QByteArray SimUnit::command(const QString& line, int timeoutMs) {
    write("\n" + line.toUtf8() + "\n");
    return readUntil("$$\r\n", timeoutMs);
}

QByteArray SimUnit::readUntil(const QByteArray& marker, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!m_pending.contains(marker) && t.elapsed() < timeoutMs)
        fill(10);
    const int at = m_pending.indexOf(marker);
    const int end = at < 0 ? m_pending.size() : at + marker.size();
    const QByteArray out = m_pending.left(end);
    m_pending.remove(0, end);
    return out;
}

QByteArray SimUnit::readQuiet(int quietMs, int maxMs) {
    QElapsedTimer total;
    total.start();
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < quietMs && total.elapsed() < maxMs) {
        if (fill(5))
            quiet.restart();
    }
    QByteArray out;
    out.swap(m_pending);
    return out;
}

QByteArray SimUnit::readFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        fill(int(std::max<qint64>(1, ms - t.elapsed())));
    QByteArray out;
    out.swap(m_pending);
    return out;
}

QByteArray SimUnit::readBytes(int count, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (m_pending.size() < count && t.elapsed() < timeoutMs)
        fill(5);
    const QByteArray out = m_pending.left(count);
    m_pending.remove(0, out.size());
    return out;
}
