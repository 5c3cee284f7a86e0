// The log sink: line format, rotation by date and by size, retention, archive names that
// cannot be used, and a message from another thread during a rotation.

#include "app/log_handler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// Restated here on purpose: the sink's file names and its 5120-byte limit.
const char* const kToday = "today.log";
constexpr int kRotateBytes = 5120;
// "yyyy-MM-dd hh:mm:ss.zzz - [LEVEL] (:0, ): " of a line without source location.
constexpr int kBarePrefixBytes = 42;

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

// A clock the test moves by hand; the sink may read it from any thread.
class FakeClock {
public:
    void set(const QDateTime& t) {
        QMutexLocker lock(&m_mutex);
        m_now = t;
    }
    QDateTime now() {
        QMutexLocker lock(&m_mutex);
        return m_now;
    }

private:
    QMutex m_mutex;
    QDateTime m_now;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& content, const QDateTime& mtime) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    f.close();
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(mtime, QFileDevice::FileModificationTime));
    f.close();
}

void logInfo(const QByteArray& text) {
    QMessageLogger().info("%s", text.constData());
}

} // namespace

class TestLogHandler : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formatsLine_data();
    void formatsLine();
    void writesUtf8LinesWithSourceLocation();
    void installsOnceAndFlushesOnRelease();
    void flushTimerWritesBufferedLines();
    void archivesEarlierDayAtInstall();
    void archivesWhenDateChangesWhileRunning();
    void archivesPartPastSizeLimit_data();
    void archivesPartPastSizeLimit();
    void takenArchiveNameKeepsToday_data();
    void takenArchiveNameKeepsToday();
    void expiry_data();
    void expiry();
    void cleanUpDeletesOnlyExpiredArchives();
    void workerMessageDuringRotationLandsInNewFile();

private:
    QString logDir() const { return m_dir->path() + "/log"; }
    QString logFile(const QString& name) const { return logDir() + "/" + name; }
    QStringList folderEntries() const { return QDir(logDir()).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<FakeClock> m_clock;
};

void TestLogHandler::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_clock = std::make_shared<FakeClock>();
    m_clock->set(at(2024, 3, 5, 12, 0));
    std::shared_ptr<FakeClock> clock = m_clock;
    LogHandler::setClock([clock] { return clock->now(); });
    LogHandler::setFolderPath(logDir());
}

void TestLogHandler::cleanup() {
    LogHandler::releaseMessageHandler();
    LogHandler::setClock(nullptr);
    LogHandler::setFolderPath("log");
    m_dir.reset();
}

void TestLogHandler::formatsLine_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    const QByteArray file = "/home/dev/norvanebat/src/serial/my_serial.cpp";
    const QByteArray func = "void MySerial::open()";
    const QString tail = " (my_serial.cpp:42, void MySerial::open()): port open";
    const QString stamp = "2024-03-05 09:08:07.006 - ";
    QTest::newRow("debug") << int(QtDebugMsg) << file << 42 << func << "port open"
                           << stamp + "[DEBUG]" + tail + "\n";
    QTest::newRow("info") << int(QtInfoMsg) << file << 42 << func << "port open"
                          << stamp + "[INFO ]" + tail + "\n";
    QTest::newRow("warning") << int(QtWarningMsg) << file << 42 << func << "port open"
                             << stamp + "[WARN ]" + tail + "\n";
    QTest::newRow("critical") << int(QtCriticalMsg) << file << 42 << func << "port open"
                              << stamp + "[ERROR]" + tail + "\n";
    QTest::newRow("fatal") << int(QtFatalMsg) << file << 42 << func << "port open"
                           << stamp + "[FATAL]" + tail + "\n";
    QTest::newRow("no source location")
        << int(QtDebugMsg) << QByteArray() << 0 << QByteArray() << "ui UpdataThread id"
        << stamp + "[DEBUG] (:0, ): ui UpdataThread id\n";
    QTest::newRow("windows path") << int(QtInfoMsg) << QByteArray("C:\\nb\\src\\app\\main.cpp") << 7
                                  << QByteArray("main")
                                  << "scr:" << stamp + "[INFO ] (main.cpp:7, main): scr:\n";
    QTest::newRow("placeholders in the message stay")
        << int(QtDebugMsg) << QByteArray() << 0 << QByteArray() << "%1 %2 50%"
        << stamp + "[DEBUG] (:0, ): %1 %2 50%\n";
}

