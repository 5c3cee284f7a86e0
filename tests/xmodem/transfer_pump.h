#pragma once
// Plays the main window's part around the transfer thread, for tests and the benchmark:
// every packet the thread emits is written to a line (a pty master or an opened pty
// slave), and every chunk read from the line is routed as the main window routes it: a
// receive buffer that starts with a control byte goes to the thread's readData, anything
// else is dropped as text. TransferOutcome records the thread's outcome signals.

#include "upgrade/updata_thread.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QSocketNotifier;

// Pseudo-random image bytes; the same size and seed give the same image.
QByteArray testImage(int size, int seed = 0);
// What a receiver keeps: the image and 0x1A fill to the block boundary (a full fill
// block after an image that ends on one).
QByteArray padded(const QByteArray& image);
// Writes bytes to path; returns path, or an empty string on failure.
QString writeImage(const QString& path, const QByteArray& bytes);
// setFilePath, setSendMode, startSend.
void startTransfer(UpdataThread& thread, const QString& path);

class TransferPump : public QObject {
    Q_OBJECT
public:
    TransferPump(int fd, UpdataThread* thread);

    QList<QByteArray> written; // what the thread sent, packet by packet
    QByteArray routed;         // received bytes that went to the thread
    bool recordPackets = true; // false keeps only the counters (benchmark)
    int writes = 0;

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

signals:
    void ending();
};
