#pragma once
// The simulated unit behind a recording relay: norvanebat-sim runs on its own terminal, the
// program opens programPath(), and every byte in either direction passes through here and
// is recorded with its time, so a test can read what the program sent and what the unit
// answered without sharing any parsing with either.

#include "pty_pair.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QVector>

class SimRelay : public QObject {
    Q_OBJECT
public:
    explicit SimRelay(const QStringList& simArgs);
    ~SimRelay() override;

    bool isReady() const { return m_simFd >= 0 && m_program.isValid(); }
    QString programPath() const { return m_program.slavePath(); }

    struct Sent {
        qint64 ms; // since the relay started
        QString line;
    };
    // Command lines the program sent, in order (empty lines left out).
    QVector<Sent> sentLines() const;
    QByteArray fromUnit() const { return m_fromUnit; }
    // The last complete reply (from its echo to "$$") whose echo line is `command`.
    QString lastReply(const QString& command) const;
    qint64 elapsedMs() const { return m_clock.elapsed(); }

private:
    void pumpFromUnit();
    void pumpFromProgram();

    QProcess m_sim;
    PtyPair m_program;
    int m_simFd = -1;
    QSocketNotifier* m_unitNotifier = nullptr;
    QSocketNotifier* m_programNotifier = nullptr;
    QElapsedTimer m_clock;
    QByteArray m_fromUnit;
    QByteArray m_fromProgram;
    QVector<qint64> m_programByteTimes; // time of each line feed from the program
};

// Reads "Label ... : value unit" out of a reply the way a technician reads the console:
// the number after the first ':' on the label's line.
double replyNumber(const QString& reply, const QString& label);
