// Both status views filled with a recorded system on the status page at four screen sizes in
// each of the five languages: no caption, value, button, indicator or table header is cut.
// With NB_SHOT_DIR set the pages are also saved there for a look.
#include "records/record_table.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The status page of the main window form at 1920x1000 is 1540x853 (group above, info
// below, 2:3); the window and its pages shrink by the screen rates.
const QSize kScreens[] = {{1920, 1080}, {1366, 768}, {1280, 720}, {1024, 768}};

// A discharging system of the given number of batteries; battery 3 in under-voltage alarm,
// battery 2 balancing.
void fillGroup(BatteryGroup& group, int batteries) {
    group.setSysState("discharge");
    group.setPresentNum(batteries);
    group.setTotalVolt(51.846);
    group.setTotalCurr(-23.45);
    group.setTotalSoc(64);
    group.setTotalSoh(98);
    group.setCmos("CMOS State ", "ON");
    group.setDmos("DMOS State ", "ON");
    group.refreshSysData();
    group.createBatButtons();
    QList<BatteryStatusRow> rows;
    QStringList balance;
    for (int i = 1; i <= batteries; ++i) {
        const bool alarm = i == 3;
        rows.append({QString::number(i), "Dischg", alarm ? "UnderVolt" : "Normal", "Normal",
                     "Normal", alarm ? 22.0 : 60.0 + i, alarm ? "2024-03-05 10:12:41" : "-",
                     alarm ? "CellUnderVolt" : "Normal", "Normal"});
        balance.append(i == 2 ? "1" : "0");
    }
    group.setBatInfoList(rows);
    group.refreshAlarmText();
    group.setBalanceList(balance);
    group.refreshBalance();
}

void fillInfo(BatteryInfo& info) {
    info.setDevAdd("3");
    info.setBootVer("V1.0.4");
    info.setCommVer("V2.1.0");
    info.setMainSoftVer("V2.8.6.20240221");
    info.setPackRating("51.2V100AH");
    info.setMaxChargeCurr("100A");
    info.setReleaseDate("2024-02-21");
    info.setCellNum(16);
    info.refreshInfo();
    QList<CellRecord> cells; // 3.256-3.264 V with cell 4 low, 21.3-24.5 degrees
    for (int i = 0; i < 16; ++i)
        cells.append(
            {i, i == 3 ? 3.198 : 3.256 + 0.001 * (i * 5 % 9), 21.3 + 0.2 * (i * 7 % 17), 22, 100});
    info.setCells(cells);
    info.setMaxCellVolt(3.264);
    info.setMinCellVolt(3.198);
    info.setMaxVolCell(9);
    info.setMinVolCell(3);
    info.setCapacity(100);
    info.setSoc(22);
    info.setCurrent(-5.87);
    info.setTemperature(24.6);
    info.setSoh(98.4375);
    info.setBasicStatus("Dischg");
    info.setSysFault("CellUnderVolt");
    info.setBatNum(3);
    info.refreshPwr();
    info.refreshCells();
}

// What the main window's scaling does to every widget below 1440 pixels of width.
void applyWindowFont(QWidget* root, double widthRate) {
    if (widthRate > 0.75)
        return;
    const int points = widthRate <= 0.416667   ? 7
                       : widthRate <= 0.6125   ? 8
                       : widthRate <= 0.666667 ? 9
                                               : 10;
    for (QWidget* widget : root->findChildren<QWidget*>())
        widget->setFont(QFont("Arial", points));
}

// Every visible caption, value and indicator gets at least the room its text asks for;
// every battery button lies inside its box.
void checkNothingCut(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        if ((label && !label->text().trimmed().isEmpty()) || qobject_cast<QRadioButton*>(w))
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                     qPrintable(w->objectName()));
        const auto* button = qobject_cast<QPushButton*>(w);
        if (!button)
            continue;
        // A battery's caption reads in at least 9 pt and fits its button.
        QVERIFY(!button->objectName().startsWith("batBtn") || button->font().pointSize() >= 9);
        QVERIFY(button->width() > button->fontMetrics().horizontalAdvance(button->text()));
        const QWidget* box = w->parentWidget()->parentWidget();
        QVERIFY2(QRect(box->mapTo(root, QPoint()), box->size())
                     .contains(QRect(w->mapTo(root, QPoint()), w->size())),
                 qPrintable(w->objectName()));
    }
}

void save(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("NB_SHOT_DIR");
    if (!dir.isEmpty())
        QVERIFY(QDir().mkpath(dir) && widget->grab().save(dir + "/" + name + ".png"));
}

} // namespace

