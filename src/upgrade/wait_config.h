#pragma once
// The window that asks the user to wait while the unit flashes its new firmware.

#include "upgrade/upgrade_flow.h"

#include <QWidget>

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

protected:
    void changeEvent(QEvent* event) override;

private:
    void showNotice();

    Ui::WaitConfig* ui;
    UpgradeTarget m_target = UpgradeTarget::Host;
};
