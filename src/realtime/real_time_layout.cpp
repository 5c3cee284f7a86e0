#include "realtime/real_time_layout.h"

#include "realtime/realtime_constants.h"

#include <cmath>

using namespace realtime;

std::optional<ChartFontSizes> chartFontSizes(double widthRate) {
    if (widthRate <= kRateTiny)
        return ChartFontSizes{8, 3, 7, 5};
    if (widthRate <= kRateCompact)
        return ChartFontSizes{9, 4, 8, 6};
    if (widthRate <= kRateMedium)
        return ChartFontSizes{10, 5, 9, 7};
    if (widthRate <= kRateLarge)
        return ChartFontSizes{11, 6, 10, 8};
    return std::nullopt;
}

QPoint hoverLabelPosition(Quantity q, const QPoint& cursor, const QSize& label) {
    const bool fullWidth = q == Quantity::Volt || q == Quantity::Temp;
    const int x = cursor.x() - (fullWidth ? label.width() : label.width() / 4);
    const int y = cursor.y() - int(std::lround(1.5 * label.height()));
    return {x, y};
}
