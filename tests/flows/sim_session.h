#pragma once
// What the flow tests share: the real window with its dialogs recorded and its settings
// ("./ConFig/...") in a working folder of its own, logged in over a real port, and a wait
// in a real event loop.

#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "sim_relay.h"

#include <QTemporaryDir>
#include <functional>

// A fresh temporary folder as the working folder, for the object's life.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder();
    ~TemporaryWorkingFolder();
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Clicks Login on the port at `path`, added to the port list first.
void loginOn(BMSMainWin& w, const QString& path);

// Waits until `done` holds. QTRY_* and QTest::qWaitFor sleep between looks, which holds up
// every byte of a transfer; this turns a real event loop instead.
bool waitFor(const std::function<bool()>& done, int timeoutMs);

// The window against the simulated unit, members in the order they must go up and down.
struct SimSession {
    explicit SimSession(const QStringList& simArgs) : relay(simArgs) {}
    // Logs in; with `waitChain`, true once the unit has answered the login chain's last
    // command ("ctrl").
    bool login(bool waitChain = true);
    QStringList sent() const; // the command lines the program sent, in order
    RecordingPrompts& recorder() { return prompts.recorder; }

    TemporaryWorkingFolder home;
    ScopedPrompts prompts;
    SimRelay relay;
    BMSMainWin w;
};
