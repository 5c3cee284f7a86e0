#include "upgrade/updata_thread.h"

#include "toolbox/thread_signal_stack.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/upgrade_constants.h"

#include <QDebug>
#include <QFile>
#include <QMutexLocker>

UpdataThread::UpdataThread(QObject* parent) : QThread(parent) {
    m_startTimer.setInterval(Upgrade::kStartTimerIntervalMs);
    connect(&m_startTimer, &QTimer::timeout, this, &UpdataThread::onTimerUpdate);
    start(QThread::InheritPriority);
    qDebug() << "UpdataThread id" << QThread::currentThreadId();
}

UpdataThread::~UpdataThread() {
    requestInterruption();
    m_wake.release();
    wait();
    qDebug() << "testfinsh";
}

void UpdataThread::setFilePath(const QString& path) {
    QMutexLocker lock(&m_lock);
    m_filePath = path;
}

void UpdataThread::setSendMode() {
    m_mode.store(ModeSend);
}

void UpdataThread::startSend() {
    {
        QMutexLocker lock(&m_lock);
        m_startPending = true;
    }
    m_wake.release();
}

void UpdataThread::readData(QByteArray array) {
    {
        QMutexLocker lock(&m_lock);
        m_dataPending = true;
        m_pendingData = array;
    }
    m_wake.release();
}

int UpdataThread::progress() const {
    return transferPercent(m_engine.bytesSent(), m_totalSize.load());
}

void UpdataThread::run() {
    const ThreadSignalStack signalStack; // named by Qt after the class
    for (;;) {
        qDebug() << "thead run";
        if (isInterruptionRequested())
            break;
        if (!waitForCommand()) {
            eotUnanswered();
            continue;
        }
        bool start = false;
        bool data = false;
        QByteArray bytes;
        takeCommands(&start, &data, &bytes);
        if (start) {
            Outcome outcome;
            {
                QMutexLocker work(&m_work);
                m_startTicks = 0;
                outcome = openImage();
            }
            emitOutcome(outcome);
        }
        if (data)
            receiveStep(bytes);
    }
    qDebug() << "thead interupt run";
}

// Blocks until the next mailbox call. While EOT waits for its ACK the wait is bounded;
// returns false when it ran out.
bool UpdataThread::waitForCommand() {
    bool awaitingEot;
    {
        QMutexLocker work(&m_work);
        awaitingEot = m_file && m_engine.state() == XmodemState::EotSent;
    }
    if (!awaitingEot) {
        m_wake.acquire();
        return true;
    }
    return m_wake.tryAcquire(1, Xmodem::kEotRetryIntervalMs);
}

void UpdataThread::takeCommands(bool* start, bool* data, QByteArray* bytes) {
    QMutexLocker lock(&m_lock);
    *start = m_startPending;
    *data = m_dataPending;
    *bytes = m_pendingData;
    m_startPending = m_dataPending = false;
}

// Runs under m_work, in the worker (Start) or in the main thread (start timer tick).
UpdataThread::Outcome UpdataThread::openImage() {
    QString path;
    {
        QMutexLocker lock(&m_lock);
        path = m_filePath;
    }
    releaseImage();
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::ReadOnly)) {
        qDebug() << "FileError";
        m_file.reset();
        m_mode.store(ModeNone);
        invokeStartTimer("stop");
        return Outcome::FileError;
    }
    m_engine.reset(m_file.get());
    invokeStartTimer("start");
    m_totalSize.store(m_file->size());
    return Outcome::None;
}

void UpdataThread::receiveStep(const QByteArray& data) {
    if (data.isEmpty())
        return;
    XmodemStep step;
    {
        QMutexLocker work(&m_work);
        if (m_mode.load() != ModeSend || !m_file)
            return;
        // One control byte per answer: the rest of a chunk is not looked at.
        step = m_engine.receive(data.at(0));
        if (step.result != XmodemResult::Continue) {
            releaseImage();
            m_mode.store(ModeNone);
        }
        // The wait for the receiver ends with its first NAK (or the end of the transfer),
        // not with any stray byte before it, so that a receiver that never sends the NAK
        // still meets the start time-out.
        if (step.started || step.result != XmodemResult::Continue)
            invokeStartTimer("stop");
    }
    applyStep(step);
}

void UpdataThread::eotUnanswered() {
    XmodemStep step;
    {
        QMutexLocker work(&m_work);
        if (m_mode.load() != ModeSend || !m_file)
            return;
        qDebug() << "EOT unanswered, sending it again";
        step = m_engine.eotUnanswered();
        if (step.result != XmodemResult::Continue) {
            releaseImage();
            m_mode.store(ModeNone);
        }
    }
    applyStep(step);
}

void UpdataThread::applyStep(const XmodemStep& step) {
    if (step.started)
        emit TransStart();
    if (!step.send.isEmpty())
        emit sendData(step.send);
    switch (step.result) {
    case XmodemResult::Continue:
        return;
    case XmodemResult::ReadFailed:
        qDebug() << "FileError";
        emit FileError();
        return;
    case XmodemResult::Completed:
    case XmodemResult::Cancelled:
    case XmodemResult::GaveUp:
        emit TransFinsh(int(step.result));
        return;
    }
}

void UpdataThread::releaseImage() {
    m_engine.detach();
    m_file.reset();
}

void UpdataThread::emitOutcome(Outcome outcome) {
    if (outcome == Outcome::FileError)
        emit FileError();
    else if (outcome == Outcome::TimeOut)
        emit TimeOut();
}

void UpdataThread::invokeStartTimer(const char* slot) {
    QMetaObject::invokeMethod(&m_startTimer, slot, Qt::QueuedConnection);
}

// Main thread, once a second while the receiver has not answered yet.
void UpdataThread::onTimerUpdate() {
    Outcome outcome = Outcome::None;
    {
        QMutexLocker work(&m_work);
        if (!m_file || m_engine.state() != XmodemState::Idle) {
            m_startTimer.stop(); // the receiver answered or the transfer is over
            return;
        }
        if (m_startTicks++ >= Upgrade::kStartTimeoutTicks) {
            releaseImage();
            m_startTimer.stop();
            qDebug() << "TimeOut Test";
            m_mode.store(ModeNone);
            outcome = Outcome::TimeOut;
        } else {
            qDebug() << "test";
            outcome = openImage();
        }
    }
    emitOutcome(outcome);
}
