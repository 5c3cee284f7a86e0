// The records page: event and history counts, paged listings and the record table. The
// listing's state and its reading of the unit's text live in RecordListing; this file asks
// it and applies the answers to the table, the flags and the message boxes.
#include "mainwindow/bms_main_win.h"

#include "app/prompts.h"
#include "mainwindow/window_geometry.h"
#include "records/record_table.h"
#include "records/records_constants.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QDebug>
#include <QHeaderView>
#include <QStandardItemModel>

void BMSMainWin::initRecordsPage() {
    m_recordModel = new QStandardItemModel(ui->DataListlView);
    setRecordColumns(m_recordModel, recordHeaders(false));
    ui->DataListlView->setModel(m_recordModel);
    ui->DataListlView->horizontalHeader()->setVisible(true);
    fitRecordHeader(ui->DataListlView->horizontalHeader(), false);
}

QStringList BMSMainWin::recordHeaders(bool maskLayout) const {
    QStringList headers{tr("Item"),
                        tr("Date"),
                        tr("Time"),
                        tr("Volt"),
                        tr("Current"),
                        tr("Temp"),
                        tr("Min. temp of cell"),
                        tr("Max. temp of cell"),
                        tr("Min. voltage of cell"),
                        tr("Max. voltage of cell"),
                        tr("Base Status"),
                        tr("Voltage Status"),
                        tr("Current Status"),
                        tr("Temp Status"),
                        tr("Percent%"),
                        tr("Events")};
    if (maskLayout)
        headers.insert(kMaskField, tr("mask"));
    return headers;
}

// Headers in the new language for the layout the table has now.
void BMSMainWin::retranslateRecords() {
    m_recordModel->setHorizontalHeaderLabels(
        recordHeaders(m_recordModel->columnCount() == kMaskColumns));
    widenInteractiveColumns(ui->DataListlView);
    showRecordCounts();
}

void BMSMainWin::HisEveBtn_clicked() {
    requestListing(RecordKind::Event);
}

void BMSMainWin::HistBtn_clicked() {
    requestListing(RecordKind::History);
}

void BMSMainWin::requestListing(RecordKind kind) {
    const bool event = kind == RecordKind::Event;
    const RecordKind other = event ? RecordKind::History : RecordKind::Event;
    const int count = event ? session().tally.events : session().tally.histories;
    const StartCheck check =
        checkStartNumber(session().listing().isOpen(kind), session().listing().isOpen(other), count,
                         ui->StartNumEdit->text());
    if (check.refusal != StartRefusal::None) {
        refuseListing(kind, check.refusal, count);
        return;
    }
    if (!m_portOpen)
        return;
    session().tally.kind = event ? QStringLiteral("event") : QStringLiteral("history");
    const QString command =
        QStringLiteral("datalist %1 %2").arg(session().tally.kind).arg(check.startIndex);
    session().listing().expect(command);
    SendCommand(command);
    DelayMs(kListingRequestWaitMs);
}

void BMSMainWin::refuseListing(RecordKind kind, StartRefusal refusal, int count) {
    const bool event = kind == RecordKind::Event;
    QString text;
    switch (refusal) {
    case StartRefusal::ListingOpen:
        text = event ? tr("Can't click \"Event\", Please click \"continue\" or click \"reflash\" "
                          "or wait!")
                     : tr("Can't click \"History\", Please click \"continue\" or click "
                          "\"reflash\" or wait!");
        break;
    case StartRefusal::OtherListingOpen:
        text = event ? tr("Can't click \"Event\", the history record is being viewed!")
                     : tr("Can't click \"History\", the event record is being viewed!");
        break;
    case StartRefusal::NoRecords:
        text = event ? tr("The number of events is zero or events not obtained!")
                     : tr("The number of histories is zero or histories not obtained!");
        break;
    case StartRefusal::NotANumber:
        text = tr("Please enter a number!");
        break;
    case StartRefusal::OutOfRange:
        text = tr("Please enter a number from 1 to %1!").arg(count);
        break;
    case StartRefusal::None:
        return;
    }
    prompts().information(this, tr("Message"), text, QMessageBox::Yes);
}

// The next page of a record listing: a bare carriage return, at most one per 1.3 s.
void BMSMainWin::ContinueBtn_clicked() {
    if (!session().listing().anyOpen()) {
        prompts().information(this, tr("Message"),
                              tr("Can't continue, Please click \"Event\" or \"History\"!"),
                              QMessageBox::Yes);
        return;
    }
    // A press while the cooldown runs is refused and leaves it running: setInterval would
    // restart it.
    if (session().continueCooldown().isActive()) {
        prompts().warning(this, tr("warning"),
                          tr("The operation is too frequent!\nPlease try again later!"),
                          QMessageBox::Yes);
        return;
    }
    session().continueCooldown().start(kContinueCooldownMs);
    m_serial->write(QStringLiteral("\r"));
    DelayMs(kContinueWaitMs);
}

