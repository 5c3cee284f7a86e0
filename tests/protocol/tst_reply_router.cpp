// Row choice of the reply dispatcher and the command state, including the rows that must not
// match.

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

    const QString table = fixtureReply("pwr_table.txt");
    const QString pwrBat = fixtureReply("pwr_bat.txt"); // echo "pwr 2"
    const QString listing = QStringLiteral("datalist event 1\n@\n1 ...\n");

    QTest::newRow("1 info") << "info 2\n" << fixtureReply("info.txt") << 2 << DispatchRow::Info;
    QTest::newRow("1 info, other reply") << "info 2\n"
                                         << fixtureReply("bat.txt") << 2 << DispatchRow::None;
    QTest::newRow("2 bat") << "bat 2\n" << fixtureReply("bat.txt") << 2 << DispatchRow::Bat;
    QTest::newRow("3 pwrsys") << "pwrsys\n"
                              << fixtureReply("pwrsys.txt") << 1 << DispatchRow::PwrSys;
    QTest::newRow("3 pwrsys reply to pwr is no table")
        << "pwr\n"
        << fixtureReply("pwrsys.txt") << 1 << DispatchRow::None;
    QTest::newRow("4 pwr N") << "pwr 2\n" << pwrBat << 2 << DispatchRow::PwrBat;
    QTest::newRow("4 pwr N of another battery") << "pwr 2\n" << pwrBat << 1 << DispatchRow::None;
    QTest::newRow("4 pwr 1 is not pwr 12")
        << "pwr 12\n"
        << reply("pwr 12", "Basic Status : x") << 1 << DispatchRow::None;
    QTest::newRow("4 pwr 12") << "pwr 12\n" << reply("pwr 12") << 12 << DispatchRow::PwrBat;
    QTest::newRow("8 pwr table, not pwr N") << "pwr\n" << table << 1 << DispatchRow::PwrTable;
    QTest::newRow("8 pwr without table")
        << "pwr\n"
        << reply("pwr", "Unknown command") << 1 << DispatchRow::None;
    QTest::newRow("8 late table after pwrsys") << "pwrsys\n" << table << 1 << DispatchRow::PwrTable;
    QTest::newRow("5 ctrl") << "ctrl\n" << fixtureReply("ctrl_fet.txt") << 1 << DispatchRow::Ctrl;
    QTest::newRow("5 ctrl needs the echo's line feed")
        << "ctrl\n"
        << "ctrl @ CFET : ON $$" << 1 << DispatchRow::None;
    QTest::newRow("6 cfet on") << "ctrl cfet on\n"
                               << reply("ctrl cfet on") << 1 << DispatchRow::MosOpen;
    QTest::newRow("6 dfet on") << "ctrl dfet on\n"
                               << reply("ctrl dfet on") << 1 << DispatchRow::MosOpen;
    QTest::newRow("7 cfet off") << "ctrl cfet off\n"
                                << reply("ctrl cfet off") << 1 << DispatchRow::MosClose;
    QTest::newRow("7 dfet off") << "ctrl dfet off\n"
                                << reply("ctrl dfet off") << 1 << DispatchRow::MosClose;
    QTest::newRow("9 balance") << "balance\n"
                               << fixtureReply("balance.txt") << 1 << DispatchRow::Balance;
    QTest::newRow("10 config") << "config\n" << reply("config") << 1 << DispatchRow::Config;
    QTest::newRow("14 config default, not config")
        << "config default\n"
        << reply("config default") << 1 << DispatchRow::ConfigDefault;
    QTest::newRow("11 tall") << "tall\n"
                             << "anything" << 1 << DispatchRow::SelfTest;
    QTest::newRow("12 data") << "data\n" << reply("data") << 1 << DispatchRow::DataNumber;
    QTest::newRow("13 event detail") << "data event 5\n"
                                     << reply("data event 5") << 1 << DispatchRow::RecordDetail;
    QTest::newRow("13 history detail") << "data history 3\n"
                                       << reply("data history 3") << 1 << DispatchRow::RecordDetail;
    QTest::newRow("15 tbar") << "tbar NVB48100C2240013\n"
                             << reply("tbar NVB48100C2240013") << 1 << DispatchRow::Barcode;
    QTest::newRow("16 event listing, not data")
        << "datalist event 1\n"
        << listing + "Command completed successfully\n$$" << 1 << DispatchRow::EventList;
    QTest::newRow("16 event page without completion") << "datalist event 1\n"
                                                      << listing + "$$" << 1 << DispatchRow::None;
    QTest::newRow("17 history listing")
        << "datalist history 1\n"
        << reply("datalist history 1") << 1 << DispatchRow::HistoryList;
    QTest::newRow("free text send") << "" << reply("pwrsys") << 1 << DispatchRow::None;
    QTest::newRow("login") << "login debug\n" << reply("login debug") << 1 << DispatchRow::None;
    QTest::newRow("reply to an older command")
        << "config\n"
        << fixtureReply("pwrsys.txt") << 1 << DispatchRow::None;
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

    QTest::newRow("completed") << "pwrsys\n"
                               << fixtureReply("pwrsys.txt") << CommandState::Completed;
    QTest::newRow("unknown") << "pwrsys\n"
                             << "pwrsys\n@\nUnknown command\n$$" << CommandState::Unknown;
    QTest::newRow("invalid") << "config\n"
                             << "@\nInvalid command or fail to excute.\n$$" << CommandState::Fail;
    QTest::newRow("not present") << "info 9\n"
                                 << "@\nTarget device is not present\n$$" << CommandState::Fail;
    QTest::newRow("login unknown is resent")
        << "login debug\n"
        << "@\nUnknown command\n$$" << CommandState::ResendLogin;
    QTest::newRow("login invalid")
        << "login debug\n"
        << "@\nInvalid command or fail to excute.\n$$" << CommandState::Unchanged;
    QTest::newRow("login, device absent")
        << "login debug\n"
        << "@\nTarget device is not present\n$$" << CommandState::Fail;
    QTest::newRow("quit mode with failure")
        << "disp 0\n"
        << "@\nQuit current mode\nUnknown command\n$$" << CommandState::Unchanged;
    QTest::newRow("quit mode alone") << "disp 0\n"
                                     << "@\nQuit current mode\n$$" << CommandState::Completed;
    QTest::newRow("marker case matters") << "pwrsys\n"
                                         << "@\nunknown command\n$$" << CommandState::Completed;
}

void TstReplyRouter::state() {
    QFETCH(QString, command);
    QFETCH(QString, reply);
    QTEST(commandStateFor(command, reply), "state");
}

QTEST_GUILESS_MAIN(TstReplyRouter)
#include "tst_reply_router.moc"
