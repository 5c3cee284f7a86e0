#pragma once
#include <QStringList>

class QCoreApplication;

struct CommandLineOptions {
    QStringList ports; // names or device paths to add to the port list; the last is chosen
    bool login = false;
    bool demo = false;
    QString crash; // hidden --crash KIND: crash on purpose once the window is shown
};

// Parses the program's options; --help and --version print and exit here.
CommandLineOptions parseCommandLine(const QCoreApplication& app);
