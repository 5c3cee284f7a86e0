#pragma once
// The unit's XMODEM receiver, without a port: bytes from the sender go in through feed(),
// the answers (ACK, NAK, CAN, requests) come back as return values. 128-byte blocks with
// the 8-bit checksum, or with CRC-16 after a "C" request; 1024-byte STX blocks are taken too.

#include "sim_options.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace sim {

class XmodemReceiver {
public:
    enum class Outcome { Running, Done, Cancelled, Failed };

    XmodemReceiver(XmodemFault fault, quint32 seed) : m_fault(fault), m_rng(seed) {}

    QByteArray start() { return request(); }
    QByteArray feed(const QByteArray& bytes);
    // One tick of silence from the sender (kXmodemTickMs).
    QByteArray tick();

    Outcome outcome() const { return m_outcome; }
    const QByteArray& image() const { return m_image; }
    int blocks() const { return m_accepted; }

private:
    QByteArray request();
    QByteArray onPacket(const QByteArray& packet, int size);
    QByteArray onEot();
    QByteArray reject();
    QByteArray cancel(Outcome outcome);
    bool faultRejects(const QByteArray& data);
    bool checkSum(const QByteArray& packet, int size) const;

    XmodemFault m_fault;
    QRandomGenerator m_rng;
    Outcome m_outcome = Outcome::Running;
    QByteArray m_buffer;
    QByteArray m_image;
    quint8 m_expected = 1;
    int m_accepted = 0;
    int m_received = 0; // good packets seen, duplicates and refused ones included
    int m_requests = 0;
    int m_errors = 0;
    bool m_crc = false;
    bool m_nakedLast = false;
    bool m_nakedEot = false;
};

} // namespace sim
