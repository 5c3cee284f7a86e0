#pragma once
// The password gate before a firmware or boot-loader upgrade: a warning that a wrong image
// leaves the battery dead, and the password. It deletes itself when closed (Escape closes it).

#include <QWidget>

namespace Ui {
class UpdataLogin;
}

class UpdataLogin : public QWidget {
    Q_OBJECT
public:
    explicit UpdataLogin(QWidget* parent = nullptr);
    ~UpdataLogin() override;

    // Shows the Confirm picture of the interface language (en, de, ...).
    void setImageSuffix(const QString& suffix);

signals:
    void LoginSuccess(bool Succ);

public slots:
    void ConnectInit();
    void Confirm_Clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // Escape closes the gate

private:
    Ui::UpdataLogin* ui;
};
