#include "views/battery_info.h"

#include "toolbox/picture_sheet.h"
#include "ui_battery_info.h"
#include "views/add_barcode.h"
#include "views/stale_look.h"
#include "views/views_constants.h"

#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

using namespace QtCharts;

namespace {

QString formatCellValue(double value) {
    return QString::number(value, 'g', 6);
}

// A cell value the unit printed unreadable.
QString formatCellValue(const std::optional<double>& value) {
    return value ? formatCellValue(*value) : QStringLiteral("—");
}

bool missing(double value) {
    return value == views::kNoDataDouble;
}
bool missing(int value) {
    return value == views::kNoData;
}

// Caption + value, or the caption's own placeholder when the value is empty.
QString textOrPlaceholder(const QString& caption, const QString& placeholder,
                          const QString& value) {
    return value.isEmpty() ? placeholder : caption + value;
}

QLineSeries* makeSeries(const QList<QPair<QPointF, QString>>& points, const QString& name) {
    auto* series = new QLineSeries;
    QVector<QPointF> data;
    data.reserve(points.size());
    for (const auto& point : points) {
        data.append(point.first);
    }
    series->replace(data);
    series->setName(points.isEmpty() ? name : points.first().second);
    series->setPointsVisible(true);
    return series;
}

} // namespace

QPair<double, double> cellTempAxisRange(const QList<double>& temperatures) {
    double lowest = temperatures.isEmpty() ? 0.0 : temperatures.first();
    double highest = 0.0;
    for (double t : temperatures) {
        lowest = qMin(lowest, t);
        highest = qMax(highest, t);
    }
    return {std::trunc(lowest) - 2.0, std::trunc(highest) + 2.0};
}

BatteryInfo::BatteryInfo(QWidget* parent) : QWidget(parent), ui(new Ui::BatteryInfo) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setupChart();
    setupTable();
    ui->CellStackWid->setCurrentIndex(0);
    ui->AddBarBtn->hide();
    m_staleCaption = addStaleCaption(this, ui->verticalLayout);
    m_choiceNotice = new QLabel(this);
    m_choiceNotice->setObjectName("ChoiceNoticeLab");
    m_choiceNotice->setAlignment(Qt::AlignCenter);
    m_choiceNotice->setWordWrap(true);
    m_choiceNotice->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_choiceNotice->setStyleSheet("QLabel{color: #606060; font: 14pt \"Arial\";}");
    m_choiceNotice->setText(choiceNotice());
    m_choiceNotice->hide();
    ui->verticalLayout->addWidget(m_choiceNotice);
    // Its alarm frame hugs the text rather than the whole column.
    ui->TempLab->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    connect(ui->ChangeBtn, &QPushButton::clicked, this, &BatteryInfo::ChangeBtn_clicked);
    connect(ui->AddBarBtn, &QPushButton::clicked, this, &BatteryInfo::AddBarBtn_clicked);
}

BatteryInfo::~BatteryInfo() {
    delete ui;
}

void BatteryInfo::setupChart() {
    m_chart = new QChart;
    m_chart->setMargins(QMargins(0, 0, 0, 0));
    m_chart->setBackgroundRoundness(0);
    m_chart->setTitleBrush(views::themeColor());
    m_cellAxis = new QValueAxis(m_chart);
    m_cellAxis->setLabelFormat("%d");
    m_cellAxis->setRange(1, 5);
    m_cellAxis->setTickCount(5);
    m_voltAxis = new QValueAxis(m_chart);
    m_voltAxis->setLabelFormat("%.1f ");
    m_voltAxis->setRange(0, 5);
    m_tempAxis = new QValueAxis(m_chart);
    m_tempAxis->setLabelFormat("%.1f");
    m_tempAxis->setRange(0, 1);
    for (QValueAxis* axis : {m_cellAxis, m_voltAxis, m_tempAxis}) {
        axis->setTitleBrush(views::themeColor());
    }
    m_chart->addAxis(m_cellAxis, Qt::AlignBottom);
    m_chart->addAxis(m_voltAxis, Qt::AlignLeft);
    m_chart->addAxis(m_tempAxis, Qt::AlignRight);
    setChartFonts(12, 7, 11, 9);
    retranslate();
    // The view gives up its own default chart without deleting it.
    QChart* const defaultChart = ui->cellLineChart->chart();
    ui->cellLineChart->setChart(m_chart);
    delete defaultChart;
    ui->cellLineChart->setRenderHint(QPainter::Antialiasing);
}

