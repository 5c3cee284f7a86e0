#include "upgrade/xmodem_engine.h"

#include <QDebug>
#include <QIODevice>

#include <algorithm>

using namespace Xmodem;

namespace {

// Reads up to `size` bytes, going on after short reads until the image ends.
// Returns the count read, or -1 when the device reports an error.
qint64 readFully(QIODevice* image, char* into, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const qint64 n = image->read(into + done, size - done);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

} // namespace

void XmodemEngine::reset(QIODevice* image) {
    m_image = image;
    m_state = XmodemState::Idle;
    m_packet.fill(0);
    m_retries = 0;
    m_bytesSent.store(0, std::memory_order_relaxed);
}

void XmodemEngine::detach() {
    m_image = nullptr;
    m_state = XmodemState::Idle;
}

QByteArray XmodemEngine::packet() const {
    return QByteArray(reinterpret_cast<const char*>(m_packet.data()), int(m_packet.size()));
}

XmodemStep XmodemEngine::receive(char c) {
    qDebug() << "test1";
    if (c == kCan) {
        m_state = XmodemState::Idle;
        XmodemStep step;
        step.result = XmodemResult::Cancelled;
        return step;
    }
    bool started = false;
    if (m_state == XmodemState::Idle && c == kNak) {
        qDebug() << "test2";
        m_packet.fill(0); // the first block built is then number 1
        m_state = XmodemState::Sending;
        c = kAck; // the start NAK asks for block 1 as an ACK asks for the next
        started = true;
    }
    qDebug() << "状态" << int(m_state);

    XmodemStep step;
    switch (m_state) {
    case XmodemState::Idle:
        break; // anything but NAK, including the CRC request, waits for a NAK
    case XmodemState::Sending:
        step = c == kAck ? onAck() : resendBlock();
        break;
    case XmodemState::LastBlockSent:
        if (c == kAck)
            step = onAck();
        else if (c == kNak)
            step = resendBlock();
        break;
    case XmodemState::EotSent:
        if (c == kAck) {
            m_state = XmodemState::Idle;
            step.result = XmodemResult::Completed;
        } else if (c == kNak) {
            step = resendEot(true); // some receivers refuse the first EOT on purpose
        }
        break;
    }
    step.started = started;
    return step;
}

XmodemStep XmodemEngine::eotUnanswered() {
    if (m_state != XmodemState::EotSent)
        return {};
    return resendEot(false);
}

XmodemStep XmodemEngine::onAck() {
    XmodemStep step;
    if (m_state == XmodemState::LastBlockSent) {
        qDebug() << "test3";
        m_state = XmodemState::EotSent;
        m_retries = 0;
        step.send = QByteArray(1, kEot);
        return step;
    }
    if (!buildNextBlock())
        return abort(XmodemResult::ReadFailed);
    step.send = packet();
    return step;
}

XmodemStep XmodemEngine::resendBlock() {
    if (m_retries == kMaxRetries)
        return abort(XmodemResult::GaveUp);
    ++m_retries;
    XmodemStep step;
    step.send = packet();
    return step;
}

XmodemStep XmodemEngine::resendEot(bool refused) {
    if (m_retries == kMaxRetries && refused)
        return abort(XmodemResult::GaveUp);
    XmodemStep step;
    if (m_retries == kMaxRetries) {
        // Every block has been acknowledged; a receiver that takes the data and then
        // loses its last ACK (one that empties its line as it exits) has the whole image.
        // Whether the unit accepted it is told by its own report after flashing.
        qDebug() << "EOT unanswered, transfer taken as complete";
        m_state = XmodemState::Idle;
        step.result = XmodemResult::Completed;
        return step;
    }
    ++m_retries;
    step.send = QByteArray(1, kEot);
    return step;
}

bool XmodemEngine::buildNextBlock() {
    qDebug() << "test4";
    if (!m_image)
        return false;
    quint8* data = m_packet.data() + kHeaderSize;
    const qint64 got = readFully(m_image, reinterpret_cast<char*>(data), kBlockSize);
    if (got < 0) {
        qDebug() << "image read error:" << m_image->errorString();
        return false;
    }
    m_packet[0] = quint8(kSoh);
    m_packet[1] = quint8(m_packet[1] + 1); // 8-bit, wraps from 255 to 0
    m_packet[2] = quint8(~m_packet[1]);
    const qint64 total = m_bytesSent.fetch_add(got, std::memory_order_relaxed) + got;
    qDebug() << "bytes:" << total;
    if (got < kBlockSize) {
        std::fill(data + got, data + kBlockSize, quint8(kFill));
        m_state = XmodemState::LastBlockSent;
    }
    quint8 sum = 0;
    for (int i = 0; i < kBlockSize; ++i)
        sum = quint8(sum + data[i]);
    m_packet[kPacketSize - 1] = sum;
    m_retries = 0;
    return true;
}

XmodemStep XmodemEngine::abort(XmodemResult why) {
    m_state = XmodemState::Idle;
    XmodemStep step;
    step.send = QByteArray(2, kCan); // receivers act on two CANs in a row
    step.result = why;
    return step;
}
