// A day of the real-time stream in the real window. The main window is shown offscreen on
// the real-time page of a 1920 x 1040 screen, with the log sink installed as the program
// installs it, and fed one-line bursts of the unit's 19-field format (a day at 1 Hz) through
// RealTimeParse; after each burst the event loop runs, so the repaint the burst causes is
// counted. The last line:
//
//   realtime: samples=86400 kept=K first_ms=A last_ms=B max_ms=C rss_mb=D slope_b_per_sample=E
//
// first_ms / last_ms: median handling time of a burst over the first / last 1,000 bursts;
// max_ms: the worst burst; kept: the samples the SOC chart holds at the end; rss_mb: the
// resident memory at the end; slope_b_per_sample: the growth of the resident memory per
// sample over the second half of the run (least squares over a reading every 1,000 bursts).
// Then the stream is stopped and downloaded, and the sample lines of the file are counted:
//
//   realtime: download_lines=N download_ms=T
//
// Budget: E <= 100, B <= 1.5 x A, C < 300, N = samples; the exit code says whether it held.
//
//   realtime_bench [--samples N] [--shot FILE]
//                                     the run above (N defaults to 86,400); FILE gets a
//                                     picture of the page at the end of the run
//   realtime_bench --compare N        ways of drawing N samples on the four charts, each in
//                                     a fresh window: point-by-point append() to the spline with
//                                     and without series animations; replace() of the spline or
//                                     of a line series with every point or with the min/max
//                                     copy; RealTimeParse as built. Each stops after
//                                     kCompareCapS seconds.

#include "app/startup.h"
#include "mainwindow/bms_main_win.h"
#include "mainwindow/real_time_charts.h"
#include "realtime/min_max_decimator.h"
#include "realtime/real_time_run.h"
#include "realtime/realtime_constants.h"
#include "recording_prompts.h"
#include "toolbox/log_handler.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QSplineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <numeric>
#include <unistd.h>

