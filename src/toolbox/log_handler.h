#pragma once
// The process-wide log sink: every qDebug/qInfo/qWarning/... goes to standard output and,
// with time stamp, level and origin, to "today.log" in the log folder. A maintenance timer
// archives the file when the day changes or when it grows too large, and deletes archives
// older than the retention period; a flush timer writes the buffered lines once a second.

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QtGlobal>

#include <functional>
#include <future>
#include <memory>

class QFile;
class QTextStream;

// The naming and retention rules of the log folder, free of any file or timer.
namespace logfiles {

// Five characters for every level: "DEBUG", "INFO ", "WARN ", "ERROR", "FATAL".
QString levelWord(QtMsgType type);
// The text after the last '/' or '\\' of a source path; empty for no path.
QString sourceFileName(const char* path);
// One line of the log file, ending in "\n".
QString formatLine(const QDateTime& when, QtMsgType type, const QMessageLogContext& context,
                   const QString& message);

// The date an archive's name begins with ("2024-03-03.log", "2024-03-03 10:11:12.log",
// their "-" and counter variants); an invalid date for any other name, "today.log" included.
QDate archiveDate(const QString& fileName);
// True when the file is an archive whose date lies before now minus the retention period.
bool isExpired(const QString& fileName, const QDateTime& now);

// One file of the log folder as the clean-up finds it.
struct FolderEntry {
    QString name;
    qint64 bytes = 0;
};

// How much the archives may hold together.
struct FolderBound {
    qint64 maxBytes = 0;
    int maxArchives = 0;
};

// The names the clean-up deletes at `now`: the archives past the retention period and,
// counting from the newest archive back, every archive from the first one that would take
// the rest past either bound. Archives are ordered by the moment their name stands for (a
// day's archive closes its day); names that are no archives are neither counted nor deleted.
QStringList archivesToRemove(const QVector<FolderEntry>& entries, const QDateTime& now,
                             const FolderBound& bound);

// File names to try for an archive, preferred first: the stem itself, the stem with '-' for
// ':' (for file systems that refuse ':'), then both with a counter.
QStringList archiveNames(const QString& stem);

} // namespace logfiles

class LogHandler {
public:
    using Clock = std::function<QDateTime()>;

    // Creates the one instance and installs messageHandler; a second call does nothing.
    static void installMessageHandler();
    // Restores Qt's default handler and destroys the instance (flushing the file).
    static void releaseMessageHandler();
    static void messageHandler(QtMsgType type, const QMessageLogContext& context,
                               const QString& message);

    // The clock used for time stamps, rotation and retention (the system clock when unset).
    // It may be called from any thread that logs.
    static void setClock(Clock clock);
    // The bounds of the archives, taken at the next clean-up (the shipped ones by default).
    static void setFolderBound(const logfiles::FolderBound& bound);
    // The folder of the log files, taken at the next installation; "log" by default.
    static void setFolderPath(const QString& path);
    static QString folderPath();
    // One maintenance tick (date check, size check, clean-up), as the timer runs it.
    static void runMaintenance();
    static void flush();
    static bool isInstalled();

    LogHandler(const LogHandler&) = delete;
    LogHandler& operator=(const LogHandler&) = delete;
    ~LogHandler();

private:
    explicit LogHandler(const QString& folderPath);

    QString todayPath() const;
    void maintain();
    bool checkDate(); // true when the day changed
    void checkSize();
    void startCleanUp();
    void waitForCleanUp();
    bool openLog(bool truncate);
    void closeLog();
    void rotate(const QString& archiveStem);
    bool archiveToday(const QString& archiveStem);
    void write(const QString& line);
    void flushStream();

    QDir m_folder;
    QTimer m_maintenanceTimer;
    QTimer m_flushTimer;
    QDate m_logDate; // the day the current "today.log" belongs to
    QDateTime m_lastCleanUp;
    bool m_cleanUpDue = true;
    int m_archivedSinceCleanUp = 0;
    std::future<void> m_cleanUp; // the expiry scan, run off the lock and off this thread
    std::unique_ptr<QFile> m_file;
    std::unique_ptr<QTextStream> m_stream;
};
