// The battery gauge: its step rule, clamping, signals and what it paints.
#include "views/battery.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Runs the animation to its end without waiting for the 50 ms ticks.
int tickToEnd(Battery& gauge) {
    int ticks = 0;
    for (; gauge.isAnimating() && ticks < 10000; ++ticks)
        gauge.updateValue();
    return ticks;
}

} // namespace

class TestBattery : public QObject {
    Q_OBJECT

private slots:
    void stepRule();
    void clampsAnimatesAndSignals();
    void realTimerTicksEvery50ms();
    void fillColour();
};

// Steps toward the target, stop at it without overshooting, jump on a step that is not
// positive.
void TestBattery::stepRule() {
    const struct {
        double shown, target, step;
        bool decreasing;
        double next;
        bool done;
    } cases[] = {
        {10, 75, 1, false, 11, false}, {74.5, 75, 1, false, 75, true}, {5, 7, 5, false, 7, true},
        {50, 20, 1, true, 49, false},  {20.5, 20, 1, true, 20, true},  {10, 60, 0, false, 60, true},
        {10, 60, -1, false, 60, true},
    };
    for (const auto& c : cases) {
        const GaugeStep result = gaugeStep(c.shown, c.target, c.step, c.decreasing);
        QCOMPARE(result.shown, c.next);
        QCOMPARE(result.done, c.done);
    }
}

void TestBattery::clampsAnimatesAndSignals() {
    // min, max, input, expected
    const double cases[][4] = {
        {0, 100, 120, 100}, {0, 100, -5, 0}, {10, 50, 5, 10}, {10, 50, 70, 50}};
    for (const auto& c : cases) {
        Battery gauge;
        gauge.setRange(c[0], c[1]);
        gauge.setValue(c[2]);
        QCOMPARE(gauge.value(), c[3]);
        tickToEnd(gauge);
        QCOMPARE(gauge.shownValue(), c[3]);
    }
    Battery gauge;
    QSignalSpy changed(&gauge, &Battery::valueChanged);
    gauge.setValue(75);
    QCOMPARE(tickToEnd(gauge), 75);
    gauge.setValue(75.0); // same target: silent
    QCOMPARE(changed.count(), 1);
    // Mid-animation, a new target equal to the value on show: no signal, the animation ends.
    gauge.setValue(90.0);
    for (int i = 0; i < 10; ++i)
        gauge.updateValue();
    gauge.setValue(85.0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(gauge.value(), 85.0);
    QVERIFY(!gauge.isAnimating());
}

void TestBattery::realTimerTicksEvery50ms() {
    Battery gauge;
    QElapsedTimer clock;
    clock.start();
    gauge.setValue(6);
    QTRY_VERIFY_WITH_TIMEOUT(!gauge.isAnimating(), 2000);
    QCOMPARE(gauge.shownValue(), 6.0);
    // Six ticks of 50 ms; no upper bound, for a loaded machine.
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
}

// Red at 30 % and below, green above; a gauge on its way down to 0 shows neither; at 70 px
// wide (the main window packs sixteen gauges in a column) the cap still shows.
void TestBattery::fillColour() {
    const QPair<double, QString> cases[] = {
        {30, "red"}, {30.5, "green"}, {100, "green"}, {0, "none"}};
    for (const auto& [value, colour] : cases) {
        Battery gauge;
        gauge.setValue(value ? value : 50);
        tickToEnd(gauge);
        if (value == 0) { // target 0, still showing 49
            gauge.setValue(0);
            gauge.updateValue();
        }
        gauge.resize(200, 80);
        // Left end of the fill, well inside the outline, away from the centred text.
        const QColor c = gauge.grab().toImage().pixelColor(12, 40);
        const bool red = c.red() > 150 && c.green() < 140;
        const bool green = c.green() > 150 && c.red() < 120;
        QVERIFY2(colour == "red"     ? red
                 : colour == "green" ? green
                                     : !red && !green,
                 qPrintable(QString::number(value) + " " + c.name()));
    }
    Battery gauge;
    gauge.resize(70, 30);
    const QColor cap = gauge.grab().toImage().pixelColor(67, 15);
    QVERIFY2(cap.red() < 160 && qAbs(cap.red() - cap.blue()) < 20, qPrintable(cap.name()));
}

QTEST_MAIN(TestBattery)
#include "tst_battery.moc"
