#pragma once
// Helpers of the program's start.

#include <QString>

class QTranslator;

// Loads applicationDirPath()/languages/fileName into translator and installs it.
bool LoadTranslator(QTranslator& translator, const QString& fileName);
// Shows a folder in the desktop's file manager (Windows explorer on Windows).
void OpenInExplorer(const QString& path);
