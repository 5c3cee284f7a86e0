// The main window's side of a file transfer: packets from the transfer thread go to the
// port, with one progress line in the receive view and the status bar's progress bar.
#include "mainwindow/bms_main_win.h"

#include "app/prompts.h"
#include "serial/my_serial.h"
#include "ui_bms_main_win.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/updata_thread.h"

#include <QDebug>
#include <QProgressBar>
#include <QTextBlock>

void BMSMainWin::UpdataSendPacket(QByteArray packet) {
    const int p = m_updataThread->progress();
    qDebug() << "progress:" << p;
    // Every packet restarts the 120 s bound on the receiver's answer.
    QMetaObject::invokeMethod(&m_transferTimer, "start", Qt::QueuedConnection);
    m_serial->write(packet);

    // One progress line that counts up: the last line is replaced, not appended to.
    QTextDocument* doc = ui->ReceTextBro->document();
    QTextCursor last(doc->lastBlock());
    last.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    last.removeSelectedText();
    last.deletePreviousChar();
    ui->ReceTextBro->append(transferProgressText(p));
    m_progressBar->setValue(p);
}

void BMSMainWin::UpdataFileError() {
    // The image could not be read: the transfer is over, so nothing must wait for it.
    QMetaObject::invokeMethod(&m_transferTimer, "stop", Qt::QueuedConnection);
    TransitAbr();
    prompts().warning(this, tr("warning"), tr("Open file error!"), QMessageBox::Yes);
}
