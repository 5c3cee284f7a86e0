// The records page: event and history counts, paged listings, the record table, the detail
// window and the workbook export.
#include "mainwindow/bms_main_win.h"

#include "app/prompts.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"

#include <QStandardItemModel>

void BMSMainWin::initRecordsPage() {
    m_recordModel = new QStandardItemModel(0, 16, this);
    ui->DataListlView->setModel(m_recordModel);
    m_eventListing = m_historyListing = m_maskLayout = false;
    ReContinueTimer = new QTimer(this);
    m_eventCount = m_historyCount = -1;
}

// The next page of a record listing: a bare carriage return, at most one per 1.3 s.
void BMSMainWin::ContinueBtn_clicked() {
    if (!m_eventListing && !m_historyListing) {
        prompts().information(this, tr("Message"),
                              tr("Can't continue, Please click \"Event\" or \"History\"!"),
                              QMessageBox::Yes);
        return;
    }
    ReContinueTimer->setSingleShot(true);
    ReContinueTimer->setInterval(kContinueCooldownMs);
    if (ReContinueTimer->isActive()) {
        prompts().warning(this, tr("warning"),
                          tr("The operation is too frequent!\nPlease try again later!"),
                          QMessageBox::Yes);
        return;
    }
    ReContinueTimer->start();
    m_serial->write(QStringLiteral("\r"));
    DelayMs(300);
}

void BMSMainWin::HisEveBtn_clicked() {}
void BMSMainWin::HistBtn_clicked() {}
void BMSMainWin::HisDownBtn_clicked() {}
void BMSMainWin::RefleshBtn_clicked() {}
void BMSMainWin::ClickEventShow(QModelIndex) {}
void BMSMainWin::DataNumberParse(const QString&) {}
void BMSMainWin::RecordDetailParse(const QString&) {}
void BMSMainWin::EventListParse(const QString&) {}
void BMSMainWin::HistoryListParse(const QString&) {}
