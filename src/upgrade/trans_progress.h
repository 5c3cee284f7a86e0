#pragma once
// The window that follows an upgrade transfer: its percentage, and the bytes sent of the
// image with the time left at the rate measured so far.

#include <QWidget>

namespace Ui {
class TransProgress;
}

class TransProgress : public QWidget {
    Q_OBJECT
public:
    explicit TransProgress(QWidget* parent = nullptr);
    ~TransProgress() override;

    void setProgress(int percent);
    // Clears the bar and the byte count.
    void resetProgress();
    // secondsLeft < 0: not measured yet.
    void setTransferred(qint64 bytesSent, qint64 totalSize, int secondsLeft);

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::TransProgress* ui;
};
