// Routing of what the unit sends: the reply dispatcher's row and command state, and the burst
// path (terminal-like edits, stream handler routing).

#include "fixtures.h"
#include "protocol/burst.h"
#include "protocol/reply_router.h"

Q_DECLARE_METATYPE(DispatchRow)
Q_DECLARE_METATYPE(CommandState)
Q_DECLARE_METATYPE(BurstRoute)

namespace {
QString reply(const QString& echo, const QString& body = QStringLiteral("x")) {
    return echo + QStringLiteral("\n@\n") + body +
           QStringLiteral("\nCommand completed successfully\n$$");
}
} // namespace

class TstRouting : public QObject {
    Q_OBJECT
private slots:
    void row_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("battery");
        QTest::addColumn<DispatchRow>("row");

        using D = DispatchRow;
        const auto row = [](const char* name, const QString& command, const QString& reply,
                            int battery,
                            D r) { QTest::newRow(name) << command << reply << battery << r; };
        const auto echoed = [&row](const char* name, const char* command, int battery, D r) {
            row(name, command + QStringLiteral("\n"), reply(command), battery, r);
        };
        const QString pwrsys = fixtureReply("pwrsys.txt");
        const QString table = fixtureReply("pwr_table.txt");
        const QString pwrBat = fixtureReply("pwr_bat.txt"); // echo "pwr 2"
        const QString bat = fixtureReply("bat.txt");
        const QString listing = QStringLiteral("datalist event 1\n@\n1 ...\n");

