// The simulated unit's console over its pty: reply frames, the labels and columns the parsers
// read, control commands, paged listings, the real-time stream and repeatable line faults.

#include "sim_unit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The console's wire texts, restated here on purpose.
const QString kOk = "Command completed successfully";
const QString kInvalid = "Invalid command or fail to excute.";
const QString kAbsent = "Target device is not present";
const QByteArray kPrompt = "Press [Enter] to be continued,other key to exit";
const QByteArray kEnd = "$$\r\n";

QStringList fields(const QString& line) {
    return line.trimmed().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// The text after the first ":" of the line whose label (the text before it) is `label`.
QString value(const QByteArray& reply, const QString& label) {
    for (const QString& line : QString::fromUtf8(reply).split("\r\n")) {
        if (line.section(':', 0, 0).trimmed() == label)
            return line.mid(line.indexOf(':') + 1).trimmed();
    }
    return QString();
}

// The number in front of `unit`, INT_MIN when the text is not such a number.
int number(const QString& text, const QString& unit = QString()) {
    bool ok = false;
    const int v = text.left(text.size() - unit.size()).trimmed().toInt(&ok);
    return ok && text.endsWith(unit) ? v : INT_MIN;
}

// The table and record lines of a reply: those that start with a number.
QStringList dataLines(const QByteArray& reply) {
    QStringList out;
    for (const QString& l : QString::fromUtf8(reply).split("\r\n")) {
        bool ok = false;
        fields(l).value(0).toInt(&ok);
        if (ok)
            out += l.trimmed();
    }
    return out;
}

} // namespace

class TstSimConsole : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SimUnit> m_unit;
    QStringList m_sent;

