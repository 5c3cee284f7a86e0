#include "mainwindow/form_gauges.h"

#include "ui_bms_main_win.h"

Battery* gauge(const Ui::BMSMainWin* ui, int batteryNumber) {
    Battery* const gauges[] = {
        ui->BatteryOne,      ui->BatteryTwo,      ui->BatteryThree,   ui->BatteryFour,
        ui->BatteryFive,     ui->BatterySix,      ui->BatterySeven,   ui->BatteryEight,
        ui->BatteryNine,     ui->BatteryTen,      ui->BatteryEleven,  ui->BatteryTwelve,
        ui->BatteryThirteen, ui->BatteryFourteen, ui->BatteryFifteen, ui->BatterySixteen,
    };
    if (batteryNumber < 1 || batteryNumber > 16)
        return nullptr;
    return gauges[batteryNumber - 1];
}
