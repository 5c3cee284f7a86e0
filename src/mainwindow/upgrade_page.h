#pragma once
// The update page: host, battery and boot-loader upgrades, from the password gate or the
// wake sequence to the unit's flashing report, and the console's "Send File". The flow's
// decisions are UpgradeFlow's; here they are applied to the widgets, timers and port,
// through the window's command channel. The window's slots forward here; the transfer's
// own signals are the window's (bms_main_win_transfer.cpp).

#include <QCoreApplication>
#include <QString>

class BMSMainWin;
namespace Ui {
class BMSMainWin;
}

class UpgradePage {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    explicit UpgradePage(BMSMainWin& window);
    UpgradePage(const UpgradePage&) = delete;
    UpgradePage& operator=(const UpgradePage&) = delete;

    // "Update" (false) or "Uboot" (true): the password gate, then the image.
    void openUpgradeGate(bool bootLoader);
    // "Wake": the boot loader's three characters, then its "Updata is ready!".
    void wake();
    void wakeTimedOut();
    // The console's "Send File": the image without an upgrade.
    void sendFile();
    // The flashing took longer than its wait.
    void flashTimedOut();
    void UpdataReady(const QString& burst);
    void UpdataStateParse(const QString& burst);

    // The controls that would send commands or leave for a page that does: none of them may
    // write into a running transfer. The command line is among them for the same reason.
    void setUpgradeControlsEnabled(bool enabled);
    // From the announcement to the end of flashing: a second upgrade would send another
    // command and restart the transfer under the first one.
    bool refuseWhileUpgrading();

private:
    void UpdataLoginPass();
    void UbootLoginPass();
    void UpdataSendFile(const QString& command);
    void startTransfer(const QString& path, bool consoleSend);
    void upgradeSucceeded(bool hub, int presentNum);

    BMSMainWin& w;
    Ui::BMSMainWin* ui;
};
