#pragma once
// The status page's picture of one battery: identity and versions, power data, and its
// cells as a chart of cell voltage and temperature or, at the press of ChangeBtn, as a
// table. The detail parsers fill it through the setters and then call refreshInfo,
// refreshPwr or refreshCells.

#include "protocol/battery_detail.h"

#include <QList>
#include <QPair>
#include <QPointF>
#include <QString>
#include <QWidget>

class QLabel;
class QStandardItemModel;
namespace QtCharts {
class QChart;
class QValueAxis;
} // namespace QtCharts

namespace Ui {
class BatteryInfo;
}

// Lowest and highest value of the temperature axis for the given cell temperatures: the
// integer parts of the extremes widened by 2 degrees; the upper end never below 2.
QPair<double, double> cellTempAxisRange(const QList<double>& temperatures);

class BatteryInfo : public QWidget {
    Q_OBJECT

public:
    explicit BatteryInfo(QWidget* parent = nullptr);
    ~BatteryInfo() override;

    // Identity ("info N"). Each setter only stores; the refresh operations redraw.
    void setDevAdd(const QString& v) { m_devAdd = v; }
    void setBootVer(const QString& v) { m_bootVer = v; }
    void setCommVer(const QString& v) { m_commVer = v; }
    void setMainSoftVer(const QString& v) { m_mainSoftVer = v; }
    void setBarcode(const QString& v) { m_barcode = v; }
    void setPackRating(const QString& v) { m_packRating = v; }
    void setMaxChargeCurr(const QString& v) { m_maxChargeCurr = v; }
    void setReleaseDate(const QString& v) { m_releaseDate = v; }
    void setCellNum(int v) { m_cellNum = v; }
    // Cells ("bat N").
    void setCells(const QList<CellRecord>& cells) { m_cells = cells; }
    void setMaxCellVolt(double v) { m_maxCellVolt = v; }
    void setMinCellVolt(double v) { m_minCellVolt = v; }
    void setMaxVolCell(int v) { m_maxVolCell = v; }
    void setMinVolCell(int v) { m_minVolCell = v; }
    // Power ("pwr N").
    void setTemperature(double v) { m_temperature = v; }
    void setCurrent(double v) { m_current = v; }
    void setCapacity(double v) { m_capacity = v; }
    void setSoc(int v) { m_soc = v; }
    void setSoh(double v) { m_soh = v; }
    void setBasicStatus(const QString& v) { m_basicStatus = v; }
    void setSysFault(const QString& v) { m_sysFault = v; }
    // Battery status row fields ("pwr").
    void setVoltState(const QString& v) { m_voltState = v; }
    void setCurrState(const QString& v) { m_currState = v; }
    void setTempState(const QString& v) { m_tempState = v; }
    void setCellVolState(const QString& v) { m_cellVolState = v; }
    void setCellTempState(const QString& v) { m_cellTempState = v; }
    void setAlarmTime(const QString& v) { m_alarmTime = v; }

    QString devAdd() const { return m_devAdd; }
    QString barcode() const { return m_barcode; }
    int cellNum() const { return m_cellNum; }
    QList<CellRecord> cells() const { return m_cells; }
    int soc() const { return m_soc; }
    QString basicStatus() const { return m_basicStatus; }
    QString voltState() const { return m_voltState; }
    QString currState() const { return m_currState; }
    QString tempState() const { return m_tempState; }
    QString cellVolState() const { return m_cellVolState; }
    QString cellTempState() const { return m_cellTempState; }
    QString alarmTime() const { return m_alarmTime; }

    void refreshInfo();
    void refreshPwr();
    void refreshCells();
    void clearCells();
    // The battery shown; the no-data marker blanks the number.
    void setBatNum(int batNum);
    void resetInfo();
    void setScale(double horizontalScale, double verticalScale);
    void setLanguage(const QString& suffix);
    void retranslate();

    // No battery's detail is shown: a notice that asks for one takes the place of the
    // captions and the chart.
    void setNoneChosen(bool none);
    bool isNoneChosen() const { return m_noneChosen; }
    QString choiceNotice() const;

    // The shown battery's temperature is in alarm: the temperature in the alarm style.
    void setTempAlarm(bool alarm);
    bool tempAlarm() const { return m_tempAlarm; }
    // Values no longer live: greyed and captioned with this text; empty: live.
    void setStaleCaption(const QString& caption);
    QString staleCaption() const;
    bool isGreyed() const;

    QtCharts::QChart* cellChart() const { return m_chart; }
    QtCharts::QValueAxis* cellAxis() const { return m_cellAxis; }
    QtCharts::QValueAxis* voltAxis() const { return m_voltAxis; }
    QtCharts::QValueAxis* tempAxis() const { return m_tempAxis; }
    QStandardItemModel* cellModel() const { return m_cellModel; }
    bool isTableShown() const { return m_tableShown; }

signals:
    // A barcode the user entered for a battery whose barcode was missing.
    void MissBarcode(QString barcode);

private slots:
    void ChangeBtn_clicked();
    void AddBarBtn_clicked();

private:
    void setupChart();
    void setupTable();
    void rebuildPoints();
    void rebuildChart();
    void rebuildTable();
    void setChartFonts(int title, int legend, int axisTitle, int axisLabel);
    void applyFontBand();
    // Picture buttons and headings shrink in proportion to the window.
    void scalePictures();
    void showCaptions();

    Ui::BatteryInfo* ui;
    QString m_devAdd;
    QString m_bootVer;
    QString m_commVer;
    QString m_mainSoftVer;
    QString m_barcode;
    QString m_packRating;
    QString m_maxChargeCurr;
    QString m_releaseDate;
    int m_cellNum = 0;
    QList<CellRecord> m_cells;
    double m_maxCellVolt = 0.0; // V
    double m_minCellVolt = 0.0; // V
    int m_maxVolCell = 0;       // counted from 0
    int m_minVolCell = 0;
    double m_temperature = 0.0; // degrees Celsius
    double m_current = 0.0;     // A
    double m_capacity = 0.0;    // AH
    int m_soc = 0;              // %
    double m_soh = 0.0;         // %
    QString m_basicStatus;
    QString m_sysFault;
    QString m_voltState;
    QString m_currState;
    QString m_tempState;
    QString m_cellVolState;
    QString m_cellTempState;
    QString m_alarmTime;
    QList<QPair<QPointF, QString>> m_voltPoints;
    QList<QPair<QPointF, QString>> m_tempPoints;
    QtCharts::QChart* m_chart = nullptr;
    QtCharts::QValueAxis* m_cellAxis = nullptr;
    QtCharts::QValueAxis* m_tempAxis = nullptr;
    QtCharts::QValueAxis* m_voltAxis = nullptr;
    QStandardItemModel* m_cellModel = nullptr;
    bool m_tableShown = false;
    double m_horizontalScale = 1.0;
    double m_verticalScale = 1.0;
    QString m_langSuffix;
    bool m_showsInfo = false; // the identity labels show values, not bare captions
    bool m_showsPwr = false;  // the power labels show values
    bool m_tempAlarm = false;
    QLabel* m_staleCaption = nullptr;
    QLabel* m_choiceNotice = nullptr;
    bool m_noneChosen = false;
};
