// The pictures that are drawings rather than controls: the battery rack of the group view,
// the battery module of the info view, the logo and the upgrade page's explanation.

#include "drawing.h"
#include "painter_kit.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace kit {

using namespace detail;

namespace {

void caption(QPainter& p, const QRectF& box, const QString& text) {
    drawFitted(p, box, fit(text, box.size(), 15, 9), themeDark());
}

// One module in the rack: a light front with a status LED, a theme stripe and a handle.
void rackModule(QPainter& p, const QRectF& r, bool ledOn) {
    const QPainterPath front = rounded(r, 2);
    fillVertical(p, front, QColor(236, 239, 244), QColor(196, 203, 214));
    stroke(p, front, QColor(120, 128, 140), 0.8);
    const qreal d = r.height() * 0.36;
    p.setPen(Qt::NoPen);
    p.setBrush(ledOn ? QColor(60, 200, 80) : QColor(250, 176, 60));
    p.drawEllipse(QRectF(r.left() + 6, r.center().y() - d / 2, d, d));
    p.fillRect(QRectF(r.left() + 6 + d + 6, r.center().y() - 1.5, r.width() * 0.42, 3), theme());
    p.setPen(QPen(QColor(100, 108, 120), 1.4));
    p.drawLine(QPointF(r.right() - 14, r.top() + 4), QPointF(r.right() - 14, r.bottom() - 4));
    p.drawLine(QPointF(r.right() - 9, r.top() + 4), QPointF(r.right() - 9, r.bottom() - 4));
}

void textDocument(QPainter& p, const QRectF& box, const QString& html, const QFont& font) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setTextWidth(box.width());
    doc.setHtml(html);
    p.save();
    p.translate(box.topLeft());
    doc.drawContents(&p, QRectF(QPointF(0, 0), box.size()));
    p.restore();
}

qreal textDocumentHeight(const QString& html, const QFont& font, qreal width) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setTextWidth(width);
    doc.setHtml(html);
    return doc.size().height();
}

// No line break between a word and a following ".bin", or before "!" / "?" / ":".
QString keepTogether(QString text) {
    const QChar nbsp(0x00A0);
    for (const char* tail : {" .bin", " !", " ?", " :"})
        text.replace(QLatin1String(tail), QString(nbsp) + QLatin1String(tail + 1));
    return text;
}

} // namespace

QImage rackPicture(const QSize& size, const QString& text) {
    QImage img = canvas(size, true);
    QPainter p(&img);
    begin(p);
    const qreal captionH = 30;
    const qreal rackH = size.height() - captionH - 8;
    const qreal rackW = rackH * 0.8;
    const QRectF rack((size.width() - rackW) / 2, 4, rackW, rackH);
    p.fillPath(rounded(rack.translated(2, 3), 6), QColor(0, 0, 0, 40));
    const QPainterPath body = rounded(rack, 6);
    fillVertical(p, body, QColor(82, 90, 106), QColor(46, 52, 64));
    stroke(p, body, QColor(30, 34, 42), 1);
    // Top panel with the theme accent.
    p.fillRect(QRectF(rack.left() + 6, rack.top() + 6, rack.width() - 12, 4), theme());
    const int modules = 6;
    const qreal top = rack.top() + 14;
    const qreal pitch = (rack.height() - 22) / modules;
    for (int i = 0; i < modules; ++i) {
        const QRectF m(rack.left() + 7, top + i * pitch, rack.width() - 14, pitch - 3);
        rackModule(p, m, i != 4);
    }
    caption(p, QRectF(2, size.height() - captionH - 2, size.width() - 4, captionH), text);
    return img;
}

QImage modulePicture(const QSize& size, const QString& text) {
    QImage img = canvas(size);
    QPainter p(&img);
    begin(p);
    const qreal captionH = 24;
    const QRectF body(size.width() * 0.18, 12, size.width() * 0.64, size.height() - captionH - 16);
    // Terminals: positive red, negative dark.
    const qreal tw = body.width() * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 60, 60));
    p.drawRoundedRect(QRectF(body.left() + body.width() * 0.16, body.top() - 6, tw, 8), 2, 2);
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(QRectF(body.right() - body.width() * 0.16 - tw, body.top() - 6, tw, 8), 2, 2);
    p.fillPath(rounded(body.translated(2, 3), 6), QColor(0, 0, 0, 40));
    const QPainterPath shell = rounded(body, 6);
    fillVertical(p, shell, QColor(112, 152, 238), QColor(50, 90, 190));
    stroke(p, shell, QColor(36, 68, 150), 1.2);
    // Charge level: four cells, three lit.
    const QRectF gauge = body.adjusted(body.width() * 0.14, body.height() * 0.36,
                                       -body.width() * 0.14, -body.height() * 0.22);
    const qreal cell = gauge.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF c(gauge.left() + i * cell + 1.5, gauge.top(), cell - 3, gauge.height());
        p.setBrush(i < 3 ? QColor(120, 230, 130) : QColor(255, 255, 255, 70));
        p.drawRoundedRect(c, 2, 2);
    }
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(
        QRectF(body.left() + 4, body.top() + 4, body.width() - 8, body.height() * 0.2), 3, 3);
    caption(p, QRectF(2, size.height() - captionH - 1, size.width() - 4, captionH), text);
    return img;
}

