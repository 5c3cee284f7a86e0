// The records page against the simulated unit: whole logs, paged or in one reply, equal what
// the unit printed; detail windows; the workbook read back by an independent reader.
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {
QStringList tableRow(QAbstractItemModel* m, int row) { // row -1: the headers
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << (row < 0 ? m->headerData(c, Qt::Horizontal) : m->index(row, c).data()).toString();
    return cells;
}

// The workbook's rows, and (header row?, type, bold, alignment, border, width) of its cells.
QJsonObject readWorkbook(const QString& path) {
    const char* script = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1]); ws = wb.active
print(json.dumps({"rows": [["" if c.value is None else c.value for c in row] for row in ws.iter_rows()],
  "styles": sorted({(c.row == 1, type(c.value).__name__, c.font.b, c.alignment.horizontal,
                     c.border.top.style, int(ws.column_dimensions[c.column_letter].width))
                    for row in ws.iter_rows() for c in row if c.value is not None})})))";
    QProcess py;
    py.start("/usr/bin/python3", {"-c", script, path});
    py.waitForFinished(30000);
    return QJsonDocument::fromJson(py.readAllStandardOutput()).object();
}

QStringList detailWindows() { // "title:text" of every detail window open
    QStringList out;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<DataEvent*>(top))
            out << d->windowTitle() + ":" + d->text().trimmed();
    out.sort();
    return out;
}
} // namespace

class TestRecordsFlow : public QObject {
    Q_OBJECT
private slots:
    void wholeLogEqualsUnitLog_data();
    void wholeLogEqualsUnitLog();
};

// The unit's record lines, whitespace runs made single.
QStringList unitRecords(const SimRelay& relay) {
    const QString printed = QString::fromUtf8(relay.fromUnit()).remove('\r');
    QStringList lines;
    for (const QString& line : printed.split('\n').filter(QRegularExpression("^\\d+ +\\d{4}-")))
        lines << line.simplified();
    return lines;
}

QStringList bookRecords(const QJsonObject& book) { // the workbook's rows below the header
    QStringList rows;
    for (const QJsonValue& row : book["rows"].toArray())
        rows << row.toVariant().toStringList().join(' ').simplified();
    return rows.mid(1);
}

void TestRecordsFlow::wholeLogEqualsUnitLog_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("event");
    QTest::addColumn<QString>("paging"); // "clicks" every 0.5 s, "read all", "interrupted"
    const QStringList cut{"--chunk", "--split-pages", "both"};
    QTest::newRow("events in pieces and cut pages, Continue every 0.5 s")
        << cut << true << "clicks";
    QTest::newRow("events in pieces and cut pages, Read all") << cut << true << "read all";
    QTest::newRow("histories paged") << QStringList{} << false << "clicks";
    QTest::newRow("events in one reply, details, export")
        << QStringList{"--model", "T-RACK-3660Z-M"} << true << "clicks";
    QTest::newRow("detail and export while paging") << cut << true << "interrupted";
}

