// The protection page, the barcode entry and a switch control against the simulated unit,
// over a real pseudo-terminal: what the program sent and what the unit answered are read
// from the relay.
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/add_barcode.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestConfigFlows : public QObject {
    Q_OBJECT
private slots:
    void configPageFillsAndSaves();
    void barcodeForBatteryWithout_data();
    void barcodeForBatteryWithout();
    void dischargeSwitchControl();
};

void TestConfigFlows::configPageFillsAndSaves() {
    SimSession s({"--seed", "4", "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    w.ConfigBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("config").isEmpty(), 3000);
    const QString part = s.relay.lastReply("config").section("Shut time", 0, 0);
    const int lines = part.mid(part.indexOf("Over Voltage")).trimmed().split('\n').size();
    auto* model = w.form()->ConfigTabView->model();
    QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), lines, 2000);
    QCOMPARE(model->index(0, 0).data().toString(), QString("Over Voltage Alarm"));
    QVERIFY(model->index(lines - 1, 2).data().toString().isEmpty()); // a one-value item
    const QString rest = w.form()->ConfigTextBro->toPlainText();
    QVERIFY2(rest.startsWith("Shut time") && !rest.contains("Command completed"), qPrintable(rest));

    // A folder that does not exist: a warning names the file, the start folder stays.
    QVERIFY(QDir().mkdir("saved"));
    const QString bad = s.home.filePath("missing/x.txt"), good = s.home.filePath("saved/a.txt");
    s.recorder().textAnswers << bad << good << QString();
    for (int i = 0; i < 3; ++i)
        w.ConfigDownBtn_clicked();
    QStringList seen;
    for (const PromptRecord& p : s.recorder().shown)
        seen << (p.kind == "save" ? p.dir : p.kind + ": " + p.text.section('\n', 1, 1));
    QCOMPARE(seen, QStringList({".", "warning: " + bad, ".", s.home.filePath("saved")}));
    QFile saved(good);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("Over Voltage Alarm"));
}

void TestConfigFlows::barcodeForBatteryWithout_data() {
    QTest::addColumn<bool>("written");
    QTest::newRow("written") << true;
    QTest::newRow("unit refuses") << false;
}

// The simulator's battery 2 has no barcode; writing one for it logs in again first.
void TestConfigFlows::barcodeForBatteryWithout() {
    QFETCH(bool, written);
    QStringList args{"--batteries", "3", "--seed", "6", "--reply-delay", "5"};
    SimSession s(written ? args : args << "--tbar-fail");
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    w.form()->BattGroupWid->batButtons().at(1)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("pwr 2").isEmpty(), 5000);
    auto* addBtn = w.form()->BattInfoWid->findChild<QPushButton*>("AddBarBtn");
    QVERIFY(!addBtn->isHidden());
    addBtn->click();
    auto* window = w.form()->BattInfoWid->findChild<AddBarcode*>();
    QVERIFY(window && window->isVisible());
    const QString code = "NB24TEST00000042";
    window->findChild<QLineEdit*>("BarEdit")->setText(code);
    window->findChild<QPushButton*>("Confirm")->click();

    const QString box = written ? "Added barcode successfully!" : "Added barcode fail!";
    QTRY_VERIFY_WITH_TIMEOUT(s.recorder().texts().contains(box), 5000);
    const QStringList sent = s.sent();
    const int tbar = sent.indexOf("tbar " + code);
    QVERIFY(tbar > 0);
    QCOMPARE(sent.at(tbar - 1), QString("login debug"));
    QCOMPARE(sent.value(tbar + 1) == "info", written);
    QTRY_COMPARE_WITH_TIMEOUT(addBtn->isHidden(), written, 3000);
    QCOMPARE(w.form()->BattInfoWid->barcode(), written ? code : QString());
}

// Declined first: nothing is sent. Then confirmed: the switch goes off and "ctrl" shows it.
void TestConfigFlows::dischargeSwitchControl() {
    SimSession s({"--seed", "9", "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    auto* indicator = w.form()->BattGroupWid->findChild<QRadioButton*>("DmosRadiBtn");
    auto* control = w.form()->BattGroupWid->findChild<QPushButton*>("DmosOffBtn");
    QTRY_VERIFY_WITH_TIMEOUT(indicator->isChecked(), 2000); // the "ctrl" reply is shown
    s.recorder().buttonAnswers << QMessageBox::No << QMessageBox::Yes;
    control->click();
    QTest::qWait(500);
    QVERIFY(!s.sent().contains("ctrl dfet off") && indicator->isChecked());
    const int before = s.sent().size();
    control->click();
    QTRY_VERIFY_WITH_TIMEOUT(!indicator->isChecked(), 3000);
    QCOMPARE(s.recorder().shown.value(1).kind, QString("question"));
    QCOMPARE(s.recorder().texts().mid(2), QStringList{"The Mos close success!"});
    QCOMPARE(s.sent().mid(before, 2), QStringList({"ctrl dfet off", "ctrl"}));
    QVERIFY(w.pollRunning());
}

QTEST_MAIN(TestConfigFlows)
#include "test_config_flows.moc"
