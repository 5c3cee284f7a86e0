// The battery group view: totals with placeholders, battery buttons and their clicks,
// alarm text, balance indicators, language pictures and the reset after logout.
#include "views/battery_group.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

namespace {

const int kUnreadMarker = 268435455;

QRadioButton* radio(const BatteryGroup& view, const QString& name) {
    return view.findChild<QRadioButton*>(name);
}

// The six totals, then the CMOS and DMOS switches as 1 (on) or 0.
QString totalsShown(const BatteryGroup& view) {
    QStringList shown;
    for (const char* name :
         {"StateLab", "PreNumLab", "TotalVolLab", "TotalCurrLab", "TotalSOCLab", "TotalSOHLab"})
        shown << view.findChild<QLabel*>(name)->text();
    return shown.join('|') + "|" + QString::number(radio(view, "CmosRadiBtn")->isChecked()) +
           QString::number(radio(view, "DmosRadiBtn")->isChecked());
}

QString alarmShown(const BatteryGroup& view) {
    return view.findChild<QTextBrowser*>("AlarmTextBrow")->toPlainText();
}

// A "pwr" row whose states are all "Normal" unless given.
BatteryStatusRow row(const QString& num, const QString& basic, const QString& alarmTime,
                     QStringList s = {}) {
    while (s.size() < 5)
        s << "Normal";
    return {num, basic, s[0], s[1], s[2], 0.0, alarmTime, s[3], s[4]};
}

void makeButtons(BatteryGroup& view, int count) {
    view.setPresentNum(count);
    view.createBatButtons();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestBatteryGroup : public QObject {
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void buttonsInTwoColumns();
    void buttonCountAndCaptions();
    void secondClickWithin800msIsActive();
    void alarmText();
    void balanceIndicators();
    void resetShowsCaptionsOnly();
};

// Totals with six significant digits, zeros as values, placeholders without data; a switch
// is on only for "ON".
void TestBatteryGroup::totals_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QList<double>>("numbers"); // present, volt, curr, SOC, SOH
    QTest::addColumn<QStringList>("switches");  // CMOS, DMOS
    QTest::addColumn<QString>("expected");
    QTest::newRow("values") << "discharge" << QList<double>{4, 53.012, -123.4567, 87, 99}
                            << QStringList{"ON", "OFF"}
                            << "State: discharge|Present Num: 4|Total Voltage: 53.012 V|"
                               "Total Current: -123.457 A|Total SOC: 87 %|Total SOH: 99 %|10";
    QTest::newRow("zeros") << "idle" << QList<double>{0, 0, 0, 0, 0} << QStringList{"on", "ON"}
                           << "State: idle|Present Num: 0|Total Voltage: 0 V|"
                              "Total Current: 0 A|Total SOC: 0 %|Total SOH: 0 %|01";
    QTest::newRow("no data") << "" << QVector<double>(5, kUnreadMarker).toList()
                             << QStringList{"", ""}
                             << "State: --|Present Num: --|Total Voltage: -- V|"
                                "Total Current: -- A|Total SOC: -- %|Total SOH: -- %|00";
}

void TestBatteryGroup::totals() {
    QFETCH(QString, state);
    QFETCH(QList<double>, numbers);
    QFETCH(QStringList, switches);
    QFETCH(QString, expected);
    BatteryGroup view;
    view.setSysState(state);
    view.setPresentNum(int(numbers[0]));
    view.setTotalVolt(numbers[1]);
    view.setTotalCurr(numbers[2]);
    view.setTotalSoc(int(numbers[3]));
    view.setTotalSoh(int(numbers[4]));
    view.setCmos("CMOS State ", switches[0]);
    view.setDmos("DMOS State ", switches[1]);
    QVERIFY(totalsShown(view).endsWith("|00")); // the switches wait for the refresh
    view.refreshSysData();
    QCOMPARE(totalsShown(view), expected);
    view.retranslate(); // keeps the values shown
    QCOMPARE(totalsShown(view), expected);
}

// At the 1366x768 scale: ten buttons in two columns of eight, the ninth beside the first,
// every caption whole in a readable size.
void TestBatteryGroup::buttonsInTwoColumns() {
    BatteryGroup view;
    view.setScale(1366 / 1920.0, 768 / 1080.0);
    makeButtons(view, 10);
    const QList<QPushButton*> buttons = view.batButtons();
    QCOMPARE(buttons.size(), 10);
    QCOMPARE(buttons.at(9)->objectName(), QString("batBtn10"));
    const QPushButton* b = buttons.at(9);
    QVERIFY(b->font().pointSize() >= 9 &&
            b->width() > b->fontMetrics().horizontalAdvance(b->text()));
    const auto box = [&](int i) { return buttons.at(i)->parentWidget()->geometry(); };
    QVERIFY(box(7).top() > box(6).bottom() && box(8).left() > box(0).right());
    QCOMPARE(box(8).top(), box(0).top());
}

// Unread counts keep the buttons, new counts replace them, wild ones stop at sixteen; each
// button names its battery.
void TestBatteryGroup::buttonCountAndCaptions() {
    BatteryGroup view;
    makeButtons(view, 3);
    QCOMPARE(view.batButtons().at(2)->text(), QString("Battery 3"));
    makeButtons(view, kUnreadMarker);
    QCOMPARE(view.batButtons().size(), 3);
    makeButtons(view, 2);
    QCOMPARE(view.findChildren<QPushButton*>(QRegularExpression("^batBtn")).size(), 2);
    makeButtons(view, 100000);
    QCOMPARE(view.batButtons().size(), 16);
}

void TestBatteryGroup::secondClickWithin800msIsActive() {
    BatteryGroup view;
    makeButtons(view, 16);
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

// Only alarms are listed, over stale text; a dash alarm time gives no time line; SysError is
// the one basic state reported; retranslating keeps the list.
void TestBatteryGroup::alarmText() {
    BatteryGroup view;
    view.findChild<QTextBrowser*>("AlarmTextBrow")->setPlainText("stale");
    view.setBatInfoList({row("1", "Normal", "2024-03-05 10:00")});
    view.refreshAlarmText();
    QCOMPARE(alarmShown(view), QString());
    view.setBatInfoList({row("1", "Normal", "-"), row("3", "Normal", "- -", {"Normal", "OverCurr"}),
                         row("4", "SysError", "2024-03-05 11:00:00"),
                         row("5", "Charge", "2024-03-05 12:00:00",
                             {"UnderVolt", "OverCurr", "OverTemp", "CellUV", "CellOT"})});
    view.refreshAlarmText();
    view.retranslate();
    // The browser turns "\n\r" and "\n" into paragraphs; compare the text it was given.
    QTextDocument expected;
    expected.setPlainText("CurrState: bat3 OverCurr\nBasicState: bat4 SysError\n"
                          "AlarmTime: bat4 2024-03-05 11:00:00\n\r"
                          "VoltState: bat5 UnderVolt\nCurrState: bat5 OverCurr\n"
                          "TempState: bat5 OverTemp\nCellVolState: bat5 CellUV\n"
                          "CellTempState: bat5 CellOT\nAlarmTime: bat5 2024-03-05 12:00:00\n\r");
    QCOMPARE(alarmShown(view), expected.toPlainText());
}

// Indicators are not one exclusive group; a shorter list leaves the rest as they were;
// entries past sixteen have no indicator.
void TestBatteryGroup::balanceIndicators() {
    BatteryGroup view;
    const auto shown = [&] {
        QString s;
        for (int i = 1; i <= 16; ++i) {
            QRadioButton* r = radio(view, QString("Bat%1RadBtn").arg(i));
            s += r->isHidden() ? '-' : r->isChecked() ? '1' : '0';
        }
        return s;
    };
    view.setBalanceList({"1", "0", "1"});
    view.refreshBalance();
    QCOMPARE(shown(), QString("101-------------"));
    view.setBalanceList({"0", "1"});
    view.refreshBalance();
    QCOMPARE(shown(), QString("011-------------"));
    view.setBalanceList(QVector<QString>(20, "1").toList());
    view.refreshBalance();
    QCOMPARE(shown(), QString(16, '1'));
}

void TestBatteryGroup::resetShowsCaptionsOnly() {
    BatteryGroup view;
    view.setTotalVolt(53.2);
    view.setCmos("Prechg Relay ", "ON");
    view.setDmos("Main Relay ", "ON");
    QCOMPARE(radio(view, "CmosRadiBtn")->text(), QString("Prechg Relay ")); // at once
    makeButtons(view, 4);
    view.refreshSysData();
    view.setBatInfoList({row("1", "SysError", "-")});
    view.refreshAlarmText();
    view.setBalanceList({"1", "0", "0", "1"});
    view.refreshBalance();

    view.resetGroup();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(totalsShown(view),
             QString("State:|Present Num:|Total Voltage:|Total Current:|Total SOC:|Total SOH:|00"));
    QCOMPARE(radio(view, "CmosRadiBtn")->text() + radio(view, "DmosRadiBtn")->text(),
             QString("CMOS State DMOS State "));
    QVERIFY(alarmShown(view).isEmpty());
    QVERIFY(view.findChild<QWidget*>("GroupBattBtnWid")->findChildren<QWidget*>().isEmpty());
    QVERIFY(radio(view, "Bat4RadBtn")->isHidden());
    view.retranslate();
    QVERIFY(totalsShown(view).startsWith("State:|"));

    // Logging in again and reading the same number builds the buttons again; a status reply
    // before the switch reply cannot show the old session's switches on.
    makeButtons(view, 4);
    QCOMPARE(view.batButtons().size(), 4);
    view.refreshSysData();
    QVERIFY(totalsShown(view).endsWith("|00"));
}

QTEST_MAIN(TestBatteryGroup)
#include "tst_battery_group.moc"
