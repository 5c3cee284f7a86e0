#pragma once
// The records page's table: the model in the form's record view with the headers of either
// layout, the paging bar above it, the two count labels, and the table's export as an .xlsx
// workbook. What is listed, and when, is RecordListing's; this class only shows it.

#include "records/record_listing.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QObject;
class QStandardItemModel;
class QWidget;
class RecordPagingBar;
struct RecordTally;
namespace Ui {
class BMSMainWin;
}

class RecordTableView {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    // The model into the form's view and the paging bar above it; `readAll` gets the bar's
    // "Read all" (true) and its stop (false).
    RecordTableView(Ui::BMSMainWin* ui, QObject* context, const std::function<void(bool)>& readAll);
    RecordTableView(const RecordTableView&) = delete;
    RecordTableView& operator=(const RecordTableView&) = delete;

    void clearRows();
    // The columns and headers of a layout: with the mask column, or without.
    void applyLayout(bool maskLayout);
    // Adds a page's records below the rows there; a listing's first page (`fromStart`)
    // widens the columns, a later first page of this request is scrolled to.
    void append(const QVector<EventRecord>& records, bool maskLayout, bool fromStart,
                int firstPageRow);
    void showCounts(const RecordTally& tally);
    // The Continue button waits for the page's prompt; the paging line says where it stands.
    void showPaging(const ListingProgress& progress);
    // Headers in the new language for the layout the table has now.
    void retranslate(const RecordTally& tally, const ListingProgress& progress);
    // Writes the table, header row included; false when a cell was unreadable (told in
    // `parent`) or the file could not be written.
    bool exportTo(const QString& fileName, QWidget* parent);

private:
    QStringList recordHeaders(bool maskLayout) const;
    QString exportCell(int row, int column, bool& ok, QWidget* parent);

    Ui::BMSMainWin* ui;
    QStandardItemModel* m_recordModel = nullptr;
    RecordPagingBar* m_pagingBar = nullptr; // rows shown, page coming, "Read all"
};
