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

bool write(const QString& path, const QByteArray& content) {
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) &&
           f.write(content) == content.size();
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

    // A processor fault is caught in the crashing function itself, so it is frame #0; a stack
    // overflow, of the main thread or of a worker, still leaves its dump, naming its thread.
    // What
    // the next start finds: the dump's name already in the report folder, or a file where the
    // report folder must go (not even root can make a folder of it).
    void crashLeavesDumpForNextStart_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("faultInPlace");
        QTest::addColumn<QString>("nextStart");
        QTest::addColumn<QString>("frame");  // a function the backtrace shows
        QTest::addColumn<QString>("thread"); // the crashing thread's name
        const QString main = "norvanebat";
        const QString crash = "crashOnPurpose";
        QTest::newRow("SIGSEGV") << "segv" << 11 << true << "" << crash << main;
        QTest::newRow("SIGFPE, its name already reported")
            << "fpe" << 8 << true << "reported" << crash << main;
        QTest::newRow("SIGILL, no report folder")
            << "ill" << 4 << true << "no folder" << crash << main;
        QTest::newRow("SIGBUS") << "bus" << 7 << false << "" << crash << main;
        QTest::newRow("SIGABRT") << "abort" << 6 << false << "" << crash << main;
        QTest::newRow("SIGSEGV, stack overflow") << "stack" << 11 << true << ""
                                                 << "overflowStack" << main;
        QTest::newRow("SIGSEGV, stack overflow in a worker") << "stack-thread" << 11 << true << ""
                                                             << "overflowStack"
                                                             << "CrashWorker";
    }

    void crashLeavesDumpForNextStart() {
        QFETCH(QString, kind);
        QFETCH(int, signal);
        QFETCH(QString, nextStart);
        QTemporaryDir home; // the child's home, data and working folder
        const QString dumpDir = home.path() + "/data" + kDumpSubfolder;
        const QString reportDir = home.path() + "/Desktop/" + kReportName;
        // Other files in the dump folder are no dumps: nothing to report, and left alone.
        QVERIFY(write(dumpDir + "/notes.txt", "notes"));
        QCOMPARE(offer(dumpDir, reportDir), QStringList());
        QVERIFY(!QFileInfo::exists(reportDir));

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

        const QStringList dumps = QDir(dumpDir).entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(dumps.size(), 1);
        const QRegularExpression guidName("^[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\\.dmp$");
        QVERIFY(guidName.match(dumps.first()).hasMatch());
        const QByteArray dump = readAll(dumpDir + "/" + dumps.first());
        QVERIFY(dump.contains("Version: 2.8.6\n"));
        const QString name = QString(QTest::currentDataTag()).section(',', 0, 0);
        QVERIFY(dump.contains(QString("Signal: %1 (%2)\n").arg(signal).arg(name).toUtf8()));
        QFETCH(QString, thread);
        QVERIFY2(QRegularExpression(QString("\nProcess: \\d+  Thread: \\d+ \\(%1\\)\n").arg(thread))
                     .match(QString::fromUtf8(dump))
                     .hasMatch(),
                 dump.left(400).constData());
        QFETCH(QString, frame);
        const int from = dump.indexOf("Backtrace of the crashing thread:\n");
        const QByteArray backtrace = dump.mid(from, dump.indexOf("\nMemory map:\n") - from);
        QVERIFY2(from > 0 && backtrace.contains(frame.toUtf8()), dump.constData());
        QFETCH(bool, faultInPlace);
        const QByteArray first = backtrace.split('\n').value(1);
        QVERIFY2(!faultInPlace || (first.startsWith("#0 ") && first.contains(frame.toUtf8())),
                 first.constData());

        const QString reported = reportDir + "/" + dumps.first();
        QVERIFY(nextStart != "reported" || write(reported, "old"));
        QVERIFY(nextStart != "no folder" || write(home.path() + "/Desktop", "a file"));
        QCOMPARE(offer(dumpDir, reportDir),
                 QStringList({"dialog:CrashReportDialog", "folder:" + reportDir}));
        const QByteArray copy = nextStart == "reported" ? "old" : nextStart.isEmpty() ? dump : "";
        QCOMPARE(readAll(reported), copy);
        const QStringList kept =
            nextStart == "no folder" ? dumps + QStringList{"notes.txt"} : QStringList{"notes.txt"};
        QCOMPARE(QDir(dumpDir).entryList(QDir::Files, QDir::Name), kept);
    }
};

QTEST_MAIN(TestCrash)
#include "test_crash.moc"
