// The battery group view: totals with placeholders, battery buttons and their clicks,
// alarm text, balance indicators, scaling and the reset after logout.
#include "views/battery_group.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

namespace {

const int kUnreadMarker = 268435455;
const double kNoDataD = 268435455.0;

QString labelText(const BatteryGroup& view, const char* name) {
    return view.findChild<QLabel*>(name)->text();
}

QRadioButton* radio(const BatteryGroup& view, const QString& name) {
    return view.findChild<QRadioButton*>(name);
}

BatteryStatusRow row(const QString& num, const QString& basic, const QString& alarmTime,
                     const QString& volt = "Normal", const QString& curr = "Normal",
                     const QString& temp = "Normal", const QString& cellVol = "Normal",
                     const QString& cellTemp = "Normal") {
    BatteryStatusRow r;
    r.batNum = num;
    r.basicState = basic;
    r.voltState = volt;
    r.currState = curr;
    r.tempState = temp;
    r.alarmTime = alarmTime;
    r.cellVolState = cellVol;
    r.cellTempState = cellTemp;
    return r;
}

// Position of a battery button in GroupBattBtnWid's coordinates.
QPoint buttonPos(QPushButton* button) {
    return button->parentWidget()->pos();
}

} // namespace

Q_DECLARE_METATYPE(QList<BatteryStatusRow>)

class TestBatteryGroup : public QObject {
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void switchIndicators();
    void buttonsInTwoColumns_data();
    void buttonsInTwoColumns();
    void buttonCountLimits();
    void secondClickWithin800msIsActive();
    void clickFromForeignWidgetIgnored();
    void alarmText_data();
    void alarmText();
    void balanceIndicators();
    void resetShowsCaptionsOnly();
    void retranslateKeepsValues();
    void languageRestylesButtons();
    void smallestScaleBand();
};

void TestBatteryGroup::totals_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("present");
    QTest::addColumn<double>("volt");
    QTest::addColumn<double>("curr");
    QTest::addColumn<int>("soc");
    QTest::addColumn<int>("soh");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("values") << "discharge" << 4 << 53.012 << -2.5 << 87 << 99
                            << QStringList{"State: discharge",        "Present Num: 4",
                                           "Total Voltage: 53.012 V", "Total Current: -2.5 A",
                                           "Total SOC: 87 %",         "Total SOH: 99 %"};
    QTest::newRow("zeros are values")
        << "idle" << 0 << 0.0 << 0.0 << 0 << 0
        << QStringList{"State: idle",        "Present Num: 0", "Total Voltage: 0 V",
                       "Total Current: 0 A", "Total SOC: 0 %", "Total SOH: 0 %"};
    QTest::newRow("six significant digits")
        << "charge" << 16 << 3.3 << 123.4567 << 100 << 100
        << QStringList{"State: charge",        "Present Num: 16",
                       "Total Voltage: 3.3 V", "Total Current: 123.457 A",
                       "Total SOC: 100 %",     "Total SOH: 100 %"};
    QTest::newRow("no data") << "" << kUnreadMarker << kNoDataD << kNoDataD << kUnreadMarker << kUnreadMarker
                             << QStringList{"State: --",           "Present Num: --",
                                            "Total Voltage: -- V", "Total Current: -- A",
                                            "Total SOC: -- %",     "Total SOH: -- %"};
    QTest::newRow("only SOC missing")
        << "SysError" << 2 << 52.0 << 1.25 << kUnreadMarker << 98
        << QStringList{"State: SysError",       "Present Num: 2",  "Total Voltage: 52 V",
                       "Total Current: 1.25 A", "Total SOC: -- %", "Total SOH: 98 %"};
}

