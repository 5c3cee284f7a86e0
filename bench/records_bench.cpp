// A whole event log of 250 records read in the real window from the simulated unit at its
// default speed, once with "Read all" and once with Continue clicked as soon as the button
// takes it (its prompt arrived and the 1.3 s cooldown over: 24 clicks). Each run is timed
// from the Event click to the last row in the table. The last line:
//
//   records: events=250 read_all_s=A clicks_s=B
//
// Exit status 0 when A <= 12 and B / A >= 2.5.

#include "sim_session.h"
#include "ui_bms_main_win.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStandardItemModel>

#include <cstdio>

namespace {

constexpr int kEvents = 250;
constexpr int kCooldownMs = 1300;        // Continue's own cooldown
constexpr int kListingTimeoutMs = 90000; // far beyond either way
constexpr double kReadAllBudgetS = 12.0;
constexpr double kMinSpeedUp = 2.5;

// Seconds from the Event click to the last row; a negative value when it never came.
double readLog(bool readAll) {
    SimSession s({"--events", QString::number(kEvents), "--seed", "4"});
    BMSMainWin& w = s.w;
    if (!s.login())
        return -1.0;
    w.HistoryBtn_clicked();
    if (!waitFor([&] { return w.session().tally.events == kEvents; }, 5000))
        return -1.0;
    QAbstractItemModel* model = w.form()->DataListlView->model();
    QPushButton* next = w.form()->ContinueBtn;
    QElapsedTimer clock;
    clock.start();
    w.HisEveBtn_clicked();
    if (readAll)
        w.findChild<QPushButton*>("ReadAllBtn")->click();
    QElapsedTimer sinceClick;
    const auto lastRow = [&] {
        if (!readAll && next->isEnabled() && w.session().listing().isOpen(RecordKind::Event) &&
            (!sinceClick.isValid() || sinceClick.hasExpired(kCooldownMs))) {
            next->click();
            sinceClick.start();
        }
        return model->rowCount() == kEvents;
    };
    if (!waitFor(lastRow, kListingTimeoutMs))
        return -1.0;
    return clock.elapsed() / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double readAll = readLog(true);
    const double clicks = readLog(false);
    std::printf("records: events=%d read_all_s=%.2f clicks_s=%.2f\n", kEvents, readAll, clicks);
    const bool met =
        readAll > 0 && clicks > 0 && readAll <= kReadAllBudgetS && clicks / readAll >= kMinSpeedUp;
    return met ? 0 : 1;
}
