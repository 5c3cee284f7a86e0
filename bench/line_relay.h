#pragma once
// A relay between two file descriptors (a pty master on the sender's side, the receiver's
// pty on the other), run in a thread of its own. Unpaced it forwards at once and only
// watches the line; paced it lets each direction carry at most `bytesPerSecond`, byte
// after byte, as a serial line does (11,520 B/s is 115200 baud with 8N1 framing).

#include <QtGlobal>

#include <atomic>
#include <thread>
#include <vector>

class LineRelay {
public:
    LineRelay(int senderFd, int receiverFd, int bytesPerSecond);
    ~LineRelay();
    LineRelay(const LineRelay&) = delete;
    LineRelay& operator=(const LineRelay&) = delete;

    void start();
    void stop();

    // From the first byte the sender put on the line to the last byte the receiver
    // answered (ns); valid after stop().
    qint64 transferNs() const { return m_lastFromReceiverNs - m_firstFromSenderNs; }
    // Turn-around times (ns): from the moment the relay handed one side the last byte of
    // what the other said to the first byte of its answer. For the sender that is the
    // host's own time per block; valid after stop().
    const std::vector<qint64>& senderTurns() const { return m_senderTurns; }
    const std::vector<qint64>& receiverTurns() const { return m_receiverTurns; }

private:
    void run();

    int m_sender;
    int m_receiver;
    qint64 m_byteNs; // 0: unpaced
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    qint64 m_firstFromSenderNs = -1;
    qint64 m_lastFromReceiverNs = -1;
    std::vector<qint64> m_senderTurns;
    std::vector<qint64> m_receiverTurns;
};
