#include "sim_session.h"

#include "serial/port_list.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>

TemporaryWorkingFolder::TemporaryWorkingFolder() : m_previous(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
}

TemporaryWorkingFolder::~TemporaryWorkingFolder() {
    QDir::setCurrent(m_previous);
}

void loginOn(BMSMainWin& w, const QString& path) {
    addExtraPort(path);
    w.selectPort(path);
    w.OpenBtn_clicked();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && !clock.hasExpired(timeoutMs)) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

bool SimSession::login(bool waitChain) {
    loginOn(w, relay.programPath());
    return relay.isReady() && w.portOpen() &&
           (!waitChain || waitFor([&] { return !relay.lastReply("ctrl").isEmpty(); }, 8000));
}

QStringList SimSession::sent() const {
    QStringList out;
    for (const SimRelay::Sent& s : relay.sentLines())
        out << s.line;
    return out;
}
