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
// Whether --data-home is among the arguments. Looked at before the settings file is opened,
// which comes before the full parse.
bool asksForDataHome(const QStringList& arguments);
