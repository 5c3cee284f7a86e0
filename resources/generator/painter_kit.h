#pragma once
// Drawing of the program's pictures: buttons, tags, indicators and illustrations in one
// palette around the theme blue rgb(74, 120, 222), captions in Liberation Sans (Arial's
// metrics).

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include "captions.h"

class QPainter;

namespace kit {

// Theme colours.
QColor theme();     // rgb(74, 120, 222)
QColor themeDark(); // pressed fills, captions on white
QColor ink();       // body text

enum class Glyph { None, Battery, Warning, Info, Balance, Refresh, Upload };

// A glyph drawn in one colour inside the box.
void paintGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& color);

// An empty picture: transparent for PNG, white for JPG (which has no alpha).
QImage canvas(const QSize& size, bool opaque = false);

// Page button of the navigation bar; pressed is the chosen page.
QImage navButton(const QSize& size, const QString& caption, bool pressed);
// Action button (blue, white caption).
QImage actionButton(const QSize& size, const QString& caption);
// The shared pressed pictures: a plain darker button, and one with a deeper inset shadow.
QImage pressedButton(const QSize& size);
QImage pressedShadow(const QSize& size);
// Icon-only action button (refresh), normal or pressed, on white.
QImage iconButton(const QSize& size, Glyph glyph, bool pressed);
// Battery selection button of the group view.
QImage batteryButton(const QSize& size, const QString& caption);
// Heading picture: a blue badge with a glyph, then the caption.
QImage tag(const QSize& size, Glyph glyph, const QString& caption, bool opaque = false);
// Narrow vertical heading, the caption read from bottom to top.
QImage sideTab(const QSize& size, const QString& caption, bool opaque);
// Balance indicator LED.
QImage led(const QSize& size, bool on);
// Charge/discharge switch indicator with its state word.
QImage switchIndicator(const QSize& size, bool on, const QString& word);
// Red badge with a white warning sign: an alarm is active.
QImage alarmBadge(const QSize& size);
// Frame laid over a battery button: red for a battery in alarm, dark blue for the battery
// whose detail is shown, both nested.
QImage batteryMark(const QSize& size, bool alarm, bool shown);
// Illustrations with a caption underneath.
QImage rackPicture(const QSize& size, const QString& caption);
QImage modulePicture(const QSize& size, const QString& caption);
QImage logo(const QSize& size);
QImage upgradePanel(const QSize& size, const captions::UpgradeNote& note);
// Picture of a Language menu entry: the language code on a blue badge.
QImage languageBadge(const QSize& size, const QString& code);

} // namespace kit
