#pragma once
// Crash capture for the whole process: the dump folder, the handler that writes a dump
// there when the program crashes, and the dumps found there at the next start.

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>

class BreakpadHandler {
public:
    // The one instance of the process.
    static BreakpadHandler& instance();

    // Creates the folder when missing (a relative path is taken from the program's folder).
    // When it exists, installs the crash handler and makes the next crash write
    // "<new GUID>.dmp" there; otherwise logs the failure and installs nothing.
    void setDumpPath(const QString& path);
    QString dumpPath() const;
    QStringList dumpFileList() const; // names of the "*.dmp" files in the dump folder
    bool hasDumps() const { return !dumpFileList().isEmpty(); }
    // Deletes the named dumps, the ones that reached the report folder; the others stay
    // for the next start.
    void clearDumps(const QStringList& names);

private:
    BreakpadHandler();
    QByteArray dumpHeader(const QString& guid) const;

    mutable QMutex m_mutex;
    const QDateTime m_started;
    QString m_dumpPath;
};
