// The receive path: every chunk feeds the burst (shown on the raw data page once the line is
// quiet) and the frame assembler (complete replies, dispatched from the event loop as soon as
// the port's read handler has returned).
#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/link_state_display.h"
#include "mainwindow/records_page.h"
#include "mainwindow/status_views.h"
#include "mainwindow/upgrade_page.h"
#include "protocol/burst.h"
#include "protocol/protocol_constants.h"
#include "protocol/reply_router.h"
#include "serial/my_serial.h"
#include "serial/reply_delivery.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "upgrade/transfer_routing.h"
#include "upgrade/updata_thread.h"

#include <QDebug>
#include <QTextBlock>

namespace {
constexpr int kDroppedReplyLogChars = 200;

// One edit per burst; lines are broken and the text cut so that the view's block cap also
// bounds its characters.
void showBurst(QTextBrowser* view, const BurstEdit& edit) {
    QTextDocument* doc = view->document();
    QTextCursor end(doc);
    end.beginEditBlock();
    if (edit.replaceLastLine) {
        QTextCursor last(doc->lastBlock());
        last.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        last.removeSelectedText();
    }
    const int lastLine = doc->lastBlock().length() - 1; // without its block end
    end.movePosition(QTextCursor::End);
    end.insertText(fitToTerminal(edit.text, lastLine, kRawViewLineWidth, kRawViewMaxBlocks));
    end.endEditBlock();
}
} // namespace

void BMSMainWin::SerialReadyRead() {
    UnitSession& s = session();
    m_replyGapTimer->start(s.upgrade().upgrading() ? kReplyGapUpgradeMs : kReplyGapMs);
    const QByteArray chunk = m_serial->readAll();
    QByteArray& buffer = s.receiveBuffer();
    buffer.append(chunk);
    if (!chunk.isEmpty()) {
        m_linkState->replyReceived();
    }

    // Control bytes are the transfer's only while one runs; otherwise they are text.
    const QByteArray transfer = s.takesTransferBytes() ? takeTransferBytes(buffer) : QByteArray();
    if (!transfer.isEmpty()) {
        QMetaObject::invokeMethod(&s.transferTimer(), "stop", Qt::QueuedConnection);
        s.transferThread()->readData(transfer);
        qDebug() << "Xmodem bytes" << transfer.toHex(' ');
    } else if (buffer.size() > kMaxBurstBytes) {
        endOversizedBurst();
    }

    const FeedResult fed = s.frames().feed(chunk);
    for (const FrameEvent& event : fed.events) {
        if (event.kind != FrameEvent::Kind::Reply) {
            qDebug() << "test buff error:" << event.raw;
            continue;
        }
        qDebug() << "test buff$$ clear0:" << event.raw;
        // Nothing the unit sends while the link is being closed is dispatched any more.
        if (m_portOpen)
            m_replyDelivery->push(event.reply);
    }
}

// A line that is never quiet (noise, a console stuck printing) would otherwise grow the burst
// for ever: show what has come so far. Not from inside the port's read handler, as the
// burst's handlers may wait or ask the user.
void BMSMainWin::endOversizedBurst() {
    if (session().burstEndQueued)
        return;
    session().burstEndQueued = true;
    QMetaObject::invokeMethod(
        &session(),
        [this] {
            session().burstEndQueued = false;
            if (session().receiveBuffer().size() > kMaxBurstBytes)
                ReceDataTimeOut();
        },
        Qt::QueuedConnection);
}

void BMSMainWin::ReceDataTimeOut() {
    m_replyGapTimer->stop();
    QString shown;
    QString raw;
    QByteArray& buffer = session().receiveBuffer();
    if (!buffer.isEmpty()) {
        // With the size: garbage NULs must not cut the burst short.
        raw = QString::fromUtf8(buffer.constData(), buffer.size());
        qDebug() << "ReceData:" << raw;
        const BurstEdit edit = editBurst(raw);
        showBurst(ui->ReceTextBro, edit);
        shown = edit.text;
    }
    buffer.clear();
    routeBurstToHandler(shown, raw);
}

void BMSMainWin::routeBurstToHandler(const QString& burst, const QString& raw) {
    switch (session().routeFor(burst, m_status->deviceName())) {
    // The unit's upgrade texts and record pages are read unedited: a burst that ends inside
    // a line (its "\r" before the "\n" of the next burst) would otherwise lose its text to
    // the terminal's line rewriting, and with it a marker or a record cut across the two.
    case BurstRoute::UpdataState:
        m_upgradePage->UpdataStateParse(raw);
        break;
    case BurstRoute::UpdataReady:
        m_upgradePage->UpdataReady(raw);
        break;
    case BurstRoute::RealTime:
        RealTimeParse(burst);
        break;
    case BurstRoute::RealTimeOff:
        RealTimeOffParse(burst);
        break;
    case BurstRoute::EventList:
        qDebug() << "T-RACK-3660Q datalist";
        m_records->EventListParse(raw);
        break;
    case BurstRoute::HistoryList:
        qDebug() << "T-RACK-3660Q datalist";
        m_records->HistoryListParse(raw);
        break;
    case BurstRoute::None:
        break;
    }
}

void BMSMainWin::CommandInfoParse(QString infostr) {
    qDebug() << "parse CurrentCommand:" << session().currentCommand();
    qDebug() << "parse infoStrbytes:" << infostr;
    // The assembler has already taken this reply out of the frame buffer; what it still
    // holds is the start of the next reply.
    if (!performDispatchRow(infostr))
        return;
    showCommandState(infostr);
}

