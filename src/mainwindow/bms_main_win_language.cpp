// Interface language: the per-language pictures and the window's texts on a language change.
// The menu and the translators are LanguageMenu's.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/link_state_display.h"
#include "mainwindow/mainwindow_constants.h"
#include "mainwindow/message_catalogue.h"
#include "mainwindow/real_time_charts.h"
#include "mainwindow/records_page.h"
#include "mainwindow/transfer_display.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_login.h"
#include "views/add_barcode.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QSettings>

namespace {
struct LanguagePicture {
    QWidget* widget;
    const char* picture; // %1 = language code
    const char* pressed; // nullptr when the widget has no pressed picture
    bool label;
};

QString pictureSheet(const LanguagePicture& p, const QString& code) {
    const QString url = QString(p.picture).arg(code);
    if (p.label)
        return QString("image: url(%1);").arg(url);
    QString sheet = QString("QPushButton{border-image:url(%1)}").arg(url);
    if (p.pressed)
        sheet += QString("QPushButton:pressed{border-image:url(%1)}").arg(p.pressed);
    return sheet;
}

// The page button of the page shown; none for the message catalogue.
QPushButton* shownPageButton(const Ui::BMSMainWin* ui) {
    const QList<QPushButton*> buttons = {ui->SendDataBtn, ui->BasicBtn,   ui->RealBtn,
                                         ui->ConfigBtn,   ui->HistoryBtn, ui->UpPageBtn};
    const int index = ui->StackWid->currentIndex();
    return index >= 0 && index < buttons.size() ? buttons.at(index) : nullptr;
}
} // namespace

void BMSMainWin::applyLanguageImages(const QString& code) {
    const QList<LanguagePicture> pictures = {
        {ui->SendDataBtn, ":/icon/res/SendData_%1.png", nullptr, false},
        {ui->BasicBtn, ":/icon/res/normal_%1.png", nullptr, false},
        {ui->RealBtn, ":/icon/res/rtdata_%1.png", nullptr, false},
        {ui->ConfigBtn, ":/icon/res/alarmpro_%1.png", nullptr, false},
        {ui->HistoryBtn, ":/icon/res/History_%1.png", nullptr, false},
        {ui->UpPageBtn, ":/icon/res/updatepan_%1.png", nullptr, false},
        {ui->DataLab, ":/icon/res/Bat_%1.png", nullptr, true},
        {ui->RTDataOnBtn, ":/icon/res/rtdataon_%1.png", nullptr, false},
        {ui->RTDataOffBtn, ":/icon/res/rtdataoff_%1.png", nullptr, false},
        {ui->RTDataDownBtn, ":/icon/res/download_%1.png", nullptr, false},
        {ui->ClearRTDataBtn, ":/icon/res/cleanallen_%1.png", ":/icon/res/pressed.png", false},
        {ui->AlarmLab, ":/icon/res/Alarmprotecet_%1.png", nullptr, true},
        {ui->ConfigDownBtn, ":/icon/res/download_%1.png", ":/icon/res/pressed.png", false},
        {ui->HisEveBtn, ":/icon/res/event_%1.png", nullptr, false},
        {ui->HistBtn, ":/icon/res/HistBtn_%1.png", nullptr, false},
        {ui->ContinueBtn, ":/icon/res/continue_%1.png", nullptr, false},
        {ui->HisDownBtn, ":/icon/res/download_%1.png", nullptr, false},
    };
    for (const LanguagePicture& p : pictures)
        p.widget->setStyleSheet(pictureSheet(p, code));
    ui->UpdateMessToolBtn->setIcon(QIcon(QString(":/icon/res/UpdateMess_%1.jpg").arg(code)));
    const QList<LanguagePicture> upgradeButtons = {
        {ui->UpDateBtn, ":/icon/res/UpdateBtn_%1.png", ":/icon/res/PressShawdow.png", false},
        {ui->WakeBtn, ":/icon/res/wake_%1.png", ":/icon/res/PressShawdow.png", false},
        {ui->UbootBtn, ":/icon/res/uboot_%1.png", ":/icon/res/PressShawdow.png", false},
    };
    for (const LanguagePicture& p : upgradeButtons)
        p.widget->setStyleSheet(pictureSheet(p, code));
    ui->BattGroupWid->setLanguage(code);
    ui->BattInfoWid->setLanguage(code);
    // The shown page's button keeps its pressed picture, now in the new language.
    setPageButtons(shownPageButton(ui));
    // Password gates and barcode windows left open take the new pictures as well.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* gate = qobject_cast<UpdataLogin*>(w))
            gate->setImageSuffix(code);
        else if (auto* barcode = qobject_cast<AddBarcode*>(w))
            barcode->setLanguage(code);
    }
}

void BMSMainWin::slotLanguageChanged(QAction* action) {
    if (!action)
        return;
    const QString code = action->data().toString();
    if (m_language.loadLanguage(code)) {
        applyLanguageImages(code);
        qDebug() << "change0";
    }
    m_settings->setValue("Language/lastLanguage", code);
}

bool BMSMainWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetranslateMainWindow();
        qDebug() << "change1";
        prompts().information(this, tr("Message"),
                              tr("The language has changed successfully!\nPlease restart if "
                                 "there is a problem with the interface!"),
                              QMessageBox::Yes);
    }
    return QMainWindow::eventFilter(watched, event);
}

void BMSMainWin::RetranslateMainWindow() {
    ui->retranslateUi(this);
    m_linkState->clearCommandState();
    m_transfer->retranslate();
    CurrTimeTimerOut();
    setWindowTitle(kWindowTitle);
    retranslateSerialSettings();
    m_config->retranslate();
    m_records->retranslate();
    m_charts->retranslate();
    ui->BattGroupWid->retranslate();
    ui->BattInfoWid->retranslate();
    m_linkState->redraw();
    if (ui->StackWid->currentWidget() == ui->page)
        fillMessageCatalogue(ui);
    // The transfer and wait windows retranslate themselves on the same event.
}
