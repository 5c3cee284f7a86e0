#pragma once
// The XMODEM sender (128-byte blocks, 8-bit checksum, started by the receiver's NAK) as a
// plain object: it owns no port, no thread and no timer. Each control byte from the
// receiver goes in through receive(); what to write to the line and how the transfer
// stands come back in an XmodemStep. The image is read from a QIODevice owned by the
// caller, block by block, as the receiver asks for it.

#include "upgrade/upgrade_constants.h"

#include <QByteArray>

#include <array>
#include <atomic>

class QIODevice;

enum class XmodemState : quint8 {
    Idle = 0,          // waiting for the receiver's first NAK
    Sending = 1,       // blocks going out, each on the ACK of the one before
    LastBlockSent = 2, // the short (or fill-only) block is out, waiting for its ACK
    EotSent = 3,       // EOT is out, waiting for its ACK
};

// How a step leaves the transfer. The numbers 1 to 3 are what the transfer thread reports
// with TransFinsh.
enum class XmodemResult : int {
    Continue = 0,
    Completed = 1,  // the receiver acknowledged EOT, or left it unanswered kMaxRetries times
    Cancelled = 2,  // the receiver sent CAN
    GaveUp = 3,     // a block (or EOT) refused again after kMaxRetries resends; CAN sent
    ReadFailed = 4, // the image could not be read; CAN sent
};

struct XmodemStep {
    QByteArray send;      // bytes to write to the receiver, in this order; may be empty
    bool started = false; // this byte was the receiver's first NAK
    XmodemResult result = XmodemResult::Continue;
};

class XmodemEngine {
public:
    // Binds the engine to an image opened for reading and waits for the first NAK.
    // The device must outlive the transfer.
    void reset(QIODevice* image);
    // Lets go of the image (about to be closed); the engine waits for a new reset().
    // The count of bytes sent is kept for the last progress report.
    void detach();

    // One byte from the receiver.
    XmodemStep receive(char c);
    // The receiver has not answered EOT within the retry interval: EOT goes out again, up
    // to kMaxRetries times; then all blocks having been acknowledged, the transfer counts
    // as complete.
    XmodemStep eotUnanswered();

    XmodemState state() const { return m_state; }
    // Image bytes read into blocks so far (fill bytes not counted); safe from any thread.
    qint64 bytesSent() const { return m_bytesSent.load(std::memory_order_relaxed); }
    // The current packet as it goes on the wire.
    QByteArray packet() const;

private:
    XmodemStep onAck();
    XmodemStep resendBlock();
    XmodemStep resendEot(bool refused);
    bool buildNextBlock();
    XmodemStep abort(XmodemResult why);

    QIODevice* m_image = nullptr;
    XmodemState m_state = XmodemState::Idle;
    std::array<quint8, Xmodem::kPacketSize> m_packet{};
    int m_retries = 0;
    std::atomic<qint64> m_bytesSent{0};
};
