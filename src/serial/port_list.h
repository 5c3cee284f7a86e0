#pragma once
// The ports the user can choose: those the system lists, plus ports named on the command
// line (pseudo-terminals are never listed by the system). A named port counts as present
// only while its device exists, so removing a pseudo-terminal link is noticed like an
// unplugged adapter.

#include <QStringList>

void addExtraPort(const QString& nameOrPath);
QStringList extraPorts();
QStringList availablePortNames();
