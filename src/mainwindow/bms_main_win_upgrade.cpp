// The update page: host, battery and boot-loader upgrades, from the password gate or the
// wake sequence to the unit's flashing report, and the console's "Send File". The flow's
// decisions are UpgradeFlow's; here they are applied to the widgets, timers and port.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/transfer_display.h"
#include "mainwindow/window_geometry.h"
#include "protocol/protocol_constants.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_login.h"
#include "upgrade/updata_thread.h"
#include "upgrade/upgrade_constants.h"
#include "views/battery_group.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QSettings>

namespace {
const char* const kWakeCommand = "DLG\n"; // the current command while waking

// Asks for the image and checks that it can be read; remembers its folder. Empty when
// there is nothing to send (the user was told why).
QString chooseImage(QWidget* parent, QSettings* settings) {
    const QString start = settings->value("path/lastpath", ".").toString();
    const QString path =
        prompts().openFileName(parent, BMSMainWin::tr("open File"), start, "*.bin");
    qDebug() << "传输的文件名" << path;
    if (path.isEmpty()) {
        prompts().warning(parent, BMSMainWin::tr("warning"), BMSMainWin::tr("Did not select file!"),
                          QMessageBox::Yes);
        return QString();
    }
    if (!QFile(path).open(QIODevice::ReadOnly)) {
        prompts().warning(parent, BMSMainWin::tr("warning"), BMSMainWin::tr("Open file error!"),
                          QMessageBox::Yes);
        return QString();
    }
    const QString folder = path.left(path.lastIndexOf('/'));
    qDebug() << "save path " << folder;
    settings->setValue("path/lastpath", folder);
    return path;
}
} // namespace

void BMSMainWin::UpDateBtn_clicked() {
    openUpgradeGate(false);
}

void BMSMainWin::UbootBtn_clicked() {
    openUpgradeGate(true);
}

void BMSMainWin::openUpgradeGate(bool bootLoader) {
    if (refuseClosedPort())
        return;
    const int present = ui->BattGroupWid->presentNum();
    if (present == 0 || present == kNoData) {
        prompts().information(this, tr("Notice"),
                              bootLoader ? tr("Can't update boot! \"Present Num\" Unknown.")
                                         : tr("Can't update! \"Present Num\" Unknown."),
                              QMessageBox::Yes);
        return;
    }
    if (refuseWhileUpgrading())
        return;
    auto* gate = new UpdataLogin();
    gate->setImageSuffix(m_language.code());
    // While the gate is open nothing else is clicked: a chain or a page started behind it
    // would write between "updata" and the image.
    gate->setWindowModality(Qt::ApplicationModal);
    placeOver(gate, this);
    gate->show();
    connect(gate, &UpdataLogin::LoginSuccess, this,
            bootLoader ? &BMSMainWin::UbootLoginPass : &BMSMainWin::UpdataLoginPass);
    connect(this, &QObject::destroyed, gate, &QWidget::close);
}

// From the announcement to the end of flashing: a second upgrade would send another
// command and restart the transfer under the first one.
bool BMSMainWin::refuseWhileUpgrading() {
    if (!session().upgrade().busy())
        return false;
    prompts().warning(this, tr("warning"), tr("Upgrading!Please wait!"), QMessageBox::Yes);
    return true;
}

void BMSMainWin::UpdataLoginPass() {
    UpdataSendFile("updata");
}

void BMSMainWin::UbootLoginPass() {
    UpdataSendFile("uboot");
}

bool BMSMainWin::refuseClosedPort() {
    if (m_serial->isOpen())
        return false;
    prompts().information(this, tr("Notice"), tr("The serial port not open, Please open!"),
                          QMessageBox::Yes);
    return true;
}

void BMSMainWin::WakeBtn_clicked() {
    if (refuseClosedPort() || refuseWhileUpgrading())
        return;
    // The wake owns the line from its first character: no poll tick comes between them.
    session().upgrade().startWaking();
    session().pollTimer().stop();
    const QPointer<UnitSession> waking = m_session.get();
    // A battery waiting in its boot loader wakes on these three characters, no line end.
    for (const char* c : {"D", "L", "G"}) {
        if (waking != m_session.get() || !m_serial->isOpen())
            return; // the link ended between two characters
        m_serial->write(QByteArray(c));
        DelayMs(Upgrade::kWakeCharGapMs);
    }
    if (waking != m_session.get())
        return;
    session().setCurrentCommand(kWakeCommand);
    session().wakeTimer().start();
}

void BMSMainWin::UpdataReady(const QString& burst) {
    qDebug() << "Command:" << session().currentCommand();
    qDebug() << "data:" << burst;
    if (!session().upgrade().wakeBurst(burst))
        return;
    session().wakeTimer().stop();
    session().upgradeTimer().stop();
    session().setGatePassed(true); // the line stays the upgrade's through the file dialog
    qDebug() << "upgrading:" << session().upgrade().upgrading();
    UpdataSendFile("updata");
}

void BMSMainWin::WakeTimeOut() {
    // The wake owns the line, so only its own stage says whether it is still waited for.
    if (session().upgrade().stage() != UpgradeStage::Waking)
        return;
    session().endUpgrade();
    // A late "Updata is ready!" must not open the file dialog out of the blue.
    session().setCurrentCommand(QString());
    setUpgradeControlsEnabled(true);
    prompts().warning(this, tr("warning"),
                      tr("The battery did not answer the wake-up!\nPlease check the battery "
                         "and the serial line, then try again!"),
                      QMessageBox::Yes);
}

