#include "app/startup.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QTranslator>
#include <QUrl>
#ifdef Q_OS_WIN
#include <QProcess>
#endif

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
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}
