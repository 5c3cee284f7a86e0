// The burst path: transfer bytes split off, terminal-like edits, stream handler routing.

#include "fixtures.h"
#include "protocol/burst.h"

Q_DECLARE_METATYPE(BurstRoute)

class TstBurst : public QObject {
    Q_OBJECT
private slots:
    void transferByte_data();
    void transferByte();
    void edit_data();
    void edit();
    void route_data();
    void route();
};

void TstBurst::transferByte_data() {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("transfer");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("SOH") << QByteArray("\x01\x01\xfe") << true;
    QTest::newRow("EOT") << QByteArray("\x04") << true;
    QTest::newRow("ACK") << QByteArray("\x06") << true;
    QTest::newRow("NAK") << QByteArray("\x15") << true;
    QTest::newRow("CAN") << QByteArray("\x18\x18") << true;
    QTest::newRow("STX is not one") << QByteArray("\x02") << false;
    QTest::newRow("CRC request is not one") << QByteArray("C") << false;
    QTest::newRow("NUL") << QByteArray(1, '\0') << false;
    QTest::newRow("ACK after text stays text") << QByteArray("ok\x06") << false;
}

void TstBurst::transferByte() {
    QFETCH(QByteArray, buffer);
    QTEST(startsWithTransferByte(buffer), "transfer");
}

void TstBurst::edit_data() {
    QTest::addColumn<QString>("burst");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("text");
    QTest::newRow("return then progress") << "\r60%" << true << "60%";
    QTest::newRow("progress redrawn") << "\r10%\r20%\r\r30%" << true << "30%";
    QTest::newRow("ends with return deletes the line") << "\r10%\r20%\r" << true << "";
    QTest::newRow("plain text") << "abc" << false << "abc";
    QTest::newRow("line feeds only") << "a\nb\n" << false << "a\nb\n";
    QTest::newRow("CRLF") << "a\r\nb\r\n" << false << "a\nb\n";
    QTest::newRow("LFCR") << "a\n\rb\n\r" << false << "a\nb\n";
    QTest::newRow("runs of returns") << "a\r\r\r\nb\r\r\n\rc" << false << "a\nb\nc";
    QTest::newRow("lone return kept with line feeds") << "a\rb\nc" << false << "a\rb\nc";
    QTest::newRow("empty") << "" << false << "";
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

    const QString plain = QStringLiteral("NVB-48100");
    const QString z = QStringLiteral("T-RACK-3660Z-M");
    const QString page = QStringLiteral("datalist event 1\n1 2024-05-01 ...\nPress [Enter] to be "
                                        "continued,other key to exit");
    QTest::newRow("upgrade report") << "updata\n"
                                    << "SYS Init Over" << plain << BurstRoute::UpdataState;
    QTest::newRow("boot loader report") << "uboot\n"
                                        << "" << plain << BurstRoute::UpdataState;
    QTest::newRow("upgrade wins over ready")
        << "updata\n"
        << "Updata is ready!" << plain << BurstRoute::UpdataState;
    QTest::newRow("ready") << "DLG\n"
                           << "xx Updata is ready!\n"
                           << plain << BurstRoute::UpdataReady;
    QTest::newRow("wake without ready") << "DLG\n"
                                        << "DLG" << plain << BurstRoute::None;
    QTest::newRow("stream") << "disp pwrs 3\n"
                            << "12:00:01 53012" << plain << BurstRoute::RealTime;
    QTest::newRow("stream off") << "disp 0\n"
                                << "disp 0\nQuit current mode" << plain << BurstRoute::RealTimeOff;
    QTest::newRow("late stream line after off") << "disp 0\n"
                                                << "12:00:02 53012" << plain << BurstRoute::None;
    QTest::newRow("event page, streaming model") << "datalist event 1\n"
                                                 << page << plain << BurstRoute::EventList;
    QTest::newRow("event page, complete-listing model") << "datalist event 1\n"
                                                        << page << z << BurstRoute::None;
    QTest::newRow("history page") << "datalist history 2\n"
                                  << "" << plain << BurstRoute::HistoryList;
    QTest::newRow("history page, complete-listing model") << "datalist history 2\n"
                                                          << "" << z << BurstRoute::None;
    QTest::newRow("device name unknown yet") << "datalist event 1\n"
                                             << page << "" << BurstRoute::EventList;
    QTest::newRow("status reply is only shown") << "pwrsys\n"
                                                << "pwrsys\n@\n$$" << plain << BurstRoute::None;
    QTest::newRow("free text") << ""
                               << "Updata is ready!" << plain << BurstRoute::None;
}

void TstBurst::route() {
    QFETCH(QString, command);
    QFETCH(QString, burst);
    QFETCH(QString, device);
    QTEST(routeBurst(command, burst, device), "route");
}

QTEST_GUILESS_MAIN(TstBurst)
#include "tst_burst.moc"
