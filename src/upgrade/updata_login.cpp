#include "upgrade/updata_login.h"

#include "toolbox/picture_sheet.h"
#include "toolbox/prompts.h"
#include "ui_updata_login.h"
#include "upgrade/upgrade_constants.h"

#include <QDebug>
#include <QKeyEvent>

UpdataLogin::UpdataLogin(QWidget* parent) : QWidget(parent), ui(new Ui::UpdataLogin) {
    ui->setupUi(this);
    setWindowTitle(tr("Notice"));
    ui->PsdEdit->setFocus();
    ui->PsdEdit->installEventFilter(this);
    ui->PsdEdit->setPlaceholderText(Upgrade::kGatePassword);
    ConnectInit();
    setAttribute(Qt::WA_DeleteOnClose);
    // A gate left open must not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
}

UpdataLogin::~UpdataLogin() {
    delete ui;
}

void UpdataLogin::setImageSuffix(const QString& suffix) {
    ui->Confirm->setStyleSheet(pictureButtonSheet("Confirm", suffix));
}

void UpdataLogin::ConnectInit() {
    connect(ui->Confirm, &QPushButton::clicked, this, &UpdataLogin::Confirm_Clicked);
}

void UpdataLogin::Confirm_Clicked() {
    // Compared as typed: surrounding spaces make a wrong password.
    const QString password = ui->PsdEdit->text();
    if (password.isEmpty()) {
        prompts().information(this, tr("Notice"), tr("The Password is empty!"), QMessageBox::Ok);
        return;
    }
    if (password != Upgrade::kGatePassword)
        return; // no message and no delay: the user may simply type again
    qDebug() << "update login success";
    close();
    emit LoginSuccess(true);
}

bool UpdataLogin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->PsdEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Confirm_Clicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpdataLogin::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void UpdataLogin::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
