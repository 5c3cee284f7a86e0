#include "app/startup.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTranslator>

bool LoadTranslator(QTranslator& translator, const QString& fileName) {
    const QString path = QCoreApplication::applicationDirPath() + "/languages/" + fileName;
    if (!translator.load(path, QString(), QString(), QString())) {
        qDebug() << "翻译加载失败";
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    qDebug() << "翻译加载成功";
    return true;
}

void OpenInExplorer(const QString& path) {
#ifdef Q_OS_WIN
    QString p = path;
    p.replace("/", "\\");
    QProcess::startDetached("explorer.exe  \"" + p + "\"");
#else
    QProcess::startDetached("xdg-open", {path});
#endif
}

QStringList copyDumpsToReportFolder(const QString& dumpPath, const QStringList& dumps,
                                    const QString& reportFolder) {
    QStringList safe;
    if (!QDir().mkpath(reportFolder) || !QDir(reportFolder).exists())
        return safe;
    for (const QString& name : dumps) {
        const QString source = dumpPath + "/" + name;
        const QString target = reportFolder + "/" + name;
        if (QFile::exists(target) || (QFile::exists(source) && QFile::copy(source, target)))
            safe << name;
    }
    return safe;
}
