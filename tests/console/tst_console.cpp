// The console command line's history, driven by keys as a technician types.
#include "console/history_text_edit.h"

#include <QtTest>

class TstConsole : public QObject {
    Q_OBJECT
private slots:
    // Steps: "text>" types a fresh line and presses Return, "text#" keypad Enter, "text~" only
    // types; "^" is Up, "v" Down. `trace`: ">" for each line sent, the line after Up or Down.
    void history_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QString>("trace");
        QTest::newRow("repeat moves to newest; up stops at oldest, down past newest clears")
            << QStringList{"pwr>", "bat>", "pwr>", "^", "^", "^", "v", "v"}
            << QStringList{"bat", "pwr"} << ">|>|>|pwr|bat|bat|pwr|";
        QTest::newRow("trimmed; spaces only and keypad enter sent, not recorded")
            << QStringList{"  info 2 >", "   >", "bat#", "^", "^"} << QStringList{"info 2"}
            << ">|>|>|info 2|info 2";
        QTest::newRow("no history: up keeps the line")
            << QStringList{"abc~", "^"} << QStringList{} << "abc";
        QStringList many, newest;
        for (int i = 0; i < 150; ++i)
            many << QString("line %1>").arg(i);
        for (int i = 49; i < 150; ++i)
            newest << QString("line %1").arg(i);
        QTest::newRow("150 lines keep the newest 101")
            << many << newest << QString(">|").repeated(150).chopped(1);
    }

    void history() {
        QFETCH(QStringList, script);
        HistoryTextEdit edit;
        QStringList trace;
        connect(&edit, &HistoryTextEdit::ReturnEnterSigal, [&] { trace << ">"; });
        for (const QString& step : script) {
            const QChar key = step.back();
            if (key == '^' || key == 'v') {
                QTest::keyClick(&edit, key == '^' ? Qt::Key_Up : Qt::Key_Down);
                trace << edit.toPlainText();
                continue;
            }
            edit.clear(); // as the window does after a send
            QTest::keyClicks(&edit, step.chopped(1));
            if (key == '>')
                QTest::keyClick(&edit, Qt::Key_Return);
            else if (key == '#')
                QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QTEST(edit.history().lines(), "history");
        QTEST(trace.join('|'), "trace");
    }
};

QTEST_MAIN(TstConsole)
#include "tst_console.moc"
