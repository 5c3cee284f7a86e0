// Glyphs, icon and battery buttons, headings and indicators.

#include "drawing.h"
#include "painter_kit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace kit {

using namespace detail;

namespace {

void batteryGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    const qreal w = b.width();
    const qreal h = b.height() * 0.6;
    const QRectF body(b.left(), b.center().y() - h / 2, w * 0.86, h);
    const QRectF cap(body.right(), body.center().y() - h / 4, w * 0.1, h / 2);
    const qreal pen = qMax<qreal>(1.2, h / 7);
    p.setPen(QPen(color, pen));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), pen, pen);
    p.fillRect(cap, color);
    const QRectF level = body.adjusted(pen * 1.8, pen * 1.8, -pen * 1.8, -pen * 1.8);
    p.fillRect(QRectF(level.topLeft(), QSizeF(level.width() * 0.7, level.height())), color);
}

void warningGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    QPainterPath tri;
    tri.moveTo(b.center().x(), b.top() + b.height() * 0.06);
    tri.lineTo(b.right() - b.width() * 0.02, b.bottom() - b.height() * 0.08);
    tri.lineTo(b.left() + b.width() * 0.02, b.bottom() - b.height() * 0.08);
    tri.closeSubpath();
    const qreal pen = qMax<qreal>(1.4, b.width() / 11);
    p.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tri);
    const qreal x = b.center().x();
    p.drawLine(QPointF(x, b.top() + b.height() * 0.38), QPointF(x, b.top() + b.height() * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(x, b.top() + b.height() * 0.76), pen * 0.7, pen * 0.7);
}

void infoGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    const qreal pen = qMax<qreal>(1.4, b.width() / 11);
    const QRectF circle = b.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    p.setPen(QPen(color, pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle);
    const qreal x = b.center().x();
    p.setPen(QPen(color, pen * 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, b.top() + b.height() * 0.44), QPointF(x, b.top() + b.height() * 0.74));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(x, b.top() + b.height() * 0.29), pen * 0.7, pen * 0.7);
}

void arrow(QPainter& p, QPointF from, QPointF to, qreal head, const QColor& color, qreal pen) {
    p.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const qreal dir = to.x() >= from.x() ? -1 : 1;
    p.drawLine(to, to + QPointF(dir * head, -head * 0.7));
    p.drawLine(to, to + QPointF(dir * head, head * 0.7));
}

void balanceGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    const qreal pen = qMax<qreal>(1.4, b.width() / 10);
    const qreal head = b.width() * 0.22;
    arrow(p, QPointF(b.left() + pen, b.top() + b.height() * 0.32),
          QPointF(b.right() - pen, b.top() + b.height() * 0.32), head, color, pen);
    arrow(p, QPointF(b.right() - pen, b.top() + b.height() * 0.68),
          QPointF(b.left() + pen, b.top() + b.height() * 0.68), head, color, pen);
}

void refreshGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    const qreal pen = qMax<qreal>(1.6, b.width() / 9);
    const QRectF ring = b.adjusted(pen, pen, -pen, -pen);
    p.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 60 * 16, 290 * 16);
    // Arrow head at the start of the arc (60 degrees), pointing along it.
    const qreal a = qDegreesToRadians(60.0);
    const QPointF tip(ring.center().x() + ring.width() / 2 * qCos(a),
                      ring.center().y() - ring.height() / 2 * qSin(a));
    const qreal s = b.width() * 0.26;
    QPainterPath head;
    head.moveTo(tip + QPointF(s * 0.55, -s * 0.45));
    head.lineTo(tip + QPointF(s * 0.35, s * 0.75));
    head.lineTo(tip + QPointF(-s * 0.75, -s * 0.05));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

