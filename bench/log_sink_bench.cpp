// Cost of the log sink's housekeeping in a full log folder. The program runs `--demo` for
// 20 s, once in an empty folder and once beside 20,000 archives (the most the sink keeps,
// about 28 hours of 5 KiB parts), and the program's own CPU time (not the simulator's) is compared: the full folder
// must cost at most twice the empty one.
//
//   bench_log_sink [--archives N] [--seconds S]

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

int g_archives = 20000;
int g_seconds = 20;

// utime + stime of a process, in seconds.
double cpuSeconds(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = f.value(11).toDouble() + f.value(12).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// Empty part archives 5 s apart, the newest a minute ago, none old enough to expire, until
// the folder holds `count` files. The folder is kept between runs: deleting many thousand
// files takes minutes on some disks.
void fillFolder(const QString& logDir, int count) {
    QDir().mkpath(logDir);
    QDateTime t = QDateTime::currentDateTime().addSecs(-60);
    for (int have = QDir(logDir).entryList(QDir::Files).size(); have < count; t = t.addSecs(-5)) {
        const QByteArray path =
            QFile::encodeName(logDir + "/" + t.toString("yyyy-MM-dd hh:mm:ss") + ".log");
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
            ++have;
        }
    }
}

// Runs the program with --demo in `workDir` and returns its CPU seconds over the run.
double runDemo(const QString& workDir) {
    QProcess program;
    program.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", workDir + "/data"); // no crash report of another run
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(qEnvironmentVariable("NB_BIN_DIR") + "/norvanebat", {"--demo"});
    if (!program.waitForStarted(5000))
        return -1;
    QTest::qWait(g_seconds * 1000);
    const double cpu = cpuSeconds(program.processId());
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    return cpu;
}

} // namespace

class BenchLogSink : public QObject {
    Q_OBJECT
private slots:
    void fullFolderCostsAtMostTwiceAnEmptyOne();
};

void BenchLogSink::fullFolderCostsAtMostTwiceAnEmptyOne() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QString full = qEnvironmentVariable("NB_BIN_DIR") + "/bench-log-folder";
    QElapsedTimer fill;
    fill.start();
    fillFolder(full + "/log", g_archives);
    const int made = QDir(full + "/log").entryList(QDir::Files).size();
    qInfo("%d archives ready in %.1f s", made, fill.elapsed() / 1000.0);
    QVERIFY(made >= g_archives);

    const double emptyCpu = runDemo(empty.path());
    const double fullCpu = runDemo(full);
    qInfo("program CPU over %d s of --demo: empty folder %.2f s, %d archives %.2f s (x%.2f)",
          g_seconds, emptyCpu, made, fullCpu, fullCpu / emptyCpu);
    QVERIFY(emptyCpu > 0);
    // The demo's own archives join the folder; none of the filled ones may have gone.
    QVERIFY(QDir(full + "/log").entryList(QDir::Files).size() >= made);
    QVERIFY2(fullCpu <= 2 * emptyCpu, "housekeeping grows with the archive count");
}

int main(int argc, char** argv) {
    QStringList rest;
    for (int i = 0; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--archives" && i + 1 < argc)
            g_archives = atoi(argv[++i]);
        else if (a == "--seconds" && i + 1 < argc)
            g_seconds = atoi(argv[++i]);
        else
            rest << QString::fromLocal8Bit(a);
    }
    QCoreApplication app(argc, argv);
    BenchLogSink bench;
    return QTest::qExec(&bench, rest);
}

#include "log_sink_bench.moc"
