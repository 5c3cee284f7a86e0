#pragma once
// The small window in which a technician enters the barcode of a battery that reports
// none. A valid barcode leaves with AddMissBarcode and the window closes; anything else is
// refused with a notice and the window stays open for another try.

#include <QString>
#include <QWidget>

namespace Ui {
class AddBarcode;
}

enum class BarcodeCheck { Empty, WrongLength, Valid };

// The text is judged as typed: blanks count, nothing is trimmed.
BarcodeCheck checkBarcode(const QString& text);

class AddBarcode : public QWidget {
    Q_OBJECT

public:
    // A window of its own; with a parent it goes when the parent goes.
    explicit AddBarcode(QWidget* parent = nullptr);
    ~AddBarcode() override;

    void setLanguage(const QString& suffix);

signals:
    void AddMissBarcode(QString barcode);

public slots:
    void Confirm_Clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::AddBarcode* ui;
};
