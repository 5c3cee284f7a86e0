// The command channel: SendCommand records the current command and writes it; the quick
// buttons and the free-text line write without recording one.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/link_state_display.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QEventLoop>
#include <QTime>

// The poll runs only on the status page of an open link, and never while the upgrade owns
// the line.
void BMSMainWin::startPoll() {
    if (!m_portOpen || session().upgradeOwnsLine())
        return;
    session().pollTimer().start(kPollIntervalMs);
}

void BMSMainWin::SendCommand(const QString& command) {
    if (!m_serial->isOpen()) {
        prompts().information(this, tr("Notice"), tr("The serial port not open, Please Login!"),
                              QMessageBox::Yes);
        return;
    }
    const QString current = command + "\n";
    session().setCurrentCommand(current);
    qDebug() << "当前命令：" << current;
    m_serial->write(QStringLiteral("\n"));
    if (m_serial->write(current) == -1)
        qDebug() << "当前命令发送失败：" << current;
    else
        m_linkState->commandSent();
}

void BMSMainWin::DelayMs(int ms) {
    qDebug() << "current time :" << QTime::currentTime().toString("hh:mm:ss.zzz");
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    qDebug() << "newcurrent time :" << QTime::currentTime().toString("hh:mm:ss.zzz");
}

void BMSMainWin::InfoBtn_clicked() {
    m_serial->write(QStringLiteral("info\n"));
}

void BMSMainWin::PwrBtn_clicked() {
    m_serial->write(QStringLiteral("pwr\n"));
}

void BMSMainWin::BatBtn_clicked() {
    m_serial->write(QStringLiteral("bat\n"));
}

void BMSMainWin::SendBtn_clicked() {
    if (!m_serial->isOpen()) {
        prompts().information(this, tr("Message"), tr("The serial port not open, Please open!"),
                              QMessageBox::Yes);
        return;
    }
    session().setCurrentCommand(QString());
    session().pollTimer().stop();
    const QString line = ui->SendEd->toPlainText() + "\r";
    qDebug() << "sendata:" << line;
    m_serial->write(line);
    ui->SendEd->clear();
    if (m_basicPage)
        startPoll();
}
