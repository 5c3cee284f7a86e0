#include "records/record_table.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyleOptionHeader>
#include <QTableView>

#include <algorithm>

QStringList recordCells(const EventRecord& record, bool maskLayout) {
    QStringList cells;
    cells.reserve(kRecordFields);
    for (int f = 0; f < kRecordFields; ++f) {
        if (f != kMaskField || maskLayout)
            cells.append(record.fields[f]);
    }
    return cells;
}

RecordHeader::RecordHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    setTextElideMode(Qt::ElideNone);
    setSectionsClickable(true);
    setHighlightSections(false);
}

QSize RecordHeader::sectionSizeFromContents(int logicalIndex) const {
    if (!model())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    const QStringList words =
        model()->headerData(logicalIndex, orientation()).toString().split(' ', Qt::SkipEmptyParts);
    // Every break between words, measured by the style with the font it paints in; one-word
    // texts get an empty second line, so that all sections are equally high.
    QSize best;
    for (int split = 1; split <= std::max(1, int(words.size()) - 1); ++split) {
        option.text = words.mid(0, split).join(' ') + '\n' + words.mid(split).join(' ');
        const QSize size =
            style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
        if (!best.isValid() || size.width() < best.width())
            best = size;
    }
    return best;
}

void useRecordHeader(QTableView* table) {
    table->setHorizontalHeader(new RecordHeader(table));
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

void widenInteractiveColumns(QTableView* table) {
    QHeaderView* header = table->horizontalHeader();
    const QAbstractItemView* view = table; // where the size hint is public
    for (int c = 0; c < header->count(); ++c) {
        if (header->sectionResizeMode(c) == QHeaderView::Interactive)
            header->resizeSection(c, std::max({kRecordSectionSize, view->sizeHintForColumn(c),
                                               header->sectionSizeHint(c)}));
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
