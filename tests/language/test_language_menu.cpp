// The Language menu on the real window with the built languages folder: the entries at a
// first start, choosing the ticked entry, choosing German with every page filled by the
// simulated unit, and a language chosen while a file transfer locks the window.

#include "app/startup.h"
#include "mainwindow/bms_main_win.h"
#include "pty_pair.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "sim_relay.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "views/battery_group.h"

#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtCharts/QChartView>
#include <QtTest>

namespace {

QStringList entries(BMSMainWin& w) {
    QStringList out;
    for (QAction* a : w.form()->menuLanguage->actions())
        out << a->text() + "=" + a->data().toString() + (a->isChecked() ? " ticked" : "") +
                   (a->icon().isNull() ? " no icon" : "");
    return out;
}

void choose(BMSMainWin& w, const QString& code) {
    for (QAction* a : w.form()->menuLanguage->actions()) {
        if (a->data() == code)
            a->trigger();
    }
}

QStringList informations(const RecordingPrompts& prompts) {
    QStringList out;
    for (const PromptRecord& r : prompts.shown)
        out << (r.kind == "information" ? r.text : QString());
    out.removeAll(QString());
    return out;
}

QString stored() {
    return QSettings("ConFig/OpenPath.ini", QSettings::IniFormat)
        .value("Language/lastLanguage")
        .toString();
}

QString sheet(const char* picture) {
    return QString("QPushButton{border-image:url(:/icon/res/%1.png)}").arg(picture);
}

} // namespace

class TestLanguageMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(m_dir.path())); // no settings file there
        QVERIFY(LoadTranslator(m_appTranslator, "TranslationExample_en.qm"));
    }
    void init() { m_prompts.reset(new ScopedPrompts); }
    void cleanup() { m_prompts.reset(); }
    void firstStartAndTickedEntry();
    void germanOnEveryPage();
    void languageChosenDuringTransfer();

private:
    void open(BMSMainWin& w, const QString& port) {
        w.SetTranslators(&m_appTranslator, &m_qtTranslator);
        addExtraPort(port);
        w.selectPort(port);
        w.OpenBtn_clicked();
    }

    QTemporaryDir m_dir;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    std::unique_ptr<ScopedPrompts> m_prompts;
};

void TestLanguageMenu::firstStartAndTickedEntry() {
    BMSMainWin w;
    w.SetTranslators(&m_appTranslator, &m_qtTranslator);
    QCOMPARE(entries(w), QStringList({"German=de", "English=en ticked", "Spanish=es", "French=fr",
                                      "Italian=it"}));
    choose(w, "en");
    QTest::qWait(200);
    QCOMPARE(stored(), QString("en"));
    QCOMPARE(w.form()->BasicBtn->styleSheet(), sheet("normalpress_en"));
    QCOMPARE(informations(m_prompts->recorder), QStringList());
}

