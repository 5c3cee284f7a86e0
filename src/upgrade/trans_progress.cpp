#include "upgrade/trans_progress.h"

#include "ui_trans_progress.h"

#include <QLocale>

TransProgress::TransProgress(QWidget* parent) : QWidget(parent), ui(new Ui::TransProgress) {
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
    resetProgress();
}

TransProgress::~TransProgress() {
    delete ui;
}

void TransProgress::setProgress(int percent) {
    ui->TransProBar->setValue(percent);
}

void TransProgress::resetProgress() {
    ui->TransProBar->reset();
    ui->BytesLab->clear();
}

void TransProgress::setTransferred(qint64 bytesSent, qint64 totalSize, int secondsLeft) {
    const QLocale locale;
    const QString bytes =
        tr("%1 of %2 bytes").arg(locale.toString(bytesSent), locale.toString(totalSize));
    if (secondsLeft < 0) {
        ui->BytesLab->setText(bytes);
        return;
    }
    const QString left =
        QString("%1:%2").arg(secondsLeft / 60).arg(secondsLeft % 60, 2, 10, QLatin1Char('0'));
    ui->BytesLab->setText(tr("%1, %2 left").arg(bytes, left));
}

void TransProgress::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
