// The battery info view: identity and power labels with placeholders, the cell chart's
// axes, the four-cells-per-row table, the chart/table switch and the reset after logout.
#include "views/battery_info.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

using namespace QtCharts;

namespace {

const int kUnreadMarker = 268435455;
const double kNoDataD = 268435455.0;

// The identity labels, then the power labels, in the view's order.
QStringList shownLabels(const BatteryInfo& view) {
    QStringList shown;
    for (const char* name :
         {"AddLab",       "BootLab",   "BarcodeLab",   "SpeciLab",  "SoftVerLab", "CommVerLab",
          "MaxChargeLab", "ReleaLab",  "CellNumLab",   "SOCLab",    "SOHLab",     "CapaLab",
          "CurrLab",      "TempLab",   "MaxVolLab",    "MinVolLab", "VolDiffLab", "MaxVoltdLab",
          "MinVoltIdLab", "BasStaLab", "SysDefaultLab"})
        shown << view.findChild<QLabel*>(name)->text();
    return shown;
}

// Cells 3.300 V + 2 mV per cell, temperature from `firstTemp` up by `tempStep`.
QList<CellRecord> makeCells(int count, double firstTemp = 25.0, double tempStep = 0.1) {
    QList<CellRecord> cells;
    for (int i = 0; i < count; ++i)
        cells.append({i, 3.3 + 0.002 * i, firstTemp + tempStep * i, 80, 100});
    return cells;
}

void fillCells(BatteryInfo& view, const QList<CellRecord>& cells, int count = -1) {
    view.setCellNum(count < 0 ? cells.size() : count);
    view.setCells(cells);
    view.refreshCells();
}

QLineSeries* series(const BatteryInfo& view, int index) {
    return qobject_cast<QLineSeries*>(view.cellChart()->series().at(index));
}

QString cellText(const BatteryInfo& view, int row, int column) {
    QStandardItem* item = view.cellModel()->item(row, column);
    return item ? item->text() : QString("<none>");
}

// Power values, or markers for all but the highest cell voltage.
void fillPower(BatteryInfo& view, bool known = true) {
    const auto n = [known](double value) { return known ? value : kNoDataD; };
    view.setSoc(known ? 87 : kUnreadMarker);
    view.setSoh(n(98.5));
    view.setCapacity(n(100.0));
    view.setCurrent(n(-12.25));
    view.setTemperature(n(-3.5));
    view.setMaxCellVolt(3.312);
    view.setMinCellVolt(n(3.298));
    view.setMaxVolCell(known ? 15 : kUnreadMarker);
    view.setMinVolCell(known ? 0 : kUnreadMarker);
    view.setBasicStatus(known ? "Discharge" : "");
    view.setSysFault(known ? "None" : "");
    view.refreshPwr();
}

} // namespace

class TestBatteryInfo : public QObject {
    Q_OBJECT

private slots:
    void labels();
    void tableLayout();
    void chartAxes();
    void tempAxisRange();
    void wildCellCountStaysQuick();
    void resetShowsCaptionsOnly();
};

// Values with their units; without data every value is a placeholder, and the voltage
// difference needs both ends. The barcode button is offered only for a known battery
// without a barcode.
void TestBatteryInfo::labels() {
    BatteryInfo view;
    view.setDevAdd("2");
    view.setBootVer("V1.02");
    view.setBarcode("NB48100A20240305");
    view.setPackRating("48V100AH");
    view.setMainSoftVer("V2.8.1");
    view.setCommVer("V1.1");
    view.setMaxChargeCurr("50A");
    view.setReleaseDate("2024-03-05");
    view.setCellNum(0); // zero is a number, not missing
    view.refreshInfo();
    fillPower(view);
    QCOMPARE(shownLabels(view).join('|'),
             QString("Device Address: 2|Boot Version: V1.02|Barcode: NB48100A20240305|"
                     "Specification: 48V100AH|Main Soft Version: V2.8.1|Comm Version: V1.1|"
                     "Max Charge Current: 50A|Release Date: 2024-03-05|Cell Number: 0|"
                     "SOC: 87 %|SOH: 98.5 %|Capacity: 100 AH|Current: -12.25 A|Temp: -3.5 ℃|"
                     "Max Voltage: 3.312 V|Min Voltage: 3.298 V|Vol Difference: 0.014 V|"
                     "Max Vol ID: 16|Min Vol ID: 1|Basic Status: Discharge|System Fault: None"));
    QVERIFY(view.findChild<QPushButton*>("AddBarBtn")->isHidden());

    BatteryInfo empty;
    empty.setCellNum(kUnreadMarker);
    empty.refreshInfo();
    fillPower(empty, false);
    for (const QString& text : shownLabels(empty))
        QVERIFY2(text.contains(": --") != (text == "Max Voltage: 3.312 V"), qPrintable(text));
    QVERIFY(empty.findChild<QPushButton*>("AddBarBtn")->isHidden());
}

