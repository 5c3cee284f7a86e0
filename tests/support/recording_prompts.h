#pragma once
// A Prompts that records what the program showed and answers from a script, so no test
// ever blocks on a dialog. Install with ScopedPrompts.

#include "toolbox/prompts.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <utility>

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
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

public:
    QList<PromptRecord> shown;
    // Answers for message boxes, taken in order; when empty the first button offered
    // (in the order Yes, Ok, No, Cancel) is taken.
    QQueue<Button> buttonAnswers;
    // Answers for file dialogs and text input; empty string = cancelled.
    QQueue<QString> textAnswers;
    // Runs once while the next question is "open", before it is answered: what a cable or a
    // timer does to the program while a box waits for the user.
    std::function<void()> whileAsking;

    QStringList texts() const {
        QStringList out;
        for (const PromptRecord& r : shown)
            out << r.text;
        return out;
    }
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

#define NB_RECORDED_BOX(kind)                                                                      \
    Button kind(QWidget*, const QString& title, const QString& text, Buttons buttons, Button)      \
        override {                                                                                 \
        return answer(#kind, title, text, buttons);                                                \
    }
    NB_RECORDED_BOX(information)
    NB_RECORDED_BOX(warning)
    NB_RECORDED_BOX(critical)
    NB_RECORDED_BOX(question)
#undef NB_RECORDED_BOX
    QString saveFileName(QWidget*, const QString& caption, const QString& dir,
                         const QString&) override {
        return answerText({"save", caption, {}, {}, dir}, nullptr);
    }
    QString openFileName(QWidget*, const QString& caption, const QString& dir,
                         const QString&) override {
        return answerText({"open", caption, {}, {}, dir}, nullptr);
    }
    QString textInput(QWidget*, const QString& title, const QString& label, QLineEdit::EchoMode,
                      const QString&, bool* ok) override {
        return answerText({"text", title, label, {}, {}}, ok);
    }
    // Records the dialog and answers QDialog::Accepted without showing it.
    int execDialog(QDialog& dialog) override {
        shown.append({"dialog", dialog.windowTitle(), dialog.objectName(), {}, {}});
        return QDialog::Accepted;
    }
    void showFolder(const QString& path) override {
        shown.append({"folder", {}, path, {}, {}});
    }

private:
    Button answer(const QString& kind, const QString& title, const QString& text, Buttons buttons) {
        shown.append({kind, title, text, buttons, {}});
        if (kind == "question" && whileAsking)
            std::exchange(whileAsking, nullptr)();
        if (!buttonAnswers.isEmpty())
            return buttonAnswers.dequeue();
        for (Button b : {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel})
            if (buttons.testFlag(b))
                return b;
        return QMessageBox::NoButton;
    }
    QString answerText(const PromptRecord& record, bool* ok) {
        shown.append(record);
        const QString a = textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
        if (ok)
            *ok = !a.isEmpty();
        return a;
    }
};

// Installs a RecordingPrompts for the scope of the object.
class ScopedPrompts {
public:
    ScopedPrompts() { setPrompts(&recorder); }
    ~ScopedPrompts() { setPrompts(nullptr); }
    RecordingPrompts recorder;
};
