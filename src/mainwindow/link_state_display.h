#pragma once
// What the status views and the status bar say about the link: the last command's outcome,
// values greyed and captioned once they are no longer live, a word when the unit does not
// answer, the lost port chosen again when it comes back. The decisions are LinkWatch's; this
// class only shows them.

#include "serial/link_watch.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QLabel;
class QMainWindow;
class QTimer;
namespace Ui {
class BMSMainWin;
}

class LinkStateDisplay {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(BMSMainWin)
public:
    // Adds the command state and the link state to the window's status bar and its caption
    // under the tiles, and starts asking the watch.
    LinkStateDisplay(Ui::BMSMainWin* ui, QMainWindow* window);
    LinkStateDisplay(const LinkStateDisplay&) = delete;
    LinkStateDisplay& operator=(const LinkStateDisplay&) = delete;

    // What happens on the line, told to the watch; the display follows at once. A new
    // session starts with a bare command state: what the last one said is no answer of
    // this unit.
    void loggedIn(const QString& port);
    void loggedOut();
    void linkLost();
    void replyReceived();
    void commandSent() { m_linkWatch.commandSent(); }
    // After the port list changed: the lost port chosen again when it is back.
    void reselectLostPort(const QStringList& portNames);
    // The shown state again, in the current language.
    void redraw() { show(m_linkShown); }
    // "Command State:" and the outcome of the last command; bare without one.
    void showCommandState(const QString& text);
    void clearCommandState();
    QString commandStateText() const;

    // The text beside the command state: the unit does not answer; empty otherwise.
    QString linkStateText() const;
    QString gaugeBoxCaption() const;

private:
    // Asks the watch and redraws the views and the status bar when the answer changed.
    void apply();
    void show(const LinkView& view);

    Ui::BMSMainWin* ui;
    LinkWatch m_linkWatch;
    LinkView m_linkShown;
    QTimer* m_linkWatchTimer = nullptr;
    QLabel* m_commandStateLab = nullptr;
    QLabel* m_linkStateLab = nullptr;
    QLabel* m_gaugeBoxCaption = nullptr;
};
