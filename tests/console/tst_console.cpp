// The console command line's history, driven by keys as a technician types.
#include "console/history_text_edit.h"

#include <QSignalSpy>
#include <QtTest>

class TstConsole : public QObject {
    Q_OBJECT
private slots:
    void history_data();
    void history();
};

void TstConsole::history_data() {
    // Script steps: "text>" types and presses Return, "text#" keypad Enter, "text~" only
    // types; "^" is Up, "v" Down. A sent line is cleared, as the window does.
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QString>("shown"); // the line after each Up or Down, joined by '|'
    QTest::addColumn<int>("sent");
    QTest::newRow("repeat moves to newest; up stops at oldest, down past newest clears")
        << QStringList{"pwr>", "bat>", "pwr>", "^", "^", "^", "v", "v"} << QStringList{"bat", "pwr"}
        << "pwr|bat|bat|pwr|" << 3;
    QTest::newRow("trimmed") << QStringList{"  info 2 >", "^"} << QStringList{"info 2"} << "info 2"
                             << 1;
    QTest::newRow("spaces sent, not recorded")
        << QStringList{"pwr>", "   >", "^"} << QStringList{"pwr"} << "pwr" << 2;
    QTest::newRow("keypad enter sent, not recorded")
        << QStringList{"pwr>", "bat#", "^"} << QStringList{"pwr"} << "pwr" << 2;
    QTest::newRow("no history: up keeps the line")
        << QStringList{"abc~", "^"} << QStringList{} << "abc" << 0;
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << QString("line %1>").arg(i);
    QStringList newest;
    for (int i = 49; i < 150; ++i)
        newest << QString("line %1").arg(i);
    QTest::newRow("150 lines keep the newest 101") << many << newest << "" << 150;
}

void TstConsole::history() {
    QFETCH(QStringList, script);
    HistoryTextEdit edit;
    QSignalSpy sends(&edit, &HistoryTextEdit::ReturnEnterSigal);
    QStringList shown;
    for (const QString& step : script) {
        if (step == "^" || step == "v") {
            QTest::keyClick(&edit, step == "^" ? Qt::Key_Up : Qt::Key_Down);
            shown << edit.toPlainText();
            continue;
        }
        QTest::keyClicks(&edit, step.chopped(1));
        if (step.endsWith('>'))
            QTest::keyClick(&edit, Qt::Key_Return);
        else if (step.endsWith('#'))
            QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
        if (!step.endsWith('~'))
            edit.clear();
    }
    QTEST(edit.history().lines(), "history");
    QTEST(shown.join('|'), "shown");
    QTEST(int(sends.count()), "sent");
}

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
