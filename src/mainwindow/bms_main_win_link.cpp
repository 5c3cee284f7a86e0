// The serial link as the user sees it: port list, Login, Logout and the port check.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/link_state_display.h"
#include "serial/my_serial.h"
#include "serial/port_list.h"
#include "serial/port_open_error.h"
#include "serial/reply_delivery.h"
#include "serial/serial_constants.h"
#include "serial/serial_settings.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QPointer>
#include <QSerialPort>
#include <QSettings>

QStringList BMSMainWin::AvailablePortNames() const {
    return availablePortNames();
}

void BMSMainWin::InitSerialSettings() {
    m_portNames = AvailablePortNames();
    ui->PortComBox->clear();
    ui->PortComBox->addItems(m_portNames);

    ui->BaudComBox->clear();
    ui->BaudComBox->addItems(
        {"1200", "2400", "4800", "9600", "19200", "38400", "25600", "57600", "115200", "256000"});
    ui->DataBitComBox->clear();
    ui->DataBitComBox->addItems({"5", "6", "7", "8"});
    ui->StopbitComBox->clear();
    ui->StopbitComBox->addItem("1", int(QSerialPort::OneStop));
    ui->StopbitComBox->addItem("1.5", int(QSerialPort::OneAndHalfStop));
    ui->StopbitComBox->addItem("2", int(QSerialPort::TwoStop));
    ui->ParityComBox->clear();
    for (int parity : {QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
                       QSerialPort::SpaceParity, QSerialPort::MarkParity})
        ui->ParityComBox->addItem(QString(), parity);
    retranslateSerialSettings();
}

void BMSMainWin::retranslateSerialSettings() {
    for (int i = 0; i < ui->ParityComBox->count(); ++i) {
        QString name;
        switch (ui->ParityComBox->itemData(i).toInt()) {
        case QSerialPort::NoParity:
            name = tr("None");
            break;
        case QSerialPort::OddParity:
            name = tr("Odd");
            break;
        case QSerialPort::EvenParity:
            name = tr("Even");
            break;
        case QSerialPort::SpaceParity:
            name = tr("Space");
            break;
        default:
            name = tr("Mark");
            break;
        }
        ui->ParityComBox->setItemText(i, name);
    }
}

void BMSMainWin::OpenBtn_clicked() {
    SerialSettings s;
    s.portName = ui->PortComBox->currentText();
    s.baudRate = ui->BaudComBox->currentText().toInt();
    s.dataBits = ui->DataBitComBox->currentText().toInt();
    s.stopBits = ui->StopbitComBox->currentData().toInt();
    s.parity = ui->ParityComBox->currentData().toInt();
    s.flowControl = 0;
    m_serial->setSettings(s);
    qDebug() << "serial settings:" << s.portName << s.baudRate << s.dataBits << s.stopBits
             << s.parity;

    if (!m_serial->open()) {
        prompts().warning(this, tr("Message"),
                          PortOpenError::text(tr("The serial port is occupied or does not exist"),
                                              m_serial->openError(),
                                              PortOpenError::userMayOpen(s.portName)),
                          QMessageBox::Yes);
        return;
    }
    ui->CloseBtn->setEnabled(true);
    ui->OpenBtn->setEnabled(false);
    m_portOpen = true;
    m_settings->setValue(kLastPortSetting, s.portName);
    beginSession();
    m_linkState->loggedIn(s.portName);

    if (ui->StackWid->currentIndex() == 2)
        m_currBatNum = 1;
    ui->CurrBatNumLab->setText(QString::number(m_currBatNum));

    const QPointer<UnitSession> login = m_session.get();
    const auto same = [this, login] { return login == m_session.get() && linkOpen(); };
    if (m_stopStreamAtLogin) {
        // The unit kept streaming after the adapter was pulled: stop it before the chain,
        // without making "disp 0" the current command (its answer is nobody's verdict).
        m_stopStreamAtLogin = false;
        m_serial->write(QStringLiteral("\ndisp 0\n"));
        DelayMs(kStopStreamDelayMs);
        if (!same())
            return;
    }
    SendCommand("login debug");
    DelayMs(kLoginStepDelayMs);
    if (!same())
        return; // logged out or unplugged during the wait
    SendCommand("pwrsys");
    if (m_basicPage)
        startPoll();
}

void BMSMainWin::CloseBtn_clicked() {
    const SessionEnd was = endSession(LinkEnd::Logout);
    m_portOpen = false;
    SendCommand("logout");

    m_currBatNum = 0;
    ui->CurrBatNumLab->setText(" ");
    resetViewsAfterLogout(was.streaming);
    m_linkState->loggedOut();

    DelayMs(kLogoutDrainDelayMs);
    m_serial->close();
    ui->CloseBtn->setEnabled(false);
    ui->OpenBtn->setEnabled(true);
    tellInterrupted(was, LinkEnd::Logout);
}

void BMSMainWin::PortCheckTimeOut() {
    const QStringList before = m_portNames;
    m_portNames = AvailablePortNames();
    const QString chosen = ui->PortComBox->currentText();
    if (m_portNames.size() == before.size())
        return;

    ui->PortComBox->clear();
    ui->PortComBox->addItems(m_portNames);
    if (m_portOpen)
        ui->PortComBox->setCurrentText(chosen);
    else
        m_linkState->reselectLostPort(m_portNames);

    if (m_portNames.contains(chosen) || !m_serial->isOpen())
        return;
    const SessionEnd was = endSession(LinkEnd::Unplug);
    m_portOpen = false;
    m_serial->close();
    ui->CloseBtn->setEnabled(false);
    ui->OpenBtn->setEnabled(true);
    m_linkState->linkLost(); // the views keep their values, marked as not live
    prompts().critical(this, tr("Error"), tr("The serial port diconnect! Please check!"),
                       QMessageBox::Ok);
    tellInterrupted(was, LinkEnd::Unplug);
}

void BMSMainWin::selectPort(const QString& name) {
    m_portNames = AvailablePortNames();
    ui->PortComBox->clear();
    ui->PortComBox->addItems(m_portNames);
    ui->PortComBox->setCurrentText(name);
}
