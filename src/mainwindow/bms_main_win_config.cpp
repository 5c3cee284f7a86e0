// The configuration page, the commands that change the unit (switches, self-test, default
// configuration) with their replies, and the barcode of a battery that lacks one.
#include "mainwindow/bms_main_win.h"

#include "toolbox/prompts.h"
#include "protocol/config_reply.h"
#include "protocol/unit_control.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "upgrade/wait_config.h"
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
        return BMSMainWin::tr("Switch the charge MOS on?");
    case UnitControl::ChargeOff:
        return BMSMainWin::tr("Switch the charge MOS off?\nThe batteries take no charge until "
                              "it is switched on again.");
    case UnitControl::DischargeOn:
        return BMSMainWin::tr("Switch the discharge MOS on?");
    case UnitControl::DischargeOff:
        return BMSMainWin::tr(
            "Switch the discharge MOS off?\nThe system stops supplying its load.");
    case UnitControl::SelfTest:
        break;
    }
    return BMSMainWin::tr("Run the self-test of every battery?");
}

QStandardItem* centredItem(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

void BMSMainWin::initConfigPage() {
    m_configModel = new QStandardItemModel(0, 4, this);
    ui->ConfigTabView->setModel(m_configModel);
    retranslateConfigPage();
    connect(ui->BattGroupWid, &BatteryGroup::ControlRequested, this,
            &BMSMainWin::UnitControlRequested);
}

void BMSMainWin::retranslateConfigPage() {
    m_configModel->setHorizontalHeaderLabels(
        {tr("alarm&protcet item"), tr("cell"), tr("power"), tr("unit")});
    QHeaderView* header = ui->ConfigTabView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void BMSMainWin::ConfigParse(const QString& reply) {
    session().configReply = reply;
    qDebug() << "Command:" << currentCommand();
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

void BMSMainWin::ConfigDownBtn_clicked() {
    // Only this login's reply: a configuration read before a Logout or an unplug may no
    // longer be the unit's.
    if (!session().linked() || !session().configReply) {
        prompts().information(this, tr("Notice"),
                              tr("No configuration has been read from the unit since the last "
                                 "Login.\nLog in and open this page to read it, then save it."),
                              QMessageBox::Yes);
        return;
    }
    saveTextAs(*session().configReply, tr("The configuration could not be saved to\n%1\n%2"));
}

bool BMSMainWin::confirmUnitChange(const QString& question) {
    if (!m_serial->isOpen())
        return true;
    return prompts().question(this, tr("Notice"), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

void BMSMainWin::ConfigDeBtn_clicked() {
    if (!confirmUnitChange(tr("Restore the unit's default protection configuration?\nEvery "
                              "threshold set on the unit is replaced.")))
        return;
    SendCommand("config default");
}

void BMSMainWin::ConfigDefaultParse(const QString& reply) {
    qDebug() << "configdefault sts";
    m_waitConfig->hide();
    if (!commandSucceeded(reply))
        return;
    prompts().information(this, tr("Message"), tr("The initial configuration is successful!"),
                          QMessageBox::Yes);
    // Before any battery was chosen there is no battery to read again.
    if (m_currBatNum >= 1)
        SendCommand("info " + QString::number(m_currBatNum));
}

// The poll pauses while the unit works on the command, so that no status request takes
// the place of the command whose reply is awaited.
// It pauses before the question: a poll reply on its way while the box is open must find no
// poll command to answer, and the verdict waits for the switch's own echo.
void BMSMainWin::UnitControlRequested(UnitControl control) {
    session().pollTimer().stop();
    const QPointer<UnitSession> asked = m_session.get();
    if (!confirmUnitChange(controlQuestion(control))) {
        resumePoll();
        return;
    }
    if (asked != m_session.get())
        return; // the link ended while the question was open: nothing is switched
    if (m_serial->isOpen())
        session().controlWaitTimer().start(kControlReplyTimeoutMs);
    SendCommand(controlCommand(control)); // on a closed port: tells the user to log in
}

void BMSMainWin::resumePoll() {
    session().controlWaitTimer().stop();
    if (m_basicPage)
        startPoll();
}

void BMSMainWin::MosOpenParse(const QString& reply) {
    reportSwitch(reply, tr("The Mos open success!"), tr("The Mos open fail!"));
}

void BMSMainWin::MosCloseParse(const QString& reply) {
    reportSwitch(reply, tr("The Mos close success!"), tr("The Mos close fail!"));
}

void BMSMainWin::reportSwitch(const QString& reply, const QString& success,
                              const QString& failure) {
    qDebug() << "Command:" << currentCommand();
    const bool done = commandSucceeded(reply);
    prompts().information(this, tr("Message"), done ? success : failure, QMessageBox::Yes);
    if (done)
        SendCommand("ctrl"); // the switch indicators show what the unit now reports
    resumePoll();
}

void BMSMainWin::SelfTestParse(const QString& reply) {
    qDebug() << "Command:" << currentCommand();
    if (commandSucceeded(reply))
        prompts().information(this, tr("Message"), tr("The self-test finish!"), QMessageBox::Yes);
    // Also after a failed test: the status page must not stay frozen.
    resumePoll();
}

void BMSMainWin::BarcodeMissing(QString barcode) {
    qDebug() << "miss bar:" << barcode;
    if (!m_serial->isOpen()) {
        SendCommand("tbar " + barcode); // tells the user to log in, once
        return;
    }
    session().pollTimer().stop();
    if (m_currBatNum != 1) {
        SendCommand("login debug");
        DelayMs(500);
    }
    SendCommand("tbar " + barcode);
    resumePoll();
}

void BMSMainWin::BarcodeResultParse(const QString& reply) {
    qDebug() << "Command:" << currentCommand();
    if (!barcodeWritten(reply)) {
        prompts().warning(this, tr("Message"), tr("Added barcode fail!"), QMessageBox::Yes);
        return;
    }
    // The bare "info " reads the battery the unit wrote to, so its detail shows the barcode.
    session().pollTimer().stop();
    SendCommand("info ");
    // The poll resumes and the box shows once this dispatch has returned, so that neither
    // holds up the "info" reply.
    QTimer::singleShot(kBarcodeInfoWaitMs, this, [this] {
        resumePoll();
        prompts().information(this, tr("Message"), tr("Added barcode successfully!"),
                              QMessageBox::Yes);
    });
}
