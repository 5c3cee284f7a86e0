#pragma once
// Helpers of the program's start.

#include <QString>

class QCoreApplication;
class QTranslator;

// Loads fileName from the languages folder (beside the program or installed) into translator
// and installs it.
bool LoadTranslator(QTranslator& translator, const QString& fileName);
// Shows a folder in the desktop's file manager (Windows explorer on Windows).
void OpenInExplorer(const QString& path);
// SIGTERM (the desktop session ending, a service manager) ends the event loop like a quit,
// so that the program's own shutdown runs: log flushed, simulator ended, settings written.
void QuitOnTermSignal(QCoreApplication& app);
