#pragma once
// The raw console's command line: Return sends the line and records it in the history,
// keypad Enter sends without recording, Up and Down walk through the lines sent before.

#include "console/command_history.h"

#include <QTextEdit>

class QKeyEvent;

class HistoryTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit HistoryTextEdit(QWidget* parent = nullptr);

    const CommandHistory& history() const { return m_history; }

signals:
    void ReturnEnterSigal();

public slots:
    void commitHistory();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showLine(const QString& text);

    CommandHistory m_history;
};
