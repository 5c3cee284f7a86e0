#include "xmodem_receiver.h"

#include "sim_constants.h"

namespace sim {
namespace {

constexpr int kHeaderBytes = 3; // SOH or STX, block number, its complement

quint8 checksum8(const QByteArray& data) {
    quint8 sum = 0;
    for (char c : data)
        sum = quint8(sum + quint8(c));
    return sum;
}

quint16 crc16(const QByteArray& data) {
    quint16 crc = 0;
    for (char c : data) {
        crc ^= quint16(quint8(c)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

QByteArray bytes(char c, int count = 1) {
    return QByteArray(count, c);
}

} // namespace

QByteArray XmodemReceiver::request() {
    ++m_requests;
    if (m_fault == XmodemFault::Silent)
        return {};
    m_crc = m_fault == XmodemFault::SendC && m_requests <= kXmodemCrcTries;
    return bytes(m_crc ? kCrcRequest : kNak);
}

QByteArray XmodemReceiver::feed(const QByteArray& in) {
    if (m_outcome != Outcome::Running || m_fault == XmodemFault::Silent)
        return {};
    m_buffer += in;
    QByteArray out;
    while (!m_buffer.isEmpty() && m_outcome == Outcome::Running) {
        const char c = m_buffer.at(0);
        if (c == kSoh || c == kStx) {
            const int size = c == kSoh ? 128 : 1024;
            const int need = kHeaderBytes + size + (m_crc ? 2 : 1);
            if (m_buffer.size() < need)
                break; // the rest of the packet is still on its way
            const QByteArray packet = m_buffer.left(need);
            m_buffer.remove(0, need);
            out += onPacket(packet, size);
        } else if (c == kEot) {
            m_buffer.remove(0, 1);
            out += onEot();
        } else if (c == kCan) {
            if (m_buffer.size() < 2)
                break;
            if (m_buffer.at(1) == kCan)
                m_outcome = Outcome::Cancelled;
            m_buffer.remove(0, 2);
        } else {
            m_buffer.remove(0, 1); // line noise between packets
        }
    }
    return out;
}

QByteArray XmodemReceiver::tick() {
    if (m_outcome != Outcome::Running)
        return {};
    if (m_received == 0 && m_buffer.isEmpty()) {
        if (m_requests >= kXmodemStartTries) {
            m_outcome = Outcome::Failed;
            return {};
        }
        return request();
    }
    if (m_fault == XmodemFault::Silent)
        return {};
    m_buffer.clear(); // a packet cut short, or a sender that stopped
    return reject();
}

bool XmodemReceiver::checkSum(const QByteArray& packet, int size) const {
    const QByteArray data = packet.mid(kHeaderBytes, size);
    if (!m_crc)
        return checksum8(data) == quint8(packet.at(kHeaderBytes + size));
    const quint16 sent = quint16(quint8(packet.at(kHeaderBytes + size)) << 8) |
                         quint8(packet.at(kHeaderBytes + size + 1));
    return crc16(data) == sent;
}

QByteArray XmodemReceiver::onPacket(const QByteArray& packet, int size) {
    const quint8 block = quint8(packet.at(1));
    if (quint8(block + quint8(packet.at(2))) != 0xFF || !checkSum(packet, size))
        return reject();
    ++m_received;
    if (m_accepted > 0 && block == quint8(m_expected - 1))
        return bytes(kAck); // our ACK was lost: the sender repeats the block
    if (block != m_expected)
        return cancel(Outcome::Failed); // out of step, XMODEM cannot recover
    const QByteArray data = packet.mid(kHeaderBytes, size);
    if (m_fault == XmodemFault::Cancel && m_received >= 2)
        return cancel(Outcome::Cancelled);
    if (faultRejects(data))
        return bytes(kNak);
    m_image += data;
    ++m_expected;
    ++m_accepted;
    m_errors = 0;
    return bytes(kAck);
}

bool XmodemReceiver::faultRejects(const QByteArray& data) {
    if (m_fault == XmodemFault::NakRandom)
        return m_rng.bounded(8) == 0;
    if (m_fault == XmodemFault::NakLast && !m_nakedLast && data.endsWith(kPad)) {
        m_nakedLast = true;
        return true;
    }
    return false;
}

QByteArray XmodemReceiver::onEot() {
    if (m_fault == XmodemFault::Cancel)
        return cancel(Outcome::Cancelled);
    if (m_fault == XmodemFault::NakEotOnce && !m_nakedEot) {
        m_nakedEot = true;
        return bytes(kNak);
    }
    m_outcome = Outcome::Done;
    return bytes(kAck);
}

QByteArray XmodemReceiver::reject() {
    if (++m_errors >= kXmodemMaxErrors)
        return cancel(Outcome::Failed);
    return bytes(kNak);
}

QByteArray XmodemReceiver::cancel(Outcome outcome) {
    m_outcome = outcome;
    m_buffer.clear();
    return bytes(kCan, 3);
}

} // namespace sim
