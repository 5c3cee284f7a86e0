#include "views/battery_group.h"

#include "toolbox/picture_sheet.h"
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

// Layout margins and vertical spacing of a battery button's container, by scale band.
void applyButtonLayoutBand(QGridLayout* layout, double horizontalScale) {
    if (horizontalScale <= views::kScaleTiny) {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setVerticalSpacing(0);
    } else if (horizontalScale <= views::kScaleSmall) {
        layout->setContentsMargins(3, 0, 0, 0);
        layout->setVerticalSpacing(3);
    } else {
        layout->setContentsMargins(9, 0, 0, 0);
        layout->setVerticalSpacing(3);
    }
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

QPoint BatteryGroup::batButtonPos(int index, double horizontalScale, double verticalScale) {
    const int row = index % views::kBatButtonsPerColumn;
    const int x = index < views::kBatButtonsPerColumn
                      ? 0
                      : static_cast<int>(horizontalScale * views::kBatButtonColumnX);
    const int y =
        static_cast<int>((row * views::kBatButtonRowPitch + views::kBatButtonTopY) * verticalScale);
    return QPoint(x, y);
}

QString BatteryGroup::batButtonStyle(int batNum) const {
    // Battery buttons exist only as language pictures: before any language is set they
    // show the English ones rather than nothing.
    const QString suffix = m_langSuffix.isEmpty() ? QString("en") : m_langSuffix;
    // A battery in alarm and the one whose detail is shown get a frame laid over the picture.
    const bool alarm = m_alarmed.contains(batNum);
    const bool shown = batNum == m_shownBattery;
    const QString mark = alarm && shown ? "batmarkboth" : alarm ? "batmarkalarm" : "batmarkshown";
    const QString image =
        alarm || shown ? QString(" image: url(:/icon/res/%1.png);").arg(mark) : QString();
    return pictureButtonSheet(QString("Bat%1").arg(batNum), suffix, image);
}

void BatteryGroup::createBatButtons() {
    if (m_presentNum == views::kNoData) {
        return;
    }
    clearBatButtons();
    // Only sixteen batteries have a button; a wild count from the line must not flood the
    // view with widgets.
    const int count = qBound(0, m_presentNum, views::kMaxBatteries);
    const QSize buttonSize(static_cast<int>(m_horizontalScale * views::kBatButtonWidth),
                           static_cast<int>(m_verticalScale * views::kBatButtonHeight));
    for (int i = 0; i < count; ++i) {
        auto* container = new QWidget(ui->GroupBattBtnWid);
        auto* layout = new QGridLayout(container);
        applyButtonLayoutBand(layout, m_horizontalScale);
        auto* button = new QPushButton(container);
        button->setObjectName(QString("batBtn%1").arg(i + 1));
        button->setStyleSheet(batButtonStyle(i + 1));
        button->setFixedSize(buttonSize);
        button->setToolTip(tr("Bat %1").arg(i + 1));
        layout->addWidget(button, 0, 0);
        container->move(batButtonPos(i, m_horizontalScale, m_verticalScale));
        container->show();
        m_batButtons.append(button);
        connect(button, &QPushButton::clicked, this, &BatteryGroup::BtnBatClicked);
    }
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
    // Room for both button columns at this scale (left margin up to 9 px), so that the
    // view can shrink with the window without cutting the eighth row.
    const QPoint last = batButtonPos(views::kMaxBatteries - 1, m_horizontalScale, m_verticalScale);
    const QSize button = scaled(views::kBatButtonWidth, views::kBatButtonHeight);
    ui->GroupBattBtnWid->setMinimumSize(last.x() + button.width() + 10,
                                        last.y() + button.height() + 4);
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