bool BMSMainWin::performDispatchRow(const QString& reply) {
    // The battery whose chain this reply continues; a wait may see another one chosen.
    const int battery = m_currBatNum;
    const QString command = session().currentCommand();
    switch (chooseDispatchRow(command, reply, m_currBatNum)) {
    case DispatchRow::Info:
        m_status->InfoParse(reply);
        if (m_basicPage) {
            DelayMs(kChainStepDelayMs);
            sendBatteryStep("bat ", battery);
        }
        return true;
    case DispatchRow::Bat:
        return dispatchBat(reply);
    case DispatchRow::PwrSys:
        m_status->PwrSysParse(reply);
        DelayMs(kChainStepDelayMs);
        sendSystemStep("pwr");
        return true;
    case DispatchRow::PwrBat:
        m_status->PwrBatParse(reply, m_currBatNum);
        DelayMs(kChainStepDelayMs);
        return true;
    case DispatchRow::Ctrl:
        m_status->CtrlParse(reply);
        DelayMs(kCtrlDelayMs);
        return true;
    case DispatchRow::MosOpen:
        m_config->MosOpenParse(reply);
        return true;
    case DispatchRow::MosClose:
        m_config->MosCloseParse(reply);
        return true;
    case DispatchRow::PwrTable:
        return dispatchSystemTable(reply, &StatusViews::PwrTableParse, "balance");
    case DispatchRow::Balance:
        return dispatchSystemTable(reply, &StatusViews::BalanceParse, "ctrl");
    case DispatchRow::Config:
        m_config->ConfigParse(reply);
        return true;
    case DispatchRow::SelfTest:
        m_config->SelfTestParse(reply);
        return true;
    case DispatchRow::DataNumber:
        m_records->DataNumberParse(reply);
        return true;
    case DispatchRow::RecordDetail:
        m_records->RecordDetailParse(reply);
        return true;
    case DispatchRow::ConfigDefault:
        m_config->ConfigDefaultParse(reply);
        return true;
    case DispatchRow::Barcode:
        m_config->BarcodeResultParse(reply);
        return true;
    case DispatchRow::EventList:
        if (listsAsReplies(m_status->deviceName())) {
            qDebug() << "T-RACK-3660Z-M datalist";
            m_records->EventListParse(reply);
        }
        return true;
    case DispatchRow::HistoryList:
        if (listsAsReplies(m_status->deviceName())) {
            qDebug() << "T-RACK-3660Z-M datalist";
            m_records->HistoryListParse(reply);
        }
        return true;
    case DispatchRow::None:
        // A reply with no parser of its own ("login debug", "logout", "disp 0") still shows
        // its outcome, as does a typed line's. Another command's reply, late or early, is
        // never taken for the current one's.
        if (command.isEmpty() || reply.contains(command.trimmed()))
            return true;
        qDebug() << "reply matches no command, dropped:" << reply.left(kDroppedReplyLogChars);
        return false;
    }
    return true;
}

bool BMSMainWin::dispatchBat(const QString& reply) {
    const int battery = m_currBatNum;
    const int cells = ui->BattInfoWid->cellNum();
    if (cells == kNoData || cells == 0) {
        m_status->resetCellSummary();
        sendBatteryStep("pwr ", battery);
        return false;
    }
    m_status->BatParse(reply, cells);
    DelayMs(kChainStepDelayMs);
    sendBatteryStep("pwr ", battery);
    return true;
}

bool BMSMainWin::dispatchSystemTable(const QString& reply,
                                     void (StatusViews::*parse)(const QString&, int),
                                     const QString& next) {
    const int present = ui->BattGroupWid->presentNum();
    if (present == kNoData)
        return false;
    (m_status.get()->*parse)(reply, present);
    DelayMs(kChainStepDelayMs);
    sendSystemStep(next);
    return true;
}

// Follow-ups are decided when they are sent, not before the wait: by then the user may have
// logged out, unplugged the adapter, left the status page or chosen another battery.
bool BMSMainWin::linkOpen() const {
    return m_portOpen && m_serial->isOpen();
}

void BMSMainWin::sendChainStep(const QString& command) {
    if (!m_basicPage)
        return;
    if (session().upgradeOwnsLine() || session().controlWaitTimer().isActive()) {
        qDebug() << "line taken, chain step not sent:" << command;
        return;
    }
    if (!linkOpen()) {
        qDebug() << "link closed, not sent:" << command;
        return;
    }
    SendCommand(command);
}

void BMSMainWin::sendBatteryStep(const QString& prefix, int battery) {
    if (m_currBatNum != battery) {
        qDebug() << "battery changed, not sent:" << prefix + QString::number(battery);
        return;
    }
    sendChainStep(prefix + QString::number(battery));
}

void BMSMainWin::sendSystemStep(const QString& command) {
    qDebug() << "GroupBtnFlag:" << session().groupBtnFlag;
    if (!session().groupBtnFlag)
        sendChainStep(command);
}

void BMSMainWin::showCommandState(const QString& reply) {
    switch (commandStateFor(session().currentCommand(), reply)) {
    case CommandState::Completed:
        m_linkState->showCommandState(tr("Command State: completed successfully"));
        break;
    case CommandState::Fail:
        m_linkState->showCommandState(tr("Command State: fail to excute"));
        break;
    case CommandState::Unknown:
        m_linkState->showCommandState(tr("Command State: Unknown command"));
        break;
    case CommandState::ResendLogin:
        if (linkOpen())
            SendCommand("login debug");
        break;
    case CommandState::Unchanged:
        break;
    }
}
