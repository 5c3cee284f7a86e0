#include "app/startup.h"

#include "app/app_constants.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QTranslator>
#include <QUrl>
#ifdef Q_OS_WIN
#include <QProcess>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
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

void KeepLargeBlocksOffTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, app::kLargeBlockBytes);
#endif
}
