#pragma once
// The one main window: owner of the serial link, the command channel's state, the receive
// buffers, every timer, the table models, the status bar and the views. Its members live
// beside it as bms_main_win_*.cpp, one file per subsystem; this file declares them all.

#include "realtime/real_time_chart.h"
#include "realtime/real_time_run.h"
#include "realtime/real_time_text.h"
#include "records/record_requests.h"
#include "serial/link_watch.h"
#include "serial/serial_settings.h"
#include "session/unit_session.h"

#include <QByteArray>
#include <QMainWindow>
#include <QModelIndex>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class Battery;
class BatteryGroup;
class BatteryInfo;
class MySerial;
class ReplyDelivery;
class UpdataThread;
class TransProgress;
class WaitConfig;
struct BurstEdit;
enum class UnitControl;
class QIODevice;
class QLabel;
class QProgressBar;
class QSettings;
class QStandardItemModel;
class QTranslator;
class QAction;
class QActionGroup;
class QPushButton;
class RecordPagingBar;

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
    UpdataThread* transferThread() const { return m_session->transferThread(); }
    bool transferTimerActive() const { return m_session->transferTimer().isActive(); }
    QString currentCommand() const { return m_session->currentCommand(); }
    bool portOpen() const { return m_portOpen; }
    bool basicPageFlag() const { return m_basicPage; }
    bool pollRunning() const { return m_session->pollTimer().isActive(); }
    int pollTickCount() const { return m_session->pollCount; }
    int currentBatteryNumber() const { return m_currBatNum; }
    int presentNumber() const { return m_presentNum; }
    int frameBufferBytes() const { return m_session->frames().bufferedBytes(); }
    // The login's session; between logins an idle one that sends nothing.
    UnitSession& session() const { return *m_session; }
    QString commandStateText() const;
    double widthRate() const { return m_widthRate; }
    double heightRate() const { return m_heightRate; }

signals:
    void CommandInfoStr(QString infostr);

    // ----- Shell: construction, pages, language, scaling, close -----------------------------
    // (bms_main_win.cpp, _pages, _language, _scale)
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void InitDesktopSize();
    void ScaleWidgets(QObject* parent, double widthRate, double heightRate);
    void InitMainWindow();
    void SetupConnections();
    void RetranslateMainWindow();
    QLabel* addCatalogueLabel(int number);
    void applyLanguageImages(const QString& code);
    void createLanguageMenu();
    void loadLanguage(const QString& code);
    void switchTranslator(QTranslator* translator, const QString& fileName);
    void setPageButtons(QPushButton* pressed);
    QPushButton* shownPageButton() const;
    void showOtherPage(QPushButton* button, int index);
    bool refuseWhileRealTime();
    void saveTextAs(const QString& text, const QString& failure);
    void saveTextAs(const std::function<bool(QIODevice&)>& write, const QString& failure);

    Ui::BMSMainWin* ui = nullptr;
    double m_widthRate = 1.0;
    double m_heightRate = 1.0;
    QSettings* m_settings = nullptr;
    QLabel* m_systemTimeLab = nullptr;
    QTimer* m_clockTimer = nullptr;
    QLabel* m_commandStateLab = nullptr;
    QTranslator* m_appTranslator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    QString m_currLang = QStringLiteral("en");
    QString m_langPath;
    QActionGroup* m_langGroup = nullptr;
    QString m_windowTitle = QStringLiteral("NorvaneBat - V2.8.6");

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
    void showBurst(const BurstEdit& edit);
    void routeBurstToHandler(const QString& burst, const QString& raw);
    bool performDispatchRow(const QString& reply); // false: leave the command state alone
    bool dispatchBat(const QString& reply);
    bool dispatchSystemTable(const QString& reply, void (BMSMainWin::*parse)(const QString&, int),
                             const QString& next);
    void showCommandState(const QString& reply);
    bool linkOpen() const;
    void sendChainStep(const QString& command);
    void sendBatteryStep(const QString& prefix, int battery);
    void sendSystemStep(const QString& command);
    void setCurrentCommand(const QString& command); // the reply expected next is its reply
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

    // ----- Status views and their parsers (bms_main_win_status.cpp, _views) -----------------
