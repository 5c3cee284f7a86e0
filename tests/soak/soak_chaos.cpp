// A technician and a bad cable, at random: the real window against the simulated unit, driven
// by a seeded sequence of page and battery clicks, listings, the stream, downloads, control
// commands, upgrades, Logout/Login and the link pulled and put back. After every step the
// invariants are checked; a failure names the seed and the step, so the run can be replayed.
//   NB_SOAK_MINUTES (default 1), NB_SOAK_SEED (default: drawn and printed)
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "upgrade/trans_progress.h"
#include "views/battery_group.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {
// The longest time the event loop went without turning, sampled every 50 ms.
class Watchdog : public QObject {
public:
    Watchdog() {
        m_clock.start();
        m_timer.callOnTimeout([this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_timer.start(50);
    }
    qint64 takeLongest() { return std::exchange(m_longest, 0); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Refusals and the state that gives each its reason.
struct Refusal {
    const char* text;
    bool (*reason)(const BMSMainWin&);
};
const Refusal kRefusals[] = {
    {"In real-time rendering", [](const BMSMainWin& w) { return w.session().realTimeDisplay; }},
    {"Upgrading!Please wait!",
     [](const BMSMainWin& w) { return w.session().upgrade().stage() != UpgradeStage::Idle; }},
    {"Can't click \"Event\", Please",
     [](const BMSMainWin& w) { return w.session().listing().isOpen(RecordKind::Event); }},
    {"Can't click \"History\", Please",
     [](const BMSMainWin& w) { return w.session().listing().isOpen(RecordKind::History); }},
};
} // namespace

class SoakChaos : public QObject {
    Q_OBJECT
private slots:
    void chaos();
};

void SoakChaos::chaos() {
    const int minutes = qMax(1, qEnvironmentVariableIntValue("NB_SOAK_MINUTES"));
    bool seeded = false;
    const quint32 seed = qEnvironmentVariable("NB_SOAK_SEED").toUInt(&seeded);
    const quint32 s0 = seeded ? seed : QRandomGenerator::system()->generate();
    std::printf("soak: seed %u, %d minutes\n", s0, minutes);
    QRandomGenerator rng(s0);
    const QString startFolder = QDir::currentPath();
    const QStringList before = QDir(startFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QStringList args{"--batteries",     "4",  "--seed",        QString::number(s0),
                     "--reply-delay",   "5",  "--flash-delay", "2000",
                     "--stream-period", "500"};
    if (rng.bounded(2))
        args << "--chunk";
    if (rng.bounded(3) == 0)
        args << "--garbage";
    SimSession s(args);
    BMSMainWin& w = s.w;
    const auto* ui = w.form();
    RecordingPrompts& rec = s.recorder();
    const QString link = s.home.filePath("ttyNB0");
    QVERIFY(QFile::link(s.relay.programPath(), link));
    QFile image(s.home.filePath("image.bin"));
    QVERIFY(image.open(QIODevice::WriteOnly) && image.write(QByteArray(6000, 'x')) == 6000);
    image.close();
    bool pulled = false;
    Watchdog watchdog;

    const auto click = [](QPushButton* b) {
        if (b && b->isEnabled() && b->isVisibleTo(b->window()))
            b->click();
    };
    const auto oneOf = [&](const QList<QPushButton*>& buttons) {
        return buttons.value(rng.bounded(qMax(1, int(buttons.size()))));
    };
    const auto named = [&](const char* name) { return w.findChild<QPushButton*>(name); };
    const QList<QPair<const char*, std::function<void()>>> actions = {
        {"page",
         [&] {
             click(oneOf({ui->BasicBtn, ui->RealBtn, ui->ConfigBtn, ui->HistoryBtn, ui->UpPageBtn,
                          ui->SendDataBtn}));
         }},
        {"battery", [&] { click(oneOf(ui->BattGroupWid->batButtons())); }},
        {"records",
         [&] {
             click(oneOf({ui->HisEveBtn, ui->HistBtn, ui->ContinueBtn, named("ReadAllBtn"),
                          ui->RefleshBtn}));
         }},
        {"stream", [&] { click(rng.bounded(2) ? ui->RTDataOnBtn : ui->RTDataOffBtn); }},
        {"download",
         [&] {
             rec.textAnswers.enqueue(s.home.filePath(QString("out%1").arg(rng.bounded(3))));
             rec.buttonAnswers.enqueue(rng.bounded(2) ? QMessageBox::Yes : QMessageBox::No);
             click(oneOf({ui->RTDataDownBtn, ui->ConfigDownBtn, ui->HisDownBtn}));
             rec.textAnswers.clear();
             rec.buttonAnswers.clear();
         }},
        {"control",
         [&] {
             rec.buttonAnswers.enqueue(rng.bounded(2) ? QMessageBox::Yes : QMessageBox::No);
             click(oneOf({named("CmosOnBtn"), named("CmosOffBtn"), named("DmosOnBtn"),
                          named("DmosOffBtn"), named("SelfTestBtn")}));
             rec.buttonAnswers.clear();
         }},
        {"upgrade",
         [&] {
             rec.textAnswers.enqueue(image.fileName());
             click(rng.bounded(4) ? ui->UpDateBtn : ui->WakeBtn);
             if (QWidget* gate = visibleGate()) {
                 auto* password = gate->findChild<QLineEdit*>("PsdEdit");
                 QTest::keyClicks(password, rng.bounded(4) ? "740318" : "1");
                 QTest::keyClick(password, Qt::Key_Return);
                 if (QWidget* still = visibleGate())
                     still->close();
             }
             rec.textAnswers.clear();
         }},
        {"logout/login",
         [&] {
             if (pulled)
                 return;
             if (w.portOpen()) {
                 ui->CloseBtn->click();
                 return;
             }
             const int sent = s.relay.sentLines().size();
             loginOn(w, link);
             if (w.basicPageFlag() &&
                 !waitFor([&] { return s.sent().mid(sent).contains("pwrsys"); }, 6000))
                 QFAIL(
                     qPrintable(QString("soak seed %1: no pwrsys within 6 s of a Login").arg(s0)));
         }},
        {"cable",
         [&] {
             if (pulled) {
                 pulled = !QFile::link(s.relay.programPath(), link);
             } else if (QFile::remove(link)) {
                 pulled = true;
                 QMetaObject::invokeMethod(&w, "PortCheckTimeOut");
             }
         }},
        {"wait", [&] { QTest::qWait(rng.bounded(1500)); }},
    };

    loginOn(w, link);
    QElapsedTimer clock;
    clock.start();
    int step = 0;
    for (; !clock.hasExpired(qint64(minutes) * 60000); ++step) {
        const auto& action = actions.at(rng.bounded(int(actions.size())));
        QList<bool> reasons;
        for (const Refusal& r : kRefusals)
            reasons << r.reason(w);
        const int shown = rec.shown.size();
        watchdog.takeLongest();
        action.second();
        if (QTest::currentTestFailed())
            return;
        QTest::qWait(rng.bounded(300));
        const QString where =
            QString("soak seed %1 step %2 (%3): ").arg(s0).arg(step).arg(action.first);
        const qint64 gap = watchdog.takeLongest();
        QVERIFY2(gap < 1000,
                 qPrintable(where + QString("the window did not answer for %1 ms").arg(gap)));
        for (const PromptRecord& r : rec.shown.mid(shown))
            for (int i = 0; i < int(std::size(kRefusals)); ++i)
                QVERIFY2(!r.text.startsWith(kRefusals[i].text) || reasons.at(i),
                         qPrintable(where + "refused without a reason: " + r.text));
        if (rec.shown.size() > 1000)
            rec.shown.clear();
    }
    const QStringList after = QDir(startFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(after, before); // every file went into the session's own folder
    std::printf("soak: seed %u, %d steps in %d minutes, no invariant broken\n", s0, step, minutes);
}

// QtTest ends a test function after five minutes unless told otherwise: the soak runs longer.
int main(int argc, char** argv) {
    const int minutes = qMax(1, qEnvironmentVariableIntValue("NB_SOAK_MINUTES"));
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((minutes + 10) * 60 * 1000));
    QApplication app(argc, argv);
    SoakChaos soak;
    return QTest::qExec(&soak, argc, argv);
}

#include "soak_chaos.moc"
