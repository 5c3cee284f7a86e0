// The main window's side of the status views: wiring, language, scale and reset.
#include "mainwindow/bms_main_win.h"

#include "ui_bms_main_win.h"

#include <QStandardItemModel>

void BMSMainWin::connectViews() {}

void BMSMainWin::setViewsLanguage(const QString&) {}

void BMSMainWin::retranslateViews() {}

void BMSMainWin::scaleViews() {}

void BMSMainWin::resetViewsAfterLogout() {
    ui->RTDataTextBrow->clear();
    m_configModel->removeRows(0, m_configModel->rowCount());
    ui->ConfigTextBro->clear();
    ui->EventNumLab->setText(tr("Number of events:"));
    m_recordModel->removeRows(0, m_recordModel->rowCount());
}

void BMSMainWin::BatteryButtonSelected(bool, int) {}

void BMSMainWin::BarcodeMissing(QString) {}

void BMSMainWin::fillMessageCatalogue() {}
