#include "app/startup.h"

#include "app/app_constants.h"
#include "toolbox/install_paths.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>
#include <QTranslator>
#ifndef Q_OS_WIN
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool LoadTranslator(QTranslator& translator, const QString& fileName) {
    const QString path = toolbox::languagesFolder() + '/' + fileName;
    if (!translator.load(path, QString(), QString(), QString())) {
        qDebug() << "翻译加载失败";
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    qDebug() << "翻译加载成功";
    return true;
}

#ifndef Q_OS_WIN
namespace {
int g_termPipe[2] = {-1, -1};

void onTermSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_termPipe[0], &c, 1);
}
} // namespace
#endif

void QuitOnTermSignal(QCoreApplication& app) {
#ifndef Q_OS_WIN
    // The handler only writes a byte; the event loop reads it and quits in its own time.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_termPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_termPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        qInfo() << "SIGTERM: ending";
        app.quit();
    });
    struct sigaction sa {};
    sa.sa_handler = onTermSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
#else
    Q_UNUSED(app);
#endif
}

void KeepLargeBlocksOffTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, app::kLargeBlockBytes);
#endif
}
