#pragma once
// A Prompts that records what the program showed and answers from a script, so no test
// ever blocks on a dialog. Install with ScopedPrompts.

#include "app/prompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

struct PromptRecord {
    // "information", "warning", "critical", "question", "save", "open", "text",
    // "dialog" (title: window title, text: object name), "folder" (text: path)
    QString kind;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QString dir; // the folder a file dialog opened in
};

class RecordingPrompts : public Prompts {
public:
    QList<PromptRecord> shown;
    // Answers for message boxes, taken in order; when empty the first button offered
    // (in the order Yes, Ok, No, Cancel) is taken.
    QQueue<QMessageBox::StandardButton> buttonAnswers;
    // Answers for file dialogs and text input; empty string = cancelled.
    QQueue<QString> textAnswers;

    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QMessageBox::StandardButton information(QWidget*, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton) override;
    QMessageBox::StandardButton warning(QWidget*, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override;
    QMessageBox::StandardButton critical(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton) override;
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton) override;
    QString saveFileName(QWidget*, const QString& caption, const QString&, const QString&) override;
    QString openFileName(QWidget*, const QString& caption, const QString&, const QString&) override;
    QString textInput(QWidget*, const QString& title, const QString& label, QLineEdit::EchoMode,
                      const QString&, bool* ok) override;
    // Records the dialog and answers QDialog::Accepted without showing it.
    int execDialog(QDialog& dialog) override;
    void showFolder(const QString& path) override;

private:
    QMessageBox::StandardButton answer(const QString& kind, const QString& title,
                                       const QString& text, QMessageBox::StandardButtons buttons);
    QString answerText(const QString& kind, const QString& title, const QString& text, bool* ok,
                       const QString& dir = QString());
};

// Installs a RecordingPrompts for the scope of the object.
class ScopedPrompts {
public:
    ScopedPrompts() { setPrompts(&recorder); }
    ~ScopedPrompts() { setPrompts(nullptr); }
    RecordingPrompts recorder;
};
