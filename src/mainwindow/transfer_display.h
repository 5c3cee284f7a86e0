#pragma once
// How a file transfer and the flashing after it are shown: the status bar's progress label
// and bar, the transfer window, and the wait window that counts down the flashing. The
// two windows are top-level and go with the main window.

#include "upgrade/upgrade_flow.h"

#include <QCoreApplication>
#include <QString>

class QLabel;
class QMainWindow;
class QProgressBar;
class QTimer;
class TransProgress;
class WaitConfig;

class TransferDisplay {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    // Adds the label and the bar to the window's status bar.
    explicit TransferDisplay(QMainWindow* window);
    TransferDisplay(const TransferDisplay&) = delete;
    TransferDisplay& operator=(const TransferDisplay&) = delete;

    void retranslate();
    // The transfer window over the main window.
    void showTransfer();
    void showProgress(int percent, qint64 sent, qint64 total, int secondsLeft);
    // The bar back to empty and the transfer window closed.
    void endTransfer();
    // The flashing wait for `target`, counting down with `clock`.
    void showFlashWait(UpgradeTarget target, QTimer* clock);
    void endFlashWait();

    TransProgress* transProgress() const { return m_transProgress; }
    WaitConfig* waitConfig() const { return m_waitConfig; }

private:
    QMainWindow* m_window;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_transmitLab = nullptr;
    TransProgress* m_transProgress = nullptr; // no parent; deleted with the window
    WaitConfig* m_waitConfig = nullptr;       // no parent; deleted with the window
};
