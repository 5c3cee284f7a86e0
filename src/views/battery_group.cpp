#include "views/battery_group.h"

#include "ui_battery_group.h"
#include "views/stale_look.h"
#include "views/views_constants.h"

#include <QDebug>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QString formatDouble(double value) {
    return QString::number(value, 'g', 6);
}

QString alarmCaption(AlarmField field) {
    switch (field) {
    case AlarmField::Basic:
        return BatteryGroup::tr("BasicState: bat");
    case AlarmField::Volt:
        return BatteryGroup::tr("VoltState: bat");
    case AlarmField::Curr:
        return BatteryGroup::tr("CurrState: bat");
    case AlarmField::Temp:
        return BatteryGroup::tr("TempState: bat");
    case AlarmField::CellVol:
        return BatteryGroup::tr("CellVolState: bat");
    case AlarmField::CellTemp:
        return BatteryGroup::tr("CellTempState: bat");
    }
    return QString();
}

// Alarm text lines of one "pwr" row: caption + battery number + " " + state.
QString rowAlarmLines(const BatteryStatusRow& row) {
    QString lines;
    for (const RowAlarm& alarm : rowAlarms(row))
        lines += alarmCaption(alarm.field) + row.batNum + " " + alarm.state + "\n";
    if (!lines.isEmpty() && !row.alarmTime.startsWith("-")) {
        lines += BatteryGroup::tr("AlarmTime: bat") + row.batNum + " " + row.alarmTime + "\n\r";
    }
    return lines;
}

} // namespace

BatteryGroup::BatteryGroup(QWidget* parent) : QWidget(parent), ui(new Ui::BatteryGroup) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < views::kMaxBatteries; ++i) {
        balanceIndicator(i)->hide();
    }
    ui->AlarmIconLab->hide();
    m_staleCaption = addStaleCaption(this, ui->verticalLayout);
    connectControls();
}

BatteryGroup::~BatteryGroup() {
    delete ui;
}

void BatteryGroup::connectControls() {
    const QList<QPair<QPushButton*, UnitControl>> controls = {
        {ui->CmosOnBtn, UnitControl::ChargeOn},    {ui->CmosOffBtn, UnitControl::ChargeOff},
        {ui->DmosOnBtn, UnitControl::DischargeOn}, {ui->DmosOffBtn, UnitControl::DischargeOff},
        {ui->SelfTestBtn, UnitControl::SelfTest},
    };
    for (const auto& c : controls) {
        const UnitControl control = c.second;
        connect(c.first, &QPushButton::clicked, this,
                [this, control] { emit ControlRequested(control); });
    }
}

void BatteryGroup::enableControls(bool enabled) {
    for (QPushButton* b :
         {ui->CmosOnBtn, ui->CmosOffBtn, ui->DmosOnBtn, ui->DmosOffBtn, ui->SelfTestBtn})
        b->setEnabled(enabled);
}

QRadioButton* BatteryGroup::balanceIndicator(int index) const {
    return findChild<QRadioButton*>(QString("Bat%1RadBtn").arg(index + 1));
}

void BatteryGroup::setCmos(const QString& caption, const QString& state) {
    m_cmosState = state;
    m_cmosCaption = caption;
    showSwitchCaptions();
}

void BatteryGroup::setDmos(const QString& caption, const QString& state) {
    m_dmosState = state;
    m_dmosCaption = caption;
    showSwitchCaptions();
}

void BatteryGroup::showSwitchCaptions() {
    // The four captions are marked for translation where the status parser picks them.
    ui->CmosRadiBtn->setText(tr(m_cmosCaption.toUtf8().constData()));
    ui->DmosRadiBtn->setText(tr(m_dmosCaption.toUtf8().constData()));
}

void BatteryGroup::refreshSysData() {
    m_showsData = true;
    enableControls(!isGreyed());
    ui->StateLab->setText(m_sysState.isEmpty() ? tr("State: --") : tr("State: ") + m_sysState);
    ui->PreNumLab->setText(m_presentNum == views::kNoData
                               ? tr("Present Num: --")
                               : tr("Present Num: ") + QString::number(m_presentNum));
    ui->TotalVolLab->setText(m_totalVolt == views::kNoDataDouble
                                 ? tr("Total Voltage: -- V")
                                 : tr("Total Voltage: ") + formatDouble(m_totalVolt) + " V");
    ui->TotalCurrLab->setText(m_totalCurr == views::kNoDataDouble
                                  ? tr("Total Current: -- A")
                                  : tr("Total Current: ") + formatDouble(m_totalCurr) + " A");
    ui->TotalSOCLab->setText(m_totalSoc == views::kNoData
                                 ? tr("Total SOC: -- %")
                                 : tr("Total SOC: ") + QString::number(m_totalSoc) + " %");
    ui->TotalSOHLab->setText(m_totalSoh == views::kNoData
                                 ? tr("Total SOH: -- %")
                                 : tr("Total SOH: ") + QString::number(m_totalSoh) + " %");
    ui->CmosRadiBtn->setChecked(m_cmosState == "ON");
    ui->DmosRadiBtn->setChecked(m_dmosState == "ON");
}

