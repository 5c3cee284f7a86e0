#pragma once
// The firmware transfer's worker thread. It owns the image file and the XMODEM engine and
// never touches the serial port: every packet leaves through sendData for the main window
// to write, and the main window hands every received control byte in through readData.
// Both directions cross threads through a one-slot mailbox (a mutex and a semaphore) and
// queued signals.
//
// One transfer: setFilePath, setSendMode, startSend; then readData for each control byte;
// the outcome arrives as TransFinsh, TimeOut or FileError.

#include "upgrade/xmodem_engine.h"

#include <QByteArray>
#include <QMutex>
#include <QSemaphore>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

class QFile;

class UpdataThread : public QThread {
    Q_OBJECT
public:
    explicit UpdataThread(QObject* parent = nullptr);
    ~UpdataThread() override;

    void setFilePath(const QString& path);
    void setSendMode();
    // Posts Start: the worker opens the image and waits for the receiver's first NAK.
    void startSend();
    // Image bytes sent, in percent (0 for an empty image).
    int progress() const;
    // Image bytes read into blocks so far, and the image's size.
    qint64 bytesSent() const { return m_engine.bytesSent(); }
    qint64 totalSize() const { return m_totalSize.load(); }

    bool isSending() const { return m_mode.load() == ModeSend; }

signals:
    // Bytes to write to the unit, unchanged.
    void sendData(QByteArray data);
    // The receiver's first NAK was seen.
    void TransStart();
    // 1 completed, 2 cancelled by the receiver, 3 given up after repeated refusals of
    // one block (CAN sent to the receiver).
    void TransFinsh(int result);
    // The image could not be opened or read; the transfer is over.
    void FileError();
    // No first NAK on the 11th tick of the start timer.
    void TimeOut();

public slots:
    void readData(QByteArray array);
    void onTimerUpdate();

protected:
    void run() override;

private:
    enum Mode { ModeNone, ModeSend };
    // What a routine run under m_work has to signal once the lock is released.
    enum class Outcome { None, FileError, TimeOut };

    bool waitForCommand();
    void takeCommands(bool* start, bool* data, QByteArray* bytes);
    Outcome openImage();
    void receiveStep(const QByteArray& data);
    void eotUnanswered();
    void applyStep(const XmodemStep& step);
    void releaseImage();
    void emitOutcome(Outcome outcome);
    void invokeStartTimer(const char* slot);

    std::atomic<int> m_mode{ModeNone};
    std::atomic<qint64> m_totalSize{0};

    // The mailbox. The bytes of the last readData wait in one slot (newer bytes replace
    // untaken ones); a pending Start is kept beside them, so that a receiver's NAK that
    // comes in before the worker took Start does not wipe the Start out.
    QMutex m_lock;
    QSemaphore m_wake{0};
    QString m_filePath;
    bool m_startPending = false;
    bool m_dataPending = false;
    QByteArray m_pendingData;

    // Guards the image and the engine between the worker and the start timer's tick,
    // which reruns the open routine in the main thread.
    QMutex m_work;
    std::unique_ptr<QFile> m_file;
    XmodemEngine m_engine;
    int m_startTicks = 0;

    // Lives in the main thread with this object; the worker reaches it only through
    // queued calls of start() and stop().
    QTimer m_startTimer;
};
