// Sending speed of the firmware transfer. A 1 MiB image goes to the simulator's receiver
// (which ACKs at once) over pseudo-terminals, once with our transfer thread and once with
// lrzsz's `sx`, several runs each; then a smaller image over a line paced like 115200 baud.
// Prints medians, spreads, the ratio ours/sx, ms per block and payload bytes per second.
//
//   bench_xmodem [--runs N] [--paced-runs N]

#include "toolbox/log_handler.h"
#include "line_relay.h"
#include "pty_pair.h"
#include "transfer_pump.h"
#include "upgrade/updata_thread.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kBigImage = 1024 * 1024;
constexpr int kPacedImage = 65000;
constexpr int kLineBytesPerSecond = 11520; // 115200 baud, 10 bits a byte
constexpr int kTransferTimeoutMs = 300000;

int openRaw(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// What the receiver keeps: the image filled with 0x1A to a whole block. Our sender always
// ends with a short block, so an image of whole blocks gets a block of fill after it; sx
// sends no such block.
QByteArray received(const QByteArray& image, bool ours) {
    const int blocks = ours ? image.size() / 128 + 1 : (image.size() + 127) / 128;
    return image + QByteArray(blocks * 128 - image.size(), 0x1A);
}

// The simulator as a bare XMODEM receiver on a pty of its own.
class SimReceiver {
public:
    SimReceiver(const QString& program, const QString& outPath) : m_out(outPath) {
        m_sim.start(program, {"--xmodem-only", "--xmodem-out", outPath, "--seed", "1"});
        if (!m_sim.waitForStarted(3000))
            return;
        while (!m_sim.canReadLine() && m_sim.waitForReadyRead(5000)) {
        }
        const QString line = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        m_fd = openRaw(line);
        if (m_fd < 0)
            fprintf(stderr, "cannot open the receiver's line \"%s\": %s\n", qPrintable(line),
                    m_sim.readAllStandardError().constData());
    }
    ~SimReceiver() {
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.kill();
            m_sim.waitForFinished(2000);
        }
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }
    // True once the receiver ended well and holds exactly `expected`.
    bool took(const QByteArray& expected) {
        if (!m_sim.waitForFinished(10000) || m_sim.exitCode() != 0)
            return false;
        QFile f(m_out);
        return f.open(QIODevice::ReadOnly) && f.readAll() == expected;
    }

private:
    QProcess m_sim;
    QString m_out;
    int m_fd = -1;
};

struct Turns {
    std::vector<qint64> sender;
    std::vector<qint64> receiver;
};

double percentileMs(std::vector<qint64> v, double p) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[size_t(p * double(v.size() - 1))] / 1e6;
}

void printTurns(const char* name, const Turns& t) {
    printf("  %-32s host turn-around per block: median %.3f ms, 90%% %.3f ms, 99%% %.3f ms; "
           "receiver median %.3f ms\n",
           name, percentileMs(t.sender, 0.5), percentileMs(t.sender, 0.9),
           percentileMs(t.sender, 0.99), percentileMs(t.receiver, 0.5));
}

struct Setup {
    QString sim;
    QTemporaryDir dir;
    QByteArray image;
    QString imagePath;
};

// Ours with the pump on the receiver's own pty; timed by the thread's signals, from the
// first NAK seen to the final ACK seen.
qint64 oursDirect(Setup& s) {
    SimReceiver rx(s.sim, s.dir.filePath("out.bin"));
    if (rx.fd() < 0)
        return -1;
    UpdataThread thread;
    TransferPump pump(rx.fd(), &thread);
    pump.recordPackets = false;
    QElapsedTimer clock;
    qint64 t0 = -1, t1 = -1;
    // Connected before the outcome recorder, whose TransFinsh ends the wait.
    QObject::connect(&thread, &UpdataThread::TransStart, &pump, [&] { t0 = clock.nsecsElapsed(); });
    QObject::connect(&thread, &UpdataThread::TransFinsh, &pump, [&] { t1 = clock.nsecsElapsed(); });
    TransferOutcome outcome(&thread);
    clock.start();
    thread.setFilePath(s.imagePath);
    thread.setSendMode();
    thread.startSend();
    if (!outcome.wait(kTransferTimeoutMs) || outcome.finish != 1 ||
        !rx.took(received(s.image, true)))
        return -1;
    return t1 - t0;
}

// Either sender behind a relay; timed on the line, from the sender's first byte to the
// receiver's last.
qint64 throughRelay(Setup& s, bool ours, int bytesPerSecond, Turns* turns) {
    SimReceiver rx(s.sim, s.dir.filePath("out.bin"));
    PtyPair pty;
    if (rx.fd() < 0 || !pty.isValid())
        return -1;
    LineRelay relay(pty.masterFd(), rx.fd(), bytesPerSecond);
    relay.start();
    bool sent = false;
    if (ours) {
        const int hostFd = openRaw(pty.slavePath());
        UpdataThread thread;
        TransferPump pump(hostFd, &thread);
        pump.recordPackets = false;
        TransferOutcome outcome(&thread);
        thread.setFilePath(s.imagePath);
        thread.setSendMode();
        thread.startSend();
        sent = outcome.wait(kTransferTimeoutMs) && outcome.finish == 1;
        ::close(hostFd);
    } else {
        QProcess sx;
        sx.setWorkingDirectory(s.dir.path());
        sx.setStandardInputFile(pty.slavePath());
        sx.setStandardOutputFile(pty.slavePath());
        sx.start("sx", {"-q", "-b", QFileInfo(s.imagePath).fileName()});
        sent = sx.waitForFinished(kTransferTimeoutMs) && sx.exitCode() == 0;
    }
    const bool took = rx.took(received(s.image, ours));
    relay.stop();
    if (turns) {
        turns->sender.insert(turns->sender.end(), relay.senderTurns().begin(),
                             relay.senderTurns().end());
        turns->receiver.insert(turns->receiver.end(), relay.receiverTurns().begin(),
                               relay.receiverTurns().end());
    }
    return sent && took ? relay.transferNs() : -1;
}

