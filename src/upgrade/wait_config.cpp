#include "upgrade/wait_config.h"

#include "ui_wait_config.h"

#include <QEvent>

WaitConfig::WaitConfig(QWidget* parent) : QWidget(parent), ui(new Ui::WaitConfig) {
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
}

WaitConfig::~WaitConfig() {
    delete ui;
}

void WaitConfig::setNotice(UpgradeTarget target) {
    m_target = target;
    showNotice();
}

void WaitConfig::showNotice() {
    ui->TransLab->setText(m_target == UpgradeTarget::Host
                              ? tr("Please wait for the host to upgrade !")
                              : tr("Please wait for the battery to upgrade !"));
}

void WaitConfig::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showNotice();
    }
    QWidget::changeEvent(event);
}

QString WaitConfig::notice() const {
    return ui->TransLab->text();
}
