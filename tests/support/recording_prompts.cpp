#include "recording_prompts.h"

#include <QDialog>

QStringList RecordingPrompts::texts() const {
    QStringList out;
    for (const PromptRecord& r : shown)
        out << r.text;
    return out;
}

QMessageBox::StandardButton RecordingPrompts::answer(const QString& kind, const QString& title,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons) {
    shown.append({kind, title, text, buttons, QString()});
    if (!buttonAnswers.isEmpty())
        return buttonAnswers.dequeue();
    for (QMessageBox::StandardButton b :
         {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel}) {
        if (buttons.testFlag(b))
            return b;
    }
    return QMessageBox::NoButton;
}

QString RecordingPrompts::answerText(const QString& kind, const QString& title, const QString& text,
                                     bool* ok, const QString& dir) {
    shown.append({kind, title, text, {}, dir});
    const QString a = textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
    if (ok)
        *ok = !a.isEmpty();
    return a;
}

QMessageBox::StandardButton RecordingPrompts::information(QWidget*, const QString& title,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton) {
    return answer("information", title, text, buttons);
}

QMessageBox::StandardButton RecordingPrompts::warning(QWidget*, const QString& title,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton) {
    return answer("warning", title, text, buttons);
}

QMessageBox::StandardButton RecordingPrompts::critical(QWidget*, const QString& title,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton) {
    return answer("critical", title, text, buttons);
}

QMessageBox::StandardButton RecordingPrompts::question(QWidget*, const QString& title,
                                                       const QString& text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton) {
    return answer("question", title, text, buttons);
}

QString RecordingPrompts::saveFileName(QWidget*, const QString& caption, const QString& dir,
                                       const QString&) {
    return answerText("save", caption, QString(), nullptr, dir);
}

QString RecordingPrompts::openFileName(QWidget*, const QString& caption, const QString& dir,
                                       const QString&) {
    return answerText("open", caption, QString(), nullptr, dir);
}

QString RecordingPrompts::textInput(QWidget*, const QString& title, const QString& label,
                                    QLineEdit::EchoMode, const QString&, bool* ok) {
    return answerText("text", title, label, ok);
}

int RecordingPrompts::execDialog(QDialog& dialog) {
    PromptRecord record;
    record.kind = "dialog";
    record.title = dialog.windowTitle();
    record.text = dialog.objectName();
    shown.append(record);
    return QDialog::Accepted;
}

void RecordingPrompts::showFolder(const QString& path) {
    PromptRecord record;
    record.kind = "folder";
    record.text = path;
    shown.append(record);
}
