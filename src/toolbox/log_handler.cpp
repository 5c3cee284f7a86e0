#include "toolbox/log_handler.h"

#include "toolbox/toolbox_constants.h"
#include "toolbox/thread_signal_stack.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <tuple>
#include <vector>

namespace logfiles {

QString levelWord(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("DEBUG");
    case QtInfoMsg:
        return QStringLiteral("INFO ");
    case QtWarningMsg:
        return QStringLiteral("WARN ");
    case QtCriticalMsg:
        return QStringLiteral("ERROR");
    case QtFatalMsg:
        return QStringLiteral("FATAL");
    }
    return QStringLiteral("DEBUG");
}

QString sourceFileName(const char* path) {
    if (!path)
        return QString();
    const QString full = QString::fromUtf8(path);
    const int cut = qMax(full.lastIndexOf(QLatin1Char('/')), full.lastIndexOf(QLatin1Char('\\')));
    return full.mid(cut + 1);
}

QString formatLine(const QDateTime& when, QtMsgType type, const QMessageLogContext& context,
                   const QString& message) {
    // One pass over the pattern: a "%1" inside the message stays as it is.
    return QStringLiteral("%1 - [%2] (%3:%4, %5): %6\n")
        .arg(when.toString(QLatin1String(toolbox::kLineTimeFormat)), levelWord(type),
             sourceFileName(context.file), QString::number(context.line),
             QString::fromUtf8(context.function), message);
}

namespace {

// Where an archive stands among the others: its day, the second of that day it was cut (a
// day's archive after every part of its day), and its counter when its first name was taken.
struct ArchiveStamp {
    QDate date;
    int second = 0;
    int counter = 0;
    bool operator<(const ArchiveStamp& o) const {
        return std::tie(date, second, counter) < std::tie(o.date, o.second, o.counter);
    }
};

constexpr int kSecondsPerDay = 24 * 60 * 60;

std::optional<ArchiveStamp> archiveStamp(const QString& fileName) {
    // A day ("2024-03-03"), optionally a time of day with ':' or '-', optionally "_<n>".
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})(?: (\\d{2})[:-](\\d{2})[:-](\\d{2}))?(?:_(\\d+))?$"));
    // The base name: up to the first '.'.
    const int dot = fileName.indexOf(QLatin1Char('.'));
    const QRegularExpressionMatch match =
        pattern.match(QStringView(fileName).left(dot < 0 ? fileName.size() : dot));
    if (!match.hasMatch())
        return std::nullopt;
    // The numbers are read directly: a date parser per name would cost a time-zone look-up
    // each, for every file of a folder that may hold half a million.
    const auto number = [&match](int group) { return match.capturedView(group).toInt(); };
    ArchiveStamp stamp;
    stamp.date = QDate(number(1), number(2), number(3));
    if (!stamp.date.isValid())
        return std::nullopt;
    stamp.second = match.capturedLength(4) == 0 ? kSecondsPerDay
                                                : (number(4) * 60 + number(5)) * 60 + number(6);
    stamp.counter = number(7);
    return stamp;
}

// The last day whose archives have expired at `now`: the one whose start lies before now
// minus the retention period.
QDate lastExpiredDay(const QDateTime& now) {
    const QDateTime cutOff = now.addDays(-toolbox::kLogRetentionDays);
    return cutOff.time() > QTime(0, 0) ? cutOff.date() : cutOff.date().addDays(-1);
}

} // namespace

QDate archiveDate(const QString& fileName) {
    const std::optional<ArchiveStamp> stamp = archiveStamp(fileName);
    return stamp ? stamp->date : QDate();
}

bool isExpired(const QString& fileName, const QDateTime& now) {
    const std::optional<ArchiveStamp> stamp = archiveStamp(fileName);
    return stamp && stamp->date <= lastExpiredDay(now);
}

QStringList archivesToRemove(const QVector<FolderEntry>& entries, const QDateTime& now,
                             const FolderBound& bound) {
    const QDate lastExpired = lastExpiredDay(now);
    QStringList removed;
    std::vector<std::pair<ArchiveStamp, const FolderEntry*>> kept;
    kept.reserve(size_t(entries.size()));
    for (const FolderEntry& entry : entries) {
        const std::optional<ArchiveStamp> stamp = archiveStamp(entry.name);
        if (!stamp)
            continue;
        if (stamp->date <= lastExpired)
            removed << entry.name;
        else
            kept.emplace_back(*stamp, &entry);
    }
    std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return b.first < a.first; // newest first
    });
    qint64 bytes = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        bytes += kept[i].second->bytes;
        if (bytes <= bound.maxBytes && qint64(i) < bound.maxArchives)
            continue;
        for (size_t j = i; j < kept.size(); ++j)
            removed << kept[j].second->name;
        break;
    }
    return removed;
}

