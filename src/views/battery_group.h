#pragma once
// The status page's picture of the whole battery system: one button per battery present,
// system state and totals, the charge and discharge switch indicators, the alarm text and
// the sixteen balance indicators. The status parsers fill it through the setters and then
// call one of the refresh operations; a battery button click is reported with
// GroupBattBtnClick so that the main window can open that battery.

#include "protocol/system_status.h"
#include "protocol/unit_control.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace Ui {
class BatteryGroup;
}

// One line of the unit's "pwr" table, as the system status parser reads it.
using BatteryStatusRow = BatStatusRow;

class BatteryGroup : public QWidget {
    Q_OBJECT

public:
    explicit BatteryGroup(QWidget* parent = nullptr);
    ~BatteryGroup() override;

    // Each setter only stores; the refresh operations redraw.
    void setSysState(const QString& state) { m_sysState = state; }
    void setPresentNum(int presentNum) { m_presentNum = presentNum; }
    void setTotalVolt(double volt) { m_totalVolt = volt; }
    void setTotalCurr(double curr) { m_totalCurr = curr; }
    void setTotalSoc(int soc) { m_totalSoc = soc; }
    void setTotalSoh(int soh) { m_totalSoh = soh; }
    // The caption of a switch indicator changes at once; its state waits for refreshSysData.
    // The caption is given in English ("CMOS State ", "Prechg Relay ", "DMOS State ",
    // "Main Relay ") and shown translated, again after every language change.
    void setCmos(const QString& caption, const QString& state);
    void setDmos(const QString& caption, const QString& state);
    void setBatInfoList(const QList<BatteryStatusRow>& rows) { m_batInfoList = rows; }
    void setBalanceList(const QStringList& balance) { m_balanceList = balance; }

    int presentNum() const { return m_presentNum; }
    QString sysState() const { return m_sysState; }
    double totalVolt() const { return m_totalVolt; }
    double totalCurr() const { return m_totalCurr; }
    int totalSoc() const { return m_totalSoc; }
    int totalSoh() const { return m_totalSoh; }
    QList<BatteryStatusRow> batInfoList() const { return m_batInfoList; }
    QStringList balanceList() const { return m_balanceList; }
    QList<QPushButton*> batButtons() const { return m_batButtons; }

    void refreshSysData();
    void refreshAlarmText();
    void refreshBalance();
    void clearBatButtons();
    void createBatButtons();
    void setScale(double horizontalScale, double verticalScale);
    void setLanguage(const QString& suffix);
    void retranslate();
    void resetGroup();

    // The battery whose detail is shown (0: none) is marked on its button.
    void setShownBattery(int batNum);
    int shownBattery() const { return m_shownBattery; }
    // Battery numbers the alarm text names; their buttons are marked.
    QVector<int> alarmedBatteries() const { return m_alarmed; }
    // The alarm text is not empty and drawn in the alarm style.
    bool alarmShown() const;
    // Values no longer live: greyed and captioned with this text; empty: live.
    void setStaleCaption(const QString& caption);
    QString staleCaption() const;
    bool isGreyed() const;

    // Position of battery button index (0-based) inside GroupBattBtnWid: batteries 1-8 in
    // the left column, 9-16 in the right one.
    QPoint batButtonPos(int index) const;
    // Every battery button's size: its scaled picture size, or more when the caption in the
    // button's font needs it.
    QSize batButtonSize() const;
    QFont batButtonFont() const;
    static QString batButtonCaption(int batNum);

signals:
    // active: a second click within 800 ms of the first (the main window refuses it).
    void GroupBattBtnClick(bool active, int BatNum);
    // A switch or self-test button beside the switch indicators was pressed; the main
    // window asks for confirmation and sends the command.
    void ControlRequested(UnitControl control);

public slots:
    void BtnBatClicked();
    // The same choice made elsewhere (a tile on the status page): refused like a click on the
    // battery's button would be, that is when the button does not exist or the view is
    // disabled, and under the same cooldown.
    void selectBattery(int batNum);

private:
    // Starts the cooldown; true when it was running already (the click comes too soon).
    bool startCooldown();
    void emitChoice(int number);
    QRadioButton* balanceIndicator(int index) const;
    QString batButtonStyle(int batNum) const;
    int buttonLeftMargin() const;
    // Sizes, captions and places the buttons and reserves room for sixteen.
    void placeBatButtons();
    void restyleButtons();
    void showAlarmLook(bool active);
    QString mosStyle() const;
    void applyMosStyle();
    void showSwitchCaptions();
    QSize scaled(int width, int height) const;
    // Sizes the scale bands leave open shrink in proportion to the window.
    void scaleFreeSizes();
    void showCaptions();
    void connectControls();
    // The switch and self-test buttons work only while the view shows a unit's status.
    void enableControls(bool enabled);

    QList<BatteryStatusRow> m_batInfoList;
    QStringList m_balanceList;
    Ui::BatteryGroup* ui;
    int m_presentNum = 0;
    double m_horizontalScale = 1.0;
    double m_verticalScale = 1.0;
    QString m_sysState;
    QString m_cmosState = "OFF";
    QString m_dmosState = "OFF";
    QString m_cmosCaption = QStringLiteral("CMOS State "); // English, see setCmos
    QString m_dmosCaption = QStringLiteral("DMOS State ");
    double m_totalVolt = 0.0; // V
    double m_totalCurr = 0.0; // A
    int m_totalSoc = 0;       // %
    int m_totalSoh = 0;       // %
    QList<QPushButton*> m_batButtons;
    QTimer* m_clickTimer = nullptr;
    QString m_langSuffix;
    bool m_showsData = false; // the labels show values, not bare captions
    QVector<int> m_alarmed;
    int m_shownBattery = 0;
    QLabel* m_staleCaption = nullptr;
};
