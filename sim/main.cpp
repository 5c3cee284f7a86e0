// norvanebat-sim: a simulated battery-management unit on a pseudo-terminal or serial device.

#include "console.h"
#include "line_port.h"
#include "sim_constants.h"
#include "sim_options.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[0], &c, 1);
}

// SIGTERM and SIGINT end the event loop, so that the symlink is removed on the way out.
void quitOnSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

// The program that started the simulator holds the other end of its standard input; when
// that program ends, however it ends, the pipe closes and the simulator goes with it.
void quitWhenStdinCloses(QCoreApplication& app) {
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier, &app] {
        char buf[256];
        if (::read(STDIN_FILENO, buf, sizeof buf) <= 0) {
            notifier->setEnabled(false);
            app.quit();
        }
    });
}

class SymlinkGuard {
public:
    ~SymlinkGuard() {
        if (!m_link.isEmpty() &&
            QFileInfo(m_link).symLinkTarget() == QFileInfo(m_target).absoluteFilePath())
            ::unlink(m_link.toLocal8Bit().constData());
    }
    bool create(const QString& link, const QString& target, QString& error) {
        const QByteArray path = link.toLocal8Bit();
        if (QFileInfo(link).isSymLink())
            ::unlink(path.constData()); // left behind by an earlier run
        if (::symlink(target.toLocal8Bit().constData(), path.constData()) != 0) {
            error = QString("cannot create the link %1").arg(link);
            return false;
        }
        m_link = link;
        m_target = target;
        return true;
    }

private:
    QString m_link;
    QString m_target;
};

// After the last ACK the process waits until the sender has read it (a closed
// pseudo-terminal would throw it away), then ends with the transfer's status.
void quitWhenRead(sim::LinePort& port, int status) {
    auto* timer = new QTimer(&port);
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [=, &port] {
        if ((port.isIdle() && port.unreadBytes() == 0) ||
            waited->elapsed() > sim::kExitLingerMaxMs) {
            delete waited;
            timer->stop();
            QCoreApplication::exit(status);
        }
    });
    timer->start(2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("norvanebat-sim");
    sim::SimOptions options;
    QString error;
    if (!sim::parseOptions(QCoreApplication::arguments(), options, error)) {
        std::fprintf(stderr, "norvanebat-sim: %s (see --help)\n", qPrintable(error));
        return 2;
    }
    quitOnSignals(app);
    sim::LinePort port;
    QString path = options.device;
    const bool opened = path.isEmpty() ? port.openPty(path, error) : port.openDevice(path, error);
    if (!opened) {
        std::fprintf(stderr, "norvanebat-sim: %s\n", qPrintable(error));
        return 1;
    }
    SymlinkGuard link; // before the path is printed, so that it is there when it is read
    if (!options.link.isEmpty() && !link.create(options.link, path, error)) {
        std::fprintf(stderr, "norvanebat-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    if (!options.seeded)
        std::fprintf(stderr, "norvanebat-sim: seed %u\n", options.seed);
    sim::Console console(port, options);
    QObject::connect(&console, &sim::Console::finished,
                     [&port](int status) { quitWhenRead(port, status); });
    QObject::connect(&port, &sim::LinePort::closed, &app, &QCoreApplication::quit);
    if (options.xmodemOnly)
        console.startXmodemOnly();
    if (options.exitWithStdin)
        quitWhenStdinCloses(app);
    return app.exec();
}
