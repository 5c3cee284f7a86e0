#pragma once
// The window that asks the user to wait while the unit flashes its new firmware.

#include <QWidget>

namespace Ui {
class WaitConfig;
}

class WaitConfig : public QWidget {
    Q_OBJECT
public:
    explicit WaitConfig(QWidget* parent = nullptr);
    ~WaitConfig() override;

    void setNotice(const QString& text);
    QString notice() const;

private:
    Ui::WaitConfig* ui;
};
