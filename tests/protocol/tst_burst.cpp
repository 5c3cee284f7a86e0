// The burst path: transfer bytes split off, terminal-like edits, stream handler routing.

#include "fixtures.h"
#include "protocol/burst.h"

Q_DECLARE_METATYPE(BurstRoute)

class TstBurst : public QObject {
    Q_OBJECT
private slots:
    void transferByte();
    void edit_data();
    void edit();
    void route_data();
    void route();
    void fitToTerminal_data();
    void fitToTerminal();
};

// SOH, EOT, ACK, NAK and CAN at the start of the buffer belong to the transfer.
void TstBurst::transferByte() {
    for (const QByteArray& b : {QByteArray("\x01\x01\xfe"), QByteArray("\x04"), QByteArray("\x06"),
                                QByteArray("\x15"), QByteArray("\x18\x18")})
        QVERIFY2(startsWithTransferByte(b), b.toHex().constData());
    for (const QByteArray& b : {QByteArray(), QByteArray("\x02"), QByteArray("C"),
                                QByteArray(1, '\0'), QByteArray("ok\x06")})
        QVERIFY2(!startsWithTransferByte(b), b.toHex().constData());
}

void TstBurst::edit_data() {
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

void TstBurst::edit() {
    QFETCH(QString, burst);
    const BurstEdit e = editBurst(burst);
    QTEST(e.replaceLastLine, "replace");
    QTEST(e.text, "text");
}

void TstBurst::route_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("burst");
    QTest::addColumn<QString>("device");
    QTest::addColumn<BurstRoute>("route");

    const QString nvb = QStringLiteral("NVB-48100");
    const QString z = QStringLiteral("T-RACK-3660Z-M"); // lists complete pages, no streaming
    const QString page = QStringLiteral("datalist event 1\n1 2024-05-01 ...\nPress [Enter] to be "
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

void TstBurst::route() {
    QFETCH(QString, command);
    QFETCH(QString, burst);
    QFETCH(QString, device);
    QTEST(routeBurst(command, burst, device), "route");
}

// Width 4, at most 3 lines kept.
void TstBurst::fitToTerminal_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lastLine");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("long line broken") << "abcdefghij" << 0 << "abcd\nefgh\nij";
    QTest::newRow("continues the last line") << "abcdef" << 3 << "a\nbcde\nf";
    QTest::newRow("line ends reset the count") << "abcd\nabcd\rabcd" << 0 << "abcd\nabcd\rabcd";
    QTest::newRow("only the last lines, behind a line end") << "1\n2\n3\n4\n5" << 0 << "\n3\n4\n5";
    QTest::newRow("CRLF is one line end") << "1\r\n2\r\n3\r\n4" << 0 << "\r\n2\r\n3\r\n4";
    QTest::newRow("breaks count as lines") << "abcdefghijklmnop" << 0 << "\nefgh\nijkl\nmnop";
}

void TstBurst::fitToTerminal() {
    QFETCH(QString, text);
    QFETCH(int, lastLine);
    QTEST(::fitToTerminal(text, lastLine, 4, 3), "fitted");
}

QTEST_GUILESS_MAIN(TstBurst)
#include "tst_burst.moc"
