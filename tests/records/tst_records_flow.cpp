// The records page against the simulated unit: whole logs paged in with Continue (also with
// every page cut across two bursts) or arriving in one reply, equal line for line to what
// the unit printed; detail windows; the export read back by an independent reader.
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/data_event.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {
const char* const kZModel = "T-RACK-3660Z-M";

// The record lines the unit printed, whitespace runs made single.
QStringList unitRecordLines(const QByteArray& fromUnit) {
    const QRegularExpression record("^\\d+\\s+\\d{4}-\\d\\d-\\d\\d\\s");
    QStringList lines = QString::fromUtf8(fromUnit).remove('\r').split('\n').filter(record);
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

// "title:text" of every detail window open.
QStringList detailWindows() {
    QStringList out;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<DataEvent*>(top))
            out << d->windowTitle() + ":" + d->text().trimmed();
    }
    return out;
}

QStringList tableRow(QAbstractItemModel* m, int row) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << (row < 0 ? m->headerData(c, Qt::Horizontal) : m->index(row, c).data()).toString();
    return cells;
}

// The workbook's rows and styles as python3-openpyxl reads them.
QJsonObject readWorkbook(const QString& path) {
    const char* script = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1]); ws = wb.active
cells = [c for row in ws.iter_rows() for c in row]
print(json.dumps({"sheets": len(wb.sheetnames),
  "rows": [["" if c.value is None else c.value for c in row] for row in ws.iter_rows()],
  "styles": sorted({(c.row == 1, type(c.value).__name__, c.font.b, c.alignment.horizontal,
                     c.border.top.style, int(ws.column_dimensions[c.column_letter].width))
                    for c in cells if c.value is not None})})))";
    QProcess py;
    py.start("/usr/bin/python3", {"-c", script, path});
    py.waitForFinished(30000);
    return QJsonDocument::fromJson(py.readAllStandardOutput()).object();
}

// Logs in and shows the records page, which reads the counts and, no battery chosen yet,
// battery 1's identity (the model name). Then asks for the log from record 1 and clicks
// Continue, as soon as it may, until the listing ends.
void readWholeLog(SimSession& s, bool event) {
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    w.HistoryBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(w.eventCount(), 250, 3000);
    QCOMPARE(w.form()->HistNumLab->text(), QString("Number of histories: 40"));
    QVERIFY(s.sent().contains("info 1") && !s.sent().contains("info 0"));

    const auto open = [&] { return event ? w.eventListingOpen() : w.historyListingOpen(); };
    QAbstractItemModel* model = w.form()->DataListlView->model();
    event ? w.HisEveBtn_clicked() : w.HistBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 0, 5000);
    for (int pages = 1; open() && pages < 40; ++pages) {
        QTest::qWait(1350);
        if (open())
            w.ContinueBtn_clicked();
    }
    const QString done =
        QString("The %1 Command completed successfully!").arg(event ? "event" : "history");
    QTRY_COMPARE_WITH_TIMEOUT(s.recorder().texts(), QStringList{done}, 5000);
    QVERIFY(!open());
    const QStringList unit = unitRecordLines(s.relay.fromUnit());
    QCOMPARE(unit.size(), event ? 250 : 40);
    QCOMPARE(model->rowCount(), unit.size());
    QCOMPARE(model->columnCount(), event ? 17 : 16); // events carry the mask column
    for (int r = 0; r < unit.size(); ++r)
        QCOMPARE(tableRow(model, r).join(' ').simplified(), unit[r]);
}

void detailWindowsAndExport(SimSession& s) {
    RecordingPrompts& recorder = s.recorder();
    // Two double-clicks, two windows, each showing its record's reply.
    QTableView* view = s.w.form()->DataListlView;
    for (int row : {6, 11})
        emit view->doubleClicked(view->model()->index(row, 3));
    QTRY_COMPARE_WITH_TIMEOUT(detailWindows().size(), 2, 5000);
    for (const char* record : {"data event 7", "data event 12"}) {
        const QString shown = "Form:" + s.relay.lastReply(record).remove('\r').trimmed();
        QVERIFY2(detailWindows().contains(shown), record);
    }

    // A folder nobody may write to, not even root: the export fails and keeps the rows.
    auto* model = qobject_cast<QStandardItemModel*>(view->model());
    QJsonArray table;
    for (int r = -1; r < model->rowCount(); ++r)
        table << QJsonArray::fromStringList(tableRow(model, r));
    recorder.textAnswers << "/proc/records.xlsx";
    s.w.HisDownBtn_clicked();
    QCOMPARE(recorder.lastText(),
             QString("Historical data table export failed, please try again!"));
    QCOMPARE(model->rowCount(), 250);

    recorder.textAnswers << s.home.filePath("ev.xlsx");
    recorder.buttonAnswers << QMessageBox::No;
    s.w.HisDownBtn_clicked();
    QCOMPARE(
        recorder.lastText(),
        QString("Historical data table exported successfully!\nwould you like to view it now?"));
    QCOMPARE(model->rowCount(), 0);

    const QJsonObject book = readWorkbook(s.home.filePath("ev.xlsx"));
    QCOMPARE(book["sheets"].toInt(), 1);
    QCOMPARE(book["rows"].toArray(), table);
    // (header row?, type, bold, alignment, border, column width) of every cell with text.
    const QJsonArray styles{QJsonArray{false, "str", false, "center", "thin", 20},
                            QJsonArray{true, "str", true, "center", "thin", 20}};
    QCOMPARE(book["styles"].toArray(), styles);
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
    QTest::addColumn<bool>("detailAndExport");
    QTest::newRow("events paged, pages cut in two")
        << QStringList{"--split-pages", "both"} << true << false;
    QTest::newRow("histories paged") << QStringList{} << false << false;
    QTest::newRow("events in one reply") << QStringList{"--model", kZModel} << true << true;
}

void TestRecordsFlow::wholeLogEqualsUnitLog() {
    QFETCH(QStringList, simArgs);
    QFETCH(bool, event);
    QFETCH(bool, detailAndExport);
    SimSession s(simArgs + QStringList{"--events", "250", "--histories", "40", "--seed", "4",
                                       "--reply-delay", "5"});
    readWholeLog(s, event);
    if (!QTest::currentTestFailed() && detailAndExport)
        detailWindowsAndExport(s);
}

QTEST_MAIN(TestRecordsFlow)
#include "tst_records_flow.moc"
