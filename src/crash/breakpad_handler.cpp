#include "crash/breakpad_handler.h"

#include "crash/crash_constants.h"
#include "crash/crash_signal_handler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QUuid>

BreakpadHandler& BreakpadHandler::instance() {
    static BreakpadHandler handler;
    return handler;
}

BreakpadHandler::BreakpadHandler() : m_started(QDateTime::currentDateTime()) {}

void BreakpadHandler::setDumpPath(const QString& path) {
    QMutexLocker lock(&m_mutex);
    const QString absolute =
        QDir::isRelativePath(path) ? QCoreApplication::applicationDirPath() + "/" + path : path;
    QDir dir(absolute);
    if (!dir.exists() && !dir.mkpath(".")) {
        qDebug() << QString("Failed to set dump path which not exists: %1").arg(absolute);
        return;
    }
    // The file name and the text at the head of the dump are made now: the handler itself
    // may not allocate.
    const QString guid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString file = dir.absoluteFilePath(guid + crash::kDumpSuffix);
    if (!crash::prepareDump(QFile::encodeName(file).constData(), dumpHeader(guid).constData())) {
        qDebug() << "Dump path too long, no crash handler:" << file;
        return;
    }
    crash::installSignalHandlers();
    m_dumpPath = absolute;
}

QByteArray BreakpadHandler::dumpHeader(const QString& guid) const {
    return QString("NorvaneBat crash dump %1\n"
                   "Version: %2\n"
                   "Program: %3\n"
                   "Started: %4\n"
                   "Symbol names are not demangled (c++filt does it); the memory map at the "
                   "end turns addresses into file offsets.\n\n")
        .arg(guid, NB_PROGRAM_VERSION, QCoreApplication::applicationFilePath(),
             m_started.toOffsetFromUtc(m_started.offsetFromUtc()).toString(Qt::ISODateWithMs))
        .toUtf8();
}

QString BreakpadHandler::dumpPath() const {
    QMutexLocker lock(&m_mutex);
    return m_dumpPath;
}

QStringList BreakpadHandler::dumpFileList() const {
    const QString path = dumpPath();
    if (path.isEmpty())
        return {};
    return QDir(path).entryList({crash::kDumpPattern}, QDir::Files, QDir::Name);
}

void BreakpadHandler::clearDumps(const QStringList& names) {
    const QString path = dumpPath();
    const QStringList dumps = dumpFileList();
    for (const QString& name : dumps) {
        if (names.contains(name) && !QFile::remove(path + "/" + name))
            qDebug() << "Could not delete crash dump" << name;
    }
}
