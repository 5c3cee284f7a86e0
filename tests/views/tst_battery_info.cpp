// The battery info view: identity and power labels with placeholders, the cell chart's
// axes, the four-cells-per-row table, the chart/table switch and the reset after logout.
#include "views/battery_info.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

using namespace QtCharts;

namespace {

const int kUnreadMarker = 268435455;
const double kNoDataD = 268435455.0;

QString text(const BatteryInfo& view, const char* name) {
    return view.findChild<QLabel*>(name)->text();
}

// Cells 0..count-1, 3.300 V + 2 mV per cell, temperature from `firstTemp` up by `tempStep`.
QList<CellRecord> makeCells(int count, double firstTemp = 25.0, double tempStep = 0.1) {
    QList<CellRecord> cells;
    for (int i = 0; i < count; ++i) {
        CellRecord cell;
        cell.number = i;
        cell.voltage = 3.3 + 0.002 * i;
        cell.temperature = firstTemp + tempStep * i;
        cell.soc = 80;
        cell.capacity = 100;
        cells.append(cell);
    }
    return cells;
}

QLineSeries* series(const BatteryInfo& view, int index) {
    return qobject_cast<QLineSeries*>(view.cellChart()->series().at(index));
}

QString cellText(const BatteryInfo& view, int row, int column) {
    QStandardItem* item = view.cellModel()->item(row, column);
    return item ? item->text() : QString("<none>");
}

void fillCells(BatteryInfo& view, const QList<CellRecord>& cells) {
    view.setCellNum(cells.size());
    view.setCells(cells);
    view.refreshCells();
}

} // namespace

class TestBatteryInfo : public QObject {
    Q_OBJECT

private slots:
    void identity_data();
    void identity();
    void addBarcodeButton_data();
    void addBarcodeButton();
    void power_data();
    void power();
    void tableLayout_data();
    void tableLayout();
    void chartAxes();
    void tempAxisRange_data();
    void tempAxisRange();
    void cellCountWithoutDataKeepsChart();
    void emptyCellList();
    void wildCellCountStaysQuick();
    void changeButtonSwitchesPages();
    void batteryNumber();
    void resetShowsCaptionsOnly();
    void chartFontsByScale_data();
    void chartFontsByScale();
};

void TestBatteryInfo::identity_data() {
    // The eight text fields in label order, from "Device Address" to "Release Date".
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("cellNum");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all")
        << QStringList{"2",    "V1.02", "NB48100A20240305", "48V100AH", "V2.8.1",
                       "V1.1", "50A",   "2024-03-05"}
        << 16
        << QStringList{
               "Device Address: 2",       "Boot Version: V1.02",       "Barcode: NB48100A20240305",
               "Specification: 48V100AH", "Main Soft Version: V2.8.1", "Comm Version: V1.1",
               "Max Charge Current: 50A", "Release Date: 2024-03-05",  "Cell Number: 16"};
    QTest::newRow("nothing")
        << QStringList{"", "", "", "", "", "", "", ""} << kUnreadMarker
        << QStringList{"Device Address: --",     "Boot Version: --",      "Barcode: --",
                       "Specification: --",      "Main Soft Version: --", "Comm Version: --",
                       "Max Charge Current: --", "Release Date: --",      "Cell Number: --"};
    QTest::newRow("zero cells is a number")
        << QStringList{"1", "", "", "", "", "", "", ""} << 0
        << QStringList{"Device Address: 1",      "Boot Version: --",      "Barcode: --",
                       "Specification: --",      "Main Soft Version: --", "Comm Version: --",
                       "Max Charge Current: --", "Release Date: --",      "Cell Number: 0"};
}

void TestBatteryInfo::identity() {
    QFETCH(QStringList, fields);
    QFETCH(int, cellNum);
    QFETCH(QStringList, expected);
    BatteryInfo view;
    view.setDevAdd(fields.at(0));
    view.setBootVer(fields.at(1));
    view.setBarcode(fields.at(2));
    view.setSpecification(fields.at(3));
    view.setMainSoftVer(fields.at(4));
    view.setCommVer(fields.at(5));
    view.setMaxChargeCurr(fields.at(6));
    view.setReleaseDate(fields.at(7));
    view.setCellNum(cellNum);
    view.refreshInfo();
    const QStringList shown = {
        text(view, "AddLab"),       text(view, "BootLab"),    text(view, "BarcodeLab"),
        text(view, "SpeciLab"),     text(view, "SoftVerLab"), text(view, "CommVerLab"),
        text(view, "MaxChargeLab"), text(view, "ReleaLab"),   text(view, "CellNumLab")};
    QCOMPARE(shown, expected);
}

