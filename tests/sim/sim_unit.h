#pragma once
// Runs norvanebat-sim for a test and talks to it over its pseudo-terminal as the program
// does: "\n" + command + "\n", raw bytes for everything else.

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <functional>

class SimUnit {
public:
    explicit SimUnit(const QStringList& args);
    ~SimUnit();
    SimUnit(const SimUnit&) = delete;
    SimUnit& operator=(const SimUnit&) = delete;

    static QString binary() { return qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat-sim"; }
    bool isReady() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    int fd() const { return m_fd; }
    QProcess& process() { return m_process; }

    void write(const QByteArray& bytes);
    // Sends a command line and returns the reply up to and including "$$\r\n".
    QByteArray command(const QString& line, int timeoutMs = 3000);
    // Reads until `marker` has arrived (the bytes after it stay for the next read).
    QByteArray readUntil(const QByteArray& marker, int timeoutMs);
    // Reads until the line has been quiet for quietMs, at most maxMs in all.
    QByteArray readQuiet(int quietMs, int maxMs = 10000);
    // Reads `count` bytes, or what came within timeoutMs.
    QByteArray readBytes(int count, int timeoutMs);

private:
    void fillUntil(int timeoutMs, const std::function<bool()>& done);
    QByteArray take(int count);

    QProcess m_process;
    QString m_path;
    int m_fd = -1;
    QByteArray m_pending;
    QElapsedTimer m_sinceData;
};
