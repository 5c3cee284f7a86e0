#pragma once
// Where the program finds the files it ships with, and the folder it works in when started
// from the desktop's menu.
//
// In the build tree everything sits beside the binary. Installed, the binaries are in
// <prefix>/bin and the shared files in <prefix>/share/norvanebat, found relative to the
// binary so that an unpacked or relocated tree works as well as /usr.

#include <QString>

class QSettings;

namespace toolbox {

// The shipped file or folder `name`: beside the program when it is there, else in the
// installed share folder when it is there; beside the program when it is in neither (so that
// a message names the place a build tree would have it).
QString shippedPath(const QString& programDir, const QString& name);
// The folder of the translations and the Language menu's pictures, for this process.
QString languagesFolder();

// The folder a menu start works in: $XDG_DATA_HOME/norvanebat, or ~/.local/share/norvanebat
// when XDG_DATA_HOME is unset, empty or not absolute (such values are to be ignored).
QString dataHomeFolder(const QString& xdgDataHome, const QString& home);
// Creates dataHomeFolder() for this user when missing and makes it the working folder, so
// that ConFig/ and log/ land there. False (and the working folder unchanged) when it cannot.
bool enterDataHome(QString* error);
// The file dialogs start in the working folder until a folder has been chosen; in the data
// folder, a hidden one, they start in the home folder instead.
void startDialogsAtHome(QSettings& settings);

} // namespace toolbox
