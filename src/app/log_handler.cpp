#include "app/log_handler.h"

#include "app/app_constants.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

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
        .arg(when.toString(QLatin1String(app::kLineTimeFormat)), levelWord(type),
             sourceFileName(context.file), QString::number(context.line),
             QString::fromUtf8(context.function), message);
}

QDate archiveDate(const QString& fileName) {
    // A day ("2024-03-03"), optionally a time of day with ':' or '-', optionally "_<n>".
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(?: \\d{2}[:-]\\d{2}[:-]\\d{2})?(?:_\\d+)?$"));
    const QRegularExpressionMatch match = pattern.match(QFileInfo(fileName).baseName());
    if (!match.hasMatch())
        return QDate();
    return QDate::fromString(match.captured(1), QLatin1String(app::kDayArchiveFormat));
}

bool isExpired(const QString& fileName, const QDateTime& now) {
    const QDate date = archiveDate(fileName);
    if (!date.isValid())
        return false;
    return date.startOfDay() < now.addDays(-app::kLogRetentionDays);
}

ExpiryCheck::ExpiryCheck(const QDateTime& now)
    : m_now(now), m_lastExpiredDay(now.addDays(-app::kLogRetentionDays)
                                       .date()
                                       .toString(QLatin1String(app::kDayArchiveFormat))) {}

bool ExpiryCheck::operator()(const QString& fileName) const {
    // "yyyy-MM-dd" sorts like the date it names; any later name is not an expired archive.
    if (QStringView(fileName).left(m_lastExpiredDay.size()) > QStringView(m_lastExpiredDay))
        return false;
    return isExpired(fileName, m_now);
}

QStringList archiveNames(const QString& stem) {
    QStringList stems{stem};
    QString dashed = stem;
    dashed.replace(QLatin1Char(':'), QLatin1Char('-'));
    if (dashed != stem)
        stems << dashed;

    const QString suffix = QLatin1String(app::kLogSuffix);
    QStringList names;
    for (const QString& s : stems)
        names << s + suffix;
    for (int n = 1; n <= app::kMaxArchiveCounter; ++n) {
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
    static QString folder = QLatin1String(app::kLogFolder);
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

// Lists the folder once, by name only, and deletes the archives expired at `now`. Runs on a
// thread of its own and takes no lock: it touches only files that no one writes any more.
void removeExpiredArchives(const QString& folder, const QDateTime& now) {
    const logfiles::ExpiryCheck expired(now);
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString path = it.next();
        if (expired(it.fileName()))
            QFile::remove(path);
    }
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
    m_maintenanceTimer.start(app::kLogMaintenanceMs);
    m_flushTimer.start(app::kLogFlushMs);
}

LogHandler::~LogHandler() {
    m_maintenanceTimer.stop();
    m_flushTimer.stop();
    waitForCleanUp();
    closeLog();
}

QString LogHandler::todayPath() const {
    return m_folder.filePath(QLatin1String(app::kTodayLogName));
}

void LogHandler::maintain() {
    if (checkDate())
        m_cleanUpDue = true;
    checkSize();
    const QDateTime current = now();
    // Also when the clock was set back.
    if (!m_lastCleanUp.isValid() || current < m_lastCleanUp ||
        m_lastCleanUp.secsTo(current) >= app::kLogCleanUpIntervalSecs)
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
    rotate(m_logDate.toString(QLatin1String(app::kDayArchiveFormat)));
    return true;
}

void LogHandler::checkSize() {
    flushStream();
    if (QFileInfo(todayPath()).size() <= app::kLogRotateBytes)
        return;
    rotate(now().toString(QLatin1String(app::kPartArchiveFormat)));
}

// Starts the expiry scan unless the last one is still running (it is then tried again at
// the next tick).
void LogHandler::startCleanUp() {
    using namespace std::chrono_literals;
    if (m_cleanUp.valid() && m_cleanUp.wait_for(0ms) != std::future_status::ready)
        return;
    m_cleanUpDue = false;
    m_lastCleanUp = now();
    m_cleanUp = std::async(std::launch::async, removeExpiredArchives, m_folder.absolutePath(),
                           m_lastCleanUp);
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
