// The records page against the simulated unit: whole logs, paged or in one reply, equal what
// the unit printed; detail windows; the workbook read back by an independent reader.
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

void TestRecordsFlow::wholeLogEqualsUnitLog_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("event");
    QTest::newRow("events paged, pages cut in two") << QStringList{"--split-pages", "both"} << true;
    QTest::newRow("histories paged") << QStringList{} << false;
    QTest::newRow("events in one reply, details, export")
        << QStringList{"--model", "T-RACK-3660Z-M"} << true;
}

void TestRecordsFlow::wholeLogEqualsUnitLog() {
    QFETCH(QStringList, simArgs);
    QFETCH(bool, event);
    SimSession s(simArgs + QStringList{"--events", "250", "--histories", "40", "--seed", "4",
                                       "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    RecordingPrompts& recorder = s.recorder();
    // Showing the page reads the counts and, no battery chosen yet, battery 1's model name.
    QVERIFY(s.login());
    w.HistoryBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(w.eventCount(), 250, 3000);
    QCOMPARE(w.form()->HistNumLab->text(), QString("Number of histories: 40"));
    QVERIFY(s.sent().contains("info 1") && !s.sent().contains("info 0"));

    // From record 1, Continue as soon as it may, until the listing ends.
    const auto open = [&] { return event ? w.eventListingOpen() : w.historyListingOpen(); };
    auto* model = qobject_cast<QStandardItemModel*>(w.form()->DataListlView->model());
    event ? w.HisEveBtn_clicked() : w.HistBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 0, 5000);
    for (int pages = 1; open() && pages < 40; ++pages) {
        QTest::qWait(1350);
        if (open())
            w.ContinueBtn_clicked();
    }
    const QString done = QString("The %1 Command completed successfully!");
    QTRY_COMPARE_WITH_TIMEOUT(recorder.texts(), QStringList{done.arg(event ? "event" : "history")},
                              5000);
    QVERIFY(!open());
    // The unit's record lines, whitespace runs made single.
    const QString printed = QString::fromUtf8(s.relay.fromUnit()).remove('\r');
    const QStringList unit = printed.split('\n').filter(QRegularExpression("^\\d+ +\\d{4}-"));
    QCOMPARE(unit.size(), event ? 250 : 40);
    for (int r = 0; r < qMax(unit.size(), model->rowCount()); ++r)
        QCOMPARE(tableRow(model, r).join(' ').simplified(), unit.value(r).simplified());
    if (!simArgs.contains("--model"))
        return;

    // Two double-clicks, two windows, each showing its record's reply.
    QTableView* view = w.form()->DataListlView;
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
    recorder.textAnswers << "/proc/records.xlsx" << s.home.filePath("ev.xlsx");
    w.HisDownBtn_clicked();
    QCOMPARE(recorder.lastText(),
             QString("Historical data table export failed, please try again!"));
    QCOMPARE(model->rowCount(), 250);
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
