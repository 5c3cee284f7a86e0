#include "mainwindow/window_geometry.h"

ScreenRates screenRates(int availableWidth, int availableHeight) {
    return {availableWidth / 1920.0, availableHeight / 1080.0};
}

QRect startupWindowGeometry(int availableWidth, int availableHeight) {
    const ScreenRates r = screenRates(availableWidth, availableHeight);
    const int width = int(r.width * 1920.0);
    const int height = int(r.height * 1000.0);
    const int x = (availableWidth - width) / 2 + 5;
    const int y = (availableHeight - height) / 2;
    return QRect(x, y, width, height);
}
