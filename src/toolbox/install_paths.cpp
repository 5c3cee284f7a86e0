#include "toolbox/install_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace toolbox {

namespace {
// From <prefix>/bin to the program's shared files.
constexpr const char* kInstalledShare = "/../share/norvanebat/";
constexpr const char* kDataHomeName = "norvanebat";
} // namespace

QString shippedPath(const QString& programDir, const QString& name) {
    const QString beside = programDir + '/' + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(programDir + kInstalledShare + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString languagesFolder() {
    return shippedPath(QCoreApplication::applicationDirPath(), "languages");
}

QString dataHomeFolder(const QString& xdgDataHome, const QString& home) {
    const QString base = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + "/.local/share";
    return QDir::cleanPath(base + '/' + kDataHomeName);
}

bool enterDataHome(QString* error) {
    const QString folder = dataHomeFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        if (error)
            *error = QString("cannot work in %1").arg(folder);
        return false;
    }
    return true;
}

void startDialogsAtHome(QSettings& settings) {
    // The export folder and the firmware image folder.
    for (const char* key : {"path/downpath", "path/lastpath"}) {
        if (!settings.contains(key))
            settings.setValue(key, QDir::homePath());
    }
}

} // namespace toolbox
