// The session's life: made at Login, ended by Logout, by the port's disappearance and when
// the window closes. Ending is one path for every cause; work it interrupts is told once.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/records_page.h"
#include "mainwindow/transfer_display.h"
#include "mainwindow/upgrade_page.h"
#include "serial/my_serial.h"
#include "serial/reply_delivery.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/updata_thread.h"
#include "upgrade/upgrade_constants.h"
#include "upgrade/wait_config.h"

#include <QDebug>
#include <QPointer>

namespace {
constexpr int kWaitMsPerMinute = 60 * 1000;
} // namespace

void BMSMainWin::beginSession() {
    if (m_session)
        endSession(LinkEnd::Quit); // never two at once; nothing to tell about an idle one
    m_session = std::make_unique<UnitSession>(m_portOpen);
    UnitSession& s = *m_session;
    connect(&s.pollTimer(), &QTimer::timeout, this, &BMSMainWin::RealTimerTimeOut);
    connect(&s.controlWaitTimer(), &QTimer::timeout, this, [this] { m_config->resumePoll(); });
    connect(&s.upgradeTimer(), &QTimer::timeout, this, &BMSMainWin::UpdateTimeOut);
    connect(&s.wakeTimer(), &QTimer::timeout, this, &BMSMainWin::WakeTimeOut);
    connect(&s.transferTimer(), &QTimer::timeout, this, &BMSMainWin::UpdataTransTimeOut);
}

// The transfer thread's outcomes arrive through the event loop, and only while the session
// that made the thread is the window's: an outcome queued before the session ended is
// dropped, never applied to the next login.
void BMSMainWin::connectTransfer(UpdataThread* thread) {
    const QPointer<UnitSession> owner = m_session.get();
    const auto live = [this, owner] {
        return owner && owner == m_session.get() && !owner->ended();
    };
    const auto whileLive = [this, live](auto slot) {
        return [this, live, slot](auto... args) {
            if (live())
                (this->*slot)(args...);
        };
    };
    const auto queued = Qt::QueuedConnection;
    connect(thread, &UpdataThread::sendData, this, whileLive(&BMSMainWin::UpdataSendPacket),
            queued);
    connect(thread, &UpdataThread::TransStart, this, whileLive(&BMSMainWin::UpdataFileTranStart),
            queued);
    connect(thread, &UpdataThread::TimeOut, this, whileLive(&BMSMainWin::UpdataStartTimeOut),
            queued);
    connect(thread, &UpdataThread::TransFinsh, this, whileLive(&BMSMainWin::UpdataFileTranFinish),
            queued);
    connect(thread, &UpdataThread::FileError, this, whileLive(&BMSMainWin::UpdataFileError),
            queued);
}

SessionEnd BMSMainWin::endSession(LinkEnd cause) {
    if (!m_session)
        return SessionEnd();
    std::unique_ptr<UnitSession> ended = std::move(m_session);
    const bool wasLinked = ended->linked();
    m_session = std::make_unique<UnitSession>(false); // the idle one until the next Login
    m_replyDelivery->clear();
    if (m_records)
        m_records->showPaging(); // the listing and its page in flight went with the session
    const bool transferring = ended->takesTransferBytes();
    const SessionEnd was = ended->end();
    // Anything still on the call stack that belongs to the session finishes first; should the
    // window go before the deferred delete runs, it takes the session with it.
    ended->setParent(this);
    ended.release()->deleteLater();
    if (!wasLinked)
        return SessionEnd();

    if (cause == LinkEnd::Logout && m_serial->isOpen()) {
        if (transferring)
            m_serial->write(QByteArray(2, Xmodem::kCan)); // the receiver ends its transfer
        else if (was.streaming)
            m_serial->write(QStringLiteral("\ndisp 0\n"));
    }
    if (cause == LinkEnd::Unplug && was.streaming)
        m_stopStreamAtLogin = true;

    if (was.transfer) {
        m_transfer->endTransfer();
        ui->UpPageBtn->setEnabled(true);
    }
    m_transfer->endFlashWait();
    m_upgradePage->setUpgradeControlsEnabled(true);
    return was;
}

void BMSMainWin::tellInterrupted(const SessionEnd& was, LinkEnd cause) {
    QStringList told;
    if (was.transfer && was.consoleSend) {
        told << tr("The link ended during the file transfer: the unit did not receive the "
                   "whole file.");
    } else if (was.transfer) {
        told << tr("The link ended during the upgrade's file transfer: the unit did not "
                   "receive the whole image.\nWake the battery and upgrade it again.");
    }
    if (was.flashing) {
        const int minutes = qMax(1, (was.flashLeftMs + kWaitMsPerMinute / 2) / kWaitMsPerMinute);
        told << tr("The link ended while the unit was flashing its new firmware.\nThe unit may "
                   "still be flashing: check its version after %1 minutes.")
                    .arg(minutes);
    }
    if (was.waking)
        told << tr("The link ended while waiting for the battery to wake.\nWake it again after "
                   "the next Login.");
    if (was.streaming) {
        told << (cause == LinkEnd::Unplug
                     ? tr("The link ended during the real-time display; the unit may still be "
                          "streaming and is stopped at the next Login.\nThe recorded data can "
                          "be downloaded until the next \"RTData ON\" or \"Clean All\".")
                     : tr("The real-time display ended with the link.\nThe recorded data can "
                          "be downloaded until the next \"RTData ON\" or \"Clean All\"."));
    }
    if (was.listing) {
        told << (was.eventListing
                     ? tr("The link ended while the event records were being listed.\nClick "
                          "\"Event\" again after the next Login.")
                     : tr("The link ended while the history records were being listed.\nClick "
                          "\"History\" again after the next Login."));
    }
    if (was.controlWait)
        told << tr("The link ended before the unit answered the control command.\nCheck the "
                   "switch states after the next Login.");
    if (told.isEmpty())
        return;
    qDebug() << "session ended during:" << told;
    prompts().warning(this, tr("warning"), told.join("\n\n"), QMessageBox::Yes);
}
