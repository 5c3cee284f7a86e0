#include "upgrade/upgrade_flow.h"

#include "protocol/protocol_constants.h"
#include "upgrade/upgrade_constants.h"

namespace {

bool unknownCount(int presentNum) {
    return presentNum <= 0 || presentNum == kNoData;
}

bool hasSuccessMarker(const QString& text) {
    for (const QString& marker : Upgrade::kSuccessMarkers) {
        if (text.contains(marker))
            return true;
    }
    return false;
}

VersionFault versionFault(const QString& text) {
    using namespace Upgrade;
    if (text.contains(kVersionWord + ' ' + kInvalidWord) ||
        text.contains(kVersionWord + kInvalidWord))
        return VersionFault::Invalid;
    if (text.contains(kWithoutHead))
        return VersionFault::NoHead;
    return VersionFault::None;
}

} // namespace

int UpgradeFlow::flashTimerMs(int presentNum) {
    if (unknownCount(presentNum))
        return Upgrade::kFlashWaitUnknownMs;
    // A unit has at most sixteen batteries: a larger count is a misread, and multiplied as it
    // stands it would overflow the timer's interval.
    return qBound(1, presentNum, kHighestBatteryNumber) * Upgrade::kFlashWaitPerBatteryMs;
}

UpgradeTarget UpgradeFlow::targetFor(int presentNum) {
    return unknownCount(presentNum) || presentNum == 1 ? UpgradeTarget::Battery
                                                       : UpgradeTarget::Host;
}

void UpgradeFlow::startWaking() {
    m_stage = UpgradeStage::Waking;
    m_wakeText.clear();
}

bool UpgradeFlow::wakeBurst(const QString& burst) {
    if (m_stage != UpgradeStage::Waking)
        return false;
    m_wakeText += burst;
    if (!m_wakeText.contains(kUpdataReady)) {
        keepTail(m_wakeText);
        return false;
    }
    m_stage = UpgradeStage::Idle;
    m_wakeText.clear();
    return true;
}

void UpgradeFlow::announce(bool consoleSend) {
    m_stage = UpgradeStage::Announced;
    m_console = consoleSend;
    m_report.clear();
    m_faultGiven = false;
}

bool UpgradeFlow::transferStarted() {
    if (m_stage != UpgradeStage::Announced)
        return false;
    m_stage = UpgradeStage::Transferring;
    return true;
}

FlashWait UpgradeFlow::transferCompleted(int presentNum) {
    FlashWait wait;
    wait.timerMs = flashTimerMs(presentNum);
    wait.target = targetFor(presentNum);
    // The report is what the unit prints from here on.
    m_report.clear();
    m_faultGiven = false;
    if (m_console) {
        wait.wait = false;
        end();
        return wait;
    }
    m_stage = UpgradeStage::Flashing;
    return wait;
}

ReportVerdict UpgradeFlow::reportBurst(const QString& burst) {
    m_report += burst;
    ReportVerdict verdict;
    if (upgrading() && hasSuccessMarker(m_report)) {
        verdict.success = true;
        verdict.hub = m_report.contains(Upgrade::kHubMarker);
    }
    // The version is judged whether or not the upgrade succeeded, once per report.
    if (!m_faultGiven) {
        verdict.fault = versionFault(m_report);
        m_faultGiven = verdict.fault != VersionFault::None;
    }
    keepTail(m_report);
    if (verdict.ended())
        end();
    return verdict;
}

void UpgradeFlow::end() {
    m_stage = UpgradeStage::Idle;
    m_wakeText.clear();
}

void UpgradeFlow::keepTail(QString& text) {
    if (text.size() > Upgrade::kMarkerTextKeep)
        text.remove(0, text.size() - Upgrade::kMarkerTextKeep);
}

namespace {
QString minutesSeconds(qint64 seconds) {
    return QString("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}
} // namespace

FlashClock flashClock(qint64 elapsedMs, qint64 longestMs) {
    const qint64 longest = qMax<qint64>(0, longestMs);
    const qint64 elapsed = qBound<qint64>(0, elapsedMs, longest);
    return {minutesSeconds(elapsed / 1000), minutesSeconds((longest + 999) / 1000)};
}
