#include "console/command_history.h"

#include "console/console_constants.h"

#include <algorithm>

void CommandHistory::commit(const QString& text) {
    const QString line = text.trimmed();
    if (line.isEmpty())
        return;
    // Trimmed to the newest kHistoryKeep before the new line goes in, so the list holds
    // at most kHistoryKeep + 1 lines.
    if (m_lines.size() > ConsoleMode::kHistoryKeep)
        m_lines = m_lines.mid(m_lines.size() - ConsoleMode::kHistoryKeep);
    m_lines.removeAll(line);
    m_lines.append(line);
    m_index = m_lines.size();
}

std::optional<QString> CommandHistory::up() {
    if (m_lines.isEmpty())
        return std::nullopt;
    m_index = std::max(0, m_index - 1);
    return m_lines.at(m_index);
}

std::optional<QString> CommandHistory::down() {
    if (m_lines.isEmpty())
        return std::nullopt;
    if (m_index + 1 < m_lines.size()) {
        m_index = std::min(int(m_lines.size()) - 1, m_index + 1);
        return m_lines.at(m_index);
    }
    m_index = m_lines.size();
    return QString();
}
