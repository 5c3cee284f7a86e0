// The records page's export: the record table as an .xlsx workbook.
#include "mainwindow/bms_main_win.h"

#include "toolbox/prompts.h"
#include "records/workbook_writer.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QDesktopServices>
#include <QSettings>
#include <QStandardItemModel>
#include <QUrl>

void BMSMainWin::HisDownBtn_clicked() {
    // A listing still paging: the user is told how many records have arrived and asked
    // first; afterwards the listing is over, so Event and History work again.
    if (!endListingFirst(true))
        return;
    const QString folder = m_settings->value("path/downpath", ".").toString();
    const QString fileName = prompts().saveFileName(ui->DataListlView, tr("choose a file"), folder,
                                                    QStringLiteral("Excel (*.xlsx)"));
    if (fileName.isEmpty())
        return;
    if (exportRecords(fileName)) {
        m_recordModel->removeRows(0, m_recordModel->rowCount());
        const auto answer = prompts().question(
            this, tr("finish"),
            tr("Historical data table exported successfully!\nwould you like to view it now?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
        if (answer == QMessageBox::Yes)
            QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    } else {
        prompts().warning(this, tr("warning"),
                          tr("Historical data table export failed, please try again!"),
                          QMessageBox::Yes);
    }
    const QString downPath = fileName.left(fileName.lastIndexOf('/'));
    m_settings->setValue("path/downpath", downPath);
    qDebug() << "downpath" << downPath;
}

// Writes the table, header row included; false when a cell was unreadable or the file
// could not be written (then the table keeps its rows).
bool BMSMainWin::exportRecords(const QString& fileName) {
    const int columns = m_recordModel->columnCount();
    const int rows = m_recordModel->rowCount();
    bool ok = true;
    WorkbookWriter book(fileName);
    for (int c = 0; c < columns; ++c)
        book.writeHeader(c, m_recordModel->headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            book.writeCell(r, c, exportCell(r, c, ok));
    }
    QString error;
    if (!book.save(&error)) {
        qDebug() << "workbook not written:" << fileName << error;
        ok = false;
    }
    return ok;
}

QString BMSMainWin::exportCell(int row, int column, bool& ok) {
    const QModelIndex index = m_recordModel->index(row, column);
    if (!index.isValid()) {
        prompts().warning(this, tr("warning"), tr("Index is invalid"), QMessageBox::Yes);
        ok = false;
        return QStringLiteral("Index InValid");
    }
    const QVariant data = index.data();
    if (!data.isValid()) {
        prompts().warning(this, tr("warning"), tr("Data is invalid"), QMessageBox::Yes);
        ok = false;
        return QStringLiteral("Data InValid");
    }
    return data.toString();
}
