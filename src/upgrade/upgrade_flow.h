#pragma once
// The upgrade workflow's decisions, with no widget, port or timer: where an upgrade
// stands, how long to wait for the unit to flash and what to tell the user meanwhile, and
// the verdict on the unit's report. The main window asks it and applies the answers.
//
// The unit's text arrives in bursts cut wherever the line pauses (only 12 ms while
// upgrading), so a marker may be split between two bursts. The flow therefore looks for
// the markers in the text gathered so far, and gives each verdict once.

#include <QString>

enum class UpgradeStage {
    Idle,
    Waking,       // "D", "L", "G" written; waiting for "Updata is ready!"
    Announced,    // command sent, transfer thread waiting for the receiver's first NAK
    Transferring, // first NAK seen: the image is going out
    Flashing,     // image complete: waiting for the unit's report
};

// Whom the flashing wait and the success message speak of.
enum class UpgradeTarget { Host, Battery };

enum class VersionFault { None, Invalid, NoHead };

struct FlashWait {
    bool wait = true; // false for a console file send: nothing to wait for
    int timerMs = 0;  // the upgrade timer's interval
    UpgradeTarget target = UpgradeTarget::Battery;
};

struct ReportVerdict {
    bool success = false; // a success marker arrived while upgrading
    bool hub = false;     // ... and it was the hub's
    VersionFault fault = VersionFault::None;
    bool ended() const { return success || fault != VersionFault::None; }
};

// The flashing wait's clock as two "m:ss" texts, elapsed and longest (minutes go past 59).
// The elapsed time is held between 0 and the longest and counts whole seconds; the
// longest is rounded up to a whole second.
struct FlashClock {
    QString elapsed;
    QString longest;
};
FlashClock flashClock(qint64 elapsedMs, qint64 longestMs);

class UpgradeFlow {
public:
    // By the present number (0 and the no-data marker mean unknown).
    static int flashTimerMs(int presentNum);
    static UpgradeTarget targetFor(int presentNum);

    UpgradeStage stage() const { return m_stage; }
    // From the receiver's first NAK to the end of flashing.
    bool upgrading() const {
        return m_stage == UpgradeStage::Transferring || m_stage == UpgradeStage::Flashing;
    }
    // An upgrade is under way (announced, transferring or flashing): another is refused.
    bool busy() const { return upgrading() || m_stage == UpgradeStage::Announced; }
    bool consoleSend() const { return m_console; }

    void startWaking();
    // One burst while waking; true once, when "Updata is ready!" is complete.
    bool wakeBurst(const QString& burst);

    // The image goes out: after a command ("updata"/"uboot") or as a console file send.
    void announce(bool consoleSend);
    // The receiver's first NAK; false (and nothing changes) when no upgrade was announced.
    bool transferStarted();
    // The receiver took the whole image.
    FlashWait transferCompleted(int presentNum);
    // One burst of the unit's text while its current command is "updata" or "uboot".
    ReportVerdict reportBurst(const QString& burst);
    // Every ending (time-outs, cancel, verdicts): back to idle.
    void end();

private:
    static void keepTail(QString& text);

    UpgradeStage m_stage = UpgradeStage::Idle;
    bool m_console = false;
    QString m_wakeText;
    QString m_report;
    bool m_faultGiven = false;
};
