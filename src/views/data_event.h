#pragma once
// The detail window of one record: the unit's whole reply to "data event N" or
// "data history N", shown as printed in a fixed-width font so that the unit's padded labels
// line up. It frees itself when closed.

#include <QWidget>

namespace Ui {
class DataEvent;
}

class DataEvent : public QWidget {
    Q_OBJECT
public:
    explicit DataEvent(QWidget* parent = nullptr);
    ~DataEvent() override;

    void setText(const QString& text);
    QString text() const;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Escape closes the window

private:
    Ui::DataEvent* ui;
};
