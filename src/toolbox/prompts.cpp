#include "toolbox/prompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QUrl>
#ifdef Q_OS_WIN
#include <QProcess>
#endif

namespace {
QtPrompts g_qtPrompts;
Prompts* g_current = &g_qtPrompts;
} // namespace

Prompts& prompts() {
    return *g_current;
}

void setPrompts(Prompts* p) {
    g_current = p ? p : &g_qtPrompts;
}

QMessageBox::StandardButton QtPrompts::information(QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton) {
    return QMessageBox::information(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtPrompts::warning(QWidget* parent, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton) {
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtPrompts::critical(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) {
    return QMessageBox::critical(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton QtPrompts::question(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) {
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString QtPrompts::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtPrompts::textInput(QWidget* parent, const QString& title, const QString& label,
                             QLineEdit::EchoMode mode, const QString& text, bool* ok) {
    return QInputDialog::getText(parent, title, label, mode, text, ok);
}

int QtPrompts::execDialog(QDialog& dialog) {
    return dialog.exec();
}

// The desktop's file manager (Windows explorer on Windows).
void QtPrompts::showFolder(const QString& path) {
#ifdef Q_OS_WIN
    QString p = path;
    p.replace("/", "\\");
    QProcess::startDetached("explorer.exe  \"" + p + "\"");
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}
