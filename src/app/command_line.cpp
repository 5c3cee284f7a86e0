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
    // Hidden: for trying crash capture and the next start's report by hand and in tests.
    QCommandLineOption crash(
        "crash", "Crash on purpose: segv, fpe, ill, bus, abort, stack or stack-thread.", "KIND");
    crash.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({port, login, demo, crash});
    parser.process(app);

    CommandLineOptions o;
    o.ports = parser.values(port);
    o.login = parser.isSet(login);
    o.demo = parser.isSet(demo);
    o.crash = parser.value(crash);
    return o;
}
