// The records page: event and history counts, paged listings and the record table. The
// listing's state and its reading of the unit's text live in RecordListing; this file asks
// it and applies the answers to the table, the flags and the message boxes.
#include "mainwindow/bms_main_win.h"

#include "toolbox/prompts.h"
#include "mainwindow/window_geometry.h"
#include "records/record_paging_bar.h"
#include "records/record_table.h"
#include "records/records_constants.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QBoxLayout>
#include <QDebug>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QStandardItemModel>

namespace {
// Enter for the next page; nothing is written while the port is closed.
void writeEnter(MySerial* serial, bool portOpen, RecordListing& listing) {
    if (!portOpen)
        return;
    serial->write(QStringLiteral("\r"));
    listing.continued();
}
} // namespace

void BMSMainWin::initRecordsPage() {
    m_recordModel = new QStandardItemModel(ui->DataListlView);
    setRecordColumns(m_recordModel, recordHeaders(false));
    ui->DataListlView->setModel(m_recordModel);
    useRecordHeader(ui->DataListlView);
    ui->DataListlView->horizontalHeader()->setVisible(true);
    fitRecordHeader(ui->DataListlView->horizontalHeader(), false);
    m_pagingBar = new RecordPagingBar(ui->DataListlView->parentWidget());
    if (auto* column = qobject_cast<QBoxLayout*>(ui->DataListlView->parentWidget()->layout()))
        column->insertWidget(column->indexOf(ui->DataListlView), m_pagingBar);
    connect(m_pagingBar, &RecordPagingBar::readAllRequested, this, &BMSMainWin::ReadAllRequested);
    showPaging();
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
    showPaging();
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
    // The records from the start to the log's end, when the count is known.
    const std::optional<int> total =
        count >= 1 ? std::optional<int>(count - check.startIndex) : std::nullopt;
    session().listing().expect(kind, command, total);
    SendCommand(command);
    showPaging();
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

// The next page of a record listing: a bare carriage return once the page's prompt has
// arrived, at most one per 1.3 s.
void BMSMainWin::ContinueBtn_clicked() {
    switch (session().listing().checkContinue(session().continueCooldown().isActive())) {
    case ContinueCheck::NoListing:
        prompts().information(this, tr("Message"),
                              tr("Can't continue, Please click \"Event\" or \"History\"!"),
                              QMessageBox::Yes);
        return;
    case ContinueCheck::PageComing:
        // The button is disabled until the prompt; an Enter now would part the listing
        // from the text still in flight.
        qDebug() << "page still coming, Continue not taken";
        showPaging();
        return;
    case ContinueCheck::TooFrequent:
        prompts().warning(this, tr("warning"),
                          tr("The operation is too frequent!\nPlease try again later!"),
                          QMessageBox::Yes);
        return;
    case ContinueCheck::Send:
        break;
    }
    // The interval is set at the start only: setInterval on a running timer restarts it, so
    // a refused press would lengthen the cooldown.
    session().continueCooldown().start(kContinueCooldownMs);
    writeEnter(m_serial, m_portOpen, session().listing());
    showPaging();
    DelayMs(kContinueWaitMs);
}

// Reads every page: Enter as soon as each prompt arrives. The unit waits at its prompt, so
// the cooldown that guards the user's clicks does not apply.
void BMSMainWin::ReadAllRequested(bool start) {
    if (start && !session().listing().progress().open) {
        prompts().information(this, tr("Message"),
                              tr("Can't continue, Please click \"Event\" or \"History\"!"),
                              QMessageBox::Yes);
        return;
    }
    session().listing().setReadAll(start);
    if (start && session().listing().atPrompt())
        writeEnter(m_serial, m_portOpen, session().listing());
    showPaging();
}

// Ends a listing that is still paging before the line is used otherwise: the unit leaves
// paging at any key but Enter, and the listing would wait for a page that never comes. A
// page still arriving is waited for first, so that its rows are kept. With askExport the
// user is asked whether the rows so far are to be exported; false when declined.
bool BMSMainWin::endListingFirst(bool askExport) {
    if (!session().listing().progress().open)
        return true;
    session().listing().setReadAll(false);
    QElapsedTimer waited;
    waited.start();
    while (m_portOpen && session().listing().pageComing() && !waited.hasExpired(kPageSettleMs))
        DelayMs(kPageSettleStepMs);
    const ListingProgress p = session().listing().progress();
    if (!p.open) {
        showPaging();
        return true; // it ended on its own meanwhile
    }
    if (askExport) {
        const QString question =
            p.total ? tr("%1 of %2 records have arrived. Export them?").arg(p.rows).arg(*p.total)
                    : tr("%1 records have arrived. Export them?").arg(p.rows);
        if (prompts().question(this, tr("Message"), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::NoButton) != QMessageBox::Yes) {
            showPaging();
            return false;
        }
    }
    if (m_portOpen)
        m_serial->write(kQuitPagingKey);
    qDebug() << "listing ended after" << p.rows << "records";
    session().listing().end();
    showPaging();
    return true;
}

// The Continue button waits for the page's prompt; the paging line says where it stands.
void BMSMainWin::showPaging() {
    const ListingProgress p = session().listing().progress();
    m_pagingBar->showProgress(p);
    ui->ContinueBtn->setEnabled(!p.pageComing);
    ui->ContinueBtn->setToolTip(p.pageComing ? m_pagingBar->stateText() : QString());
}

void BMSMainWin::RefleshBtn_clicked() {
    m_recordModel->removeRows(0, m_recordModel->rowCount());
    SendCommand(QStringLiteral("data"));
    session().listing().reset();
    showPaging();
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

// Rows are added as their lines end; a page's prompt lets Continue (or "Read all") go on.
void BMSMainWin::applyListingText(RecordKind kind, const QString& text) {
    qDebug() << "Command:" << currentCommand();
    const ListingAnswer answer = session().listing().take(kind, text);
    if (answer.dropped)
        qDebug() << "listing text dropped: a line without end";
    if (answer.layout)
        applyRecordLayout(*answer.layout);
    if (answer.clearRows)
        m_recordModel->removeRows(0, m_recordModel->rowCount());
    const int firstNew = m_recordModel->rowCount();
    if (!answer.records.isEmpty()) {
        qDebug() << "EventData:" << answer.records.size() << "records";
        appendRecords(m_recordModel, answer.records, session().listing().maskLayout());
        QHeaderView* header = ui->DataListlView->horizontalHeader();
        header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        if (answer.clearRows)
            widenInteractiveColumns(ui->DataListlView);
        else if (firstNew > 0 && firstNew == session().listing().progress().firstPageRow)
            ui->DataListlView->scrollTo(m_recordModel->index(firstNew, 0),
                                        QAbstractItemView::PositionAtTop);
    }
    if (answer.pageDone && session().listing().readingAll() && session().listing().atPrompt())
        writeEnter(m_serial, m_portOpen, session().listing());
    showPaging();
    showListingEnd(kind, answer.end, answer.endLine);
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
    case ListingEnd::Quit:
        qDebug() << "listing left:" << text;
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
    endListingFirst(false);
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
