#pragma once
// The look of a view whose values are no longer live: its frame greyed, and a caption strip
// above it that says since when. The window decides when; the views only show it.

#include <QString>

class QBoxLayout;
class QLabel;
class QWidget;

// A caption strip, hidden until a caption is shown.
QLabel* makeStaleCaption(QWidget* parent);
// The same, put in front of everything else in `layout`.
QLabel* addStaleCaption(QWidget* parent, QBoxLayout* layout);
// An empty caption shows the frame as live again. Without a frame only the caption changes
// (a view that greys itself).
void showStale(QWidget* frame, QLabel* caption, const QString& text);
bool isGreyed(const QWidget* frame);
