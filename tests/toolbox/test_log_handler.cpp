// The log sink: line format, rotation by date and by size, retention, archive names that
// cannot be used, and a message from another thread during a rotation.
#include "toolbox/log_handler.h"

#include "toolbox/toolbox_constants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
// The archives' bounds, as shipped.
constexpr qint64 kFolderMaxBytes = 200000000;
constexpr int kFolderMaxArchives = 20000;

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content, const QDateTime& mtime) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) >= 0 &&
           f.flush() && f.setFileTime(mtime, QFileDevice::FileModificationTime);
}

void logInfo(const QByteArray& text) {
    QMessageLogger().info("%s", text.constData());
}

// The archives the sink would leave for `days` up to `now`: a part every `periodSecs` of
// `bytes` and a day's archive at each midnight, oldest first.
QVector<logfiles::FolderEntry> archivesUpTo(const QDateTime& now, int days, int periodSecs,
                                            int bytes) {
    QVector<logfiles::FolderEntry> out;
    const QDateTime start = now.addDays(-days);
    const int startSecond = start.time().msecsSinceStartOfDay() / 1000;
    QString day;
    for (qint64 s = startSecond; s < startSecond + days * 86400LL; s += periodSecs) {
        const QString today = start.date().addDays(s / 86400).toString("yyyy-MM-dd");
        if (!day.isEmpty() && today != day)
            out.append({day + ".log", bytes});
        day = today;
        const int t = int(s % 86400);
        out.append(
            {day + QString::asprintf(" %02d:%02d:%02d.log", t / 3600, t / 60 % 60, t % 60), bytes});
    }
    return out;
}

} // namespace

