// The configuration page, the control commands' replies and the barcode of a battery that
// lacks one.
#include "mainwindow/bms_main_win.h"

#include "serial/my_serial.h"
#include "ui_bms_main_win.h"

#include <QStandardItemModel>

void BMSMainWin::initConfigPage() {
    m_configModel = new QStandardItemModel(0, 4, this);
    ui->ConfigTabView->setModel(m_configModel);
}

void BMSMainWin::ConfigDeBtn_clicked() {
    m_serial->write(QStringLiteral("config default\n"));
}

void BMSMainWin::ConfigDownBtn_clicked() {}
void BMSMainWin::BarcodeMissing(QString) {}
void BMSMainWin::ConfigParse(const QString&) {}
void BMSMainWin::ConfigDefaultParse(const QString&) {}
void BMSMainWin::MosOpenParse(const QString&) {}
void BMSMainWin::MosCloseParse(const QString&) {}
void BMSMainWin::SelfTestParse(const QString&) {}
void BMSMainWin::BarcodeResultParse(const QString&) {}
