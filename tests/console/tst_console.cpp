// The console command line's history, driven by keys as a technician types, and the
// access-code gate of the main window.
#include "console/history_text_edit.h"
#include "mainwindow/bms_main_win.h"
#include "recording_prompts.h"
#include "ui_bms_main_win.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// Plays a script on the edit: "text>" types text and presses Return, "text#" types text
// and presses keypad Enter, "text~" only types, "^" is Up and "v" is Down. The window
// clears the line once it is sent; so does this helper.
void play(HistoryTextEdit& edit, const QStringList& script) {
    for (const QString& step : script) {
        if (step == "^") {
            QTest::keyClick(&edit, Qt::Key_Up);
        } else if (step == "v") {
            QTest::keyClick(&edit, Qt::Key_Down);
        } else {
            QTest::keyClicks(&edit, step.chopped(1));
            if (step.endsWith('~'))
                continue;
            if (step.endsWith('>'))
                QTest::keyClick(&edit, Qt::Key_Return);
            else
                QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
            edit.clear();
        }
    }
}
} // namespace

class TstConsole : public QObject {
    Q_OBJECT
private slots:
    void history_data();
    void history();
    void longHistoryKeepsNewest101();
    void accessCodes_data();
    void accessCodes();
};

void TstConsole::history_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("sent");
    const QStringList pwrBatPwr{"pwr>", "bat>", "pwr>"};
    QTest::newRow("repeat moves to newest") << pwrBatPwr << QStringList{"bat", "pwr"} << "" << 3;
    QTest::newRow("up") << pwrBatPwr + QStringList{"^"} << QStringList{"bat", "pwr"} << "pwr" << 3;
    QTest::newRow("up stops at oldest")
        << pwrBatPwr + QStringList{"^", "^", "^"} << QStringList{"bat", "pwr"} << "bat" << 3;
    QTest::newRow("down") << pwrBatPwr + QStringList{"^", "^", "^", "v"}
                          << QStringList{"bat", "pwr"} << "pwr" << 3;
    QTest::newRow("down past newest clears")
        << pwrBatPwr + QStringList{"^", "^", "v", "v"} << QStringList{"bat", "pwr"} << "" << 3;
    QTest::newRow("trimmed") << QStringList{"  info 2 >", "^"} << QStringList{"info 2"} << "info 2"
                             << 1;
    QTest::newRow("spaces sent, not recorded")
        << QStringList{"pwr>", "   >", "^"} << QStringList{"pwr"} << "pwr" << 2;
    QTest::newRow("keypad enter sent, not recorded")
        << QStringList{"pwr>", "bat#", "^"} << QStringList{"pwr"} << "pwr" << 2;
    QTest::newRow("no history: up keeps the line")
        << QStringList{"abc~", "^"} << QStringList{} << "abc" << 0;
}

void TstConsole::history() {
    QFETCH(QStringList, script);
    QFETCH(int, sent);
    HistoryTextEdit edit;
    QSignalSpy sends(&edit, &HistoryTextEdit::ReturnEnterSigal);
    play(edit, script);
    QTEST(edit.history().lines(), "history");
    QTEST(edit.toPlainText(), "shown");
    QCOMPARE(sends.count(), sent);
}

void TstConsole::longHistoryKeepsNewest101() {
    HistoryTextEdit edit;
    QStringList script;
    for (int i = 0; i < 150; ++i)
        script << QString("line %1>").arg(i);
    play(edit, script);
    const QStringList lines = edit.history().lines();
    QCOMPARE(lines.size(), 101);
    QCOMPARE(lines.first(), QString("line 49"));
    QCOMPARE(lines.last(), QString("line 149"));
}

void TstConsole::accessCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("dataPage");
    QTest::addColumn<bool>("catalogue");
    QTest::newRow("data page") << "57190364" << true << false;
    QTest::newRow("catalogue") << "83025716" << false << true;
    QTest::newRow("one digit short") << "5719036" << false << false;
    QTest::newRow("with a space") << "57190364 " << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TstConsole::accessCodes() {
    QFETCH(QString, code);
    QFETCH(bool, dataPage);
    QFETCH(bool, catalogue);
    ScopedPrompts prompts;
    prompts.recorder.textAnswers.enqueue(code); // an empty answer is Cancel: the code decides
    BMSMainWin w;
    Ui::BMSMainWin* ui = w.form();
    w.actionConsole_triggered();
    QCOMPARE(ui->SendDataBtn->isVisibleTo(&w), dataPage);
    QCOMPARE(ui->actionSend_File->isVisible(), dataPage);
    QCOMPARE(ui->LanguageBtn->isVisibleTo(&w), catalogue);
    const int page = dataPage ? 0 : catalogue ? 6 : 1;
    QCOMPARE(ui->StackWid->currentIndex(), page);
    QStringList shown{"Please enter the console password:"};
    if (!dataPage && !catalogue)
        shown << "Wrong password! Please check password!";
    QCOMPARE(prompts.recorder.texts(), shown);
    QCOMPARE(prompts.recorder.shown.first().title, QString("Entry Console"));

    w.actionExit_Consle_triggered();
    QVERIFY(!ui->SendDataBtn->isVisibleTo(&w));
    QVERIFY(!ui->LanguageBtn->isVisibleTo(&w));
    QVERIFY(!ui->actionSend_File->isVisible());
    QCOMPARE(ui->StackWid->currentIndex(), 1);
}

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
