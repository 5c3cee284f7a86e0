#pragma once
// The window that asks the user to wait while the unit flashes its new firmware.

#include "upgrade/upgrade_flow.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;

namespace Ui {
class WaitConfig;
}

class WaitConfig : public QWidget {
    Q_OBJECT
public:
    explicit WaitConfig(QWidget* parent = nullptr);
    ~WaitConfig() override;

    // The wait text for what is being flashed, kept in the current language.
    void setNotice(UpgradeTarget target);
    QString notice() const;
    // The second line, the time waited and the longest wait ("3:12 of 12:00"), read from
    // `wait` (the running flashing timer) each second while the window is shown.
    void followClock(QTimer* wait);
    QString clockText() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showNotice();
    void showClock();

    Ui::WaitConfig* ui;
    UpgradeTarget m_target = UpgradeTarget::Host;
    QLabel* m_clockLab = nullptr;
    QTimer* m_clockTick = nullptr;
    QPointer<QTimer> m_wait;
};
