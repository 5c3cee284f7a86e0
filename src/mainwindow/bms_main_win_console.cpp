// Console mode: the access-code gate that reveals the raw data page (with "Send File") or
// the message catalogue page, and "Exit Console" that hides them again.
#include "mainwindow/bms_main_win.h"

#include "console/console_constants.h"
#include "mainwindow/upgrade_page.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QDebug>

void BMSMainWin::actionConsole_triggered() {
    // OK or Cancel does not matter: the code in the field decides.
    bool ok = false;
    const QString code =
        prompts().textInput(this, tr("Entry Console"), tr("Please enter the console password:"),
                            QLineEdit::Normal, QString(), &ok);
    qDebug() << "psd:" << code;
    switch (consoleAccessFor(code)) {
    case ConsoleAccess::DataPage:
        ui->SendDataBtn->setVisible(true);
        emit ui->SendDataBtn->clicked();
        ui->actionSend_File->setVisible(true);
        return;
    case ConsoleAccess::Catalogue:
        ui->LanguageBtn->setVisible(true);
        emit ui->LanguageBtn->clicked();
        return;
    case ConsoleAccess::Wrong:
        prompts().warning(this, tr("warning"), tr("Wrong password! Please check password!"),
                          QMessageBox::Yes);
        return;
    }
}

void BMSMainWin::actionExit_Consle_triggered() {
    // The status page would start polling into a running transfer.
    if (m_upgradePage->refuseWhileUpgrading())
        return;
    ui->SendDataBtn->hide();
    ui->LanguageBtn->hide();
    ui->actionSend_File->setVisible(false);
    emit ui->BasicBtn->clicked();
}
