// The link's state as the technician is told it, on a clock the test turns: silence after
// Login, a unit that stops answering, an unplugged adapter and the port to choose again.
#include "serial/link_watch.h"

#include <QtTest>

class TstLinkWatch : public QObject {
    Q_OBJECT
private slots:
    void states_data();
    void states();
    void valuesTime();
};

// Steps "<ms> <event>" (login, logout, lost, cmd, reply, pick <port>) on ttyUSB0, then what is
// seen at `at`: "live", "silent", or "stale <lost|noanswer> <ms of the values>" and " silent";
// " back" when ttyUSB0 is to be chosen again as it reappears.
void TstLinkWatch::states_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<QString>("expected");
    const QString answered = "0 login,0 cmd,300 reply";
    const QString lost = answered + ",2000 lost";
    QTest::newRow("first answer: 5 s allowed") << "0 login,0 cmd" << qint64(5000) << "live";
    QTest::newRow("no first answer") << "0 login,0 cmd" << qint64(5001) << "silent";
    QTest::newRow("answered, nothing asked") << answered << qint64(600000) << "live";
    QTest::newRow("unanswered 20 s") << answered + ",1000 cmd,9000 cmd" << qint64(21000) << "live";
    QTest::newRow("stops answering")
        << answered + ",1000 cmd,9000 cmd" << qint64(21001) << "stale noanswer 300 silent";
    QTest::newRow("unplugged") << lost << qint64(90000) << "stale lost 300 back";
    QTest::newRow("unplugged, user picks another")
        << lost + ",2500 pick ttyS0" << qint64(90000) << "stale lost 300";
    QTest::newRow("unplugged, Login again")
        << lost + ",3000 login,3000 cmd" << qint64(8000) << "stale lost 300";
    QTest::newRow("unplugged, Login on a silent line")
        << lost + ",3000 login,3000 cmd" << qint64(8001) << "stale noanswer 300 silent";
    QTest::newRow("unplugged, new replies")
        << lost + ",3000 login,3000 cmd,3400 reply" << qint64(90000) << "live";
    QTest::newRow("logged out") << answered + ",2000 cmd,2100 logout" << qint64(90000) << "live";
    QTest::newRow("late bytes after Logout, Login on a silent line")
        << answered + ",2100 logout,2150 reply,3000 login,3000 cmd" << qint64(8001) << "silent";
    QTest::newRow("unplugged before any reply")
        << "0 login,0 cmd,100 lost" << qint64(9000) << "live back";
}

void TstLinkWatch::states() {
    QFETCH(QString, steps);
    QFETCH(qint64, at);
    QFETCH(QString, expected);
    qint64 now = 0;
    LinkWatch watch([&now] { return now; });
    for (const QString& step : steps.split(',')) {
        const QStringList s = step.split(' ');
        now = s[0].toLongLong();
        if (s[1] == "login")
            watch.loggedIn("ttyUSB0");
        else if (s[1] == "logout")
            watch.loggedOut();
        else if (s[1] == "lost")
            watch.linkLost();
        else if (s[1] == "cmd")
            watch.commandSent();
        else if (s[1] == "pick")
            watch.portChosen(s[2]);
        else
            watch.replyReceived();
    }
    now = at;
    const LinkView v = watch.view();
    QStringList seen;
    if (v.stale)
        seen << "stale" << (v.linkLost ? "lost" : "noanswer") << QString::number(v.valuesOfMs);
    if (v.silent)
        seen << "silent";
    if (seen.isEmpty())
        seen << "live";
    if (!watch.portToReselect({"ttyS0", "ttyUSB0"}).isEmpty())
        seen << "back";
    QCOMPARE(seen.join(' '), expected);
}

void TstLinkWatch::valuesTime() {
    const auto ms = [](int day, QTime t) {
        return QDateTime(QDate(2024, 5, day), t).toMSecsSinceEpoch();
    };
    const qint64 values = ms(1, QTime(14, 2, 17));
    QCOMPARE(LinkWatch::valuesTime(values, ms(1, QTime(23, 0))), QString("14:02:17"));
    QCOMPARE(LinkWatch::valuesTime(values, ms(2, QTime(0, 1))), QString("2024-05-01 14:02:17"));
}

QTEST_GUILESS_MAIN(TstLinkWatch)
#include "tst_link_watch.moc"