void TestBatteryInfo::addBarcodeButton_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("barcode");
    QTest::addColumn<bool>("shown");
    QTest::newRow("missing barcode, known battery") << "3"
                                                    << "" << true;
    QTest::newRow("barcode present") << "3"
                                     << "NB48100A20240305" << false;
    QTest::newRow("no battery known") << ""
                                      << "" << false;
}

void TestBatteryInfo::addBarcodeButton() {
    QFETCH(QString, address);
    QFETCH(QString, barcode);
    QFETCH(bool, shown);
    BatteryInfo view;
    auto* button = view.findChild<QPushButton*>("AddBarBtn");
    QVERIFY(button->isHidden());
    view.setDevAdd(address);
    view.setBarcode(barcode);
    view.refreshInfo();
    QCOMPARE(!button->isHidden(), shown);
    // A valid barcode read afterwards hides it again.
    view.setBarcode("NB48100A20240305");
    view.refreshInfo();
    QVERIFY(button->isHidden());
}

void TestBatteryInfo::power_data() {
    QTest::addColumn<QVariantList>("values"); // soc, soh, capa, curr, temp, max, min, maxId,
                                              // minId
    QTest::addColumn<QStringList>("states");  // basic status, system fault
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("values") << QVariantList{87, 98.5, 100.0, -12.25, 24.8, 3.312, 3.298, 5, 0}
                            << QStringList{"Discharge", "None"}
                            << QStringList{"SOC: 87 %",
                                           "SOH: 98.5 %",
                                           "Capacity: 100 AH",
                                           "Current: -12.25 A",
                                           "Temp: 24.8 ℃",
                                           "Max Voltage: 3.312 V",
                                           "Min Voltage: 3.298 V",
                                           "Vol Difference: 0.014 V",
                                           "Max Vol ID: 6",
                                           "Min Vol ID: 1",
                                           "Basic Status: Discharge",
                                           "System Fault: None"};
    QTest::newRow("no data") << QVariantList{kUnreadMarker,  kNoDataD, kNoDataD, kNoDataD, kNoDataD,
                                             kNoDataD, kNoDataD, kUnreadMarker,  kUnreadMarker}
                             << QStringList{"", ""}
                             << QStringList{"SOC: -- %",         "SOH: -- %",
                                            "Capacity: -- AH",   "Current: -- A",
                                            "Temp: -- ℃",        "Max Voltage: -- V",
                                            "Min Voltage: -- V", "Vol Difference: -- V",
                                            "Max Vol ID: --",    "Min Vol ID: --",
                                            "Basic Status: --",  "System Fault: --"};
    QTest::newRow("difference needs both ends")
        << QVariantList{0, 100.0, 0.0, 0.0, -3.5, 3.4, kNoDataD, 15, kUnreadMarker}
        << QStringList{"Charge", ""}
        << QStringList{"SOC: 0 %",          "SOH: 100 %",           "Capacity: 0 AH",
                       "Current: 0 A",      "Temp: -3.5 ℃",         "Max Voltage: 3.4 V",
                       "Min Voltage: -- V", "Vol Difference: -- V", "Max Vol ID: 16",
                       "Min Vol ID: --",    "Basic Status: Charge", "System Fault: --"};
}

