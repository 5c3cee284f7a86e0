// Interface language: the Language menu, the two translators and the per-language pictures.
#include "mainwindow/bms_main_win.h"

#include "toolbox/install_paths.h"
#include "toolbox/prompts.h"
#include "mainwindow/message_catalogue.h"
#include "ui_bms_main_win.h"
#include "upgrade/updata_login.h"
#include "views/add_barcode.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QSettings>
#include <QTranslator>

namespace {
struct LanguagePicture {
    QWidget* widget;
    const char* picture; // %1 = language code
    const char* pressed; // nullptr when the widget has no pressed picture
    bool label;
};

QString pictureSheet(const LanguagePicture& p, const QString& code) {
    const QString url = QString(p.picture).arg(code);
    if (p.label)
        return QString("image: url(%1);").arg(url);
    QString sheet = QString("QPushButton{border-image:url(%1)}").arg(url);
    if (p.pressed)
        sheet += QString("QPushButton:pressed{border-image:url(%1)}").arg(p.pressed);
    return sheet;
}
} // namespace

void BMSMainWin::applyLanguageImages(const QString& code) {
    const QList<LanguagePicture> pictures = {
        {ui->SendDataBtn, ":/icon/res/SendData_%1.png", nullptr, false},
        {ui->BasicBtn, ":/icon/res/normal_%1.png", nullptr, false},
        {ui->RealBtn, ":/icon/res/rtdata_%1.png", nullptr, false},
        {ui->ConfigBtn, ":/icon/res/alarmpro_%1.png", nullptr, false},
        {ui->HistoryBtn, ":/icon/res/History_%1.png", nullptr, false},
        {ui->UpPageBtn, ":/icon/res/updatepan_%1.png", nullptr, false},
        {ui->DataLab, ":/icon/res/Bat_%1.png", nullptr, true},
        {ui->RTDataOnBtn, ":/icon/res/rtdataon_%1.png", nullptr, false},
        {ui->RTDataOffBtn, ":/icon/res/rtdataoff_%1.png", nullptr, false},
        {ui->RTDataDownBtn, ":/icon/res/download_%1.png", nullptr, false},
        {ui->ClearRTDataBtn, ":/icon/res/cleanallen_%1.png", ":/icon/res/pressed.png", false},
        {ui->AlarmLab, ":/icon/res/Alarmprotecet_%1.png", nullptr, true},
        {ui->ConfigDownBtn, ":/icon/res/download_%1.png", ":/icon/res/pressed.png", false},
        {ui->HisEveBtn, ":/icon/res/event_%1.png", nullptr, false},
        {ui->HistBtn, ":/icon/res/HistBtn_%1.png", nullptr, false},
        {ui->ContinueBtn, ":/icon/res/continue_%1.png", nullptr, false},
        {ui->HisDownBtn, ":/icon/res/download_%1.png", nullptr, false},
    };
    for (const LanguagePicture& p : pictures)
        p.widget->setStyleSheet(pictureSheet(p, code));
    ui->UpdateMessToolBtn->setIcon(QIcon(QString(":/icon/res/UpdateMess_%1.jpg").arg(code)));
    const QList<LanguagePicture> upgradeButtons = {
        {ui->UpDateBtn, ":/icon/res/UpdateBtn_%1.png", ":/icon/res/PressShawdow.png", false},
        {ui->WakeBtn, ":/icon/res/wake_%1.png", ":/icon/res/PressShawdow.png", false},
        {ui->UbootBtn, ":/icon/res/uboot_%1.png", ":/icon/res/PressShawdow.png", false},
    };
    for (const LanguagePicture& p : upgradeButtons)
        p.widget->setStyleSheet(pictureSheet(p, code));
    setViewsLanguage(code);
    // The shown page's button keeps its pressed picture, now in the new language.
    setPageButtons(shownPageButton());
    // Password gates and barcode windows left open take the new pictures as well.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* gate = qobject_cast<UpdataLogin*>(w))
            gate->setImageSuffix(code);
        else if (auto* barcode = qobject_cast<AddBarcode*>(w))
            barcode->setLanguage(code);
    }
}

