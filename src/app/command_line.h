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
// Whether one of flags is among the options of arguments (the program's name first). For
// what has to be known before the full parse: --data-home before the settings file is opened,
// --help and --version before the application needs a display.
bool hasFlag(const QStringList& arguments, const QStringList& flags);
inline const QStringList kDataHomeFlag = {"--data-home"};
inline const QStringList kHelpOrVersionFlags = {"-h",         "--help", "-?",
                                                "--help-all", "-v",     "--version"};
