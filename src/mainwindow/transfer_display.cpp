#include "mainwindow/transfer_display.h"

#include "mainwindow/window_geometry.h"
#include "upgrade/trans_progress.h"
#include "upgrade/wait_config.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

TransferDisplay::TransferDisplay(QMainWindow* window) : m_window(window) {
    m_transmitLab = new QLabel(tr("Transmit progress:"), window);
    m_transmitLab->setFont(QFont("Arial", 9));
    window->statusBar()->addWidget(m_transmitLab);
    m_progressBar = new QProgressBar(window);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setFixedWidth(170);
    window->statusBar()->addWidget(m_progressBar);

    // Windows of their own beside the main window; they go with it.
    m_transProgress = new TransProgress();
    m_waitConfig = new WaitConfig();
    for (QWidget* w : {static_cast<QWidget*>(m_transProgress), static_cast<QWidget*>(m_waitConfig)})
        QObject::connect(window, &QObject::destroyed, w, [w] { delete w; });
}

void TransferDisplay::retranslate() {
    m_transmitLab->setText(tr("Transmit progress:"));
}

void TransferDisplay::showTransfer() {
    placeOver(m_transProgress, m_window);
    m_transProgress->show();
    m_transProgress->raise();
}

void TransferDisplay::showProgress(int percent, qint64 sent, qint64 total, int secondsLeft) {
    m_progressBar->setValue(percent);
    m_transProgress->setProgress(percent);
    m_transProgress->setTransferred(sent, total, secondsLeft);
}

void TransferDisplay::endTransfer() {
    m_progressBar->reset();
    m_transProgress->resetProgress();
    m_transProgress->hide();
}

void TransferDisplay::showFlashWait(UpgradeTarget target, QTimer* clock) {
    m_waitConfig->setNotice(target);
    m_waitConfig->followClock(clock);
    placeOver(m_waitConfig, m_window);
    m_waitConfig->show();
    m_waitConfig->raise();
}

void TransferDisplay::endFlashWait() {
    m_waitConfig->hide();
}
