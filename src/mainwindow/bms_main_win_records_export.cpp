// The records page's export: the record table as an .xlsx workbook.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/records_page.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

void BMSMainWin::HisDownBtn_clicked() {
    // A listing still paging: the user is told how many records have arrived and asked
    // first; afterwards the listing is over, so Event and History work again.
    if (!m_records->endListingFirst(true))
        return;
    const QString folder = m_settings->value("path/downpath", ".").toString();
    const QString fileName = prompts().saveFileName(ui->DataListlView, tr("choose a file"), folder,
                                                    QStringLiteral("Excel (*.xlsx)"));
    if (fileName.isEmpty())
        return;
    if (m_records->table().exportTo(fileName, this)) {
        m_records->table().clearRows();
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