void TestBatteryGroup::totals() {
    QFETCH(QString, state);
    QFETCH(int, present);
    QFETCH(double, volt);
    QFETCH(double, curr);
    QFETCH(int, soc);
    QFETCH(int, soh);
    QFETCH(QStringList, expected);
    BatteryGroup view;
    view.setSysState(state);
    view.setPresentNum(present);
    view.setTotalVolt(volt);
    view.setTotalCurr(curr);
    view.setTotalSoc(soc);
    view.setTotalSoh(soh);
    QCOMPARE(labelText(view, "TotalVolLab"), QString("Total Voltage:")); // setters only store
    view.refreshSysData();
    const QStringList shown = {labelText(view, "StateLab"),    labelText(view, "PreNumLab"),
                               labelText(view, "TotalVolLab"), labelText(view, "TotalCurrLab"),
                               labelText(view, "TotalSOCLab"), labelText(view, "TotalSOHLab")};
    QCOMPARE(shown, expected);
}

void TestBatteryGroup::switchIndicators() {
    BatteryGroup view;
    QRadioButton* cmos = radio(view, "CmosRadiBtn");
    QRadioButton* dmos = radio(view, "DmosRadiBtn");
    view.setCmos("Prechg Relay ", "ON");
    view.setDmos("DMOS State ", "OFF");
    QCOMPARE(cmos->text(), QString("Prechg Relay ")); // the caption changes at once
    QVERIFY(!cmos->isChecked());
    view.refreshSysData();
    QVERIFY(cmos->isChecked());
    QVERIFY(!dmos->isChecked());
    view.setCmos("CMOS State ", "on"); // only "ON" counts
    view.setDmos("Main Relay ", "ON");
    view.refreshSysData();
    QVERIFY(!cmos->isChecked());
    QVERIFY(dmos->isChecked());
}

void TestBatteryGroup::buttonsInTwoColumns_data() {
    QTest::addColumn<double>("hs");
    QTest::addColumn<double>("vs");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("rightX");
    QTest::addColumn<QList<int>>("rowY");
    QTest::newRow("1920x1080") << 1.0 << 1.0 << QSize(95, 26) << 110
                               << QList<int>{10, 40, 70, 100, 130, 160, 190, 220};
    QTest::newRow("1366x768") << 1366 / 1920.0 << 768 / 1080.0 << QSize(67, 18) << 78
                              << QList<int>{7, 28, 49, 71, 92, 113, 135, 156};
}

void TestBatteryGroup::buttonsInTwoColumns() {
    QFETCH(double, hs);
    QFETCH(double, vs);
    QFETCH(QSize, size);
    QFETCH(int, rightX);
    QFETCH(QList<int>, rowY);
    BatteryGroup view;
    view.setScale(hs, vs);
    view.setPresentNum(10);
    view.createBatButtons();
    const QList<QPushButton*> buttons = view.batButtons();
    QCOMPARE(buttons.size(), 10);
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons.at(i)->objectName(), QString("batBtn%1").arg(i + 1));
        QCOMPARE(buttons.at(i)->size(), size);
        const QPoint expected(i < 8 ? 0 : rightX, rowY.at(i % 8));
        QCOMPARE(buttonPos(buttons.at(i)), expected);
        QCOMPARE(buttons.at(i)->parentWidget()->layout()->contentsMargins().left(), 9);
    }
    // The ninth is level with the first, the tenth with the second.
    QCOMPARE(buttons.at(8)->mapTo(&view, QPoint()).y(), buttons.at(0)->mapTo(&view, QPoint()).y());
    QVERIFY(buttons.at(8)->mapTo(&view, QPoint()).x() >
            buttons.at(0)->mapTo(&view, QPoint()).x() + size.width());
}

