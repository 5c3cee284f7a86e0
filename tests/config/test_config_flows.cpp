// The protection page, the barcode entry and a switch control against the simulated unit.
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
    void barcodeThenPageAndSwitch_data();
    void barcodeThenPageAndSwitch();
};

void TestConfigFlows::barcodeThenPageAndSwitch_data() {
    QTest::addColumn<bool>("written");
    QTest::newRow("written, then the page and the switch") << true;
    QTest::newRow("unit refuses") << false;
}

void TestConfigFlows::barcodeThenPageAndSwitch() {
    QFETCH(bool, written);
    QStringList args{"--batteries", "3", "--seed", "6", "--reply-delay", "5"};
    SimSession s(written ? args : args << "--tbar-fail");
    BMSMainWin& w = s.w;
    QVERIFY(s.login());
    // Battery 2 has no barcode: writing one logs in again first; only a written one hides the
    // button.
    w.form()->BattGroupWid->batButtons().at(1)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("pwr 2").isEmpty(), 5000);
    auto* addBtn = w.form()->BattInfoWid->findChild<QPushButton*>("AddBarBtn");
    addBtn->click();
    auto* window = w.form()->BattInfoWid->findChild<AddBarcode*>();
    QVERIFY(window && window->isVisible());
    const QString code = "NB24TEST00000042";
    window->findChild<QLineEdit*>("BarEdit")->setText(code);
    window->findChild<QPushButton*>("Confirm")->click();
    const QString box = written ? "Added barcode successfully!" : "Added barcode fail!";
    QTRY_VERIFY_WITH_TIMEOUT(s.recorder().texts().contains(box), 5000);
    const int tbar = s.sent().indexOf("tbar " + code);
    QCOMPARE(s.sent().value(tbar - 1), QString("login debug"));
    QCOMPARE(s.sent().value(tbar + 1) == "info", written);
    QTRY_COMPARE_WITH_TIMEOUT(addBtn->isHidden(), written, 3000);
    QCOMPARE(w.form()->BattInfoWid->barcode(), written ? code : QString());
    if (!written)
        return;

    // The discharge switch: declined sends nothing; confirmed, it goes off and "ctrl" shows it.
    auto* indicator = w.form()->BattGroupWid->findChild<QRadioButton*>("DmosRadiBtn");
    auto* control = w.form()->BattGroupWid->findChild<QPushButton*>("DmosOffBtn");
    QVERIFY(indicator->isChecked());
    s.recorder().shown.clear();
    s.recorder().buttonAnswers << QMessageBox::No << QMessageBox::Yes;
    const int before = s.sent().size();
    control->click();
    control->click();
    QTRY_VERIFY_WITH_TIMEOUT(!indicator->isChecked(), 3000);
    QCOMPARE(s.recorder().texts().mid(2), QStringList{"The Mos close success!"});
    QCOMPARE(s.sent().mid(before).filter("ctrl dfet"), QStringList{"ctrl dfet off"});
    QCOMPARE(s.sent().mid(s.sent().indexOf("ctrl dfet off"), 2),
             QStringList({"ctrl dfet off", "ctrl"}));
    QVERIFY(w.session().pollTimer().isActive());

    // The protection page fills its table and text.
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

    // Saving: a missing folder gets a warning naming the file and keeps the start folder; the
    // dialog after a good save opens in its folder.
    QVERIFY(QDir().mkdir("saved"));
    const QString bad = s.home.filePath("missing/x.txt"), good = s.home.filePath("saved/a.txt");
    s.recorder().shown.clear();
    s.recorder().textAnswers << bad << good << QString();
    for (int i = 0; i < 3; ++i)
        w.ConfigDownBtn_clicked();
    QStringList seen;
    for (const PromptRecord& p : s.recorder().shown)
        seen << (p.kind == "save" ? p.dir : p.kind + ": " + p.text.section('\n', 1, 1));
    QCOMPARE(seen, QStringList({".", "warning: " + bad, ".", s.home.filePath("saved")}));
    QFile saved(good);
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("Over Voltage Alarm"));
}

QTEST_MAIN(TestConfigFlows)
#include "test_config_flows.moc"