void BatteryGroup::refreshAlarmText() {
    ui->AlarmTextBrow->clear();
    QString text;
    for (const BatteryStatusRow& row : qAsConst(m_batInfoList)) {
        text += rowAlarmLines(row);
    }
    ui->AlarmTextBrow->setText(text);
    showAlarmLook(!text.isEmpty());
    ui->AlarmTextBrow->setPlaceholderText(tr("No active alarm"));
    const QVector<int> alarmed = ::alarmedBatteries(m_batInfoList.toVector());
    if (alarmed != m_alarmed) {
        m_alarmed = alarmed;
        restyleButtons();
    }
}

// Red text and border, a warning sign under the heading; without an alarm the box keeps
// the view's own style.
void BatteryGroup::showAlarmLook(bool active) {
    ui->AlarmIconLab->setVisible(active);
    ui->AlarmTextBrow->setStyleSheet(
        active ? QString("QTextBrowser{color: %1; background-color: %2; border: 2px solid %1;}")
                     .arg(views::kAlarmCss, views::kAlarmTintCss)
               : QString());
}

bool BatteryGroup::alarmShown() const {
    return !ui->AlarmIconLab->isHidden() && !ui->AlarmTextBrow->toPlainText().isEmpty();
}

void BatteryGroup::setShownBattery(int batNum) {
    if (batNum == m_shownBattery) {
        return;
    }
    m_shownBattery = batNum;
    restyleButtons();
}

void BatteryGroup::restyleButtons() {
    for (QPushButton* button : qAsConst(m_batButtons)) {
        button->setStyleSheet(batButtonStyle(button->objectName().mid(6).toInt()));
    }
}

void BatteryGroup::setStaleCaption(const QString& caption) {
    showStale(ui->GroupWid, m_staleCaption, caption);
    // A switch command cannot be judged against values that are not live.
    enableControls(m_showsData && caption.isEmpty());
}

QString BatteryGroup::staleCaption() const {
    return m_staleCaption->text();
}

bool BatteryGroup::isGreyed() const {
    return ::isGreyed(ui->GroupWid);
}

void BatteryGroup::refreshBalance() {
    const int count = qMin(m_balanceList.size(), views::kMaxBatteries);
    for (int i = 0; i < count; ++i) {
        QRadioButton* indicator = balanceIndicator(i);
        indicator->setChecked(m_balanceList.at(i) == "1");
        indicator->setVisible(true);
    }
}

void BatteryGroup::clearBatButtons() {
    m_batButtons.clear();
    const QList<QWidget*> children =
        ui->GroupBattBtnWid->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        child->hide();
        child->deleteLater();
    }
}

QSize BatteryGroup::batButtonSize() const {
    // The widest caption decides; every button gets the same size so the columns line up.
    const QFontMetrics metrics(batButtonFont());
    const int textWidth = metrics.horizontalAdvance(batButtonCaption(views::kMaxBatteries));
    const QSize fitted(textWidth + 2 * views::kBatButtonTextPadX,
                       metrics.height() + views::kBatButtonTextPadY);
    return fitted.expandedTo(scaled(views::kBatButtonWidth, views::kBatButtonHeight));
}

QFont BatteryGroup::batButtonFont() const {
    return QFont("Arial", qMax(views::kBatButtonMinPoints,
                               static_cast<int>(views::kBatButtonPoints * m_horizontalScale)));
}

QString BatteryGroup::batButtonCaption(int batNum) {
    return tr("Battery %1").arg(batNum);
}

int BatteryGroup::buttonLeftMargin() const {
    return m_horizontalScale <= views::kScaleSmall ? 0 : 9;
}

QPoint BatteryGroup::batButtonPos(int index) const {
    const QSize button = batButtonSize();
    const int row = index % views::kBatButtonsPerColumn;
    const int column = index / views::kBatButtonsPerColumn;
    const int gap = qMax(2, static_cast<int>(views::kBatButtonGap * m_verticalScale));
    const int x = column * (buttonLeftMargin() + button.width() +
                            static_cast<int>(views::kBatButtonColumnGap * m_horizontalScale));
    const int y =
        static_cast<int>(views::kBatButtonTopY * m_verticalScale) + row * (button.height() + gap);
    return QPoint(x, y);
}

