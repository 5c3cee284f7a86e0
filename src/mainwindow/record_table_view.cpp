#include "mainwindow/record_table_view.h"

#include "records/record_paging_bar.h"
#include "records/record_table.h"
#include "records/records_constants.h"
#include "records/workbook_writer.h"
#include "session/unit_session.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QBoxLayout>
#include <QDebug>
#include <QHeaderView>
#include <QStandardItemModel>

RecordTableView::RecordTableView(Ui::BMSMainWin* form, QObject* context,
                                 const std::function<void(bool)>& readAll)
    : ui(form) {
    m_recordModel = new QStandardItemModel(ui->DataListlView);
    setRecordColumns(m_recordModel, recordHeaders(false));
    ui->DataListlView->setModel(m_recordModel);
    useRecordHeader(ui->DataListlView);
    ui->DataListlView->horizontalHeader()->setVisible(true);
    fitRecordHeader(ui->DataListlView->horizontalHeader(), false);
    m_pagingBar = new RecordPagingBar(ui->DataListlView->parentWidget());
    if (auto* column = qobject_cast<QBoxLayout*>(ui->DataListlView->parentWidget()->layout()))
        column->insertWidget(column->indexOf(ui->DataListlView), m_pagingBar);
    QObject::connect(m_pagingBar, &RecordPagingBar::readAllRequested, context, readAll);
}

QStringList RecordTableView::recordHeaders(bool maskLayout) const {
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

void RecordTableView::retranslate(const RecordTally& tally, const ListingProgress& progress) {
    m_recordModel->setHorizontalHeaderLabels(
        recordHeaders(m_recordModel->columnCount() == kMaskColumns));
    widenInteractiveColumns(ui->DataListlView);
    showCounts(tally);
    showPaging(progress);
}

void RecordTableView::clearRows() {
    m_recordModel->removeRows(0, m_recordModel->rowCount());
}

void RecordTableView::applyLayout(bool maskLayout) {
    if (maskLayout)
        qDebug() << "Mask data: 17 columns";
    setRecordColumns(m_recordModel, recordHeaders(maskLayout));
    ui->DataListlView->horizontalHeader()->setVisible(true);
    fitRecordHeader(ui->DataListlView->horizontalHeader(), maskLayout);
}

void RecordTableView::append(const QVector<EventRecord>& records, bool maskLayout, bool fromStart,
                             int firstPageRow) {
    const int firstNew = m_recordModel->rowCount();
    appendRecords(m_recordModel, records, maskLayout);
    QHeaderView* header = ui->DataListlView->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (fromStart)
        widenInteractiveColumns(ui->DataListlView);
    else if (firstNew > 0 && firstNew == firstPageRow)
        ui->DataListlView->scrollTo(m_recordModel->index(firstNew, 0),
                                    QAbstractItemView::PositionAtTop);
}

// The count labels from what was read, in the current language.
void RecordTableView::showCounts(const RecordTally& tally) {
    const auto text = [](const QString& shown, const QString& caption, const QString& missing,
                         const QString& label) {
        if (shown.isEmpty())
            return caption;
        return shown == "--" ? missing : label + shown;
    };
    ui->EventNumLab->setText(text(tally.eventText, tr("Number of events:"),
                                  tr("Number of events: --"), tr("Number of events: ")));
    ui->HistNumLab->setText(text(tally.historyText, tr("Number of histories: "),
                                 tr("Number of histories: --"), tr("Number of histories: ")));
}

void RecordTableView::showPaging(const ListingProgress& progress) {
    m_pagingBar->showProgress(progress);
    ui->ContinueBtn->setEnabled(!progress.pageComing);
    ui->ContinueBtn->setToolTip(progress.pageComing ? m_pagingBar->stateText() : QString());
}

bool RecordTableView::exportTo(const QString& fileName, QWidget* parent) {
    const int columns = m_recordModel->columnCount();
    const int rows = m_recordModel->rowCount();
    bool ok = true;
    WorkbookWriter book(fileName);
    for (int c = 0; c < columns; ++c)
        book.writeHeader(c, m_recordModel->headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            book.writeCell(r, c, exportCell(r, c, ok, parent));
    }
    QString error;
    if (!book.save(&error)) {
        qDebug() << "workbook not written:" << fileName << error;
        ok = false;
    }
    return ok;
}

QString RecordTableView::exportCell(int row, int column, bool& ok, QWidget* parent) {
    const QModelIndex index = m_recordModel->index(row, column);
    if (!index.isValid()) {
        prompts().warning(parent, tr("warning"), tr("Index is invalid"), QMessageBox::Yes);
        ok = false;
        return QStringLiteral("Index InValid");
    }
    const QVariant data = index.data();
    if (!data.isValid()) {
        prompts().warning(parent, tr("warning"), tr("Data is invalid"), QMessageBox::Yes);
        ok = false;
        return QStringLiteral("Data InValid");
    }
    return data.toString();
}