namespace {

constexpr int kDaySamples = 86400;
constexpr int kWindow = 1000; // bursts in the first / last median
constexpr double kCompareCapS = 120.0;
// Budget of the day's run: bytes of resident memory per sample over its second half, the
// last bursts against the first, and the worst burst (ms).
constexpr double kSlopeBudget = 100.0;
constexpr double kFlatBudget = 1.5;
constexpr double kMaxMsBudget = 300.0;
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

// CPU time of the calling thread (ms): what a burst costs the window's thread, whatever else
// the machine runs at the time.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Median of the first or the last kWindow values.
double firstMedian(const std::vector<double>& v) {
    return median({v.begin(), v.begin() + std::min<size_t>(kWindow, v.size())});
}
double lastMedian(const std::vector<double>& v) {
    return median({v.end() - std::min<size_t>(kWindow, v.size()), v.end()});
}

struct Timings {
    std::vector<double> ms;
    std::vector<double> cpuMs;     // the same in the thread's CPU time
    std::vector<double> handlerMs; // the same without the repaint
    int done = 0;
    double total() const { return std::accumulate(ms.begin(), ms.end(), 0.0); }
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
// `rss`, when given, gets (burst, resident bytes) every kWindow bursts of the second half.
Timings feed(int count, double capS, const std::function<void(int, const QString&)>& handle,
             std::vector<std::pair<double, double>>* rss = nullptr) {
    StreamSource source;
    Timings t;
    // Taken (and touched) up-front, so that the bench's own records add nothing to the
    // resident memory while the run is measured.
    t.ms.assign(count, 0.0);
    t.handlerMs.assign(count, 0.0);
    t.cpuMs.assign(count, 0.0);
    const bool marks = std::getenv("NB_BENCH_MARKS") != nullptr;
    QElapsedTimer all;
    all.start();
    for (int id = 1; id <= count && all.elapsed() < capS * 1000; ++id) {
        const QString burst = source.burst(id);
        QElapsedTimer one;
        const double cpuStart = threadCpuMs();
        one.start();
        handle(id, burst);
        t.handlerMs[id - 1] = one.nsecsElapsed() / 1e6;
        QApplication::processEvents(); // the scene's update request
        QApplication::processEvents(); // the repaint it posts
        t.ms[id - 1] = one.nsecsElapsed() / 1e6;
        t.cpuMs[id - 1] = threadCpuMs() - cpuStart;
        t.done = id;
        // Monotonic clock at the edges of the first and last windows, for a profiler's time
        // slices (perf record -k CLOCK_MONOTONIC; perf report --time FROM,TO).
        if (marks && (id == 1 || id == kWindow || id == count - kWindow || id == count)) {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::fprintf(stderr, "mark burst=%d t=%ld.%09ld\n", id, long(ts.tv_sec), ts.tv_nsec);
        }
        if (rss && id >= count / 2 && id % kWindow == 0)
            rss->push_back({double(id), rssMb() * 1024 * 1024});
    }
    t.ms.resize(t.done); // a capped run ends early
    t.handlerMs.resize(t.done);
    t.cpuMs.resize(t.done);
    return t;
}

// Points of one burst on the four charts of `w` as the run places them.
struct DirectCharts {
    explicit DirectCharts(BMSMainWin& w) {
        for (int q = 0; q < kQuantityCount; ++q)
            charts[q] = &w.realTimeCharts().chart(Quantity(q));
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

// Least-squares slope of y over x.
double slope(const std::vector<std::pair<double, double>>& points) {
    const double n = double(points.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const auto& [x, y] : points) {
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double d = n * sxx - sx * sx;
    return d == 0 ? 0.0 : (n * sxy - sx * sy) / d;
}

// Stops the stream, downloads it into `path` and counts the file's sample lines.
int downloadedSampleLines(BMSMainWin& w, RecordingPrompts& recorder, const QString& path) {
    w.RealTimeOffParse("disp 0\n@\nCommand completed successfully\n$$\n");
    recorder.textAnswers << path;
    w.RTDataDownBtn_clicked();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression sampleLine("^\\d+ +\\d{4}-\\d{2}-\\d{2} ");
    int lines = 0;
    while (!file.atEnd()) {
        if (sampleLine.match(QString::fromUtf8(file.readLine())).hasMatch())
            ++lines;
    }
    return lines;
}

void printCompare(const char* name, const Timings& t) {
    std::fprintf(g_report, "%-28s bursts=%d total_s=%.1f first_ms=%.2f last_ms=%.2f max_ms=%.1f\n",
                 name, t.done, t.total() / 1000.0, firstMedian(t.ms), lastMedian(t.ms), t.max());
    std::fflush(g_report);
}

// Every point (or the min/max copy) handed to the spline or the band of each chart.
void replaceEach(const char* name, int count, bool band, bool thinned) {
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
            const QVector<QPointF> points = thinned ? kept[q].drawn() : kept[q].points();
            if (band)
                d.charts[q]->band()->setPoints(points, p.xRange, p.yRanges[q]);
            else
                d.charts[q]->spline()->replace(points);
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
    replaceEach("band, every point", count, true, false);
    replaceEach("band, min/max", count, true, true);
    auto w = showRealTimePage();
    const Timings t =
        feed(count, kCompareCapS, [&](int, const QString& b) { w->RealTimeParse(b); });
    printCompare("RealTimeParse as built", t);
}

} // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksOffTheHeap(); // as the program does
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int compareAt = args.indexOf("--compare");
    const int samplesAt = args.indexOf("--samples");
    const int samples = samplesAt > 0 ? args.value(samplesAt + 1).toInt() : kDaySamples;

    QTemporaryDir dir;
    // The window keeps its settings (the download folder) under the working folder.
    QDir::setCurrent(dir.path());
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
    std::vector<std::pair<double, double>> rss;
    const Timings t = feed(
        samples, 1e9, [&](int, const QString& b) { w->RealTimeParse(b); }, &rss);
    const int shotAt = args.indexOf("--shot");
    if (shotAt > 0) // the page as the run left it, to look at the charts
        w->grab().save(args.value(shotAt + 1));
    const int kept = w->realTimeCharts().chart(Quantity::Soc).samples().size();
    const double rssEnd = rssMb();
    const double perSample = slope(rss);
    const int drawn = w->realTimeCharts().chart(Quantity::Soc).drawnPoints().size();
    std::fprintf(g_report, "realtime: drawn points per chart at the end: %d\n", drawn);
    std::fprintf(g_report,
                 "realtime: handler alone, without the repaint: first_ms=%.2f last_ms=%.2f\n",
                 firstMedian(t.handlerMs), lastMedian(t.handlerMs));
    std::fprintf(g_report, "realtime: median ms of each tenth of the run:");
    for (size_t i = 0; i < 10; ++i) {
        const size_t from = t.ms.size() * i / 10;
        const size_t to = t.ms.size() * (i + 1) / 10;
        std::fprintf(g_report, " %.2f", median({t.ms.begin() + from, t.ms.begin() + to}));
    }
    std::fprintf(g_report, "\n");
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
                 "rss_mb=%.0f slope_b_per_sample=%.1f\n",
                 t.done, kept, firstMedian(t.ms), lastMedian(t.ms), t.max(), rssEnd, perSample);
    std::fflush(g_report);

    QElapsedTimer download;
    download.start();
    const int lines = downloadedSampleLines(*w, prompts.recorder, dir.filePath("realtime.txt"));
    std::fprintf(g_report, "realtime: download_lines=%d download_ms=%lld\n", lines,
                 download.elapsed());
    std::fprintf(g_report, "realtime: thread cpu ms per burst: first=%.2f last=%.2f\n",
                 firstMedian(t.cpuMs), lastMedian(t.cpuMs));
    // A new run in the same window after "Clean All": as fast as the first bursts when the cost
    // grew with the run's own state, as slow as the last when it grew with the process.
    w->ClearRTDataBtn_clicked();
    const Timings again = feed(kWindow, 1e9, [&](int, const QString& b) { w->RealTimeParse(b); });
    std::fprintf(g_report, "realtime: a new run after Clean All: ms=%.2f cpu_ms=%.2f\n",
                 firstMedian(again.ms), firstMedian(again.cpuMs));
    std::fflush(g_report);
    LogHandler::releaseMessageHandler();
    const bool held = kept == samples && lines == samples && perSample <= kSlopeBudget &&
                      lastMedian(t.ms) <= kFlatBudget * firstMedian(t.ms) && t.max() < kMaxMsBudget;
    return held ? 0 : 1;
}
