// The raw data view fed megabytes without a line end through the real window and a real
// pseudo-terminal. Its figures are budgets (CPU time, memory), so it carries the label
// "budget", which the sanitizer run leaves out: there both mean nothing.
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
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The longest stretch of GUI-thread CPU time between two turns of the event loop.
class StallMeter : public QObject {
public:
    StallMeter() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = threadCpuNs();
            m_worstNs = qMax(m_worstNs, now - m_lastNs);
            m_lastNs = now;
        });
        m_timer.start(1);
    }
    double worstMs() const { return m_worstNs / 1e6; }

private:
    QTimer m_timer;
    qint64 m_lastNs = threadCpuNs();
    qint64 m_worstNs = 0;
};

} // namespace

class TestRawView : public QObject {
    Q_OBJECT
private slots:
    void rawViewStaysBounded_data();
    void rawViewStaysBounded();
};

void TestRawView::rawViewStaysBounded_data() {
    QTest::addColumn<bool>("shown");
    QTest::newRow("raw page shown") << true;
    QTest::newRow("raw page hidden, opened after") << false;
}

// 8 MiB without a line end: each burst is handled in under 50 ms, memory stays flat, the
// frame buffer holds only the newest noise, and the raw page opens at once.
void TestRawView::rawViewStaysBounded() {
    QFETCH(bool, shown);
    // The window logs every burst; here that would be megabytes of test output.
    static QtMessageHandler previous = nullptr;
    struct Quiet {
        Quiet() {
            previous = qInstallMessageHandler(
                [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                    if (type != QtDebugMsg)
                        previous(type, context, text);
                });
        }
        ~Quiet() { qInstallMessageHandler(previous); }
    } quiet;
    const QByteArray pattern = "0123456789abcdefghijklmnopqrstuvwxyz -+*/=<>";
    ScopedPrompts prompts;
    PtyPair pty;
    addExtraPort(pty.slavePath());
    BMSMainWin w;
    w.show();
    w.selectPort(pty.slavePath());
    w.OpenBtn_clicked();
    QVERIFY(w.portOpen());
    if (shown)
        w.form()->SendDataBtn->click();

    const int total = 8 * 1024 * 1024;
    QByteArray chunk(64 * 1024, '\0');
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = pattern[i % pattern.size()];
    qint64 rssAt2MiB = 0;
    StallMeter stalls;
    for (int sent = 0; sent < total; sent += chunk.size()) {
        QVERIFY(pty.write(chunk));
        if (sent == 2 * 1024 * 1024)
            rssAt2MiB = residentBytes();
    }
    QTest::qWait(400); // the last burst ends
    const qint64 growth = residentBytes() - rssAt2MiB;
    QTextDocument* doc = w.form()->ReceTextBro->document();
    qInfo("worst turn %.1f ms CPU; RSS 2 -> 8 MiB %+lld KiB; view %d chars in %d blocks",
          stalls.worstMs(), growth / 1024, doc->characterCount(), doc->blockCount());
    QVERIFY2(stalls.worstMs() < 50, "a burst held the window too long");
    QVERIFY2(growth < 8 * 1024 * 1024, "memory grows with the text received");
    QVERIFY(w.frameBufferBytes() <= 64 * 1024);
    // The view holds the newest text, whole and in order, in lines of at most 256.
    const QStringList lines = doc->toPlainText().split('\n');
    QString kept;
    for (const QString& line : lines) {
        QVERIFY(line.size() <= 256);
        kept += line;
    }
    QVERIFY(kept.size() >= 999 * 256);
    for (int k = 0; k < kept.size(); ++k) {
        const int at = (total - kept.size() + k) % chunk.size();
        QVERIFY2(kept[k] == QLatin1Char(chunk[at]), qPrintable(QString::number(k)));
    }

    const qint64 openStart = threadCpuNs();
    w.form()->SendDataBtn->click();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.repaint();
    const double openMs = (threadCpuNs() - openStart) / 1e6;
    qInfo("raw page opened in %.1f ms CPU", openMs);
    QVERIFY2(openMs < 100, "opening the raw page took too long");
}

QTEST_MAIN(TestRawView)
#include "test_raw_view.moc"
