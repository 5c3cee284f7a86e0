#include "serial/port_open_error.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QString PortOpenError::text(const QString& described, QSerialPort::SerialPortError error,
                            bool userMayOpen) {
    QString cause;
    switch (error) {
    case QSerialPort::PermissionError:
        cause =
            userMayOpen
                ? tr("Another program is using this port. Close it, then press \"Login\" again.")
                : tr("You may not use serial ports: join the dialout group with\n"
                     "sudo usermod -aG dialout $USER\n"
                     "then log out and in again.");
        break;
    case QSerialPort::DeviceNotFoundError:
        cause = tr("The adapter was unplugged. Plug it in again and pick its port.");
        break;
    default:
        break;
    }
    return cause.isEmpty() ? described : described + '\n' + cause;
}

bool PortOpenError::userMayOpen(const QString& portName) {
#ifdef Q_OS_UNIX
    const QString path = portName.startsWith('/') ? portName : "/dev/" + portName;
    return ::access(path.toLocal8Bit().constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(portName);
    return true;
#endif
}
