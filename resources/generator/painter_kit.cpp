#include "painter_kit.h"

#include "drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace kit {

QColor theme() {
    return QColor(74, 120, 222);
}
QColor themeDark() {
    return QColor(40, 78, 170);
}
QColor ink() {
    return QColor(42, 50, 68);
}

namespace detail {

const char* const kFamily = "Liberation Sans";

const char* const kNarrowFamily = "Liberation Sans Narrow";

QFont captionFont(int px, bool bold, const char* family) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// The two-line form of `text` whose longer line is the shortest.
QString splitInTwo(const QString& text, const QFontMetricsF& fm) {
    QString best;
    qreal bestWidth = 1e9;
    for (int i = text.indexOf(' '); i >= 0; i = text.indexOf(' ', i + 1)) {
        const QString a = text.left(i);
        const QString b = text.mid(i + 1);
        const qreal width = qMax(fm.horizontalAdvance(a), fm.horizontalAdvance(b));
        if (width < bestWidth) {
            bestWidth = width;
            best = a + '\n' + b;
        }
    }
    return best;
}

bool fitsOneLine(const QString& text, const QSizeF& box, const QFont& font) {
    const QFontMetricsF fm(font);
    return fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height();
}

bool fitsTwoLines(const QString& text, const QSizeF& box, const QFont& font, QString* out) {
    if (!text.contains(' '))
        return false;
    const QFontMetricsF fm(font);
    const QString two = splitInTwo(text, fm);
    const QStringList lines = two.split('\n');
    const qreal width = qMax(fm.horizontalAdvance(lines[0]), fm.horizontalAdvance(lines[1]));
    if (width > box.width() || fm.lineSpacing() + fm.height() > box.height())
        return false;
    *out = two;
    return true;
}

// The largest font from maxPx down that shows the caption in the box. Two lines (a little
// smaller than the largest single line, to keep their padding) are chosen when they allow a
// larger font than one line does.
Fitted fit(const QString& text, const QSizeF& box, int maxPx, int minPx, bool bold, bool wrap,
           const char* family) {
    int oneLine = 0;
    for (int px = maxPx; px >= minPx && !oneLine; --px) {
        if (fitsOneLine(text, box, captionFont(px, bold, family)))
            oneLine = px;
    }
    int twoLines = 0;
    QString two;
    for (int px = maxPx - 1; wrap && px > oneLine && px >= minPx && !twoLines; --px) {
        if (fitsTwoLines(text, box, captionFont(px, bold, family), &two))
            twoLines = px;
    }
    if (twoLines)
        return {captionFont(twoLines, bold, family), two};
    if (oneLine)
        return {captionFont(oneLine, bold, family), text};
    std::fprintf(stderr, "warning: caption \"%s\" does not fit %gx%g\n", qPrintable(text),
                 box.width(), box.height());
    return {captionFont(minPx, bold, family), text};
}

Fitted fitLine(const QString& text, const QSizeF& box, int maxPx, int minPx, int narrowBelow) {
    for (int px = maxPx; px >= narrowBelow; --px) {
        if (fitsOneLine(text, box, captionFont(px)))
            return {captionFont(px), text};
    }
    return fit(text, box, maxPx, minPx, true, false, kNarrowFamily);
}

void drawFitted(QPainter& p, const QRectF& box, const Fitted& f, const QColor& color,
                const QColor& shadow) {
    p.setFont(f.font);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(box.translated(0, 1), Qt::AlignCenter, f.text);
    }
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, f.text);
}

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void begin(QPainter& p) {
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
}

void fillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

// A soft shadow inside the top edge of a pressed surface.
void innerShadow(QPainter& p, const QPainterPath& path, int depth, int strength) {
    const QRectF r = path.boundingRect();
    p.save();
    p.setClipPath(path);
    QLinearGradient g(r.topLeft(), r.topLeft() + QPointF(0, depth));
    g.setColorAt(0, QColor(0, 0, 0, strength));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, g);
    p.restore();
}