struct Stats {
    QList<qint64> ns;
    qint64 median() const {
        QList<qint64> v = ns;
        std::sort(v.begin(), v.end());
        return v.isEmpty() ? -1 : v.at(v.size() / 2);
    }
    qint64 min() const { return *std::min_element(ns.begin(), ns.end()); }
    qint64 max() const { return *std::max_element(ns.begin(), ns.end()); }
};

bool measure(const char* name, int runs, int blocks, int payload, Stats* out,
             const std::function<qint64()>& run) {
    for (int i = 0; i < runs; ++i) {
        const qint64 ns = run();
        if (ns < 0) {
            printf("%-34s run %d FAILED\n", name, i + 1);
            return false;
        }
        out->ns.append(ns);
    }
    const double med = out->median() / 1e6;
    printf("%-34s median %8.1f ms  spread %8.1f..%8.1f ms  %6.3f ms/block  %8.0f B/s\n", name, med,
           out->min() / 1e6, out->max() / 1e6, med / blocks, payload / (med / 1000.0));
    fflush(stdout);
    return true;
}

void writeImage(Setup& s, int size) {
    s.image.resize(size);
    quint32 x = 12345;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        s.image[i] = char(x >> 24);
    }
    s.imagePath = s.dir.filePath(QString("image-%1.bin").arg(size));
    QFile f(s.imagePath);
    f.open(QIODevice::WriteOnly);
    f.write(s.image);
}

// The program's own log sink, writing into a scratch folder; its echo on standard output
// goes to /dev/null for the run.
qint64 withLogSink(Setup& s) {
    const int savedOut = ::dup(1);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, 1);
    LogHandler::setFolderPath(s.dir.filePath("log"));
    LogHandler::installMessageHandler();
    const qint64 ns = oursDirect(s);
    LogHandler::releaseMessageHandler();
    fflush(stdout);
    ::dup2(savedOut, 1);
    ::close(devNull);
    ::close(savedOut);
    return ns;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.contains("--runs") ? args.at(args.indexOf("--runs") + 1).toInt() : 5;
    const int pacedRuns =
        args.contains("--paced-runs") ? args.at(args.indexOf("--paced-runs") + 1).toInt() : 3;

    Setup s;
    const QString binDir =
        qEnvironmentVariable("NB_BIN_DIR", QCoreApplication::applicationDirPath());
    s.sim = binDir + "/norvanebat-sim";
    if (!QFileInfo(s.sim).isExecutable()) {
        printf("norvanebat-sim not found in %s\n", qPrintable(binDir));
        return 1;
    }
    // The transfer's diagnostic lines are dropped, except in the run with the log sink.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(m));
    });

    writeImage(s, kBigImage);
    const int blocks = kBigImage / 128 + 1;
    printf("1 MiB image (%d blocks) to norvanebat-sim --xmodem-only, bare pseudo-terminals\n",
           blocks);
    Stats direct, oursRelay, sxRelay, logged;
    Turns oursTurns, sxTurns, oursPacedTurns, sxPacedTurns;
    bool ok = measure("ours, pump on the receiver's pty", runs, blocks, kBigImage, &direct,
                      [&] { return oursDirect(s); });
    ok = ok && measure("ours, through a relay", runs, blocks, kBigImage, &oursRelay,
                       [&] { return throughRelay(s, true, 0, &oursTurns); });
    ok = ok && measure("sx, through a relay", runs, blocks, kBigImage, &sxRelay,
                       [&] { return throughRelay(s, false, 0, &sxTurns); });
    ok = ok && measure("ours, with the log sink", qMax(1, runs / 2), blocks, kBigImage, &logged,
                       [&] { return withLogSink(s); });
    if (ok) {
        printTurns("ours, through a relay:", oursTurns);
        printTurns("sx, through a relay:", sxTurns);
        printf("ratio ours/sx (medians, through the relay): %.3f\n",
               double(oursRelay.median()) / double(sxRelay.median()));
    }

    writeImage(s, kPacedImage);
    const int pacedBlocks = kPacedImage / 128 + 1;
    printf("\n%d B image (%d blocks) over a line paced at %d B/s (115200 baud); "
           "checksum XMODEM allows at most %.0f B/s of payload\n",
           kPacedImage, pacedBlocks, kLineBytesPerSecond, 128.0 * kLineBytesPerSecond / 133.0);
    Stats oursPaced, sxPaced;
    ok = ok && measure("ours, paced", pacedRuns, pacedBlocks, kPacedImage, &oursPaced,
                       [&] { return throughRelay(s, true, kLineBytesPerSecond, &oursPacedTurns); });
    ok = ok && measure("sx, paced", pacedRuns, pacedBlocks, kPacedImage, &sxPaced,
                       [&] { return throughRelay(s, false, kLineBytesPerSecond, &sxPacedTurns); });
    if (ok) {
        printTurns("ours, paced:", oursPacedTurns);
        printTurns("sx, paced:", sxPacedTurns);
        printf("ratio ours/sx (medians, paced): %.3f\n",
               double(oursPaced.median()) / double(sxPaced.median()));
    }
    return ok ? 0 : 1;
}
