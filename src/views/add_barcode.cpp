#include "views/add_barcode.h"

#include "toolbox/picture_sheet.h"
#include "toolbox/prompts.h"
#include "ui_add_barcode.h"
#include "views/views_constants.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

BarcodeCheck checkBarcode(const QString& text) {
    if (text.isEmpty())
        return BarcodeCheck::Empty;
    return text.size() == views::kBarcodeLength ? BarcodeCheck::Valid : BarcodeCheck::WrongLength;
}

AddBarcode::AddBarcode(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::AddBarcode) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->BarEdit->setFocus();
    connect(ui->Confirm, &QPushButton::clicked, this, &AddBarcode::Confirm_Clicked);
    // Enter in the line confirms, as the button would.
    connect(ui->BarEdit, &QLineEdit::returnPressed, this, &AddBarcode::Confirm_Clicked);
}

AddBarcode::~AddBarcode() {
    delete ui;
}

void AddBarcode::setLanguage(const QString& suffix) {
    ui->Confirm->setStyleSheet(pictureButtonSheet("Confirm", suffix));
}

void AddBarcode::changeEvent(QEvent* event) {
    // The barcode typed so far stays: the form puts no text into the line.
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void AddBarcode::Confirm_Clicked() {
    const QString text = ui->BarEdit->text();
    switch (checkBarcode(text)) {
    case BarcodeCheck::Empty:
        prompts().information(this, tr("Notice"), tr("The Barcode is empty!"), QMessageBox::Ok);
        return;
    case BarcodeCheck::WrongLength:
        prompts().information(this, tr("Notice"),
                              tr("The Barcode length does not meet requirement!"), QMessageBox::Ok);
        return;
    case BarcodeCheck::Valid:
        break;
    }
    emit AddMissBarcode(text);
    close();
}