void TestBatteryGroup::buttonCountLimits() {
    BatteryGroup view;
    view.setPresentNum(3);
    view.createBatButtons();
    QCOMPARE(view.batButtons().size(), 3);
    // No data: the old buttons stay.
    view.setPresentNum(kUnreadMarker);
    view.createBatButtons();
    QCOMPARE(view.batButtons().size(), 3);
    // A new count replaces them; the old ones go.
    view.setPresentNum(2);
    view.createBatButtons();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(view.batButtons().size(), 2);
    QCOMPARE(view.findChildren<QPushButton*>(QRegularExpression("^batBtn")).size(), 2);
    view.setPresentNum(0);
    view.createBatButtons();
    QVERIFY(view.batButtons().isEmpty());
    // A wild count from the line builds at most sixteen.
    view.setPresentNum(100000);
    view.createBatButtons();
    QCOMPARE(view.batButtons().size(), 16);
}

void TestBatteryGroup::secondClickWithin800msIsActive() {
    BatteryGroup view;
    view.setPresentNum(16);
    view.createBatButtons();
    QSignalSpy clicks(&view, &BatteryGroup::GroupBattBtnClick);
    view.batButtons().at(0)->click();
    QTest::qWait(400);
    view.batButtons().at(15)->click();
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0), (QList<QVariant>{false, 1}));
    QCOMPARE(clicks.at(1), (QList<QVariant>{true, 16}));
    // The refused click did not restart the cooldown: it ends 800 ms after the first.
    QTest::qWait(500);
    view.batButtons().at(2)->click();
    QCOMPARE(clicks.at(2), (QList<QVariant>{false, 3}));
}

void TestBatteryGroup::clickFromForeignWidgetIgnored() {
    BatteryGroup view;
    QSignalSpy clicks(&view, &BatteryGroup::GroupBattBtnClick);
    for (const char* name : {"batBtn17", "batBtn0", "batBtn01", "batBtnX", "other"}) {
        QPushButton stranger;
        stranger.setObjectName(name);
        connect(&stranger, &QPushButton::clicked, &view, &BatteryGroup::BtnBatClicked);
        stranger.click();
    }
    view.BtnBatClicked(); // no sender at all
    QCOMPARE(clicks.count(), 0);
}

void TestBatteryGroup::alarmText_data() {
    QTest::addColumn<QList<BatteryStatusRow>>("rows");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no rows") << QList<BatteryStatusRow>{} << "";
    QTest::newRow("all normal") << QList<BatteryStatusRow>{row("1", "Normal", "2024-03-05 10:00")}
                                << "";
    QTest::newRow("voltage alarm with time")
        << QList<BatteryStatusRow>{row("2", "Normal", "2024-03-05 10:12:01", "OverVolt")}
        << "VoltState: bat2 OverVolt\nAlarmTime: bat2 2024-03-05 10:12:01\n\r";
    QTest::newRow("dash alarm time has no time line")
        << QList<BatteryStatusRow>{row("3", "Normal", "- -", "Normal", "OverCurr")}
        << "CurrState: bat3 OverCurr\n";
    QTest::newRow("SysError alone")
        << QList<BatteryStatusRow>{row("4", "SysError", "2024-03-05 11:00:00")}
        << "BasicState: bat4 SysError\nAlarmTime: bat4 2024-03-05 11:00:00\n\r";
    QTest::newRow("every state, two rows")
        << QList<BatteryStatusRow>{row("1", "Normal", "-"),
                                   row("5", "Charge", "2024-03-05 12:00:00", "UnderVolt",
                                       "OverCurr", "OverTemp", "CellUV", "CellOT")}
        << "VoltState: bat5 UnderVolt\nCurrState: bat5 OverCurr\nTempState: bat5 OverTemp\n"
           "CellVolState: bat5 CellUV\nCellTempState: bat5 CellOT\n"
           "AlarmTime: bat5 2024-03-05 12:00:00\n\r";
    QTest::newRow("basic state that is not SysError is no alarm")
        << QList<BatteryStatusRow>{row("6", "Discharge", "2024-03-05 12:00:00")} << "";
}

