// The main window's side of a file transfer: packets from the transfer thread go to the
// port, with one progress line in the receive view, the status bar's progress bar and the
// transfer window; and the transfer's outcomes (start, finish, cancel, time-outs).
#include "mainwindow/bms_main_win.h"

#include "mainwindow/transfer_display.h"
#include "mainwindow/upgrade_page.h"
#include "serial/my_serial.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/updata_thread.h"
#include "upgrade/xmodem_engine.h"
#include "views/battery_group.h"

#include <QDebug>
#include <QTextBlock>

namespace {
// Every transfer that ends without completing: the controls back, the line in the raw data
// view, and the warning.
void showTransferOutcome(BMSMainWin& w, const QString& line, const QString& title,
                         const QString& text) {
    w.TransitAbr();
    w.form()->ReceTextBro->append(line);
    prompts().warning(&w, title, text, QMessageBox::Yes);
}
} // namespace

void BMSMainWin::UpdataSendPacket(QByteArray packet) {
    const int p = session().transferThread()->progress();
    qDebug() << "progress:" << p;
    // Every packet restarts the 120 s bound on the receiver's answer.
    QMetaObject::invokeMethod(&session().transferTimer(), "start", Qt::QueuedConnection);
    m_serial->write(packet);

    // One progress line that counts up: the last line is replaced, not appended to.
    QTextDocument* doc = ui->ReceTextBro->document();
    QTextCursor last(doc->lastBlock());
    last.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    last.removeSelectedText();
    last.deletePreviousChar();
    ui->ReceTextBro->append(transferProgressText(p));

    const qint64 sent = session().transferThread()->bytesSent();
    const qint64 total = session().transferThread()->totalSize();
    m_transfer->showProgress(p, sent, total,
                             transferSecondsLeft(sent, total, session().transferClock().elapsed()));
}

void BMSMainWin::UpdataFileTranStart() {
    if (!session().upgrade().transferStarted())
        qDebug() << "transfer started outside an upgrade"; // shown, not followed
    session().transferClock().start();
    ui->ReceTextBro->append(tr("\nTransimit Start\n"));
}

void BMSMainWin::UpdataFileTranFinish(int tranres) {
    QMetaObject::invokeMethod(&session().transferTimer(), "stop", Qt::QueuedConnection);
    if (!session().upgrade().busy()) {
        qDebug() << "transfer outcome after the upgrade ended:" << tranres;
        return;
    }
    if (tranres == int(XmodemResult::GaveUp)) {
        showTransferOutcome(*this, tr("\nTransimit abort\n"), tr("Warning"),
                            tr("The bin file transfer is stopped: the receiver refused the "
                               "same block again and again!"));
        return;
    }
    if (tranres != int(XmodemResult::Completed)) {
        showTransferOutcome(*this, tr("\nTransimit cancel\n"), tr("Warning"),
                            tr("The bin file transfer is cancelled by receiver!"));
        return;
    }
    ui->ReceTextBro->append(tr("\nTransimit finish\n"));
    m_transfer->endTransfer();
    const FlashWait wait = session().upgrade().transferCompleted(ui->BattGroupWid->presentNum());
    if (!wait.wait) {
        // A console file send: nothing follows the transfer.
        m_upgradePage->setUpgradeControlsEnabled(true);
        ui->UpPageBtn->setEnabled(true);
        return;
    }
    session().upgradeTimer().start(wait.timerMs);
    m_transfer->showFlashWait(wait.target, &session().upgradeTimer());
}

// Every ending of a transfer that did not complete.
void BMSMainWin::TransitAbr() {
    session().endUpgrade();
    if (m_basicPage)
        startPoll();
    m_transfer->endTransfer();
    m_upgradePage->setUpgradeControlsEnabled(true);
    // Disabled by a console file send; it must not stay so after a failed one.
    ui->UpPageBtn->setEnabled(true);
}

void BMSMainWin::UpdataStartTimeOut() {
    showTransferOutcome(*this, tr("\nTransimit Start TimeOut\n"), tr("Warning"),
                        tr("Start transmission timeout!"));
}

void BMSMainWin::UpdataTransTimeOut() {
    // The transfer thread is not told; an outcome it reports later is ignored (the
    // upgrade has ended).
    QMetaObject::invokeMethod(&session().transferTimer(), "stop", Qt::QueuedConnection);
    showTransferOutcome(*this, tr("\nTimeOut during transmission\n"), tr("Warning"),
                        tr("TimeOut during transmission!"));
}

void BMSMainWin::UpdataFileError() {
    // The image could not be read: the transfer is over, so nothing must wait for it.
    QMetaObject::invokeMethod(&session().transferTimer(), "stop", Qt::QueuedConnection);
    TransitAbr();
    prompts().warning(this, tr("warning"), tr("Open file error!"), QMessageBox::Yes);
}
