#pragma once
// What the user can do about a port that did not open: a second line under the described
// text, chosen by the port's error.

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

class PortOpenError {
    Q_DECLARE_TR_FUNCTIONS(PortOpenError)
public:
    // described, then the cause on its own line; described alone for causes with no advice.
    // On Linux a port locked or opened exclusively by another program fails with a
    // permission error as well: userMayOpen (the user's own read and write rights on the
    // device) tells that apart from a user outside the serial devices' group.
    static QString text(const QString& described, QSerialPort::SerialPortError error,
                        bool userMayOpen);
    // Whether this user may read and write the port's device (a name such as ttyUSB0 or a
    // path); true where that cannot be told.
    static bool userMayOpen(const QString& portName);
};
