#pragma once
// Placeholder: the real widget replaces this file.
#include <QWidget>

class BatteryGroup : public QWidget {
    Q_OBJECT
public:
    explicit BatteryGroup(QWidget* parent = nullptr) : QWidget(parent) {}
};
