#include "protocol/reply_router.h"

#include "protocol/protocol_constants.h"

namespace {

struct Match {
    const QString& command;
    const QString& reply;

    bool sent(const QString& text) const { return command.contains(text); }
    bool sent(const char* text) const { return command.contains(QLatin1String(text)); }
    bool echoed(const QString& text) const { return reply.contains(text); }
    bool echoed(const char* text) const { return reply.contains(QLatin1String(text)); }
    bool both(const char* text) const { return sent(text) && echoed(text); }
};

// True when `text` holds `numbered` (e.g. "pwr 1") not followed by another digit, so that
// battery 1 does not take the reply meant for battery 12.
bool containsNumbered(const QString& text, const QString& numbered) {
    for (int at = text.indexOf(numbered); at >= 0; at = text.indexOf(numbered, at + 1)) {
        const int next = at + numbered.size();
        if (next >= text.size() || !text.at(next).isDigit()) {
            return true;
        }
    }
    return false;
}

// The battery number written right after "info " in `text`; 0 for the bare "info ", -1
// when `text` holds no "info ".
int infoNumber(const QString& text) {
    const QLatin1String info("info ");
    const int at = text.indexOf(info);
    if (at < 0) {
        return -1;
    }
    int n = 0;
    for (int i = at + info.size(); i < text.size() && text.at(i).isDigit() && n < 100000; ++i) {
        n = n * 10 + text.at(i).digitValue();
    }
    return n;
}

// An identity reply is the one of the battery asked for, and of the battery now chosen: a
// reply for battery 1 that arrives after battery 2 was chosen is not battery 2's.
bool infoOfBattery(const Match& m, int currentBatNum) {
    const int asked = infoNumber(m.command);
    if (asked < 0 || infoNumber(m.reply) != asked) {
        return false;
    }
    return asked == 0 || currentBatNum <= 0 || asked == currentBatNum;
}

// A switch's reply must echo that very switch: another command's reply is no verdict on it.
bool echoedSwitch(const Match& m, const char* const (&switches)[2]) {
    for (const char* sw : switches) {
        if (m.both(sw)) {
            return true;
        }
    }
    return false;
}

// Rows 1 to 9: the status chains.
DispatchRow statusRow(const Match& m, int currentBatNum) {
    static const char* const kOn[2] = {"ctrl cfet on", "ctrl dfet on"};
    static const char* const kOff[2] = {"ctrl cfet off", "ctrl dfet off"};
    const QString pwrN = QStringLiteral("pwr %1").arg(currentBatNum);
    if (m.both("info ") && infoOfBattery(m, currentBatNum)) {
        return DispatchRow::Info;
    }
    if (m.both("bat ")) {
        return DispatchRow::Bat;
    }
    if (m.both("pwrsys")) {
        return DispatchRow::PwrSys;
    }
    if (containsNumbered(m.command, pwrN) && containsNumbered(m.reply, pwrN)) {
        return DispatchRow::PwrBat;
    }
    if (m.sent("ctrl") && m.echoed("ctrl\n")) {
        return DispatchRow::Ctrl;
    }
    if (echoedSwitch(m, kOn)) {
        return DispatchRow::MosOpen;
    }
    if (echoedSwitch(m, kOff)) {
        return DispatchRow::MosClose;
    }
    if (m.both("pwr") && m.echoed("B.T.St")) {
        return DispatchRow::PwrTable;
    }
    if (m.both("balance")) {
        return DispatchRow::Balance;
    }
    return DispatchRow::None;
}

// Rows 10 to 17: configuration, control and records.
DispatchRow otherRow(const Match& m) {
    if (m.sent("config") && m.echoed("config\n")) {
        return DispatchRow::Config;
    }
    if (m.both("tall")) {
        return DispatchRow::SelfTest;
    }
    if (m.sent("data") && m.echoed("data\n")) {
        return DispatchRow::DataNumber;
    }
    if (m.both("data event ") || m.both("data history")) {
        return DispatchRow::RecordDetail;
    }
    if (m.both("config default")) {
        return DispatchRow::ConfigDefault;
    }
    if (m.both("tbar ")) {
        return DispatchRow::Barcode;
    }
    if (m.both("datalist event ") && m.echoed(kSuccessMarker)) {
        return DispatchRow::EventList;
    }
    if (m.both("datalist history ") && m.echoed(kSuccessMarker)) {
        return DispatchRow::HistoryList;
    }
    return DispatchRow::None;
}

} // namespace

DispatchRow chooseDispatchRow(const QString& currentCommand, const QString& reply,
                              int currentBatNum) {
    const Match m{currentCommand, reply};
    const DispatchRow row = statusRow(m, currentBatNum);
    return row != DispatchRow::None ? row : otherRow(m);
}

CommandState commandStateFor(const QString& currentCommand, const QString& reply) {
    const bool unknown = reply.contains(kUnknownMarker);
    const bool invalid = reply.contains(kInvalidMarker);
    if (!unknown && !invalid && !reply.contains(kNotPresentMarker)) {
        return CommandState::Completed;
    }
    if (currentCommand.contains(QLatin1String("login debug")) && (unknown || invalid)) {
        return unknown ? CommandState::ResendLogin : CommandState::Unchanged;
    }
    if (reply.contains(kQuitModeMarker)) {
        return CommandState::Unchanged;
    }
    return unknown ? CommandState::Unknown : CommandState::Fail;
}
