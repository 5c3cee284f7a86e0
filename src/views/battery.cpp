#include "views/battery.h"

#include "views/views_constants.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QtGlobal>

GaugeStep gaugeStep(double shown, double target, double step, bool decreasing) {
    if (!(step > 0.0)) {
        return {target, true};
    }
    if (decreasing) {
        const double next = shown - step;
        return next <= target ? GaugeStep{target, true} : GaugeStep{next, false};
    }
    const double next = shown + step;
    return next >= target ? GaugeStep{target, true} : GaugeStep{next, false};
}

Battery::Battery(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    m_timer->setInterval(views::kGaugeTickMs);
    connect(m_timer, &QTimer::timeout, this, &Battery::updateValue);
}

Battery::~Battery() {
    m_timer->stop();
}

bool Battery::isAnimating() const {
    return m_timer->isActive();
}

QPair<QColor, QColor> Battery::fillColors() const {
    if (m_stale) {
        return {QColor(205, 205, 205), QColor(165, 165, 165)};
    }
    if (m_currentValue <= m_alarmValue) {
        return {m_alarmColorStart, m_alarmColorEnd};
    }
    return {m_normalColorStart, m_normalColorEnd};
}

QSize Battery::sizeHint() const {
    return QSize(150, 80);
}

QSize Battery::minimumSizeHint() const {
    return QSize(30, 10);
}

void Battery::updateValue() {
    const GaugeStep next = gaugeStep(m_currentValue, m_value, m_step, m_isForward);
    m_currentValue = next.shown;
    if (next.done) {
        m_timer->stop();
    }
    update();
}

void Battery::setRange(double minValue, double maxValue) {
    if (!(minValue < maxValue)) {
        return;
    }
    m_minValue = minValue;
    m_maxValue = maxValue;
    if (m_value < minValue) {
        setValue(minValue);
    } else if (m_value > maxValue) {
        setValue(maxValue);
    } else {
        update();
    }
}

void Battery::setRange(int minValue, int maxValue) {
    setRange(static_cast<double>(minValue), static_cast<double>(maxValue));
}

void Battery::setMinValue(double minValue) {
    setRange(minValue, m_maxValue);
}

void Battery::setMaxValue(double maxValue) {
    setRange(m_minValue, maxValue);
}

void Battery::setValue(double value) {
    if (value == m_value) {
        return;
    }
    value = qBound(m_minValue, value, m_maxValue);
    if (value == m_currentValue) {
        // An interrupted animation already shows the new target: nothing to move.
        m_value = value;
        m_timer->stop();
        update();
        return;
    }
    m_isForward = value < m_currentValue;
    m_value = value;
    update();
    emit valueChanged(value);
    m_timer->start();
}

void Battery::setValue(int value) {
    setValue(static_cast<double>(value));
}

void Battery::setAlarmValue(double alarmValue) {
    if (alarmValue != m_alarmValue) {
        m_alarmValue = alarmValue;
        update();
    }
}

void Battery::setAlarmValue(int alarmValue) {
    setAlarmValue(static_cast<double>(alarmValue));
}

void Battery::setStep(double step) {
    if (step != m_step) {
        m_step = step;
        update();
    }
}

void Battery::setStep(int step) {
    setStep(static_cast<double>(step));
}

void Battery::setBorderWidth(int borderWidth) {
    setAndUpdate(m_borderWidth, borderWidth);
}
void Battery::setBorderRadius(int borderRadius) {
    setAndUpdate(m_borderRadius, borderRadius);
}
void Battery::setBgRadius(int bgRadius) {
    setAndUpdate(m_bgRadius, bgRadius);
}
void Battery::setHeadRadius(int headRadius) {
    setAndUpdate(m_headRadius, headRadius);
}

void Battery::setNumber(int number) {
    setAndUpdate(m_number, number);
}
void Battery::setPresent(bool present) {
    setAndUpdate(m_present, present);
}
void Battery::setAlarm(bool alarm) {
    setAndUpdate(m_alarm, alarm);
}
void Battery::setDetailShown(bool shown) {
    setAndUpdate(m_detailShown, shown);
}
void Battery::setStale(bool stale) {
    setAndUpdate(m_stale, stale);
}
void Battery::setReadable(bool readable) {
    setAndUpdate(m_readable, readable);
}

QColor Battery::outlineColor() const {
    if (m_alarm) {
        // Still red when not live, but muted like the rest.
        return m_stale ? QColor(205, 140, 140) : views::alarmColor();
    }
    if (m_stale || !m_present) {
        return views::staleColor();
    }
    return m_borderColorStart;
}

QString Battery::centreText() const {
    if (!m_present || !m_readable) {
        return QStringLiteral("\u2014");
    }
    return QString::number(m_currentValue, 'g', 6) + "%";
}

void Battery::setBorderColorStart(const QColor& color) {
    setAndUpdate(m_borderColorStart, color);
}
void Battery::setBorderColorEnd(const QColor& color) {
    setAndUpdate(m_borderColorEnd, color);
}
void Battery::setAlarmColorStart(const QColor& color) {
    setAndUpdate(m_alarmColorStart, color);
}
void Battery::setAlarmColorEnd(const QColor& color) {
    setAndUpdate(m_alarmColorEnd, color);
}
void Battery::setNormalColorStart(const QColor& color) {
    setAndUpdate(m_normalColorStart, color);
}
void Battery::setNormalColorEnd(const QColor& color) {
    setAndUpdate(m_normalColorEnd, color);
}

