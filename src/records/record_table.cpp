#include "records/record_table.h"

#include <QHeaderView>
#include <QStandardItemModel>

QStringList recordCells(const EventRecord& record, bool maskLayout) {
    QStringList cells;
    cells.reserve(kRecordFields);
    for (int f = 0; f < kRecordFields; ++f) {
        if (f != kMaskField || maskLayout)
            cells.append(record.fields[f]);
    }
    return cells;
}

void setRecordColumns(QStandardItemModel* model, const QStringList& headers) {
    model->setColumnCount(headers.size());
    model->setHorizontalHeaderLabels(headers);
}

void fitRecordHeader(QHeaderView* header, bool maskLayout) {
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultSectionSize(kRecordSectionSize);
    header->setCascadingSectionResizes(false);
    const int columns = maskLayout ? kMaskColumns : kPlainColumns;
    for (int c = kFirstFittedColumn; c < columns; ++c) {
        if (!(maskLayout && c == kMaskField))
            header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
}

void appendRecords(QStandardItemModel* model, const QVector<EventRecord>& records,
                   bool maskLayout) {
    for (const EventRecord& record : records) {
        QList<QStandardItem*> row;
        const QStringList cells = recordCells(record, maskLayout);
        for (const QString& cell : cells) {
            auto* item = new QStandardItem(cell);
            item->setTextAlignment(Qt::AlignCenter);
            row.append(item);
        }
        model->appendRow(row);
    }
}
