// The simulated unit's console, driven over its pseudo-terminal as the program drives it:
// the reply frame of every command, the fields the program's parsers read, the control
// commands, the paged listings, the real-time stream and the repeatable line faults.

#include "sim_unit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The console's wire texts, restated here on purpose.
const QString kOk = "Command completed successfully";
const QString kUnknown = "Unknown command";
const QString kAbsent = "Target device is not present";
const QString kInvalid = "Invalid command or fail to excute.";
const QByteArray kPrompt = "Press [Enter] to be continued,other key to exit";
const QByteArray kEnd = "$$\r\n";

QStringList fields(const QString& line) {
    static const QRegularExpression blanks("\\s+");
    return line.trimmed().split(blanks, Qt::SkipEmptyParts);
}

// The reply's lines between the start marker and the marker line.
QStringList bodyLines(const QByteArray& reply) {
    QStringList all = QString::fromUtf8(reply).split("\r\n");
    const int start = all.indexOf("@");
    const int end = all.indexOf(kOk);
    return start < 0 || end < start ? QStringList() : all.mid(start + 1, end - start - 1);
}

// The text after the first ":" of the line that starts with the label, trimmed.
QString value(const QByteArray& reply, const QString& label) {
    for (const QString& line : bodyLines(reply)) {
        if (line.startsWith(label) && line.indexOf(':') >= 0 &&
            line.left(line.indexOf(':')).trimmed() == label)
            return line.mid(line.indexOf(':') + 1).trimmed();
    }
    return QString();
}

int number(const QString& text, const QString& unit = QString()) {
    QString t = text;
    if (!unit.isEmpty()) {
        if (!t.endsWith(unit))
            return INT_MIN;
        t.chop(unit.size());
    }
    bool ok = false;
    const int v = t.trimmed().toInt(&ok);
    return ok ? v : INT_MIN;
}

// The record and table lines of a body: those that start with a number.
QStringList dataLines(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines) {
        bool ok = false;
        fields(l).value(0).toInt(&ok);
        if (ok)
            out += l;
    }
    return out;
}

} // namespace

class TstSimConsole : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void framing_data();
    void framing();
    void systemTotals();
    void batteryTable();
    void balanceTable();
    void batteryDetail();
    void configurationRows();
    void switchesAndDefaults();
    void barcodeWriting();
    void variantOptions_data();
    void variantOptions();
    void listing_data();
    void listing();
    void listingQuitsOnOtherKey();
    void realTimeStream();
    void seededFaultsRepeat();
    void commandLog();
    void linkRemovedOnTerminate();
    void badOptionsRefused_data();
    void badOptionsRefused();

private:
    QByteArray run(const QStringList& args, const QStringList& commands);

    QTemporaryDir m_dir;
    std::unique_ptr<SimUnit> m_unit;
    QStringList m_sent;
};

void TstSimConsole::initTestCase() {
    QVERIFY(QFile::exists(SimUnit::binary()));
    m_unit = std::make_unique<SimUnit>(QStringList{"--seed", "11", "--reply-delay", "0",
                                                   "--command-log", m_dir.filePath("cmd.log")});
    QVERIFY(m_unit->isReady());
}