QString BatteryGroup::batButtonStyle(int batNum) const {
    // The battery in alarm and the one whose detail is shown are framed.
    const bool alarm = m_alarmed.contains(batNum);
    const bool shown = batNum == m_shownBattery;
    const QColor tint = views::shownTint();
    const QString background =
        shown   ? QString("background: %1;").arg(tint.name())
        : alarm ? QString("background: %1;").arg(views::kAlarmTintCss)
                : QString("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fafcff, "
                          "stop:1 #dbe6fa);");
    const QString border = QString("border: %1px solid %2;")
                               .arg(alarm || shown ? 2 : 1)
                               .arg(alarm ? views::kAlarmCss : views::kThemeCss);
    const QString colour =
        QString("color: %1;").arg(alarm ? views::kAlarmCss : views::kThemeDarkCss);
    return QString("QPushButton{%1 %2 %3 border-radius: 4px; padding: 0px;}"
                   "QPushButton:pressed{background: #c4d4f4;}")
        .arg(background, border, colour);
}

void BatteryGroup::placeBatButtons() {
    const QSize size = batButtonSize();
    const QFont font = batButtonFont();
    for (int i = 0; i < m_batButtons.size(); ++i) {
        QPushButton* button = m_batButtons.at(i);
        button->setFont(font);
        button->setText(batButtonCaption(i + 1));
        button->setFixedSize(size);
        button->parentWidget()->adjustSize();
        button->parentWidget()->move(batButtonPos(i));
    }
    // Room for both columns of a full rack, so the view never cuts the eighth row.
    const QPoint last = batButtonPos(views::kMaxBatteries - 1);
    ui->GroupBattBtnWid->setMinimumSize(last.x() + buttonLeftMargin() + size.width() + 1,
                                        last.y() + size.height() + 4);
}

void BatteryGroup::createBatButtons() {
    if (m_presentNum == views::kNoData) {
        return;
    }
    clearBatButtons();
    // Only sixteen batteries have a button; a wild count from the line must not flood the
    // view with widgets.
    const int count = qBound(0, m_presentNum, views::kMaxBatteries);
    for (int i = 0; i < count; ++i) {
        auto* container = new QWidget(ui->GroupBattBtnWid);
        auto* layout = new QGridLayout(container);
        layout->setContentsMargins(buttonLeftMargin(), 0, 0, 0);
        auto* button = new QPushButton(container);
        button->setObjectName(QString("batBtn%1").arg(i + 1));
        button->setStyleSheet(batButtonStyle(i + 1));
        button->setToolTip(tr("Bat %1").arg(i + 1));
        layout->addWidget(button, 0, 0);
        container->show();
        m_batButtons.append(button);
        connect(button, &QPushButton::clicked, this, &BatteryGroup::BtnBatClicked);
    }
    placeBatButtons();
}

void BatteryGroup::BtnBatClicked() {
    const QString name = sender() ? sender()->objectName() : QString();
    qDebug() << "btnname:" << name;
    bool ok = false;
    const int number = name.startsWith("batBtn") ? name.mid(6).toInt(&ok) : 0;
    if (!ok || number < 1 || number > views::kMaxBatteries ||
        name != QString("batBtn%1").arg(number)) {
        startCooldown();
        return;
    }
    emitChoice(number);
}

void BatteryGroup::selectBattery(int batNum) {
    if (!isEnabled() || batNum < 1 || batNum > m_batButtons.size())
        return;
    emitChoice(batNum);
}

bool BatteryGroup::startCooldown() {
    if (!m_clickTimer) {
        m_clickTimer = new QTimer(this);
        m_clickTimer->setInterval(views::kBatButtonCooldownMs);
        m_clickTimer->setSingleShot(true);
    }
    const bool active = m_clickTimer->isActive();
    if (!active) {
        m_clickTimer->start();
    }
    return active;
}

void BatteryGroup::emitChoice(int number) {
    const bool active = startCooldown();
    qDebug() << "click:" << number;
    emit GroupBattBtnClick(active, number);
}

QString BatteryGroup::mosStyle() const {
    const QString suffix = m_langSuffix.isEmpty() ? QString() : "_" + m_langSuffix;
    QString size;
    // At full size the switch pictures keep their own size; a small gap keeps the caption
    // off the picture.
    QString spacing;
    if (m_horizontalScale <= views::kScaleTiny) {
        size = "width: 27px; height: 20px;";
    } else if (m_horizontalScale <= views::kScaleSmall) {
        size = "width: 50px; height: 20px;";
    } else if (m_horizontalScale <= views::kScaleLarge) {
        size = "width: 60px; height: 30px;";
    } else {
        spacing = "QRadioButton{spacing: 6px;}";
    }
    return spacing +
           QString("QRadioButton::indicator{%1}"
                   "QRadioButton::indicator:unchecked{image: url(:/icon/res/mosoff%2.png);}"
                   "QRadioButton::indicator:checked{image: url(:/icon/res/moson%2.png);}")
               .arg(size, suffix);
}

