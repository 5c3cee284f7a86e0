#include "session/unit_session.h"

#include "upgrade/updata_thread.h"
#include "upgrade/upgrade_constants.h"

#include <QMutexLocker>

UnitSession::UnitSession(bool linked, QObject* parent) : QObject(parent), m_linked(linked) {
    m_controlWaitTimer.setSingleShot(true);
    m_continueCooldown.setSingleShot(true);
    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setInterval(Upgrade::kWakeTimeoutMs);
    m_transferTimer.setInterval(Upgrade::kTransferTimeoutMs);
    m_listing.reset();
}

UnitSession::~UnitSession() {
    end();
}

SessionEnd UnitSession::end() {
    SessionEnd was;
    if (m_ended)
        return was;
    m_ended = true;
    const UpgradeStage stage = m_upgrade.stage();
    was.transfer = stage == UpgradeStage::Announced || stage == UpgradeStage::Transferring;
    was.consoleSend = was.transfer && m_upgrade.consoleSend();
    was.flashing = stage == UpgradeStage::Flashing;
    was.flashLeftMs =
        was.flashing && m_upgradeTimer.isActive() ? m_upgradeTimer.remainingTime() : 0;
    was.waking = stage == UpgradeStage::Waking;
    was.streaming = realTimeDisplay;
    was.listing = m_listing.anyOpen();
    was.eventListing = m_listing.isOpen(RecordKind::Event);
    was.controlWait = m_controlWaitTimer.isActive();

    for (QTimer* t : {&m_pollTimer, &m_controlWaitTimer, &m_continueCooldown, &m_upgradeTimer,
                      &m_wakeTimer, &m_transferTimer})
        t->stop();
    // Joins the worker: no packet of this login is written after this point.
    m_transfer.reset();
    m_upgrade.end();
    m_gatePassed = false;
    m_listing.reset();
    realTimeDisplay = false;
    configReply.reset();
    tally = RecordTally();
    groupBtnFlag = false;
    m_receiveBuffer.clear();
    m_frames.clear();
    setCurrentCommand(QString());
    return was;
}

QString UnitSession::currentCommand() const {
    QMutexLocker lock(&m_commandMutex);
    return m_currentCommand;
}

void UnitSession::setCurrentCommand(const QString& command) {
    QMutexLocker lock(&m_commandMutex);
    m_currentCommand = command;
}

BurstRoute UnitSession::routeFor(const QString& burst, const QString& deviceName) const {
    if (!m_upgrade.consoleSend()) {
        switch (m_upgrade.stage()) {
        case UpgradeStage::Waking:
            return BurstRoute::UpdataReady;
        case UpgradeStage::Announced:
        case UpgradeStage::Transferring:
        case UpgradeStage::Flashing:
            return BurstRoute::UpdataState;
        case UpgradeStage::Idle:
            break;
        }
    }
    const BurstRoute route = routeBurst(currentCommand(), burst, deviceName);
    if (route == BurstRoute::UpdataState || route == BurstRoute::UpdataReady)
        return BurstRoute::None; // an upgrade's text after its end, or a typed command
    return route;
}

bool UnitSession::takesTransferBytes() const {
    const UpgradeStage stage = m_upgrade.stage();
    return m_transfer && (stage == UpgradeStage::Announced || stage == UpgradeStage::Transferring);
}

bool UnitSession::upgradeOwnsLine() const {
    return m_gatePassed || m_upgrade.stage() != UpgradeStage::Idle;
}

void UnitSession::endUpgrade() {
    m_upgrade.end();
    m_gatePassed = false;
    m_upgradeTimer.stop();
    m_wakeTimer.stop();
}

UpdataThread* UnitSession::makeTransferThread() {
    if (!m_transfer && !m_ended)
        m_transfer = std::make_unique<UpdataThread>();
    return m_transfer.get();
}
