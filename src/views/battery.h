#pragma once
// Placeholder: the real widget replaces this file.
#include <QWidget>

class Battery : public QWidget {
    Q_OBJECT
public:
    explicit Battery(QWidget* parent = nullptr) : QWidget(parent) {}
};
