#pragma once
// A pseudo-terminal pair for tests: the slave end is what the program opens as its serial
// port (by path); the test plays the unit on the master end. Raw mode, no echo.

#include <QByteArray>
#include <QString>

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }

    // Writes all bytes to the master end.
    bool write(const QByteArray& bytes);
    // Reads what arrives within timeoutMs (processing Qt events meanwhile), stopping
    // early once `until` (if not empty) has been seen in what was read.
    QByteArray read(int timeoutMs, const QByteArray& until = QByteArray());

private:
    int m_master = -1;
    int m_slave = -1; // held open so the master never sees a hang-up between the program's opens
    QString m_slavePath;
};
