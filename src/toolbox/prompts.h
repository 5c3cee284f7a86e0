#pragma once
// The one seam through which the program asks the user anything: every message box,
// file dialog and text prompt goes through prompts(). The program runs with QtPrompts
// (the real dialogs); tests install a recorder that answers as scripted.

#include <QLineEdit>
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual QMessageBox::StandardButton
    information(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Yes,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    warning(QWidget* parent, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Yes,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    critical(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    virtual QMessageBox::StandardButton
    question(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // Empty string when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    // *ok is false when the user cancelled.
    virtual QString textInput(QWidget* parent, const QString& title, const QString& label,
                              QLineEdit::EchoMode mode, const QString& text, bool* ok) = 0;

    // Runs one of the program's own modal dialogs; returns its result (QDialog::DialogCode).
    virtual int execDialog(QDialog& dialog) = 0;
    // Shows a folder in the desktop's file manager.
    virtual void showFolder(const QString& path) = 0;
};

// The real dialogs.
class QtPrompts : public Prompts {
public:
    QMessageBox::StandardButton information(QWidget* parent, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString textInput(QWidget* parent, const QString& title, const QString& label,
                      QLineEdit::EchoMode mode, const QString& text, bool* ok) override;
    int execDialog(QDialog& dialog) override;
    void showFolder(const QString& path) override;
};

// The prompts in use; QtPrompts unless another was installed.
Prompts& prompts();
// Installs p (not owned) as the prompts in use; nullptr restores the real dialogs.
void setPrompts(Prompts* p);
