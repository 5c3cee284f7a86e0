#pragma once
// Constants of the real-time stream ("disp pwrs N" ... "disp 0"), its run state and its four
// charts.

#include "protocol/protocol_constants.h"

#include <QString>

namespace realtime {

// The stream's header line; a burst holding both words starts with it, and only the text
// after "Coul(mAH)" can hold samples.
inline const QString kHeaderIdWord = QStringLiteral("ID");
inline const QString kHeaderLastColumn = QStringLiteral("Coul(mAH)");

// Field counts of a sample line (split at runs of white space). The unit prints 19: ID, date,
// time, Vo, Vrf, Cu, Tmpr, Tlow, Thigh, Vlow, Vhigh, Base.St, Volt.St, Curr.St, Temp.St,
// B.V.St, B.T.St, Per%, Coul(mAH); older firmware 16 or 17. Any other count is no sample.
inline constexpr int kFieldsShort = 16;
inline constexpr int kFieldsMedium = 17;
inline constexpr int kFieldsFull = 19;

// Time of a sample: date + " " + time. 17 characters means a two-digit year.
inline constexpr int kShortYearTimeLength = 17;
inline const QString kShortYearTimeFormat = QStringLiteral("yy-MM-dd HH:mm:ss");
inline const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The unit prints mV, mA and m°C.
inline constexpr double kMilliPerUnit = 1000.0;
inline constexpr double kMsPerMinute = 60000.0;

// The item number that starts a run.
inline constexpr int kRunStartItem = 1;

// Extremes of the SOC axis (%) before its margin is added.
inline constexpr int kSocFloor = 10;
inline constexpr int kSocCeiling = 100;
// Margins added below the minimum and above the maximum of each vertical axis.
inline constexpr int kSocMargin = 10;       // %
inline constexpr double kVoltMargin = 2.0;  // V
inline constexpr double kCurrMargin = 2.0;  // A
inline constexpr double kTempMargin = 10.0; // °C

// Hover read-out of voltage and current: a list value within this much of the pointed value
// matches; above kWideSpan of span (max - min) the tolerance is a hundredth of the span.
inline constexpr double kHoverTolerance = 0.1;
inline constexpr double kWideSpan = 10.0;
inline constexpr double kWideSpanDivisor = 100.0;

// Drawing. A series is drawn from at most kMaxDrawnColumns columns of samples, each column
// drawn as its lowest and highest sample; up to that many samples every sample is drawn.
// About three pixels a column on a chart of a 1920 px screen; once the columns fill up, the
// cost of a repaint follows their number.
inline constexpr int kMaxDrawnColumns = 256;
// A run of at most this many samples is drawn as an animated spline, one appended point per
// sample; beyond, as straight segments through the thinned copy, without animation (a spline
// through ~1,000 noisy points costs ~45 ms a repaint per chart, segments ~3 ms).
inline constexpr int kShortSeriesPoints = 120;

// The stream's text: the page's text view keeps this many of the newest lines; the whole
// text is held for the Download in blocks of this many bytes, compressed once full (zlib
// level; a 64 KiB block takes about a millisecond).
inline constexpr int kTextViewLines = 10000;
inline constexpr int kTextBlockBytes = 64 * 1024;
inline constexpr int kTextCompressionLevel = 6;

// Hover label: its initial geometry (px) and its two style sheets.
inline constexpr int kHoverLabelX = 1290;
inline constexpr int kHoverLabelY = 0;
inline constexpr int kHoverLabelWidth = 120;
inline constexpr int kHoverLabelHeight = 30;
inline const QString kHoverLabelStyle = QStringLiteral("color: rgb(74, 120, 222);");
inline const QString kHoverLabelShownStyle =
    QStringLiteral("color: rgb(74, 120, 222); border:2px solid gray;");

// Chart fonts (Arial, points) on a full-size screen.
inline const QString kChartFontFamily = QStringLiteral("Arial");
inline constexpr int kChartTitlePoints = 12;
inline constexpr int kLegendPoints = 7;
inline constexpr int kAxisTitlePoints = 11;
inline constexpr int kPointLabelPoints = 11;

// Width-rate bands of the chart fonts (available width / 1920).
inline constexpr double kRateTiny = 0.416667;
inline constexpr double kRateCompact = 0.6125;
inline constexpr double kRateMedium = 0.666667;
inline constexpr double kRateLarge = 0.75;

} // namespace realtime
