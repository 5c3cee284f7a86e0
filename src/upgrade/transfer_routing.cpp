#include "upgrade/transfer_routing.h"

#include "protocol/burst.h"

#include <QCoreApplication>

QByteArray takeTransferBytes(QByteArray& receiveBuffer) {
    if (!startsWithTransferByte(receiveBuffer))
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
