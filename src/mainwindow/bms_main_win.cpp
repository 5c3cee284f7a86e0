#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/link_state_display.h"
#include "mainwindow/mainwindow_constants.h"
#include "mainwindow/real_time_charts.h"
#include "mainwindow/records_page.h"
#include "mainwindow/status_views.h"
#include "mainwindow/transfer_display.h"
#include "mainwindow/upgrade_page.h"
#include "serial/my_serial.h"
#include "serial/reply_delivery.h"
#include "serial/serial_constants.h"
#include "toolbox/prompts.h"
#include "ui_bms_main_win.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>

namespace {
const char* const kSettingsFile = "./ConFig/OpenPath.ini";
const char* const kClockFormat = "yyyy/MM/dd hh:mm";
} // namespace

BMSMainWin::BMSMainWin(QWidget* parent) : QMainWindow(parent), ui(new Ui::BMSMainWin) {
    ui->setupUi(this);
    m_status = std::make_unique<StatusViews>(ui, [this] { return session().currentCommand(); });
    InitDesktopSize();
    InitSerialSettings();
    InitMainWindow();
    SetupConnections();
    qDebug() << "ui UpdataThread id" << QThread::currentThreadId();
}

BMSMainWin::~BMSMainWin() {
    // The screen outlives the window (some platforms never delete theirs): leave no
    // connection behind on it.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        disconnect(screen, nullptr, this, nullptr);
    m_session.reset(); // ends a transfer's worker before the window's members go
    if (m_serial)
        m_serial->close();
    delete ui;
}

void BMSMainWin::SetTranslators(QTranslator* appTranslator, QTranslator* qtTranslator) {
    m_language.setTranslators(appTranslator, qtTranslator);
}

void BMSMainWin::InitDesktopSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    qDebug() << "scressize:" << area.size() << "srcesswid:" << area.width()
             << "screenheight:" << area.height();
    OnDeskTopResize(area);
    connect(screen, &QScreen::availableGeometryChanged, this, &BMSMainWin::OnDeskTopResize);
}

void BMSMainWin::InitMainWindow() {
    setWindowTitle(kWindowTitle);

    m_settings = new QSettings(kSettingsFile, QSettings::IniFormat, this);
    m_language.setCode(m_settings->value("Language/lastLanguage", "en").toString());
    applyLanguageImages(m_language.code());
    // The port of the last Login, when it is there again.
    const QString lastPort = m_settings->value(kLastPortSetting).toString();
    if (m_portNames.contains(lastPort))
        ui->PortComBox->setCurrentText(lastPort);

    m_serial = new MySerial(this);
    m_portOpen = false;
    m_replyGapTimer = new QTimer(this);
    m_replyGapTimer->setSingleShot(true);
    m_replyDelivery = new ReplyDelivery(this);
    beginSession(); // the idle one until the first Login
    m_basicPage = true;

    m_portCheckTimer = new QTimer(this);
    m_portCheckTimer->start(kPortCheckIntervalMs);

    ui->StackWid->setCurrentIndex(1);
    setPageButtons(ui->BasicBtn);

    ui->BaudComBox->setCurrentIndex(8);
    ui->DataBitComBox->setCurrentIndex(3);
    ui->StopbitComBox->setCurrentIndex(0);

    ui->SendDataBtn->hide();
    ui->RealTimerBtn->hide();
    ui->LanguageBtn->hide();
    ui->actionSend_File->setVisible(false); // until the console's access code
    ui->ReceTextBro->document()->setMaximumBlockCount(kRawViewMaxBlocks);
    // "Lucida Console" is missing on most Linux desktops; keep the terminal monospaced.
    QFont terminal("Lucida Console");
    terminal.setStyleHint(QFont::Monospace);
    terminal.setFixedPitch(true);
    ui->ReceTextBro->setFont(terminal);
    ui->CloseBtn->setEnabled(false);

    ui->SendEd->installEventFilter(this);
    m_currBatNum = 0;

    m_transfer = std::make_unique<TransferDisplay>(this);

    m_systemTimeLab =
        new QLabel(tr("System Time:") + QDateTime::currentDateTime().toString(kClockFormat), this);
    statusBar()->addPermanentWidget(m_systemTimeLab); // first (index 0) of the permanent ones
    m_clockTimer = new QTimer(this);
    m_clockTimer->start(kClockIntervalMs);
    m_linkState = std::make_unique<LinkStateDisplay>(ui, this);

    initRealTimePage();
    m_config = std::make_unique<ConfigPage>(*this);
    m_records = std::make_unique<RecordsPage>(*this);
    m_upgradePage = std::make_unique<UpgradePage>(*this);
    m_status->initTiles();
    m_language.createLanguageMenu(ui->menuLanguage, this,
                                  [this](QAction* action) { slotLanguageChanged(action); });
}

