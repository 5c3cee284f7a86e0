#include "sim_relay.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

SimRelay::SimRelay(const QStringList& simArgs) {
    m_clock.start();
    m_sim.setStandardErrorFile(QProcess::nullDevice());
    m_sim.start(qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat-sim", simArgs);
    if (!m_sim.waitForStarted(5000) || !m_program.isValid())
        return;
    while (!m_sim.canReadLine() && m_sim.waitForReadyRead(5000)) {
    }
    const QByteArray path = m_sim.readLine().trimmed(); // the sim prints its (raw) terminal first
    m_simFd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_simFd < 0)
        return;
    connect(&m_sim, &QProcess::readyReadStandardOutput, this,
            [this] { m_sim.readAllStandardOutput(); });
    const int programFd = m_program.masterFd();
    connect(new QSocketNotifier(m_simFd, QSocketNotifier::Read, this), &QSocketNotifier::activated,
            this, [=] { pump(m_simFd, programFd); });
    connect(new QSocketNotifier(programFd, QSocketNotifier::Read, this),
            &QSocketNotifier::activated, this, [=] { pump(programFd, m_simFd); });
}

SimRelay::~SimRelay() {
    qDeleteAll(findChildren<QSocketNotifier*>());
    if (m_simFd >= 0)
        ::close(m_simFd);
    m_sim.terminate();
    if (!m_sim.waitForFinished(2000))
        m_sim.kill();
}

void SimRelay::pump(int from, int to) {
    char buf[4096];
    const ssize_t n = ::read(from, buf, sizeof buf);
    if (n <= 0)
        return;
    const QByteArray bytes(buf, int(n));
    if (from == m_simFd) {
        m_fromUnit += bytes;
    } else {
        m_partLine += bytes;
        for (int end; (end = m_partLine.indexOf('\n')) >= 0; m_partLine.remove(0, end + 1)) {
            const QString line = QString::fromLocal8Bit(m_partLine.left(end)).trimmed();
            if (!line.isEmpty())
                m_sent.append({m_clock.elapsed(), line});
        }
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t w = ::write(to, bytes.constData() + done, bytes.size() - done);
        if (w < 0 && errno != EAGAIN && errno != EINTR)
            return;
        done += qMax<ssize_t>(w, 0);
    }
}

QString SimRelay::lastReply(const QString& command) const {
    // Garbage may stand before the echo on its line; the "@" follows the echo's line end.
    const QRegularExpression re(QRegularExpression::escape(command) + "\\r?\\n@.*?\\$\\$",
                                QRegularExpression::DotMatchesEverythingOption);
    QString last;
    for (auto it = re.globalMatch(QString::fromUtf8(m_fromUnit.data(), m_fromUnit.size()));
         it.hasNext();)
        last = it.next().captured(0);
    return last;
}

double replyNumber(const QString& reply, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) + "[^\\n:]*:\\s*(-?[0-9.]+)");
    const QRegularExpressionMatch m = re.match(reply);
    return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
}
