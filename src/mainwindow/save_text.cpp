#include "mainwindow/save_text.h"

#include "toolbox/prompts.h"
#include "toolbox/text_file.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

void saveTextAs(QWidget* parent, QSettings* settings, const QString& text, const QString& failure) {
    saveTextAs(
        parent, settings, [&text](QIODevice& file) { return writeText(file, text); }, failure);
}

void saveTextAs(QWidget* parent, QSettings* settings, const std::function<bool(QIODevice&)>& write,
                const QString& failure) {
    const char* const downPathKey = "path/downpath";
    const QString folder = settings->value(downPathKey, ".").toString();
    const QString path =
        prompts().saveFileName(parent, QCoreApplication::translate("BMSMainWin", "choose a file"),
                               folder, "(*.txt);;All Files(*.*)");
    if (path.isEmpty())
        return;
    QString error;
    if (!writeTextFile(path, write, &error)) {
        prompts().warning(parent, QCoreApplication::translate("BMSMainWin", "warning"),
                          failure.arg(QDir::toNativeSeparators(path), error), QMessageBox::Yes);
        return;
    }
    settings->setValue(downPathKey, QFileInfo(path).path());
    qDebug() << "downpath" << QFileInfo(path).path();
}
