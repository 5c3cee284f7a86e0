#include "upgrade/wait_config.h"

#include "ui_wait_config.h"

WaitConfig::WaitConfig(QWidget* parent) : QWidget(parent), ui(new Ui::WaitConfig) {
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
}

WaitConfig::~WaitConfig() {
    delete ui;
}

void WaitConfig::setNotice(const QString& text) {
    ui->TransLab->setText(text);
}

QString WaitConfig::notice() const {
    return ui->TransLab->text();
}