private slots:
    void initTestCase() {
        QVERIFY(QFile::exists(SimUnit::binary()));
        m_unit = std::make_unique<SimUnit>(QStringList{"--seed", "11", "--reply-delay", "0",
                                                       "--command-log", m_dir.filePath("cmd.log"),
                                                       "--link", m_dir.filePath("unit")});
        QVERIFY(m_unit->isReady());
    }

    // Every reply is framed "<echo>\r\n@\r\n...<marker>\r\n$$\r\n" and carries the labels the
    // parsers look for; table lines (those starting with a number) are numbered in order and laid
    // out in the columns the parsers index.
    void framing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("layout");
        const auto reply = [](const char* command, const QString& labels = {},
                              const QString& marker = kOk, int rows = 0,
                              const QString& layout = {}) {
            QTest::newRow(command)
                << command << marker << labels.split('|', Qt::SkipEmptyParts) << rows << layout;
        };
        reply("login debug");
        reply("pwrsys", "\r\nSystem is |Present Num|System Volt| mV|System Curr| mA|System SOC|"
                        "System SOH| %");
        reply(
            "pwr", "B.T.St\r\n1 ", kOk, 4,
            "\\d+( -?\\d+){7}( \\S+){4} \\d+% \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d( \\S+){2}");
        reply("balance", "", kOk, 4, "\\d+ [01] 0x[0-9a-f]+");
        reply("ctrl", "@\r\nCFET:ON\r\nDFET:ON\r\n");
        reply("info 1", "Device address|Device name|Boot version|Comm version|Main Soft version|"
                        "Barcode|Specification|Max Charge Curr|Release Date|Cell Number");
        reply("info ", "Device address");
        reply("bat 1", "Coulomb\r\n0 ", kOk, 16, "\\d+( -?\\d+){4}( \\S+){3} \\d+% \\d+ mAH");
        reply("pwr 1", "Current| mA\r\n|Temperature| mC\r\n|Coulomb| %\r\n|Total Coulomb|"
                       "Real Coulomb| mAH\r\n|Basic Status|System Fault");
        reply("config", "@\r\n|Over Voltage|Shut time");
        reply("data", "@\r\n|Data Number|History Data Number");
        reply("data event 2", "Item|Events");
        reply("data history 3", "Item|Events");
        reply("tall");
        reply("logout");
        reply("pwrs", "", "Unknown command");
        reply("info 5", "", kAbsent);
        reply("bat x", "", kInvalid);
        reply("datalist history 150", "", kInvalid);
        reply("tbar ABC", "Test result:fail", kInvalid);
    }

    void framing() {
        QFETCH(QString, command);
        QFETCH(QString, marker);
        QFETCH(QStringList, labels);
        QFETCH(int, rows);
        QFETCH(QString, layout);
        const QByteArray reply = m_unit->command(command);
        m_sent += command;
        QVERIFY2(reply.startsWith((command + "\r\n@\r\n").toUtf8()), reply.constData());
        QVERIFY2(reply.endsWith((marker + "\r\n$$\r\n").toUtf8()), reply.constData());
        QCOMPARE(reply.count('@'), 1);
        QCOMPARE(reply.count('\n'), reply.count("\r\n")); // a console's line ends
        for (const QString& label : labels)
            QVERIFY2(reply.contains(label.toUtf8()), qPrintable(label));
        const QStringList lines = dataLines(reply);
        QCOMPARE(lines.size(), rows);
        const QRegularExpression pattern("^" + layout + "$");
        const int first = command.startsWith("bat") ? 0 : 1; // cells count from 0, batteries from 1
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = fields(lines.at(i)).join(' ');
            QVERIFY2(pattern.match(line).hasMatch(), qPrintable(line));
            QCOMPARE(fields(line).at(0), QString::number(first + i));
        }
        QCOMPARE(m_unit->readQuiet(30, 30), QByteArray()); // nothing follows the end marker
    }

    // The figures of one moment tell one story: the state line follows the current, a battery's
    // remaining charge stays within its capacity, and the cell table has as many lines as cells.
    void valuesAgree() {
        const QByteArray sys = m_unit->command("pwrsys");
        const int curr = number(value(sys, "System Curr"), "mA");
        const QString state = curr > 500    ? "System is charging"
                              : curr < -500 ? "System is discharging"
                                            : "System is idle";
        QVERIFY2(curr != INT_MIN && sys.startsWith("pwrsys\r\n@\r\n" + state.toUtf8() + "\r\n"),
                 sys.constData());
        const QByteArray pwr = m_unit->command("pwr 3");
        const int total = number(value(pwr, "Total Coulomb"), "mAH");
        const int real = number(value(pwr, "Real Coulomb"), "mAH");
        QVERIFY2(total > 0 && real >= 0 && real <= total, pwr.constData());
        const int cells = number(value(m_unit->command("info 3"), "Cell Number"));
        QCOMPARE(dataLines(m_unit->command("bat 3")).size(), cells);
    }

    // A fresh unit started with `args` is sent the commands; all its replies together must match
    // `expected` (. spans lines) and must not contain `unexpected`.
    void commandsAndOptions_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("unexpected");
        const auto row = [](const char* tag, const char* args, const char* commands,
                            const char* expected, const char* unexpected = "") {
            QTest::newRow(tag) << args << QString(commands).split('|') << expected << unexpected;
        };
        row("switches, then defaults", "",
            "ctrl cfet off|ctrl dfet off|ctrl|ctrl dfet on|ctrl|config default|ctrl",
            "@\r\nCFET:OFF\r\nDFET:OFF\r\n.*@\r\nCFET:OFF\r\nDFET:ON\r\n.*"
            "@\r\nCFET:ON\r\nDFET:ON\r\n");
        // Battery 2 has no barcode; one written goes to the selected battery and to it only.
        row("barcodes", "", "info 2|tbar NBTEST0000000042|info 2|info 1",
            "\r\nBarcode +: \r\n.*Test result:pass\r\n.*completed.*: NBTEST0000000042\r\n"
            "(?!.*NBTEST0000000042).*\r\nBarcode +: \\w{16}\r\n");
        row("relays", "--relay", "ctrl", "ctrl\r\n@\r\nPrechg relay:K2:ON\r\nMain relay:K1:ON\r\n",
            "FET");
        row("unknown balance", "--unknown-balance", "balance",
            "balance\r\n@\r\nUnknown command\r\n\\$\\$\r\n$", "Power");
        row("one battery", "--batteries 1", "pwr 2", "Target device is not present", "Volt");
        row("one battery, no barcode", "--batteries 1", "info 1", "\r\nBarcode +: \r\n");
        row("model", "--model T-RACK-3660Z-M", "info 4", ": T-RACK-3660Z-M\r\n", "NB-RACK");
    }

    void commandsAndOptions() {
        QFETCH(QString, args);
        QFETCH(QStringList, commands);
        QFETCH(QString, expected);
        QFETCH(QString, unexpected);
        SimUnit unit(QStringList{"--reply-delay", "0"} + args.split(' ', Qt::SkipEmptyParts));
        QString text;
        for (const QString& command : commands)
            text += QString::fromUtf8(unit.command(command));
        const QRegularExpression pattern(expected, QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(text.contains(pattern), qPrintable(text));
        QVERIFY2(unexpected.isEmpty() || !text.contains(unexpected), qPrintable(text));
    }

    void listing_data() {
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
        QTest::newRow("complete listing")
            << QStringList{"--model", "T-RACK-3660Z-M", "--histories", "35"} << "datalist history 3"
            << 4 << 35 << false << 1;
    }

    void listing() {
        QFETCH(QStringList, args);
        QFETCH(QString, command);
        QFETCH(int, firstItem);
        QFETCH(int, lastItem);
        QFETCH(bool, mask);
        QFETCH(int, pages);
        SimUnit unit(args + QStringList{"--seed", "5", "--reply-delay", "0"});
        unit.write("\n" + command.toUtf8() + "\n");
        QList<QByteArray> got{unit.readQuiet(150)};
        while (got.last().endsWith(kPrompt) && got.size() < 100) {
            unit.write("\r");
            got += unit.readQuiet(150);
        }
        QCOMPARE(got.size(), pages);
        const QByteArray all = got.join();
        QVERIFY(all.startsWith((command + "\r\n@\r\nItem").toUtf8()));
        QVERIFY(all.endsWith((kOk + "\r\n$$\r\n").toUtf8()));
        QCOMPARE(all.count("$$"), 1);
        QCOMPARE(all.count("Item"), 1); // the header is on the first page only
        const QString header = QString::fromUtf8(all).split("\r\n").value(2);
        QVERIFY(header.endsWith("Events"));
        QCOMPARE(header.contains("mask"), mask);
        const QStringList records = dataLines(all);
        QCOMPARE(records.size(), lastItem - firstItem + 1);
        for (int i = 0; i < records.size(); ++i) {
            const QStringList f = fields(records.at(i));
            QCOMPARE(f.at(0), QString::number(firstItem + i));
            QVERIFY(f.size() > (mask ? 16 : 15));      // record fields, then the event words
            QCOMPARE(f.at(10).startsWith("0x"), mask); // the mask column
            QVERIFY(f.at(mask ? 15 : 14).endsWith('%'));
        }
    }

    void listingQuitsOnOtherKey() {
        SimUnit unit({"--events", "25", "--reply-delay", "0"});
        unit.write("\ndatalist event 0\n");
        QVERIFY(unit.readUntil(kPrompt, 2000).endsWith(kPrompt));
        const QByteArray after = unit.command("data");
        QVERIFY2(after.startsWith("\r\nQuit current mode\r\n$$\r\n"), after.constData());
        const QByteArray data = unit.readUntil(kEnd, 2000);
        QVERIFY2(data.startsWith("data\r\n@\r\n"), data.constData());
        QCOMPARE(number(value(data, "Data Number")), 25);
    }

    void realTimeStream() {
        SimUnit unit({"--stream-period", "40", "--reply-delay", "0", "--seed", "3"});
        const QByteArray done = (kOk + "\r\n$$\r\n").toUtf8();
        QCOMPARE(unit.command("disp pwrs 2"), "disp pwrs 2\r\n@\r\n" + done);
        const QByteArray header = unit.readUntil("\r\n", 1000);
        QVERIFY(header.startsWith("ID ") && header.endsWith("Coul(mAH)\r\n"));
        QTest::qWait(400);
        unit.write("\ndisp 0\n");
        const QByteArray stream = unit.readUntil("disp 0\r\n", 2000);
        QCOMPARE(unit.readUntil(kEnd, 2000), "@\r\n" + done);
        QCOMPARE(unit.readQuiet(200, 200), QByteArray()); // the stream has ended

        // 19 fields a line: number, date and time, 8 figures, 6 states, SOC in %, charge.
        const QRegularExpression layout("^\\d+ (\\S+ \\S+)( -?\\d+){8}( \\S+){6} \\d+% \\d+$");
        const QStringList lines = QString::fromUtf8(stream).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 4, stream.constData());
        QDateTime first;
        for (int i = 0; i < lines.size() - 1; ++i) {
            const QRegularExpressionMatch m = layout.match(fields(lines.at(i)).join(' '));
            QVERIFY2(m.hasMatch() && lines.at(i).startsWith(QString::number(i + 1) + " "),
                     qPrintable(lines.at(i)));
            const QDateTime at = QDateTime::fromString(m.captured(1), "yyyy-MM-dd HH:mm:ss");
            first = i == 0 ? at : first;
            QVERIFY(at.isValid() && first.secsTo(at) == i); // a sample stands for a second
        }
    }

    // The same seed gives the same faulty line, byte for byte.
    void seededFaultsRepeat() {
        const QStringList commands{"pwrsys", "pwr", "info 1", "bat 1", "pwr 1", "datalist event 0"};
        const auto run = [&] {
            SimUnit unit({"--seed", "7", "--reply-delay", "0", "--events", "15", "--chunk",
                          "--garbage", "--lose-end"});
            QByteArray out;
            for (const QString& c : commands + QStringList{"\r"}) {
                unit.write(c == "\r" ? QByteArray("\r") : "\n" + c.toUtf8() + "\n");
                out += unit.readQuiet(c.startsWith("datalist") || c == "\r" ? 600 : 100);
            }
            return out;
        };
        const QByteArray first = run();
        QCOMPARE(run(), first);
        QVERIFY(first.contains('\0')); // garbage arrived
        // Without faults there is one end marker per reply, the listing's once: one went missing.
        QVERIFY(first.count("$$") < commands.size());
        QVERIFY(first.contains("Item") && first.contains("Cell Number"));
    }

    // The link to the pty goes with a terminated unit; its log holds what it was sent.
    void linkAndCommandLog() {
        QCOMPARE(QFileInfo(m_dir.filePath("unit")).symLinkTarget(), m_unit->path());
        m_unit->process().terminate();
        QVERIFY(m_unit->process().waitForFinished(3000));
        QCOMPARE(m_unit->process().exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFileInfo(m_dir.filePath("unit")).isSymLink());
        QFile log(m_dir.filePath("cmd.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= m_sent.size()); // "<ms> <command>", in order, time never back
        const auto ms = [&](int i) { return lines.at(i).section(' ', 0, 0).toLongLong(); };
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).section(' ', 1), m_sent.value(i, lines.at(i).section(' ', 1)));
            QVERIFY(i == 0 || ms(i) >= ms(i - 1));
        }
    }
};

QTEST_GUILESS_MAIN(TstSimConsole)
#include "tst_sim_console.moc"
