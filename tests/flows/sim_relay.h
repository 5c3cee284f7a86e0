#pragma once
// The simulated unit behind a recording relay: norvanebat-sim runs on its own terminal, the
// program opens programPath(), and every byte in either direction passes through here and
// is recorded, so a test can read what the program sent and what the unit answered without
// sharing any parsing with either.

#include "pty_pair.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

class SimRelay : public QObject {
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
    QVector<Sent> sentLines() const { return m_sent; }
    QByteArray fromUnit() const { return m_fromUnit; }
    // The last complete reply (from its echo to "$$") whose echo line is `command`.
    QString lastReply(const QString& command) const;
    qint64 elapsedMs() const { return m_clock.elapsed(); }

private:
    void pump(int from, int to);

    QProcess m_sim;
    PtyPair m_program;
    int m_simFd = -1;
    QElapsedTimer m_clock;
    QByteArray m_fromUnit;
    QByteArray m_partLine; // what the program sent after its last line feed
    QVector<Sent> m_sent;
};

// Reads "Label ... : value unit" out of a reply the way a technician reads the console:
// the number after the first ':' on the label's line.
double replyNumber(const QString& reply, const QString& label);
