// The raw data view fed 8 MiB without a line end through the real window and a pty, half with
// the page hidden and half shown. Budgets (CPU, memory): label "budget", not sanitizer-built.
#include "sim_session.h"
#include "ui_bms_main_win.h"

#include <QPushButton>
#include <QtTest>

#include <ctime>
#include <unistd.h>

static qint64 threadCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

static qint64 residentBytes() {
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

class TestRawView : public QObject {
    Q_OBJECT
private slots:
    void eightMiBWithoutLineEnd();
};

// Catches an unbounded line or view: a frozen window per burst, memory that grows with what
// was received, a page that takes long to open, and text lost or reordered at the line breaks.
void TestRawView::eightMiBWithoutLineEnd() {
    QLoggingCategory::setFilterRules("*.debug=false"); // the window logs every burst
    ScopedPrompts prompts;
    PtyPair pty;
    BMSMainWin w;
    w.show();
    loginOn(w, pty.slavePath());
    const QByteArray chunk =
        QByteArray("0123456789abcdefghijklmnopqrstuvwxyz -+*/=<>").repeated(1490).left(64 * 1024);
    // The longest stretch of GUI-thread CPU time between two turns of the event loop.
    const auto feedWorstMs = [&] {
        qint64 last = threadCpuNs(), worst = 0;
        QTimer meter;
        connect(&meter, &QTimer::timeout, [&] {
            worst = qMax(worst, threadCpuNs() - last);
            last = threadCpuNs();
        });
        meter.start(1);
        for (int sent = 0; sent < 4 * 1024 * 1024; sent += chunk.size())
            pty.write(chunk);
        QTest::qWait(400); // the last burst ends
        return worst / 1e6;
    };
    const double hiddenMs = feedWorstMs();
    const qint64 openStart = threadCpuNs();
    w.form()->SendDataBtn->click();
    w.repaint();
    const double openMs = (threadCpuNs() - openStart) / 1e6;
    const qint64 rssOpen = residentBytes();
    const double shownMs = feedWorstMs();
    const qint64 growth = residentBytes() - rssOpen;
    const QString text = w.form()->ReceTextBro->toPlainText();
    qInfo("worst turn %.1f ms CPU hidden, %.1f ms shown; page opened in %.1f ms; RSS over the "
          "shown 4 MiB %+lld KiB; view %d characters",
          hiddenMs, shownMs, openMs, growth / 1024, int(text.size()));
    QVERIFY(hiddenMs < 50 && shownMs < 50 && openMs < 100);
    QVERIFY(growth < 8 * 1024 * 1024 && w.session().frames().bufferedBytes() <= 64 * 1024);
    // The newest text, whole and in order, in lines of 256 characters.
    QString newest = QString::fromLatin1(chunk.repeated(4).right(1000 * 256));
    for (int at = 256; at < newest.size(); at += 257)
        newest.insert(at, '\n');
    QCOMPARE(text, newest);
}

QTEST_MAIN(TestRawView)
#include "test_raw_view.moc"
