#include "crash/breakpad_handler.h"

#include <QDebug>
#include <QDir>

BreakpadHandler& BreakpadHandler::instance() {
    static BreakpadHandler handler;
    return handler;
}

void BreakpadHandler::setDumpPath(const QString& path) {
    QMutexLocker lock(&m_mutex);
    QDir dir(path);
    if (!dir.exists() && !dir.mkpath(".")) {
        qDebug() << QString("Failed to set dump path which not exists: %1").arg(path);
        return;
    }
    m_dumpPath = path;
}

QString BreakpadHandler::dumpPath() const {
    QMutexLocker lock(&m_mutex);
    return m_dumpPath;
}

QStringList BreakpadHandler::dumpFileList() const {
    const QString path = dumpPath();
    if (path.isEmpty())
        return {};
    return QDir(path).entryList({"*.dmp"}, QDir::Files, QDir::Name);
}

void BreakpadHandler::clearDumps(const QStringList& copied) {
    const QString path = dumpPath();
    const QStringList dumps = dumpFileList();
    for (const QString& name : dumps) {
        if (copied.isEmpty() || copied.contains(name))
            QFile::remove(path + "/" + name);
    }
}