void BatteryInfo::setupTable() {
    m_cellModel = new QStandardItemModel(0, views::kCellTableColumns, this);
    ui->cellTableView->setModel(m_cellModel);
    ui->cellTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->cellTableView->verticalHeader()->hide();
    retranslate();
}

void BatteryInfo::setChartFonts(int title, int legend, int axisTitle, int axisLabel) {
    m_chart->setTitleFont(QFont("Arial", title));
    m_chart->legend()->setFont(QFont("Arial", legend));
    for (QValueAxis* axis : {m_cellAxis, m_voltAxis, m_tempAxis}) {
        axis->setTitleFont(QFont("Arial", axisTitle));
        axis->setLabelsFont(QFont("Arial", axisLabel));
    }
}

void BatteryInfo::refreshInfo() {
    m_showsInfo = true;
    ui->AddBarBtn->setVisible(m_barcode.isEmpty() && !m_devAdd.isEmpty());
    ui->AddLab->setText(
        textOrPlaceholder(tr("Device Address: "), tr("Device Address: --"), m_devAdd));
    ui->BootLab->setText(
        textOrPlaceholder(tr("Boot Version: "), tr("Boot Version: --"), m_bootVer));
    ui->BarcodeLab->setText(textOrPlaceholder(tr("Barcode: "), tr("Barcode: --"), m_barcode));
    ui->SpeciLab->setText(
        textOrPlaceholder(tr("Specification: "), tr("Specification: --"), m_packRating));
    ui->SoftVerLab->setText(
        textOrPlaceholder(tr("Main Soft Version: "), tr("Main Soft Version: --"), m_mainSoftVer));
    ui->CommVerLab->setText(
        textOrPlaceholder(tr("Comm Version: "), tr("Comm Version: --"), m_commVer));
    ui->MaxChargeLab->setText(textOrPlaceholder(tr("Max Charge Current: "),
                                                tr("Max Charge Current: --"), m_maxChargeCurr));
    ui->ReleaLab->setText(
        textOrPlaceholder(tr("Release Date: "), tr("Release Date: --"), m_releaseDate));
    ui->CellNumLab->setText(missing(m_cellNum) ? tr("Cell Number: --")
                                               : tr("Cell Number: ") + QString::number(m_cellNum));
}

void BatteryInfo::refreshPwr() {
    m_showsPwr = true;
    ui->SOCLab->setText(missing(m_soc) ? tr("SOC: -- %")
                                       : tr("SOC: ") + QString::number(m_soc) + " %");
    ui->SOHLab->setText(missing(m_soh) ? tr("SOH: -- %")
                                       : tr("SOH: ") + formatCellValue(m_soh) + " %");
    ui->CapaLab->setText(missing(m_capacity) ? tr("Capacity: -- AH")
                                             : tr("Capacity: ") + formatCellValue(m_capacity) + " AH");
    ui->CurrLab->setText(missing(m_current) ? tr("Current: -- A")
                                            : tr("Current: ") + formatCellValue(m_current) + " A");
    ui->TempLab->setText(missing(m_temperature)
                             ? tr("Temp: -- ℃")
                             : tr("Temp: ") + formatCellValue(m_temperature) + " ℃");
    ui->MaxVolLab->setText(missing(m_maxCellVolt)
                               ? tr("Max Voltage: -- V")
                               : tr("Max Voltage: ") + formatCellValue(m_maxCellVolt) + " V");
    ui->MinVolLab->setText(missing(m_minCellVolt)
                               ? tr("Min Voltage: -- V")
                               : tr("Min Voltage: ") + formatCellValue(m_minCellVolt) + " V");
    ui->VolDiffLab->setText(missing(m_maxCellVolt) || missing(m_minCellVolt)
                                ? tr("Vol Difference: -- V")
                                : tr("Vol Difference: ") +
                                      formatCellValue(m_maxCellVolt - m_minCellVolt) + " V");
    ui->MaxVoltdLab->setText(missing(m_maxVolCell)
                                 ? tr("Max Vol ID: --")
                                 : tr("Max Vol ID: ") + QString::number(m_maxVolCell + 1));
    ui->MinVoltIdLab->setText(missing(m_minVolCell)
                                  ? tr("Min Vol ID: --")
                                  : tr("Min Vol ID: ") + QString::number(m_minVolCell + 1));
    ui->BasStaLab->setText(
        textOrPlaceholder(tr("Basic Status: "), tr("Basic Status: --"), m_basicStatus));
    ui->SysDefaultLab->setText(
        textOrPlaceholder(tr("System Fault: "), tr("System Fault: --"), m_sysFault));
}

