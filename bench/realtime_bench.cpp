// A day of the real-time stream in the real window. The main window is shown offscreen on
// the real-time page of a 1920 x 1040 screen, with the log sink installed as the program
// installs it, and fed one-line bursts of the unit's 19-field format (a day at 1 Hz) through
// RealTimeParse; after each burst the event loop runs, so the repaint the burst causes is
// counted. The last line:
//
//   realtime: samples=86400 kept=K first_ms=A last_ms=B max_ms=C rss_mb=D
//
// first_ms / last_ms: median handling time of a burst over the first / last 1,000 bursts;
// max_ms: the worst burst; kept: the samples the SOC chart holds at the end; rss_mb: the
// resident memory at the end.
//
//   realtime_bench [--samples N]      the run above (N defaults to 86,400)
//   realtime_bench --compare N        ways of drawing N samples on the four charts, each in
//                                     a fresh window: point-by-point append() to the spline with
//                                     and without series animations; replace() of the spline or
//                                     of a line series with every point or with the min/max
//                                     copy; RealTimeParse as built. Each stops after
//                                     kCompareCapS seconds.

#include "app/log_handler.h"
#include "mainwindow/bms_main_win.h"
#include "realtime/min_max_decimator.h"
#include "realtime/real_time_run.h"
#include "realtime/realtime_constants.h"
#include "recording_prompts.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <numeric>
#include <unistd.h>

namespace {

constexpr int kDaySamples = 86400;
constexpr int kWindow = 1000; // bursts in the first / last median
constexpr double kCompareCapS = 120.0;
const QRect kScreen(0, 0, 1920, 1040); // a full-HD screen's available area
FILE* g_report = stdout;               // the report; standard output takes the log sink's copy

// The unit's 19-field line for sample `id` of a day starting at midnight: a pack near 52 V
// with a little noise, a current that changes every few minutes, a slow temperature drift
// and a SOC that falls and rises over the day.
class StreamSource {
public:
    QString burst(int id) {
        const QDateTime at = m_start.addSecs(id - 1);
        if (id % 300 == 1)
            m_currentMa = int(m_rng.bounded(-20000, 20000));
        const int mv = 52000 + int(m_rng.bounded(-150, 150)) + m_currentMa / 100;
        const int mc = 25000 + int(8000 * std::sin(id / 7000.0));
        const int soc = 50 + int(40 * std::sin(id / 14000.0));
        return QString("%1     %2  %3   %4   %5   %6   3280    3300    3300     3320     "
                       "Normal    Normal    Normal    Normal  Normal    Normal  %7%   %8\n")
            .arg(id)
            .arg(at.toString("yyyy-MM-dd HH:mm:ss"))
            .arg(mv)
            .arg(mv - 20)
            .arg(m_currentMa)
            .arg(mc)
            .arg(soc)
            .arg(soc * 1000);
    }

private:
    QDateTime m_start{QDate(2024, 5, 1), QTime(0, 0)};
    QRandomGenerator m_rng{20240501};
    int m_currentMa = 0;
};

double median(std::vector<double> v) {
    if (v.empty())
        return 0.0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

double rssMb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0.0;
}

struct Timings {
    std::vector<double> ms;
    int done = 0;
    double total() const { return std::accumulate(ms.begin(), ms.end(), 0.0); }
    double firstMedian() const {
        return median({ms.begin(), ms.begin() + std::min<size_t>(kWindow, ms.size())});
    }
    double lastMedian() const {
        return median({ms.end() - std::min<size_t>(kWindow, ms.size()), ms.end()});
    }
    double max() const { return ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()); }
};

std::unique_ptr<BMSMainWin> showRealTimePage() {
    auto w = std::make_unique<BMSMainWin>();
    w->OnDeskTopResize(kScreen);
    w->show();
    w->RealBtn_clicked();
    QApplication::processEvents();
    return w;
}

// Feeds `count` bursts to `handle`, running the event loop after each; stops after capS.
Timings feed(int count, double capS, const std::function<void(int, const QString&)>& handle) {
    StreamSource source;
    Timings t;
    t.ms.reserve(count);
    QElapsedTimer all;
    all.start();
    for (int id = 1; id <= count && all.elapsed() < capS * 1000; ++id) {
        const QString burst = source.burst(id);
        QElapsedTimer one;
        one.start();
        handle(id, burst);
        QApplication::processEvents(); // the scene's update request
        QApplication::processEvents(); // the repaint it posts
        t.ms.push_back(one.nsecsElapsed() / 1e6);
        t.done = id;
    }
    return t;
}

// Points of one burst on the four charts of `w` as the run places them.
struct DirectCharts {
    explicit DirectCharts(BMSMainWin& w) {
        for (int q = 0; q < kQuantityCount; ++q)
            charts[q] = &w.realTimeChart(Quantity(q));
    }
    SamplePlot plot(const QString& burst) { return run.add(*parseRealTimeLine(burst.trimmed())); }
    void setRanges(const SamplePlot& p) {
        for (int q = 0; q < kQuantityCount; ++q) {
            charts[q]->xAxis()->setRange(p.xRange.min, p.xRange.max);
            charts[q]->yAxis()->setRange(p.yRanges[q].min, p.yRanges[q].max);
        }
    }
    void animate(bool on) {
        for (const RealTimeChart* c : charts)
            c->chart()->setAnimationOptions(on ? QtCharts::QChart::SeriesAnimations
                                               : QtCharts::QChart::NoAnimation);
    }
    RealTimeRun run;
    std::array<const RealTimeChart*, kQuantityCount> charts{};
};

