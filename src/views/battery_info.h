#pragma once
// Placeholder: the real widget replaces this file.
#include <QWidget>

class BatteryInfo : public QWidget {
    Q_OBJECT
public:
    explicit BatteryInfo(QWidget* parent = nullptr) : QWidget(parent) {}
};
