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

namespace {

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QString breakLongLines(const QString& text, int lastLineLength, int width) {
    QString out;
    out.reserve(text.size() + text.size() / width + 1);
    int column = lastLineLength;
    for (const QChar c : text) {
        if (isLineEnd(c)) {
            column = 0;
        } else if (column >= width && !c.isLowSurrogate()) {
            out += QLatin1Char('\n');
            column = 1;
        } else {
            ++column;
        }
        out += c;
    }
    return out;
}

// Index of the line end in front of the last `maxLines` lines, or -1 when there are fewer.
int cutBeforeLastLines(const QString& text, int maxLines) {
    int ends = 0;
    for (int i = text.size() - 1; i >= 0; --i) {
        if (!isLineEnd(text.at(i)))
            continue;
        // "\r\n" is one line end.
        if (text.at(i) == QLatin1Char('\n') && i > 0 && text.at(i - 1) == QLatin1Char('\r'))
            --i;
        if (++ends == maxLines)
            return i;
    }
    return -1;
}

} // namespace

QString fitToTerminal(const QString& text, int lastLineLength, int width, int maxLines) {
    const QString broken = breakLongLines(text, lastLineLength, width);
    const int cut = cutBeforeLastLines(broken, maxLines);
    return cut < 0 ? broken : broken.mid(cut);
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
