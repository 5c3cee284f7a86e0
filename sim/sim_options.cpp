#include "sim_options.h"

#include "sim_constants.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QMap>

namespace sim {
namespace {

const QMap<QString, FlashResult> kFlashResults = {{"ok", FlashResult::Ok},
                                                  {"invalid", FlashResult::Invalid},
                                                  {"nohead", FlashResult::NoHead},
                                                  {"hub", FlashResult::Hub}};

const QMap<QString, XmodemFault> kXmodemFaults = {
    {"none", XmodemFault::None},        {"nak-random", XmodemFault::NakRandom},
    {"nak-last", XmodemFault::NakLast}, {"nak-eot-once", XmodemFault::NakEotOnce},
    {"can", XmodemFault::Cancel},       {"send-c", XmodemFault::SendC},
    {"silent", XmodemFault::Silent}};

const QMap<QString, PageSplit> kPageSplits = {{"none", PageSplit::None},
                                              {"line", PageSplit::AtLine},
                                              {"inside", PageSplit::InLine},
                                              {"both", PageSplit::Both}};

QList<QCommandLineOption> optionList() {
    return {
        {"device", "Attach to this serial device instead of opening a pseudo-terminal.", "PATH"},
        {"link", "Create a symlink PATH to the pseudo-terminal (removed at exit).", "PATH"},
        {"batteries", "Number of batteries, 1..16 (default 4).", "N", "4"},
        {"model", QString("Device name reported by \"info\" (default %1).").arg(kDefaultModel),
         "NAME", kDefaultModel},
        {"events", "Records in the event log (default 36).", "N", "36"},
        {"histories", "Records in the history log (default 150).", "N", "150"},
        {"reply-delay", "Delay before each reply in ms (default 20).", "MS",
         QString::number(kDefaultReplyDelayMs)},
        {"stream-period", "Real-time stream period in ms (default 1000).", "MS",
         QString::number(kDefaultStreamPeriodMs)},
        {"flash-delay", "Delay from the end of a transfer to the flashing report in ms.", "MS",
         QString::number(kDefaultFlashDelayMs)},
        {"flash-result", "Flashing report: ok, invalid, nohead or hub.", "RESULT", "ok"},
        {"chunk", "Cut replies into random chunks with random pauses."},
        {"garbage", "Send random garbage and NUL bytes between replies."},
        {"lose-end", "Sometimes drop the \"$$\" of a reply."},
        {"unknown-balance", "Answer \"balance\" with \"Unknown command\"."},
        {"relay", "Report relays instead of CFET/DFET in \"ctrl\"."},
        {"alarm", "Battery N runs hot and reports a high temperature alarm.", "N"},
        {"exit-with-stdin", "End when standard input closes (the starting program ended)."},
        {"xmodem-only", "Start as an XMODEM receiver and exit after the transfer."},
        {"xmodem-out", "Write the received image (padding included) to FILE.", "FILE"},
        {"xmodem-fault",
         "Receiver fault: none, nak-random, nak-last, nak-eot-once, can, send-c, silent.", "FAULT",
         "none"},
        {"seed", "Seed of the model and the faults; makes a run repeatable.", "N"},
        {"command-log", "Log each received command with its time to FILE (else stderr).", "FILE"},
        {"tbar-fail", "Answer every \"tbar\" with a failed barcode test."},
        {"switch-refuse", "Refuse every switch command (\"ctrl cfet|dfet on|off\")."},
        {"report-pieces",
         "Write the flashing report a few bytes at a time, MS ms apart (default 0: at once).", "MS",
         "0"},
        {"wake-silent", "The boot loader never answers the wake characters D, L, G."},
        {"split-pages",
         "Pause inside every listing page: after a record line (line), inside one (inside) or "
         "alternately (both).",
         "WHERE", "none"},
        {"silent-after",
         "Answer the first N commands, then none at all (0: a unit that never answers).", "N"},
        {"alarm-clears-after",
         "The --alarm battery cools down after the Nth \"pwr\" table: its alarm clears.", "N"},
    };
}

bool readInt(const QCommandLineParser& p, const QString& name, int min, int max, int& out,
             QString& error) {
    bool ok = false;
    const int v = p.value(name).toInt(&ok);
    if (!ok || v < min || v > max) {
        error = QString("--%1 must be a number from %2 to %3").arg(name).arg(min).arg(max);
        return false;
    }
    out = v;
    return true;
}

bool readNumbers(const QCommandLineParser& p, SimOptions& out, QString& error) {
    constexpr int kMaxMs = 3600 * 1000;
    constexpr int kMaxRecords = 100000;
    return readInt(p, "batteries", 1, kMaxBatteries, out.batteries, error) &&
           readInt(p, "events", 0, kMaxRecords, out.events, error) &&
           readInt(p, "histories", 0, kMaxRecords, out.histories, error) &&
           readInt(p, "reply-delay", 0, kMaxMs, out.replyDelayMs, error) &&
           readInt(p, "stream-period", 0, kMaxMs, out.streamPeriodMs, error) &&
           readInt(p, "flash-delay", 0, kMaxMs, out.flashDelayMs, error) &&
           readInt(p, "report-pieces", 0, kMaxMs, out.reportPiecesMs, error);
}

bool readCounts(const QCommandLineParser& p, SimOptions& out, QString& error) {
    constexpr int kMaxCount = 1000000;
    if (p.isSet("silent-after") &&
        !readInt(p, "silent-after", 0, kMaxCount, out.silentAfter, error))
        return false;
    return !p.isSet("alarm-clears-after") ||
           readInt(p, "alarm-clears-after", 1, kMaxCount, out.alarmClearsAfter, error);
}

bool readChoices(const QCommandLineParser& p, SimOptions& out, QString& error) {
    const QString flash = p.value("flash-result");
    const QString fault = p.value("xmodem-fault");
    if (!kFlashResults.contains(flash)) {
        error = "--flash-result must be ok, invalid, nohead or hub";
        return false;
    }
    if (!kXmodemFaults.contains(fault)) {
        error = "unknown --xmodem-fault " + fault;
        return false;
    }
    out.flashResult = kFlashResults.value(flash);
    out.xmodemFault = kXmodemFaults.value(fault);
    if (!kPageSplits.contains(p.value("split-pages"))) {
        error = "--split-pages must be none, line, inside or both";
        return false;
    }
    out.pageSplit = kPageSplits.value(p.value("split-pages"));
    return true;
}

bool readSeed(const QCommandLineParser& p, SimOptions& out, QString& error) {
    out.seeded = p.isSet("seed");
    if (!out.seeded) {
        out.seed = quint32(QDateTime::currentMSecsSinceEpoch());
        return true;
    }
    bool ok = false;
    out.seed = p.value("seed").toUInt(&ok);
    if (!ok)
        error = "--seed must be a non-negative number";
    return ok;
}

} // namespace

bool parseOptions(const QStringList& args, SimOptions& out, QString& error) {
    QCommandLineParser p;
    p.setApplicationDescription(
        "Simulated battery-management unit: answers the unit's console commands on a fresh "
        "pseudo-terminal (its path is the first line printed) or on --device.");
    p.addHelpOption();
    p.addOptions(optionList());
    if (!p.parse(args)) {
        error = p.errorText();
        return false;
    }
    if (p.isSet("help"))
        p.showHelp(0);
    if (!p.positionalArguments().isEmpty()) {
        error = "unexpected argument " + p.positionalArguments().first();
        return false;
    }
    out.device = p.value("device");
    out.link = p.value("link");
    out.model = p.value("model");
    out.chunk = p.isSet("chunk");
    out.garbage = p.isSet("garbage");
    out.loseEnd = p.isSet("lose-end");
    out.unknownBalance = p.isSet("unknown-balance");
    out.relay = p.isSet("relay");
    out.exitWithStdin = p.isSet("exit-with-stdin");
    if (p.isSet("alarm")) {
        bool ok = false;
        out.alarmBattery = p.value("alarm").toInt(&ok);
        if (!ok || out.alarmBattery < 1 || out.alarmBattery > 16) {
            error = "--alarm takes a battery number 1..16";
            return false;
        }
    }
    out.xmodemOnly = p.isSet("xmodem-only");
    out.xmodemOut = p.value("xmodem-out");
    out.commandLog = p.value("command-log");
    out.tbarFail = p.isSet("tbar-fail");
    out.switchRefuse = p.isSet("switch-refuse");
    out.wakeSilent = p.isSet("wake-silent");
    return readNumbers(p, out, error) && readChoices(p, out, error) && readSeed(p, out, error) &&
           readCounts(p, out, error);
}

} // namespace sim
