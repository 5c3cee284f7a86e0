#pragma once
// The status page's sixteen battery tiles by battery number.

class Battery;
namespace Ui {
class BMSMainWin;
}

// The tile of battery 1..16; nullptr outside.
Battery* gauge(const Ui::BMSMainWin* ui, int batteryNumber);
