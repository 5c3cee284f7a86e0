// The real-time core: lines and bursts to samples, the run's ranges, value lists and hover
// matching, the thinning of a long series, the chart layout by screen size.
#include "realtime/column_band.h"
#include "realtime/min_max_decimator.h"
#include "realtime/real_time_layout.h"
#include "realtime/real_time_run.h"
#include "realtime/real_time_sample.h"
#include "realtime/real_time_text.h"

#include <QBuffer>
#include <QtTest>

namespace {
// The no-data marker, restated: what an unreadable field reads as.
constexpr double kNoValue = 268435455.0;

// The unit's 19-column line: ID, date, time, Vo, Vrf, Cu, Tmpr, Tlow, Thigh, Vlow, Vhigh, six
// states, Per%, Coul(mAH).
QString line19(int id, const QString& at, int mv, int ma, int mc, const QString& per) {
    return QString::asprintf("%d     %s  %d   52300   %d   %d   3280    3300    3300     3320     "
                             "Normal    Normal    Normal    Normal  Normal    Normal  %s   50000",
                             id, qPrintable(at), mv, ma, mc, qPrintable(per));
}
} // namespace

Q_DECLARE_METATYPE(PixelSpan)

// "column:top-bottom ...", so that a failed comparison shows both sets.
static QString spansText(const QVector<PixelSpan>& spans) {
    QStringList out;
    for (const PixelSpan& s : spans)
        out << QString("%1:%2-%3").arg(s.column).arg(s.top).arg(s.bottom);
    return out.join(' ');
}