void uploadGlyph(QPainter& p, const QRectF& b, const QColor& color) {
    const qreal pen = qMax<qreal>(1.6, b.width() / 10);
    p.setPen(QPen(color, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal x = b.center().x();
    p.drawLine(QPointF(x, b.top() + pen), QPointF(x, b.top() + b.height() * 0.68));
    p.drawLine(QPointF(x, b.top() + pen),
               QPointF(x - b.width() * 0.25, b.top() + b.height() * 0.3));
    p.drawLine(QPointF(x, b.top() + pen),
               QPointF(x + b.width() * 0.25, b.top() + b.height() * 0.3));
    QPainterPath tray;
    tray.moveTo(b.left() + pen, b.top() + b.height() * 0.62);
    tray.lineTo(b.left() + pen, b.bottom() - pen);
    tray.lineTo(b.right() - pen, b.bottom() - pen);
    tray.lineTo(b.right() - pen, b.top() + b.height() * 0.62);
    p.drawPath(tray);
}

} // namespace

void paintGlyph(QPainter& p, Glyph glyph, const QRectF& box, const QColor& color) {
    p.save();
    switch (glyph) {
    case Glyph::Battery:
        batteryGlyph(p, box, color);
        break;
    case Glyph::Warning:
        warningGlyph(p, box, color);
        break;
    case Glyph::Info:
        infoGlyph(p, box, color);
        break;
    case Glyph::Balance:
        balanceGlyph(p, box, color);
        break;
    case Glyph::Refresh:
        refreshGlyph(p, box, color);
        break;
    case Glyph::Upload:
        uploadGlyph(p, box, color);
        break;
    case Glyph::None:
        break;
    }
    p.restore();
}

QImage iconButton(const QSize& size, Glyph glyph, bool pressed) {
    QImage img = canvas(size, true);
    QPainter p(&img);
    begin(p);
    QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -3);
    if (pressed)
        r.translate(0, 1);
    const qreal radius = qMin<qreal>(9, r.height() / 3);
    blueSurface(p, r, radius, pressed, 8);
    const qreal side = r.height() * 0.62;
    const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    paintGlyph(p, glyph, box.translated(0, 1), QColor(10, 30, 80, 90));
    paintGlyph(p, glyph, box, Qt::white);
    return img;
}

QImage batteryButton(const QSize& size, const QString& caption) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -2);
    const qreal radius = 5;
    dropShadow(p, r, radius);
    const QPainterPath path = rounded(r, radius);
    fillVertical(p, path, QColor(250, 252, 255), QColor(219, 230, 250));
    stroke(p, path, theme(), 1.2);
    const qreal glyphW = r.height() * 0.62;
    const QRectF glyph(r.left() + 5, r.center().y() - glyphW / 2, glyphW, glyphW);
    paintGlyph(p, Glyph::Battery, glyph, theme());
    const QRectF textBox(glyph.right() + 3, r.top(), r.right() - glyph.right() - 6, r.height());
    drawFitted(p, textBox, fit(caption, textBox.size(), 12, 8, true, false), themeDark());
    return img;
}

QImage tag(const QSize& size, Glyph glyph, const QString& caption, bool opaque) {
    QImage img = canvas(size, opaque);
    QPainter p(&img);
    begin(p);
    const qreal badge = qMin<qreal>(size.height() - 14, 32);
    const QRectF badgeRect(3, (size.height() - badge) / 2, badge, badge);
    const QPainterPath badgePath = rounded(badgeRect, badge / 4);
    fillVertical(p, badgePath, QColor(104, 146, 236), QColor(56, 98, 200));
    paintGlyph(p, glyph, badgeRect.adjusted(badge * 0.2, badge * 0.2, -badge * 0.2, -badge * 0.2),
               Qt::white);
    const QRectF textBox(badgeRect.right() + 8, 2, size.width() - badgeRect.right() - 11,
                         size.height() - 4);
    const Fitted text = fit(caption, textBox.size(), 18, 10);
    p.setFont(text.font);
    p.setPen(themeDark());
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, text.text);
    return img;
}