void TestLogHandler::formatsLine() {
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QByteArray, function);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    const QMessageLogContext context(file.isNull() ? nullptr : file.constData(), line,
                                     function.isNull() ? nullptr : function.constData(), nullptr);
    QCOMPARE(logfiles::formatLine(at(2024, 3, 5, 9, 8, 7, 6), QtMsgType(type), context, message),
             expected);
}

void TestLogHandler::writesUtf8LinesWithSourceLocation() {
    LogHandler::installMessageHandler();
    QMessageLogger("/build/src/app/main.cpp", 118, "int main(int, char**)")
        .warning("%s", u8"翻译加载成功 ✓");
    LogHandler::flush();

    const QByteArray expected = u8"2024-03-05 12:00:00.000 - [WARN ] "
                                u8"(main.cpp:118, int main(int, char**)): 翻译加载成功 ✓\n";
    QCOMPARE(readAll(logFile(kToday)), expected);
}

void TestLogHandler::installsOnceAndFlushesOnRelease() {
    LogHandler::installMessageHandler();
    LogHandler::installMessageHandler();
    QVERIFY(LogHandler::isInstalled());
    logInfo("while installed");
    LogHandler::releaseMessageHandler();
    QVERIFY(!LogHandler::isInstalled());
    logInfo("after release");

    // No explicit flush: releasing writes what was buffered.
    const QByteArray content = readAll(logFile(kToday));
    QCOMPARE(content.count("while installed"), 1);
    QVERIFY(!content.contains("after release"));
}

void TestLogHandler::flushTimerWritesBufferedLines() {
    LogHandler::installMessageHandler();
    logInfo("buffered line");
    QTRY_VERIFY_WITH_TIMEOUT(readAll(logFile(kToday)).contains("buffered line"), 3000);
}

void TestLogHandler::archivesEarlierDayAtInstall() {
    QVERIFY(QDir().mkpath(logDir()));
    writeFile(logFile(kToday), "written on 3 March\n", at(2024, 3, 3, 18, 30));
    m_clock->set(at(2024, 3, 5, 8, 0));

    LogHandler::installMessageHandler();
    QCOMPARE(readAll(logFile("2024-03-03.log")), QByteArray("written on 3 March\n"));
    QVERIFY(QFileInfo::exists(logFile(kToday)));
    QCOMPARE(QFileInfo(logFile(kToday)).size(), 0);

    logInfo("first line of 5 March");
    LogHandler::flush();
    QVERIFY(readAll(logFile(kToday)).contains("first line of 5 March"));
    QVERIFY(!readAll(logFile("2024-03-03.log")).contains("5 March"));
}

void TestLogHandler::archivesWhenDateChangesWhileRunning() {
    m_clock->set(at(2024, 3, 5, 23, 59, 58));
    LogHandler::installMessageHandler();
    logInfo("before midnight");

    m_clock->set(at(2024, 3, 6, 0, 0, 1));
    LogHandler::runMaintenance();
    logInfo("after midnight");
    LogHandler::flush();

    const QByteArray archived = readAll(logFile("2024-03-05.log"));
    const QByteArray today = readAll(logFile(kToday));
    QVERIFY(archived.contains("before midnight"));
    QVERIFY(!archived.contains("after midnight"));
    QVERIFY(today.startsWith("2024-03-06 00:00:01.000 - [INFO ]"));
    QVERIFY(today.contains("after midnight"));
    QVERIFY(!today.contains("before midnight"));
}

