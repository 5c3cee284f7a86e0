#include "mainwindow/window_geometry.h"

#include <QScreen>
#include <QWidget>

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

int scaledFontPointSize(double widthRate) {
    if (widthRate <= 0.416667)
        return 7;
    if (widthRate <= 0.6125)
        return 8;
    if (widthRate <= 0.666667)
        return 9;
    if (widthRate <= 0.75)
        return 10;
    return 0;
}

int smallScreenBand(double widthRate) {
    if (widthRate <= 0.416667)
        return 1;
    if (widthRate <= 0.6125)
        return 2;
    return 0;
}

QRect centredOver(const QRect& owner, const QSize& size, const QRect& available) {
    QRect r(QPoint(0, 0), size);
    r.moveCenter(owner.center());
    // Right and bottom first, so that an oversized window ends at the top-left corner.
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r;
}

void placeOver(QWidget* window, const QWidget* owner) {
    const QScreen* screen = owner->screen();
    const QRect available = screen ? screen->availableGeometry() : owner->frameGeometry();
    window->move(
        centredOver(owner->frameGeometry(), window->frameGeometry().size(), available).topLeft());
}
