#include "app/demo_unit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

DemoUnit::DemoUnit(QObject* parent) : QObject(parent) {}

DemoUnit::~DemoUnit() {
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(2000))
        m_process->kill();
    m_process->waitForFinished(1000);
}

bool DemoUnit::start(int timeoutMs) {
    const QString program = QCoreApplication::applicationDirPath() + "/norvanebat-sim";
    if (!QFileInfo(program).isExecutable()) {
        m_error = QString("The simulated unit %1 was not found.").arg(program);
        return false;
    }
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    // The simulator ends when our end of its standard input closes, so it does not outlive
    // the program even when the program is killed.
    m_process->start(program, {"--exit-with-stdin"});
    if (!m_process->waitForStarted(timeoutMs)) {
        m_error =
            QString("The simulated unit could not be started: %1").arg(m_process->errorString());
        return false;
    }
    // Its first line of output is the path of its terminal.
    QElapsedTimer clock;
    clock.start();
    while (!m_process->canReadLine() && clock.elapsed() < timeoutMs) {
        if (!m_process->waitForReadyRead(int(timeoutMs - clock.elapsed())))
            break;
    }
    m_path = QString::fromLocal8Bit(m_process->readLine()).trimmed();
    if (m_path.isEmpty() || !QFileInfo::exists(m_path)) {
        m_error = "The simulated unit did not report its terminal.";
        return false;
    }
    // Anything else it prints is of no interest; drop it so its pipe never fills.
    connect(m_process, &QProcess::readyReadStandardOutput, m_process,
            [p = m_process] { p->readAllStandardOutput(); });
    qDebug() << "demo unit" << program << "on" << m_path;
    return true;
}
