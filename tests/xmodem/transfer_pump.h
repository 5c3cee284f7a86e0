#pragma once
// Plays the main window's part around the transfer thread, for tests and the benchmark:
// every packet the thread emits is written to a line (a file descriptor: a pty master or
// an opened pty slave), and every chunk read from the line is routed as the main window
// routes it: a receive buffer that starts with a control byte goes to the thread's
// readData, anything else is kept aside as text.
//
// TransferOutcome records the thread's outcome signals in the main thread.

#include "upgrade/updata_thread.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QSocketNotifier;

class TransferPump : public QObject {
    Q_OBJECT
public:
    TransferPump(int fd, UpdataThread* thread);
    ~TransferPump() override;

    QList<QByteArray> written; // what the thread sent, packet by packet
    QByteArray text;           // received bytes that did not go to the thread
    QByteArray routed;         // received bytes that went to the thread
    bool recordPackets = true; // false keeps only the counters (benchmark)
    int writes = 0;
    bool writeFailed = false;

private:
    void onSendData(const QByteArray& data);
    void onReadable();

    int m_fd;
    UpdataThread* m_thread;
    QSocketNotifier* m_notifier;
    QByteArray m_receive;
};

class TransferOutcome : public QObject {
    Q_OBJECT
public:
    explicit TransferOutcome(UpdataThread* thread);

    // Waits (processing events) until TransFinsh, TimeOut or FileError, up to timeoutMs.
    bool wait(int timeoutMs);
    bool done() const { return finish != 0 || timeOuts != 0 || fileErrors != 0; }

    int starts = 0;
    int finish = 0; // TransFinsh's value
    int finishes = 0;
    int timeOuts = 0;
    int fileErrors = 0;
    qint64 startedAtMs = -1; // since construction
    qint64 startedAtEpochMs = -1;
    qint64 endedAtMs = -1;

signals:
    void ending();

private:
    void ended();
    qint64 m_t0;
};