QStringList archiveNames(const QString& stem) {
    QStringList stems{stem};
    QString dashed = stem;
    dashed.replace(QLatin1Char(':'), QLatin1Char('-'));
    if (dashed != stem)
        stems << dashed;

    const QString suffix = QLatin1String(toolbox::kLogSuffix);
    QStringList names;
    for (const QString& s : stems)
        names << s + suffix;
    for (int n = 1; n <= toolbox::kMaxArchiveCounter; ++n) {
        for (const QString& s : stems)
            names << QStringLiteral("%1_%2%3").arg(s).arg(n).arg(suffix);
    }
    return names;
}

} // namespace logfiles

namespace {

// One lock for the handler, installation, release, maintenance and flush. Recursive, so
// that a warning Qt itself raises while the sink holds the lock cannot dead-lock it.
QRecursiveMutex& logMutex() {
    static QRecursiveMutex mutex;
    return mutex;
}

LogHandler* g_instance = nullptr;
QtMessageHandler g_previousHandler = nullptr;

LogHandler::Clock& clockRef() {
    static LogHandler::Clock clock;
    return clock;
}

QString& folderRef() {
    static QString folder = QLatin1String(toolbox::kLogFolder);
    return folder;
}

// Set while this thread works inside the sink: a message raised from there (a file warning
// during rotation) goes to standard output only instead of into the stream being rotated.
thread_local bool t_inSink = false;

class SinkGuard {
public:
    SinkGuard() { t_inSink = true; }
    ~SinkGuard() { t_inSink = false; }
    SinkGuard(const SinkGuard&) = delete;
    SinkGuard& operator=(const SinkGuard&) = delete;
};

QDateTime now() {
    const LogHandler::Clock& clock = clockRef();
    return clock ? clock() : QDateTime::currentDateTime();
}

logfiles::FolderBound& boundRef() {
    static logfiles::FolderBound bound{toolbox::kLogFolderMaxBytes, toolbox::kLogFolderMaxArchives};
    return bound;
}

// Lists the folder once and deletes what the rules give up at `now`. Runs on a thread of its
// own and takes no lock: it touches only files that no one writes any more.
void cleanUpFolder(const QString& folder, const QDateTime& now, logfiles::FolderBound bound) {
    const ThreadSignalStack signalStack(toolbox::kLogCleanUpThreadName);
    QVector<logfiles::FolderEntry> entries;
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        entries.append({it.fileName(), it.fileInfo().size()});
    }
    const QDir dir(folder);
    for (const QString& name : logfiles::archivesToRemove(entries, now, bound))
        QFile::remove(dir.filePath(name));
}

