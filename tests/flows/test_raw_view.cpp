// The raw data view fed 8 MiB without a line end through the real window and a real
// pseudo-terminal, the first half with the page hidden and the rest with it shown. Its
// checks are budgets (CPU time, memory), so it carries the label "budget", which the
// sanitizer run leaves out: there both mean nothing.
#include "mainwindow/bms_main_win.h"
#include "pty_pair.h"
#include "recording_prompts.h"
#include "serial/port_list.h"
#include "ui_bms_main_win.h"

#include <QPushButton>
#include <QtTest>

#include <ctime>
#include <unistd.h>

namespace {

qint64 threadCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 residentBytes() {
    QFile statm("/proc/self/statm");
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE)
               : -1;
}

QtMessageHandler g_previous = nullptr;

} // namespace

class TestRawView : public QObject {
    Q_OBJECT
private slots:
    void eightMiBWithoutLineEnd();
};

void TestRawView::eightMiBWithoutLineEnd() {
    // The window logs every burst: megabytes of test output.
    g_previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& s) {
            if (t != QtDebugMsg)
                g_previous(t, c, s);
        });
    ScopedPrompts prompts;
    PtyPair pty;
    addExtraPort(pty.slavePath());
    BMSMainWin w;
    w.show();
    w.selectPort(pty.slavePath());
    w.OpenBtn_clicked();

    QByteArray chunk(64 * 1024, '\0');
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = "0123456789abcdefghijklmnopqrstuvwxyz -+*/=<>"[i % 44];
    // The longest stretch of GUI-thread CPU time between two turns of the event loop.
    const auto feedWorstMs = [&](int bytes) {
        qint64 last = threadCpuNs(), worst = 0;
        QTimer meter;
        connect(&meter, &QTimer::timeout, [&] {
            worst = qMax(worst, threadCpuNs() - last);
            last = threadCpuNs();
        });
        meter.start(1);
        for (int sent = 0; sent < bytes; sent += chunk.size())
            pty.write(chunk);
        QTest::qWait(400); // the last burst ends
        return worst / 1e6;
    };
    const double hiddenMs = feedWorstMs(4 * 1024 * 1024);
    const qint64 openStart = threadCpuNs();
    w.form()->SendDataBtn->click();
    w.repaint();
    const double openMs = (threadCpuNs() - openStart) / 1e6;
    const qint64 rssOpen = residentBytes();
    const double shownMs = feedWorstMs(4 * 1024 * 1024);
    const qint64 growth = residentBytes() - rssOpen;
    QTextDocument* doc = w.form()->ReceTextBro->document();
    qInstallMessageHandler(g_previous);
    qInfo("worst turn %.1f ms CPU hidden, %.1f ms shown; page opened in %.1f ms; RSS over the "
          "shown 4 MiB %+lld KiB; view %d characters",
          hiddenMs, shownMs, openMs, growth / 1024, doc->characterCount());
    QVERIFY(hiddenMs < 50 && shownMs < 50);
    QVERIFY(openMs < 100);
    QVERIFY(growth < 8 * 1024 * 1024);
    QVERIFY(w.frameBufferBytes() <= 64 * 1024);

    // The newest text, whole and in order, in lines of at most 256 characters.
    const QStringList lines = doc->toPlainText().split('\n');
    QVERIFY(lines.size() == 1000);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[lines.size() - 1 - i];
        QCOMPARE(line.size(), 256);
        const int start = (8 * 1024 * 1024 - (i + 1) * 256) % chunk.size(); // within a chunk
        QCOMPARE(line, QString::fromLatin1(chunk.mid(start, 256)));
    }
}

QTEST_MAIN(TestRawView)
#include "test_raw_view.moc"
