#pragma once
// The configuration page and the commands that change the unit: the protection table and
// text of the "config" reply, the default configuration, the charge and discharge switches,
// the self-test, and the barcode of a battery that lacks one, each with its reply. The
// window's button slots and reply dispatch forward here.

#include <QCoreApplication>
#include <QString>

class BMSMainWin;
class QStandardItemModel;
enum class UnitControl;
namespace Ui {
class BMSMainWin;
}

class ConfigPage {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    // The table into the form's view; the group view's switches ask here.
    explicit ConfigPage(BMSMainWin& window);
    ConfigPage(const ConfigPage&) = delete;
    ConfigPage& operator=(const ConfigPage&) = delete;

    void retranslate();
    // After a Logout: no configuration is shown.
    void clear();

    void ConfigParse(const QString& reply);
    void ConfigDefaultParse(const QString& reply);
    void MosOpenParse(const QString& reply);
    void MosCloseParse(const QString& reply);
    void SelfTestParse(const QString& reply);
    void BarcodeResultParse(const QString& reply);
    void BarcodeMissing(const QString& barcode);
    void UnitControlRequested(UnitControl control);

    // Asks before a command that changes the unit; true when it may be sent. With the port
    // closed it does not ask: SendCommand then tells the user to log in.
    bool confirmUnitChange(const QString& question);
    // Starts the status poll again when the status page is shown on an open port.
    void resumePoll();

private:
    void reportSwitch(const QString& reply, const QString& success, const QString& failure);

    BMSMainWin& w;
    Ui::BMSMainWin* ui;
    QStandardItemModel* m_configModel = nullptr;
};
