#pragma once
// Saving a text the user asked for (the configuration reply, the real-time stream).

#include <QString>

#include <functional>

class QIODevice;

// Writes text to path with the platform's line ends, replacing what was there: `write` gets
// the file, open in text mode, and returns false when a write failed. False with the reason
// in *error when the file cannot be opened or written in full, so that a failed save is
// never taken for a saved file.
bool writeTextFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                   QString* error);
// Writes the whole text to `out` as UTF-8; false when it was not written in full.
bool writeText(QIODevice& out, const QString& text);