void TestBatteryGroup::alarmText() {
    QFETCH(QList<BatteryStatusRow>, rows);
    QFETCH(QString, expected);
    BatteryGroup view;
    view.findChild<QTextBrowser*>("AlarmTextBrow")->setPlainText("stale");
    view.setBatInfoList(rows);
    view.refreshAlarmText();
    // The browser turns "\n\r" and "\n" into paragraphs; compare the text it was given.
    QTextBrowser* browser = view.findChild<QTextBrowser*>("AlarmTextBrow");
    QTextDocument expectedDoc;
    expectedDoc.setPlainText(expected);
    QCOMPARE(browser->toPlainText(), expectedDoc.toPlainText());
}

void TestBatteryGroup::balanceIndicators() {
    BatteryGroup view;
    for (int i = 1; i <= 16; ++i) {
        QVERIFY(radio(view, QString("Bat%1RadBtn").arg(i))->isHidden());
    }
    view.setBalanceList({"1", "0", "1"});
    view.refreshBalance();
    QVERIFY(radio(view, "Bat1RadBtn")->isChecked());
    QVERIFY(!radio(view, "Bat2RadBtn")->isChecked());
    QVERIFY(radio(view, "Bat3RadBtn")->isChecked());
    QVERIFY(!radio(view, "Bat3RadBtn")->isHidden());
    QVERIFY(radio(view, "Bat4RadBtn")->isHidden());
    // Indicators are independent of each other (not one exclusive group).
    QCOMPARE(radio(view, "Bat1RadBtn")->text(), QString("Bat 1"));
    // A shorter list leaves the indicators past its end as they were.
    view.setBalanceList({"0", "1"});
    view.refreshBalance();
    QVERIFY(!radio(view, "Bat1RadBtn")->isChecked());
    QVERIFY(radio(view, "Bat2RadBtn")->isChecked());
    QVERIFY(radio(view, "Bat3RadBtn")->isChecked());
    // Entries past sixteen have no indicator.
    QStringList many;
    for (int i = 0; i < 20; ++i) {
        many << "1";
    }
    view.setBalanceList(many);
    view.refreshBalance();
    QVERIFY(radio(view, "Bat16RadBtn")->isChecked());
}

void TestBatteryGroup::resetShowsCaptionsOnly() {
    BatteryGroup view;
    view.setSysState("charge");
    view.setPresentNum(4);
    view.setTotalVolt(53.2);
    view.setTotalCurr(10.0);
    view.setTotalSoc(80);
    view.setTotalSoh(97);
    view.setCmos("Prechg Relay ", "ON");
    view.setDmos("Main Relay ", "ON");
    view.refreshSysData();
    view.createBatButtons();
    view.setBatInfoList({row("1", "SysError", "-")});
    view.refreshAlarmText();
    view.setBalanceList({"1", "0", "0", "1"});
    view.refreshBalance();

    view.resetGroup();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(labelText(view, "StateLab"), QString("State:"));
    QCOMPARE(labelText(view, "PreNumLab"), QString("Present Num:"));
    QCOMPARE(labelText(view, "TotalVolLab"), QString("Total Voltage:"));
    QCOMPARE(labelText(view, "TotalCurrLab"), QString("Total Current:"));
    QCOMPARE(labelText(view, "TotalSOCLab"), QString("Total SOC:"));
    QCOMPARE(labelText(view, "TotalSOHLab"), QString("Total SOH:"));
    QCOMPARE(radio(view, "CmosRadiBtn")->text(), QString("CMOS State "));
    QCOMPARE(radio(view, "DmosRadiBtn")->text(), QString("DMOS State "));
    QVERIFY(!radio(view, "CmosRadiBtn")->isChecked());
    QVERIFY(!radio(view, "DmosRadiBtn")->isChecked());
    QVERIFY(view.findChild<QTextBrowser*>("AlarmTextBrow")->toPlainText().isEmpty());
    QVERIFY(view.batButtons().isEmpty());
    QVERIFY(view.findChild<QWidget*>("GroupBattBtnWid")->findChildren<QWidget*>().isEmpty());
    QVERIFY(radio(view, "Bat1RadBtn")->isHidden());
    QVERIFY(radio(view, "Bat4RadBtn")->isHidden());
    QCOMPARE(view.presentNum(), 0);
    QVERIFY(view.batInfoList().isEmpty());

    // Logging in again and reading the same number builds the buttons again.
    view.setPresentNum(4);
    view.createBatButtons();
    QCOMPARE(view.batButtons().size(), 4);
    // A status reply before the switch reply cannot show the old session's switches on.
    view.refreshSysData();
    QVERIFY(!radio(view, "CmosRadiBtn")->isChecked());
}

