// Crash capture end to end: a crash on purpose leaves one dump naming the crashing function and
// dies by its signal; the next start reports, and deletes only what reached the report folder.

#include "crash/breakpad_handler.h"
#include "crash/crash_report.h"
#include "recording_prompts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

// Restated on purpose: where the dumps go under the data folder, and the report folder.
const char* const kDumpSubfolder = "/OrgName/Tarnix/crashs";
const char* const kReportName = "TarnixReportBug";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

// Runs the start-up's report step on the dumps in `dumpDir`; what it showed through the seam.
QStringList offer(const QString& dumpDir, const QString& reportDir) {
    ScopedPrompts prompts;
    BreakpadHandler::instance().setDumpPath(dumpDir);
    crash::offerCrashReport(BreakpadHandler::instance(), reportDir);
    QStringList shown;
    for (const PromptRecord& p : prompts.recorder.shown)
        shown << p.kind + ":" + p.text;
    return shown;
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const rlimit noCoreFiles{0, 0}; // for the crashing children
        QCOMPARE(setrlimit(RLIMIT_CORE, &noCoreFiles), 0);
    }

    void crashLeavesDumpForNextStart_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("signal");
        // A processor fault is caught in the crashing function itself, so it is frame #0.
        QTest::addColumn<bool>("faultInPlace");
        QTest::newRow("SIGSEGV") << "segv" << 11 << true;
        QTest::newRow("SIGFPE") << "fpe" << 8 << true;
        QTest::newRow("SIGILL") << "ill" << 4 << true;
        QTest::newRow("SIGBUS") << "bus" << 7 << false;
        QTest::newRow("SIGABRT") << "abort" << 6 << false;
    }

    void crashLeavesDumpForNextStart() {
        QFETCH(QString, kind);
        QFETCH(int, signal);
        QTemporaryDir home; // the child's home, data and working folder
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        // Under the sanitizers the program's own handler is the one under test.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") +
                                       ":handle_segv=0:handle_sigbus=0:handle_sigfpe=0"
                                       ":handle_sigill=0:handle_abort=0:allow_user_segv_handler=1");
        QProcess child;
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(home.path());
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat", {"--crash", kind});
        QVERIFY(child.waitForFinished(60000));
        // After a crash, exitCode() is the signal that ended the process.
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, child.readAll().constData());
        QCOMPARE(child.exitCode(), signal);

        const QString dumpDir = home.path() + "/data" + kDumpSubfolder;
        const QStringList dumps = QDir(dumpDir).entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(dumps.size(), 1);
        const QRegularExpression guidName("^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\\.dmp$");
        QVERIFY(guidName.match(dumps.first()).hasMatch());
        const QByteArray dump = readAll(dumpDir + "/" + dumps.first());
        QVERIFY(dump.contains("Version: 2.8.6\n"));
        QVERIFY(dump.contains(
            QString("Signal: %1 (%2)\n").arg(signal).arg(QTest::currentDataTag()).toUtf8()));
        const int from = dump.indexOf("Backtrace of the crashing thread:\n");
        const QByteArray backtrace = dump.mid(from, dump.indexOf("\nMemory map:\n") - from);
        QVERIFY2(from > 0 && backtrace.contains("crashOnPurpose"), dump.constData());
        QFETCH(bool, faultInPlace);
        const QByteArray first = backtrace.split('\n').value(1);
        QVERIFY2(!faultInPlace || (first.startsWith("#0 ") && first.contains("crashOnPurpose")),
                 first.constData());

        // The next start offers it.
        const QString reportDir = home.path() + "/Desktop/" + kReportName;
        QCOMPARE(offer(dumpDir, reportDir),
                 QStringList({"dialog:CrashReportDialog", "folder:" + reportDir}));
        QCOMPARE(readAll(reportDir + "/" + dumps.first()), dump);
        QCOMPARE(filesIn(dumpDir), QStringList());
    }

    // The files in the dump folder, the names already in the report folder, whether that folder
    // can be made; what stays in the dump folder, what the report folder holds after.
    void reportStep_data() {
        QTest::addColumn<QStringList>("inDumpFolder");
        QTest::addColumn<QStringList>("alreadyReported");
        QTest::addColumn<bool>("folderCanBeMade");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("reported");
        QTest::newRow("copied, never over a name already reported; other files left alone")
            << QStringList{"a.dmp", "c.dmp", "notes.txt"} << QStringList{"a.dmp"} << true
            << QStringList{"notes.txt"} << QStringList{"old a.dmp", "new c.dmp"};
        QTest::newRow("report folder cannot be made: dumps kept")
            << QStringList{"a.dmp", "b.dmp"} << QStringList() << false
            << QStringList{"a.dmp", "b.dmp"} << QStringList();
        QTest::newRow("no dumps: nothing shown")
            << QStringList{"notes.txt"} << QStringList() << true << QStringList{"notes.txt"}
            << QStringList();
    }

    void reportStep() {
        QFETCH(QStringList, inDumpFolder);
        QFETCH(QStringList, alreadyReported);
        QFETCH(bool, folderCanBeMade);
        QTemporaryDir tmp;
        const QString dumpDir = tmp.path() + "/crashs";
        const QString desktop = tmp.path() + "/Desktop";
        const QString reportDir = desktop + "/" + kReportName;
        const auto write = [](const QString& path, const QString& content) {
            QFile f(path);
            return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) &&
                   f.write(content.toUtf8()) > 0;
        };
        for (const QString& name : inDumpFolder)
            QVERIFY(write(dumpDir + "/" + name, "new " + name));
        for (const QString& name : alreadyReported)
            QVERIFY(write(reportDir + "/" + name, "old " + name));
        // A plain file where a folder is needed cannot be made into one, not even by root.
        QVERIFY(folderCanBeMade || write(desktop, "a file"));

        const QStringList shown = offer(dumpDir, reportDir);
        const QStringList dumps = inDumpFolder.filter(QRegularExpression("\\.dmp$"));
        QCOMPARE(shown.size(), dumps.isEmpty() ? 0 : 2);
        QTEST(filesIn(dumpDir), "kept");
        QStringList reported;
        for (const QString& name : filesIn(reportDir))
            reported << readAll(reportDir + "/" + name);
        QTEST(reported, "reported");
    }
};

QTEST_MAIN(TestCrash)
#include "test_crash.moc"
