#include "console/history_text_edit.h"

#include <QKeyEvent>

HistoryTextEdit::HistoryTextEdit(QWidget* parent) : QTextEdit(parent) {}

void HistoryTextEdit::commitHistory() {
    m_history.commit(toPlainText());
}

void HistoryTextEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
        commitHistory();
        emit ReturnEnterSigal();
        return; // no line break enters the line
    case Qt::Key_Enter:
        emit ReturnEnterSigal(); // keypad Enter: sent, not recorded
        return;
    case Qt::Key_Up:
        if (const auto line = m_history.up())
            showLine(*line);
        return;
    case Qt::Key_Down:
        if (const auto line = m_history.down())
            showLine(*line);
        return;
    default:
        QTextEdit::keyPressEvent(e);
    }
}

void HistoryTextEdit::showLine(const QString& text) {
    setPlainText(text);
    moveCursor(QTextCursor::End);
}