private slots:
    void BatteryButtonSelected(bool active, int batteryNumber);

private:
    void connectViews();
    void setViewsLanguage(const QString& code);
    void retranslateViews();
    void fillMessageCatalogue();
    void resetViewsAfterLogout(bool keepRealTime);
    void scaleViews();
    void PwrSysParse(const QString& reply);
    void PwrTableParse(const QString& reply, int presentNum);
    void BalanceParse(const QString& reply, int presentNum);
    void CtrlParse(const QString& reply);
    void InfoParse(const QString& reply);
    void BatParse(const QString& reply, int cellNum);
    void PwrBatParse(const QString& reply);
    void resetCellSummary();
    Battery* gauge(int batteryNumber) const; // 1..16, nullptr outside
    BatteryGroup* batteryGroup() const;
    BatteryInfo* batteryInfo() const;

    int m_currBatNum = 0;
    int m_presentNum = 0;
    int m_lastPresentNum = 0;
    QString m_deviceName;

    // ----- Real-time stream and charts (bms_main_win_realtime.cpp) --------------------------
public slots:
    void RTRecTextChag();
    void RTDataOnBtn_clicked();
    void RTDataOffBtn_clicked();
    void RTDataDownBtn_clicked();
    void ClearRTDataBtn_clicked();
    void SocPointHoverd(const QPointF& point, bool state);
    void VoltPointHoverd(const QPointF& point, bool state);
    void CurrPointHoverd(const QPointF& point, bool state);
    void TempPointHoverd(const QPointF& point, bool state);

public:
    // The receive path's burst handlers, public for the tests and the benchmark.
    void RealTimeParse(const QString& burst);
    void RealTimeOffParse(const QString& burst);
    bool realTimeDisplay() const { return m_session->realTimeDisplay; }
    const RealTimeRun& realTimeRun() const { return m_rtRun; }
    const RealTimeChart& realTimeChart(Quantity q) const { return *m_rtCharts[int(q)]; }

private:
    void initRealTimePage();
    void InitRealTimeCharts();
    void AdjustChartFonts();
    void retranslateRealTimeCharts();
    void resetRealTimeAfterLogout();
    void clearRealTimeSeries();
    void plotSample(const RealTimeSample& sample, SamplePlot& plot);
    void showPointHover(Quantity q, const QPointF& point, bool state);
    void appendRealTimeText(const QString& text);
    void clearRealTimeText();

    RealTimeRun m_rtRun;
    std::array<std::unique_ptr<RealTimeChart>, kQuantityCount> m_rtCharts;
    QLabel* m_hoverLab = nullptr;
    RealTimeText m_rtText; // the stream's whole text, for the Download

    // ----- Configuration, control commands, barcode (bms_main_win_config.cpp) ---------------
public slots:
    void ConfigDeBtn_clicked();
    void ConfigDownBtn_clicked();

private slots:
    void BarcodeMissing(QString barcode);
    void UnitControlRequested(UnitControl control);

private:
    void initConfigPage();
    void retranslateConfigPage();
    void ConfigParse(const QString& reply);
    void ConfigDefaultParse(const QString& reply);
    void MosOpenParse(const QString& reply);
    void MosCloseParse(const QString& reply);
    void reportSwitch(const QString& reply, const QString& success, const QString& failure);
    void SelfTestParse(const QString& reply);
    void BarcodeResultParse(const QString& reply);
    // Asks before a command that changes the unit; true when it may be sent. With the port
    // closed it does not ask: SendCommand then tells the user to log in.
    bool confirmUnitChange(const QString& question);
    // Starts the status poll again when the status page is shown on an open port.
    void resumePoll();

    QStandardItemModel* m_configModel = nullptr;

    // ----- Event and history records (bms_main_win_records.cpp, _records_export) ----------
public slots:
    void HisEveBtn_clicked();
    void HistBtn_clicked();
    void ContinueBtn_clicked();
    void HisDownBtn_clicked();
    void RefleshBtn_clicked();
    void ClickEventShow(QModelIndex IndexClick);
    void ReadAllRequested(bool start);

