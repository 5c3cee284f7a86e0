// The upgrade flow as the window runs it.
#include "mainwindow/upgrade_page.h"

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

// The Upgrade button's notice when the link is not open.
bool refuseClosedPort(QWidget* parent, MySerial* serial) {
    if (serial->isOpen())
        return false;
    prompts().information(parent, BMSMainWin::tr("Notice"),
                          BMSMainWin::tr("The serial port not open, Please open!"),
                          QMessageBox::Yes);
    return true;
}
} // namespace

UpgradePage::UpgradePage(BMSMainWin& window) : w(window), ui(window.ui) {}

void UpgradePage::openUpgradeGate(bool bootLoader) {
    if (refuseClosedPort(&w, w.m_serial))
        return;
    const int present = ui->BattGroupWid->presentNum();
    if (present == 0 || present == kNoData) {
        prompts().information(&w, tr("Notice"),
                              bootLoader ? tr("Can't update boot! \"Present Num\" Unknown.")
                                         : tr("Can't update! \"Present Num\" Unknown."),
                              QMessageBox::Yes);
        return;
    }
    if (refuseWhileUpgrading())
        return;
    auto* gate = new UpdataLogin();
    gate->setImageSuffix(w.m_language.code());
    // While the gate is open nothing else is clicked: a chain or a page started behind it
    // would write between "updata" and the image.
    gate->setWindowModality(Qt::ApplicationModal);
    placeOver(gate, &w);
    gate->show();
    QObject::connect(gate, &UpdataLogin::LoginSuccess, &w, [this, bootLoader] {
        if (bootLoader)
            UbootLoginPass();
        else
            UpdataLoginPass();
    });
    QObject::connect(&w, &QObject::destroyed, gate, &QWidget::close);
}

bool UpgradePage::refuseWhileUpgrading() {
    if (!w.session().upgrade().busy())
        return false;
    prompts().warning(&w, tr("warning"), tr("Upgrading!Please wait!"), QMessageBox::Yes);
    return true;
}

void UpgradePage::UpdataLoginPass() {
    UpdataSendFile("updata");
}

void UpgradePage::UbootLoginPass() {
    UpdataSendFile("uboot");
}

void UpgradePage::wake() {
    if (refuseClosedPort(&w, w.m_serial) || refuseWhileUpgrading())
        return;
    // The wake owns the line from its first character: no poll tick comes between them.
    w.session().upgrade().startWaking();
    w.session().pollTimer().stop();
    const QPointer<UnitSession> waking = w.m_session.get();
    // A battery waiting in its boot loader wakes on these three characters, no line end.
    for (const char* c : {"D", "L", "G"}) {
        if (waking != w.m_session.get() || !w.m_serial->isOpen())
            return; // the link ended between two characters
        w.m_serial->write(QByteArray(c));
        BMSMainWin::DelayMs(Upgrade::kWakeCharGapMs);
    }
    if (waking != w.m_session.get())
        return;
    w.session().setCurrentCommand(kWakeCommand);
    w.session().wakeTimer().start();
}

void UpgradePage::UpdataReady(const QString& burst) {
    qDebug() << "Command:" << w.session().currentCommand();
    qDebug() << "data:" << burst;
    if (!w.session().upgrade().wakeBurst(burst))
        return;
    w.session().wakeTimer().stop();
    w.session().upgradeTimer().stop();
    w.session().setGatePassed(true); // the line stays the upgrade's through the file dialog
    qDebug() << "upgrading:" << w.session().upgrade().upgrading();
    UpdataSendFile("updata");
}

void UpgradePage::wakeTimedOut() {
    // The wake owns the line, so only its own stage says whether it is still waited for.
    if (w.session().upgrade().stage() != UpgradeStage::Waking)
        return;
    w.session().endUpgrade();
    // A late "Updata is ready!" must not open the file dialog out of the blue.
    w.session().setCurrentCommand(QString());
    setUpgradeControlsEnabled(true);
    prompts().warning(&w, tr("warning"),
                      tr("The battery did not answer the wake-up!\nPlease check the battery "
                         "and the serial line, then try again!"),
                      QMessageBox::Yes);
}

void UpgradePage::UpdataSendFile(const QString& command) {
    qDebug() << "updata";
    if (refuseClosedPort(&w, w.m_serial) || refuseWhileUpgrading())
        return; // a second gate passed while the first upgrade runs, or the link is gone
    // From the accepted password on, no poll tick or chain step writes to the unit.
    const QPointer<UnitSession> owner = w.m_session.get();
    w.session().setGatePassed(true);
    w.session().pollTimer().stop();
    const QString path = chooseImage(&w, w.m_settings);
    if (owner != w.m_session.get())
        return; // the link ended while the file was chosen
    if (path.isEmpty() || refuseClosedPort(&w, w.m_serial)) {
        w.session().setGatePassed(false);
        setUpgradeControlsEnabled(true);
        if (w.m_basicPage)
            w.startPoll();
        return;
    }
    w.SendCommand(command);
    setUpgradeControlsEnabled(false);
    startTransfer(path, false);
    w.m_transfer->showTransfer();
}

