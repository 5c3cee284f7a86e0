#include "transfer_pump.h"

#include "upgrade/transfer_routing.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

TransferPump::TransferPump(int fd, UpdataThread* thread)
    : m_fd(fd), m_thread(thread), m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(thread, &UpdataThread::sendData, this, &TransferPump::onSendData);
    connect(m_notifier, &QSocketNotifier::activated, this, &TransferPump::onReadable);
}

TransferPump::~TransferPump() = default;

void TransferPump::onSendData(const QByteArray& data) {
    ++writes;
    if (recordPackets)
        written.append(data);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_fd, data.constData() + done, size_t(data.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            writeFailed = true;
            return;
        }
        pollfd p{m_fd, POLLOUT, 0};
        ::poll(&p, 1, 50);
    }
}

void TransferPump::onReadable() {
    char buf[4096];
    const ssize_t n = ::read(m_fd, buf, sizeof buf);
    if (n <= 0) {
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            m_notifier->setEnabled(false); // the peer has gone (EIO on a pty master)
        return;
    }
    m_receive.append(buf, int(n));
    const QByteArray transfer = takeTransferBytes(m_receive);
    if (!transfer.isEmpty()) {
        routed += transfer;
        m_thread->readData(transfer);
        return;
    }
    // Text is what the reply-gap path would show; here it is only kept.
    text += m_receive;
    m_receive.clear();
}

TransferOutcome::TransferOutcome(UpdataThread* thread) : m_t0(QDateTime::currentMSecsSinceEpoch()) {
    connect(thread, &UpdataThread::TransStart, this, [this] {
        ++starts;
        startedAtEpochMs = QDateTime::currentMSecsSinceEpoch();
        startedAtMs = startedAtEpochMs - m_t0;
    });
    connect(thread, &UpdataThread::TransFinsh, this, [this](int result) {
        finish = result;
        ++finishes;
        ended();
    });
    connect(thread, &UpdataThread::TimeOut, this, [this] {
        ++timeOuts;
        ended();
    });
    connect(thread, &UpdataThread::FileError, this, [this] {
        ++fileErrors;
        ended();
    });
}

void TransferOutcome::ended() {
    endedAtMs = QDateTime::currentMSecsSinceEpoch() - m_t0;
    emit ending();
}

bool TransferOutcome::wait(int timeoutMs) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &TransferOutcome::ending, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
