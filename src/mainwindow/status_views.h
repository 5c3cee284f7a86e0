#pragma once
// The status page as the replies fill it: the group view, the detail view and the sixteen
// battery tiles, with what the replies tell about the unit (how many batteries are present,
// its device name) and the battery whose detail is shown. Each parser takes a reply's
// meaning from src/protocol/ and applies it; the commands around them are the window's.

#include <QString>

#include <functional>

class QObject;
namespace Ui {
class BMSMainWin;
}

class StatusViews {
public:
    // `currentCommand` names the awaited command in the diagnostic log.
    StatusViews(Ui::BMSMainWin* ui, std::function<QString()> currentCommand);
    StatusViews(const StatusViews&) = delete;
    StatusViews& operator=(const StatusViews&) = delete;

    // Numbers the tiles and lets a click on one choose its battery as its button does.
    void initTiles();
    void setScale(double widthRate, double heightRate);
    // After a Logout: nothing of the unit is known or shown any more.
    void reset();

    void PwrSysParse(const QString& reply);
    void PwrTableParse(const QString& reply, int presentNum);
    void BalanceParse(const QString& reply, int presentNum);
    void CtrlParse(const QString& reply);
    void InfoParse(const QString& reply);
    void BatParse(const QString& reply, int cellNum);
    // `batteryNumber`: the battery whose "pwr" this answers.
    void PwrBatParse(const QString& reply, int batteryNumber);
    void resetCellSummary();

    // The battery chosen: marked at once, its detail follows.
    void showBattery(int batteryNumber);
    // The number of batteries "Present Num" reported; 0 before.
    int presentNum() const { return m_presentNum; }
    // The unit's device name from "info"; empty before.
    const QString& deviceName() const { return m_deviceName; }

private:
    // Tiles and buttons: present, in alarm, the battery whose detail is shown.
    void markBatteries();

    Ui::BMSMainWin* ui;
    std::function<QString()> m_currentCommand;
    int m_presentNum = 0;
    int m_lastPresentNum = 0;
    QString m_deviceName;
    int m_shownBatNum = 0; // the battery whose detail the info view shows; 0: none
};
