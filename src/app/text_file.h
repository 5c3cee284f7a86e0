#pragma once
// Saving a text the user asked for (the configuration reply, the real-time stream).

#include <QString>

// Writes text to path as UTF-8 with the platform's line ends, replacing what was there.
// False with the reason in *error when the file cannot be opened or written in full, so
// that a failed save is never taken for a saved file.
bool writeTextFile(const QString& path, const QString& text, QString* error);