// Four cells a row, three columns each; a new reading replaces the rows (16 then 15 cells
// leaves no sixteenth); a cell count without data keeps the chart but rebuilds the table;
// an empty list empties both.
void TestBatteryInfo::tableLayout() {
    BatteryInfo view;
    for (int cells : {16, 15}) {
        fillCells(view, makeCells(cells));
        QCOMPARE(view.cellModel()->rowCount(), 4);
        // Cell 6 (index 5): second row, second group of three columns.
        QCOMPARE(cellText(view, 1, 3) + cellText(view, 1, 4) + cellText(view, 1, 5),
                 QString("63.3125.5"));
        const int next = ((cells - 1) % 4) * 3;
        QCOMPARE(cellText(view, 3, next), QString::number(cells));
        for (int column = next + 3; column < 12; ++column)
            QCOMPARE(cellText(view, 3, column), QString("<none>"));
    }
    QLineSeries* before = series(view, 0);
    fillCells(view, makeCells(8), kUnreadMarker);
    QCOMPARE(series(view, 0), before);
    QCOMPARE(series(view, 0)->count(), 15);
    QCOMPARE(view.cellModel()->rowCount(), 2);
    fillCells(view, {});
    QCOMPARE(view.cellModel()->rowCount(), 0);
    QCOMPARE(series(view, 0)->count(), 0);
}

void TestBatteryInfo::chartAxes() {
    BatteryInfo view;
    QList<CellRecord> cells = makeCells(16, 24.8, -0.2); // 24.8 down to 21.8
    cells[5].voltage = 3.95;
    cells[9].temperature = 21.3;
    fillCells(view, cells);
    view.refreshCells(); // a new reading replaces the series rather than piling them up
    QCOMPARE(view.cellChart()->series().size(), 2);
    const auto range = [](QValueAxis* a) { return qMakePair(a->min(), a->max()); };
    QCOMPARE(range(view.cellAxis()), qMakePair(1.0, 16.0));
    QCOMPARE(range(view.voltAxis()), qMakePair(2.4, 4.0));
    QCOMPARE(range(view.tempAxis()), qMakePair(19.0, 26.0));
    QCOMPARE(series(view, 0)->at(5), QPointF(6, 3.95)); // x is the cell counted from 1
    QCOMPARE(series(view, 1)->at(9), QPointF(10, 21.3));
}

void TestBatteryInfo::tempAxisRange() {
    using Range = QPair<double, double>;
    QCOMPARE(cellTempAxisRange({-5.5, -3.2, -4.0}), Range(-7.0, 2.0)); // all below zero
    QCOMPARE(cellTempAxisRange({30.0, 10.9}), Range(8.0, 32.0));       // lowest not first
    QCOMPARE(cellTempAxisRange({}), Range(-2.0, 2.0));                 // no cells
}

void TestBatteryInfo::wildCellCountStaysQuick() {
    // A cell count misread from the line must not make the chart lay out a million ticks.
    BatteryInfo view;
    view.resize(1200, 500);
    view.show();
    QElapsedTimer clock;
    clock.start();
    fillCells(view, makeCells(16), 1000000);
    QCoreApplication::processEvents();
    view.grab();
    QVERIFY(view.cellAxis()->tickCount() <= 32);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    // One cell still gives an axis of some width.
    fillCells(view, makeCells(1));
    QVERIFY(view.cellAxis()->max() > view.cellAxis()->min());
}

void TestBatteryInfo::resetShowsCaptionsOnly() {
    BatteryInfo view;
    view.setDevAdd("2");
    view.refreshInfo();
    QVERIFY(!view.findChild<QPushButton*>("AddBarBtn")->isHidden()); // no barcode
    fillPower(view);
    view.setBatNum(2);
    fillCells(view, makeCells(16));
    view.resetInfo();
    view.retranslate(); // retranslating an empty view keeps the captions bare
    QCOMPARE(view.findChild<QLabel*>("BattIdLab")->text(), QString(" "));
    for (const QString& text : shownLabels(view))
        QVERIFY2(text.endsWith(':') && !text.contains(": "), qPrintable(text));
    QVERIFY(view.cellChart()->series().isEmpty());
    QCOMPARE(view.cellModel()->rowCount(), 0);
    QVERIFY(view.findChild<QPushButton*>("AddBarBtn")->isHidden());
}

QTEST_MAIN(TestBatteryInfo)
#include "tst_battery_info.moc"
