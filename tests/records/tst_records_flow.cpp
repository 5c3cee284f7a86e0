// The records page against the simulated unit: whole logs paged in with Continue (also with
// pages cut across bursts) or arriving in one reply, equal line for line to what the unit
// printed; detail windows; the export read back by an independent reader.
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"
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
    static const QRegularExpression record("^\\d+\\s+\\d{4}-\\d\\d-\\d\\d\\s");
    QStringList out;
    const QStringList lines = QString::fromUtf8(fromUnit).remove('\r').split('\n');
    for (const QString& line : lines) {
        if (record.match(line).hasMatch())
            out << line.simplified();
    }
    return out;
}

QList<DataEvent*> detailWindows() {
    QList<DataEvent*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<DataEvent*>(w))
            out << d;
    }
    return out;
}

QStringList tableRow(QAbstractItemModel* m, int row) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << m->index(row, c).data().toString();
    return cells;
}

// Cell texts and styles of the workbook, as python3-openpyxl reads them.
QJsonObject readWorkbook(const QString& path) {
    const char* script = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
cells = [c for row in ws.iter_rows() for c in row]
print(json.dumps({
  "sheets": len(wb.sheetnames),
  "rows": [["" if c.value is None else c.value for c in row] for row in ws.iter_rows()],
  "allText": all(c.value is None or isinstance(c.value, str) for c in cells),
  "boldRows": sorted({c.row for c in cells if c.font.b}),
  "centredBordered": all(c.alignment.horizontal == "center" and c.border.top.style == "thin"
                         for c in cells),
  "widths": [ws.column_dimensions[openpyxl.utils.get_column_letter(i + 1)].width
             for i in range(ws.max_column)]}))
)";
    QProcess py;
    py.start("/usr/bin/python3", {"-c", script, path});
    py.waitForFinished(30000);
    return QJsonDocument::fromJson(py.readAllStandardOutput()).object();
}
} // namespace

class TestRecordsFlow : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }
    void wholeLogEqualsUnitLog_data();
    void wholeLogEqualsUnitLog();
    void detailWindowsAndExport();

private:
    void openRecordsPage(BMSMainWin& w, SimRelay& relay, bool knowModel);
    void readWholeLog(BMSMainWin& w, bool event);
    QScopedPointer<ScopedPrompts> m_prompts;
};

// Logs in, lets the status page read battery 1's identity (the model name) when asked, and
// shows the records page, which reads the counts.
void TestRecordsFlow::openRecordsPage(BMSMainWin& w, SimRelay& relay, bool knowModel) {
    addExtraPort(relay.programPath());
    w.selectPort(relay.programPath());
    w.OpenBtn_clicked();
    QVERIFY(w.portOpen());
    if (knowModel) {
        BatteryGroup* group = w.form()->BattGroupWid;
        QTRY_VERIFY_WITH_TIMEOUT(!group->batButtons().isEmpty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 5000);
        group->batButtons().at(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 1").isEmpty(), 5000);
    }
    w.HistoryBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(w.eventCount(), 250, 3000);
    QCOMPARE(w.historyCount(), 40);
    QCOMPARE(w.form()->HistNumLab->text(), QString("Number of histories: 40"));
}

// Asks for the log from record 1 and clicks Continue, as soon as it may, until it ends.
void TestRecordsFlow::readWholeLog(BMSMainWin& w, bool event) {
    const auto open = [&] { return event ? w.eventListingOpen() : w.historyListingOpen(); };
    QAbstractItemModel* model = w.form()->DataListlView->model();
    event ? w.HisEveBtn_clicked() : w.HistBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 0, 5000);
    for (int pages = 1; open() && pages < 40; ++pages) {
        QTest::qWait(1350);
        if (open())
            w.ContinueBtn_clicked();
    }
    const QString done = event ? "The event Command completed successfully!"
                               : "The history Command completed successfully!";
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts->recorder.texts(), QStringList{done}, 5000);
    QVERIFY(!open());
}

void TestRecordsFlow::wholeLogEqualsUnitLog_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("event");
    QTest::newRow("events paged, pages cut in two") << QStringList{"--split-pages", "both"} << true;
    QTest::newRow("histories paged") << QStringList{} << false;
    QTest::newRow("events in one reply") << QStringList{"--model", kZModel} << true;
    QTest::newRow("histories in one reply") << QStringList{"--model", kZModel} << false;
}

