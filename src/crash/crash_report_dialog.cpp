#include "crash/crash_report_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CrashReportDialog::CrashReportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("CrashReportDialog");
    resize(500, 170);
    setWindowTitle(tr("Dialog"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* grid = new QGridLayout(this);
    grid->setObjectName("gridLayout");
    auto* label = new QLabel(tr("Sorry, This app was crashed last time!"), this);
    label->setObjectName("label");
    QFont big("Arial", 15);
    big.setWeight(75);
    label->setFont(big);
    label->setWordWrap(true);
    auto* label2 = new QLabel(tr("Please send us the files that  popped up in the \"File "
                                 "window\". So we can solve the App-crash problem."),
                              this);
    label2->setObjectName("label_2");
    label2->setFont(QFont("Arial", 10));
    label2->setWordWrap(true);
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName("pushButtonOk");
    ok->setDefault(true);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(label2, 1, 0, 1, 2);
    grid->addWidget(ok, 2, 1);
    connect(ok, &QPushButton::clicked, this, &CrashReportDialog::on_pushButtonOk_clicked);
}

void CrashReportDialog::on_pushButtonOk_clicked() {
    accept();
}
