#include "transfer_pump.h"

#include "upgrade/transfer_routing.h"

#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

QByteArray testImage(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = quint32(seed + size) * 2654435761u + 7;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

QByteArray padded(const QByteArray& image) {
    const int blocks = image.size() / 128 + 1;
    return image + QByteArray(blocks * 128 - image.size(), 0x1A);
}

QString writeImage(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path : QString();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void startTransfer(UpdataThread& thread, const QString& path) {
    thread.setFilePath(path);
    thread.setSendMode();
    thread.startSend();
}

TransferPump::TransferPump(int fd, UpdataThread* thread)
    : m_fd(fd), m_thread(thread), m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(thread, &UpdataThread::sendData, this, &TransferPump::onSendData);
    connect(m_notifier, &QSocketNotifier::activated, this, &TransferPump::onReadable);
}

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
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return; // the line has gone: the transfer times out
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
    m_receive.clear(); // text: the reply-gap path would show it
}

TransferOutcome::TransferOutcome(UpdataThread* thread) {
    connect(thread, &UpdataThread::TransStart, this, [this] { ++starts; });
    connect(thread, &UpdataThread::TransFinsh, this, [this](int result) {
        finish = result;
        ++finishes;
    });
    connect(thread, &UpdataThread::TimeOut, this, [this] { ++timeOuts; });
    connect(thread, &UpdataThread::FileError, this, [this] { ++fileErrors; });
    connect(thread, &UpdataThread::TimeOut, this, &TransferOutcome::ending);
    connect(thread, &UpdataThread::FileError, this, &TransferOutcome::ending);
    connect(thread, &UpdataThread::TransFinsh, this, &TransferOutcome::ending);
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
