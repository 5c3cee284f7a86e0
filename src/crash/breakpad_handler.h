#pragma once
// Crash dump bookkeeping: the dump folder, the dumps found in it, and their removal.
// Capturing a crash is not wired in yet; the interface is the one start-up drives.

#include <QMutex>
#include <QString>
#include <QStringList>

class BreakpadHandler {
public:
    static BreakpadHandler& instance();

    // Creates the folder when missing.
    void setDumpPath(const QString& path);
    QString dumpPath() const;
    QStringList dumpFileList() const; // names of the "*.dmp" files
    bool hasDumps() const { return !dumpFileList().isEmpty(); }
    // Deletes the dumps named in keep-safe list `copied` (the ones that reached the report
    // folder); with no list, every dump.
    void clearDumps(const QStringList& copied = QStringList());

private:
    BreakpadHandler() = default;
    mutable QMutex m_mutex;
    QString m_dumpPath;
};