void Battery::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked(m_number);
    QWidget::mouseReleaseEvent(event);
}

void Battery::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawBorder(&painter);
    drawBg(&painter);
    drawHead(&painter);
    drawText(&painter);
    drawNumber(&painter);
    drawAlarmSign(&painter);
}

void Battery::drawBorder(QPainter* painter) {
    painter->save();
    const int capWidth = width() / 15;
    m_batteryRect = QRectF(QPointF(m_borderWidth, m_borderWidth),
                           QPointF(width() - capWidth, height() - m_borderWidth));
    const bool heavy = m_alarm || m_detailShown;
    painter->setPen(QPen(outlineColor(), heavy ? m_borderWidth + 1 : m_borderWidth));
    const QColor tint = m_stale ? QColor(232, 232, 232) : views::shownTint();
    painter->setBrush(m_detailShown ? QBrush(tint) : QBrush(Qt::NoBrush));
    painter->drawRoundedRect(m_batteryRect, m_borderRadius, m_borderRadius);
    painter->restore();
}

void Battery::drawBg(QPainter* painter) {
    if (m_value == m_minValue || !m_present || !m_readable) {
        return;
    }
    painter->save();
    const int margin = qMin(width(), height()) / 20;
    const double onePercent = (m_batteryRect.width() - margin * 2) / 100.0;
    // The fill length follows the shown value as a percentage, whatever maxValue is.
    const QPointF topLeft(m_batteryRect.left() + margin, m_batteryRect.top() + margin);
    const QPointF bottomRight(m_currentValue * onePercent + margin + m_borderWidth,
                              m_batteryRect.bottom() - margin);
    const QPair<QColor, QColor> colors = fillColors();
    QLinearGradient gradient(QPointF(0, 0), QPointF(0, height()));
    gradient.setColorAt(0.0, colors.first);
    gradient.setColorAt(1.0, colors.second);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(QRectF(topLeft, bottomRight), m_bgRadius, m_bgRadius);
    painter->restore();
}

void Battery::drawHead(QPainter* painter) {
    painter->save();
    const double left = m_batteryRect.right();
    double right = width() - 11;
    if (right <= left + 1) {
        // A narrow gauge: the cap takes the room right of the outline instead.
        right = width() - 1;
    }
    const QRectF head(QPointF(left, height() / 3), QPointF(right, height() - height() / 3));
    QLinearGradient gradient(head.topLeft(), head.bottomLeft());
    const bool grey = m_stale || !m_present;
    gradient.setColorAt(0.0, grey ? views::staleColor() : m_borderColorStart);
    gradient.setColorAt(1.0, grey ? views::staleColor().darker(115) : m_borderColorEnd);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(head, m_headRadius, m_headRadius);
    painter->restore();
}

void Battery::drawText(QPainter* painter) {
    painter->save();
    painter->setPen(m_stale || !m_present ? QColor(110, 110, 110) : QColor(Qt::black));
    painter->setFont(QFont("Arial", 11));
    painter->drawText(m_batteryRect, Qt::AlignCenter, centreText());
    painter->restore();
}

// The position number on a white chip in the tile's left end, readable over the fill.
void Battery::drawNumber(QPainter* painter) {
    if (m_number <= 0) {
        return;
    }
    painter->save();
    QFont font("Arial", 9);
    font.setBold(true);
    painter->setFont(font);
    const QString text = QString::number(m_number);
    const QFontMetricsF metrics(font);
    const qreal height = qMin(metrics.height() + 2, m_batteryRect.height() - 2 * m_borderWidth);
    const qreal width = qMax(height, metrics.horizontalAdvance(text) + 8);
    const QRectF chip(m_batteryRect.left() + m_borderWidth + 3,
                      m_batteryRect.center().y() - height / 2, width, height);
    const bool grey = m_stale || !m_present;
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 255, 225));
    painter->drawRoundedRect(chip, height / 2, height / 2);
    painter->setPen(grey ? QColor(120, 120, 120) : views::themeColor().darker(150));
    painter->drawText(chip, Qt::AlignCenter, text);
    painter->restore();
}

// A warning sign in the tile's right end.
void Battery::drawAlarmSign(QPainter* painter) {
    if (!m_alarm) {
        return;
    }
    painter->save();
    const qreal side = qMin<qreal>(m_batteryRect.height() * 0.5, 16.0);
    const QRectF box(m_batteryRect.right() - side - m_borderWidth - 4,
                     m_batteryRect.center().y() - side / 2, side, side);
    QPainterPath sign;
    sign.moveTo(box.center().x(), box.top());
    sign.lineTo(box.bottomRight());
    sign.lineTo(box.bottomLeft());
    sign.closeSubpath();
    painter->setPen(Qt::NoPen);
    painter->setBrush(outlineColor());
    painter->drawPath(sign);
    painter->setPen(QPen(Qt::white, qMax<qreal>(1.2, side / 9), Qt::SolidLine, Qt::RoundCap));
    const qreal x = box.center().x();
    painter->drawLine(QPointF(x, box.top() + side * 0.38), QPointF(x, box.top() + side * 0.68));
    painter->drawPoint(QPointF(x, box.top() + side * 0.84));
    painter->restore();
}