void TestLogHandler::archivesPartPastSizeLimit_data() {
    QTest::addColumn<int>("extraBytes");
    QTest::addColumn<bool>("archived");
    QTest::newRow("exactly at the limit") << 0 << false;
    QTest::newRow("one byte past the limit") << 1 << true;
}

void TestLogHandler::archivesPartPastSizeLimit() {
    QFETCH(int, extraBytes);
    QFETCH(bool, archived);

    m_clock->set(at(2024, 3, 5, 12, 34, 56));
    LogHandler::installMessageHandler();
    // 40 lines of 128 bytes make exactly the limit.
    const QByteArray body(128 - kBarePrefixBytes - 1, 'x');
    for (int i = 0; i < 39; ++i)
        logInfo(body);
    logInfo(body + QByteArray(extraBytes, 'y'));
    LogHandler::flush();
    QCOMPARE(QFileInfo(logFile(kToday)).size(), kRotateBytes + extraBytes);

    LogHandler::runMaintenance();
    const QString part = logFile("2024-03-05 12:34:56.log");
    QCOMPARE(QFileInfo::exists(part), archived);
    if (!archived) {
        QCOMPARE(folderEntries(), QStringList{kToday});
        return;
    }
    QCOMPARE(QFileInfo(part).size(), kRotateBytes + extraBytes);
    QCOMPARE(QFileInfo(logFile(kToday)).size(), 0);
    logInfo("next part");
    LogHandler::flush();
    QVERIFY(readAll(logFile(kToday)).contains("next part"));
}

void TestLogHandler::takenArchiveNameKeepsToday_data() {
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("takenName");
    QTest::addColumn<QString>("expectedPrefix");
    QTest::newRow("day archive exists") << false << "2024-03-03.log"
                                        << "2024-03-03";
    QTest::newRow("part archive exists") << true << "2024-03-05 12:34:56.log"
                                         << "2024-03-05 12";
}

void TestLogHandler::takenArchiveNameKeepsToday() {
    QFETCH(bool, bySize);
    QFETCH(QString, takenName);
    QFETCH(QString, expectedPrefix);

    QVERIFY(QDir().mkpath(logDir()));
    writeFile(logFile(takenName), "the older archive\n", at(2024, 3, 3, 23, 0));
    QByteArray todayContent = "the newer lines\n";
    if (bySize)
        todayContent += QByteArray(kRotateBytes, 'z') + "\n";
    writeFile(logFile(kToday), todayContent, bySize ? at(2024, 3, 5, 12, 0) : at(2024, 3, 3, 20));
    m_clock->set(at(2024, 3, 5, 12, 34, 56));

    LogHandler::installMessageHandler();
    LogHandler::runMaintenance();

    QCOMPARE(readAll(logFile(takenName)), QByteArray("the older archive\n"));
    QCOMPARE(QFileInfo(logFile(kToday)).size(), 0);
    QStringList others = folderEntries();
    others.removeAll(kToday);
    others.removeAll(takenName);
    QCOMPARE(others.size(), 1);
    QVERIFY2(others.first().startsWith(expectedPrefix), qPrintable(others.first()));
    QVERIFY(others.first().endsWith(".log"));
    QCOMPARE(readAll(logFile(others.first())), todayContent);
}