        row("1 info", "info 2\n", fixtureReply("info.txt"), 2, D::Info);
        row("1 info, other reply", "info 2\n", bat, 2, D::None);
        // A late identity of battery 1 after battery 2 was chosen, and a reply to a command for
        // a battery that is no longer the chosen one, are nobody's.
        row("1 info of another battery", "info 2\n", reply("info 1"), 2, D::None);
        row("1 info 1 is not info 12", "info 1\n", reply("info 12"), 1, D::None);
        row("1 info asked before another battery was chosen", "info 1\n", reply("info 1"), 2,
            D::None);
        echoed("1 info before any battery was chosen", "info 1", 0, D::Info);
        row("1 bare info after a barcode", "info \n", reply("info "), 3, D::Info);
        row("2 bat", "bat 2\n", bat, 2, D::Bat);
        row("3 pwrsys", "pwrsys\n", pwrsys, 1, D::PwrSys);
        row("3 pwrsys reply to pwr is no table", "pwr\n", pwrsys, 1, D::None);
        row("4 pwr N", "pwr 2\n", pwrBat, 2, D::PwrBat);
        row("4 pwr N of another battery", "pwr 2\n", pwrBat, 1, D::None);
        row("4 pwr 1 is not pwr 12", "pwr 12\n", reply("pwr 12", "Basic Status : x"), 1, D::None);
        echoed("4 pwr 12", "pwr 12", 12, D::PwrBat);
        row("8 pwr table, not pwr N", "pwr\n", table, 1, D::PwrTable);
        row("8 pwr without table", "pwr\n", reply("pwr", "Unknown command"), 1, D::None);
        row("8 late table after pwrsys", "pwrsys\n", table, 1, D::PwrTable);
        row("5 ctrl", "ctrl\n", fixtureReply("ctrl_fet.txt"), 1, D::Ctrl);
        row("5 ctrl needs the echo's line feed", "ctrl\n", "ctrl @ CFET : ON $$", 1, D::None);
        echoed("6 cfet on", "ctrl cfet on", 1, D::MosOpen);
        echoed("7 dfet off", "ctrl dfet off", 1, D::MosClose);
        // A poll reply that arrives after the switch was sent is no verdict on the switch.
        row("6 pwrsys reply while a switch waits", "ctrl dfet on\n", pwrsys, 1, D::None);
        row("7 pwr table while a switch waits", "ctrl cfet off\n", table, 1, D::None);
        row("6 reply of the other switch", "ctrl cfet on\n", reply("ctrl dfet on"), 1, D::None);
        row("9 balance", "balance\n", fixtureReply("balance.txt"), 1, D::Balance);
        echoed("10 config", "config", 1, D::Config);
        echoed("14 config default, not config", "config default", 1, D::ConfigDefault);
        echoed("11 tall", "tall", 1, D::SelfTest);
        row("11 tall judged only by its echo", "tall\n", pwrsys, 1, D::None);
        echoed("12 data", "data", 1, D::DataNumber);
        echoed("13 record detail", "data event 5", 1, D::RecordDetail);
        echoed("15 tbar", "tbar NVB48100C2240013", 1, D::Barcode);
        row("16 event listing, not data", "datalist event 1\n",
            listing + "Command completed successfully\n$$", 1, D::EventList);
        row("16 event page without completion", "datalist event 1\n", listing + "$$", 1, D::None);
        echoed("17 history listing", "datalist history 1", 1, D::HistoryList);
        row("free text send", "", reply("pwrsys"), 1, D::None);
        echoed("login", "login debug", 1, D::None);
        row("reply to an older command", "config\n", pwrsys, 1, D::None);
    }

    void row() {
        QFETCH(QString, command);
        QFETCH(QString, reply);
        QFETCH(int, battery);
        QTEST(chooseDispatchRow(command, reply, battery), "row");
    }

    void state_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<CommandState>("state");

        using S = CommandState;
        const auto row = [](const char* name, const char* command, const char* reply, S state) {
            QTest::newRow(name) << QString::fromLatin1(command) << QString::fromLatin1(reply)
                                << state;
        };
        const char* const unknown = "@\nUnknown command\n$$";
        const char* const invalid = "@\nInvalid command or fail to excute.\n$$";
        const char* const absent = "@\nTarget device is not present\n$$";
        QTest::newRow("completed") << "pwrsys\n" << fixtureReply("pwrsys.txt") << S::Completed;
        row("unknown", "pwrsys\n", unknown, S::Unknown);
        row("invalid", "config\n", invalid, S::Fail);
        row("not present", "info 9\n", absent, S::Fail);
        row("login unknown is resent", "login debug\n", unknown, S::ResendLogin);
        row("login invalid", "login debug\n", invalid, S::Unchanged);
        row("login, device absent", "login debug\n", absent, S::Fail);
        row("quit mode with failure", "disp 0\n", "@\nQuit current mode\nUnknown command\n$$",
            S::Unchanged);
        row("quit mode alone", "disp 0\n", "@\nQuit current mode\n$$", S::Completed);
        row("marker case matters", "pwrsys\n", "@\nunknown command\n$$", S::Completed);
    }

    void state() {
        QFETCH(QString, command);
        QFETCH(QString, reply);
        QTEST(commandStateFor(command, reply), "state");
    }

    void edit_data() {
        QTest::addColumn<QString>("burst");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text");
        QTest::newRow("return then progress") << "\r60%" << true << "60%";
        QTest::newRow("progress redrawn") << "\r10%\r20%\r\r30%" << true << "30%";
        QTest::newRow("ends with return deletes the line") << "\r10%\r20%\r" << true << "";
        QTest::newRow("plain text") << "abc" << false << "abc";
        QTest::newRow("CRLF") << "a\r\nb\r\n" << false << "a\nb\n";
        QTest::newRow("LFCR") << "a\n\rb\n\r" << false << "a\nb\n";
        QTest::newRow("runs of returns") << "a\r\r\r\nb\r\r\n\rc" << false << "a\nb\nc";
        QTest::newRow("lone return kept with line feeds") << "a\rb\nc" << false << "a\rb\nc";
    }

    void edit() {
        QFETCH(QString, burst);
        const BurstEdit e = editBurst(burst);
        QTEST(e.replaceLastLine, "replace");
        QTEST(e.text, "text");
    }

    void route_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("burst");
        QTest::addColumn<QString>("device");
        QTest::addColumn<BurstRoute>("route");

        const QString nvb = QStringLiteral("NVB-48100");
        const QString z = QStringLiteral("T-RACK-3660Z-M"); // lists complete pages, no streaming
        const QString page =
            QStringLiteral("datalist event 1\n1 2024-05-01 ...\nPress [Enter] to be "
                           "continued,other key to exit");
        using R = BurstRoute;
        const auto row = [](const char* name, const char* command, const QString& burst,
                            const QString& device, R route) {
            QTest::newRow(name) << QString::fromLatin1(command) << burst << device << route;
        };
        row("upgrade report", "updata\n", "SYS Init Over", nvb, R::UpdataState);
        row("upgrade wins over ready", "updata\n", "Updata is ready!", nvb, R::UpdataState);
        row("ready", "DLG\n", "xx Updata is ready!\n", nvb, R::UpdataReady);
        row("first half of ready while waking", "DLG\n", "Updata is", nvb, R::UpdataReady);
        row("ready needs the wake", "", "Updata is ready!", nvb, R::None);
        row("stream", "disp pwrs 3\n", "12:00:01 53012", nvb, R::RealTime);
        row("stream off", "disp 0\n", "disp 0\nQuit current mode", nvb, R::RealTimeOff);
        row("late stream line after off", "disp 0\n", "12:00:02 53012", nvb, R::None);
        row("event page", "datalist event 1\n", page, nvb, R::EventList);
        row("event page, complete-listing model", "datalist event 1\n", page, z, R::None);
        row("history page", "datalist history 2\n", "", nvb, R::HistoryList);
        row("device name unknown yet", "datalist event 1\n", page, "", R::EventList);
        row("status reply is only shown", "pwrsys\n", "pwrsys\n@\n$$", nvb, R::None);
    }

    void route() {
        QFETCH(QString, command);
        QFETCH(QString, burst);
        QFETCH(QString, device);
        QTEST(routeBurst(command, burst, device), "route");
    }

    // Width 4, at most 3 lines kept.
    void fitToTerminal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("long line broken") << "abcdefghij" << 0 << "abcd\nefgh\nij";
        QTest::newRow("continues the last line") << "abcdef" << 3 << "a\nbcde\nf";
        QTest::newRow("line ends reset the count") << "abcd\nabcd\rabcd" << 0 << "abcd\nabcd\rabcd";
        QTest::newRow("only the last lines, behind a line end")
            << "1\n2\n3\n4\n5" << 0 << "\n3\n4\n5";
        QTest::newRow("CRLF is one line end") << "1\r\n2\r\n3\r\n4" << 0 << "\r\n2\r\n3\r\n4";
        QTest::newRow("breaks count as lines") << "abcdefghijklmnop" << 0 << "\nefgh\nijkl\nmnop";
    }

    void fitToTerminal() {
        QFETCH(QString, text);
        QFETCH(int, lastLine);
        QTEST(::fitToTerminal(text, lastLine, 4, 3), "fitted");
    }
};

QTEST_GUILESS_MAIN(TstRouting)
#include "tst_routing.moc"