QImage logo(const QSize& size) {
    QImage img = canvas(size, true);
    QPainter p(&img);
    begin(p);
    const qreal mark = size.height() - 16;
    const QRectF badge(10, 8, mark, mark);
    const QPainterPath badgePath = rounded(badge, mark / 5);
    fillVertical(p, badgePath, QColor(110, 151, 238), QColor(40, 78, 170));
    paintGlyph(p, Glyph::Battery,
               badge.adjusted(mark * 0.16, mark * 0.2, -mark * 0.16, -mark * 0.2), Qt::white);
    // A bolt across the battery.
    QPainterPath bolt;
    const QPointF c = badge.center();
    const qreal s = mark / 100.0;
    bolt.moveTo(c + QPointF(6 * s, -30 * s));
    bolt.lineTo(c + QPointF(-14 * s, 4 * s));
    bolt.lineTo(c + QPointF(-1 * s, 4 * s));
    bolt.lineTo(c + QPointF(-6 * s, 30 * s));
    bolt.lineTo(c + QPointF(14 * s, -6 * s));
    bolt.lineTo(c + QPointF(1 * s, -6 * s));
    bolt.closeSubpath();
    p.setPen(QPen(QColor(40, 78, 170), 2.5 * s * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 214, 64));
    p.drawPath(bolt);

    const qreal x = badge.right() + 14;
    QFont word = captionFont(qRound(size.height() * 0.42));
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(word);
    p.setPen(themeDark());
    p.drawText(QRectF(x, 6, size.width() - x - 6, size.height() * 0.56),
               Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("NORVANE"));
    const QRectF taglineBox(x + 2, size.height() * 0.62, size.width() - x - 8, size.height() * 0.3);
    const Fitted tagline = fit(QStringLiteral("BATTERY STORAGE SYSTEMS"), taglineBox.size(),
                               qRound(size.height() * 0.16), 8, false, false);
    p.setFont(tagline.font);
    p.setPen(QColor(104, 112, 126));
    p.drawText(taglineBox, Qt::AlignLeft | Qt::AlignTop, tagline.text);
    return img;
}

QImage upgradePanel(const QSize& size, const captions::UpgradeNote& note) {
    QImage img = canvas(size, true);
    QPainter p(&img);
    begin(p);
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    const QPainterPath framePath = rounded(frame, 12);
    p.fillPath(framePath, QColor(248, 250, 255));

    // Title band.
    const qreal bandH = 62;
    p.save();
    p.setClipPath(framePath);
    QLinearGradient band(0, 0, 0, bandH);
    band.setColorAt(0, QColor(104, 146, 236));
    band.setColorAt(1, QColor(52, 94, 198));
    p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), bandH), band);
    p.restore();
    stroke(p, framePath, theme(), 2);
    paintGlyph(p, Glyph::Upload, QRectF(22, 15, 32, 32), Qt::white);
    const QRectF titleBox(68, 4, frame.width() - 84, bandH - 8);
    const Fitted title = fit(note.title, titleBox.size(), 26, 16, true, false);
    p.setFont(title.font);
    p.setPen(Qt::white);
    p.drawText(titleBox, Qt::AlignVCenter | Qt::AlignLeft, title.text);

    // Steps, each with a numbered disc.
    const QFont body = captionFont(16, false);
    const qreal textLeft = 64;
    const qreal textW = frame.right() - textLeft - 22;
    qreal y = bandH + 20;
    for (int i = 0; i < note.steps.size(); ++i) {
        const captions::Step& step = note.steps.at(i);
        const QRectF disc(24, y - 1, 24, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(theme());
        p.drawEllipse(disc);
        p.setFont(captionFont(14));
        p.setPen(Qt::white);
        p.drawText(disc, Qt::AlignCenter, QString::number(i + 1));
        QString html = QStringLiteral("<span style=\"color:#2a3244\">%1</span>")
                           .arg(keepTogether(step.text).toHtmlEscaped());
        if (!step.keyword.isEmpty())
            html = QStringLiteral("<b style=\"color:#284eaa\">%1</b> &ndash; ")
                       .arg(step.keyword.toHtmlEscaped()) +
                   html;
        textDocument(p, QRectF(textLeft, y + 1, textW, 60), html, body);
        y += qMax<qreal>(28, textDocumentHeight(html, body, textW)) + 16;
    }

    // Warning at the foot.
    const qreal footH = 44;
    const QRectF foot(frame.left() + 16, frame.bottom() - footH - 12, frame.width() - 32, footH);
    const QPainterPath footPath = rounded(foot, 8);
    p.fillPath(footPath, QColor(253, 236, 234));
    stroke(p, footPath, QColor(226, 120, 110), 1);
    paintGlyph(p, Glyph::Warning, QRectF(foot.left() + 12, foot.top() + 9, 26, 26),
               QColor(200, 40, 40));
    const QRectF warnBox(foot.left() + 48, foot.top() + 2, foot.width() - 58, foot.height() - 4);
    const Fitted warn = fit(note.warning, warnBox.size(), 16, 11);
    p.setFont(warn.font);
    p.setPen(QColor(190, 30, 30));
    p.drawText(warnBox, Qt::AlignVCenter | Qt::AlignLeft, warn.text);
    return img;
}

} // namespace kit
