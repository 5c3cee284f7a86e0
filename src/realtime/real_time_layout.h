#pragma once
// Sizes and places of the real-time page's chart texts and hover label.

#include "realtime/real_time_run.h"

#include <QPoint>
#include <QSize>

#include <optional>

// Arial point sizes of the chart texts on a small screen.
struct ChartFontSizes {
    int title = 0; // also the hover label
    int legend = 0;
    int axisTitle = 0;
    int axisLabels = 0;
};

// The sizes for a width rate (available width / 1920); nothing above 0.75, where the charts
// keep the fonts they were built with.
std::optional<ChartFontSizes> chartFontSizes(double widthRate);

// Where the hover label goes for a cursor at `cursor` (main-window coordinates): above the
// cursor by one and a half label heights; left of it by the label's width for voltage and
// temperature, by a quarter of it for SOC and current.
QPoint hoverLabelPosition(Quantity q, const QPoint& cursor, const QSize& label);
