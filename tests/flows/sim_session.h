#pragma once
// What the flow tests share: the real window with its dialogs recorded and its settings
// ("./ConFig/...") in a working folder of its own, logged in over a real port, and a wait
// in a real event loop.

#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <functional>

// A fresh temporary folder as the working folder, for the object's life.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder() { QDir::setCurrent(m_dir.path()); }
    ~TemporaryWorkingFolder() { QDir::setCurrent(m_previous); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

// Clicks Login on the port at `path`, added to the port list first.
inline void loginOn(BMSMainWin& w, const QString& path) {
    addExtraPort(path);
    w.selectPort(path);
    w.OpenBtn_clicked();
}

// Waits until `done` holds. QTRY_* and QTest::qWaitFor sleep between looks, which holds up
// every byte of a transfer; this turns a real event loop instead.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && !clock.hasExpired(timeoutMs)) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Runs `action` once `ready` holds, checked every 1 ms in whatever event loop turns (so also
// inside the dispatcher's waits).
inline QTimer* whenReady(std::function<bool()> ready, std::function<void()> action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!ready())
            return;
        timer->stop();
        action();
    });
    timer->start(1);
    return timer;
}

// The upgrade's password gate while it is shown; nullptr otherwise.
inline QWidget* visibleGate() {
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == "UpdateLogin" && t->isVisible())
            return t;
    return nullptr;
}

// The window against the simulated unit, members in the order they must go up and down.
struct SimSession {
    explicit SimSession(const QStringList& simArgs) : relay(simArgs) {}
    // Logs in; with `waitChain`, true once the unit has answered the login chain's last
    // command ("ctrl") and the window has read that answer: its raw view shows a burst when
    // the line goes quiet, after the burst's replies were dispatched. On a slow (sanitizer)
    // build the answer can sit in the line long after the unit sent it, and a command sent
    // then would take its place.
    bool login(bool waitChain = true) {
        loginOn(w, relay.programPath());
        const auto chainShown = [&] {
            const QStringList lines = relay.lastReply("ctrl").split('\n');
            return lines.size() > 2 && w.findChild<QTextEdit*>("ReceTextBro")
                                           ->toPlainText()
                                           .contains(lines.at(2).trimmed());
        };
        return relay.isReady() && w.portOpen() && (!waitChain || waitFor(chainShown, 8000));
    }
    QStringList sent() const { // the command lines the program sent, in order
        QStringList out;
        for (const SimRelay::Sent& s : relay.sentLines())
            out << s.line;
        return out;
    }
    RecordingPrompts& recorder() { return prompts.recorder; }

    TemporaryWorkingFolder home;
    ScopedPrompts prompts;
    SimRelay relay;
    BMSMainWin w;
};
