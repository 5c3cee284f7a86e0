// The password gate: compared exactly as typed, an empty field warns, a wrong one stays
// silent, and Return (either Enter key) works as Confirm.
#include "recording_prompts.h"
#include "upgrade/updata_login.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TstUpdataLogin : public QObject {
    Q_OBJECT
private slots:
    void confirm_data();
    void confirm();
};

void TstUpdataLogin::confirm_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: the Confirm button
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QString>("message");
    QTest::newRow("right, button") << "740318" << 0 << true << "";
    QTest::newRow("right, Return") << "740318" << int(Qt::Key_Return) << true << "";
    QTest::newRow("right, keypad Enter") << "740318" << int(Qt::Key_Enter) << true << "";
    QTest::newRow("empty") << "" << int(Qt::Key_Return) << false << "The Password is empty!";
    QTest::newRow("leading space") << " 740318" << 0 << false << "";
    QTest::newRow("trailing space") << "740318 " << int(Qt::Key_Return) << false << "";
    QTest::newRow("wrong") << "740319" << 0 << false << "";
}

void TstUpdataLogin::confirm() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, passed);
    QFETCH(QString, message);
    ScopedPrompts prompts;
    QPointer<UpdataLogin> gate = new UpdataLogin();
    gate->show();
    QSignalSpy success(gate.data(), &UpdataLogin::LoginSuccess);
    auto* edit = gate->findChild<QLineEdit*>("PsdEdit");
    QTest::keyClicks(edit, typed);
    if (key)
        QTest::keyClick(edit, Qt::Key(key));
    else
        gate->findChild<QPushButton*>("Confirm")->click();
    QCOMPARE(success.count(), passed ? 1 : 0);
    QCOMPARE(prompts.recorder.lastText(), message);
    if (!passed) {
        QCOMPARE(edit->text(), typed); // left for the user to correct
        QVERIFY(gate->isVisible());
        delete gate;
        return;
    }
    QVERIFY(success.first().first().toBool());
    QTRY_VERIFY(!gate); // closed and deleted
}

QTEST_MAIN(TstUpdataLogin)
#include "tst_updata_login.moc"
