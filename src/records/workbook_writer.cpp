#include "records/workbook_writer.h"

#include "records/records_constants.h"

#include <QFile>

#include <xlsxwriter.h>

namespace {
lxw_format* centredWithBorder(lxw_workbook* book, bool bold) {
    lxw_format* f = workbook_add_format(book);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_border(f, LXW_BORDER_THIN);
    if (bold)
        format_set_bold(f);
    return f;
}
} // namespace

WorkbookWriter::WorkbookWriter(const QString& path) {
    m_book = workbook_new(QFile::encodeName(path).constData());
    if (!m_book) {
        m_firstError = LXW_ERROR_MEMORY_MALLOC_FAILED;
        return;
    }
    m_sheet = workbook_add_worksheet(m_book, nullptr);
    m_header = centredWithBorder(m_book, true);
    m_cell = centredWithBorder(m_book, false);
}

WorkbookWriter::~WorkbookWriter() {
    if (m_book)
        lxw_workbook_free(m_book); // never saved: nothing is written
}

void WorkbookWriter::note(int result) {
    if (result != LXW_NO_ERROR && m_firstError == LXW_NO_ERROR)
        m_firstError = result;
}

void WorkbookWriter::writeHeader(int column, const QString& text) {
    if (!m_sheet)
        return;
    note(
        worksheet_write_string(m_sheet, 0, lxw_col_t(column), text.toUtf8().constData(), m_header));
    note(worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), kWorkbookColumnWidth,
                              nullptr));
}

void WorkbookWriter::writeCell(int row, int column, const QString& text) {
    if (!m_sheet)
        return;
    note(worksheet_write_string(m_sheet, lxw_row_t(row + 1), lxw_col_t(column),
                                text.toUtf8().constData(), m_cell));
}

bool WorkbookWriter::save(QString* error) {
    if (m_book) {
        note(workbook_close(m_book));
        m_book = nullptr;
        m_sheet = nullptr;
    }
    if (m_firstError != LXW_NO_ERROR && error)
        *error = QString::fromUtf8(lxw_strerror(lxw_error(m_firstError)));
    return m_firstError == LXW_NO_ERROR;
}
