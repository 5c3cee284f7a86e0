// The real-time page against the simulated unit's stream: on, plotted, locked, off, exported
// as the unit printed it, cleared; then a long run fed to the same window, and Logout.
#include "mainwindow/real_time_charts.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

class TestRealTimeFlow : public QObject {
    Q_OBJECT
private slots:
    void streamExportClearLongRunLogout();
};

void TestRealTimeFlow::streamExportClearLongRunLogout() {
    SimSession s({"--batteries", "2", "--seed", "4", "--reply-delay", "5"});
    BMSMainWin& w = s.w;
    RecordingPrompts& recorder = s.recorder();
    QVERIFY(s.login());
    w.RealBtn_clicked();
    QTest::qWait(400); // the login chain's last burst ends
    w.RTDataOnBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lastText(), QString("RTdata on succcess!"), 5000);
    const RealTimeChart& soc = w.realTimeCharts().chart(Quantity::Soc);
    QTRY_VERIFY_WITH_TIMEOUT(soc.samples().size() >= 3, 8000);

    w.ConfigBtn_clicked();
    QCOMPARE(recorder.lastText(),
             QString("In real-time rendering, can't switch pages!\nPlease click \"RTData OFF\"!"));
    QCOMPARE(w.form()->StackWid->currentIndex(), 2);
    w.ClearRTDataBtn_clicked();
    QCOMPARE(recorder.lastText(), QString("Can't clean all, Please click \"RTData OFF\"!"));
    w.RTDataDownBtn_clicked();
    QCOMPARE(recorder.lastText(), QString("Can't download, Please click \"RTData OFF\"!"));

    // Stop right after a sample, so that the stop's answer comes as a burst of its own.
    const int before = soc.samples().size();
    QTRY_VERIFY_WITH_TIMEOUT(soc.samples().size() > before, 3000);
    w.RTDataOffBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lastText(), QString("RTdata off succcess!"), 3000);
    QVERIFY(!w.session().realTimeDisplay);

    // What the unit printed from its answer to "disp pwrs 1" up to its answer to "disp 0".
    const QString unit = QString::fromUtf8(s.relay.fromUnit());
    const int from = unit.indexOf("disp pwrs 1");
    const QString stream =
        unit.mid(from, unit.indexOf("disp 0", from) - from).replace("\r\n", "\n");
    const QStringList lines = stream.split('\n').filter(QRegularExpression("^\\d+ +\\d{4}-"));
    QCOMPARE(soc.samples().size(), lines.size());
    const QString per = lines.last().split(QRegularExpression("\\s+")).at(17);
    QCOMPARE(soc.drawnPoints().last().y(), per.chopped(1).toDouble());

    // A cancelled save writes nothing; a failed one names the file and stores no folder.
    const auto downPath = [] {
        return QSettings("./ConFig/OpenPath.ini", QSettings::IniFormat).value("path/downpath");
    };
    QVERIFY(QDir().mkdir("out"));
    recorder.textAnswers << QString() << "/no/such/rt.txt" << s.home.filePath("out/rt.txt");
    w.RTDataDownBtn_clicked();
    QCOMPARE(recorder.shown.last().kind, QString("save"));
    w.RTDataDownBtn_clicked();
    QVERIFY2(recorder.shown.last().kind == "warning" &&
                 recorder.lastText().contains("/no/such/rt.txt"),
             qPrintable(recorder.lastText()));
    QVERIFY(!downPath().isValid());
    w.RTDataDownBtn_clicked();
    QFile saved("out/rt.txt");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), stream + "finish\n");
    QCOMPARE(downPath(), QVariant(s.home.filePath("out")));

    w.ClearRTDataBtn_clicked();
    QVERIFY(soc.drawnPoints().isEmpty());
    QCOMPARE(w.realTimeCharts().chart(Quantity::Temp).samples().size(), 0);
    QVERIFY(w.form()->RTDataTextBrow->toPlainText().isEmpty());
    QVERIFY(w.realTimeCharts().run().socValues().isEmpty());

    // 10,050 samples a second apart in three bursts, 52.1/52.0 V alternately with a 60 V spike
    // at the 1700th and an unreadable voltage at the 1800th: every readable sample kept, a
    // thinned copy drawn with its spike and newest point, the unreadable one nowhere; the
    // hidden text view holds only the newest 10,000 lines.
    const int total = 10050;
    QString burst;
    for (int id = 1; id <= total; ++id) {
        const QString mv =
            id == 1800 ? "----" : QString::number(id == 1700 ? 60000 : 52000 + id % 2 * 100);
        burst += QString("%1 2024-05-01 %2 %3 0 0 25000 1 2 3 4 N N N N N N 50% 9\n")
                     .arg(id)
                     .arg(QTime(8, 0).addSecs(id - 1).toString("HH:mm:ss"))
                     .arg(mv);
        if (id == 100 || id == 5000 || id == total)
            w.RealTimeParse(std::exchange(burst, QString()));
    }
    const RealTimeChart& volt = w.realTimeCharts().chart(Quantity::Volt);
    QCOMPARE(volt.samples().size(), total - 1);
    QCOMPARE(w.realTimeCharts().chart(Quantity::Soc).samples().size(), total);
    QCOMPARE(volt.spline()->count(), 0);
    const QVector<QPointF> drawn = volt.drawnPoints();
    QVERIFY(drawn.size() < 1100);
    QCOMPARE(drawn.last(), QPointF((total - 1) / 60.0, 52.0));
    QVERIFY(drawn.contains(QPointF(1699 / 60.0, 60.0)));
    QCOMPARE(volt.xAxis()->max(), (total - 1) / 60.0);
    QCOMPARE(volt.yAxis()->min(), 50.0);
    QVERIFY(w.form()->RTDataTextBrow->document()->blockCount() <= 10001);

    QLabel* hover = w.findChild<QLabel*>("RTHoverLab");
    w.realTimeCharts().SocPointHoverd({1.2, 50.4}, true);
    QCOMPARE(hover->text(), QString("Time: 1.20min\nSOC: 50%"));
    w.realTimeCharts().VoltPointHoverd({-1, 52.03}, true);
    QCOMPARE(hover->text(), QString("Time: 0.00min\nVolt: 52.1V"));
    QVERIFY(hover->isVisibleTo(&w));
    w.realTimeCharts().VoltPointHoverd({1, 52.0}, false);
    QVERIFY(!hover->isVisibleTo(&w));
    // The cursor itself, on the drawn band in the shown window, gets the reading.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const ColumnBand* band = volt.band();
    QTRY_VERIFY(!band->spans().isEmpty() && band->pixelArea().width() > 100);
    const PixelSpan mid = band->spans().at(band->spans().size() / 2);
    const QPointF onBand = band->pixelArea().topLeft() + QPointF(mid.column, mid.bottom) +
                           QPointF(0.5, 0.5);
    QtCharts::QChartView* voltView = w.form()->VoltCharView;
    QTest::mouseMove(voltView->viewport(), voltView->mapFromScene(band->mapToScene(onBand)));
    QTRY_VERIFY2(hover->isVisibleTo(&w) && hover->text().contains("Volt: 52."),
                 qPrintable(hover->text()));

    w.RealTimeOffParse("disp 0\n@\nInvalid command or fail to excute.\n$$\n");
    QCOMPARE(recorder.lastText(), QString("RTdata off fail! please click again!"));
    QVERIFY(w.session().realTimeDisplay);
    // The Download holds every line of the long run as the unit printed it, the unreadable
    // one included.
    w.RealTimeOffParse("disp 0\n@\nCommand completed successfully\n$$\n");
    recorder.textAnswers << s.home.filePath("out/long.txt");
    w.RTDataDownBtn_clicked();
    QFile longRun("out/long.txt");
    QVERIFY(longRun.open(QIODevice::ReadOnly));
    const QStringList longLines = QString::fromUtf8(longRun.readAll()).split('\n');
    QCOMPARE(longLines.filter(QRegularExpression("^\\d+ 2024-05-01 ")).size(), total);
    QVERIFY(
        longLines.contains("1800 2024-05-01 08:29:59 ---- 0 0 25000 1 2 3 4 N N N N N N 50% 9"));
    QCOMPARE(longLines.mid(longLines.size() - 2), QStringList({"finish", ""}));
    // A Logout in the middle of a run ends the display and says so; the run stays for
    // Download until "Clean All".
    w.RealTimeParse(QString("%1 2024-05-01 09:00:00 52000 0 0 25000 1 2 3 4 N N N N N N 50% 9\n")
                        .arg(total + 1));
    QVERIFY(w.session().realTimeDisplay);
    w.CloseBtn_clicked();
    QVERIFY(!w.session().realTimeDisplay);
    QVERIFY2(recorder.lastText().startsWith("The real-time display ended with the link."),
             qPrintable(recorder.lastText()));
    QCOMPARE(volt.samples().size(), total);
    QVERIFY(!w.form()->RTDataTextBrow->toPlainText().isEmpty());
    w.ClearRTDataBtn_clicked();
    QCOMPARE(volt.samples().size(), 0);
    QVERIFY(volt.drawnPoints().isEmpty());
    QVERIFY(w.form()->RTDataTextBrow->toPlainText().isEmpty());
}

QTEST_MAIN(TestRealTimeFlow)
#include "test_realtime_flow.moc"