void TstSimConsole::framing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("marker");
    QTest::newRow("login") << "login debug" << QStringList() << kOk;
    QTest::newRow("pwrsys") << "pwrsys" << QStringList{"System is ", "Present Num", "System Volt",
                                                       " mV",        "System Curr", " mA",
                                                       "System SOC", "System SOH",  "%"}
                            << kOk;
    QTest::newRow("pwr table") << "pwr" << QStringList{"B.T.St\r\n1 "} << kOk;
    QTest::newRow("balance") << "balance" << QStringList{"\r\n1 "} << kOk;
    QTest::newRow("ctrl") << "ctrl" << QStringList{"ctrl\r\n@", "CFET:ON\r\n", "DFET:ON\r\n"}
                          << kOk;
    QTest::newRow("info") << "info 1"
                          << QStringList{"Device address", "Device name",       "Boot version",
                                         "Comm version",   "Main Soft version", "Barcode",
                                         "Specification",  "Max Charge Curr",   "Release Date",
                                         "Cell Number"}
                          << kOk;
    QTest::newRow("bat") << "bat 1" << QStringList{"Coulomb\r\n0 "} << kOk;
    QTest::newRow("pwr battery") << "pwr 1"
                                 << QStringList{"Current",       " mA\r\n",      "Temperature",
                                                " mC\r\n",       "Coulomb",      " %\r\n",
                                                "Total Coulomb", "Real Coulomb", " mAH\r\n",
                                                "Basic Status",  "System Fault"}
                                 << kOk;
    QTest::newRow("config") << "config" << QStringList{"config\r\n@", "Over Voltage", "Shut time"}
                            << kOk;
    QTest::newRow("data") << "data"
                          << QStringList{"data\r\n@", "Data Number", "History Data Number"} << kOk;
    QTest::newRow("event detail") << "data event 2" << QStringList{"Item", "Events"} << kOk;
    QTest::newRow("history detail") << "data history 3" << QStringList{"Item", "Events"} << kOk;
    QTest::newRow("self-test") << "tall" << QStringList() << kOk;
    QTest::newRow("logout") << "logout" << QStringList() << kOk;
    QTest::newRow("bare info") << "info " << QStringList{"Device address"} << kOk;
    QTest::newRow("unknown") << "pwrs" << QStringList() << kUnknown;
    QTest::newRow("absent battery") << "info 5" << QStringList() << kAbsent;
    QTest::newRow("battery 0") << "pwr 0" << QStringList() << kAbsent;
    QTest::newRow("bad number") << "bat x" << QStringList() << kInvalid;
    QTest::newRow("bad record") << "data event 0" << QStringList() << kInvalid;
    QTest::newRow("listing past end") << "datalist history 150" << QStringList() << kInvalid;
    QTest::newRow("bad switch") << "ctrl cfet maybe" << QStringList() << kInvalid;
    QTest::newRow("short barcode") << "tbar ABC" << QStringList{"Test result:fail"} << kInvalid;
    QTest::newRow("stream absent") << "disp pwrs 9" << QStringList() << kAbsent;
}

void TstSimConsole::framing() {
    QFETCH(QString, command);
    QFETCH(QStringList, labels);
    QFETCH(QString, marker);
    const QByteArray reply = m_unit->command(command);
    m_sent += command;
    QVERIFY2(reply.startsWith((command + "\r\n@\r\n").toUtf8()), reply.constData());
    QVERIFY2(reply.endsWith((marker + "\r\n$$\r\n").toUtf8()), reply.constData());
    QCOMPARE(reply.count('@'), 1);
    QCOMPARE(reply.count('\n'), reply.count("\r\n")); // a console's line ends
    for (const QString& label : labels)
        QVERIFY2(reply.contains(label.toUtf8()), qPrintable(label));
    QCOMPARE(m_unit->readFor(30), QByteArray()); // nothing follows the end marker
}

void TstSimConsole::systemTotals() {
    const QByteArray reply = m_unit->command("pwrsys");
    const QStringList body = bodyLines(reply);
    QVERIFY(!body.isEmpty());
    QCOMPARE(number(value(reply, "Present Num")), 4);
    const int volt = number(value(reply, "System Volt"), "mV");
    const int curr = number(value(reply, "System Curr"), "mA");
    QVERIFY2(volt > 40000 && volt < 60000, qPrintable(value(reply, "System Volt")));
    QVERIFY(curr != INT_MIN);
    const int soc = number(value(reply, "System SOC"), "%");
    QVERIFY(soc >= 0 && soc <= 100);
    QVERIFY(number(value(reply, "System SOH"), "%") > 0);
    // The state line names the direction of the current, and names only one.
    const QString state = body.first();
    const QString expected = curr > 500    ? "System is charging"
                             : curr < -500 ? "System is discharging"
                                           : "System is idle";
    QCOMPARE(state, expected);
    const QString rest = QString::fromUtf8(reply).remove(state);
    for (const char* word : {"idle", "discharg", "System is charging"})
        QVERIFY2(!rest.contains(word), qPrintable(word));
}

void TstSimConsole::batteryTable() {
    const QByteArray reply = m_unit->command("pwr");
    const QString text = QString::fromUtf8(reply);
    const QString table = text.mid(text.indexOf("B.T.St") + 6);
    const QStringList rows = table.left(table.indexOf(kOk)).trimmed().split("\r\n");
    QCOMPARE(rows.size(), 4);
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = fields(rows.at(i));
        QCOMPARE(f.size(), 17);
        QCOMPARE(f.at(0), QString::number(i + 1));
        QVERIFY(f.at(12).endsWith('%'));
        QVERIFY(number(f.at(12), "%") >= 0);
        QVERIFY(QDateTime::fromString(f.at(13) + " " + f.at(14), "yyyy-MM-dd HH:mm:ss").isValid());
    }
}

