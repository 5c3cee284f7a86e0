#pragma once
// The one main window: owner of the serial link, the command channel, the session, the timers
// and the pages. Its members live beside it as bms_main_win_*.cpp, one file per subsystem;
// what a page or view shows and decides on its own is a small class beside them (ConfigPage,
// RecordsPage, StatusViews, RealTimeCharts, LinkStateDisplay, TransferDisplay, LanguageMenu).

#include "mainwindow/language_menu.h"
#include "realtime/real_time_run.h"
#include "realtime/real_time_text.h"
#include "session/unit_session.h"

#include <QMainWindow>
#include <QModelIndex>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class ConfigPage;
class LinkStateDisplay;
class MySerial;
class RealTimeCharts;
class RecordsPage;
class StatusViews;
class TransferDisplay;
class UpgradePage;
class ReplyDelivery;
class UpdataThread;
class QLabel;
class QSettings;
class QTranslator;
class QAction;
class QPushButton;

namespace Ui {
class BMSMainWin;
}

class BMSMainWin : public QMainWindow {
    Q_OBJECT
public:
    explicit BMSMainWin(QWidget* parent = nullptr);
    ~BMSMainWin() override;

    void SetTranslators(QTranslator* appTranslator, QTranslator* qtTranslator);
    // Chooses a port of the list by name (the --port option).
    void selectPort(const QString& name);

    // Command channel.
    void SendCommand(const QString& command);
    static void DelayMs(int ms);

    // Read-only views for the program's own wiring and for tests.
    Ui::BMSMainWin* form() const { return ui; }
    MySerial* serialLink() const { return m_serial; }
    bool portOpen() const { return m_portOpen; }
    bool basicPageFlag() const { return m_basicPage; }
    int presentNumber() const;
    // The login's session; between logins an idle one that sends nothing.
    UnitSession& session() const { return *m_session; }
    // The four real-time charts, their run and hover read-outs.
    RealTimeCharts& realTimeCharts() const { return *m_charts; }
    // The status bar's command state, and what it and the views say about the link.
    const LinkStateDisplay& linkState() const { return *m_linkState; }
    // The status bar's progress, the transfer window and the flashing wait.
    const TransferDisplay& transferDisplay() const { return *m_transfer; }
    double widthRate() const { return m_widthRate; }
    double heightRate() const { return m_heightRate; }

signals:
    void CommandInfoStr(QString infostr);

    // ----- Shell: construction, pages, language, scaling, console mode, close ---------------
    // (bms_main_win.cpp, _pages, _language, _scale, _console)
public slots:
    void slotLanguageChanged(QAction* action);
    void SendDataBtn_clicked();
    void BasicBtn_clicked();
    void RealBtn_clicked();
    void ConfigBtn_clicked();
    void HistoryBtn_clicked();
    void UpPageBtn_clicked();
    void LanguageBtn_clicked();
    void OnDeskTopResize(QRect windSize);
    void CurrTimeTimerOut();
    void RecTextChag();
    void actionConsole_triggered();
    void actionExit_Consle_triggered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void InitDesktopSize();
    void ScaleWidgets(QObject* parent, double widthRate, double heightRate);
    void InitMainWindow();
    void SetupConnections();
    void RetranslateMainWindow();
    void applyLanguageImages(const QString& code);
    void setPageButtons(QPushButton* pressed);
    void showOtherPage(QPushButton* button, int index);

    Ui::BMSMainWin* ui = nullptr;
    double m_widthRate = 1.0;
    double m_heightRate = 1.0;
    QSettings* m_settings = nullptr;
    LanguageMenu m_language;
    QLabel* m_systemTimeLab = nullptr;
    QTimer* m_clockTimer = nullptr;

    // ----- Serial link, command channel, receive path, poll ---------------------------------
    // (bms_main_win_link.cpp, _command, _receive, _poll)
public slots:
    void OpenBtn_clicked();
    void CloseBtn_clicked();
    void InfoBtn_clicked();
    void PwrBtn_clicked();
    void BatBtn_clicked();
    void SendBtn_clicked();
    void RealTimerTimeOut();
    void RealTimerBtn_clicked();

private slots:
    void PortCheckTimeOut();
    void SerialReadyRead();
    void ReceDataTimeOut();
    void CommandInfoParse(QString infostr);

private:
    QStringList AvailablePortNames() const;
    void InitSerialSettings();
    void retranslateSerialSettings();
    void endOversizedBurst();
    void routeBurstToHandler(const QString& burst, const QString& raw);
    bool performDispatchRow(const QString& reply); // false: leave the command state alone
    bool dispatchBat(const QString& reply);
    bool dispatchSystemTable(const QString& reply, void (StatusViews::*parse)(const QString&, int),
                             const QString& next);
    void showCommandState(const QString& reply);
    bool linkOpen() const;
    void sendChainStep(const QString& command);
    void sendBatteryStep(const QString& prefix, int battery);
    void sendSystemStep(const QString& command);
    void startPoll();

