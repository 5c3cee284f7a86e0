#pragma once
#include <QDialog>

// Tells the user that the last run crashed and where its dumps were put.
class CrashReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CrashReportDialog(QWidget* parent = nullptr);

private slots:
    void on_pushButtonOk_clicked();
};