void TstSimConsole::balanceTable() {
    const QByteArray reply = m_unit->command("balance");
    const QString text = QString::fromUtf8(reply);
    const QString from = text.mid(text.indexOf('1'));
    const QStringList rows = from.left(from.indexOf(kOk)).trimmed().split("\r\n");
    QCOMPARE(rows.size(), 4);
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = fields(rows.at(i));
        QCOMPARE(f.value(0), QString::number(i + 1));
        QVERIFY2(f.value(1) == "0" || f.value(1) == "1", qPrintable(rows.at(i)));
    }
}

void TstSimConsole::batteryDetail() {
    const QByteArray info = m_unit->command("info 3");
    QCOMPARE(value(info, "Device address"), QString("3"));
    QCOMPARE(value(info, "Barcode").size(), 16);
    const int cells = number(value(info, "Cell Number"));
    QVERIFY(cells > 0);

    const QByteArray bat = m_unit->command("bat 3");
    const QString text = QString::fromUtf8(bat);
    const QString afterHeader = text.mid(text.indexOf("Coulomb") + 7);
    const QString table = afterHeader.mid(afterHeader.indexOf('0'));
    const QStringList rows = table.left(table.indexOf("Command completed")).trimmed().split("\r\n");
    QCOMPARE(rows.size(), cells);
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = fields(rows.at(i));
        QCOMPARE(f.size(), 11);
        QCOMPARE(f.at(0), QString::number(i));
        QVERIFY(number(f.at(1)) > 2500 && number(f.at(1)) < 3700); // mV
        QVERIFY(number(f.at(8), "%") >= 0);
        QVERIFY(number(f.at(9)) >= 0);
        QCOMPARE(f.at(10), QString("mAH"));
    }

    const QByteArray pwr = m_unit->command("pwr 3");
    QVERIFY(pwr.startsWith("pwr 3\r\n"));
    QVERIFY(number(value(pwr, "Current"), "mA") != INT_MIN);
    QVERIFY(number(value(pwr, "Temperature"), "mC") != INT_MIN);
    const int total = number(value(pwr, "Total Coulomb"), "mAH");
    const int real = number(value(pwr, "Real Coulomb"), "mAH");
    QVERIFY(total > 0 && real >= 0 && real <= total);
    // The first "Coulomb" of the reply is the SOC in %.
    const QString pwrText = QString::fromUtf8(pwr);
    const QString first = pwrText.mid(pwrText.indexOf("Coulomb"));
    QVERIFY(first.left(first.indexOf('\n')).trimmed().endsWith("%"));
    QVERIFY(!value(pwr, "Basic Status").isEmpty());
}

void TstSimConsole::configurationRows() {
    const QString text = QString::fromUtf8(m_unit->command("config"));
    const int from = text.indexOf("Over Voltage");
    const int to = text.indexOf("Shut time");
    QVERIFY(from > 0 && to > from);
    const QStringList rows = text.mid(from, to - from).trimmed().split("\r\n");
    QVERIFY(rows.size() >= 6);
    for (const QString& row : rows) {
        const QStringList values = fields(row.mid(row.indexOf(':') + 1));
        QVERIFY2(values.size() == 2 || values.size() == 3, qPrintable(row));
    }
    QVERIFY(text.indexOf(kOk) > to);
}

void TstSimConsole::switchesAndDefaults() {
    QCOMPARE(m_unit->command("ctrl cfet off").endsWith((kOk + "\r\n$$\r\n").toUtf8()), true);
    m_unit->command("ctrl dfet off");
    QByteArray ctrl = m_unit->command("ctrl");
    QVERIFY(ctrl.contains("CFET:OFF\r\n") && ctrl.contains("DFET:OFF\r\n"));
    m_unit->command("ctrl dfet on");
    ctrl = m_unit->command("ctrl");
    QVERIFY(ctrl.contains("CFET:OFF\r\n") && ctrl.contains("DFET:ON\r\n"));
    m_unit->command("config default");
    ctrl = m_unit->command("ctrl");
    QVERIFY(ctrl.contains("CFET:ON\r\n") && ctrl.contains("DFET:ON\r\n"));
}

void TstSimConsole::barcodeWriting() {
    QVERIFY(value(m_unit->command("info 1"), "Barcode").size() == 16);
    QVERIFY(value(m_unit->command("info 2"), "Barcode").isEmpty()); // missing by default
    const QByteArray result = m_unit->command("tbar NBTEST0000000042");
    QVERIFY(result.contains("Test result:pass") && result.contains(kOk.toUtf8()));
    QCOMPARE(value(m_unit->command("info 2"), "Barcode"), QString("NBTEST0000000042"));
    QVERIFY(value(m_unit->command("info 1"), "Barcode") != "NBTEST0000000042");
}

