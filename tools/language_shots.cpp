// Screenshots of every page in each language, the program on the simulated unit as with
// --demo, the window placed and scaled for the screen it runs on. Run on a display
// (scripts/language-shots does it under Xvfb at three screen sizes):
//   language_shots OUTDIR [CODE...]     OUTDIR/<code>-<n>-<page>.png, all codes by default
//   language_shots --status OUTDIR CODE the status page only
//   language_shots --dialogs OUTDIR     the program's small windows, dialog-<code>-<name>.png
// Message boxes are recorded, not shown; the settings file goes to a scratch folder.

#include "app/demo_unit.h"
#include "app/startup.h"
#include "crash/crash_report_dialog.h"
#include "mainwindow/bms_main_win.h"
#include "mainwindow/window_geometry.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "upgrade/updata_login.h"
#include "upgrade/wait_config.h"
#include "views/add_barcode.h"
#include "views/battery_group.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>

namespace {

void wait(int ms) {
    QTest::qWait(ms);
}

bool shoot(const QString& path) {
    wait(700);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

// Each small window in each language, drawn by itself at the size it opens with.
int shootDialogs(const QDir& out, const QStringList& codes) {
    int failed = 0;
    for (const QString& code : codes) {
        QTranslator translator;
        translator.load(QCoreApplication::applicationDirPath() + "/languages/TranslationExample_" +
                        code + ".qm");
        QCoreApplication::installTranslator(&translator);
        UpdataLogin gate;
        gate.setImageSuffix(code);
        AddBarcode barcode;
        barcode.setLanguage(code);
        TransProgress progress;
        progress.setProgress(42);
        progress.setTransferred(27648, 65536, 35);
        WaitConfig waiting;
        waiting.setNotice(UpgradeTarget::Battery);
        CrashReportDialog crash;
        const QList<QPair<const char*, QWidget*>> windows = {{"gate", &gate},
                                                             {"barcode", &barcode},
                                                             {"progress", &progress},
                                                             {"wait", &waiting},
                                                             {"crash", &crash}};
        for (const auto& w : windows) {
            w.second->show();
            wait(200);
            const QString name = QString("dialog-%1-%2.png").arg(code, w.first);
            failed += w.second->grab().save(out.filePath(name)) ? 0 : 1;
            w.second->hide();
        }
    }
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool statusOnly = args.removeAll("--status") > 0;
    const bool dialogs = args.removeAll("--dialogs") > 0;
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: language_shots [--status] OUTDIR [CODE...]\n");
        return 2;
    }
    const QDir out(QDir(args.takeFirst()).absolutePath());
    const QStringList codes = args.isEmpty() ? QStringList{"en", "de", "fr", "es", "it"} : args;
    if (dialogs)
        return shootDialogs(out, codes);
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    QTranslator appTranslator, qtTranslator;
    LoadTranslator(appTranslator, "TranslationExample_en.qm");
    ScopedPrompts prompts;

    DemoUnit demo;
    if (!demo.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(demo.errorText()));
        return 1;
    }
    addExtraPort(demo.devicePath());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    BMSMainWin w;
    w.setGeometry(startupWindowGeometry(area.width(), area.height()));
    w.SetTranslators(&appTranslator, &qtTranslator);
    w.selectPort(demo.devicePath());
    w.show();
    w.OpenBtn_clicked();
    Ui::BMSMainWin* ui = w.form();
    ui->SendDataBtn->show(); // as after the console codes
    ui->LanguageBtn->show();
    wait(3000);
    ui->BattGroupWid->batButtons().value(0)->click();
    wait(9000); // the detail of battery 1 comes with the poll's fifth tick
    // Ten seconds of the stream for the charts; they keep it once it is stopped.
    w.RealBtn_clicked();
    w.RTDataOnBtn_clicked();
    wait(10000);
    w.RTDataOffBtn_clicked();
    wait(1500);

    const QList<QPair<const char*, std::function<void()>>> pages = {
        {"status", [&] { w.BasicBtn_clicked(); }},
        {"realtime", [&] { w.RealBtn_clicked(); }},
        {"config", [&] { w.ConfigBtn_clicked(); }},
        {"records",
         [&] {
             w.HistoryBtn_clicked();
             wait(600);
             if (w.form()->DataListlView->model()->rowCount() == 0)
                 w.HisEveBtn_clicked();
             wait(1500);
         }},
        {"upgrade", [&] { w.UpPageBtn_clicked(); }},
        {"rawdata", [&] { w.SendDataBtn_clicked(); }},
        {"catalogue", [&] { w.LanguageBtn_clicked(); }},
    };
    int failed = 0;
    for (const QString& code : codes) {
        for (QAction* a : ui->menuLanguage->actions()) {
            if (a->data() == code)
                a->trigger();
        }
        wait(500);
        for (int i = 0; i < pages.size(); ++i) {
            if (statusOnly && i > 0)
                break;
            pages[i].second();
            const QString name = QString("%1-%2-%3.png").arg(code).arg(i + 1).arg(pages[i].first);
            if (!shoot(out.filePath(name)))
                ++failed;
        }
    }
    w.BasicBtn_clicked();
    return failed ? 1 : 0;
}
