#pragma once
// The raw console's command line. Placeholder until the console mode is built: Enter
// emits ReturnEnterSigal instead of inserting a line break.
#include <QKeyEvent>
#include <QTextEdit>

class HistoryTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit HistoryTextEdit(QWidget* parent = nullptr) : QTextEdit(parent) {}

signals:
    void ReturnEnterSigal();

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            emit ReturnEnterSigal();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }
};