void TestBatteryInfo::power() {
    QFETCH(QVariantList, values);
    QFETCH(QStringList, states);
    QFETCH(QStringList, expected);
    BatteryInfo view;
    view.setSoc(values.at(0).toInt());
    view.setSoh(values.at(1).toDouble());
    view.setCapacity(values.at(2).toDouble());
    view.setCurrent(values.at(3).toDouble());
    view.setTemperature(values.at(4).toDouble());
    view.setMaxCellVolt(values.at(5).toDouble());
    view.setMinCellVolt(values.at(6).toDouble());
    view.setMaxVolCell(values.at(7).toInt());
    view.setMinVolCell(values.at(8).toInt());
    view.setBasicStatus(states.at(0));
    view.setSysFault(states.at(1));
    view.refreshPwr();
    const QStringList shown = {
        text(view, "SOCLab"),       text(view, "SOHLab"),     text(view, "CapaLab"),
        text(view, "CurrLab"),      text(view, "TempLab"),    text(view, "MaxVolLab"),
        text(view, "MinVolLab"),    text(view, "VolDiffLab"), text(view, "MaxVoltdLab"),
        text(view, "MinVoltIdLab"), text(view, "BasStaLab"),  text(view, "SysDefaultLab")};
    QCOMPARE(shown, expected);
}

void TestBatteryInfo::tableLayout_data() {
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("rows");
    QTest::newRow("16 cells") << 16 << 4;
    QTest::newRow("15 cells") << 15 << 4;
    QTest::newRow("6 cells") << 6 << 2;
}

void TestBatteryInfo::tableLayout() {
    QFETCH(int, cells);
    QFETCH(int, rows);
    BatteryInfo view;
    QCOMPARE(view.cellModel()->columnCount(), 12);
    QCOMPARE(view.cellModel()->headerData(0, Qt::Horizontal).toString(), QString("Cell Id"));
    QCOMPARE(view.cellModel()->headerData(10, Qt::Horizontal).toString(), QString("Volt(V)"));
    QCOMPARE(view.cellModel()->headerData(11, Qt::Horizontal).toString(), QString("Temp(℃)"));
    fillCells(view, makeCells(cells));
    QCOMPARE(view.cellModel()->rowCount(), rows);
    // Cell 6 (index 5): second row, second group of three columns.
    QCOMPARE(cellText(view, 1, 3), QString("6"));
    QCOMPARE(cellText(view, 1, 4), QString("3.31"));
    QCOMPARE(cellText(view, 1, 5), QString("25.5"));
    QCOMPARE(view.cellModel()->item(1, 4)->textAlignment(), Qt::AlignCenter);
    // The last cell sits at its place; everything after it stays empty.
    const int last = cells - 1;
    QCOMPARE(cellText(view, last / 4, (last % 4) * 3), QString::number(cells));
    for (int column = (last % 4) * 3 + 3; column < 12; ++column) {
        QCOMPARE(cellText(view, rows - 1, column), QString("<none>"));
    }
    // A second refresh replaces the rows instead of adding to them.
    view.refreshCells();
    QCOMPARE(view.cellModel()->rowCount(), rows);
}

void TestBatteryInfo::chartAxes() {
    BatteryInfo view;
    QCOMPARE(view.cellChart()->title(), QString("Cell Volt-Temp"));
    QCOMPARE(view.cellAxis()->min(), 1.0);
    QCOMPARE(view.cellAxis()->max(), 5.0);
    QList<CellRecord> cells = makeCells(16, 21.3, 0.2); // 21.3 .. 24.3
    cells[9].temperature = 24.8;
    cells[5].voltage = 3.95;
    fillCells(view, cells);
    QCOMPARE(view.cellChart()->series().size(), 2);
    QCOMPARE(view.cellAxis()->min(), 1.0);
    QCOMPARE(view.cellAxis()->max(), 16.0);
    QCOMPARE(view.cellAxis()->tickCount(), 16);
    QCOMPARE(view.voltAxis()->min(), 2.4);
    QCOMPARE(view.voltAxis()->max(), 4.0);
    QCOMPARE(view.voltAxis()->tickCount(), 9);
    QCOMPARE(view.tempAxis()->min(), 19.0);
    QCOMPARE(view.tempAxis()->max(), 26.0);
    QCOMPARE(view.tempAxis()->tickCount(), 9);
    QLineSeries* volt = series(view, 0);
    QLineSeries* temp = series(view, 1);
    QCOMPARE(volt->name(), QString("Volt"));
    QCOMPARE(temp->name(), QString("Temp"));
    QCOMPARE(volt->count(), 16);
    QCOMPARE(volt->at(5), QPointF(6, 3.95)); // x is the cell counted from 1
    QCOMPARE(temp->at(9), QPointF(10, 24.8));
    QVERIFY(volt->attachedAxes().contains(view.voltAxis()));
    QVERIFY(volt->attachedAxes().contains(view.cellAxis()));
    QVERIFY(temp->attachedAxes().contains(view.tempAxis()));
    QVERIFY(volt->pointsVisible());
    // A new reading replaces the series rather than piling them up.
    view.refreshCells();
    QCOMPARE(view.cellChart()->series().size(), 2);
}

