// The Language menu on the real window with the built languages folder: the entries at a
// first start, choosing the ticked entry, German on every page filled by the simulated unit,
// and a language chosen while a file transfer locks the window.

#include "app/startup.h"
#include "mainwindow/link_state_display.h"
#include "mainwindow/transfer_display.h"
#include "pty_pair.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "views/battery_group.h"

#include <QSettings>
#include <QTranslator>
#include <QtCharts/QChartView>
#include <QtTest>

namespace {

void choose(BMSMainWin& w, const QString& code) {
    for (QAction* a : w.form()->menuLanguage->actions()) {
        if (a->data() == code)
            a->trigger();
    }
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
    void initTestCase() { QVERIFY(LoadTranslator(m_appTranslator, "TranslationExample_en.qm")); }

    // No settings: English ticked, and choosing it only stores it. German: its pictures at once,
    // its texts on every page after the language-change event, with the values shown kept.
    void germanOnEveryPage() {
        SimSession s({"--relay", "--seed", "5", "--reply-delay", "5"});
        BMSMainWin& w = s.w;
        Ui::BMSMainWin* ui = w.form();
        w.SetTranslators(&m_appTranslator, &m_qtTranslator);
        QStringList entries;
        for (QAction* a : ui->menuLanguage->actions())
            entries << a->text() + "=" + a->data().toString() + (a->isChecked() ? " ticked" : "") +
                           (a->icon().isNull() ? " no icon" : "");
        QCOMPARE(entries, QStringList({"German=de", "English=en ticked", "Spanish=es", "French=fr",
                                       "Italian=it"}));
        choose(w, "en");
        QTest::qWait(200);
        QCOMPARE(stored(), QString("en"));
        QCOMPARE(ui->BasicBtn->styleSheet(), sheet("normalpress_en"));
        QCOMPARE(s.recorder().texts(), QStringList());

        QVERIFY(s.login());
        BatteryGroup* group = ui->BattGroupWid;
        group->batButtons().at(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!s.relay.lastReply("pwr 1").isEmpty(), 5000);
        w.ConfigBtn_clicked();
        QTRY_VERIFY_WITH_TIMEOUT(ui->ConfigTabView->model()->rowCount() > 0, 3000);
        const int configRows = ui->ConfigTabView->model()->rowCount();
        w.HistoryBtn_clicked();
        QTRY_COMPARE_WITH_TIMEOUT(w.session().tally.events, 36, 3000);
        ui->StartNumEdit->setText("7");
        // Labels showing a value, one per view that fills its own: the English and the German
        // caption; the value must stay.
        const QList<QStringList> valued = {
            {"StateLab", "State: ", "Zustand: "},
            {"SOCLab", "SOC: ", "Ladezustand: "},
            {"AddLab", "Device Address: ", "Geräteadresse: "},
            {"EventNumLab", "Number of events: ", "Anzahl Ereignisse: "},
            {"CmosRadiBtn", "Prechg Relay ", "Vorladerelais "},
        };
        const auto text = [&](const QString& name) {
            return w.findChild<QWidget*>(name)->property("text").toString();
        };
        QStringList values;
        for (const QStringList& v : valued) {
            QVERIFY2(text(v[0]).startsWith(v[1]), qPrintable(text(v[0])));
            values << text(v[0]).mid(v[1].size());
        }

        choose(w, "de"); // the page shown keeps its pressed picture
        QCOMPARE(ui->RealBtn->styleSheet(), sheet("rtdata_de"));
        QCOMPARE(ui->HistoryBtn->styleSheet(), sheet("HistoryPress_de"));
        QCOMPARE(ui->OpenBtn->text(), QString("Login"));
        QTRY_COMPARE_WITH_TIMEOUT(s.recorder().texts().size(), 1, 3000);
        QVERIFY(s.recorder().lastText().startsWith("Die Sprache wurde erfolgreich"));
        QCOMPARE(stored(), QString("de"));
        QVERIFY(ui->menuLanguage->actions().at(0)->isChecked()); // German
        for (int i = 0; i < valued.size(); ++i)
            QCOMPARE(text(valued[i][0]), valued[i][2] + values[i]);
        w.LanguageBtn_clicked(); // the page of every message
        QCOMPARE(ui->OpenBtn->text(), QString("Anmelden"));
        QCOMPARE(w.linkState().commandStateText(), QString("Befehlsstatus:"));
        QCOMPARE(ui->VoltCharView->chart()->title(), QString("Batteriespannung"));
        QCOMPARE(ui->ConfigTabView->model()->headerData(0, Qt::Horizontal),
                 QVariant("Alarm-/Schutzparameter"));
        QCOMPARE(ui->DataListlView->model()->headerData(1, Qt::Horizontal), QVariant("Datum"));
        QCOMPARE(group->batButtons().at(0)->text(), QString("Batterie 1"));
        QCOMPARE(ui->StartNumEdit->text(), QString("7"));
        QCOMPARE(ui->label_2->text(),
                 "Die serielle Schnittstelle ist nicht geöffnet. Bitte anmelden!");
        QCOMPARE(w.transferDisplay().transProgress()->windowTitle(), QString("Übertragung"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja")); // Qt's own
        QCOMPARE(ui->ConfigTabView->model()->rowCount(), configRows);
        QCOMPARE(s.recorder().texts().size(), 1); // once per change
    }

    // While a file goes out the window is locked: a language chosen then changes the pictures
    // at once and the texts when the lock ends.
    // On the smallest screens the battery detail keeps its share of the status page (group
    // view 2, detail 3) rather than a ceiling taken before the first layout.
    void detailKeepsItsShare() {
        BMSMainWin w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.form()->BattInfoWid->height() > w.form()->BattGroupWid->height());
    }

    void languageChosenDuringTransfer() {
        TemporaryWorkingFolder home;
        ScopedPrompts prompts;
        PtyPair unit;
        QFile image(home.filePath("image.bin"));
        QVERIFY(unit.isValid() && image.open(QIODevice::WriteOnly) &&
                image.write(QByteArray(1000, 'Z')) == 1000);
        image.close();
        BMSMainWin w;
        w.SetTranslators(&m_appTranslator, &m_qtTranslator);
        loginOn(w, unit.slavePath());
        const QString before = w.form()->OpenBtn->text(); // the last test's language
        prompts.recorder.textAnswers << image.fileName();
        w.actionSend_File_triggered();
        QVERIFY(!w.form()->SendEd->isEnabled());
        choose(w, "fr");
        QCOMPARE(w.form()->RealBtn->styleSheet(), sheet("rtdata_fr"));
        QTest::qWait(300);
        QCOMPARE(w.form()->OpenBtn->text(), before);
        unit.write("\x18"); // the receiver cancels
        QTRY_COMPARE_WITH_TIMEOUT(w.form()->OpenBtn->text(), QString("Connexion"), 5000);
        QCOMPARE(prompts.recorder.texts().filter("La langue a été changée").size(), 1);
    }

private:
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
};

QTEST_MAIN(TestLanguageMenu)
#include "test_language_menu.moc"
