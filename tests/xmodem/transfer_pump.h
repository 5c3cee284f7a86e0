#pragma once
// Plays the window's part around the transfer thread (tests and benchmark): the thread's packets
// go to a line (pty master or opened slave); what comes back is routed as the window routes it,
// control bytes to readData, text dropped. TransferOutcome counts the outcome signals.

#include "upgrade/updata_thread.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QSocketNotifier;

// Pseudo-random image bytes; the same size and seed give the same image.
QByteArray testImage(int size, int seed = 0);
// What a receiver keeps: image, 0x1A fill to the block boundary (a whole block after an exact one).
QByteArray padded(const QByteArray& image);
// Writes bytes to path; returns path, or an empty string on failure.
QString writeImage(const QString& path, const QByteArray& bytes);
// The file's bytes, or "(missing)".
QByteArray fileBytes(const QString& path);
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

    // Processes events until TransFinsh, TimeOut or FileError, up to timeoutMs.
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