void TestBatteryGroup::retranslateKeepsValues() {
    BatteryGroup view;
    view.retranslate(); // nothing read yet: bare captions
    QCOMPARE(labelText(view, "TotalVolLab"), QString("Total Voltage:"));
    view.setTotalVolt(51.2);
    view.setBatInfoList({row("2", "SysError", "-")});
    view.refreshSysData();
    view.refreshAlarmText();
    view.retranslate();
    QCOMPARE(labelText(view, "TotalVolLab"), QString("Total Voltage: 51.2 V"));
    QVERIFY(view.findChild<QTextBrowser*>("AlarmTextBrow")->toPlainText().contains("bat2"));
}

void TestBatteryGroup::languageRestylesButtons() {
    BatteryGroup view;
    view.setPresentNum(3);
    view.createBatButtons(); // no language yet: the English pictures, not blank buttons
    QVERIFY(view.batButtons().at(2)->styleSheet().contains(":/icon/res/Bat3_en.png"));
    view.setLanguage("en");
    QVERIFY(view.batButtons().at(2)->styleSheet().contains(":/icon/res/pressed.png"));
    view.setLanguage("de");
    QVERIFY(view.batButtons().at(2)->styleSheet().contains(":/icon/res/Bat3_de.png"));
    QCOMPARE(view.findChild<QLabel*>("BatteryLab")->styleSheet(),
             QString("image: url(:/icon/res/group_de.jpg);"));
    QCOMPARE(view.findChild<QLabel*>("AlarmLab")->styleSheet(),
             QString("image: url(:/icon/res/alarm_de.jpg);"));
    QCOMPARE(view.findChild<QLabel*>("BalanceLab")->styleSheet(),
             QString("image: url(:/icon/res/balance_de.png);"));
    QVERIFY(radio(view, "CmosRadiBtn")->styleSheet().contains(":/icon/res/moson_de.png"));
    QVERIFY(radio(view, "CmosRadiBtn")->styleSheet().contains(":/icon/res/mosoff_de.png"));
}

void TestBatteryGroup::smallestScaleBand() {
    BatteryGroup view;
    view.setLanguage("fr");
    view.setScale(800 / 1920.0, 600 / 1080.0);
    QCOMPARE(radio(view, "Bat7RadBtn")->font().pointSize(), 6);
    QCOMPARE(view.findChild<QLabel*>("AlarmLab")->size(), QSize(20, 40));
    QCOMPARE(view.findChild<QLabel*>("BalanceLab")->size(), QSize(25, 40));
    const QString mos = radio(view, "DmosRadiBtn")->styleSheet();
    QVERIFY(mos.contains("width: 27px") && mos.contains("height: 20px"));
    QVERIFY(mos.contains("mosoff_fr.png"));
    // Buttons built now are packed tight: no left margin.
    view.setPresentNum(1);
    view.createBatButtons();
    QCOMPARE(view.batButtons().at(0)->parentWidget()->layout()->contentsMargins(), QMargins());
    QCOMPARE(view.batButtons().at(0)->size(), QSize(39, 14));
}

QTEST_MAIN(TestBatteryGroup)
#include "tst_battery_group.moc"