void TestRecordsFlow::wholeLogEqualsUnitLog() {
    QFETCH(QStringList, simArgs);
    QFETCH(bool, event);
    SimRelay relay(simArgs + QStringList{"--events", "250", "--histories", "40", "--seed", "4",
                                         "--reply-delay", "5"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    openRecordsPage(w, relay, simArgs.contains(kZModel));
    readWholeLog(w, event);

    const QStringList unit = unitRecordLines(relay.fromUnit());
    QAbstractItemModel* model = w.form()->DataListlView->model();
    QCOMPARE(unit.size(), event ? 250 : 40);
    QCOMPARE(model->rowCount(), unit.size());
    QCOMPARE(model->columnCount(), event ? 17 : 16); // events carry the mask column
    for (int r = 0; r < unit.size(); ++r)
        QCOMPARE(tableRow(model, r).join(' ').simplified(), unit[r]);
}

void TestRecordsFlow::detailWindowsAndExport() {
    SimRelay relay({"--model", kZModel, "--events", "250", "--histories", "40", "--seed", "6",
                    "--reply-delay", "5"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    w.show();
    openRecordsPage(w, relay, true);
    readWholeLog(w, true);
    m_prompts->recorder.shown.clear();

    // Two double-clicks, two windows, each with its record's reply.
    QTableView* view = w.form()->DataListlView;
    for (int row : {6, 11}) {
        const QModelIndex index = view->model()->index(row, 3);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        const QString item = QString::number(row + 1);
        QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("data event " + item).isEmpty(), 3000);
    }
    QList<DataEvent*> windows;
    QTRY_COMPARE_WITH_TIMEOUT((windows = detailWindows()).size(), 2, 3000);
    for (const char* item : {"7", "12"}) {
        const QString reply = relay.lastReply(QString("data event ") + item).remove('\r');
        const bool shown = windows[0]->text().contains(reply.trimmed()) ||
                           windows[1]->text().contains(reply.trimmed());
        QVERIFY2(shown, qPrintable(reply));
    }
    QCOMPARE(windows[0]->windowTitle(), QString("Form"));
    qDeleteAll(windows);

    // A folder nobody may write to (not even root): the export fails and keeps the rows.
    QStandardItemModel* model = qobject_cast<QStandardItemModel*>(view->model());
    const int rows = model->rowCount();
    QVector<QStringList> table{{}};
    for (int c = 0; c < model->columnCount(); ++c)
        table[0] << model->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < rows; ++r)
        table << tableRow(model, r);
    m_prompts->recorder.textAnswers << "/proc/records.xlsx";
    w.HisDownBtn_clicked();
    QCOMPARE(m_prompts->recorder.lastText(),
             QString("Historical data table export failed, please try again!"));
    QCOMPARE(model->rowCount(), rows);

    QTemporaryDir dir;
    const QString path = dir.filePath("ev.xlsx");
    m_prompts->recorder.textAnswers << path;
    m_prompts->recorder.buttonAnswers << QMessageBox::No;
    w.HisDownBtn_clicked();
    QCOMPARE(
        m_prompts->recorder.lastText(),
        QString("Historical data table exported successfully!\nwould you like to view it now?"));
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(QSettings("./ConFig/OpenPath.ini", QSettings::IniFormat).value("path/downpath"),
             QVariant(dir.path()));

    const QJsonObject book = readWorkbook(path);
    QCOMPARE(book["sheets"].toInt(), 1);
    const QJsonArray sheetRows = book["rows"].toArray();
    QCOMPARE(sheetRows.size(), table.size());
    for (int r = 0; r < table.size(); ++r)
        QCOMPARE(sheetRows[r].toVariant().toStringList(), table[r]);
    QVERIFY(book["allText"].toBool());
    QCOMPARE(book["boldRows"].toArray(), QJsonArray{1});
    QVERIFY(book["centredBordered"].toBool());
    const QJsonArray widths = book["widths"].toArray();
    QCOMPARE(widths.size(), 17);
    for (const QJsonValue& width : widths)
        QVERIFY(width.toDouble() >= 20 && width.toDouble() < 21);
}

QTEST_MAIN(TestRecordsFlow)
#include "tst_records_flow.moc"
