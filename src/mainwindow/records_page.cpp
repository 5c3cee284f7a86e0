#include "mainwindow/records_page.h"

#include "mainwindow/bms_main_win.h"

#include "mainwindow/window_geometry.h"
#include "records/record_requests.h"
#include "records/records_constants.h"
#include "serial/my_serial.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QDebug>
#include <QElapsedTimer>

namespace {
// Enter for the next page; nothing is written while the port is closed.
void writeEnter(MySerial* serial, bool portOpen, RecordListing& listing) {
    if (!portOpen)
        return;
    serial->write(QStringLiteral("\r"));
    listing.continued();
}

QString refusalText(RecordKind kind, StartRefusal refusal, int count) {
    const bool event = kind == RecordKind::Event;
    QString text;
    switch (refusal) {
    case StartRefusal::ListingOpen:
        text = event
                   ? RecordsPage::tr(
                         "Can't click \"Event\", Please click \"continue\" or click \"reflash\" "
                         "or wait!")
                   : RecordsPage::tr("Can't click \"History\", Please click \"continue\" or click "
                                     "\"reflash\" or wait!");
        break;
    case StartRefusal::OtherListingOpen:
        text = event
                   ? RecordsPage::tr("Can't click \"Event\", the history record is being viewed!")
                   : RecordsPage::tr("Can't click \"History\", the event record is being viewed!");
        break;
    case StartRefusal::NoRecords:
        text = event
                   ? RecordsPage::tr("The number of events is zero or events not obtained!")
                   : RecordsPage::tr("The number of histories is zero or histories not obtained!");
        break;
    case StartRefusal::NotANumber:
        text = RecordsPage::tr("Please enter a number!");
        break;
    case StartRefusal::OutOfRange:
        text = RecordsPage::tr("Please enter a number from 1 to %1!").arg(count);
        break;
    case StartRefusal::None:
        break;
    }
    return text;
}

// The message that ends a listing; empty when none is shown.
QString listingEndText(RecordKind kind, ListingEnd end, const QString& text) {
    const bool event = kind == RecordKind::Event;
    QString message;
    switch (end) {
    case ListingEnd::None:
        return QString();
    case ListingEnd::Quit:
        qDebug() << "listing left:" << text;
        return QString();
    case ListingEnd::Completed:
        qDebug() << "datalist completed";
        message = event ? RecordsPage::tr("The event Command completed successfully!")
                        : RecordsPage::tr("The history Command completed successfully!");
        break;
    case ListingEnd::Failed:
        message =
            event ? RecordsPage::tr("The event Command fail to excute!Please click \"Event\"!")
                  : RecordsPage::tr("The history Command fail to excute!Please click \"History\"!");
        break;
    case ListingEnd::Unknown:
        qDebug() << "unknown data:" << text;
        message = event ? RecordsPage::tr("The Unknown Command!Please click \"Event\"!")
                        : RecordsPage::tr("The Unknown Command!Please click \"History\"!");
        break;
    }
    return message;
}
} // namespace

RecordsPage::RecordsPage(BMSMainWin& window) : w(window), ui(window.ui) {
    m_recordTable =
        std::make_unique<RecordTableView>(ui, &w, [this](bool start) { readAll(start); });
    showPaging();
}

void RecordsPage::retranslate() {
    m_recordTable->retranslate(w.session().tally, w.session().listing().progress());
}

void RecordsPage::clear() {
    m_recordTable->showCounts(w.session().tally);
    m_recordTable->clearRows();
}

void RecordsPage::requestListing(RecordKind kind) {
    const bool event = kind == RecordKind::Event;
    const RecordKind other = event ? RecordKind::History : RecordKind::Event;
    const int count = event ? w.session().tally.events : w.session().tally.histories;
    const StartCheck check =
        checkStartNumber(w.session().listing().isOpen(kind), w.session().listing().isOpen(other),
                         count, ui->StartNumEdit->text());
    if (check.refusal != StartRefusal::None) {
        prompts().information(&w, tr("Message"), refusalText(kind, check.refusal, count),
                              QMessageBox::Yes);
        return;
    }
    if (!w.m_portOpen)
        return;
    w.session().tally.kind = event ? QStringLiteral("event") : QStringLiteral("history");
    const QString command =
        QStringLiteral("datalist %1 %2").arg(w.session().tally.kind).arg(check.startIndex);
    // The records from the start to the log's end, when the count is known.
    const std::optional<int> total =
        count >= 1 ? std::optional<int>(count - check.startIndex) : std::nullopt;
    w.session().listing().expect(kind, command, total);
    w.SendCommand(command);
    showPaging();
    BMSMainWin::DelayMs(kListingRequestWaitMs);
}

