#pragma once
// The report of a previous run's crashes, offered once at start-up.

#include <QString>
#include <QStringList>

class BreakpadHandler;

namespace crash {

// The report folder on the user's desktop.
QString reportFolder();

// Copies the dumps to the report folder (creating it), never over a file of the same name,
// and returns the names that are there now (copied, or present already): the ones that are
// safe to delete. Empty when the folder cannot be made.
QStringList copyDumpsToReportFolder(const QString& dumpPath, const QStringList& dumps,
                                    const QString& reportFolder);

// When the handler's folder holds dumps: copies them to reportFolder, shows
// CrashReportDialog, shows the folder, and deletes the dumps that reached it.
void offerCrashReport(BreakpadHandler& handler, const QString& reportFolder);

} // namespace crash