void TstSimConsole::variantOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("unexpected");
    QTest::newRow("relays") << QStringList{"--relay"} << "ctrl"
                            << "ctrl\r\n@\r\nPrechg relay:K2:ON\r\nMain relay:K1:ON\r\n"
                            << "FET";
    QTest::newRow("unknown balance") << QStringList{"--unknown-balance"} << "balance"
                                     << "balance\r\n@\r\nUnknown command\r\n$$\r\n"
                                     << "Power";
    QTest::newRow("one battery") << QStringList{"--batteries", "1"} << "pwr 2"
                                 << "Target device is not present"
                                 << "Voltage";
    QTest::newRow("one battery, no barcode") << QStringList{"--batteries", "1"} << "info 1"
                                             << "Barcode             : \r\n"
                                             << "Target device";
    QTest::newRow("model") << QStringList{"--model", "T-RACK-3660Z-M"} << "info 4"
                           << ": T-RACK-3660Z-M\r\n"
                           << "NB-RACK";
}

void TstSimConsole::variantOptions() {
    QFETCH(QStringList, args);
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QFETCH(QString, unexpected);
    SimUnit unit(args + QStringList{"--reply-delay", "0"});
    const QByteArray reply = unit.command(command);
    QVERIFY2(reply.contains(expected.toUtf8()), reply.constData());
    QVERIFY2(!reply.contains(unexpected.toUtf8()), reply.constData());
}

void TstSimConsole::listing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("firstItem");
    QTest::addColumn<int>("lastItem");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<int>("pages");
    QTest::newRow("events in pages")
        << QStringList{"--events", "25"} << "datalist event 0" << 1 << 25 << true << 3;
    QTest::newRow("histories from 13")
        << QStringList{"--histories", "30"} << "datalist history 12" << 13 << 30 << false << 2;
    QTest::newRow("one page") << QStringList{"--events", "4"} << "datalist event 0" << 1 << 4
                              << true << 1;
    QTest::newRow("complete listing")
        << QStringList{"--model", "T-RACK-3660Z-M", "--histories", "35"} << "datalist history 3"
        << 4 << 35 << false << 1;
}

void TstSimConsole::listing() {
    QFETCH(QStringList, args);
    QFETCH(QString, command);
    QFETCH(int, firstItem);
    QFETCH(int, lastItem);
    QFETCH(bool, mask);
    QFETCH(int, pages);
    SimUnit unit(args + QStringList{"--seed", "5", "--reply-delay", "0"});
    QVERIFY(unit.isReady());
    unit.write("\n" + command.toUtf8() + "\n");
    QList<QByteArray> got{unit.readQuiet(150)};
    while (got.last().endsWith(kPrompt) && got.size() < 100) {
        unit.write("\r");
        got += unit.readQuiet(150);
    }
    QCOMPARE(got.size(), pages);
    const QByteArray all = got.join();
    QVERIFY(all.startsWith((command + "\r\n@\r\n").toUtf8()));
    QVERIFY(all.endsWith((kOk + "\r\n$$\r\n").toUtf8()));
    QCOMPARE(all.count("$$"), 1);
    QCOMPARE(all.count("Item"), 1); // the header is on the first page only
    const QStringList lines = QString::fromUtf8(all).split("\r\n");
    const QString header = lines.value(2);
    QVERIFY(header.startsWith("Item") && header.endsWith("Events"));
    QCOMPARE(header.contains("mask"), mask);
    const QStringList records = dataLines(lines);
    QCOMPARE(records.size(), lastItem - firstItem + 1);
    for (int i = 0; i < records.size(); ++i) {
        const QStringList f = fields(records.at(i));
        QCOMPARE(f.at(0), QString::number(firstItem + i));
        QVERIFY(f.size() > (mask ? 16 : 15));      // record fields, then the event words
        QCOMPARE(f.at(10).startsWith("0x"), mask); // the mask column
        QVERIFY(f.at(mask ? 15 : 14).endsWith('%'));
    }
}

void TstSimConsole::listingQuitsOnOtherKey() {
    SimUnit unit({"--events", "25", "--reply-delay", "0"});
    unit.write("\ndatalist event 0\n");
    QVERIFY(unit.readUntil(kPrompt, 2000).endsWith(kPrompt));
    const QByteArray after = unit.command("data");
    QVERIFY2(after.startsWith("\r\nQuit current mode\r\n$$\r\n"), after.constData());
    const QByteArray data = unit.readUntil(kEnd, 2000);
    QVERIFY2(data.startsWith("data\r\n@\r\n"), data.constData());
    QCOMPARE(number(value(data, "Data Number")), 25);
}