void TestRecordsFlow::wholeLogEqualsUnitLog() {
    QFETCH(QStringList, simArgs);
    QFETCH(bool, event);
    QFETCH(QString, paging);
    SimSession s(simArgs + QStringList{"--events", "36", "--histories", "40", "--seed", "4",
                                       "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    RecordingPrompts& recorder = s.recorder();
    // Showing the page reads the counts and, no battery chosen yet, battery 1's model name.
    w.show(); // for the table's scrolling
    QVERIFY(s.login());
    w.HistoryBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(w.session().tally.events, 36, 3000);
    QCOMPARE(w.form()->HistNumLab->text(), QString("Number of histories: 40"));
    QVERIFY(s.sent().contains("info 1") && !s.sent().contains("info 0"));

    const auto open = [&] {
        return event ? w.session().listing().isOpen(RecordKind::Event)
                     : w.session().listing().isOpen(RecordKind::History);
    };
    auto* model = qobject_cast<QStandardItemModel*>(w.form()->DataListlView->model());
    QTableView* view = w.form()->DataListlView;
    const auto rowsLab = [&] { return w.findChild<QLabel*>("PagingRowsLab")->text(); };
    recorder.textAnswers << s.home.filePath("ev.xlsx");
    event ? w.HisEveBtn_clicked() : w.HistBtn_clicked();
    if (paging == "read all")
        w.findChild<QPushButton*>("ReadAllBtn")->click(); // taken at the first page's prompt
    if (paging == "interrupted") {
        // A double-click while the first page arrives: its rows are kept, the listing ends.
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 3, 5000);
        emit view->doubleClicked(model->index(2, 0));
        QCOMPARE(model->rowCount(), 10);
        QTRY_COMPARE_WITH_TIMEOUT(detailWindows().size(), 1, 5000);
        QVERIFY(detailWindows().first().contains("Form:data event 3"));
        QVERIFY(!open() && w.form()->ContinueBtn->isEnabled());
        w.HisEveBtn_clicked(); // Event works again
        QTRY_VERIFY_WITH_TIMEOUT(rowsLab() == "rows 1–10 of 36", 5000);
        QTRY_VERIFY_WITH_TIMEOUT(w.form()->ContinueBtn->isEnabled(), 5000);
        w.ContinueBtn_clicked();
        QTRY_VERIFY_WITH_TIMEOUT(rowsLab() == "rows 11–20 of 36", 5000);
        recorder.buttonAnswers << QMessageBox::Yes << QMessageBox::No; // export, not viewed
        w.HisDownBtn_clicked(); // asks first, the page still coming is waited for
        QCOMPARE(recorder.texts().mid(0, 1),
                 QStringList{"20 of 36 records have arrived. Export them?"});
        QVERIFY(!open());
        QCOMPARE(bookRecords(readWorkbook(s.home.filePath("ev.xlsx"))),
                 unitRecords(s.relay).mid(10)); // the first listing's page printed first
        recorder.shown.clear();
        w.HisEveBtn_clicked();
        QTRY_VERIFY_WITH_TIMEOUT(open() && model->rowCount() == 10, 5000);
        QVERIFY(recorder.texts().isEmpty());
        return;
    }
    // Continue pressed every 0.5 s, as an impatient user does, until the listing ends.
    const QString done = QString("The %1 Command completed successfully!");
    for (int clicks = 0;
         paging == "clicks" && recorder.texts().filter("completed").isEmpty() && clicks < 120;
         ++clicks) {
        QTest::qWait(500);
        if (recorder.texts().filter("completed").isEmpty())
            w.form()->ContinueBtn->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(recorder.texts().contains(done.arg(event ? "event" : "history")),
                             40000);
    QCOMPARE(recorder.texts().filter("completed").size(), 1);
    QCOMPARE(recorder.texts().filter("too frequent").size(), recorder.texts().size() - 1);
    QVERIFY(!open());
    const QStringList unit = unitRecords(s.relay);
    QCOMPARE(unit.size(), event ? 36 : 40);
    for (int r = 0; r < qMax(unit.size(), model->rowCount()); ++r)
        QCOMPARE(tableRow(model, r).join(' ').simplified(), unit.value(r));
    if (!simArgs.contains("--model")) {
        QCOMPARE(rowsLab(), event ? QString("rows 31–36 of 36") : QString("rows 31–40 of 40"));
        QVERIFY(view->rowAt(0) > 0 && view->rowAt(0) <= 30); // the last page's first row shown
        QVERIFY(view->rowAt(view->viewport()->height() - 1) >= 30);
        recorder.buttonAnswers << QMessageBox::No;
        w.HisDownBtn_clicked();
        QCOMPARE(bookRecords(readWorkbook(s.home.filePath("ev.xlsx"))), unit);
        return;
    }

    // Two double-clicks, two windows, each showing its record's reply.
    for (int row : {6, 11})
        emit view->doubleClicked(model->index(row, 3));
    QStringList details;
    for (const char* record : {"data event 7", "data event 12"})
        details << "Form:" + s.relay.lastReply(record).remove('\r').trimmed();
    details.sort();
    QTRY_COMPARE_WITH_TIMEOUT(detailWindows(), details, 5000);

    // A folder nobody may write to, not even root: the export fails and keeps the rows.
    QJsonArray table;
    for (int r = -1; r < model->rowCount(); ++r)
        table << QJsonArray::fromStringList(tableRow(model, r));
    recorder.textAnswers.clear();
    recorder.textAnswers << "/proc/records.xlsx" << s.home.filePath("ev.xlsx");
    w.HisDownBtn_clicked();
    QCOMPARE(recorder.lastText(),
             QString("Historical data table export failed, please try again!"));
    QCOMPARE(model->rowCount(), 36);
    recorder.buttonAnswers << QMessageBox::No;
    w.HisDownBtn_clicked();
    QCOMPARE(
        recorder.lastText(),
        QString("Historical data table exported successfully!\nwould you like to view it now?"));
    QCOMPARE(model->rowCount(), 0);
    const QJsonObject book = readWorkbook(s.home.filePath("ev.xlsx"));
    QCOMPARE(book["rows"].toArray(), table);
    QCOMPARE(book["styles"].toArray(),
             (QJsonArray{QJsonArray{false, "str", false, "center", "thin", 20},
                         QJsonArray{true, "str", true, "center", "thin", 20}}));
}

QTEST_MAIN(TestRecordsFlow)
#include "tst_records_flow.moc"