void TestBatteryInfo::tempAxisRange_data() {
    QTest::addColumn<QList<double>>("temps");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("21.3 to 24.8") << QList<double>{22.0, 21.3, 24.8, 23.1} << 19.0 << 26.0;
    QTest::newRow("all below zero") << QList<double>{-5.5, -3.2, -4.0} << -7.0 << 2.0;
    QTest::newRow("lowest not first") << QList<double>{30.0, 10.9} << 8.0 << 32.0;
    QTest::newRow("mixed signs") << QList<double>{-1.5, 3.7} << -3.0 << 5.0;
    QTest::newRow("no cells") << QList<double>{} << -2.0 << 2.0;
}

void TestBatteryInfo::tempAxisRange() {
    QFETCH(QList<double>, temps);
    QFETCH(double, low);
    QFETCH(double, high);
    const QPair<double, double> range = cellTempAxisRange(temps);
    QCOMPARE(range.first, low);
    QCOMPARE(range.second, high);
    if (temps.isEmpty()) {
        return;
    }
    // The view applies the same rule to its chart.
    BatteryInfo view;
    QList<CellRecord> cells = makeCells(temps.size());
    for (int i = 0; i < temps.size(); ++i) {
        cells[i].temperature = temps.at(i);
    }
    fillCells(view, cells);
    QCOMPARE(view.tempAxis()->min(), low);
    QCOMPARE(view.tempAxis()->max(), high);
}

void TestBatteryInfo::cellCountWithoutDataKeepsChart() {
    BatteryInfo view;
    fillCells(view, makeCells(16));
    QLineSeries* before = series(view, 0);
    view.setCellNum(kUnreadMarker);
    view.setCells(makeCells(8));
    view.refreshCells();
    QCOMPARE(view.cellChart()->series().size(), 2);
    QCOMPARE(series(view, 0), before);
    QCOMPARE(series(view, 0)->count(), 16);
    QCOMPARE(view.cellModel()->rowCount(), 2); // the table is rebuilt all the same
}

void TestBatteryInfo::emptyCellList() {
    BatteryInfo view;
    fillCells(view, makeCells(16));
    view.setCells({});
    view.refreshCells();
    QCOMPARE(view.cellModel()->rowCount(), 0);
    for (QAbstractSeries* s : view.cellChart()->series()) {
        QCOMPARE(qobject_cast<QLineSeries*>(s)->count(), 0);
    }
    view.clearCells();
    QVERIFY(view.cellChart()->series().isEmpty());
}

void TestBatteryInfo::wildCellCountStaysQuick() {
    // A cell count misread from the line must not make the chart lay out a million ticks.
    BatteryInfo view;
    view.resize(1200, 500);
    view.show();
    QElapsedTimer clock;
    clock.start();
    view.setCellNum(1000000);
    view.setCells(makeCells(16));
    view.refreshCells();
    QCoreApplication::processEvents();
    view.grab();
    QVERIFY(view.cellAxis()->tickCount() <= 32);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    // One cell still gives an axis of some width.
    fillCells(view, makeCells(1));
    QVERIFY(view.cellAxis()->max() > view.cellAxis()->min());
}

void TestBatteryInfo::changeButtonSwitchesPages() {
    BatteryInfo view;
    auto* stack = view.findChild<QStackedWidget*>("CellStackWid");
    auto* button = view.findChild<QPushButton*>("ChangeBtn");
    QCOMPARE(stack->currentWidget(), view.findChild<QWidget*>("cellLineChart")->parentWidget());
    button->click();
    QVERIFY(view.isTableShown());
    QCOMPARE(stack->currentIndex(), 1);
    QVERIFY(stack->currentWidget()->isAncestorOf(view.findChild<QWidget*>("cellTableView")));
    button->click();
    QVERIFY(!view.isTableShown());
    QCOMPARE(stack->currentIndex(), 0);
}

