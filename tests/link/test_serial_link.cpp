// The serial link as the user drives it, over a real pseudo-terminal and QSerialPort: the
// test plays the unit on the master end.
#include "mainwindow/bms_main_win.h"
#include "mainwindow/link_state_display.h"
#include "mainwindow/window_geometry.h"
#include "pty_pair.h"
#include "recording_prompts.h"
#include "serial/my_serial.h"
#include "serial/port_list.h"
#include "ui_bms_main_win.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }

    void startIdleAndWarnOnMissingPort();
    void loginLogoutUnplug();
    void closeQuestionNoKeepsWindow();
    void windowFitsScreen_data();
    void windowFitsScreen();

private:
    RecordingPrompts& rec() { return m_prompts->recorder; }
    QString box(int i) {
        return rec().shown[i].kind + ": " + rec().shown[i].title + ": " + rec().shown[i].text;
    }
    QScopedPointer<ScopedPrompts> m_prompts;
};

// The window starts on the info page, not polling, its font sized to the screen; a port that
// cannot open leaves it so.
void TestSerialLink::startIdleAndWarnOnMissingPort() {
    BMSMainWin w;
    QCOMPARE(w.windowTitle(), QString("NorvaneBat - V2.8.6"));
    QCOMPARE(w.form()->StackWid->currentIndex(), 1);
    QCOMPARE(w.linkState().commandStateText(), QString("Command State:"));
    QCOMPARE(w.form()->BaudComBox->currentText(), QString("115200"));
    QStringList points; // font bands at their edges
    for (double px : {800.0, 1024.0, 1176.0, 1280.0, 0.7 * 1920, 1440.0, 1600.0})
        points << QString::number(scaledFontPointSize(px / 1920.0));
    QCOMPARE(points.join(' '), QString("7 8 8 9 10 10 0"));
    w.form()->PortComBox->clear();
    w.form()->PortComBox->addItem("/dev/does-not-exist-nb");
    w.OpenBtn_clicked();
    QCOMPARE(rec().shown.size(), 1);
    QCOMPARE(box(0), QString("warning: Message: The serial port is occupied or does not exist\n"
                             "The adapter was unplugged. Plug it in again and pick its port."));
    QVERIFY(!w.portOpen() && !w.session().pollTimer().isActive() &&
            !w.form()->CloseBtn->isEnabled());
    QVERIFY(w.form()->OpenBtn->isEnabled());
}

// One session: Login's exact bytes at 115200 8N1; Logout writes "logout" while the port is
// still open, then closes; after a second Login, the adapter's removal closes the link.
void TestSerialLink::loginLogoutUnplug() {
    PtyPair pty;
    QVERIFY(pty.isValid());
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyNB0");
    QVERIFY(QFile::link(pty.slavePath(), link));
    addExtraPort(link);
    BMSMainWin w;
    w.selectPort(link);
    w.OpenBtn_clicked();
    QVERIFY(rec().shown.isEmpty() && w.portOpen() && w.session().pollTimer().isActive());
    QVERIFY(!w.form()->OpenBtn->isEnabled() && w.form()->CloseBtn->isEnabled());
    QCOMPARE(pty.read(500, "pwrsys\n"), QByteArray("\nlogin debug\n\npwrsys\n"));
    const SerialSettings s = w.serialLink()->settings();
    QCOMPARE(QList<int>({s.baudRate, s.dataBits, s.stopBits, s.parity}),
             QList<int>({115200, 8, 1, 0}));

    bool openWhenLogoutArrived = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] {
        if (pty.read(1).contains("logout\n"))
            openWhenLogoutArrived = w.serialLink()->isOpen();
    });
    probe.start(1);
    w.CloseBtn_clicked();
    probe.stop();
    QVERIFY(openWhenLogoutArrived);
    QVERIFY(!w.serialLink()->isOpen() && !w.portOpen() && !w.session().pollTimer().isActive());
    QCOMPARE(w.form()->CurrBatNumLab->text(), QString(" "));
    QVERIFY(w.form()->OpenBtn->isEnabled());

    w.OpenBtn_clicked();
    QVERIFY(w.portOpen());
    QVERIFY(QFile::remove(link));
    QTRY_VERIFY_WITH_TIMEOUT(!w.portOpen(), 3000);
    QVERIFY(!w.serialLink()->isOpen() && !w.session().pollTimer().isActive() &&
            !w.form()->CloseBtn->isEnabled());
    QVERIFY(w.form()->OpenBtn->isEnabled());
    QCOMPARE(rec().shown.size(), 1);
    QCOMPARE(box(0), QString("critical: Error: The serial port diconnect! Please check!"));
}

void TestSerialLink::closeQuestionNoKeepsWindow() {
    BMSMainWin w;
    w.show();
    rec().buttonAnswers.enqueue(QMessageBox::No);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(rec().shown.last().title + ": " + rec().shown.last().text,
             QString("NorvaneBat: Do you wish to quit NorvaneBat?"));
    rec().buttonAnswers.enqueue(QMessageBox::Yes);
    QVERIFY(w.close());
}

void TestSerialLink::windowFitsScreen_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("startup");
    QTest::newRow("1280x680") << QSize(1280, 680) << QRect();
    QTest::newRow("1366x728") << QSize(1366, 728) << QRect(5, 27, 1366, 674);
    QTest::newRow("1920x1040") << QSize(1920, 1040) << QRect(5, 39, 1920, 962);
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(5, 40, 1920, 1000);
}

// Startup geometry, and the whole window (its minimum included) within the available area.
void TestSerialLink::windowFitsScreen() {
    QFETCH(QSize, area);
    QFETCH(QRect, startup);
    if (!startup.isNull())
        QCOMPARE(startupWindowGeometry(area.width(), area.height()), startup);
    BMSMainWin w;
    w.OnDeskTopResize(QRect(QPoint(0, 0), area));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize min = w.minimumSizeHint();
    QVERIFY2(min.width() <= area.width() && min.height() <= area.height(),
             qPrintable(QString("minimum %1x%2").arg(min.width()).arg(min.height())));
    QVERIFY(w.width() <= area.width() && w.height() <= area.height());
}

QTEST_MAIN(TestSerialLink)
#include "test_serial_link.moc"
