#pragma once
// The configuration and real-time pages' text downloads: a file chosen from the folder of
// the last saved one (kept in the settings). A file that could not be written is named with
// the reason (failure's %1 and %2), and the stored folder stays where the last file could be
// written.

#include <QString>

#include <functional>

class QIODevice;
class QSettings;
class QWidget;

void saveTextAs(QWidget* parent, QSettings* settings, const QString& text, const QString& failure);
// The same for a text written piece by piece (`write` returns false when a write failed).
void saveTextAs(QWidget* parent, QSettings* settings, const std::function<bool(QIODevice&)>& write,
                const QString& failure);
