// The serial link as the user drives it, over a real pseudo-terminal and QSerialPort: the
// test plays the unit on the master end.
#include "mainwindow/bms_main_win.h"
#include "mainwindow/window_geometry.h"
#include "pty_pair.h"
#include "recording_prompts.h"
#include "serial/my_serial.h"
#include "serial/port_list.h"
#include "ui_bms_main_win.h"

#include <QCloseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }

    void loginOnMissingPortWarns();
    void loginSendsLoginThenPwrsys();
    void logoutSendsLogoutBeforeClosing();
    void vanishedPortClosesLink();
    void closeQuestionNoKeepsWindow();
    void startupSizing_data();
    void startupSizing();
    void startsOnInfoPageWithoutPolling();
    void fontBands_data();
    void fontBands();
    void smallScreenFitsWindow_data();
    void smallScreenFitsWindow();

private:
    RecordingPrompts& rec() { return m_prompts->recorder; }
    QScopedPointer<ScopedPrompts> m_prompts;
};

void TestSerialLink::loginOnMissingPortWarns() {
    BMSMainWin w;
    w.form()->PortComBox->clear();
    w.form()->PortComBox->addItem("/dev/does-not-exist-nb");
    w.form()->PortComBox->setCurrentIndex(0);
    w.OpenBtn_clicked();
    QCOMPARE(rec().shown.size(), 1);
    QCOMPARE(rec().shown[0].kind, QString("warning"));
    QCOMPARE(rec().shown[0].title, QString("Message"));
    QCOMPARE(rec().shown[0].text, QString("The serial port is occupied or does not exist"));
    QVERIFY(!w.portOpen());
    QVERIFY(w.form()->OpenBtn->isEnabled());
    QVERIFY(!w.form()->CloseBtn->isEnabled());
}

void TestSerialLink::loginSendsLoginThenPwrsys() {
    PtyPair pty;
    QVERIFY(pty.isValid());
    addExtraPort(pty.slavePath());
    BMSMainWin w;
    w.selectPort(pty.slavePath());
    w.OpenBtn_clicked();
    QVERIFY(rec().shown.isEmpty());
    QVERIFY(w.portOpen());
    QVERIFY(!w.form()->OpenBtn->isEnabled());
    QVERIFY(w.form()->CloseBtn->isEnabled());
    const QByteArray sent = pty.read(500, "pwrsys\n");
    QCOMPARE(sent, QByteArray("\nlogin debug\n\npwrsys\n"));
    QCOMPARE(w.currentCommand(), QString("pwrsys\n"));
    QVERIFY(w.pollRunning());
    const SerialSettings s = w.serialLink()->settings();
    QCOMPARE(s.baudRate, 115200);
    QCOMPARE(s.dataBits, 8);
    QCOMPARE(s.stopBits, 1);
    QCOMPARE(s.parity, 0);
}

void TestSerialLink::logoutSendsLogoutBeforeClosing() {
    PtyPair pty;
    addExtraPort(pty.slavePath());
    BMSMainWin w;
    w.selectPort(pty.slavePath());
    w.OpenBtn_clicked();
    pty.read(300, "pwrsys\n");

    // Watch the port from the moment "logout" is written: it must still be open then.
    bool openWhenLogoutArrived = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] {
        const QByteArray got = pty.read(1);
        if (got.contains("logout\n"))
            openWhenLogoutArrived = w.serialLink()->isOpen();
    });
    probe.start(1);
    w.CloseBtn_clicked();
    probe.stop();
    QVERIFY(openWhenLogoutArrived);
    QVERIFY(!w.serialLink()->isOpen());
    QVERIFY(!w.portOpen());
    QVERIFY(!w.pollRunning());
    QCOMPARE(w.currentCommand(), QString("logout\n"));
    QCOMPARE(w.form()->CurrBatNumLab->text(), QString(" "));
    QVERIFY(w.form()->OpenBtn->isEnabled());
}