public:
    bool eventListingOpen() const { return m_session->listing().isOpen(RecordKind::Event); }
    bool historyListingOpen() const { return m_session->listing().isOpen(RecordKind::History); }
    int eventCount() const { return m_session->tally.events; }
    int historyCount() const { return m_session->tally.histories; }

private:
    void initRecordsPage();
    void DataNumberParse(const QString& reply);
    void RecordDetailParse(const QString& reply);
    void EventListParse(const QString& text);
    void HistoryListParse(const QString& text);
    void requestListing(RecordKind kind);
    void refuseListing(RecordKind kind, StartRefusal refusal, int count);
    void applyListingText(RecordKind kind, const QString& text);
    void applyRecordLayout(bool maskLayout);
    void showListingEnd(RecordKind kind, ListingEnd end, const QString& text);
    QStringList recordHeaders(bool maskLayout) const;
    void retranslateRecords();
    void showRecordCounts();
    bool exportRecords(const QString& fileName);
    QString exportCell(int row, int column, bool& ok);
    bool endListingFirst(bool askExport);
    void showPaging();

    QStandardItemModel* m_recordModel = nullptr;
    RecordPagingBar* m_pagingBar = nullptr; // rows shown, page coming, "Read all"

    // ----- Firmware upgrade and file transfer (bms_main_win_upgrade.cpp, _transfer) ---------
public:
    bool upgrading() const { return m_session->upgrade().upgrading(); }
    UpgradeStage upgradeStage() const { return m_session->upgrade().stage(); }
    TransProgress* transProgress() const { return m_transProgress; }
    WaitConfig* waitConfig() const { return m_waitConfig; }
    QTimer* upgradeTimer() const { return &m_session->upgradeTimer(); }
    QTimer* wakeTimer() const { return &m_session->wakeTimer(); }

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
    void initUpgradePage();
    void UpdataLoginPass();
    void UbootLoginPass();
    void UpdataSendFile(const QString& command);
    void UpdataStateParse(const QString& burst);
    void UpdataReady(const QString& burst);
    void setUpgradeControlsEnabled(bool enabled);
    void openUpgradeGate(bool bootLoader);
    bool refuseWhileUpgrading();
    bool refuseClosedPort(); // the Upgrade button's notice when the link is not open
    QString chooseImage();
    void startTransfer(const QString& path, bool consoleSend);
    void upgradeSucceeded(bool hub, int presentNum);
    void showTransferOutcome(const QString& line, const QString& title, const QString& text);

    QProgressBar* m_progressBar = nullptr;
    QLabel* m_transmitLab = nullptr;
    TransProgress* m_transProgress = nullptr; // no parent; deleted with the window
    WaitConfig* m_waitConfig = nullptr;       // no parent; deleted with the window
    // The language when the controls were locked; empty while they are not.
    QString m_langBeforeLock;

    // ----- Console mode (bms_main_win_console.cpp) ------------------------------------------
public slots:
    void actionConsole_triggered();
    void actionExit_Consle_triggered();

private:
    void initConsole();

    // ----- Link state as the user sees it: live, stale, silent (bms_main_win_liveness.cpp) ----
public:
    // The text beside the command state: the unit does not answer; empty otherwise.
    QString linkStateText() const;
    QString gaugeBoxCaption() const;

private:
    void initLinkWatch();
    // Asks the watch and redraws the views and the status bar when the answer changed.
    void applyLinkState();
    void showLinkState(const LinkView& view);
    void linkLoggedIn(const QString& port);
    void linkLoggedOut();
    void linkLost();
    void reselectLostPort();
    // Tiles and buttons: present, in alarm, the battery whose detail is shown.
    void markBatteries();

    LinkWatch m_linkWatch;
    LinkView m_linkShown;
    QTimer* m_linkWatchTimer = nullptr;
    QLabel* m_linkStateLab = nullptr;
    QLabel* m_gaugeBoxCaption = nullptr;
    int m_shownBatNum = 0; // the battery whose detail the info view shows; 0: none
};