void writeStandardOutput(const QString& message) {
    QByteArray bytes = message.toLocal8Bit();
    bytes.append('\n');
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

void LogHandler::installMessageHandler() {
    QMutexLocker lock(&logMutex());
    if (g_instance)
        return;
    SinkGuard guard;
    g_instance = new LogHandler(folderRef());
    g_previousHandler = qInstallMessageHandler(messageHandler);
}

void LogHandler::releaseMessageHandler() {
    std::unique_ptr<LogHandler> instance;
    {
        QMutexLocker lock(&logMutex());
        if (!g_instance)
            return;
        // The program installs over Qt's default handler, which this restores.
        qInstallMessageHandler(g_previousHandler);
        g_previousHandler = nullptr;
        instance.reset(g_instance);
        g_instance = nullptr;
    }
    // A warning raised inside the expiry scan waits for the lock, so the scan is awaited
    // with the lock free; nothing else reaches the detached instance.
    instance->waitForCleanUp();
    QMutexLocker lock(&logMutex());
    SinkGuard guard;
    instance.reset();
}

void LogHandler::messageHandler(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    QMutexLocker lock(&logMutex());
    writeStandardOutput(message);
    if (!g_instance || t_inSink)
        return;
    SinkGuard guard;
    g_instance->write(logfiles::formatLine(now(), type, context, message));
    // A fatal message aborts the process right after the handler: keep its line.
    if (type == QtFatalMsg)
        g_instance->flushStream();
}

void LogHandler::setClock(Clock clock) {
    QMutexLocker lock(&logMutex());
    clockRef() = std::move(clock);
}

void LogHandler::setFolderBound(const logfiles::FolderBound& bound) {
    QMutexLocker lock(&logMutex());
    boundRef() = bound;
}

void LogHandler::setFolderPath(const QString& path) {
    QMutexLocker lock(&logMutex());
    folderRef() = path;
}

QString LogHandler::folderPath() {
    QMutexLocker lock(&logMutex());
    return folderRef();
}

void LogHandler::runMaintenance() {
    QMutexLocker lock(&logMutex());
    if (!g_instance || t_inSink)
        return;
    SinkGuard guard;
    g_instance->maintain();
}

void LogHandler::flush() {
    QMutexLocker lock(&logMutex());
    if (!g_instance || t_inSink)
        return;
    SinkGuard guard;
    g_instance->flushStream();
}

bool LogHandler::isInstalled() {
    QMutexLocker lock(&logMutex());
    return g_instance != nullptr;
}

LogHandler::LogHandler(const QString& folderPath) : m_folder(folderPath) {
    const QFileInfo today(todayPath());
    if (today.exists())
        m_logDate = today.lastModified().date();
    checkDate();
    startCleanUp();

    // The timers belong to the installing thread (the GUI thread) and fire there.
    QObject::connect(&m_maintenanceTimer, &QTimer::timeout, [] { runMaintenance(); });
    QObject::connect(&m_flushTimer, &QTimer::timeout, [] { flush(); });
    m_maintenanceTimer.start(toolbox::kLogMaintenanceMs);
    m_flushTimer.start(toolbox::kLogFlushMs);
}

LogHandler::~LogHandler() {
    m_maintenanceTimer.stop();
    m_flushTimer.stop();
    waitForCleanUp();
    closeLog();
}

QString LogHandler::todayPath() const {
    return m_folder.filePath(QLatin1String(toolbox::kTodayLogName));
}

void LogHandler::maintain() {
    if (checkDate())
        m_cleanUpDue = true;
    checkSize();
    const QDateTime current = now();
    // Also when the clock was set back.
    if (!m_lastCleanUp.isValid() || current < m_lastCleanUp ||
        m_lastCleanUp.secsTo(current) >= toolbox::kLogCleanUpIntervalSecs ||
        m_archivedSinceCleanUp >= toolbox::kLogArchivesPerCleanUp)
        m_cleanUpDue = true;
    if (m_cleanUpDue)
        startCleanUp();
}

bool LogHandler::checkDate() {
    if (!m_folder.exists())
        m_folder.mkpath(QStringLiteral("."));
    if (!m_file)
        openLog(false);
    if (!m_logDate.isValid())
        m_logDate = now().date();
    if (now().date() == m_logDate)
        return false;
    rotate(m_logDate.toString(QLatin1String(toolbox::kDayArchiveFormat)));
    return true;
}

void LogHandler::checkSize() {
    flushStream();
    if (QFileInfo(todayPath()).size() <= toolbox::kLogRotateBytes)
        return;
    rotate(now().toString(QLatin1String(toolbox::kPartArchiveFormat)));
}

// Starts the expiry scan unless the last one is still running (it is then tried again at
// the next tick).
void LogHandler::startCleanUp() {
    using namespace std::chrono_literals;
    if (m_cleanUp.valid() && m_cleanUp.wait_for(0ms) != std::future_status::ready)
        return;
    m_cleanUpDue = false;
    m_archivedSinceCleanUp = 0;
    m_lastCleanUp = now();
    m_cleanUp = std::async(std::launch::async, cleanUpFolder, m_folder.absolutePath(),
                           m_lastCleanUp, boundRef());
}

void LogHandler::waitForCleanUp() {
    if (m_cleanUp.valid())
        m_cleanUp.wait();
}

bool LogHandler::openLog(bool truncate) {
    auto file = std::make_unique<QFile>(todayPath());
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Text |
                                     (truncate ? QIODevice::Truncate : QIODevice::Append);
    if (!file->open(mode))
        return false; // standard output only, until a later tick opens the file
    m_stream = std::make_unique<QTextStream>(file.get());
    m_stream->setCodec("UTF-8");
    m_file = std::move(file);
    return true;
}

void LogHandler::closeLog() {
    flushStream();
    m_stream.reset();
    if (m_file)
        m_file->close();
    m_file.reset();
}

void LogHandler::rotate(const QString& archiveStem) {
    closeLog();
    if (!archiveToday(archiveStem)) {
        // No name could be used: keep "today.log" whole and go on appending to it; the
        // next tick tries again.
        openLog(false);
        return;
    }
    openLog(true);
    m_logDate = now().date();
}

bool LogHandler::archiveToday(const QString& archiveStem) {
    const QString source = todayPath();
    if (!QFile::exists(source))
        return true; // nothing to keep
    const QStringList names = logfiles::archiveNames(archiveStem);
    for (const QString& name : names) {
        const QString target = m_folder.filePath(name);
        if (QFileInfo::exists(target) || !QFile::copy(source, target))
            continue;
        // Removed only once its copy exists.
        QFile::remove(source);
        ++m_archivedSinceCleanUp;
        return true;
    }
    return false;
}

void LogHandler::write(const QString& line) {
    if (m_stream)
        *m_stream << line;
}

void LogHandler::flushStream() {
    if (m_stream)
        m_stream->flush();
}