void BatteryInfo::rebuildPoints() {
    m_voltPoints.clear();
    m_tempPoints.clear();
    // An unreadable value is no point: the line skips the cell rather than diving to 0.
    for (const CellRecord& cell : qAsConst(m_cells)) {
        if (cell.voltage)
            m_voltPoints.append({QPointF(cell.number + 1, *cell.voltage), tr("Volt")});
        if (cell.temperature)
            m_tempPoints.append({QPointF(cell.number + 1, *cell.temperature), tr("Temp")});
    }
}

void BatteryInfo::rebuildChart() {
    QList<double> temperatures;
    for (const auto& point : qAsConst(m_tempPoints)) {
        temperatures.append(point.first.y());
    }
    const QPair<double, double> tempRange = cellTempAxisRange(temperatures);
    qDebug() << "MinTemp" << tempRange.first + 2.0;
    m_chart->removeAllSeries();

    // A single cell still needs an axis of some width; a wild cell count from the line
    // must not ask the chart for a million tick labels.
    const int lastCell = qMax(m_cellNum, 2);
    qDebug() << "Cellnumber:" << m_cellNum;
    m_cellAxis->setRange(1, lastCell);
    m_cellAxis->setTickCount(qMin(lastCell, views::kMaxCellTicks));

    QLineSeries* voltSeries = makeSeries(m_voltPoints, tr("Volt"));
    m_chart->addSeries(voltSeries);
    voltSeries->attachAxis(m_cellAxis);
    voltSeries->attachAxis(m_voltAxis);
    m_voltAxis->setRange(views::kCellVoltAxisMin, views::kCellVoltAxisMax);
    m_voltAxis->setTickCount(views::kCellAxisTicks);

    QLineSeries* tempSeries = makeSeries(m_tempPoints, tr("Temp"));
    m_chart->addSeries(tempSeries);
    tempSeries->attachAxis(m_cellAxis);
    tempSeries->attachAxis(m_tempAxis);
    m_tempAxis->setRange(tempRange.first, tempRange.second);
    m_tempAxis->setTickCount(views::kCellAxisTicks);
}

void BatteryInfo::rebuildTable() {
    m_cellModel->removeRows(0, m_cellModel->rowCount());
    for (int i = 0; i < m_cells.size(); ++i) {
        const CellRecord& cell = m_cells.at(i);
        const int row = i / views::kCellsPerTableRow;
        const int column = (i % views::kCellsPerTableRow) * 3;
        if (row >= m_cellModel->rowCount()) {
            m_cellModel->insertRow(row);
        }
        const QStringList texts = {QString::number(cell.number + 1), formatCellValue(cell.voltage),
                                   formatCellValue(cell.temperature)};
        for (int k = 0; k < texts.size(); ++k) {
            auto* item = new QStandardItem(texts.at(k));
            item->setTextAlignment(Qt::AlignCenter);
            m_cellModel->setItem(row, column + k, item);
        }
    }
}

void BatteryInfo::refreshCells() {
    rebuildPoints();
    if (!missing(m_cellNum)) {
        rebuildChart();
    }
    rebuildTable();
}

void BatteryInfo::clearCells() {
    m_chart->removeAllSeries();
    m_cellModel->removeRows(0, m_cellModel->rowCount());
}

void BatteryInfo::setBatNum(int batNum) {
    ui->BattIdLab->setText(missing(batNum) ? QString() : QString::number(batNum));
}

