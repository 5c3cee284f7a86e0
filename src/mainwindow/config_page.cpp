#include "mainwindow/config_page.h"

#include "mainwindow/bms_main_win.h"
#include "mainwindow/transfer_display.h"

#include "mainwindow/transfer_display.h"
#include "protocol/config_reply.h"
#include "protocol/unit_control.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"

#include <QDebug>
#include <QHeaderView>
#include <QPointer>
#include <QStandardItemModel>

namespace {

// A self-test of sixteen batteries takes a while; past this the poll goes on regardless.
constexpr int kControlReplyTimeoutMs = 15000;
constexpr int kBarcodeInfoWaitMs = 50; // between the bare "info " and the poll's restart

QString controlQuestion(UnitControl control) {
    switch (control) {
    case UnitControl::ChargeOn:
        return ConfigPage::tr("Switch the charge MOS on?");
    case UnitControl::ChargeOff:
        return ConfigPage::tr("Switch the charge MOS off?\nThe batteries take no charge until "
                              "it is switched on again.");
    case UnitControl::DischargeOn:
        return ConfigPage::tr("Switch the discharge MOS on?");
    case UnitControl::DischargeOff:
        return ConfigPage::tr(
            "Switch the discharge MOS off?\nThe system stops supplying its load.");
    case UnitControl::SelfTest:
        break;
    }
    return ConfigPage::tr("Run the self-test of every battery?");
}

QStandardItem* centredItem(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

ConfigPage::ConfigPage(BMSMainWin& window) : w(window), ui(window.ui) {
    m_configModel = new QStandardItemModel(0, 4, &w);
    ui->ConfigTabView->setModel(m_configModel);
    retranslate();
    QObject::connect(ui->BattGroupWid, &BatteryGroup::ControlRequested, &w,
                     [this](UnitControl control) { UnitControlRequested(control); });
}

void ConfigPage::clear() {
    m_configModel->removeRows(0, m_configModel->rowCount());
    ui->ConfigTextBro->clear();
}

void ConfigPage::retranslate() {
    m_configModel->setHorizontalHeaderLabels(
        {tr("alarm&protcet item"), tr("cell"), tr("power"), tr("unit")});
    QHeaderView* header = ui->ConfigTabView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void ConfigPage::ConfigParse(const QString& reply) {
    w.session().configReply = reply;
    qDebug() << "Command:" << w.session().currentCommand();
    ui->ConfigTextBro->clear();
    m_configModel->removeRows(0, m_configModel->rowCount());
    const ConfigReply config = parseConfigReply(reply);
    qDebug() << "configdata:" << config.protectionText;
    qDebug() << "receconfig:" << config.restText;
    ui->ConfigTextBro->setPlainText(config.restText);
    for (int row = 0; row < config.rows.size(); ++row) {
        const ProtectionRow& r = config.rows.at(row);
        qDebug() << "prosigle:" << r.item << r.cell << r.power << r.unit;
        m_configModel->insertRow(row, {centredItem(r.item), centredItem(r.cell),
                                       centredItem(r.power), centredItem(r.unit)});
    }
}

bool ConfigPage::confirmUnitChange(const QString& question) {
    if (!w.m_serial->isOpen())
        return true;
    return prompts().question(&w, tr("Notice"), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

void ConfigPage::ConfigDefaultParse(const QString& reply) {
    qDebug() << "configdefault sts";
    w.m_transfer->endFlashWait();
    if (!commandSucceeded(reply))
        return;
    prompts().information(&w, tr("Message"), tr("The initial configuration is successful!"),
                          QMessageBox::Yes);
    // Before any battery was chosen there is no battery to read again.
    if (w.m_currBatNum >= 1)
        w.SendCommand("info " + QString::number(w.m_currBatNum));
}

// The poll pauses while the unit works on the command, so that no status request takes
// the place of the command whose reply is awaited.
// It pauses before the question: a poll reply on its way while the box is open must find no
// poll command to answer, and the verdict waits for the switch's own echo.
void ConfigPage::UnitControlRequested(UnitControl control) {
    w.session().pollTimer().stop();
    const QPointer<UnitSession> asked = w.m_session.get();
    if (!confirmUnitChange(controlQuestion(control))) {
        resumePoll();
        return;
    }
    if (asked != w.m_session.get())
        return; // the link ended while the question was open: nothing is switched
    if (w.m_serial->isOpen())
        w.session().controlWaitTimer().start(kControlReplyTimeoutMs);
    w.SendCommand(controlCommand(control)); // on a closed port: tells the user to log in
}

void ConfigPage::resumePoll() {
    w.session().controlWaitTimer().stop();
    if (w.m_basicPage)
        w.startPoll();
}

void ConfigPage::MosOpenParse(const QString& reply) {
    reportSwitch(reply, tr("The Mos open success!"), tr("The Mos open fail!"));
}

void ConfigPage::MosCloseParse(const QString& reply) {
    reportSwitch(reply, tr("The Mos close success!"), tr("The Mos close fail!"));
}

void ConfigPage::reportSwitch(const QString& reply, const QString& success,
                              const QString& failure) {
    qDebug() << "Command:" << w.session().currentCommand();
    const bool done = commandSucceeded(reply);
    prompts().information(&w, tr("Message"), done ? success : failure, QMessageBox::Yes);
    if (done)
        w.SendCommand("ctrl"); // the switch indicators show what the unit now reports
    resumePoll();
}

void ConfigPage::SelfTestParse(const QString& reply) {
    qDebug() << "Command:" << w.session().currentCommand();
    if (commandSucceeded(reply))
        prompts().information(&w, tr("Message"), tr("The self-test finish!"), QMessageBox::Yes);
    // Also after a failed test: the status page must not stay frozen.
    resumePoll();
}

void ConfigPage::BarcodeMissing(const QString& barcode) {
    qDebug() << "miss bar:" << barcode;
    if (!w.m_serial->isOpen()) {
        w.SendCommand("tbar " + barcode); // tells the user to log in, once
        return;
    }
    w.session().pollTimer().stop();
    if (w.m_currBatNum != 1) {
        w.SendCommand("login debug");
        BMSMainWin::DelayMs(500);
    }
    w.SendCommand("tbar " + barcode);
    resumePoll();
}

void ConfigPage::BarcodeResultParse(const QString& reply) {
    qDebug() << "Command:" << w.session().currentCommand();
    if (!barcodeWritten(reply)) {
        prompts().warning(&w, tr("Message"), tr("Added barcode fail!"), QMessageBox::Yes);
        return;
    }
    // The bare "info " reads the battery the unit wrote to, so its detail shows the barcode.
    w.session().pollTimer().stop();
    w.SendCommand("info ");
    // The poll resumes and the box shows once this dispatch has returned, so that neither
    // holds up the "info" reply.
    QTimer::singleShot(kBarcodeInfoWaitMs, &w, [this] {
        resumePoll();
        prompts().information(&w, tr("Message"), tr("Added barcode successfully!"),
                              QMessageBox::Yes);
    });
}
