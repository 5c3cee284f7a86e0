#pragma once
// The unit's end of the serial line: a fresh pseudo-terminal (the program opens its slave)
// or a serial device. Output is a queue of segments, each written after its own pause, so
// that replies can be delayed and cut up; a reader that falls behind holds the queue back.

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QTimer>

class QSocketNotifier;

namespace sim {

class LinePort : public QObject {
    Q_OBJECT
public:
    explicit LinePort(QObject* parent = nullptr);
    ~LinePort() override;

    bool openPty(QString& slavePath, QString& error);
    bool openDevice(const QString& path, QString& error);

    // Queues bytes to be written delayMs after everything queued before has been written.
    void send(const QByteArray& bytes, int delayMs = 0);
    bool isIdle() const { return m_queue.isEmpty() && m_current.isEmpty() && !m_waiting; }
    // Bytes written but not yet read by the other side (0 when that cannot be known).
    int unreadBytes() const;

signals:
    void received(const QByteArray& bytes);
    void idle();
    void closed();

private:
    struct Segment {
        int delayMs;
        QByteArray bytes;
    };

    void setUp();
    void onReadable();
    void pump();
    void startNextSegment();

    int m_fd = -1;
    int m_slave = -1; // held open so the line survives the program closing and reopening it
    bool m_device = false;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QQueue<Segment> m_queue;
    QByteArray m_current;
    bool m_waiting = false;
    QTimer m_delay;
};

} // namespace sim
