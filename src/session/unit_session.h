#pragma once
// One login to the unit: everything that lasts from Login to Logout or unplug. The window
// makes one at Login and ends it when the link ends, whatever the cause; between logins it
// holds an idle one through which nothing is sent. Ending is the only clean-up path: the
// timers stop, a transfer stops sending, the listing, the stream's display state, the last
// configuration and the upgrade's stage are gone, and end() says what was under way so the
// user can be told once.
//
// No widget and no port: the window asks and applies. The timers and the transfer thread are
// the session's own, so nothing of an ended login can fire into the next one.

#include "protocol/burst.h"
#include "protocol/frame_assembler.h"
#include "records/record_listing.h"
#include "upgrade/upgrade_flow.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class UpdataThread;

// The record counts read by "data", and what the count labels show.
struct RecordTally {
    int events = -1;
    int histories = -1;
    QString eventText;   // empty before a count was read, "--" or the number
    QString historyText; // the same for the histories
    QString kind;        // "event" or "history": the listing a detail request names
};

// What was under way when a session ended.
struct SessionEnd {
    bool transfer = false;     // the image was going out (or about to)
    bool consoleSend = false;  // ... as a console file send, not an upgrade
    bool flashing = false;     // the unit was flashing: wait for its report
    int flashLeftMs = 0;       // of the flashing wait
    bool waking = false;       // waiting for the boot loader's "Updata is ready!"
    bool streaming = false;    // the real-time stream was shown
    bool listing = false;      // a record listing was open
    bool eventListing = false; // ... and it was the event listing
    bool controlWait = false;  // a switch or self-test awaited its answer
    bool any() const {
        return transfer || flashing || waking || streaming || listing || controlWait;
    }
};

class UnitSession : public QObject {
    Q_OBJECT
public:
    // A login's session, or (linked false) the idle one between logins.
    explicit UnitSession(bool linked, QObject* parent = nullptr);
    ~UnitSession() override;

    bool linked() const { return m_linked && !m_ended; }
    bool ended() const { return m_ended; }
    // Stops everything and forgets the login's state; what was under way, once (a second
    // call returns nothing).
    SessionEnd end();

    // ----- Command channel: the command whose reply is awaited, with its line feed.
    QString currentCommand() const;
    void setCurrentCommand(const QString& command);

    // ----- Receive path.
    QByteArray& receiveBuffer() { return m_receiveBuffer; }
    FrameAssembler& frames() { return m_frames; }
    bool burstEndQueued = false;
    // Which burst handler a burst goes to. While an upgrade is under way its stage decides,
    // not the current command (a chain step or a new login may have replaced it); outside
    // one, no burst reaches the upgrade's handlers.
    BurstRoute routeFor(const QString& burst, const QString& deviceName) const;
    // Control bytes at the start of a burst belong to the transfer only while one runs.
    bool takesTransferBytes() const;

    // ----- Status poll and chains.
    QTimer& pollTimer() { return m_pollTimer; }
    int pollCount = 0;
    bool groupBtnFlag = false;
    // True while nothing but the upgrade may write to the unit: from the accepted password
    // (or the wake) to the end of the flashing wait, and during a console file send.
    bool upgradeOwnsLine() const;
    void setGatePassed(bool passed) { m_gatePassed = passed; }
    // Every ending of an upgrade or a wake: the flow back to idle, its timers stopped, the
    // line free again.
    void endUpgrade();

    // ----- Control commands: the wait for a switch's or the self-test's answer.
    QTimer& controlWaitTimer() { return m_controlWaitTimer; }

    // ----- Records.
    RecordListing& listing() { return m_listing; }
    const RecordListing& listing() const { return m_listing; }
    RecordTally tally;
    QTimer& continueCooldown() { return m_continueCooldown; }

    // ----- Real-time stream: set by every stream burst, cleared by a confirmed "disp 0".
    bool realTimeDisplay = false;

    // ----- Configuration: the latest "config" reply of this login.
    std::optional<QString> configReply;

    // ----- Upgrade and file transfer.
    UpgradeFlow& upgrade() { return m_upgrade; }
    const UpgradeFlow& upgrade() const { return m_upgrade; }
    QTimer& upgradeTimer() { return m_upgradeTimer; }
    QTimer& wakeTimer() { return m_wakeTimer; }
    QTimer& transferTimer() { return m_transferTimer; }
    QElapsedTimer& transferClock() { return m_transferClock; }
    // The transfer thread, made on first use; nullptr before and after the session.
    UpdataThread* transferThread() const { return m_transfer.get(); }
    UpdataThread* makeTransferThread();

private:
    bool m_linked = false;
    bool m_ended = false;
    mutable QMutex m_commandMutex;
    QString m_currentCommand;
    QByteArray m_receiveBuffer;
    FrameAssembler m_frames;
    QTimer m_pollTimer;
    QTimer m_controlWaitTimer;
    RecordListing m_listing;
    QTimer m_continueCooldown;
    UpgradeFlow m_upgrade;
    bool m_gatePassed = false;
    QTimer m_upgradeTimer;
    QTimer m_wakeTimer;
    QTimer m_transferTimer;
    QElapsedTimer m_transferClock;
    std::unique_ptr<UpdataThread> m_transfer;
};
