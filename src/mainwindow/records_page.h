#pragma once
// The records page: the event and history counts, the paged listings read into the record
// table, the Continue and "Read all" paging, and a record's full text. The listing's state
// and its reading of the unit's text live in RecordListing; this class asks it and applies
// the answers to the table, the flags and the message boxes, through the window's command
// channel. The window's button slots and reply dispatch forward here.

#include "mainwindow/record_table_view.h"

#include <QCoreApplication>
#include <QModelIndex>
#include <QString>

#include <memory>

class BMSMainWin;
namespace Ui {
class BMSMainWin;
}

class RecordsPage {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    explicit RecordsPage(BMSMainWin& window);
    RecordsPage(const RecordsPage&) = delete;
    RecordsPage& operator=(const RecordsPage&) = delete;

    RecordTableView& table() { return *m_recordTable; }
    void retranslate();
    // After a Logout: the counts as read (none) and no rows.
    void clear();

    // "Event" and "History": the listing from the start number given.
    void requestListing(RecordKind kind);
    // Continue: the next page, once its prompt has arrived, at most one per 1.3 s.
    void continueListing();
    // "Read all" (start) and its stop.
    void readAll(bool start);
    // "Reflesh": the counts read again, the table emptied.
    void refresh();
    // A double-click asks the unit for the record's full text; RecordDetailParse shows it.
    void showDetail(const QModelIndex& index);
    // Ends a listing that is still paging before the line is used otherwise; with askExport
    // the user may keep the rows so far; false when declined.
    bool endListingFirst(bool askExport);
    void showPaging();

    void DataNumberParse(const QString& reply);
    void RecordDetailParse(const QString& reply);
    void EventListParse(const QString& text);
    void HistoryListParse(const QString& text);

private:
    void applyListingText(RecordKind kind, const QString& text);

    BMSMainWin& w;
    Ui::BMSMainWin* ui;
    std::unique_ptr<RecordTableView> m_recordTable;
};
