#include "upgrade/transfer_routing.h"

#include "protocol/burst.h"
#include "upgrade/upgrade_constants.h"

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

int transferSecondsLeft(qint64 bytesSent, qint64 totalSize, qint64 elapsedMs) {
    if (bytesSent <= 0 || elapsedMs < Upgrade::kRateMeasureMinMs)
        return -1;
    const qint64 left = qMax<qint64>(0, totalSize - bytesSent);
    // left / (bytesSent / elapsedMs) ms, in whole seconds rounded up.
    return int((left * elapsedMs + bytesSent * 1000 - 1) / (bytesSent * 1000));
}
