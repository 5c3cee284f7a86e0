// The main window on a hostile line: random bytes and mangled replies arrive while it is
// logged in and dispatching. It must stay up, keep its buffers bounded and show sane views.
#include "pty_pair.h"
#include "sim_session.h"
#include "ui_bms_main_win.h"
#include "views/battery_group.h"
#include "views/battery_info.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
// Replies as the unit prints them; the test mangles them at random.
const char* const kReplies[] = {
    "pwrsys\r\n@\r\nSystem is discharging\r\nPresent Num         : 4\r\nSystem Volt         : "
    "52329 mV\r\nSystem Curr         : -49767 mA\r\nSystem SOC          : 65 %\r\nSystem SOH    "
    "      : 98 %\r\nCommand completed successfully\r\n$$\r\n",
    "pwr\r\n@\r\nPower  Volt   Curr    Tempr  Tlow   Thigh  Vlow  Vhigh Base.St  Volt.St  "
    "Curr.St  Temp.St  Coulomb  Time                 B.V.St   B.T.St\r\n1      52828  -11264  "
    "25784  24189  27139  3294  3309  Dischg   Normal   Normal   Normal   80%      2024-05-01 "
    "08:00:00  Normal   Normal\r\nCommand completed successfully\r\n$$\r\n",
    "balance\r\n@\r\nPower  Balance  Cells\r\n1      0        0x0000\r\n2      1        "
    "0xd026\r\nCommand completed successfully\r\n$$\r\n",
    "ctrl\r\n@\r\nCFET:ON\r\nDFET:OFF\r\nCommand completed successfully\r\n$$\r\n",
    "info 1\r\n@\r\nDevice address      : 1\r\nDevice name         : NB-RACK\r\nBoot version   "
    "     : V1.0.3\r\nComm version        : V2.1.0\r\nMain Soft version   : V3.4.12\r\nBarcode "
    "            : NB24050481187203\r\nSpecification       : 48V100AH\r\nMax Charge Curr     : "
    "60A\r\nRelease Date        : 2024-03-15\r\nCell Number         : 16\r\nCommand completed "
    "successfully\r\n$$\r\n",
    "bat 1\r\n@\r\nBattery  Volt   Curr    Tempr  Balance  Base.St  Volt.St  Temp.St  "
    "Coulomb\r\n0        3300   -12518  26443  0        Dischg   Normal   Normal   81%   80190 "
    " mAH\r\nCommand completed successfully\r\n$$\r\n",
    "pwr 1\r\n@\r\nCurrent             : -11541 mA\r\nTemperature         : 25790 "
    "mC\r\nCoulomb             : 80 %\r\nTotal Coulomb       : 99000 mAH\r\nReal Coulomb        : "
    "79173 mAH\r\nBasic Status        : Dischg\r\nSystem Fault        : Normal\r\nCommand "
    "completed successfully\r\n$$\r\n",
};

QByteArray mangle(QByteArray text, QRandomGenerator& rng) {
    const int edits = rng.bounded(6);
    for (int i = 0; i < edits && !text.isEmpty(); ++i) {
        const int at = rng.bounded(text.size());
        switch (rng.bounded(4)) {
        case 0:
            text[at] = char(rng.bounded(256));
            break;
        case 1:
            text.remove(at, rng.bounded(1, 20));
            break;
        case 2:
            text.insert(at, QByteArray::number(rng.bounded(-99999999, 999999999)));
            break;
        default:
            text.insert(at, text.mid(rng.bounded(text.size()), rng.bounded(40)));
            break;
        }
    }
    return text;
}
} // namespace

class TestLineNoise : public QObject {
    Q_OBJECT
private slots:
    void survivesNoiseAndMangledReplies();
};

void TestLineNoise::survivesNoiseAndMangledReplies() {
    ScopedPrompts prompts;
    PtyPair pty;
    BMSMainWin w;
    loginOn(w, pty.slavePath());
    QVERIFY(w.portOpen());

    QRandomGenerator rng(20261206);
    qint64 sent = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray chunk;
        if (rng.bounded(3) == 0) {
            chunk.resize(rng.bounded(1, 4096));
            for (char& c : chunk)
                c = char(rng.bounded(256));
        } else {
            chunk = mangle(kReplies[rng.bounded(int(std::size(kReplies)))], rng);
        }
        pty.write(chunk);
        sent += chunk.size();
        pty.read(rng.bounded(2) ? 0 : 20); // let the window read, dispatch and send
    }
    QTest::qWait(400); // the last burst ends
    QVERIFY(sent > 400 * 100);
    QVERIFY(w.portOpen());
    QVERIFY(w.form()->BattGroupWid->batButtons().size() <= 16);
    QVERIFY(w.form()->BattInfoWid->cells().size() <= 16 * 64);
    // The raw view keeps at most its 1000 blocks, however much arrived.
    QVERIFY(w.form()->ReceTextBro->document()->blockCount() <= 1000);
}

QTEST_MAIN(TestLineNoise)
#include "test_line_noise.moc"
