// Crash capture end to end: the program crashed on purpose leaves one dump naming the
// crashing function and dies by the same signal; the next start's report copies, shows and
// deletes only what reached the report folder.

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

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

QStringList shownKinds(const RecordingPrompts& r) {
    QStringList kinds;
    for (const PromptRecord& p : r.shown)
        kinds << p.kind + ":" + p.text;
    return kinds;
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void crashLeavesDumpForNextStart_data();
    void crashLeavesDumpForNextStart();
    void reportStep_data();
    void reportStep();
};

void TestCrash::initTestCase() {
    const rlimit noCoreFiles{0, 0}; // for the crashing children
    QCOMPARE(setrlimit(RLIMIT_CORE, &noCoreFiles), 0);
}

void TestCrash::crashLeavesDumpForNextStart_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");
    // A processor fault is caught in the crashing function itself, so it is frame #0.
    QTest::addColumn<bool>("faultInPlace");
    QTest::newRow("segv") << "segv" << 11 << "SIGSEGV" << true;
    QTest::newRow("fpe") << "fpe" << 8 << "SIGFPE" << true;
    QTest::newRow("ill") << "ill" << 4 << "SIGILL" << true;
    QTest::newRow("bus") << "bus" << 7 << "SIGBUS" << false;
    QTest::newRow("abort") << "abort" << 6 << "SIGABRT" << false;
}

void TestCrash::crashLeavesDumpForNextStart() {
    QFETCH(QString, kind);
    QFETCH(int, signal);
    QFETCH(QString, name);
    QFETCH(bool, faultInPlace);
    QTemporaryDir home; // the child's home, data and working folder
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    // In the sanitizer build the program's own handler is the one under test, not the
    // sanitizer's report of the same signal.
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
    QVERIFY(dump.contains(QString("Signal: %1 (%2)\n").arg(signal).arg(name).toUtf8()));
    const int from = dump.indexOf("Backtrace of the crashing thread:\n");
    const int to = dump.indexOf("\nMemory map:\n");
    QVERIFY(from > 0 && to > from);
    const QByteArray backtrace = dump.mid(from, to - from);
    QVERIFY2(backtrace.contains("crashOnPurpose"), backtrace.constData());
    if (faultInPlace) {
        const QByteArray first = backtrace.split('\n').value(1);
        QVERIFY2(first.startsWith("#0 ") && first.contains("crashOnPurpose"), first.constData());
    }

    // The next start offers it.
    ScopedPrompts prompts;
    const QString reportDir = home.path() + "/Desktop/" + kReportName;
    BreakpadHandler::instance().setDumpPath(dumpDir);
    crash::offerCrashReport(BreakpadHandler::instance(), reportDir);
    QCOMPARE(shownKinds(prompts.recorder),
             QStringList({"dialog:CrashReportDialog", "folder:" + reportDir}));
    QCOMPARE(readAll(reportDir + "/" + dumps.first()), dump);
    QCOMPARE(filesIn(dumpDir), QStringList());
}

void TestCrash::reportStep_data() {
    QTest::addColumn<QStringList>("inDumpFolder");
    QTest::addColumn<QStringList>("alreadyReported");
    QTest::addColumn<bool>("folderCanBeMade");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("copied, never over a name already reported; other files left alone")
        << QStringList{"a.dmp", "c.dmp", "notes.txt"} << QStringList{"a.dmp"} << true
        << QStringList{"notes.txt"};
    QTest::newRow("report folder cannot be made: dumps kept")
        << QStringList{"a.dmp", "b.dmp"} << QStringList() << false << QStringList{"a.dmp", "b.dmp"};
    QTest::newRow("no dumps: nothing shown")
        << QStringList{"notes.txt"} << QStringList() << true << QStringList{"notes.txt"};
}

void TestCrash::reportStep() {
    QFETCH(QStringList, inDumpFolder);
    QFETCH(QStringList, alreadyReported);
    QFETCH(bool, folderCanBeMade);
    QFETCH(QStringList, kept);
    QTemporaryDir tmp;
    const QString dumpDir = tmp.path() + "/crashs";
    BreakpadHandler::instance().setDumpPath(dumpDir);
    for (const QString& name : inDumpFolder)
        writeFile(dumpDir + "/" + name, "new " + name.toUtf8());
    // A plain file where a folder is needed cannot be made into one, not even by root.
    const QString desktop = tmp.path() + "/Desktop";
    if (!folderCanBeMade)
        writeFile(desktop, "a file");
    const QString reportDir = desktop + "/" + kReportName;
    QVERIFY(alreadyReported.isEmpty() || QDir().mkpath(reportDir));
    for (const QString& name : alreadyReported)
        writeFile(reportDir + "/" + name, "old " + name.toUtf8());

    ScopedPrompts prompts;
    crash::offerCrashReport(BreakpadHandler::instance(), reportDir);

    const QStringList dumps = inDumpFolder.filter(QRegularExpression("\\.dmp$"));
    const QStringList shown = dumps.isEmpty()
                                  ? QStringList()
                                  : QStringList{"dialog:CrashReportDialog", "folder:" + reportDir};
    QCOMPARE(shownKinds(prompts.recorder), shown);
    QCOMPARE(filesIn(dumpDir), kept);
    if (dumps.isEmpty() || !folderCanBeMade) {
        QCOMPARE(QFileInfo::exists(reportDir), false);
        return;
    }
    QCOMPARE(filesIn(reportDir), dumps);
    for (const QString& name : dumps) {
        const QByteArray age = alreadyReported.contains(name) ? "old " : "new ";
        QCOMPARE(readAll(reportDir + "/" + name), age + name.toUtf8());
    }
}

QTEST_MAIN(TestCrash)
#include "test_crash.moc"