class TestLogHandler : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && QDir().mkpath(m_dir->path() + "/log"));
        m_clock = std::make_shared<std::atomic<qint64>>(at(2024, 3, 5, 12).toMSecsSinceEpoch());
        LogHandler::setClock([clock = m_clock] { return QDateTime::fromMSecsSinceEpoch(*clock); });
        LogHandler::setFolderPath(m_dir->path() + "/log");
    }

    void cleanup() {
        LogHandler::releaseMessageHandler();
        LogHandler::setClock(nullptr);
        LogHandler::setFolderPath("log");
        LogHandler::setFolderBound({toolbox::kLogFolderMaxBytes, toolbox::kLogFolderMaxArchives});
        m_dir.reset();
    }

    // Level tags, the file name cut from either kind of path, and a message taken as it stands.
    void formatsLine() {
        const QDateTime t = at(2024, 3, 5, 9, 8, 7, 6);
        const QString stamp = "2024-03-05 09:08:07.006 - ";
        const QString tail = " (my_serial.cpp:42, void MySerial::open()): port open\n";
        const char* function = "void MySerial::open()";
        const QMessageLogContext posix("/home/dev/norvanebat/src/serial/my_serial.cpp", 42,
                                       function, nullptr);
        const QPair<QtMsgType, QString> levels[] = {{QtDebugMsg, "[DEBUG]"},
                                                    {QtInfoMsg, "[INFO ]"},
                                                    {QtWarningMsg, "[WARN ]"},
                                                    {QtCriticalMsg, "[ERROR]"},
                                                    {QtFatalMsg, "[FATAL]"}};
        for (const auto& level : levels)
            QCOMPARE(logfiles::formatLine(t, level.first, posix, "port open"),
                     stamp + level.second + tail);
        const QMessageLogContext windows("C:\\nb\\src\\serial\\my_serial.cpp", 42, function,
                                         nullptr);
        QCOMPARE(logfiles::formatLine(t, QtInfoMsg, windows, "port open"),
                 stamp + "[INFO ]" + tail);
        // Without a source file there is neither line nor function.
        QCOMPARE(logfiles::formatLine(t, QtDebugMsg, QMessageLogContext(), "%1 %2 50%"),
                 stamp + "[DEBUG] (:0, ): %1 %2 50%\n");
    }

    // Installed twice, the sink still writes each message once, in UTF-8 with its origin; the
    // flush timer writes it without help; after the release messages no longer reach the file.
    void writesOnceInUtf8UntilReleased() {
        LogHandler::installMessageHandler();
        LogHandler::installMessageHandler();
        QVERIFY(LogHandler::isInstalled());
        QMessageLogger("/build/src/app/main.cpp", 118, "int main(int, char**)")
            .warning("%s", u8"翻译加载成功 ✓");
        QTRY_VERIFY_WITH_TIMEOUT(readAll(logFile()).contains(u8"✓"), 3000);
        LogHandler::releaseMessageHandler();
        QVERIFY(!LogHandler::isInstalled());
        logInfo("after release");
        QCOMPARE(readAll(logFile()),
                 QByteArray(u8"2024-03-05 12:00:00.000 - [WARN ] "
                            u8"(main.cpp:118, int main(int, char**)): 翻译加载成功 ✓\n"));
    }

    // A file left from an earlier day is archived at start-up (beside, not over, an archive of
    // that name), the running one when the date changes. A worker's message that arrives in the
    // middle of that rotation lands once, in the new file.
    void archivesByDateWhileAWorkerLogs() {
        QVERIFY(writeFile(logFile("2024-03-03.log"), "the older archive\n", at(2024, 3, 3, 23)));
        QVERIFY(writeFile(logFile(), "written on 3 March\n", at(2024, 3, 3, 18, 30)));
        setNow(at(2024, 3, 5, 23, 59, 58));
        LogHandler::installMessageHandler();
        QCOMPARE(QFileInfo(logFile()).size(), 0);
        logInfo("before midnight");

        // The maintenance tick reads the clock while it holds the sink: start the worker there.
        struct Stage {
            std::unique_ptr<QThread> worker{
                QThread::create([] { QMessageLogger().info("from the worker"); })};
            QThread* mainThread = QThread::currentThread();
            std::atomic<bool> armed{true}, workerWaited{false};
            ~Stage() { worker->wait(); }
        };
        auto stage = std::make_shared<Stage>();
        LogHandler::setClock([stage, clock = m_clock] {
            if (QThread::currentThread() == stage->mainThread && stage->armed.exchange(false)) {
                stage->worker->start();
                QThread::msleep(150);
                stage->workerWaited = !stage->worker->isFinished();
            }
            return QDateTime::fromMSecsSinceEpoch(*clock);
        });
        setNow(at(2024, 3, 6, 0, 0, 1));
        LogHandler::runMaintenance();
        QVERIFY(stage->worker->wait(5000));
        QVERIFY(stage->workerWaited);
        logInfo("after midnight");
        LogHandler::flush();

        QCOMPARE(readAll(logFile("2024-03-03.log")), QByteArray("the older archive\n"));
        const QStringList third =
            folderEntries().filter(QRegularExpression("^2024-03-03.+\\.log$"));
        QCOMPARE(third.size(), 1);
        QCOMPARE(readAll(logFile(third.first())), QByteArray("written on 3 March\n"));
        const QByteArray archived = readAll(logFile("2024-03-05.log"));
        const QByteArray today = readAll(logFile());
        QVERIFY(archived.contains("before midnight") && !archived.contains("after midnight"));
        QVERIFY(!archived.contains("from the worker"));
        QVERIFY(today.startsWith("2024-03-06 00:00:01.000 - [INFO ]"));
        QVERIFY(today.contains("after midnight") && !today.contains("before midnight"));
        QCOMPARE(today.count("from the worker"), 1);
    }

    void archivesPartPastSizeLimit_data() {
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<bool>("nameTaken");
        QTest::newRow("exactly at the limit") << 0 << false;
        QTest::newRow("one byte past the limit") << 1 << false;
        QTest::newRow("past the limit, part name taken") << 1 << true;
    }

    // The part past the limit is archived under the time of the rotation, beside (not over) an
    // archive that already has that name.
    void archivesPartPastSizeLimit() {
        QFETCH(int, extraBytes);
        QFETCH(bool, nameTaken);
        const QString part = "2024-03-05 12:34:56.log";
        if (nameTaken)
            QVERIFY(writeFile(logFile(part), "the older archive\n", at(2024, 3, 3, 23)));
        setNow(at(2024, 3, 5, 12, 34, 56));
        LogHandler::installMessageHandler();
        // 40 lines of 128 bytes make exactly the limit.
        const QByteArray body(128 - kBarePrefixBytes - 1, 'x');
        for (int i = 0; i < 39; ++i)
            logInfo(body);
        logInfo(body + QByteArray(extraBytes, 'y'));
        LogHandler::flush();
        QCOMPARE(QFileInfo(logFile()).size(), kRotateBytes + extraBytes);

        LogHandler::runMaintenance();
        logInfo("next part");
        LogHandler::flush();
        QCOMPARE(readAll(logFile()).count('\n'), extraBytes ? 1 : 41);
        QVERIFY(readAll(logFile()).endsWith("next part\n"));
        QStringList archives = folderEntries();
        archives.removeAll(kToday);
        if (nameTaken) {
            QCOMPARE(readAll(logFile(part)), QByteArray("the older archive\n"));
            archives.removeAll(part);
        }
        QCOMPARE(archives.size(), extraBytes);
        if (extraBytes) {
            QVERIFY2(nameTaken ? archives[0].startsWith("2024-03-05 12") : archives[0] == part,
                     qPrintable(archives[0]));
            QCOMPARE(QFileInfo(logFile(archives[0])).size(), kRotateBytes + extraBytes);
        }
    }

    // Archives, by the date their name begins with, are deleted once older than 30 days; nothing
    // else in the folder is touched. The folder is searched at start, off the sink's thread.
    void cleanUpDeletesOnlyExpiredArchives() {
        const QDateTime now = at(2024, 2, 15); // 30 days after 16 January
        const QStringList expired{"2024-01-01 08-00-00_12.log", "2024-01-01_3.log",
                                  "2024-01-10 07-00-00_1.log", "2024-01-15 23:59:59.log",
                                  "2024-01-15.log"};
        const QStringList kept = QString("2023-13-45.log|2024-01-01 notes.log|2024-01-16.log|"
                                         "2024-02-14 10:00:00.log|backup-2024-01-01.log|"
                                         "crash-2020-01-01.log|notes.txt")
                                     .split('|'); // in name order
        for (const QString& name : expired + kept)
            QVERIFY(writeFile(logFile(name), "x\n", at(2020, 1, 1)));
        QVERIFY(writeFile(logFile(), "kept\n", now));
        setNow(now);
        LogHandler::installMessageHandler();
        QTRY_COMPARE(folderEntries(), kept + QStringList{kToday});
        QCOMPARE(readAll(logFile()), QByteArray("kept\n"));
    }

    // The search runs again at a change of date and an hour after the last one, so archives
    // still go on the day they expire.
    void cleanUpFollowsTheClock() {
        QVERIFY(writeFile(logFile("2024-01-17.log"), "x\n", at(2024, 1, 17)));
        setNow(at(2024, 2, 15, 23, 59, 59));
        LogHandler::installMessageHandler();
        logInfo("last line of the day");
        LogHandler::runMaintenance();
        QTest::qWait(100);
        QVERIFY(QFileInfo::exists(logFile("2024-01-17.log")));

        setNow(at(2024, 2, 16, 0, 0, 1)); // 30 days after 17 January
        LogHandler::runMaintenance();
        QTRY_VERIFY(!QFileInfo::exists(logFile("2024-01-17.log")));
        QVERIFY(QFileInfo::exists(logFile("2024-02-15.log")));

        // An old archive put back into the folder goes within the hour.
        QVERIFY(writeFile(logFile("2024-01-02 10:00:00.log"), "x\n", at(2024, 1, 2)));
        setNow(at(2024, 2, 16, 1, 0, 2));
        LogHandler::runMaintenance();
        QTRY_VERIFY(!QFileInfo::exists(logFile("2024-01-02 10:00:00.log")));
        QCOMPARE(folderEntries(), QStringList({"2024-02-15.log", kToday}));
    }

    void boundKeepsNewestArchives_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("periodSecs");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("kept"); // the newest archives kept; -1: all of them
        QTest::newRow("a month at the idle rate") << 30 << 5 << 5120 << kFolderMaxArchives;
        QTest::newRow("two days of large archives") << 2 << 5 << 50000 << 4000;
        QTest::newRow("a quiet week") << 7 << 600 << 6000 << -1;
    }

    // Whatever piled up, the archives end within both bounds, the newest kept; the expired ones
    // go, and files that are no archives stay and do not count.
    void boundKeepsNewestArchives() {
        QFETCH(int, days);
        QFETCH(int, periodSecs);
        QFETCH(int, bytes);
        QFETCH(int, kept);
        const QDateTime now(QDate(2024, 3, 31), QTime(12, 0), Qt::UTC);
        const QVector<logfiles::FolderEntry> archives = archivesUpTo(now, days, periodSecs, bytes);
        const QVector<logfiles::FolderEntry> others{
            {"2024-02-20 10:00:00.log", 10}, {kToday, 300000000}, {"notes.txt", 300000000}};
        QStringList removed = logfiles::archivesToRemove(others + archives, now,
                                                         {kFolderMaxBytes, kFolderMaxArchives});

        const int cut = kept < 0 ? 0 : archives.size() - kept;
        QStringList expected{"2024-02-20 10:00:00.log"};
        qint64 keptBytes = 0;
        for (int i = 0; i < archives.size(); ++i) {
            if (i < cut)
                expected << archives[i].name;
            else
                keptBytes += archives[i].bytes;
        }
        removed.sort();
        expected.sort();
        QCOMPARE(removed, expected);
        QVERIFY(archives.size() - cut <= kFolderMaxArchives && keptBytes <= kFolderMaxBytes);
        // Once trimmed, the next clean-up has nothing to do.
        QVERIFY(logfiles::archivesToRemove(others.mid(1) + archives.mid(cut), now,
                                           {kFolderMaxBytes, kFolderMaxArchives})
                    .isEmpty());
    }

    // The clean-up reads the archives' sizes from the folder: past the byte bound the oldest
    // go, even while the count bound would keep them.
    void cleanUpAppliesBoundToFolder() {
        const QStringList names{"2024-03-04 10:00:00.log", "2024-03-04.log",
                                "2024-03-05 08:00:00.log", "2024-03-05 09:00:00.log"};
        const int sizes[] = {4, 4, 6, 2};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(writeFile(logFile(names[i]), QByteArray(sizes[i], 'x'), at(2024, 3, 5)));
        QVERIFY(writeFile(logFile("notes.txt"), QByteArray(100, 'n'), at(2024, 3, 5)));
        LogHandler::setFolderBound({10, 3});
        LogHandler::installMessageHandler();
        QTRY_COMPARE(folderEntries(), names.mid(2) + QStringList({"notes.txt", kToday}));
    }

private:
    QString logFile(const QString& name = kToday) const { return m_dir->path() + "/log/" + name; }
    QStringList folderEntries() const {
        return QDir(m_dir->path() + "/log").entryList(QDir::Files, QDir::Name);
    }
    void setNow(const QDateTime& t) { *m_clock = t.toMSecsSinceEpoch(); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<std::atomic<qint64>> m_clock; // ms since the epoch, read from any thread
};

QTEST_GUILESS_MAIN(TestLogHandler)
#include "test_log_handler.moc"
