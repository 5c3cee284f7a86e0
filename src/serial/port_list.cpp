#include "serial/port_list.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace {
QStringList& extras() {
    static QStringList list;
    return list;
}

bool deviceExists(const QString& name) {
    const QString path = name.startsWith('/') ? name : QStringLiteral("/dev/") + name;
    return QFileInfo::exists(path);
}
} // namespace

void addExtraPort(const QString& nameOrPath) {
    if (!nameOrPath.isEmpty() && !extras().contains(nameOrPath))
        extras().append(nameOrPath);
}

QStringList extraPorts() {
    return extras();
}

QStringList availablePortNames() {
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        names << info.portName();
    for (const QString& extra : extras()) {
        if (!names.contains(extra) && deviceExists(extra))
            names << extra;
    }
    return names;
}