void BMSMainWin::RefleshBtn_clicked() {
    m_recordModel->removeRows(0, m_recordModel->rowCount());
    SendCommand(QStringLiteral("data"));
    session().listing().reset();
}

void BMSMainWin::DataNumberParse(const QString& reply) {
    const RecordCounts counts = parseRecordCounts(reply);
    if (counts.eventEmpty) {
        prompts().information(this, tr("Message"), tr("The event is empty!"), QMessageBox::Yes);
    } else {
        session().tally.events = counts.events.value_or(-1);
        session().tally.eventText =
            counts.events ? QString::number(*counts.events) : QStringLiteral("--");
    }
    session().tally.histories = counts.histories.value_or(-1);
    session().tally.historyText =
        counts.histories ? QString::number(*counts.histories) : QStringLiteral("--");
    showRecordCounts();
}

// The count labels from what was read, in the current language.
void BMSMainWin::showRecordCounts() {
    const auto text = [](const QString& shown, const QString& caption, const QString& missing,
                         const QString& label) {
        if (shown.isEmpty())
            return caption;
        return shown == "--" ? missing : label + shown;
    };
    ui->EventNumLab->setText(text(session().tally.eventText, tr("Number of events:"),
                                  tr("Number of events: --"), tr("Number of events: ")));
    ui->HistNumLab->setText(text(session().tally.historyText, tr("Number of histories: "),
                                 tr("Number of histories: --"), tr("Number of histories: ")));
}

void BMSMainWin::EventListParse(const QString& text) {
    applyListingText(RecordKind::Event, text);
}

void BMSMainWin::HistoryListParse(const QString& text) {
    applyListingText(RecordKind::History, text);
}

void BMSMainWin::applyListingText(RecordKind kind, const QString& text) {
    qDebug() << "Command:" << currentCommand();
    const ListingAnswer answer = session().listing().take(kind, text);
    if (answer.kept || answer.dropped) {
        qDebug() << (answer.kept ? "page kept until its marker:" : "listing text dropped:")
                 << text.size() << "characters";
        return;
    }
    static const char* const kPageLog[] = {"unmarked data:", "Item data:", "Item completed data:",
                                           "continued data:", "completed data:"};
    qDebug() << kPageLog[int(answer.page)] << answer.text;
    if (answer.layout)
        applyRecordLayout(*answer.layout);
    if (answer.clearRows)
        m_recordModel->removeRows(0, m_recordModel->rowCount());
    qDebug() << "EventData:" << answer.records.size() << "records";
    appendRecords(m_recordModel, answer.records, session().listing().maskLayout());
    ui->DataListlView->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (answer.clearRows)
        widenInteractiveColumns(ui->DataListlView);
    showListingEnd(kind, answer.end, answer.text);
}

void BMSMainWin::applyRecordLayout(bool maskLayout) {
    if (maskLayout)
        qDebug() << "Mask data: 17 columns";
    setRecordColumns(m_recordModel, recordHeaders(maskLayout));
    ui->DataListlView->horizontalHeader()->setVisible(true);
    fitRecordHeader(ui->DataListlView->horizontalHeader(), maskLayout);
}

void BMSMainWin::showListingEnd(RecordKind kind, ListingEnd end, const QString& text) {
    const bool event = kind == RecordKind::Event;
    QString message;
    switch (end) {
    case ListingEnd::None:
        return;
    case ListingEnd::Completed:
        qDebug() << "datalist completed";
        message = event ? tr("The event Command completed successfully!")
                        : tr("The history Command completed successfully!");
        break;
    case ListingEnd::Failed:
        message = event ? tr("The event Command fail to excute!Please click \"Event\"!")
                        : tr("The history Command fail to excute!Please click \"History\"!");
        break;
    case ListingEnd::Unknown:
        qDebug() << "unknown data:" << text;
        message = event ? tr("The Unknown Command!Please click \"Event\"!")
                        : tr("The Unknown Command!Please click \"History\"!");
        break;
    }
    prompts().information(this, tr("Message"), message, QMessageBox::Yes);
}

// A double-click asks the unit for the record's full text; RecordDetailParse shows it.
void BMSMainWin::ClickEventShow(QModelIndex IndexClick) {
    qDebug() << "index" << IndexClick;
    QString item;
    if (IndexClick.isValid()) {
        item = IndexClick.model()->index(IndexClick.row(), 0).data().toString();
        qDebug() << "EventItem:" << item;
    }
    SendCommand("data " + session().tally.kind + " " + item);
    DelayMs(kDetailRequestWaitMs);
}

void BMSMainWin::RecordDetailParse(const QString& reply) {
    qDebug() << "Command:" << currentCommand();
    qDebug() << "data lenth:" << reply.size();
    auto* window = new DataEvent(); // top-level; frees itself when closed
    // One still open goes with the main window (the connection ends if it closes first).
    connect(this, &QObject::destroyed, window, [window] { delete window; });
    window->setText(reply);
    placeOver(window, this);
    window->show();
}
