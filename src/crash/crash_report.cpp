#include "crash/crash_report.h"

#include "toolbox/prompts.h"
#include "crash/breakpad_handler.h"
#include "crash/crash_constants.h"
#include "crash/crash_report_dialog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace crash {

QString reportFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/" +
           kReportFolderName;
}

QStringList copyDumpsToReportFolder(const QString& dumpPath, const QStringList& dumps,
                                    const QString& reportFolder) {
    QStringList safe;
    if (!QDir().mkpath(reportFolder) || !QDir(reportFolder).exists()) {
        qDebug() << "Could not make the crash report folder" << reportFolder;
        return safe;
    }
    for (const QString& name : dumps) {
        const QString source = dumpPath + "/" + name;
        const QString target = reportFolder + "/" + name;
        if (QFile::exists(target) || (QFile::exists(source) && QFile::copy(source, target)))
            safe << name;
        else
            qDebug() << "Could not copy crash dump" << source << "to" << target;
    }
    return safe;
}

void offerCrashReport(BreakpadHandler& handler, const QString& reportFolder) {
    const QStringList dumps = handler.dumpFileList();
    if (dumps.isEmpty())
        return;
    const QStringList safe = copyDumpsToReportFolder(handler.dumpPath(), dumps, reportFolder);
    CrashReportDialog dialog;
    dialog.setModal(true);
    prompts().execDialog(dialog);
    prompts().showFolder(reportFolder);
    handler.clearDumps(safe);
}

} // namespace crash
