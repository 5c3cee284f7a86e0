#pragma once
// The record table: the cells a record shows in either layout, the model's columns and the
// header's resize modes, and the rows added page by page.

#include "records/record_listing.h"

#include <QHeaderView>
#include <QStringList>
#include <QVector>

class QStandardItemModel;
class QTableView;

// A horizontal header whose texts wrap onto two lines: the long cell-extreme captions need
// about half their one-line width, so more of the table fits the window. Every mode sizes
// a section by its wrapped text; the header is two lines high.
class RecordHeader : public QHeaderView {
public:
    explicit RecordHeader(QWidget* parent = nullptr);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

// Gives the table a RecordHeader.
void useRecordHeader(QTableView* table);

// The shown cells of a record: all 17 fields with the mask column, else 16 without it.
QStringList recordCells(const EventRecord& record, bool maskLayout);

// Gives the model the layout's columns with these (translated) header texts.
void setRecordColumns(QStandardItemModel* model, const QStringList& headers);

// Interactive columns of the default width for item to temperature (and the mask), the
// cell extremes, states, charge and events fitted to their contents.
void fitRecordHeader(QHeaderView* header, bool maskLayout);

// Widens the interactive columns whose shown text needs more than the default width (a
// date in the table's 12-point font does, and so do some headers in other languages); the
// user can still resize them.
void widenInteractiveColumns(QTableView* view);

// Adds the records below the rows already there, every cell centred.
void appendRecords(QStandardItemModel* model, const QVector<EventRecord>& records, bool maskLayout);
