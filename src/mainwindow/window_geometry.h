#pragma once
// The window's sizing arithmetic: the form is laid out for 1920 x 1080 and the window is
// fitted to the screen's available area by two rates.

#include <QRect>

class QWidget;

struct ScreenRates {
    double width = 1.0;  // available width / 1920
    double height = 1.0; // available height / 1080
};

ScreenRates screenRates(int availableWidth, int availableHeight);

// The start-up placement: width rate x 1920 by height rate x 1000 (shorter than the area),
// centred with a 5-pixel nudge to the right. Products truncate; division truncates toward 0.
QRect startupWindowGeometry(int availableWidth, int availableHeight);

// The "Arial" point size every widget gets on a screen of this width rate: 7, 8, 9 or 10 in
// the four small bands, 0 (fonts left alone) above 0.75.
int scaledFontPointSize(double widthRate);

// Which small-screen band a width rate falls in: 1 (at most 800 px), 2 (at most 1176 px), or
// 0 for every larger screen. The battery views get extra room in bands 1 and 2.
int smallScreenBand(double widthRate);

// Where a secondary window of `size` goes: centred over `owner` (the main window's frame),
// then pushed inside `available` (the screen's free area) as far as it fits; a window larger
// than the area keeps the area's top-left corner.
QRect centredOver(const QRect& owner, const QSize& size, const QRect& available);

// Moves `window` (a top-level) to centredOver the owner's frame on the owner's screen.
void placeOver(QWidget* window, const QWidget* owner);