void BMSMainWin::SetupConnections() {
    const QList<QPair<QPushButton*, void (BMSMainWin::*)()>> buttons = {
        {ui->SendDataBtn, &BMSMainWin::SendDataBtn_clicked},
        {ui->BasicBtn, &BMSMainWin::BasicBtn_clicked},
        {ui->RealBtn, &BMSMainWin::RealBtn_clicked},
        {ui->ConfigBtn, &BMSMainWin::ConfigBtn_clicked},
        {ui->HistoryBtn, &BMSMainWin::HistoryBtn_clicked},
        {ui->UpPageBtn, &BMSMainWin::UpPageBtn_clicked},
        {ui->LanguageBtn, &BMSMainWin::LanguageBtn_clicked},
        {ui->OpenBtn, &BMSMainWin::OpenBtn_clicked},
        {ui->CloseBtn, &BMSMainWin::CloseBtn_clicked},
        {ui->InfoBtn, &BMSMainWin::InfoBtn_clicked},
        {ui->PwrBtn, &BMSMainWin::PwrBtn_clicked},
        {ui->BatBtn, &BMSMainWin::BatBtn_clicked},
        {ui->ConfigDeBtn, &BMSMainWin::ConfigDeBtn_clicked},
        {ui->SendBtn, &BMSMainWin::SendBtn_clicked},
        {ui->RTDataOnBtn, &BMSMainWin::RTDataOnBtn_clicked},
        {ui->RTDataOffBtn, &BMSMainWin::RTDataOffBtn_clicked},
        {ui->RTDataDownBtn, &BMSMainWin::RTDataDownBtn_clicked},
        {ui->ClearRTDataBtn, &BMSMainWin::ClearRTDataBtn_clicked},
        {ui->ConfigDownBtn, &BMSMainWin::ConfigDownBtn_clicked},
        {ui->HisEveBtn, &BMSMainWin::HisEveBtn_clicked},
        {ui->HistBtn, &BMSMainWin::HistBtn_clicked},
        {ui->ContinueBtn, &BMSMainWin::ContinueBtn_clicked},
        {ui->HisDownBtn, &BMSMainWin::HisDownBtn_clicked},
        {ui->RefleshBtn, &BMSMainWin::RefleshBtn_clicked},
        {ui->UpDateBtn, &BMSMainWin::UpDateBtn_clicked},
        {ui->WakeBtn, &BMSMainWin::WakeBtn_clicked},
        {ui->UbootBtn, &BMSMainWin::UbootBtn_clicked},
        {ui->RealTimerBtn, &BMSMainWin::RealTimerBtn_clicked},
    };
    for (const auto& b : buttons)
        connect(b.first, &QPushButton::clicked, this, b.second);
    // Ctrl+1 .. Ctrl+5 press the five page buttons: refused as a click is (a disabled button
    // does nothing; the slots refuse while streaming).
    const QList<QPushButton*> pageKeys = {ui->BasicBtn, ui->RealBtn, ui->ConfigBtn, ui->HistoryBtn,
                                          ui->UpPageBtn};
    for (int i = 0; i < pageKeys.size(); ++i) {
        QPushButton* button = pageKeys.at(i);
        auto* key = new QShortcut(QKeySequence(int(Qt::CTRL) + Qt::Key_1 + i), this);
        connect(key, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }

    connect(ui->SendEd, &HistoryTextEdit::ReturnEnterSigal, this, &BMSMainWin::SendBtn_clicked);
    connect(m_portCheckTimer, &QTimer::timeout, this, &BMSMainWin::PortCheckTimeOut);
    connect(ui->ReceTextBro, &QTextBrowser::textChanged, this, &BMSMainWin::RecTextChag);
    connect(ui->RTDataTextBrow, &QTextBrowser::textChanged, this, &BMSMainWin::RTRecTextChag);
    connect(m_serial, &MySerial::readyRead, this, &BMSMainWin::SerialReadyRead);
    connect(m_replyGapTimer, &QTimer::timeout, this, &BMSMainWin::ReceDataTimeOut);
    connect(m_replyDelivery, &ReplyDelivery::replyReady, this, &BMSMainWin::CommandInfoStr);
    connect(this, &BMSMainWin::CommandInfoStr, this, &BMSMainWin::CommandInfoParse);
    connect(ui->DataListlView, &QTableView::doubleClicked, this, &BMSMainWin::ClickEventShow);
    connect(ui->actionConsole, &QAction::triggered, this, &BMSMainWin::actionConsole_triggered);
    connect(ui->actionExit_Console, &QAction::triggered, this,
            &BMSMainWin::actionExit_Consle_triggered);
    connect(ui->actionSend_File, &QAction::triggered, this, &BMSMainWin::actionSend_File_triggered);
    connect(m_clockTimer, &QTimer::timeout, this, &BMSMainWin::CurrTimeTimerOut);
    connect(ui->BattGroupWid, &BatteryGroup::GroupBattBtnClick, this,
            &BMSMainWin::BatteryButtonSelected);
    connect(ui->BattInfoWid, &BatteryInfo::MissBarcode, this,
            [this](QString barcode) { m_config->BarcodeMissing(barcode); });
}

void BMSMainWin::CurrTimeTimerOut() {
    m_systemTimeLab->setText(tr("System Time: ") +
                             QDateTime::currentDateTime().toString(kClockFormat));
}

void BMSMainWin::RecTextChag() {
    ui->ReceTextBro->moveCursor(QTextCursor::End);
}

void BMSMainWin::closeEvent(QCloseEvent* event) {
    const auto answer =
        prompts().question(this, "NorvaneBat", tr("Do you wish to quit NorvaneBat?"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer == QMessageBox::Yes)
        event->accept();
    else
        event->ignore();
}