void UpgradePage::sendFile() {
    if (refuseClosedPort(&w, w.m_serial) || refuseWhileUpgrading())
        return;
    const QPointer<UnitSession> owner = w.m_session.get();
    const QString path = chooseImage(&w, w.m_settings);
    if (path.isEmpty() || owner != w.m_session.get() || refuseClosedPort(&w, w.m_serial))
        return;
    setUpgradeControlsEnabled(false);
    ui->UpPageBtn->setEnabled(false);
    startTransfer(path, true);
}

void UpgradePage::startTransfer(const QString& path, bool consoleSend) {
    w.session().upgrade().announce(consoleSend);
    UpdataThread* thread = w.session().transferThread();
    if (!thread) {
        thread = w.session().makeTransferThread();
        w.connectTransfer(thread);
    }
    thread->setFilePath(path);
    thread->setSendMode();
    thread->startSend();
}

void UpgradePage::setUpgradeControlsEnabled(bool enabled) {
    const QList<QWidget*> controls = {ui->BasicBtn,    ui->RealBtn, ui->ConfigBtn,
                                      ui->HistoryBtn,  ui->SendBtn, ui->BattGroupWid,
                                      ui->BattInfoWid, ui->SendEd};
    for (QWidget* control : controls)
        control->setEnabled(enabled);
    if (!enabled) {
        ui->SendEd->removeEventFilter(&w);
        w.m_language.hold();
        return;
    }
    ui->SendEd->installEventFilter(&w);
    // A language chosen while locked swapped the pictures only; its texts follow now.
    if (w.m_language.release())
        QCoreApplication::postEvent(ui->SendEd, new QEvent(QEvent::LanguageChange));
}

void UpgradePage::flashTimedOut() {
    w.session().endUpgrade();
    setUpgradeControlsEnabled(true);
    w.m_transfer->endFlashWait();
    if (w.m_basicPage)
        w.startPoll();
    prompts().warning(&w, tr("warning"),
                      tr("Battery update error!\nPlease check battery or wake battery!"),
                      QMessageBox::Yes);
}

void UpgradePage::UpdataStateParse(const QString& burst) {
    qDebug() << "Command:" << w.session().currentCommand();
    qDebug() << "updatastate:" << w.session().upgrade().upgrading();
    const int present = ui->BattGroupWid->presentNum();
    const ReportVerdict verdict = w.session().upgrade().reportBurst(burst);
    const QPointer<UnitSession> owner = w.m_session.get();
    if (verdict.success)
        upgradeSucceeded(verdict.hub, present);
    if (verdict.fault == VersionFault::None || owner != w.m_session.get())
        return;
    qDebug() << "index:" << burst.indexOf("Version") << burst.indexOf("invalid");
    w.session().endUpgrade();
    setUpgradeControlsEnabled(true);
    w.m_transfer->endFlashWait();
    prompts().information(&w, tr("Message"),
                          verdict.fault == VersionFault::Invalid
                              ? tr("Version invalid!\nPlease check firmware!")
                              : tr("Version without head!\nPlease check firmware!"),
                          QMessageBox::Yes);
}

void UpgradePage::upgradeSucceeded(bool hub, int presentNum) {
    qDebug() << "update successful";
    w.session().endUpgrade();
    const QPointer<UnitSession> owner = w.m_session.get();
    BMSMainWin::DelayMs(Upgrade::kAfterUpgradeDelayMs);
    if (owner != w.m_session.get())
        return; // the link ended: its end told the user and unlocked the controls
    w.SendCommand("login debug");
    w.m_transfer->endFlashWait();
    if (hub) {
        prompts().information(&w, tr("Message"), tr("The HUB updata successful!"),
                              QMessageBox::Yes);
    } else {
        const QString text =
            UpgradeFlow::targetFor(presentNum) == UpgradeTarget::Host
                ? tr("Host upgraded successfully!\nPlease check the slave after %1 minutes!")
                      .arg(presentNum)
                : tr("The battery updata successful!");
        prompts().information(&w, tr("Message"), text, QMessageBox::Yes);
        w.m_currBatNum = 1;
        BMSMainWin::DelayMs(Upgrade::kAfterUpgradeDelayMs);
        if (owner != w.m_session.get())
            return;
        w.SendCommand("info " + QString::number(w.m_currBatNum));
    }
    qDebug() << "updata succeser:" << w.m_portOpen << w.m_basicPage;
    if (w.m_basicPage)
        w.startPoll();
    setUpgradeControlsEnabled(true);
}