void TestSerialLink::vanishedPortClosesLink() {
    PtyPair pty;
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB0");
    QVERIFY(QFile::link(pty.slavePath(), link));
    addExtraPort(link);
    BMSMainWin w;
    w.selectPort(link);
    w.OpenBtn_clicked();
    QVERIFY(w.portOpen());
    QVERIFY(QFile::remove(link));
    QTRY_VERIFY_WITH_TIMEOUT(!w.portOpen(), 3000);
    QVERIFY(!w.serialLink()->isOpen());
    QVERIFY(!w.pollRunning());
    QVERIFY(w.form()->OpenBtn->isEnabled());
    QVERIFY(!w.form()->CloseBtn->isEnabled());
    QCOMPARE(rec().shown.size(), 1);
    QCOMPARE(rec().shown[0].kind, QString("critical"));
    QCOMPARE(rec().shown[0].title, QString("Error"));
    QCOMPARE(rec().shown[0].text, QString("The serial port diconnect! Please check!"));
}

void TestSerialLink::closeQuestionNoKeepsWindow() {
    BMSMainWin w;
    w.show();
    rec().buttonAnswers.enqueue(QMessageBox::No);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(rec().shown.last().text, QString("Do you wish to quit NorvaneBat?"));
    QCOMPARE(rec().shown.last().title, QString("NorvaneBat"));
    rec().buttonAnswers.enqueue(QMessageBox::Yes);
    QVERIFY(w.close());
}

void TestSerialLink::startupSizing_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1366x728") << QSize(1366, 728) << QRect(5, 27, 1366, 674);
    QTest::newRow("1920x1040") << QSize(1920, 1040) << QRect(5, 39, 1920, 962);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(5, 40, 1920, 1000);
}

void TestSerialLink::startupSizing() {
    QFETCH(QSize, area);
    QFETCH(QRect, expected);
    QCOMPARE(startupWindowGeometry(area.width(), area.height()), expected);
}

void TestSerialLink::startsOnInfoPageWithoutPolling() {
    BMSMainWin w;
    QCOMPARE(w.windowTitle(), QString("NorvaneBat - V2.8.6"));
    QCOMPARE(w.form()->StackWid->currentIndex(), 1);
    QVERIFY(w.form()->BasicBtn->styleSheet().contains("normalpress_en.png"));
    QVERIFY(w.form()->RealBtn->styleSheet().contains("rtdata_en.png"));
    QVERIFY(!w.pollRunning());
    QCOMPARE(w.commandStateText(), QString("Command State:"));
    QVERIFY(!w.form()->CloseBtn->isEnabled());
    QCOMPARE(w.form()->BaudComBox->currentText(), QString("115200"));
}

void TestSerialLink::fontBands_data() {
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("points");
    QTest::newRow("800 px") << 800 / 1920.0 << 7;
    QTest::newRow("1024 px") << 1024 / 1920.0 << 8;
    QTest::newRow("1176 px") << 1176 / 1920.0 << 8;
    QTest::newRow("1280 px") << 1280 / 1920.0 << 9;
    QTest::newRow("rate 0.7") << 0.7 << 10;
    QTest::newRow("1440 px") << 1440 / 1920.0 << 10;
    QTest::newRow("1600 px") << 1600 / 1920.0 << 0;
}

void TestSerialLink::fontBands() {
    QFETCH(double, rate);
    QFETCH(int, points);
    QCOMPARE(scaledFontPointSize(rate), points);
}

void TestSerialLink::smallScreenFitsWindow_data() {
    QTest::addColumn<QSize>("area");
    QTest::newRow("1366x728") << QSize(1366, 728);
    QTest::newRow("1280x680") << QSize(1280, 680);
    QTest::newRow("1920x1040") << QSize(1920, 1040);
}

void TestSerialLink::smallScreenFitsWindow() {
    QFETCH(QSize, area);
    BMSMainWin w;
    w.OnDeskTopResize(QRect(QPoint(0, 0), area));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The whole window, its minimum included, fits the available area.
    QVERIFY2(w.minimumSizeHint().width() <= area.width() &&
                 w.minimumSizeHint().height() <= area.height(),
             qPrintable(QString("minimum %1x%2")
                            .arg(w.minimumSizeHint().width())
                            .arg(w.minimumSizeHint().height())));
    QVERIFY(w.width() <= area.width() && w.height() <= area.height());
}

QTEST_MAIN(TestSerialLink)
#include "test_serial_link.moc"