void BMSMainWin::UpdataSendFile(const QString& command) {
    qDebug() << "updata";
    if (refuseClosedPort() || refuseWhileUpgrading())
        return; // a second gate passed while the first upgrade runs, or the link is gone
    // From the accepted password on, no poll tick or chain step writes to the unit.
    const QPointer<UnitSession> owner = m_session.get();
    session().setGatePassed(true);
    session().pollTimer().stop();
    const QString path = chooseImage(this, m_settings);
    if (owner != m_session.get())
        return; // the link ended while the file was chosen
    if (path.isEmpty() || refuseClosedPort()) {
        session().setGatePassed(false);
        setUpgradeControlsEnabled(true);
        if (m_basicPage)
            startPoll();
        return;
    }
    SendCommand(command);
    setUpgradeControlsEnabled(false);
    startTransfer(path, false);
    m_transfer->showTransfer();
}

void BMSMainWin::actionSend_File_triggered() {
    if (refuseClosedPort() || refuseWhileUpgrading())
        return;
    const QPointer<UnitSession> owner = m_session.get();
    const QString path = chooseImage(this, m_settings);
    if (path.isEmpty() || owner != m_session.get() || refuseClosedPort())
        return;
    setUpgradeControlsEnabled(false);
    ui->UpPageBtn->setEnabled(false);
    startTransfer(path, true);
}

void BMSMainWin::startTransfer(const QString& path, bool consoleSend) {
    session().upgrade().announce(consoleSend);
    UpdataThread* thread = session().transferThread();
    if (!thread) {
        thread = session().makeTransferThread();
        connectTransfer(thread);
    }
    thread->setFilePath(path);
    thread->setSendMode();
    thread->startSend();
}

// The controls that would send commands or leave for a page that does: none of them may
// write into a running transfer. The command line is among them for the same reason.
void BMSMainWin::setUpgradeControlsEnabled(bool enabled) {
    const QList<QWidget*> controls = {ui->BasicBtn,    ui->RealBtn, ui->ConfigBtn,
                                      ui->HistoryBtn,  ui->SendBtn, ui->BattGroupWid,
                                      ui->BattInfoWid, ui->SendEd};
    for (QWidget* w : controls)
        w->setEnabled(enabled);
    if (!enabled) {
        ui->SendEd->removeEventFilter(this);
        m_language.hold();
        return;
    }
    ui->SendEd->installEventFilter(this);
    // A language chosen while locked swapped the pictures only; its texts follow now.
    if (m_language.release())
        QCoreApplication::postEvent(ui->SendEd, new QEvent(QEvent::LanguageChange));
}

void BMSMainWin::UpdateTimeOut() {
    session().endUpgrade();
    setUpgradeControlsEnabled(true);
    m_transfer->endFlashWait();
    if (m_basicPage)
        startPoll();
    prompts().warning(this, tr("warning"),
                      tr("Battery update error!\nPlease check battery or wake battery!"),
                      QMessageBox::Yes);
}

void BMSMainWin::UpdataStateParse(const QString& burst) {
    qDebug() << "Command:" << session().currentCommand();
    qDebug() << "updatastate:" << session().upgrade().upgrading();
    const int present = ui->BattGroupWid->presentNum();
    const ReportVerdict verdict = session().upgrade().reportBurst(burst);
    const QPointer<UnitSession> owner = m_session.get();
    if (verdict.success)
        upgradeSucceeded(verdict.hub, present);
    if (verdict.fault == VersionFault::None || owner != m_session.get())
        return;
    qDebug() << "index:" << burst.indexOf("Version") << burst.indexOf("invalid");
    session().endUpgrade();
    setUpgradeControlsEnabled(true);
    m_transfer->endFlashWait();
    prompts().information(this, tr("Message"),
                          verdict.fault == VersionFault::Invalid
                              ? tr("Version invalid!\nPlease check firmware!")
                              : tr("Version without head!\nPlease check firmware!"),
                          QMessageBox::Yes);
}

void BMSMainWin::upgradeSucceeded(bool hub, int presentNum) {
    qDebug() << "update successful";
    session().endUpgrade();
    const QPointer<UnitSession> owner = m_session.get();
    DelayMs(Upgrade::kAfterUpgradeDelayMs);
    if (owner != m_session.get())
        return; // the link ended: its end told the user and unlocked the controls
    SendCommand("login debug");
    m_transfer->endFlashWait();
    if (hub) {
        prompts().information(this, tr("Message"), tr("The HUB updata successful!"),
                              QMessageBox::Yes);
    } else {
        const QString text =
            UpgradeFlow::targetFor(presentNum) == UpgradeTarget::Host
                ? tr("Host upgraded successfully!\nPlease check the slave after %1 minutes!")
                      .arg(presentNum)
                : tr("The battery updata successful!");
        prompts().information(this, tr("Message"), text, QMessageBox::Yes);
        m_currBatNum = 1;
        DelayMs(Upgrade::kAfterUpgradeDelayMs);
        if (owner != m_session.get())
            return;
        SendCommand("info " + QString::number(m_currBatNum));
    }
    qDebug() << "updata succeser:" << m_portOpen << m_basicPage;
    if (m_basicPage)
        startPoll();
    setUpgradeControlsEnabled(true);
}
