// The battery gauge: its step rule, clamping, signals and what it paints.
#include "views/battery.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Runs the animation to its end without waiting for the 50 ms ticks.
int tickToEnd(Battery& gauge) {
    int ticks = 0;
    while (gauge.isAnimating() && ticks < 10000) {
        gauge.updateValue();
        ++ticks;
    }
    return ticks;
}

QColor fillPixel(Battery& gauge) {
    gauge.resize(200, 80);
    const QImage image = gauge.grab().toImage();
    // Left end of the fill, well inside the outline, away from the centred text.
    return image.pixelColor(12, 40);
}

bool reddish(const QColor& c) {
    return c.red() > 150 && c.green() < 140;
}
bool greenish(const QColor& c) {
    return c.green() > 150 && c.red() < 120;
}

} // namespace

class TestBattery : public QObject {
    Q_OBJECT

private slots:
    void stepRule_data();
    void stepRule();
    void clampsToRange_data();
    void clampsToRange();
    void animatesOneStepPerTick();
    void sameTargetIsSilent();
    void interruptedAnimationReachingNewTarget();
    void realTimerTicksEvery50ms();
    void alarmColoursAtOrBelowAlarmValue_data();
    void alarmColoursAtOrBelowAlarmValue();
    void noFillWhileTargetIsMinimum();
    void rangeChangePullsTargetIn();
    void narrowGaugeStillPaints();
};

void TestBattery::stepRule_data() {
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("decreasing");
    QTest::addColumn<double>("next");
    QTest::addColumn<bool>("done");
    QTest::newRow("up") << 10.0 << 75.0 << 1.0 << false << 11.0 << false;
    QTest::newRow("up lands on target") << 74.0 << 75.0 << 1.0 << false << 75.0 << true;
    QTest::newRow("up overshoot stops at target") << 74.5 << 75.0 << 1.0 << false << 75.0 << true;
    QTest::newRow("big step overshoot") << 0.0 << 7.0 << 5.0 << false << 5.0 << false;
    QTest::newRow("big step second tick") << 5.0 << 7.0 << 5.0 << false << 7.0 << true;
    QTest::newRow("down") << 50.0 << 20.0 << 1.0 << true << 49.0 << false;
    QTest::newRow("down overshoot stops at target") << 20.5 << 20.0 << 1.0 << true << 20.0 << true;
    QTest::newRow("zero step jumps") << 10.0 << 60.0 << 0.0 << false << 60.0 << true;
    QTest::newRow("negative step jumps") << 10.0 << 60.0 << -1.0 << false << 60.0 << true;
}

void TestBattery::stepRule() {
    QFETCH(double, shown);
    QFETCH(double, target);
    QFETCH(double, step);
    QFETCH(bool, decreasing);
    QFETCH(double, next);
    QFETCH(bool, done);
    const GaugeStep result = gaugeStep(shown, target, step, decreasing);
    QCOMPARE(result.shown, next);
    QCOMPARE(result.done, done);
}

void TestBattery::clampsToRange_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("above 100") << 0.0 << 100.0 << 120.0 << 100.0;
    QTest::newRow("below 0") << 0.0 << 100.0 << -5.0 << 0.0;
    QTest::newRow("inside") << 0.0 << 100.0 << 42.0 << 42.0;
    QTest::newRow("below custom min") << 10.0 << 50.0 << 5.0 << 10.0;
    QTest::newRow("above custom max") << 10.0 << 50.0 << 70.0 << 50.0;
}

void TestBattery::clampsToRange() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, input);
    QFETCH(double, expected);
    Battery gauge;
    gauge.setRange(min, max);
    tickToEnd(gauge);
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setValue(input);
    QCOMPARE(gauge.value(), expected);
    tickToEnd(gauge);
    QCOMPARE(gauge.shownValue(), expected);
    if (!changed.isEmpty()) {
        QCOMPARE(changed.last().at(0).toDouble(), expected);
    }
}