void dropShadow(QPainter& p, const QRectF& r, qreal radius) {
    p.fillPath(rounded(r.translated(0, 1.6), radius), QColor(20, 40, 90, 50));
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& color, qreal width) {
    p.setPen(QPen(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A blue button surface (the action buttons and the shared pressed pictures).
void blueSurface(QPainter& p, const QRectF& r, qreal radius, bool pressed, int shadowDepth) {
    const QPainterPath path = rounded(r, radius);
    if (!pressed) {
        dropShadow(p, r, radius);
        fillVertical(p, path, QColor(110, 151, 238), QColor(60, 102, 206));
        // Gloss on the upper half.
        QPainterPath upper = rounded(r.adjusted(1, 1, -1, -r.height() / 2), radius - 1);
        fillVertical(p, upper, QColor(255, 255, 255, 60), QColor(255, 255, 255, 12));
        stroke(p, path, QColor(46, 84, 178), 1.2);
        return;
    }
    fillVertical(p, path, QColor(58, 98, 196), QColor(44, 78, 168));
    innerShadow(p, path, shadowDepth, 90);
    stroke(p, path, QColor(32, 62, 140), 1.2);
}

} // namespace detail

using namespace detail;

QImage canvas(const QSize& size, bool opaque) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(opaque ? Qt::white : Qt::transparent);
    return img;
}

QImage navButton(const QSize& size, const QString& caption, bool pressed) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const qreal radius = 9;
    QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -3);
    const QRectF textBox = r.adjusted(8, 3, -8, -3);
    const Fitted text = fit(caption, textBox.size(), 17, 10);
    if (!pressed) {
        dropShadow(p, r, radius);
        const QPainterPath path = rounded(r, radius);
        fillVertical(p, path, QColor(255, 255, 255), QColor(226, 235, 252));
        stroke(p, path, theme(), 1.3);
        drawFitted(p, textBox, text, themeDark());
        return img;
    }
    r.translate(0, 1);
    blueSurface(p, r, radius, true, 8);
    drawFitted(p, textBox.translated(0, 1), text, Qt::white, QColor(10, 30, 80, 110));
    return img;
}

QImage actionButton(const QSize& size, const QString& caption) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -3);
    const qreal radius = qMin<qreal>(9, r.height() / 3);
    blueSurface(p, r, radius, false, 0);
    const qreal pad = qMin<qreal>(8, size.width() / 20.0);
    const QRectF textBox = r.adjusted(pad, 2, -pad, -2);
    const int maxPx = qBound(9, int(size.height() * 0.48), 17);
    drawFitted(p, textBox, fit(caption, textBox.size(), maxPx, 8), Qt::white,
               QColor(10, 30, 80, 120));
    return img;
}

QImage languageBadge(const QSize& size, const QString& code) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    blueSurface(p, r, r.height() / 5, false, 0);
    drawFitted(p, r.adjusted(2, 0, -2, 0), fit(code.toUpper(), r.size(), int(r.height() * 0.5), 8),
               Qt::white);
    return img;
}

QImage pressedButton(const QSize& size) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 2.5, -1.5, -2);
    blueSurface(p, r, 9, true, 8);
    return img;
}

QImage pressedShadow(const QSize& size) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 2.5, -1.5, -2);
    const QPainterPath path = rounded(r, 9);
    fillVertical(p, path, QColor(46, 82, 176), QColor(34, 62, 146));
    innerShadow(p, path, 14, 130);
    // Darker rim on every side: the surface looks pushed in.
    p.save();
    p.setClipPath(path);
    stroke(p, rounded(r.adjusted(1, 1, -1, -1), 8), QColor(0, 0, 0, 70), 3);
    p.restore();
    stroke(p, path, QColor(26, 50, 120), 1.2);
    return img;
}

} // namespace kit
