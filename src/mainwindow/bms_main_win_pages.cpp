// Page navigation: the page buttons, their pressed/normal pictures and the poll timer.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/message_catalogue.h"
#include "mainwindow/status_views.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QScrollBar>

namespace {
struct PageButtonPictures {
    const char* normal;
    const char* pressed;
};

QString borderImage(const QString& picture, const QString& lang) {
    return QString("QPushButton{border-image:url(:/icon/res/%1_%2.png)}").arg(picture, lang);
}

// Scroll bars and header sections of the configuration and record tables.
const char* const kTableStyle =
    "QScrollBar:vertical{width:12px;background:#f0f0f0;}"
    "QScrollBar::handle:vertical{background:#b0b0b0;min-height:20px;border-radius:4px;}"
    "QScrollBar:horizontal{height:12px;background:#f0f0f0;}"
    "QScrollBar::handle:horizontal{background:#b0b0b0;min-width:20px;border-radius:4px;}"
    "QHeaderView::section{font:12pt \"Arial\";color:white;"
    "background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #8a8a8a,stop:1 #5f5f5f);"
    "border:1px solid #555;padding:4px;}";

// Pages are not switched while the stream is drawn.
bool refuseWhileRealTime(QWidget* parent, const UnitSession& session) {
    if (!session.realTimeDisplay)
        return false;
    prompts().information(
        parent, BMSMainWin::tr("Message"),
        BMSMainWin::tr("In real-time rendering, can't switch pages!\nPlease click \"RTData OFF\"!"),
        QMessageBox::Yes);
    return true;
}
} // namespace

void BMSMainWin::setPageButtons(QPushButton* pressed) {
    const QList<QPair<QPushButton*, PageButtonPictures>> buttons = {
        {ui->SendDataBtn, {"SendData", "SendDataPress"}},
        {ui->BasicBtn, {"normal", "normalpress"}},
        {ui->RealBtn, {"rtdata", "realdatapress"}},
        {ui->ConfigBtn, {"alarmpro", "alarmpropress"}},
        {ui->HistoryBtn, {"History", "HistoryPress"}},
        {ui->UpPageBtn, {"updatepan", "updatepanpress"}},
    };
    for (const auto& b : buttons) {
        const char* picture = b.first == pressed ? b.second.pressed : b.second.normal;
        b.first->setStyleSheet(borderImage(picture, m_language.code()));
    }
}

// Shows a page other than the status page: polling stops there, so that no poll command
// replaces the current command while that page talks to the unit.
void BMSMainWin::showOtherPage(QPushButton* button, int index) {
    setPageButtons(button);
    ui->StackWid->setCurrentIndex(index);
    session().pollTimer().stop();
    m_basicPage = false;
}

void BMSMainWin::SendDataBtn_clicked() {
    if (refuseWhileRealTime(this, session()))
        return;
    QScrollBar* bar = ui->ReceTextBro->verticalScrollBar();
    bar->setValue(bar->maximum());
    showOtherPage(ui->SendDataBtn, 0);
    ui->SendEd->setFocus();
}

void BMSMainWin::BasicBtn_clicked() {
    if (refuseWhileRealTime(this, session()))
        return;
    setPageButtons(ui->BasicBtn);
    ui->StackWid->setCurrentIndex(1);
    m_basicPage = true;
    startPoll();
}

void BMSMainWin::RealBtn_clicked() {
    showOtherPage(ui->RealBtn, 2);
    if (m_portOpen && m_currBatNum == 0) {
        m_currBatNum = 1;
        ui->CurrBatNumLab->setText("1");
    }
}

void BMSMainWin::ConfigBtn_clicked() {
    if (refuseWhileRealTime(this, session()))
        return;
    showOtherPage(ui->ConfigBtn, 3);
    ui->ConfigTabView->setStyleSheet(kTableStyle);
    if (m_portOpen) {
        SendCommand("config");
        DelayMs(400);
    }
}

void BMSMainWin::HistoryBtn_clicked() {
    if (refuseWhileRealTime(this, session()))
        return;
    showOtherPage(ui->HistoryBtn, 4);
    ui->DataListlView->setStyleSheet(kTableStyle);
    if (!m_portOpen)
        return;
    SendCommand("data");
    DelayMs(100);
    // The link may have gone during the wait. Before any battery was chosen the unit is asked
    // for battery 1's identity: there is no battery 0.
    if (m_status->deviceName().isEmpty() && linkOpen()) {
        SendCommand("info " + QString::number(qMax(1, m_currBatNum)));
        DelayMs(300);
    }
}

void BMSMainWin::UpPageBtn_clicked() {
    if (refuseWhileRealTime(this, session()))
        return;
    showOtherPage(ui->UpPageBtn, 5);
    ui->UpdateMessToolBtn->setIconSize(ui->UpdateMessToolBtn->size());
    qDebug() << "tool btn size" << ui->UpdateMessToolBtn->size() << "widget_8"
             << ui->UpdateWid->size() << "UpdateMessToolBtn->iconSize()"
             << ui->UpdateMessToolBtn->iconSize();
}

void BMSMainWin::LanguageBtn_clicked() {
    ui->StackWid->setCurrentIndex(6);
    setPageButtons(nullptr);
    fillMessageCatalogue(ui);
}
