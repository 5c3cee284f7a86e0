#include "upgrade/transfer_routing.h"

#include "upgrade/upgrade_constants.h"

#include <QCoreApplication>

bool isTransferControlByte(char c) {
    using namespace Xmodem;
    return c == kSoh || c == kEot || c == kAck || c == kNak || c == kCan;
}

QByteArray takeTransferBytes(QByteArray& receiveBuffer) {
    if (receiveBuffer.isEmpty() || !isTransferControlByte(receiveBuffer.at(0)))
        return QByteArray();
    QByteArray taken;
    taken.swap(receiveBuffer);
    return taken;
}

int transferPercent(qint64 bytesSent, qint64 totalSize) {
    if (totalSize <= 0)
        return 0;
    return int(bytesSent * 100 / totalSize);
}

QString transferProgressText(int percent) {
    return QCoreApplication::translate("BMSMainWin", "Transimit finish %1%").arg(percent);
}
