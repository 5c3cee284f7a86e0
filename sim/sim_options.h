#pragma once
// Command-line options of norvanebat-sim.

#include <QString>
#include <QStringList>

namespace sim {

enum class FlashResult { Ok, Invalid, NoHead, Hub };
enum class XmodemFault { None, NakRandom, NakLast, NakEotOnce, Cancel, SendC, Silent };
// Where each page of a record listing pauses longer than a reply gap.
enum class PageSplit { None, AtLine, InLine, Both };

struct SimOptions {
    QString device; // attach here instead of opening a pseudo-terminal
    QString link;   // symlink to the pseudo-terminal's slave
    int batteries = 4;
    QString model;
    int events = 36;
    int histories = 150;
    int replyDelayMs = 0;
    int streamPeriodMs = 0;
    int flashDelayMs = 0;
    FlashResult flashResult = FlashResult::Ok;
    bool chunk = false;
    bool garbage = false;
    bool loseEnd = false;
    bool unknownBalance = false;
    bool relay = false;
    int alarmBattery = 0; // 0: no battery in alarm
    bool exitWithStdin = false;
    bool xmodemOnly = false;
    QString xmodemOut;
    XmodemFault xmodemFault = XmodemFault::None;
    bool seeded = false;
    quint32 seed = 0;
    QString commandLog;
    bool tbarFail = false;     // "tbar" completes but reports "Test result:fail"
    bool switchRefuse = false; // switch commands fail, the switches stay as they are
    int reportPiecesMs = 0;    // 0: the flashing report in one piece
    bool wakeSilent = false;
    PageSplit pageSplit = PageSplit::None;
    int silentAfter = -1;     // commands answered before the unit falls silent; -1: always
    int alarmClearsAfter = 0; // "pwr" tables that report the --alarm battery; 0: all of them
};

// Parses the arguments (argv[0] first). On an error returns false with the message in
// `error`; --help prints the usage and exits.
bool parseOptions(const QStringList& args, SimOptions& out, QString& error);

} // namespace sim
