// The protection page, the barcode entry and a switch control against the simulated unit,
// over a real pseudo-terminal: what the program sent and what the unit answered are read
// from the relay.
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "views/add_barcode.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList sentCommands(const SimRelay& relay) {
    QStringList out;
    for (const SimRelay::Sent& s : relay.sentLines())
        out << s.line;
    return out;
}
} // namespace

class TestConfigFlows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_home.path())); } // settings file here
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); } // before the next init installs its own
    void configPageFillsAndSaves();
    void barcodeForBatteryWithout_data();
    void barcodeForBatteryWithout();
    void dischargeSwitchControl_data();
    void dischargeSwitchControl();

private:
    // Logs in and waits until the system chain has run once.
    bool login(BMSMainWin& w, SimRelay& relay) {
        addExtraPort(relay.programPath());
        w.selectPort(relay.programPath());
        w.OpenBtn_clicked();
        return relay.isReady() && w.portOpen() &&
               QTest::qWaitFor([&] { return !relay.lastReply("ctrl").isEmpty(); }, 8000);
    }
    RecordingPrompts& recorder() { return m_prompts->recorder; }

    QTemporaryDir m_home;
    QScopedPointer<ScopedPrompts> m_prompts;
};

void TestConfigFlows::configPageFillsAndSaves() {
    SimRelay relay({"--seed", "4", "--reply-delay", "5"});
    BMSMainWin w;
    QVERIFY(login(w, relay));
    w.ConfigBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("config").isEmpty(), 3000);
    const QString part = relay.lastReply("config").section("Shut time", 0, 0);
    const int lines = part.mid(part.indexOf("Over Voltage")).trimmed().split('\n').size();
    auto* model = w.form()->ConfigTabView->model();
    QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), lines, 2000);
    QCOMPARE(model->index(0, 0).data().toString(), QString("Over Voltage Alarm"));
    QVERIFY(model->index(lines - 1, 2).data().toString().isEmpty()); // a one-value item
    const QString rest = w.form()->ConfigTextBro->toPlainText();
    QVERIFY2(rest.startsWith("Shut time") && !rest.contains("Command completed"), qPrintable(rest));

    // A folder that does not exist: a warning names the file, the start folder stays.
    QVERIFY(QDir(m_home.path()).mkpath("saved"));
    const QString bad = m_home.filePath("missing/x.txt"), good = m_home.filePath("saved/a.txt");
    recorder().textAnswers << bad << good << QString();
    for (int i = 0; i < 3; ++i)
        w.ConfigDownBtn_clicked();
    QStringList seen;
    for (const PromptRecord& p : recorder().shown)
        seen << (p.kind == "save" ? p.dir : p.kind + ": " + p.text.section('\n', 1, 1));
    QCOMPARE(seen, QStringList({".", "warning: " + bad, ".", m_home.filePath("saved")}));
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
    SimRelay relay(written ? args : args << "--tbar-fail");
    BMSMainWin w;
    QVERIFY(login(w, relay));
    w.form()->BattGroupWid->batButtons().at(1)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 2").isEmpty(), 5000);
    auto* addBtn = w.form()->BattInfoWid->findChild<QPushButton*>("AddBarBtn");
    QVERIFY(!addBtn->isHidden());
    addBtn->click();
    auto* window = w.form()->BattInfoWid->findChild<AddBarcode*>();
    QVERIFY(window && window->isVisible());
    const QString code = "NB24TEST00000042";
    window->findChild<QLineEdit*>("BarEdit")->setText(code);
    window->findChild<QPushButton*>("Confirm")->click();

    const QString box = written ? "Added barcode successfully!" : "Added barcode fail!";
    QTRY_VERIFY_WITH_TIMEOUT(recorder().texts().contains(box), 5000);
    const QStringList sent = sentCommands(relay);
    const int tbar = sent.indexOf("tbar " + code);
    QVERIFY(tbar > 0);
    QCOMPARE(sent.at(tbar - 1), QString("login debug"));
    QCOMPARE(sent.value(tbar + 1) == "info", written);
    QTRY_COMPARE_WITH_TIMEOUT(addBtn->isHidden(), written, 3000);
    QCOMPARE(w.form()->BattInfoWid->barcode(), written ? code : QString());
}

void TestConfigFlows::dischargeSwitchControl_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void TestConfigFlows::dischargeSwitchControl() {
    QFETCH(bool, confirmed);
    SimRelay relay({"--seed", "9", "--reply-delay", "5"});
    BMSMainWin w;
    QVERIFY(login(w, relay));
    auto* indicator = w.form()->BattGroupWid->findChild<QRadioButton*>("DmosRadiBtn");
    QTRY_VERIFY_WITH_TIMEOUT(indicator->isChecked(), 2000); // the "ctrl" reply is shown
    recorder().buttonAnswers << (confirmed ? QMessageBox::Yes : QMessageBox::No);
    const int before = relay.sentLines().size();
    w.form()->BattGroupWid->findChild<QPushButton*>("DmosOffBtn")->click();
    QCOMPARE(recorder().shown.first().kind, QString("question"));
    if (!confirmed) {
        QTest::qWait(500);
        QVERIFY(!sentCommands(relay).contains("ctrl dfet off") && indicator->isChecked());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!indicator->isChecked(), 3000);
    QCOMPARE(recorder().texts().mid(1), QStringList{"The Mos close success!"});
    QCOMPARE(sentCommands(relay).mid(before, 2), QStringList({"ctrl dfet off", "ctrl"}));
    QVERIFY(w.pollRunning());
}

QTEST_MAIN(TestConfigFlows)
#include "test_config_flows.moc"
