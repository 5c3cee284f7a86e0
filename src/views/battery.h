#pragma once
// A self-painted horizontal battery: outline, a fill bar showing a percentage, a terminal cap
// on the right and the number in the middle. The fill walks towards a new value one step per
// 50 ms tick and turns to the alarm colours at or below the alarm value.

#include <QColor>
#include <QPair>
#include <QRectF>
#include <QWidget>

class QMouseEvent;
class QTimer;

// One animation tick: the shown value moved by one step towards the target.
struct GaugeStep {
    double shown;
    bool done; // the target is reached; the animation stops
};
// Pure step rule of the gauge: moves down when decreasing, up otherwise, and never past
// the target. A step that is not positive jumps straight to the target.
GaugeStep gaugeStep(double shown, double target, double step, bool decreasing);

class Battery : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(double alarmValue READ alarmValue WRITE setAlarmValue)
    Q_PROPERTY(double step READ step WRITE setStep)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(int borderRadius READ borderRadius WRITE setBorderRadius)
    Q_PROPERTY(int bgRadius READ bgRadius WRITE setBgRadius)
    Q_PROPERTY(int headRadius READ headRadius WRITE setHeadRadius)
    Q_PROPERTY(QColor borderColorStart READ borderColorStart WRITE setBorderColorStart)
    Q_PROPERTY(QColor borderColorEnd READ borderColorEnd WRITE setBorderColorEnd)
    Q_PROPERTY(QColor alarmColorStart READ alarmColorStart WRITE setAlarmColorStart)
    Q_PROPERTY(QColor alarmColorEnd READ alarmColorEnd WRITE setAlarmColorEnd)
    Q_PROPERTY(QColor normalColorStart READ normalColorStart WRITE setNormalColorStart)
    Q_PROPERTY(QColor normalColorEnd READ normalColorEnd WRITE setNormalColorEnd)

public:
    explicit Battery(QWidget* parent = nullptr);
    ~Battery() override;

    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    double value() const { return m_value; }
    double alarmValue() const { return m_alarmValue; }
    double step() const { return m_step; }
    int borderWidth() const { return m_borderWidth; }
    int borderRadius() const { return m_borderRadius; }
    int bgRadius() const { return m_bgRadius; }
    int headRadius() const { return m_headRadius; }
    QColor borderColorStart() const { return m_borderColorStart; }
    QColor borderColorEnd() const { return m_borderColorEnd; }
    QColor alarmColorStart() const { return m_alarmColorStart; }
    QColor alarmColorEnd() const { return m_alarmColorEnd; }
    QColor normalColorStart() const { return m_normalColorStart; }
    QColor normalColorEnd() const { return m_normalColorEnd; }

    // The tile's states on the status page, drawn on top of the gauge: its position number
    // (0: none drawn), a battery not present ("—", no fill), a battery in alarm (red outline
    // and a warning sign), the battery whose detail is shown (tinted, heavier outline) and
    // values that are no longer live (grey).
    void setNumber(int number);
    void setPresent(bool present);
    void setAlarm(bool alarm);
    void setDetailShown(bool shown);
    void setStale(bool stale);
    // The unit printed the value unreadable: "—" and no fill until a value is read again.
    void setReadable(bool readable);
    bool isReadable() const { return m_readable; }
    int number() const { return m_number; }
    bool isPresent() const { return m_present; }
    bool isAlarm() const { return m_alarm; }
    bool isDetailShown() const { return m_detailShown; }
    bool isStale() const { return m_stale; }
    // The outline's colour after the states.
    QColor outlineColor() const;
    // The centre text: the shown value with "%", or "—" for a battery not present or a value
    // not readable.
    QString centreText() const;

    // The value drawn right now (it lags behind value() while animating).
    double shownValue() const { return m_currentValue; }
    bool isAnimating() const;
    // Top and bottom colour of the fill for the shown value.
    QPair<QColor, QColor> fillColors() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(double value);
    // A left click released over the tile; carries its position number.
    void clicked(int number);

public slots:
    void updateValue();
    void setRange(double minValue, double maxValue);
    void setRange(int minValue, int maxValue);
    void setMinValue(double minValue);
    void setMaxValue(double maxValue);
    void setValue(double value);
    void setValue(int value);
    void setAlarmValue(double alarmValue);
    void setAlarmValue(int alarmValue);
    void setStep(double step);
    void setStep(int step);
    void setBorderWidth(int borderWidth);
    void setBorderRadius(int borderRadius);
    void setBgRadius(int bgRadius);
    void setHeadRadius(int headRadius);
    void setBorderColorStart(const QColor& color);
    void setBorderColorEnd(const QColor& color);
    void setAlarmColorStart(const QColor& color);
    void setAlarmColorEnd(const QColor& color);
    void setNormalColorStart(const QColor& color);
    void setNormalColorEnd(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawBorder(QPainter* painter);
    void drawBg(QPainter* painter);
    void drawHead(QPainter* painter);
    void drawText(QPainter* painter);
    void drawNumber(QPainter* painter);
    void drawAlarmSign(QPainter* painter);
    // Stores a property and repaints, only when it changed.
    template <typename T> void setAndUpdate(T& member, const T& value) {
        if (value != member) {
            member = value;
            update();
        }
    }

    double m_minValue = 0.0;
    double m_maxValue = 100.0;
    double m_value = 0.0;
    double m_alarmValue = 30.0;
    double m_step = 1.0;
    int m_borderWidth = 2;
    int m_borderRadius = 5;
    int m_bgRadius = 2;
    int m_headRadius = 1;
    QColor m_borderColorStart{100, 100, 100};
    QColor m_borderColorEnd{80, 80, 80};
    QColor m_alarmColorStart{250, 118, 113};
    QColor m_alarmColorEnd{204, 38, 38};
    QColor m_normalColorStart{50, 205, 51};
    QColor m_normalColorEnd{60, 179, 133};

    int m_number = 0;
    bool m_present = true;
    bool m_alarm = false;
    bool m_detailShown = false;
    bool m_stale = false;
    bool m_readable = true;

    bool m_isForward = false; // true while the shown value decreases
    double m_currentValue = 0.0;
    QRectF m_batteryRect;
    QTimer* m_timer = nullptr;
};