void BatteryInfo::ChangeBtn_clicked() {
    m_tableShown = !m_tableShown;
    ui->CellStackWid->setCurrentIndex(m_tableShown ? 1 : 0);
    qDebug() << "afert cellLineChart size:" << m_chart->margins();
}

// Each press opens a window of its own; the barcode it takes goes on as MissBarcode.
void BatteryInfo::AddBarBtn_clicked() {
    auto* window = new AddBarcode(this);
    window->setLanguage(m_langSuffix.isEmpty() ? QStringLiteral("en") : m_langSuffix);
    connect(window, &AddBarcode::AddMissBarcode, this, &BatteryInfo::MissBarcode);
    window->adjustSize();
    window->move(this->window()->geometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
}

void BatteryInfo::setScale(double horizontalScale, double verticalScale) {
    m_horizontalScale = horizontalScale;
    m_verticalScale = verticalScale;
    applyFontBand();
    scalePictures();
    if (verticalScale <= views::kVScaleShort) {
        ui->gridLayout_chart->setRowStretch(0, 1);
        ui->gridLayout_chart->setRowStretch(1, 4);
        ui->gridLayout_chart->setRowStretch(2, 1);
    } else if (verticalScale <= views::kVScaleMedium) {
        ui->gridLayout_chart->setRowStretch(0, 2);
        ui->gridLayout_chart->setRowStretch(1, 4);
        ui->gridLayout_chart->setRowStretch(2, 2);
    }
}

void BatteryInfo::applyFontBand() {
    // Twelve table columns share the width of the chart: on small screens their headers
    // take the size of the chart's axis labels so that "Temp(℃)" is not cut.
    QHeaderView* header = ui->cellTableView->horizontalHeader();
    if (m_horizontalScale <= views::kScaleTiny) {
        setChartFonts(8, 3, 7, 5);
        header->setFont(QFont("Arial", 5));
    } else if (m_horizontalScale <= views::kScaleCompact) {
        setChartFonts(9, 4, 8, 6);
        header->setFont(QFont("Arial", 6));
    } else if (m_horizontalScale <= views::kScaleMedium) {
        setChartFonts(10, 5, 9, 7);
        header->setFont(QFont("Arial", 7));
    } else if (m_horizontalScale <= views::kScaleLarge) {
        setChartFonts(11, 6, 10, 8);
        header->setFont(QFont("Arial", 8));
    }
}

void BatteryInfo::scalePictures() {
    auto scaled = [this](int width, int height) {
        return QSize(static_cast<int>(width * m_horizontalScale),
                     static_cast<int>(height * m_verticalScale));
    };
    ui->ChangeBtn->setFixedSize(scaled(views::kChangeBtnWidth, views::kChangeBtnHeight));
    ui->AddBarBtn->setFixedSize(scaled(views::kAddBarBtnWidth, views::kAddBarBtnHeight));
    ui->InfoLab->setFixedSize(scaled(views::kInfoPictureWidth, views::kInfoPictureHeight));
    ui->BatteryLab->setMinimumSize(
        scaled(views::kBatteryPictureMinWidth, views::kBatteryPictureMinHeight));
    ui->BatteryLab->setMaximumSize(
        scaled(views::kBatteryPictureMaxWidth, views::kBatteryPictureMaxHeight));
    // The battery number is the view's headline: it stays larger than the window's font.
    ui->BattIdLab->setFont(
        QFont("Arial", qMax(12, static_cast<int>(22 * m_horizontalScale)), QFont::Bold));
}

void BatteryInfo::setLanguage(const QString& suffix) {
    if (suffix == m_langSuffix) {
        return;
    }
    m_langSuffix = suffix;
    ui->BatteryLab->setStyleSheet(QString("image: url(:/icon/res/BatTwo_%1.png);").arg(suffix));
    ui->InfoLab->setStyleSheet(QString("image: url(:/icon/res/info_%1.png);").arg(suffix));
    ui->ChangeBtn->setStyleSheet(pictureButtonSheet("details", suffix));
    ui->AddBarBtn->setStyleSheet(pictureButtonSheet("Add", suffix));
}

void BatteryInfo::setNoneChosen(bool none) {
    if (none == m_noneChosen)
        return;
    m_noneChosen = none;
    ui->InfoWid->setVisible(!none);
    m_choiceNotice->setVisible(none);
}

QString BatteryInfo::choiceNotice() const {
    return tr("Choose a battery to see its cells");
}

void BatteryInfo::retranslate() {
    ui->retranslateUi(this);
    if (m_choiceNotice)
        m_choiceNotice->setText(choiceNotice());
    if (m_chart) {
        m_chart->setTitle(tr("Cell Volt-Temp"));
        m_cellAxis->setTitleText(tr("Cell ID"));
        m_voltAxis->setTitleText(tr("Volt(V)"));
        m_tempAxis->setTitleText(tr("Temp(℃)"));
        rebuildPoints();
        const QList<QAbstractSeries*> series = m_chart->series();
        if (series.size() == 2) {
            series.at(0)->setName(tr("Volt"));
            series.at(1)->setName(tr("Temp"));
        }
    }
    if (m_cellModel) {
        // The table columns are narrow: translations keep to abbreviations there.
        const QStringList headers = {tr("Cell Id"), tr("Volt(V)", "cell table column"),
                                     tr("Temp(℃)", "cell table column")};
        for (int column = 0; column < views::kCellTableColumns; ++column) {
            m_cellModel->setHeaderData(column, Qt::Horizontal, headers.at(column % 3));
        }
    }
    if (m_showsInfo) {
        refreshInfo();
    }
    if (m_showsPwr) {
        refreshPwr();
    }
}

void BatteryInfo::showCaptions() {
    const QList<QPair<QLabel*, QString>> captions = {
        {ui->SOCLab, tr("SOC:")},
        {ui->SOHLab, tr("SOH:")},
        {ui->CapaLab, tr("Capacity:")},
        {ui->CurrLab, tr("Current:")},
        {ui->TempLab, tr("Temp:")},
        {ui->MaxVolLab, tr("Max Voltage:")},
        {ui->MinVolLab, tr("Min Voltage:")},
        {ui->VolDiffLab, tr("Vol Difference:")},
        {ui->MaxVoltdLab, tr("Max Vol ID:")},
        {ui->MinVoltIdLab, tr("Min Vol ID:")},
        {ui->BasStaLab, tr("Basic Status:")},
        {ui->SysDefaultLab, tr("System Fault:")},
        {ui->AddLab, tr("Device Address:")},
        {ui->BootLab, tr("Boot Version:")},
        {ui->BarcodeLab, tr("Barcode:")},
        {ui->SpeciLab, tr("Specification:")},
        {ui->SoftVerLab, tr("Main Soft Version:")},
        {ui->CommVerLab, tr("Comm Version:")},
        {ui->MaxChargeLab, tr("Max Charge Current:")},
        {ui->ReleaLab, tr("Release Date:")},
        {ui->CellNumLab, tr("Cell Number:")},
    };
    for (const auto& caption : captions) {
        caption.first->setText(caption.second);
    }
}

void BatteryInfo::setTempAlarm(bool alarm) {
    if (alarm == m_tempAlarm) {
        return;
    }
    m_tempAlarm = alarm;
    ui->TempLab->setStyleSheet(
        alarm ? QString("QLabel{color: %1; background-color: %2; border: 1px solid %1;"
                        "border-radius: 3px; padding: 0px 4px;}")
                    .arg(views::kAlarmCss, views::kAlarmTintCss)
              : QString());
}

void BatteryInfo::setStaleCaption(const QString& caption) {
    showStale(ui->InfoWid, m_staleCaption, caption);
}

QString BatteryInfo::staleCaption() const {
    return m_staleCaption->text();
}

bool BatteryInfo::isGreyed() const {
    return ::isGreyed(ui->InfoWid);
}

void BatteryInfo::resetInfo() {
    setTempAlarm(false);
    m_showsInfo = false;
    m_showsPwr = false;
    ui->BattIdLab->setText(" ");
    showCaptions();
    clearCells();
    m_cellNum = 0;
    // No battery is known any more: there is nothing to enter a barcode for.
    ui->AddBarBtn->hide();
}