QImage sideTab(const QSize& size, const QString& caption, bool opaque) {
    QImage img = canvas(size, opaque);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 1, -2, -1);
    const QPainterPath path = rounded(r, 7);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(104, 146, 236));
    g.setColorAt(1, QColor(58, 100, 204));
    p.fillPath(path, g);
    stroke(p, path, QColor(46, 84, 178), 1);
    // Read from bottom to top.
    p.translate(r.center());
    p.rotate(-90);
    const QRectF box(-r.height() / 2 + 5, -r.width() / 2 + 2, r.height() - 10, r.width() - 4);
    drawFitted(p, box, fitLine(caption, box.size(), 15, 8, 11), Qt::white, QColor(10, 30, 80, 110));
    return img;
}

QImage led(const QSize& size, bool on) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.18), r.width() * 0.7);
    if (on) {
        g.setColorAt(0, QColor(190, 255, 180));
        g.setColorAt(0.45, QColor(64, 200, 80));
        g.setColorAt(1, QColor(22, 120, 44));
    } else {
        g.setColorAt(0, QColor(245, 246, 248));
        g.setColorAt(0.5, QColor(190, 195, 202));
        g.setColorAt(1, QColor(130, 136, 146));
    }
    p.setPen(QPen(on ? QColor(18, 100, 36) : QColor(110, 116, 126), 1));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.14, r.width() * 0.34,
                         r.height() * 0.24));
    return img;
}

QImage switchIndicator(const QSize& size, bool on, const QString& word) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const qreal radius = r.height() / 2;
    const QPainterPath track = rounded(r, radius);
    if (on)
        fillVertical(p, track, QColor(96, 206, 116), QColor(40, 150, 66));
    else
        fillVertical(p, track, QColor(206, 211, 218), QColor(166, 173, 184));
    innerShadow(p, track, 5, 50);
    stroke(p, track, on ? QColor(30, 120, 52) : QColor(132, 139, 150), 1);

    const qreal knob = r.height() - 4;
    const QRectF knobRect(on ? r.right() - knob - 2 : r.left() + 2, r.top() + 2, knob, knob);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(knobRect.translated(0, 1));
    QRadialGradient kg(knobRect.center() - QPointF(0, knob * 0.2), knob * 0.7);
    kg.setColorAt(0, Qt::white);
    kg.setColorAt(1, QColor(226, 230, 236));
    p.setBrush(kg);
    p.drawEllipse(knobRect);

    const QRectF textBox =
        on ? QRectF(r.left() + 4, r.top(), knobRect.left() - r.left() - 6, r.height())
           : QRectF(knobRect.right() + 2, r.top(), r.right() - knobRect.right() - 5, r.height());
    drawFitted(p, textBox, fitLine(word, textBox.size(), 11, 7, 9),
               on ? Qt::white : QColor(74, 80, 92));
    return img;
}

QImage alarmBadge(const QSize& size) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const QPainterPath badge = rounded(r, r.width() / 4);
    fillVertical(p, badge, QColor(236, 84, 78), QColor(190, 30, 30));
    stroke(p, badge, QColor(150, 20, 20), 1);
    paintGlyph(
        p, Glyph::Warning,
        r.adjusted(r.width() * 0.16, r.height() * 0.14, -r.width() * 0.16, -r.height() * 0.18),
        Qt::white);
    return img;
}

QImage batteryMark(const QSize& size, bool alarm, bool shown) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    // Laid over the battery button's own picture: the same outline, drawn heavier.
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.2, 1.2, -1.2, -2.2);
    const qreal radius = 5;
    if (alarm) {
        p.fillPath(rounded(r, radius), QColor(220, 40, 40, 38));
        stroke(p, rounded(r, radius), QColor(204, 38, 38), 2.4);
    }
    if (shown) {
        const QRectF inner = alarm ? r.adjusted(2.2, 2.2, -2.2, -2.2) : r;
        stroke(p, rounded(inner, alarm ? radius - 2 : radius), themeDark(), alarm ? 1.8 : 2.6);
    }
    return img;
}

} // namespace kit