void TstSimConsole::realTimeStream() {
    SimUnit unit({"--stream-period", "40", "--reply-delay", "0", "--seed", "3"});
    const QByteArray reply = unit.command("disp pwrs 2");
    QCOMPARE(reply, QByteArray("disp pwrs 2\r\n@\r\n" + kOk.toUtf8() + "\r\n$$\r\n"));
    const QByteArray header = unit.readUntil("\r\n", 1000);
    QVERIFY(header.startsWith("ID ") && header.endsWith("Coul(mAH)\r\n"));
    QTest::qWait(400);
    const QByteArray stop = "\ndisp 0\n";
    unit.write(stop);
    const QByteArray stream = unit.readUntil("disp 0\r\n", 2000);
    const QByteArray stopReply = unit.readUntil(kEnd, 2000);
    QCOMPARE(stopReply, QByteArray("@\r\n" + kOk.toUtf8() + "\r\n$$\r\n"));
    QCOMPARE(unit.readFor(200), QByteArray()); // the stream has ended

    const QStringList lines = QString::fromUtf8(stream).split("\r\n", Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 4, stream.constData());
    QDateTime previous;
    for (int i = 0; i < lines.size() - 1; ++i) {
        const QStringList f = fields(lines.at(i));
        QCOMPARE(f.size(), 19);
        QCOMPARE(f.at(0), QString::number(i + 1));
        const QDateTime at = QDateTime::fromString(f.at(1) + " " + f.at(2), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(at.isValid());
        if (previous.isValid())
            QCOMPARE(previous.secsTo(at), 1); // a sample stands for a second, however fast
        previous = at;
        QVERIFY(number(f.at(17), "%") >= 0);
        QVERIFY(number(f.at(18)) >= 0);
    }
}

QByteArray TstSimConsole::run(const QStringList& args, const QStringList& commands) {
    SimUnit unit(args);
    QByteArray out;
    for (const QString& c : commands) {
        if (c == "\r")
            unit.write("\r");
        else
            unit.write("\n" + c.toUtf8() + "\n");
        out += unit.readQuiet(c.startsWith("datalist") || c == "\r" ? 600 : 100);
    }
    return out;
}

void TstSimConsole::seededFaultsRepeat() {
    const QStringList commands{"pwrsys",           "pwr", "info 1", "bat 1", "pwr 1",
                               "datalist event 0", "\r"};
    const QStringList base{"--seed", "7", "--reply-delay", "0", "--events", "15"};
    const QStringList faults{"--chunk", "--garbage", "--lose-end"};
    const QByteArray first = run(base + faults, commands);
    const QByteArray second = run(base + faults, commands);
    const QByteArray clean = run(base, commands);
    QCOMPARE(first, second);
    QVERIFY(first != clean);
    QVERIFY(first.contains('\0'));                    // garbage arrived
    QVERIFY(first.count("$$") < clean.count("$$"));   // an end marker was lost
    QCOMPARE(clean.count("$$"), commands.size() - 1); // one per reply, the listing's once
}

void TstSimConsole::commandLog() {
    m_unit.reset(); // flushes and closes the log
    QFile log(m_dir.filePath("cmd.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= m_sent.size());
    for (int i = 0; i < m_sent.size(); ++i)
        QCOMPARE(lines.at(i).section(' ', 1), m_sent.at(i));
    qint64 last = 0;
    for (const QString& line : lines) {
        const qint64 ms = line.section(' ', 0, 0).toLongLong();
        QVERIFY(ms >= last);
        last = ms;
    }
}

void TstSimConsole::linkRemovedOnTerminate() {
    const QString link = m_dir.filePath("unit");
    SimUnit unit({"--link", link});
    QVERIFY(unit.isReady());
    QCOMPARE(QFileInfo(link).symLinkTarget(), unit.path());
    unit.process().terminate();
    QVERIFY(unit.process().waitForFinished(3000));
    QCOMPARE(unit.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TstSimConsole::badOptionsRefused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no batteries") << QStringList{"--batteries", "0"};
    QTest::newRow("17 batteries") << QStringList{"--batteries", "17"};
    QTest::newRow("fault") << QStringList{"--xmodem-fault", "sometimes"};
    QTest::newRow("flash") << QStringList{"--flash-result", "maybe"};
    QTest::newRow("seed") << QStringList{"--seed", "x"};
}

void TstSimConsole::badOptionsRefused() {
    QFETCH(QStringList, args);
    QProcess p;
    p.start(SimUnit::binary(), args);
    QVERIFY(p.waitForFinished(3000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty()); // no port was opened
}

QTEST_GUILESS_MAIN(TstSimConsole)
#include "tst_sim_console.moc"
