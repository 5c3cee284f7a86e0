// Both status views filled with a recorded four-battery system at the sizes they get on the
// status page of a 1920x1080 and a 1366x768 screen, in each of the five languages. Checks
// that no caption, value, button or indicator is cut; with NB_SHOT_DIR set it also saves the
// pictures there for a look.
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>
#include <iterator>

namespace {

// The status page of the main window form at 1920x1000 is 1540x853 (group above, info
// below, 2:3); the window and its pages shrink by the screen rates.
const struct {
    int width;
    int height;
    QSize page;
} kScreens[] = {
    {1920, 1080, QSize(1540, 853)},
    {1366, 768, QSize(1095, 606)},
    {1280, 720, QSize(1026, 568)},
    {1024, 768, QSize(821, 606)},
};

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
    info.setBarcode("");
    info.setPackRating("51.2V100AH");
    info.setMaxChargeCurr("100A");
    info.setReleaseDate("2024-02-21");
    info.setCellNum(16);
    info.refreshInfo();
    const double volts[] = {3.261, 3.259, 3.262, 3.198, 3.260, 3.263, 3.258, 3.257,
                            3.261, 3.264, 3.259, 3.262, 3.256, 3.260, 3.261, 3.258};
    const double temps[] = {22.1, 22.4, 23.0, 23.6, 24.1, 24.8, 24.5, 23.9,
                            23.2, 22.7, 22.0, 21.6, 21.3, 21.5, 21.9, 22.3};
    QList<CellRecord> cells;
    for (int i = 0; i < 16; ++i) {
        cells.append({i, volts[i], temps[i], 22, 100});
    }
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
    if (widthRate > 0.75) {
        return;
    }
    const int points = widthRate <= 0.416667   ? 7
                       : widthRate <= 0.6125   ? 8
                       : widthRate <= 0.666667 ? 9
                                               : 10;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        widget->setFont(QFont("Arial", points));
    }
}

// Every visible caption, value and indicator gets at least the room its text asks for;
// every battery button lies inside its box.
void checkNothingCut(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool text =
            (label && !label->text().trimmed().isEmpty()) || qobject_cast<QRadioButton*>(w);
        const QByteArray what = w->objectName().toUtf8();
        if (w->isVisible() && text) {
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                     what.constData());
        }
        if (w->isVisible() && qobject_cast<QPushButton*>(w)) {
            const QWidget* box = w->parentWidget()->parentWidget();
            const QRect boxRect(box->mapTo(root, QPoint()), box->size());
            QVERIFY2(boxRect.contains(QRect(w->mapTo(root, QPoint()), w->size())),
                     what.constData());
        }
    }
}

void checkTableHeaders(QTableView* table) {
    QHeaderView* header = table->horizontalHeader();
    for (int i = 0; i < header->count(); ++i) {
        QVERIFY2(header->sectionSize(i) >= header->sectionSizeHint(i),
                 qPrintable(QString::number(i)));
    }
}

void save(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("NB_SHOT_DIR");
    if (dir.isEmpty()) {
        return;
    }
    QDir().mkpath(dir);
    QVERIFY(widget->grab().save(QDir(dir).filePath(name + ".png")));
}

} // namespace

class TestViewsShots : public QObject {
    Q_OBJECT

private slots:
    void statusPage_data();
    void statusPage();
};

void TestViewsShots::statusPage_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("batteries");
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "fr", "es", "it"}) {
        for (int i = 0; i < int(std::size(kScreens)); ++i) {
            for (int batteries : {4, 16}) {
                QTest::addRow("%s %dx%d, %d batteries", code, kScreens[i].width, kScreens[i].height,
                              batteries)
                    << i << batteries << QString(code);
            }
        }
    }
}

void TestViewsShots::statusPage() {
    QFETCH(int, screen);
    QFETCH(int, batteries);
    QFETCH(QString, code);
    QTranslator translator; // leaves the application when it goes
    const QString qm = "/languages/TranslationExample_" + code + ".qm";
    QVERIFY(translator.load(qEnvironmentVariable("NB_BIN_DIR") + qm));
    QCoreApplication::installTranslator(&translator);
    const auto& s = kScreens[screen];
    const double widthRate = s.width / 1920.0;
    const double heightRate = s.height / 1080.0;
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
    page.resize(s.page);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    fillGroup(*group, batteries);
    fillInfo(*info);
    QCoreApplication::processEvents();

    // Pictures first, so that a failing check below can be looked at.
    const QString tag =
        QString("%1x%2_%3bat_%4").arg(s.width).arg(s.height).arg(batteries).arg(code);
    save(group, "group_" + tag);
    save(info, "info_chart_" + tag);
    save(&page, "page_" + tag);
    // ChangeBtn swaps the chart for the table and back.
    auto* chart = info->findChild<QWidget*>("cellLineChart");
    auto* table = info->findChild<QTableView*>("cellTableView");
    info->findChild<QPushButton*>("ChangeBtn")->click();
    QCoreApplication::processEvents();
    save(info, "info_table_" + tag);
    QVERIFY(table->isVisible() && !chart->isVisible());

    QCOMPARE(page.size(), s.page); // the views' minimums did not make the page grow
    checkNothingCut(group);
    checkTableHeaders(table);
    info->findChild<QPushButton*>("ChangeBtn")->click();
    QCoreApplication::processEvents();
    QVERIFY(chart->isVisible() && !table->isVisible());
    checkNothingCut(info);
}

QTEST_MAIN(TestViewsShots)
#include "tst_views_shots.moc"