void TestBatteryInfo::batteryNumber() {
    BatteryInfo view;
    view.setBatNum(3);
    QCOMPARE(text(view, "BattIdLab"), QString("3"));
    view.setBatNum(kUnreadMarker);
    QCOMPARE(text(view, "BattIdLab"), QString());
}

void TestBatteryInfo::resetShowsCaptionsOnly() {
    BatteryInfo view;
    view.setDevAdd("2");
    view.setBarcode("");
    view.setCellNum(16);
    view.refreshInfo();
    view.setSoc(50);
    view.refreshPwr();
    view.setBatNum(2);
    fillCells(view, makeCells(16));
    view.resetInfo();
    QCOMPARE(text(view, "BattIdLab"), QString(" "));
    const QList<QPair<const char*, const char*>> captions = {
        {"SOCLab", "SOC:"},
        {"SOHLab", "SOH:"},
        {"CapaLab", "Capacity:"},
        {"CurrLab", "Current:"},
        {"TempLab", "Temp:"},
        {"MaxVolLab", "Max Voltage:"},
        {"MinVolLab", "Min Voltage:"},
        {"VolDiffLab", "Vol Difference:"},
        {"MaxVoltdLab", "Max Vol ID:"},
        {"MinVoltIdLab", "Min Vol ID:"},
        {"BasStaLab", "Basic Status:"},
        {"SysDefaultLab", "System Fault:"},
        {"AddLab", "Device Address:"},
        {"BootLab", "Boot Version:"},
        {"BarcodeLab", "Barcode:"},
        {"SpeciLab", "Specification:"},
        {"SoftVerLab", "Main Soft Version:"},
        {"CommVerLab", "Comm Version:"},
        {"MaxChargeLab", "Max Charge Current:"},
        {"ReleaLab", "Release Date:"},
        {"CellNumLab", "Cell Number:"},
    };
    for (const auto& caption : captions) {
        QCOMPARE(text(view, caption.first), QString(caption.second));
    }
    QVERIFY(view.cellChart()->series().isEmpty());
    QCOMPARE(view.cellModel()->rowCount(), 0);
    QCOMPARE(view.cellNum(), 0);
    QVERIFY(view.findChild<QPushButton*>("AddBarBtn")->isHidden());
    // Retranslating an empty view keeps the captions bare.
    view.retranslate();
    QCOMPARE(text(view, "SOCLab"), QString("SOC:"));
}

void TestBatteryInfo::chartFontsByScale_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<QList<int>>("sizes"); // title, legend, axis title, axis labels
    QTest::newRow("800 wide") << 800 / 1920.0 << QList<int>{8, 3, 7, 5};
    QTest::newRow("1024 wide") << 1024 / 1920.0 << QList<int>{9, 4, 8, 6};
    QTest::newRow("1280 wide") << 1280 / 1920.0 << QList<int>{10, 5, 9, 7};
    QTest::newRow("1366 wide") << 1366 / 1920.0 << QList<int>{11, 6, 10, 8};
    QTest::newRow("1920 wide") << 1.0 << QList<int>{12, 7, 11, 9};
}

void TestBatteryInfo::chartFontsByScale() {
    QFETCH(double, scale);
    QFETCH(QList<int>, sizes);
    BatteryInfo view;
    view.setScale(scale, 1.0);
    QCOMPARE(view.cellChart()->titleFont().pointSize(), sizes.at(0));
    QCOMPARE(view.cellChart()->legend()->font().pointSize(), sizes.at(1));
    QCOMPARE(view.tempAxis()->titleFont().pointSize(), sizes.at(2));
    QCOMPARE(view.cellAxis()->labelsFont().pointSize(), sizes.at(3));
    QCOMPARE(view.voltAxis()->labelsFont().family(), QString("Arial"));
}

QTEST_MAIN(TestBatteryInfo)
#include "tst_battery_info.moc"
