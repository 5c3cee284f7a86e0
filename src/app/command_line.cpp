#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLineOptions parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Host tool for a battery storage system, spoken to through the battery-management "
        "unit's serial console (115200 8N1).");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(
        "port",
        "Add NAME (a port name such as ttyUSB0, or a device path such as /dev/pts/5) to the "
        "port list and select it. The port stays in the list while its device exists. May "
        "be given more than once.",
        "NAME");
    const QCommandLineOption login("login", "Press \"Login\" once the window is shown.");
    const QCommandLineOption demo(
        "demo", "Start the simulated unit (norvanebat-sim, beside this program) on a fresh "
                "pseudo-terminal, select it and log in. The simulator ends with the program.");
    const QCommandLineOption dataHome(
        "data-home",
        "Work in $XDG_DATA_HOME/norvanebat (by default ~/.local/share/norvanebat), made when "
        "missing: the settings (ConFig/) and the log files (log/) go there instead of the "
        "folder the program was started from. The menu entry starts the program so.");
    // Hidden: for trying crash capture and the next start's report by hand and in tests.
    QCommandLineOption crash(
        "crash", "Crash on purpose: segv, fpe, ill, bus, abort, stack or stack-thread.", "KIND");
    crash.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({port, login, demo, dataHome, crash});
    parser.process(app);

    CommandLineOptions o;
    o.ports = parser.values(port);
    o.login = parser.isSet(login);
    o.demo = parser.isSet(demo);
    o.crash = parser.value(crash);
    return o;
}

bool hasFlag(const QStringList& arguments, const QStringList& flags) {
    // Options end at "--"; the program itself is the first argument; the options that take
    // a value take the next argument when it is not joined with "=".
    for (int i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (flags.contains(arguments[i]))
            return true;
        if (arguments[i] == "--port" || arguments[i] == "--crash")
            ++i;
    }
    return false;
}
