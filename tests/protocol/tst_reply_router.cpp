// Row choice of the reply dispatcher and the command state, including the rows that must not
// match (the number is the row's).

#include "fixtures.h"
#include "protocol/reply_router.h"

Q_DECLARE_METATYPE(DispatchRow)
Q_DECLARE_METATYPE(CommandState)

namespace {
QString reply(const QString& echo, const QString& body = QStringLiteral("x")) {
    return echo + QStringLiteral("\n@\n") + body +
           QStringLiteral("\nCommand completed successfully\n$$");
}
} // namespace

class TstReplyRouter : public QObject {
    Q_OBJECT
private slots:
    void row_data();
    void row();
    void state_data();
    void state();
};

void TstReplyRouter::row_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("battery");
    QTest::addColumn<DispatchRow>("row");

    using D = DispatchRow;
    const auto row = [](const char* name, const QString& command, const QString& reply, int battery,
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
    row("9 balance", "balance\n", fixtureReply("balance.txt"), 1, D::Balance);
    echoed("10 config", "config", 1, D::Config);
    echoed("14 config default, not config", "config default", 1, D::ConfigDefault);
    row("11 tall", "tall\n", "anything", 1, D::SelfTest);
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

void TstReplyRouter::row() {
    QFETCH(QString, command);
    QFETCH(QString, reply);
    QFETCH(int, battery);
    QTEST(chooseDispatchRow(command, reply, battery), "row");
}

void TstReplyRouter::state_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<CommandState>("state");

    using S = CommandState;
    const auto row = [](const char* name, const char* command, const char* reply, S state) {
        QTest::newRow(name) << QString::fromLatin1(command) << QString::fromLatin1(reply) << state;
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

void TstReplyRouter::state() {
    QFETCH(QString, command);
    QFETCH(QString, reply);
    QTEST(commandStateFor(command, reply), "state");
}

QTEST_GUILESS_MAIN(TstReplyRouter)
#include "tst_reply_router.moc"
