// NorvaneBat: host tool for a battery storage system's battery-management unit.
#include "app/command_line.h"
#include "app/demo_unit.h"
#include "toolbox/install_paths.h"
#include "toolbox/log_handler.h"
#include "toolbox/prompts.h"
#include "app/startup.h"
#include "crash/breakpad_handler.h"
#include "crash/crash_constants.h"
#include "crash/crash_on_purpose.h"
#include "crash/crash_report.h"
#include "mainwindow/bms_main_win.h"
#include "mainwindow/window_geometry.h"
#include "serial/port_list.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QTranslator>

#include <memory>

int main(int argc, char* argv[]) {
    KeepLargeBlocksOffTheHeap();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // --help and --version print and exit before any window is made: no display needed.
    if (hasFlag(arguments, kHelpOrVersionFlags))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    // A menu start works in the user's data folder rather than the home folder it is given;
    // this comes first, since the settings file lies relative to the working folder.
    QString dataHomeError;
    const bool dataHome = hasFlag(arguments, kDataHomeFlag);
    if (dataHome && !toolbox::enterDataHome(&dataHomeError))
        qWarning().noquote() << "--data-home:" << dataHomeError;

    auto settings = std::make_unique<QSettings>("./ConFig/OpenPath.ini", QSettings::IniFormat);
    if (dataHome)
        toolbox::startDialogsAtHome(*settings);
    const QString lang = settings->value("Language/lastLanguage", "en").toString();
    auto appTranslator = std::make_unique<QTranslator>();
    auto qtTranslator = std::make_unique<QTranslator>();
    const bool appTexts =
        LoadTranslator(*appTranslator, QString("TranslationExample_%1.qm").arg(lang));
    LoadTranslator(*qtTranslator, QString("qt_%1.qm").arg(lang));

    QCoreApplication::setApplicationName("Tarnix");
    QCoreApplication::setApplicationVersion("0.0.1");
    QCoreApplication::setOrganizationName("OrgName");
    QCoreApplication::setOrganizationDomain("norvanebat.local");
    const CommandLineOptions options = parseCommandLine(app);

    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::AppLocalDataLocation);
    BreakpadHandler::instance().setDumpPath((dataDirs.isEmpty() ? QString(".") : dataDirs.first()) +
                                            "/" + crash::kDumpFolderName);

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int W = area.width();
    const int H = area.height();
    qDebug() << "scr:" << W << H;
    qDebug() << "pro" << W / 1920.0 << H / 1080.0;

    LogHandler::installMessageHandler();
    qDebug() << "current time :" << QTime::currentTime().toString("hh:mm:ss");
    qInfo() << "NorvaneBat starting";
    qInfo().noquote() << "working folder" << QDir::currentPath() << "language" << lang
                      << (appTexts ? "loaded from" : "not found in") << toolbox::languagesFolder();
    QuitOnTermSignal(app);

    DemoUnit demo;
    QStringList ports = options.ports;
    if (options.demo) {
        if (demo.start())
            ports << demo.devicePath();
        else
            prompts().warning(nullptr, QObject::tr("Message"), demo.errorText(), QMessageBox::Yes);
    }
    for (const QString& p : ports)
        addExtraPort(p);

    auto window = std::make_unique<BMSMainWin>();
    const QRect geometry = startupWindowGeometry(W, H);
    qDebug() << "BmsW:" << geometry.width() << " BmsH:" << geometry.height();
    window->resize(geometry.size());
    window->move(geometry.topLeft());
    window->SetTranslators(appTranslator.get(), qtTranslator.get());
    if (!ports.isEmpty())
        window->selectPort(ports.last());
    window->show();

    crash::offerCrashReport(BreakpadHandler::instance(), crash::reportFolder());

    LogHandler::releaseMessageHandler();
    qDebug() << "不写入测试";
    LogHandler::installMessageHandler();

    if (options.login || (options.demo && !demo.devicePath().isEmpty()))
        QTimer::singleShot(0, window.get(), &BMSMainWin::OpenBtn_clicked);
    if (!options.crash.isEmpty()) {
        QTimer::singleShot(0, window.get(), [kind = options.crash] {
            crash::crashOnPurpose(kind);
            qWarning() << "--crash" << kind
                       << "did not crash (kinds: segv, fpe, ill, bus, abort, stack, stack-thread)";
        });
    }

    const int code = app.exec();
    LogHandler::releaseMessageHandler();
    window.reset();
    return code;
}
