// The configuration page's buttons; the page itself, the commands that change the unit and
// their replies are ConfigPage's.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/config_page.h"
#include "mainwindow/save_text.h"
#include "toolbox/prompts.h"

void BMSMainWin::ConfigDownBtn_clicked() {
    // Only this login's reply: a configuration read before a Logout or an unplug may no
    // longer be the unit's.
    if (!session().linked() || !session().configReply) {
        prompts().information(this, tr("Notice"),
                              tr("No configuration has been read from the unit since the last "
                                 "Login.\nLog in and open this page to read it, then save it."),
                              QMessageBox::Yes);
        return;
    }
    saveTextAs(this, m_settings, *session().configReply,
               tr("The configuration could not be saved to\n%1\n%2"));
}

void BMSMainWin::ConfigDeBtn_clicked() {
    if (!m_config->confirmUnitChange(
            tr("Restore the unit's default protection configuration?\nEvery "
               "threshold set on the unit is replaced.")))
        return;
    SendCommand("config default");
}
