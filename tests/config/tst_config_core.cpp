// The protection page's reply rows and the barcode window's checks, without a port.
#include "protocol/config_reply.h"
#include "recording_prompts.h"
#include "views/add_barcode.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class TestConfigCore : public QObject {
    Q_OBJECT
private slots:
    void configReplyRows_data();
    void configReplyRows();
    void barcodeWindow_data();
    void barcodeWindow();
};

void TestConfigCore::configReplyRows_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("two numbers and a unit")
        << "Over Voltage Protect  : 3650  58400  mV"
        << QStringList{"Over Voltage Protect", "3650", "58400", "mV"};
    QTest::newRow("one value: power column empty")
        << "Charge High Temp Alarm: 50000\tmC"
        << QStringList{"Charge High Temp Alarm", "50000", "", "mC"};
    QTest::newRow("four values: empty row")
        << "Under Voltage Alarm : 1 2 3 mV" << QStringList{"", "", "", ""};
    QTest::newRow("no colon: empty row")
        << "Under Voltage Alarm 2900 mV" << QStringList{"", "", "", ""};
}

// The unit's header line and everything from "Shut time" on stay out of the table.
void TestConfigCore::configReplyRows() {
    QFETCH(QString, line);
    QFETCH(QStringList, row);
    const QString reply = "config\n@\nAlarm and protection parameters\n"
                          "Over Voltage Alarm    : 3550  56800  mV\n\n" +
                          line +
                          "\nShut time   : 720  min\nSleep time : 30 min\n"
                          "Command completed successfully\n$$";
    const ConfigReply r = parseConfigReply(reply);
    QStringList cells;
    for (const ProtectionRow& p : r.rows)
        cells << p.item << p.cell << p.power << p.unit;
    QCOMPARE(cells, QStringList({"Over Voltage Alarm", "3550", "56800", "mV"}) + row);
    QCOMPARE(r.restText, QString("Shut time   : 720  min\nSleep time : 30 min"));
}

void TestConfigCore::barcodeWindow_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("notice"); // none: taken
    const QString length = "The Barcode length does not meet requirement!";
    QTest::newRow("empty") << QString() << "The Barcode is empty!";
    QTest::newRow("15 characters") << "NB2405048100004" << length;
    QTest::newRow("17 characters") << "NB240504810000421" << length;
    QTest::newRow("16 with blanks, untrimmed") << " NB240504810004 " << QString();
}

// A refused code leaves the window open for another try; a taken one closes it.
void TestConfigCore::barcodeWindow() {
    QFETCH(QString, typed);
    QFETCH(QString, notice);
    ScopedPrompts prompts;
    QPointer<AddBarcode> window = new AddBarcode;
    QSignalSpy taken(window.data(), &AddBarcode::AddMissBarcode);
    window->show();
    window->findChild<QLineEdit*>("BarEdit")->setText(typed);
    window->findChild<QPushButton*>("Confirm")->click();
    QCOMPARE(prompts.recorder.texts(), notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(prompts.recorder.shown.value(0).title, QString(notice.isEmpty() ? "" : "Notice"));
    QCOMPARE(taken.size(), notice.isEmpty() ? 1 : 0);
    QCOMPARE(taken.value(0).value(0).toString(), notice.isEmpty() ? typed : QString());
    QTRY_COMPARE(!window.isNull() && window->isVisible(), !notice.isEmpty());
    delete window;
}

QTEST_MAIN(TestConfigCore)
#include "tst_config_core.moc"
