#pragma once
// The console command line's history: the lines sent with Return, oldest first, without
// repeats, and a browsing position moved by Up and Down. No widget: the edit asks it what
// to show.

#include <QString>
#include <QStringList>
#include <optional>

class CommandHistory {
public:
    // Records a sent line (trimmed). A blank line is not recorded; a line already in the
    // list moves to the newest place. Browsing starts again after the newest line.
    void commit(const QString& text);

    // The line to show for Up, or nothing (the key is swallowed) when there is no history.
    std::optional<QString> up();
    // The line to show for Down; an empty text past the newest line; nothing without history.
    std::optional<QString> down();

    const QStringList& lines() const { return m_lines; }
    int index() const { return m_index; }

private:
    QStringList m_lines;
    int m_index = 0; // equals the list size when not browsing
};
