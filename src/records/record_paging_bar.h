#pragma once
// The records page's paging line under the buttons: which rows the table shows of how many,
// whether the page is still coming or where "Read all" stands, and the "Read all" button,
// which reads "Stop" while it runs.

#include "records/record_listing.h"

#include <QWidget>

class QLabel;
class QPushButton;

class RecordPagingBar : public QWidget {
    Q_OBJECT
public:
    explicit RecordPagingBar(QWidget* parent = nullptr);

    void showProgress(const ListingProgress& progress);
    void retranslate();
    QString rowsText() const;
    QString stateText() const;

signals:
    // The button was pressed: start reading every page (true) or stop (false).
    void readAllRequested(bool start);

private:
    QLabel* m_rows = nullptr;
    QLabel* m_state = nullptr;
    QPushButton* m_readAll = nullptr;
    ListingProgress m_shown;
};
