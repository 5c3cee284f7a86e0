#pragma once
// A one-sheet .xlsx workbook of text cells: a bold header row, then the data rows, every
// cell centred with a thin border and every column kWorkbookColumnWidth wide. Nothing is
// written to disk before save().

#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

class WorkbookWriter {
public:
    explicit WorkbookWriter(const QString& path);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    void writeHeader(int column, const QString& text);
    // Row 0 is the first row below the header.
    void writeCell(int row, int column, const QString& text);
    // Writes the file. False, with the reason, when a cell or the file could not be written.
    bool save(QString* error);

private:
    void note(int result);

    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_header = nullptr;
    lxw_format* m_cell = nullptr;
    int m_firstError = 0;
};