// The next page of a record listing: a bare carriage return once the page's prompt has
// arrived, at most one per 1.3 s.
void RecordsPage::continueListing() {
    switch (w.session().listing().checkContinue(w.session().continueCooldown().isActive())) {
    case ContinueCheck::NoListing:
        prompts().information(&w, tr("Message"),
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
        prompts().warning(&w, tr("warning"),
                          tr("The operation is too frequent!\nPlease try again later!"),
                          QMessageBox::Yes);
        return;
    case ContinueCheck::Send:
        break;
    }
    // The interval is set at the start only: setInterval on a running timer restarts it, so
    // a refused press would lengthen the cooldown.
    w.session().continueCooldown().start(kContinueCooldownMs);
    writeEnter(w.m_serial, w.m_portOpen, w.session().listing());
    showPaging();
    BMSMainWin::DelayMs(kContinueWaitMs);
}

// Reads every page: Enter as soon as each prompt arrives. The unit waits at its prompt, so
// the cooldown that guards the user's clicks does not apply.
void RecordsPage::readAll(bool start) {
    if (start && !w.session().listing().progress().open) {
        prompts().information(&w, tr("Message"),
                              tr("Can't continue, Please click \"Event\" or \"History\"!"),
                              QMessageBox::Yes);
        return;
    }
    w.session().listing().setReadAll(start);
    if (start && w.session().listing().atPrompt())
        writeEnter(w.m_serial, w.m_portOpen, w.session().listing());
    showPaging();
}

// Ends a listing that is still paging before the line is used otherwise: the unit leaves
// paging at any key but Enter, and the listing would wait for a page that never comes. A
// page still arriving is waited for first, so that its rows are kept. With askExport the
// user is asked whether the rows so far are to be exported; false when declined.
bool RecordsPage::endListingFirst(bool askExport) {
    if (!w.session().listing().progress().open)
        return true;
    w.session().listing().setReadAll(false);
    QElapsedTimer waited;
    waited.start();
    while (w.m_portOpen && w.session().listing().pageComing() && !waited.hasExpired(kPageSettleMs))
        BMSMainWin::DelayMs(kPageSettleStepMs);
    const ListingProgress p = w.session().listing().progress();
    if (!p.open) {
        showPaging();
        return true; // it ended on its own meanwhile
    }
    if (askExport) {
        const QString question =
            p.total ? tr("%1 of %2 records have arrived. Export them?").arg(p.rows).arg(*p.total)
                    : tr("%1 records have arrived. Export them?").arg(p.rows);
        if (prompts().question(&w, tr("Message"), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::NoButton) != QMessageBox::Yes) {
            showPaging();
            return false;
        }
    }
    if (w.m_portOpen)
        w.m_serial->write(kQuitPagingKey);
    qDebug() << "listing ended after" << p.rows << "records";
    w.session().listing().end();
    showPaging();
    return true;
}

void RecordsPage::showPaging() {
    m_recordTable->showPaging(w.session().listing().progress());
}

void RecordsPage::refresh() {
    m_recordTable->clearRows();
    w.SendCommand(QStringLiteral("data"));
    w.session().listing().reset();
    showPaging();
}

void RecordsPage::DataNumberParse(const QString& reply) {
    const RecordCounts counts = parseRecordCounts(reply);
    if (counts.eventEmpty) {
        prompts().information(&w, tr("Message"), tr("The event is empty!"), QMessageBox::Yes);
    } else {
        w.session().tally.events = counts.events.value_or(-1);
        w.session().tally.eventText =
            counts.events ? QString::number(*counts.events) : QStringLiteral("--");
    }
    w.session().tally.histories = counts.histories.value_or(-1);
    w.session().tally.historyText =
        counts.histories ? QString::number(*counts.histories) : QStringLiteral("--");
    m_recordTable->showCounts(w.session().tally);
}

void RecordsPage::EventListParse(const QString& text) {
    applyListingText(RecordKind::Event, text);
}

void RecordsPage::HistoryListParse(const QString& text) {
    applyListingText(RecordKind::History, text);
}

// Rows are added as their lines end; a page's prompt lets Continue (or "Read all") go on.
void RecordsPage::applyListingText(RecordKind kind, const QString& text) {
    qDebug() << "Command:" << w.session().currentCommand();
    const ListingAnswer answer = w.session().listing().take(kind, text);
    if (answer.dropped)
        qDebug() << "listing text dropped: a line without end";
    if (answer.layout)
        m_recordTable->applyLayout(*answer.layout);
    if (answer.clearRows)
        m_recordTable->clearRows();
    if (!answer.records.isEmpty()) {
        qDebug() << "EventData:" << answer.records.size() << "records";
        m_recordTable->append(answer.records, w.session().listing().maskLayout(), answer.clearRows,
                              w.session().listing().progress().firstPageRow);
    }
    if (answer.pageDone && w.session().listing().readingAll() && w.session().listing().atPrompt())
        writeEnter(w.m_serial, w.m_portOpen, w.session().listing());
    showPaging();
    const QString end = listingEndText(kind, answer.end, answer.endLine);
    if (!end.isEmpty())
        prompts().information(&w, tr("Message"), end, QMessageBox::Yes);
}

// A double-click asks the unit for the record's full text; RecordDetailParse shows it.
void RecordsPage::showDetail(const QModelIndex& IndexClick) {
    qDebug() << "index" << IndexClick;
    endListingFirst(false);
    QString item;
    if (IndexClick.isValid()) {
        item = IndexClick.model()->index(IndexClick.row(), 0).data().toString();
        qDebug() << "EventItem:" << item;
    }
    w.SendCommand("data " + w.session().tally.kind + " " + item);
    BMSMainWin::DelayMs(kDetailRequestWaitMs);
}

void RecordsPage::RecordDetailParse(const QString& reply) {
    qDebug() << "Command:" << w.session().currentCommand();
    qDebug() << "data lenth:" << reply.size();
    auto* window = new DataEvent(); // top-level; frees itself when closed
    // One still open goes with the main window (the connection ends if it closes first).
    QObject::connect(&w, &QObject::destroyed, window, [window] { delete window; });
    window->setText(reply);
    placeOver(window, &w);
    window->show();
}