class TestViewsShots : public QObject {
    Q_OBJECT

private slots:
    void statusPage_data();
    void statusPage();
    void recordHeader_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "de", "fr", "es", "it"})
            QTest::newRow(code) << QString(code);
    }
    void recordHeader();
};

void TestViewsShots::statusPage_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("batteries");
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "fr", "es", "it"})
        for (const QSize& screen : kScreens)
            for (int batteries : {4, 16})
                QTest::addRow("%s %dx%d, %d batteries", code, screen.width(), screen.height(),
                              batteries)
                    << screen << batteries << QString(code);
}

void TestViewsShots::statusPage() {
    QFETCH(QSize, screen);
    QFETCH(int, batteries);
    QFETCH(QString, code);
    QTranslator translator; // leaves the application when it goes
    const QString qm = "/languages/TranslationExample_" + code + ".qm";
    QVERIFY(translator.load(qEnvironmentVariable("NB_BIN_DIR") + qm));
    QCoreApplication::installTranslator(&translator);
    const double widthRate = screen.width() / 1920.0;
    const double heightRate = screen.height() / 1080.0;
    const QSize pageSize(int(1540 * widthRate), int(853 * heightRate));
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new BatteryGroup;
    auto* info = new BatteryInfo;
    layout->addWidget(group, 2);
    layout->addWidget(info, 3);
    applyWindowFont(&page, widthRate);
    group->setLanguage(code);
    info->setLanguage(code);
    group->setScale(widthRate, heightRate);
    info->setScale(widthRate, heightRate);
    page.resize(pageSize);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    fillGroup(*group, batteries);
    fillInfo(*info);
    QCoreApplication::processEvents();

    // Pictures first, so that a failing check below can be looked at.
    const QString tag =
        QString("%1x%2_%3bat_%4").arg(screen.width()).arg(screen.height()).arg(batteries).arg(code);
    save(&page, "chart_" + tag);
    // ChangeBtn swaps the chart for the table and back.
    auto* chart = info->findChild<QWidget*>("cellLineChart");
    auto* table = info->findChild<QTableView*>("cellTableView");
    auto* change = info->findChild<QPushButton*>("ChangeBtn");
    change->click();
    QCoreApplication::processEvents();
    save(&page, "table_" + tag);
    QVERIFY(table->isVisible() && !chart->isVisible());

    QCOMPARE(page.size(), pageSize); // the views' minimums did not make the page grow
    checkNothingCut(group);
    QHeaderView* header = table->horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        QVERIFY(header->sectionSize(i) >= header->sectionSizeHint(i));
    change->click();
    QCoreApplication::processEvents();
    QVERIFY(chart->isVisible() && !table->isVisible());
    checkNothingCut(info);
}

// The records table beside the left column at 1366x768, its header in the page's font:
// every text whole on at most two lines, the columns up to the cell extremes visible.
void TestViewsShots::recordHeader() {
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(qEnvironmentVariable("NB_BIN_DIR") + "/languages/TranslationExample_" +
                            code + ".qm"));
    QCoreApplication::installTranslator(&translator);
    QStringList headers;
    for (const char* text : {"Item", "Date", "Time", "Volt", "Current", "Temp", "Min. temp of cell",
                             "Max. temp of cell", "Min. voltage of cell", "Max. voltage of cell",
                             "Base Status", "Voltage Status", "Current Status", "Temp Status"})
        headers << QCoreApplication::translate("BMSMainWin", text);
    QTableView table;
    QStandardItemModel model;
    table.setModel(&model);
    useRecordHeader(&table);
    setRecordColumns(&model, headers);
    table.setStyleSheet("QHeaderView::section{font:12pt \"Arial\"; padding:4px;}");
    table.resize(1095, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    widenInteractiveColumns(&table);
    QHeaderView* header = table.horizontalHeader();
    for (int c = 0; c < header->count(); ++c) {
        const QRect room(0, 0, header->sectionSize(c) - 8, header->height() - 8);
        QVERIFY2(
            room.contains(
                QFontMetrics(QFont("Arial", 12)).boundingRect(room, Qt::TextWordWrap, headers[c])),
            qPrintable(headers[c]));
    }
    // German names each cell extreme in one long word, so its tenth column starts the scroll.
    const int last = code == "de" ? 8 : 9;
    QVERIFY(header->sectionViewportPosition(last) + header->sectionSize(last) <=
            table.viewport()->width());
}

QTEST_MAIN(TestViewsShots)
#include "tst_views_shots.moc"