void BMSMainWin::createLanguageMenu() {
    m_langGroup = new QActionGroup(ui->menuLanguage);
    m_langGroup->setExclusive(true);
    connect(m_langGroup, &QActionGroup::triggered, this, &BMSMainWin::slotLanguageChanged);

    m_langPath = toolbox::languagesFolder();
    const QStringList files =
        QDir(m_langPath).entryList({"TranslationExample_*qm"}, QDir::Files, QDir::Name);
    for (QString code : files) {
        code.truncate(code.lastIndexOf('.'));
        code.remove(0, code.lastIndexOf('_') + 1);
        const QString text = QLocale::languageToString(QLocale(code).language());
        auto* action = new QAction(QIcon(QString("%1/%2.png").arg(m_langPath, code)), text, this);
        action->setObjectName(text);
        action->setCheckable(true);
        action->setData(code);
        ui->menuLanguage->addAction(action);
        m_langGroup->addAction(action);
        if (code == m_currLang)
            action->setChecked(true);
    }
}

void BMSMainWin::slotLanguageChanged(QAction* action) {
    if (!action)
        return;
    const QString code = action->data().toString();
    loadLanguage(code);
    m_settings->setValue("Language/lastLanguage", code);
}

void BMSMainWin::loadLanguage(const QString& code) {
    if (code == m_currLang)
        return;
    m_currLang = code;
    QLocale::setDefault(QLocale(code));
    switchTranslator(m_appTranslator, QString("TranslationExample_%1.qm").arg(code));
    switchTranslator(m_qtTranslator, QString("qt_%1.qm").arg(code));
    applyLanguageImages(code);
    qDebug() << "change0";
}

void BMSMainWin::switchTranslator(QTranslator* translator, const QString& fileName) {
    if (!translator)
        return;
    qDebug() << (QCoreApplication::removeTranslator(translator) ? "remove success" : "remove fail");
    const QString path = toolbox::languagesFolder() + '/' + fileName;
    qDebug() << "load path:" << path;
    if (translator->load(path)) {
        qDebug() << (QCoreApplication::installTranslator(translator) ? "install success"
                                                                     : "install fail");
    }
}

bool BMSMainWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetranslateMainWindow();
        qDebug() << "change1";
        prompts().information(this, tr("Message"),
                              tr("The language has changed successfully!\nPlease restart if "
                                 "there is a problem with the interface!"),
                              QMessageBox::Yes);
    }
    return QMainWindow::eventFilter(watched, event);
}

void BMSMainWin::RetranslateMainWindow() {
    ui->retranslateUi(this);
    m_commandStateLab->setText(tr("Command State:"));
    m_transmitLab->setText(tr("Transmit progress:"));
    CurrTimeTimerOut();
    setWindowTitle(m_windowTitle);
    retranslateSerialSettings();
    retranslateConfigPage();
    retranslateRecords();
    retranslateRealTimeCharts();
    retranslateViews();
    if (ui->StackWid->currentWidget() == ui->page)
        fillMessageCatalogue();
    // The transfer and wait windows retranslate themselves on the same event.
}

// One user message per label of the catalogue page, in the current language, so that a
// translation can be read over in one place.
void BMSMainWin::fillMessageCatalogue() {
    const QList<CatalogueMessage> messages = messageCatalogue();
    for (int i = 0; i < messages.size(); ++i) {
        const int number = i + kFirstCatalogueLabel;
        auto* label = findChild<QLabel*>(QString("label_%1").arg(number));
        if (!label)
            label = addCatalogueLabel(number);
        label->setText(QCoreApplication::translate(messages.at(i).context, messages.at(i).source));
    }
}

// A label like the form's own, in the next cell of the second tab; the stretch that keeps
// the labels at the top moves below it.
QLabel* BMSMainWin::addCatalogueLabel(int number) {
    auto* label = new QLabel(ui->tab_2);
    label->setObjectName(QString("label_%1").arg(number));
    label->setWordWrap(true);
    label->setMinimumHeight(ui->label_53->minimumHeight());
    const int cell = number - kFirstSecondTabLabel;
    const int row = cell / kCatalogueColumns;
    ui->gridLayout_8->setRowStretch(row, 0);
    ui->gridLayout_8->setRowStretch(row + 1, 1);
    ui->gridLayout_8->addWidget(label, row, cell % kCatalogueColumns);
    return label;
}