    // The session's life (bms_main_win_session.cpp): one per login, ended by every cause.
    enum class LinkEnd { Logout, Unplug, Quit };
    void beginSession();
    // Ends the session at once; what it interrupted is for tellInterrupted.
    SessionEnd endSession(LinkEnd cause);
    void connectTransfer(UpdataThread* thread);
    void tellInterrupted(const SessionEnd& was, LinkEnd cause);

    MySerial* m_serial = nullptr;
    bool m_portOpen = false;
    QTimer* m_replyGapTimer = nullptr;
    ReplyDelivery* m_replyDelivery = nullptr;
    QStringList m_portNames;
    QTimer* m_portCheckTimer = nullptr;
    std::unique_ptr<UnitSession> m_session;
    // The last session ended by an unplug while the unit streamed: the next Login stops the
    // stream before its chain, as nothing could tell the unit.
    bool m_stopStreamAtLogin = false;
    bool m_basicPage = true;

    // ----- Status views and the link as they show it (bms_main_win_views.cpp) --------------
private:
    void BatteryButtonSelected(bool active, int batteryNumber);
    void resetViewsAfterLogout(bool keepRealTime);
    void scaleViews();

    int m_currBatNum = 0;
    std::unique_ptr<StatusViews> m_status; // the views, their parsers, the unit they show
    std::unique_ptr<LinkStateDisplay> m_linkState;

    // ----- Real-time stream and charts (bms_main_win_realtime.cpp) --------------------------
public slots:
    void RTRecTextChag();
    void RTDataOnBtn_clicked();
    void RTDataOffBtn_clicked();
    void RTDataDownBtn_clicked();
    void ClearRTDataBtn_clicked();

public:
    // The receive path's burst handlers, public for the tests and the benchmark.
    void RealTimeParse(const QString& burst);
    void RealTimeOffParse(const QString& burst);

private:
    void initRealTimePage();
    void plotSample(const RealTimeSample& sample, SamplePlot& plot);
    void appendRealTimeText(const QString& text);
    void clearRealTimeText();

    std::unique_ptr<RealTimeCharts> m_charts;
    RealTimeText m_rtText; // the stream's whole text, for the Download

    // ----- Configuration, control commands, barcode (bms_main_win_config.cpp) ---------------
public slots:
    void ConfigDeBtn_clicked();
    void ConfigDownBtn_clicked();

private:
    // The page, its commands and their replies; it works the window's command channel.
    friend class ConfigPage;
    std::unique_ptr<ConfigPage> m_config;

    // ----- Event and history records (bms_main_win_records.cpp, _records_export) ----------
public slots:
    void HisEveBtn_clicked();
    void HistBtn_clicked();
    void ContinueBtn_clicked();
    void HisDownBtn_clicked();
    void RefleshBtn_clicked();
    void ClickEventShow(QModelIndex IndexClick);

private:
    // The listings, the table and the counts; it works the window's command channel.
    friend class RecordsPage;
    std::unique_ptr<RecordsPage> m_records;

    // ----- Firmware upgrade and file transfer (bms_main_win_upgrade.cpp, _transfer) ---------
public slots:
    void UpDateBtn_clicked();
    void WakeBtn_clicked();
    void UbootBtn_clicked();
    void UpdateTimeOut();
    void actionSend_File_triggered();
    void UpdataFileTranStart();
    void UpdataStartTimeOut();
    void UpdataTransTimeOut();
    void UpdataFileTranFinish(int tranres);
    void TransitAbr();
    void UpdataSendPacket(QByteArray packet);
    void UpdataFileError();
    void WakeTimeOut();

private:
    // The flow from the gate or the wake to the flashing report; it works the window's
    // command channel.
    friend class UpgradePage;
    std::unique_ptr<UpgradePage> m_upgradePage;
    std::unique_ptr<TransferDisplay> m_transfer;
};
