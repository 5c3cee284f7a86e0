#pragma once
// Drawing helpers shared by the picture makers: caption fitting, rounded surfaces, shadows.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace kit::detail {

extern const char* const kFamily;
extern const char* const kNarrowFamily;

QFont captionFont(int px, bool bold = true, const char* family = kFamily);

struct Fitted {
    QFont font;
    QString text; // one line, or two joined by '\n'
};
// The largest font from maxPx down that shows the caption in the box; a warning on stderr
// when even minPx does not.
Fitted fit(const QString& text, const QSizeF& box, int maxPx, int minPx, bool bold = true,
           bool wrap = true, const char* family = kFamily);
// One line; in the narrow face when the normal one would fall below narrowBelow px.
Fitted fitLine(const QString& text, const QSizeF& box, int maxPx, int minPx, int narrowBelow);
void drawFitted(QPainter& p, const QRectF& box, const Fitted& f, const QColor& color,
                const QColor& shadow = QColor());

QPainterPath rounded(const QRectF& r, qreal radius);
void begin(QPainter& p);
void fillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom);
void innerShadow(QPainter& p, const QPainterPath& path, int depth, int strength);
void dropShadow(QPainter& p, const QRectF& r, qreal radius);
void stroke(QPainter& p, const QPainterPath& path, const QColor& color, qreal width);
void blueSurface(QPainter& p, const QRectF& r, qreal radius, bool pressed, int shadowDepth);

} // namespace kit::detail
