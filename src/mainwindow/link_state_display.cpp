#include "mainwindow/link_state_display.h"

#include "mainwindow/form_gauges.h"
#include "serial/serial_constants.h"
#include "ui_bms_main_win.h"
#include "views/battery.h"
#include "views/battery_group.h"
#include "views/battery_info.h"
#include "views/stale_look.h"

#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

LinkStateDisplay::LinkStateDisplay(Ui::BMSMainWin* form, QMainWindow* window) : ui(form) {
    m_commandStateLab = new QLabel(tr("Command State:"), window);
    window->statusBar()->addWidget(m_commandStateLab);
    m_linkStateLab = new QLabel(window);
    m_linkStateLab->setStyleSheet("QLabel{color: rgb(204, 38, 38); font-weight: bold;}");
    m_linkStateLab->hide();
    window->statusBar()->addWidget(m_linkStateLab);

    // Under the sixteen tiles, which grey themselves.
    m_gaugeBoxCaption = makeStaleCaption(ui->BatteryBox);
    ui->gridLayout_2->addWidget(m_gaugeBoxCaption, 8, 0, 1, 2);

    m_linkWatchTimer = new QTimer(window);
    QObject::connect(m_linkWatchTimer, &QTimer::timeout, window, [this] { apply(); });
    m_linkWatchTimer->start(kLinkWatchIntervalMs);
    // Only the user's own choice (not a refill of the list) gives up the lost port.
    QObject::connect(
        ui->PortComBox, QOverload<int>::of(&QComboBox::activated), window,
        [this](int index) { m_linkWatch.portChosen(ui->PortComBox->itemText(index)); });
}

void LinkStateDisplay::showCommandState(const QString& text) {
    m_commandStateLab->setText(text);
}

void LinkStateDisplay::clearCommandState() {
    m_commandStateLab->setText(tr("Command State:"));
}

QString LinkStateDisplay::commandStateText() const {
    return m_commandStateLab->text();
}

QString LinkStateDisplay::linkStateText() const {
    return m_linkStateLab->text();
}

QString LinkStateDisplay::gaugeBoxCaption() const {
    return m_gaugeBoxCaption->text();
}

void LinkStateDisplay::apply() {
    const LinkView view = m_linkWatch.view();
    if (view == m_linkShown)
        return;
    m_linkShown = view;
    show(view);
}

void LinkStateDisplay::show(const LinkView& view) {
    QString caption;
    if (view.stale) {
        const QString time =
            LinkWatch::valuesTime(view.valuesOfMs, QDateTime::currentMSecsSinceEpoch());
        caption = view.linkLost ? tr("No connection — values of %1").arg(time)
                                : tr("No answer — values of %1").arg(time);
    }
    ui->BattGroupWid->setStaleCaption(caption);
    ui->BattInfoWid->setStaleCaption(caption);
    showStale(nullptr, m_gaugeBoxCaption, caption);
    for (int n = 1; n <= kHighestBatteryNumber; ++n)
        gauge(ui, n)->setStale(view.stale);

    m_linkStateLab->setText(
        view.silent
            ? tr("No answer from the unit on %1 — check the cable and the port").arg(view.port)
            : QString());
    m_linkStateLab->setVisible(view.silent);
}

void LinkStateDisplay::loggedIn(const QString& port) {
    m_linkWatch.loggedIn(port);
    clearCommandState();
    apply();
}

void LinkStateDisplay::loggedOut() {
    m_linkWatch.loggedOut();
    clearCommandState();
    apply();
}

void LinkStateDisplay::linkLost() {
    m_linkWatch.linkLost();
    apply();
}

void LinkStateDisplay::replyReceived() {
    m_linkWatch.replyReceived();
    apply();
}

void LinkStateDisplay::reselectLostPort(const QStringList& portNames) {
    const QString port = m_linkWatch.portToReselect(portNames);
    if (!port.isEmpty())
        ui->PortComBox->setCurrentText(port);
}
