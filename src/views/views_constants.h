#pragma once
// Constants shared by the status views: the battery gauge, the battery group view and the
// battery info view.

#include "protocol/protocol_constants.h"

#include <QColor>

namespace views {

// The unit fills every status field it has not read (or that did not convert) with this.
using ::kNoData;
using ::kNoDataDouble;

constexpr int kMaxBatteries = 16;

// Theme colour of every text, border and outline of the status views.
inline QColor themeColor() {
    return QColor(74, 120, 222);
}
constexpr const char* kThemeCss = "rgb(74, 120, 222)";
// Captions drawn on the theme's light buttons.
constexpr const char* kThemeDarkCss = "rgb(36, 66, 150)";

// The alarm look shared by the alarm text, the battery tiles and buttons and the detail
// view's temperature.
inline QColor alarmColor() {
    return QColor(204, 38, 38);
}
constexpr const char* kAlarmCss = "rgb(204, 38, 38)";
constexpr const char* kAlarmTintCss = "#fff3f3";
// Values that are no longer live, and tiles of batteries not present, are drawn in grey.
inline QColor staleColor() {
    return QColor(150, 150, 150);
}
// The tile of the battery whose detail is shown is tinted.
inline QColor shownTint() {
    return QColor(222, 232, 252);
}

// Battery gauge animation: one step per tick.
constexpr int kGaugeTickMs = 50;

// A second battery button click within this time counts as "too frequent".
constexpr int kBatButtonCooldownMs = 800;

// A barcode entered for a battery has exactly this many characters.
constexpr int kBarcodeLength = 16;

// Scale bands: the window width (or height) divided by 1920 (or 1080).
constexpr double kScaleTiny = 0.416667;    // 800 px wide and less
constexpr double kScaleSmall = 0.533334;   // 1024 px wide and less
constexpr double kScaleCompact = 0.6125;   // 1176 px
constexpr double kScaleMedium = 0.666667;  // 1280 px
constexpr double kScaleLarge = 0.75;       // 1440 px
constexpr double kVScaleShort = 0.62963;   // 680 px high
constexpr double kVScaleMedium = 0.703704; // 760 px high

// Battery buttons of the group view at full scale (px): size, gaps between rows and
// columns, and the top margin. A button grows past its scaled size when its caption needs it.
constexpr int kBatButtonWidth = 95;
constexpr int kBatButtonHeight = 26;
constexpr int kBatButtonGap = 4;
constexpr int kBatButtonColumnGap = 15;
constexpr int kBatButtonTopY = 10;
constexpr int kBatButtonsPerColumn = 8;
// Caption size (pt) at full scale; it shrinks with the window down to the smallest that
// still reads well beside the rack.
constexpr int kBatButtonPoints = 10;
constexpr int kBatButtonMinPoints = 9;
// Room (px) around a caption: left and right each, above and below together.
constexpr int kBatButtonTextPadX = 5;
constexpr int kBatButtonTextPadY = 6;

// Full-scale sizes (px) of the views' pictures and picture buttons; they shrink with the
// window like the rest of the form.
constexpr int kGroupPictureWidth = 160;
constexpr int kGroupPictureHeight = 120;
constexpr int kSidePictureWidth = 40; // the upright "Alarm" and "Balance" headings
constexpr int kSidePictureHeight = 80;
constexpr int kAlarmTextMinWidth = 180;
constexpr int kChangeBtnWidth = 120;
constexpr int kChangeBtnHeight = 40;
constexpr int kAddBarBtnWidth = 64;
constexpr int kAddBarBtnHeight = 26;
constexpr int kBatteryPictureMinWidth = 90;
constexpr int kBatteryPictureMinHeight = 60;
constexpr int kBatteryPictureMaxWidth = 150;
constexpr int kBatteryPictureMaxHeight = 100;
constexpr int kInfoPictureWidth = 150;
constexpr int kInfoPictureHeight = 40;

// Cell chart: the voltage axis is fixed so that batteries can be compared at a glance.
constexpr double kCellVoltAxisMin = 2.4; // V
constexpr double kCellVoltAxisMax = 4.0; // V
constexpr int kCellAxisTicks = 9;
// More ticks than this on the cell axis only blur into a bar (and cost seconds to lay out).
constexpr int kMaxCellTicks = 32;
constexpr int kCellsPerTableRow = 4;
constexpr int kCellTableColumns = 12;

} // namespace views
