// The real-time page in the real window: against the simulated unit's stream (on, plotted,
// pages locked, off, export equal to what the unit printed, clear), and fed bursts directly
// for what the unit never sends (a refused stop, a failed save) and for logout.
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QtCharts/QLineSeries>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

namespace {
const QString kBurst = "ID    Time  Vo  Vrf  Cu  Tmpr  Coul(mAH)\n"
                       "1 2024-05-01 08:00:00 52310 0 -1500 25500 1 2 3 4 N N N N N N 56% 9\n"
                       "2 2024-05-01 08:01:30 52410 0 -1400 25400 1 2 3 4 N N N N N N 57% 9\n";

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString("<missing>");
}
} // namespace

class TestRealTimeFlow : public QObject {
    Q_OBJECT
private slots:
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }
    void streamFromUnitPlotsExportsAndClears();
    void refusalsHoverAndLogout();
    void longRunKeepsEverySampleAndDrawsFew();
    void failedSaveWarnsAndKeepsFolder();

private:
    QString lastText() const { return m_prompts->recorder.lastText(); }
    QScopedPointer<ScopedPrompts> m_prompts;
};

void TestRealTimeFlow::streamFromUnitPlotsExportsAndClears() {
    SimRelay relay({"--batteries", "2", "--seed", "4", "--reply-delay", "5"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    addExtraPort(relay.programPath());
    w.selectPort(relay.programPath());
    w.OpenBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 8000);
    w.RealBtn_clicked();
    QTest::qWait(400); // the login chain's last burst ends
    w.RTDataOnBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(lastText(), QString("RTdata on succcess!"), 5000);
    const RealTimeChart& soc = w.realTimeChart(Quantity::Soc);
    QTRY_VERIFY_WITH_TIMEOUT(soc.samples().size() >= 3, 8000);

    w.ConfigBtn_clicked();
    QCOMPARE(lastText(),
             QString("In real-time rendering, can't switch pages!\nPlease click \"RTData OFF\"!"));
    QCOMPARE(w.form()->StackWid->currentIndex(), 2);

    // Stop right after a sample, so that the stop's answer comes as a burst of its own.
    const int before = soc.samples().size();
    QTRY_VERIFY_WITH_TIMEOUT(soc.samples().size() > before, 3000);
    w.RTDataOffBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(lastText(), QString("RTdata off succcess!"), 3000);
    QVERIFY(!w.realTimeDisplay());

    // What the unit printed from its answer to "disp pwrs 1" up to its answer to "disp 0".
    const QString unit = QString::fromUtf8(relay.fromUnit());
    const int from = unit.indexOf("disp pwrs 1");
    const QString stream =
        unit.mid(from, unit.indexOf("disp 0", from) - from).replace("\r\n", "\n");
    const QStringList lines = stream.split('\n').filter(QRegularExpression("^\\d+ +\\d{4}-"));
    QCOMPARE(soc.samples().size(), lines.size());
    const QString per = lines.last().split(QRegularExpression("\\s+")).at(17);
    QCOMPARE(soc.series()->points().last().y(), per.chopped(1).toDouble());

    QTemporaryDir dir;
    m_prompts->recorder.textAnswers << dir.filePath("rt.txt");
    w.RTDataDownBtn_clicked();
    QCOMPARE(fileText(dir.filePath("rt.txt")), stream + "finish\n");
    QCOMPARE(QSettings("./ConFig/OpenPath.ini", QSettings::IniFormat).value("path/downpath"),
             QVariant(dir.path()));

    w.ClearRTDataBtn_clicked();
    QCOMPARE(soc.series()->count(), 0);
    QCOMPARE(w.realTimeChart(Quantity::Temp).samples().size(), 0);
    QVERIFY(w.form()->RTDataTextBrow->toPlainText().isEmpty());
    QVERIFY(w.realTimeRun().socValues().isEmpty());
}

void TestRealTimeFlow::refusalsHoverAndLogout() {
    BMSMainWin w;
    w.RealTimeParse(kBurst);
    QVERIFY(w.realTimeDisplay());
    const RealTimeChart& volt = w.realTimeChart(Quantity::Volt);
    QCOMPARE(volt.series()->count(), 2);
    QCOMPARE(volt.xAxis()->max(), 1.5);
    QCOMPARE(volt.yAxis()->min(), 52.31 - 2.0);

    w.ClearRTDataBtn_clicked();
    QCOMPARE(lastText(), QString("Can't clean all, Please click \"RTData OFF\"!"));
    w.RTDataDownBtn_clicked();
    QCOMPARE(lastText(), QString("Can't download, Please click \"RTData OFF\"!"));
    QCOMPARE(volt.series()->count(), 2);
    w.RealTimeOffParse("disp 0\n@\nInvalid command or fail to excute.\n$$\n");
    QCOMPARE(lastText(), QString("RTdata off fail! please click again!"));
    QVERIFY(w.realTimeDisplay());

    QLabel* hover = w.findChild<QLabel*>("RTHoverLab");
    QVERIFY(hover);
    w.SocPointHoverd({1.2, 56.4}, true);
    QCOMPARE(hover->text(), QString("Time: 1.20min\nSOC: 56%"));
    w.CurrPointHoverd({-1, -1.38}, true);
    QCOMPARE(hover->text(), QString("Time: 0.00min\nCurr: -1.4A"));
    QVERIFY(hover->isVisibleTo(&w));
    w.CurrPointHoverd({1, -1.4}, false);
    QVERIFY(!hover->isVisibleTo(&w));

    w.CloseBtn_clicked();
    QCOMPARE(volt.series()->count(), 0);
    QVERIFY(w.form()->RTDataTextBrow->toPlainText().isEmpty());
}

void TestRealTimeFlow::longRunKeepsEverySampleAndDrawsFew() {
    BMSMainWin w;
    QString burst;
    const QDateTime start(QDate(2024, 5, 1), QTime(8, 0));
    for (int id = 1; id <= 3000; ++id) {
        burst += QString("%1 %2 %3 0 0 25000 1 2 3 4 N N N N N N 50% 9\n")
                     .arg(id)
                     .arg(start.addSecs(id - 1).toString("yyyy-MM-dd HH:mm:ss"))
                     .arg(id == 1700 ? 60000 : 52000 + id % 2 * 100);
        if (id == 100 || id == 3000) {
            w.RealTimeParse(burst);
            burst.clear();
        }
    }
    const RealTimeChart& volt = w.realTimeChart(Quantity::Volt);
    QCOMPARE(volt.samples().size(), 3000);
    QCOMPARE(volt.spline()->count(), 0);
    QCOMPARE(static_cast<QtCharts::QXYSeries*>(volt.line()), volt.series());
    const QVector<QPointF> drawn = volt.line()->pointsVector();
    QVERIFY2(drawn.size() < 1100, qPrintable(QString::number(drawn.size())));
    QCOMPARE(drawn.last(), QPointF(2999 / 60.0, 52.0));
    QVERIFY(drawn.contains(QPointF(1699 / 60.0, 60.0)));
    QCOMPARE(volt.xAxis()->max(), 2999 / 60.0);
}

void TestRealTimeFlow::failedSaveWarnsAndKeepsFolder() {
    QSettings("./ConFig/OpenPath.ini", QSettings::IniFormat).setValue("path/downpath", "/kept");
    BMSMainWin w;
    w.RealTimeParse(kBurst);
    w.RealTimeOffParse("disp 0\n@\nCommand completed successfully\n$$\n");
    m_prompts->recorder.textAnswers << ""
                                    << "/no/such/folder/rt.txt";
    w.RTDataDownBtn_clicked(); // cancelled
    QCOMPARE(m_prompts->recorder.shown.last().kind, QString("save"));
    w.RTDataDownBtn_clicked();
    const PromptRecord& shown = m_prompts->recorder.shown.last();
    QCOMPARE(shown.kind, QString("warning"));
    QVERIFY2(shown.text.contains("/no/such/folder/rt.txt"), qPrintable(shown.text));
    QCOMPARE(QSettings("./ConFig/OpenPath.ini", QSettings::IniFormat).value("path/downpath"),
             QVariant("/kept"));
}

QTEST_MAIN(TestRealTimeFlow)
#include "test_realtime_flow.moc"
