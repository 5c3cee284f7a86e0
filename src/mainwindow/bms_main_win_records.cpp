// The records page's buttons; the listings, the table and the counts are RecordsPage's.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/records_page.h"

void BMSMainWin::HisEveBtn_clicked() {
    m_records->requestListing(RecordKind::Event);
}

void BMSMainWin::HistBtn_clicked() {
    m_records->requestListing(RecordKind::History);
}

void BMSMainWin::ContinueBtn_clicked() {
    m_records->continueListing();
}

void BMSMainWin::RefleshBtn_clicked() {
    m_records->refresh();
}

void BMSMainWin::ClickEventShow(QModelIndex IndexClick) {
    m_records->showDetail(IndexClick);
}