void TestLanguageMenu::germanOnEveryPage() {
    SimRelay relay({"--relay", "--seed", "5", "--reply-delay", "5"});
    QVERIFY(relay.isReady());
    BMSMainWin w;
    Ui::BMSMainWin* ui = w.form();
    BatteryGroup* group = ui->BattGroupWid;
    open(w, relay.programPath());
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("ctrl").isEmpty(), 5000);
    group->batButtons().at(0)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!relay.lastReply("pwr 1").isEmpty(), 5000);
    w.ConfigBtn_clicked();
    QTRY_VERIFY_WITH_TIMEOUT(ui->ConfigTabView->model()->rowCount() > 0, 3000);
    const int configRows = ui->ConfigTabView->model()->rowCount();
    w.HistoryBtn_clicked();
    QTRY_COMPARE_WITH_TIMEOUT(w.eventCount(), 36, 3000);
    ui->StartNumEdit->setText("7");

    // Labels showing a value: English caption, German caption; the value must stay.
    const QList<QStringList> valued = {
        {"StateLab", "State: ", "Zustand: "},
        {"PreNumLab", "Present Num: ", "Batterien vorhanden: "},
        {"TotalSOCLab", "Total SOC: ", "Ladezustand gesamt: "},
        {"SOCLab", "SOC: ", "Ladezustand: "},
        {"AddLab", "Device Address: ", "Geräteadresse: "},
        {"EventNumLab", "Number of events: ", "Anzahl Ereignisse: "},
        {"HistNumLab", "Number of histories: ", "Anzahl Verlaufseinträge: "},
        {"CmosRadiBtn", "Prechg Relay ", "Vorladerelais "},
    };
    const auto text = [&](const QString& name) {
        QWidget* widget = w.findChild<QWidget*>(name);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        return button ? button->text() : widget->property("text").toString();
    };
    QStringList values;
    for (const QStringList& v : valued) {
        QVERIFY2(text(v[0]).startsWith(v[1]), qPrintable(text(v[0])));
        values << text(v[0]).mid(v[1].size());
    }

    choose(w, "de");
    // Pictures at once (the page shown keeps its pressed one); texts on the event.
    QCOMPARE(ui->RealBtn->styleSheet(), sheet("rtdata_de"));
    QCOMPARE(ui->HistoryBtn->styleSheet(), sheet("HistoryPress_de"));
    QVERIFY(group->batButtons().at(0)->styleSheet().contains("Bat1_de.png"));
    QCOMPARE(ui->OpenBtn->text(), QString("Login"));
    QTRY_COMPARE_WITH_TIMEOUT(informations(m_prompts->recorder).size(), 1, 3000);
    QVERIFY(informations(m_prompts->recorder).at(0).startsWith("Die Sprache wurde erfolgreich"));
    QCOMPARE(stored(), QString("de"));

    for (int i = 0; i < valued.size(); ++i)
        QCOMPARE(text(valued[i][0]), valued[i][2] + values[i]);
    w.LanguageBtn_clicked();
    const auto header = [](QTableView* v, int c) {
        return v->model()->headerData(c, Qt::Horizontal).toString();
    };
    const QStringList german = {
        ui->menuLanguage->title(),
        ui->OpenBtn->text(),
        w.commandStateText(),
        ui->SeMesGroup->title(),
        ui->RTDataOnBtn->toolTip(),
        ui->VoltCharView->chart()->title(),
        header(ui->ConfigTabView, 0),
        header(ui->DataListlView, 1),
        ui->StartNumEdit->text(),
        ui->UpDateBtn->toolTip(),
        ui->tabWidget->tabText(0),
        ui->label_2->text(),
        w.transProgress()->windowTitle(),
        QCoreApplication::translate("QPlatformTheme", "&Yes") // Qt's own dialogs
    };
    QCOMPARE(german, QStringList({"Sprache", "Anmelden", "Befehlsstatus:", "Befehle",
                                  "Echtzeit EIN", "Batteriespannung", "Alarm-/Schutzparameter",
                                  "Datum", "7", "Firmware aktualisieren", "Seite 1",
                                  "Die serielle Schnittstelle ist nicht geöffnet. Bitte anmelden!",
                                  "Übertragung", "&Ja"}));
    QCOMPARE(ui->ConfigTabView->model()->rowCount(), configRows);
    QCOMPARE(informations(m_prompts->recorder).size(), 1); // once per change
}

// While a file goes out the window is locked: a language chosen then changes the pictures
// at once and the texts when the lock ends.
void TestLanguageMenu::languageChosenDuringTransfer() {
    PtyPair unit;
    QTemporaryFile image;
    QVERIFY(unit.isValid() && image.open() && image.write(QByteArray(1000, 'Z')) == 1000);
    image.close();
    BMSMainWin w;
    open(w, unit.slavePath());
    const QString before = w.form()->OpenBtn->text();
    m_prompts->recorder.textAnswers << image.fileName();
    w.actionSend_File_triggered();
    QVERIFY(!w.form()->SendEd->isEnabled());

    choose(w, "fr");
    QCOMPARE(w.form()->RealBtn->styleSheet(), sheet("rtdata_fr"));
    QTest::qWait(300);
    QCOMPARE(w.form()->OpenBtn->text(), before);
    unit.write("\x18"); // the receiver cancels
    QTRY_COMPARE_WITH_TIMEOUT(w.form()->OpenBtn->text(), QString("Connexion"), 5000);
    QCOMPARE(informations(m_prompts->recorder).size(), 1);
}

QTEST_MAIN(TestLanguageMenu)
#include "test_language_menu.moc"