void TestBattery::animatesOneStepPerTick() {
    Battery gauge;
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setValue(75);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 75.0);
    QVERIFY(gauge.isAnimating());
    for (int i = 0; i < 74; ++i) {
        gauge.updateValue();
    }
    QCOMPARE(gauge.shownValue(), 74.0);
    QVERIFY(gauge.isAnimating());
    gauge.updateValue();
    QCOMPARE(gauge.shownValue(), 75.0);
    QVERIFY(!gauge.isAnimating());
    QCOMPARE(changed.count(), 1);

    // Back down with a step that does not divide the distance: stops exactly on 60.
    gauge.setStep(4.0);
    gauge.setValue(60.0);
    QCOMPARE(tickToEnd(gauge), 4);
    QCOMPARE(gauge.shownValue(), 60.0);
}

void TestBattery::sameTargetIsSilent() {
    Battery gauge;
    gauge.setValue(40);
    tickToEnd(gauge);
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setValue(40.0);
    gauge.setValue(40);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!gauge.isAnimating());
}

void TestBattery::interruptedAnimationReachingNewTarget() {
    Battery gauge;
    gauge.setValue(75.0);
    for (int i = 0; i < 40; ++i) {
        gauge.updateValue();
    }
    QCOMPARE(gauge.shownValue(), 40.0);
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setValue(40.0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(gauge.value(), 40.0);
    QCOMPARE(gauge.shownValue(), 40.0);
    QVERIFY(!gauge.isAnimating());
}

void TestBattery::realTimerTicksEvery50ms() {
    Battery gauge;
    QElapsedTimer clock;
    clock.start();
    gauge.setValue(6);
    QTRY_VERIFY_WITH_TIMEOUT(!gauge.isAnimating(), 2000);
    QCOMPARE(gauge.shownValue(), 6.0);
    // Six ticks of 50 ms; generous on the upper side for a loaded machine.
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
}

void TestBattery::alarmColoursAtOrBelowAlarmValue_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("alarm");
    QTest::newRow("5") << 5.0 << true;
    QTest::newRow("30") << 30.0 << true;
    QTest::newRow("30.5") << 30.5 << false;
    QTest::newRow("31") << 31.0 << false;
    QTest::newRow("100") << 100.0 << false;
}

void TestBattery::alarmColoursAtOrBelowAlarmValue() {
    QFETCH(double, value);
    QFETCH(bool, alarm);
    Battery gauge;
    gauge.setValue(value);
    tickToEnd(gauge);
    const QPair<QColor, QColor> colors = gauge.fillColors();
    QCOMPARE(colors.first, alarm ? QColor(250, 118, 113) : QColor(50, 205, 51));
    QCOMPARE(colors.second, alarm ? QColor(204, 38, 38) : QColor(60, 179, 133));
    const QColor pixel = fillPixel(gauge);
    QVERIFY2(alarm ? reddish(pixel) : greenish(pixel), qPrintable(pixel.name()));
}

void TestBattery::noFillWhileTargetIsMinimum() {
    Battery gauge;
    gauge.setValue(50);
    tickToEnd(gauge);
    QVERIFY(greenish(fillPixel(gauge)));
    gauge.setValue(0);
    gauge.updateValue(); // still showing 49, but the target is the minimum
    QCOMPARE(gauge.shownValue(), 49.0);
    const QColor pixel = fillPixel(gauge);
    QVERIFY2(!greenish(pixel) && !reddish(pixel), qPrintable(pixel.name()));
}

void TestBattery::rangeChangePullsTargetIn() {
    Battery gauge;
    gauge.setValue(80);
    tickToEnd(gauge);
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setRange(50.0, 50.0); // empty range: ignored
    gauge.setRange(60, 10);     // reversed: ignored
    QCOMPARE(gauge.minValue(), 0.0);
    QCOMPARE(gauge.maxValue(), 100.0);
    gauge.setMaxValue(50.0);
    QCOMPARE(gauge.value(), 50.0);
    QCOMPARE(changed.count(), 1);
    gauge.setMinValue(70.0); // above the maximum: ignored
    QCOMPARE(gauge.minValue(), 0.0);
}

void TestBattery::narrowGaugeStillPaints() {
    // The main window's column packs sixteen gauges; at 70 px the cap must still show.
    Battery gauge;
    gauge.resize(70, 30);
    const QImage image = gauge.grab().toImage();
    const QColor cap = image.pixelColor(67, 15);
    QVERIFY2(cap.red() < 160 && qAbs(cap.red() - cap.blue()) < 20, qPrintable(cap.name()));
}

QTEST_MAIN(TestBattery)
#include "tst_battery.moc"