class TestRealTime : public QObject {
    Q_OBJECT
private slots:
    void parsesLineByFieldCount_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields"); // item|time|V|A|°C|SOC|Coul; empty: no sample
        const QString tail8 = " 1 2 3 4 N N N N ";
        QTest::newRow("19, 87%") << line19(7, "2024-05-01 08:00:00", 52310, -1500, 25500, "87%")
                                 << "7|2024-05-01 08:00:00|52.31|-1.5|25.5|87|50000";
        QTest::newRow("17") << "2 24-05-01 08:00:01 51000 9 2500 -3500" + tail8 + "60% 4000"
                            << "2|24-05-01 08:00:01|51|2.5|-3.5|60|4000";
        QTest::newRow("16") << "3 24-05-01 08:00:02 51000 2500 30000" + tail8 + "61 4001"
                            << "3|24-05-01 08:00:02|51|2.5|30|61|4001";
        QTest::newRow("bad numbers") << "x d t v 9 a b" + tail8 + "y% z"
                                     << "0|d t|--|--|--|--|--";
        QTest::newRow("19, dashes") << line19(8, "2024-05-01 08:00:00", 0, -1500, 25500, "----%")
                                           .replace(" 0   52300", " ----   52300")
                                    << "8|2024-05-01 08:00:00|--|-1.5|25.5|--|50000";
        QTest::newRow("15") << "3 24-05-01 08:00:02 51000 2500 30000" + tail8 + "61" << QString();
        QTest::newRow("18") << "2 d t 1 2 3 4" + tail8 + "5 60% 4000" << QString();
        QTest::newRow("20") << line19(1, "d t", 1, 2, 3, "4%") + " 9" << QString();
        QTest::newRow("leading blank") << " " + line19(1, "d t", 1, 2, 3, "4%") << QString();
    }

    void parsesLineByFieldCount() {
        QFETCH(QString, line);
        const std::optional<RealTimeSample> s = parseRealTimeLine(line);
        const auto n = [](double v) { return v == kNoValue ? QString("--") : QString::number(v); };
        QTEST(!s ? QString()
                 : QStringList({n(s->item), s->time, n(s->voltage), n(s->current),
                                n(s->temperature), n(s->soc), n(s->coulomb)})
                       .join('|'),
              "fields");
    }

    // A run from its start confirmed by the unit: a 15-field line mid-burst is skipped and the
    // sample after it kept.
    void burstToPointsAndRanges() {
        RealTimeRun run;
        // Before any run start every point lies at x = 0.
        QCOMPARE(run.add({5, "2024-05-01 07:00:00", 50, 1, 20, 50}).x, 0.0);
        const QString stream =
            "ID  Time  Vo  Vrf  Cu  Tmpr  Tlow  Thigh  Vlow  Vhigh  Base.St  Volt.St  "
            "Curr.St  Temp.St  B.V.St  B.T.St  Per%  Coul(mAH)\n" +
            line19(1, "2024-05-01 08:00:00", 52000, -1000, 25000, "20%") +
            "\n2 2024-05-01 08:00:30 1 2 3 4 5 6 7 N N N N 61%\n" +
            line19(3, "2024-05-01 08:01:00", 53000, 3000, 26000, "90%");
        const RealTimeBurst b =
            parseRealTimeBurst("disp pwrs 1\n@\nCommand completed successfully\n$$\n" + stream);
        QVERIFY(b.confirmed && !parseRealTimeBurst(stream).confirmed);
        SamplePlot p;
        QVector<double> xs;
        for (const RealTimeSample& s : b.samples) {
            p = run.add(s);
            xs << p.x;
        }
        QCOMPARE(xs, (QVector<double>{0.0, 1.0}));
        QCOMPARE(p.xRange, (AxisRange{0.0, 1.0}));
        QCOMPARE(p.yRanges[int(Quantity::Soc)], (AxisRange{10, 100}));
        QCOMPARE(p.yRanges[int(Quantity::Volt)], (AxisRange{50, 55}));
        QCOMPARE(p.yRanges[int(Quantity::Curr)], (AxisRange{-3, 5}));
        QCOMPARE(p.yRanges[int(Quantity::Temp)], (AxisRange{15, 36}));
        // A new run restarts the minima but not the maxima; a two-digit year reads as well.
        run.add({1, "24-05-02 09:00:00", 40, 0, 10, 30});
        p = run.add({2, "24-05-02 09:02:30", 41, 0, 10, 5});
        QCOMPARE(p.x, 2.5);
        QCOMPARE(p.yRanges[int(Quantity::Soc)], (AxisRange{0, 100}));
        QCOMPARE(p.yRanges[int(Quantity::Volt)], (AxisRange{38, 55}));
        // A time that cannot be read places no point and leaves the time axis where it was.
        p = run.add({3, "garbage", 41, 0, 10, 5});
        QCOMPARE(p.x, kNoValue);
        QCOMPARE(p.y[int(Quantity::Volt)], kNoValue);
        QCOMPARE(p.xRange, (AxisRange{0.0, 2.5}));
    }

    // An unreadable value is no point, stretches no axis and joins no value list; a run that
    // starts with one takes its minimum from the first readable value.
    void unreadableValuesAreNotPlotted() {
        RealTimeRun run;
        const double no = kNoValue;
        run.add({1, "2024-05-01 08:00:00", no, 2, 25, int(no)});
        SamplePlot p = run.add({2, "2024-05-01 08:00:30", 52, no, 26, 60});
        QCOMPARE(p.x, 0.5);
        QCOMPARE(p.y[int(Quantity::Curr)], no);
        QCOMPARE(p.yRanges[int(Quantity::Volt)], (AxisRange{50, 54}));
        QCOMPARE(p.yRanges[int(Quantity::Soc)], (AxisRange{50, 70}));
        QCOMPARE(p.yRanges[int(Quantity::Curr)], (AxisRange{0, 4}));
        p = run.add({3, "2024-05-01 08:01:00", 51, 1, no, int(no)});
        QCOMPARE(p.yRanges[int(Quantity::Volt)], (AxisRange{49, 54}));
        QCOMPARE(p.yRanges[int(Quantity::Temp)], (AxisRange{15, 36}));
        QCOMPARE(run.voltValues(), (QVector<double>{52, 51}));
        QCOMPARE(run.socValues(), (QVector<int>{60}));
        QCOMPARE(run.tempValues(), (QVector<int>{25, 26}));
    }

    void textKeptWholeAndCompact_data() {
        QTest::addColumn<QStringList>("pieces"); // a piece starting with '>' is a line of its own
        QTest::addColumn<QString>("text");
        QTest::newRow("finish alone") << QStringList{">finish"} << "finish\n";
        QTest::newRow("after a cut line")
            << QStringList{"1 a", ">finish", "2 b\n"} << "1 a\nfinish\n2 b\n";
        QTest::newRow("after a whole line") << QStringList{"1 a\n", ">fin ✓"} << "1 a\nfin ✓\n";
    }

    // Whatever was appended comes back whole and in order, across many compressed blocks.
    void textKeptWholeAndCompact() {
        QFETCH(QStringList, pieces);
        QFETCH(QString, text);
        RealTimeText kept;
        QString expected;
        for (int id = 1; id <= 20000; ++id) {
            const QString line =
                line19(id, QTime(8, 0).addSecs(id).toString("'2024-05-01 'HH:mm:ss"),
                       52000 + id % 97, -1500, 25000 + id % 13, "55%") +
                "\n";
            kept.append(line);
            expected += line;
        }
        for (const QString& piece : pieces) {
            if (piece.startsWith('>'))
                kept.appendLine(piece.mid(1));
            else
                kept.append(piece);
        }
        expected += text;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(kept.writeTo(out));
        QCOMPARE(out.data(), expected.toUtf8());
        QVERIFY2(kept.heldBytes() * 5 < out.size(), qPrintable(QString::number(kept.heldBytes())));
        kept.clear();
        QCOMPARE(kept.appendLine("finish"), QString("finish\n")); // nothing before it
    }

    void valueListsAndHover() {
        RealTimeRun run;
        const double temps[] = {22.5, 23.5, 22.4, 0.0, -0.5};
        const double volts[] = {52.3, 52.3, 50.0, 52.3, 53.3};
        const int socs[] = {56, 0, 56, 57, 0};
        for (int i = 0; i < 5; ++i)
            run.add({i + 1, "2024-05-01 08:00:00", volts[i], volts[i] - 50, temps[i], socs[i]});
        QCOMPARE(run.tempValues(), (QVector<int>{22, 24, 0}));
        QCOMPARE(run.voltValues(), (QVector<double>{52.3, 50.0, 53.3}));
        QCOMPARE(run.socValues(), (QVector<int>{56, 0, 57}));
        QCOMPARE(run.hoverTolerance(Quantity::Volt), 0.1); // span 3.3 V
        QCOMPARE(run.hoverValue(Quantity::Volt, 52.31), std::optional<double>(52.3));
        QCOMPARE(run.hoverValue(Quantity::Volt, 51.5), std::optional<double>());
        QCOMPARE(run.hoverValue(Quantity::Soc, 56.4), std::optional<double>(56));
        QCOMPARE(run.hoverValue(Quantity::Soc, 58.4), std::optional<double>());
        run.add({6, "2024-05-01 08:00:00", 70.0, 0, 0, 1});
        QCOMPARE(run.hoverTolerance(Quantity::Volt), 0.2); // span 20 V
        QCOMPARE(run.hoverValue(Quantity::Volt, 69.81), std::optional<double>(70.0));
        run.clearValues();
        QVERIFY(run.socValues().isEmpty() && run.voltValues().isEmpty());
    }

    void decimatorKeepsEverySampleAndDrawsFew() {
        MinMaxDecimator d(100);
        for (int i = 0; i < 10000; ++i) {
            d.append({double(i), double(i % 7)});
            if (i == 99)
                QCOMPARE(d.drawn(), d.points()); // every sample while they fit the columns
        }
        const QVector<QPointF> drawn = d.drawn();
        QVERIFY(d.size() == 10000 && drawn.size() <= 2 * 100 + 2);
        for (int i = 1; i < drawn.size(); ++i) // in order; between the ends, columns' extremes only
            QVERIFY(drawn[i - 1].x() < drawn[i].x() &&
                    (i + 1 == drawn.size() || drawn[i].y() == 0 || drawn[i].y() == 6));
    }

    // A 10 x 10 px plot of x and y in [0, 10]: row 0 is the top.
    void bandSpans_data() {
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<QVector<PixelSpan>>("spans");
        QVector<PixelSpan> flat, diagonal;
        for (int c = 0; c < 10; ++c) {
            flat.append({c, 5, 5});
            diagonal.append({c, c, c});
        }
        QTest::newRow("one point") << QVector<QPointF>{{5, 5}} << QVector<PixelSpan>{{5, 5, 5}};
        QTest::newRow("flat, newest at the right edge")
            << QVector<QPointF>{{0, 5}, {10, 5}} << flat;
        QTest::newRow("falling diagonal, one row a column")
            << QVector<QPointF>{{0, 10}, {10, 0}} << diagonal;
        QTest::newRow("a column's lowest and highest, then the next column's")
            << QVector<QPointF>{{2.5, 1}, {2.5, 9}, {3.5, 2}}
            << QVector<PixelSpan>{{2, 1, 9}, {3, 4, 8}};
        QTest::newRow("a gap between columns is bridged")
            << QVector<QPointF>{{1.5, 9.5}, {3.5, 0.5}}
            << QVector<PixelSpan>{{1, 0, 2}, {2, 2, 7}, {3, 7, 9}};
        QTest::newRow("outside the ranges: at the edges; a point without a place skipped")
            << QVector<QPointF>{{-5, 20}, {5, qQNaN()}, {30, -1}} << diagonal;
    }
    void bandSpans() {
        QFETCH(QVector<QPointF>, points);
        QFETCH(QVector<PixelSpan>, spans);
        const QVector<PixelSpan> got = polylineSpans(points, {0, 10}, {0, 10}, {10, 10});
        QCOMPARE(spansText(got), spansText(spans));
        // Nothing to draw in an empty range or plot.
        QVERIFY(polylineSpans(points, {3, 3}, {0, 10}, {10, 10}).isEmpty());
        QVERIFY(polylineSpans(points, {0, 10}, {0, 10}, {0.5, 10}).isEmpty());
    }

    // What a new set of spans repaints: the changed columns, over the rows of both sets.
    void bandRepaintsChangedColumns() {
        const QVector<PixelSpan> line{{0, 5, 5}, {1, 5, 5}, {2, 5, 5}, {40, 5, 5}};
        QCOMPARE(changedRects(line, line), QVector<QRect>());
        QVector<PixelSpan> moved = line;
        moved[1] = {1, 2, 3};
        moved[3] = {40, 5, 8};
        moved.append({41, 9, 9});
        QCOMPARE(changedRects(line, moved),
                 QVector<QRect>({QRect(1, 2, 1, 4), QRect(40, 5, 2, 5)}));
        moved[2] = {2, 0, 0};
        QCOMPARE(changedRects(line, moved).first(), QRect(1, 0, 2, 6)); // neighbours join
        QCOMPARE(changedRects(line, {}).size(), 2); // what goes is repainted too
    }

    // The band answers the hover near its strokes only, with the values under the cursor.
    void bandHover() {
        ColumnBand band;
        band.setArea({100, 50, 10, 10});
        band.setPoints({{0, 5}, {10, 5}}, {0, 10}, {0, 10});
        QCOMPARE(band.valueAt({105, 55}), QPointF(5, 5));
        QCOMPARE(band.boundingRect(), QRectF(97, 52, 16, 7)); // the strokes and the slack
        QVERIFY(band.contains({104, 58}) && band.contains({109, 52}));
        QVERIFY(!band.contains({104, 59.5}) && !band.contains({95, 55}));
        band.clear();
        QVERIFY(!band.contains({105, 55}));
    }

    void layoutBySize() {
        const std::optional<ChartFontSizes> half = chartFontSizes(0.5);
        QCOMPARE(QVector<int>({half->title, half->legend, half->axisTitle, half->axisLabels}),
                 QVector<int>({9, 4, 8, 6}));
        QCOMPARE(chartFontSizes(0.75)->title, 11);
        QVERIFY(!chartFontSizes(0.76));
        QCOMPARE(hoverLabelPosition(Quantity::Volt, {500, 400}, {100, 41}), QPoint(400, 338));
        QCOMPARE(hoverLabelPosition(Quantity::Soc, {500, 400}, {101, 40}), QPoint(475, 340));
    }
};

QTEST_MAIN(TestRealTime)
#include "tst_realtime.moc"
