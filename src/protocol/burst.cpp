#include "protocol/burst.h"

#include "protocol/protocol_constants.h"

#include <QRegularExpression>

bool startsWithTransferByte(const QByteArray& receiveBuffer) {
    if (receiveBuffer.isEmpty()) {
        return false;
    }
    switch (receiveBuffer.at(0)) {
    case kXmodemSoh:
    case kXmodemEot:
    case kXmodemAck:
    case kXmodemNak:
    case kXmodemCan:
        return true;
    default:
        return false;
    }
}

BurstEdit editBurst(const QString& burst) {
    BurstEdit edit;
    const bool hasCr = burst.contains(QLatin1Char('\r'));
    const bool hasLf = burst.contains(QLatin1Char('\n'));
    if (hasCr && !hasLf) {
        // A progress line redrawn in place: only the text after the last return stays.
        edit.replaceLastLine = true;
        edit.text = burst.mid(burst.lastIndexOf(QLatin1Char('\r')) + 1);
        return edit;
    }
    edit.text = burst;
    if (hasCr) {
        static const QRegularExpression returns(QStringLiteral("\r{2,}"));
        edit.text.replace(returns, QStringLiteral("\r"));
        edit.text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        edit.text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    }
    return edit;
}

bool listsAsReplies(const QString& deviceName) {
    return deviceName == kCompleteListingModel;
}

BurstRoute routeBurst(const QString& currentCommand, const QString& burst,
                      const QString& deviceName) {
    const auto has = [&](const char* text) { return currentCommand.contains(QLatin1String(text)); };
    if (has("updata") || has("uboot")) {
        return BurstRoute::UpdataState;
    }
    // Every burst while waking: "Updata is ready!" may come cut across two of them.
    if (has("DLG")) {
        return BurstRoute::UpdataReady;
    }
    if (has("disp pwrs ")) {
        return BurstRoute::RealTime;
    }
    if (has("disp 0") && burst.contains(QLatin1String("disp 0"))) {
        return BurstRoute::RealTimeOff;
    }
    if (has("datalist event ")) {
        return listsAsReplies(deviceName) ? BurstRoute::None : BurstRoute::EventList;
    }
    if (has("datalist history ")) {
        return listsAsReplies(deviceName) ? BurstRoute::None : BurstRoute::HistoryList;
    }
    return BurstRoute::None;
}
