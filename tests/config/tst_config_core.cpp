// The protection reply's rows and the barcode window's checks, without a port.
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
    void configReplyRows();
    void barcodeWindow_data();
    void barcodeWindow();
};

// Two values and a unit fill a row, one value leaves the power column empty, any other count
// (or no colon) gives an empty row; the header and all from "Shut time" on stay out.
void TestConfigCore::configReplyRows() {
    const ConfigReply r = parseConfigReply(
        "config\n@\nAlarm and protection parameters\nOver Voltage Protect  : 3650  58400  mV\n\n"
        "Charge High Temp Alarm: 50000\tmC\nUnder Voltage Alarm : 1 2 3 mV\n"
        "Under Voltage Alarm 2900 mV\nShut time   : 720  min\nSleep time : 30 min\n"
        "Command completed successfully\n$$");
    QStringList rows;
    for (const ProtectionRow& p : r.rows)
        rows << QStringList{p.item, p.cell, p.power, p.unit}.join('|');
    QCOMPARE(rows, QStringList({"Over Voltage Protect|3650|58400|mV",
                                "Charge High Temp Alarm|50000||mC", "|||", "|||"}));
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
    QCOMPARE(QList<QVariantList>(taken),
             notice.isEmpty() ? QList<QVariantList>{{typed}} : QList<QVariantList>());
    QTRY_COMPARE(!window.isNull() && window->isVisible(), !notice.isEmpty());
    delete window;
}

QTEST_MAIN(TestConfigCore)
#include "tst_config_core.moc"
