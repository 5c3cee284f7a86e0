#include "sim_relay.h"

#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SimRelay::SimRelay(const QStringList& simArgs) {
    m_clock.start();
    const QString bin = qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat-sim";
    m_sim.setStandardErrorFile(QProcess::nullDevice());
    m_sim.start(bin, simArgs);
    if (!m_sim.waitForStarted(5000) || !m_program.isValid())
        return;
    while (!m_sim.canReadLine() && m_sim.waitForReadyRead(5000)) {
    }
    const QString path = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
    m_simFd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_simFd < 0)
        return;
    termios tio{};
    tcgetattr(m_simFd, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_simFd, TCSANOW, &tio);
    connect(&m_sim, &QProcess::readyReadStandardOutput, this,
            [this] { m_sim.readAllStandardOutput(); });

    m_unitNotifier = new QSocketNotifier(m_simFd, QSocketNotifier::Read, this);
    connect(m_unitNotifier, &QSocketNotifier::activated, this, &SimRelay::pumpFromUnit);
    m_programNotifier = new QSocketNotifier(m_program.masterFd(), QSocketNotifier::Read, this);
    connect(m_programNotifier, &QSocketNotifier::activated, this, &SimRelay::pumpFromProgram);
}

SimRelay::~SimRelay() {
    delete m_unitNotifier;
    delete m_programNotifier;
    if (m_simFd >= 0)
        ::close(m_simFd);
    m_sim.terminate();
    if (!m_sim.waitForFinished(2000))
        m_sim.kill();
}

namespace {
void writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
    }
}
} // namespace

void SimRelay::pumpFromUnit() {
    char buf[4096];
    const ssize_t n = ::read(m_simFd, buf, sizeof buf);
    if (n <= 0)
        return;
    m_fromUnit.append(buf, int(n));
    writeAll(m_program.masterFd(), QByteArray(buf, int(n)));
}

void SimRelay::pumpFromProgram() {
    char buf[4096];
    const ssize_t n = ::read(m_program.masterFd(), buf, sizeof buf);
    if (n <= 0)
        return;
    for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] == '\n')
            m_programByteTimes.append(m_clock.elapsed());
    }
    m_fromProgram.append(buf, int(n));
    writeAll(m_simFd, QByteArray(buf, int(n)));
}

QVector<SimRelay::Sent> SimRelay::sentLines() const {
    QVector<Sent> out;
    const QList<QByteArray> lines = m_fromProgram.split('\n');
    // The last part has no line feed yet.
    for (int i = 0; i + 1 < lines.size() && i < m_programByteTimes.size(); ++i) {
        const QString line = QString::fromLocal8Bit(lines[i]).trimmed();
        if (!line.isEmpty())
            out.append({m_programByteTimes[i], line});
    }
    return out;
}

QString SimRelay::lastReply(const QString& command) const {
    const QString all = QString::fromUtf8(m_fromUnit.constData(), m_fromUnit.size());
    // Garbage may stand before the echo on its line; the "@" follows the echo's line end.
    const QRegularExpression re(QRegularExpression::escape(command) + "\\r?\\n@.*?\\$\\$",
                                QRegularExpression::DotMatchesEverythingOption);
    QString last;
    auto it = re.globalMatch(all);
    while (it.hasNext())
        last = it.next().captured(0);
    return last;
}

double replyNumber(const QString& reply, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) + "[^\\n:]*:\\s*(-?[0-9.]+)");
    const QRegularExpressionMatch m = re.match(reply);
    return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
}