void BatteryGroup::applyMosStyle() {
    ui->CmosRadiBtn->setStyleSheet(mosStyle());
    ui->DmosRadiBtn->setStyleSheet(mosStyle());
}

QSize BatteryGroup::scaled(int width, int height) const {
    return QSize(static_cast<int>(width * m_horizontalScale),
                 static_cast<int>(height * m_verticalScale));
}

void BatteryGroup::scaleFreeSizes() {
    placeBatButtons();
    ui->BatteryLab->setMinimumSize(scaled(views::kGroupPictureWidth, views::kGroupPictureHeight));
    ui->AlarmLab->setFixedSize(scaled(views::kSidePictureWidth, views::kSidePictureHeight));
    ui->BalanceLab->setFixedSize(scaled(views::kSidePictureWidth, views::kSidePictureHeight));
    ui->AlarmTextBrow->setMinimumWidth(scaled(views::kAlarmTextMinWidth, 0).width());
}

void BatteryGroup::setScale(double horizontalScale, double verticalScale) {
    m_horizontalScale = horizontalScale;
    m_verticalScale = verticalScale;
    scaleFreeSizes();
    if (horizontalScale <= views::kScaleTiny) {
        ui->gridLayout_7->setContentsMargins(5, 5, 5, 5);
        ui->gridLayout_4->setContentsMargins(1, 1, 1, 1);
        ui->gridLayout_7->setHorizontalSpacing(0);
        ui->gridLayout_5->setHorizontalSpacing(1);
        ui->gridLayout_4->setHorizontalSpacing(1);
        ui->gridLayout_3->setHorizontalSpacing(0);
        ui->gridLayout_9->setHorizontalSpacing(1);
        ui->gridLayout_9->setVerticalSpacing(1);
        for (int i = 0; i < views::kMaxBatteries; ++i) {
            balanceIndicator(i)->setFont(QFont("Arial", 6));
        }
        ui->AlarmLab->setFixedSize(20, 40);
        ui->BalanceLab->setFixedSize(25, 40);
    } else if (horizontalScale <= views::kScaleSmall) {
        ui->BalanceLab->setFixedSize(30, 40);
    } else if (horizontalScale <= views::kScaleLarge) {
        ui->gridLayout_9->setHorizontalSpacing(0);
    } else {
        return;
    }
    applyMosStyle();
}

void BatteryGroup::setLanguage(const QString& suffix) {
    if (suffix == m_langSuffix) {
        return;
    }
    m_langSuffix = suffix;
    ui->BatteryLab->setStyleSheet(QString("image: url(:/icon/res/group_%1.jpg);").arg(suffix));
    ui->AlarmLab->setStyleSheet(QString("image: url(:/icon/res/alarm_%1.jpg);").arg(suffix));
    ui->BalanceLab->setStyleSheet(QString("image: url(:/icon/res/balance_%1.png);").arg(suffix));
    applyMosStyle();
    restyleButtons();
}

void BatteryGroup::retranslate() {
    ui->retranslateUi(this);
    showSwitchCaptions();
    for (QPushButton* button : qAsConst(m_batButtons))
        button->setToolTip(tr("Bat %1").arg(button->objectName().mid(6)));
    placeBatButtons(); // the captions' width changes with the language
    if (m_showsData) {
        refreshSysData();
        refreshAlarmText();
    }
}

void BatteryGroup::showCaptions() {
    ui->StateLab->setText(tr("State:"));
    ui->PreNumLab->setText(tr("Present Num:"));
    ui->TotalVolLab->setText(tr("Total Voltage:"));
    ui->TotalCurrLab->setText(tr("Total Current:"));
    ui->TotalSOCLab->setText(tr("Total SOC:"));
    ui->TotalSOHLab->setText(tr("Total SOH:"));
}

void BatteryGroup::resetGroup() {
    m_showsData = false;
    enableControls(false);
    m_presentNum = 0;
    m_batInfoList.clear();
    m_alarmed.clear();
    m_shownBattery = 0;
    ui->AlarmTextBrow->clear();
    // No unit, so no word on its alarms either.
    ui->AlarmTextBrow->setPlaceholderText(QString());
    showAlarmLook(false);
    for (int i = 0; i < views::kMaxBatteries; ++i) {
        balanceIndicator(i)->hide();
    }
    clearBatButtons();
    showCaptions();
    // The switch states go with the captions, so that the next status reply cannot show
    // a switch of the closed session as closed.
    m_cmosState = "OFF";
    m_dmosState = "OFF";
    m_cmosCaption = QStringLiteral("CMOS State ");
    m_dmosCaption = QStringLiteral("DMOS State ");
    showSwitchCaptions();
    ui->CmosRadiBtn->setChecked(false);
    ui->DmosRadiBtn->setChecked(false);
}