void TestLogHandler::expiry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("expired");

    const QDateTime justPast = at(2024, 1, 31, 0, 0, 1); // 30 days and 1 s after 1 January
    const QDateTime justAt = at(2024, 1, 31, 0, 0, 0);
    QTest::newRow("day archive, 30 days passed") << "2024-01-01.log" << justPast << true;
    QTest::newRow("day archive, exactly 30 days") << "2024-01-01.log" << justAt << false;
    QTest::newRow("next day's archive") << "2024-01-02.log" << justPast << false;
    QTest::newRow("part archive, by its date") << "2024-01-01 23:59:59.log" << justPast << true;
    QTest::newRow("part archive, recent") << "2024-01-30 10:00:00.log" << justPast << false;
    QTest::newRow("dashed part archive") << "2024-01-01 23-59-59.log" << justPast << true;
    QTest::newRow("counted archive") << "2024-01-01_3.log" << justPast << true;
    QTest::newRow("counted part archive") << "2024-01-01 08-00-00_12.log" << justPast << true;
    QTest::newRow("today.log") << "today.log" << at(2030, 1, 1) << false;
    QTest::newRow("other text") << "notes.txt" << at(2030, 1, 1) << false;
    QTest::newRow("date inside a longer name") << "backup-2024-01-01.log" << justPast << false;
    QTest::newRow("date then other words") << "2024-01-01 notes.log" << justPast << false;
    QTest::newRow("not a real date") << "2023-13-45.log" << at(2030, 1, 1) << false;
}

void TestLogHandler::expiry() {
    QFETCH(QString, name);
    QFETCH(QDateTime, now);
    QFETCH(bool, expired);
    QCOMPARE(logfiles::isExpired(name, now), expired);
}

void TestLogHandler::cleanUpDeletesOnlyExpiredArchives() {
    QVERIFY(QDir().mkpath(logDir()));
    const QDateTime now = at(2024, 2, 15, 9, 0);
    const QStringList expired{"2024-01-01.log", "2024-01-14 23:59:59.log",
                              "2024-01-10 07-00-00_1.log"};
    const QStringList kept{"2024-01-17.log", "2024-02-14 10:00:00.log", "notes.txt",
                           "crash-2020-01-01.log"};
    for (const QString& name : expired + kept)
        writeFile(logFile(name), "x\n", at(2020, 1, 1));
    writeFile(logFile(kToday), "kept\n", now.addSecs(-3600));
    m_clock->set(now);

    LogHandler::installMessageHandler();
    LogHandler::runMaintenance();

    QStringList expected = kept;
    expected << kToday;
    expected.sort();
    QCOMPARE(folderEntries(), expected);
    QCOMPARE(readAll(logFile(kToday)), QByteArray("kept\n"));
}

void TestLogHandler::workerMessageDuringRotationLandsInNewFile() {
    m_clock->set(at(2024, 3, 5, 23, 59, 59));
    LogHandler::installMessageHandler();
    logInfo("old day");

    // The maintenance tick reads the clock while it holds the sink: start the worker from
    // there, so that its message arrives in the middle of the rotation.
    struct Stage {
        std::unique_ptr<QThread> worker{
            QThread::create([] { QMessageLogger().info("from the worker"); })};
        QThread* mainThread = QThread::currentThread();
        std::atomic<bool> armed{true};
        std::atomic<bool> workerWaited{false};
        ~Stage() { worker->wait(); }
    };
    auto stage = std::make_shared<Stage>();
    std::shared_ptr<FakeClock> clock = m_clock;
    LogHandler::setClock([stage, clock] {
        if (QThread::currentThread() == stage->mainThread && stage->armed.exchange(false)) {
            stage->worker->start();
            QThread::msleep(150);
            stage->workerWaited = !stage->worker->isFinished();
        }
        return clock->now();
    });

    m_clock->set(at(2024, 3, 6, 0, 0, 1));
    LogHandler::runMaintenance();
    QVERIFY(stage->worker->wait(5000));
    QVERIFY(stage->workerWaited);
    LogHandler::flush();

    const QByteArray archived = readAll(logFile("2024-03-05.log"));
    const QByteArray today = readAll(logFile(kToday));
    QVERIFY(archived.contains("old day"));
    QVERIFY(!archived.contains("from the worker"));
    QCOMPARE(today.count("from the worker"), 1);
}

QTEST_GUILESS_MAIN(TestLogHandler)
#include "test_log_handler.moc"
