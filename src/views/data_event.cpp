#include "views/data_event.h"

#include "ui_data_event.h"

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>

DataEvent::DataEvent(QWidget* parent) : QWidget(parent), ui(new Ui::DataEvent) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // A detail window left open must not keep the program running once the main window
    // has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(ui->EventTextBro->font().pointSize());
    ui->EventTextBro->setFont(fixed);
}

void DataEvent::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

DataEvent::~DataEvent() {
    delete ui;
}

void DataEvent::setText(const QString& text) {
    ui->EventTextBro->setText(text);
}

QString DataEvent::text() const {
    return ui->EventTextBro->toPlainText();
}

void DataEvent::changeEvent(QEvent* event) {
    // The form's texts are its title only; the record's text is the unit's own.
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("Form"));
    QWidget::changeEvent(event);
}