void printCompare(const char* name, const Timings& t) {
    std::fprintf(g_report, "%-28s bursts=%d total_s=%.1f first_ms=%.2f last_ms=%.2f max_ms=%.1f\n",
                 name, t.done, t.total() / 1000.0, t.firstMedian(), t.lastMedian(), t.max());
    std::fflush(g_report);
}

// Every point (or the min/max copy) handed to the spline or the line series of each chart.
void replaceEach(const char* name, int count, bool line, bool thinned) {
    auto w = showRealTimePage();
    DirectCharts d(*w);
    d.animate(false);
    std::vector<MinMaxDecimator> kept(
        kQuantityCount,
        MinMaxDecimator(thinned ? realtime::kMaxDrawnColumns : std::numeric_limits<int>::max()));
    const Timings t = feed(count, kCompareCapS, [&](int, const QString& b) {
        const SamplePlot p = d.plot(b);
        d.setRanges(p);
        for (int q = 0; q < kQuantityCount; ++q) {
            kept[q].append({p.x, p.y[q]});
            QtCharts::QXYSeries* s = line ? static_cast<QtCharts::QXYSeries*>(d.charts[q]->line())
                                          : d.charts[q]->spline();
            s->replace(thinned ? kept[q].drawn() : kept[q].points());
        }
    });
    printCompare(name, t);
}

void compare(int count) {
    for (bool anim : {true, false}) {
        auto w = showRealTimePage();
        DirectCharts d(*w);
        d.animate(anim);
        const Timings t = feed(count, kCompareCapS, [&](int, const QString& b) {
            const SamplePlot p = d.plot(b);
            d.setRanges(p);
            for (int q = 0; q < kQuantityCount; ++q)
                d.charts[q]->spline()->append(p.x, p.y[q]);
        });
        printCompare(anim ? "spline append, animated" : "spline append", t);
    }
    replaceEach("spline replace, every point", count, false, false);
    replaceEach("spline replace, min/max", count, false, true);
    replaceEach("line replace, every point", count, true, false);
    replaceEach("line replace, min/max", count, true, true);
    auto w = showRealTimePage();
    const Timings t =
        feed(count, kCompareCapS, [&](int, const QString& b) { w->RealTimeParse(b); });
    printCompare("RealTimeParse as built", t);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int compareAt = args.indexOf("--compare");
    const int samplesAt = args.indexOf("--samples");
    const int samples = samplesAt > 0 ? args.value(samplesAt + 1).toInt() : kDaySamples;

    QTemporaryDir dir;
    LogHandler::setFolderPath(dir.filePath("log"));
    LogHandler::installMessageHandler();
    // The sink copies every line to standard output; keep that copy out of this report.
    std::fflush(stdout);
    const int report = ::dup(STDOUT_FILENO);
    const int console = ::open(qPrintable(dir.filePath("console.txt")), O_WRONLY | O_CREAT, 0600);
    ::dup2(console, STDOUT_FILENO);
    g_report = ::fdopen(report, "w");
    ScopedPrompts prompts;

    if (compareAt > 0) {
        compare(args.value(compareAt + 1).toInt());
        LogHandler::releaseMessageHandler();
        return 0;
    }
    auto w = showRealTimePage();
    const Timings t = feed(samples, 1e9, [&](int, const QString& b) { w->RealTimeParse(b); });
    const int kept = w->realTimeChart(Quantity::Soc).samples().size();
    const double rss = rssMb();
    LogHandler::releaseMessageHandler();
    const int drawn = w->realTimeChart(Quantity::Soc).series()->count();
    std::fprintf(g_report, "realtime: drawn points per chart at the end: %d\n", drawn);
    std::vector<std::pair<double, int>> worst;
    for (size_t i = 0; i < t.ms.size(); ++i)
        worst.push_back({t.ms[i], int(i) + 1});
    std::partial_sort(worst.begin(), worst.begin() + std::min<size_t>(5, worst.size()), worst.end(),
                      std::greater<>());
    std::fprintf(g_report, "realtime: worst bursts (ms@burst):");
    for (size_t i = 0; i < std::min<size_t>(5, worst.size()); ++i)
        std::fprintf(g_report, " %.1f@%d", worst[i].first, worst[i].second);
    std::fprintf(g_report, "\n");
    std::fprintf(g_report,
                 "realtime: samples=%d kept=%d first_ms=%.2f last_ms=%.2f max_ms=%.1f "
                 "rss_mb=%.0f\n",
                 t.done, kept, t.firstMedian(), t.lastMedian(), t.max(), rss);
    std::fflush(g_report);
    return kept == samples ? 0 : 1;
}
