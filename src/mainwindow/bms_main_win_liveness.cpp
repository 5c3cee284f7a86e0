// What the status views and the status bar say about the link: values greyed and captioned
// once they are no longer live, a word when the unit does not answer, the lost port chosen
// again when it comes back. The decisions are LinkWatch's; this file only shows them.
#include "mainwindow/bms_main_win.h"

#include "protocol/system_status.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"
#include "views/stale_look.h"

#include <QGridLayout>
#include <QLabel>
#include <QStatusBar>

void BMSMainWin::initLinkWatch() {
    m_linkStateLab = new QLabel(this);
    m_linkStateLab->setStyleSheet("QLabel{color: rgb(204, 38, 38); font-weight: bold;}");
    m_linkStateLab->hide();
    statusBar()->addWidget(m_linkStateLab);

    // Under the sixteen tiles, which grey themselves.
    m_gaugeBoxCaption = makeStaleCaption(ui->BatteryBox);
    ui->gridLayout_2->addWidget(m_gaugeBoxCaption, 8, 0, 1, 2);
    for (int n = 1; n <= kHighestBatteryNumber; ++n)
        gauge(n)->setNumber(n);
    markBatteries();

    m_linkWatchTimer = new QTimer(this);
    connect(m_linkWatchTimer, &QTimer::timeout, this, &BMSMainWin::applyLinkState);
    m_linkWatchTimer->start(kLinkWatchIntervalMs);
    // Only the user's own choice (not a refill of the list) gives up the lost port.
    connect(ui->PortComBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { m_linkWatch.portChosen(ui->PortComBox->itemText(index)); });
}

QString BMSMainWin::linkStateText() const {
    return m_linkStateLab->text();
}

QString BMSMainWin::gaugeBoxCaption() const {
    return m_gaugeBoxCaption->text();
}

void BMSMainWin::applyLinkState() {
    const LinkView view = m_linkWatch.view();
    if (view == m_linkShown)
        return;
    m_linkShown = view;
    showLinkState(view);
}

void BMSMainWin::showLinkState(const LinkView& view) {
    QString caption;
    if (view.stale) {
        const QString time =
            LinkWatch::valuesTime(view.valuesOfMs, QDateTime::currentMSecsSinceEpoch());
        caption = view.linkLost ? tr("No connection — values of %1").arg(time)
                                : tr("No answer — values of %1").arg(time);
    }
    batteryGroup()->setStaleCaption(caption);
    batteryInfo()->setStaleCaption(caption);
    showStale(nullptr, m_gaugeBoxCaption, caption);
    for (int n = 1; n <= kHighestBatteryNumber; ++n)
        gauge(n)->setStale(view.stale);

    m_linkStateLab->setText(
        view.silent
            ? tr("No answer from the unit on %1 — check the cable and the port").arg(view.port)
            : QString());
    m_linkStateLab->setVisible(view.silent);
}

// A new session starts with a bare command state: what the last one said is no answer of
// this unit.
void BMSMainWin::linkLoggedIn(const QString& port) {
    m_linkWatch.loggedIn(port);
    m_commandStateLab->setText(tr("Command State:"));
    applyLinkState();
}

void BMSMainWin::linkLoggedOut() {
    m_linkWatch.loggedOut();
    m_commandStateLab->setText(tr("Command State:"));
    applyLinkState();
}

void BMSMainWin::linkLost() {
    m_linkWatch.linkLost();
    applyLinkState();
}

void BMSMainWin::reselectLostPort() {
    const QString port = m_linkWatch.portToReselect(m_portNames);
    if (!port.isEmpty())
        ui->PortComBox->setCurrentText(port);
}

void BMSMainWin::markBatteries() {
    const QList<BatStatusRow> rows = batteryGroup()->batInfoList();
    const BatStatusRow* shownRow = nullptr;
    QVector<bool> alarm(kHighestBatteryNumber + 1, false);
    for (const BatStatusRow& row : rows) {
        const int n = batteryNumber(row);
        if (m_shownBatNum > 0 && n == m_shownBatNum)
            shownRow = &row;
        alarm[n] = alarm[n] || rowInAlarm(row);
    }
    // The tiles follow the battery number each row carries, as their values do.
    for (int n = 1; n <= kHighestBatteryNumber; ++n) {
        Battery* tile = gauge(n);
        tile->setPresent(n <= m_presentNum);
        tile->setAlarm(alarm[n]);
        tile->setDetailShown(n == m_shownBatNum);
    }
    batteryGroup()->setShownBattery(m_shownBatNum);
    batteryInfo()->setNoneChosen(m_shownBatNum == 0);
    batteryInfo()->setTempAlarm(shownRow && rowTempAlarm(*shownRow));
}
