// The receive path: chunks become bursts (shown on the raw data page) and framed replies.
#include "mainwindow/bms_main_win.h"

#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"

#include <QDebug>

void BMSMainWin::SerialReadyRead() {
    m_replyGapTimer->start(m_upgrading ? kReplyGapUpgradingMs : kReplyGapMs);
    m_receiveBuffer.append(m_serial->readAll());
}

void BMSMainWin::ReceDataTimeOut() {
    m_replyGapTimer->stop();
    if (m_receiveBuffer.isEmpty())
        return;
    showBurst(QString::fromUtf8(m_receiveBuffer));
    m_receiveBuffer.clear();
}

void BMSMainWin::showBurst(QString burst) {
    QTextCursor cursor = ui->ReceTextBro->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(burst);
}

void BMSMainWin::CommandInfoParse(QString) {}
