// The link's state as the technician is told it, on a clock the test turns: silence after
// Login, a unit that stops answering, an unplugged adapter and the port to choose again.
#include "serial/link_watch.h"

#include <QtTest>

class TstLinkWatch : public QObject {
    Q_OBJECT
private slots:
    void states_data();
    void states();
    void reselection_data();
    void reselection();
    void valuesTime();
};

// Steps "<ms> <event>" (login, logout, lost, cmd, reply), then the state seen at `at`:
// "live", "silent", or "stale <lost|noanswer> <ms of the values>" with " silent" after it.
void TstLinkWatch::states_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<QString>("expected");
    const QString answered = "0 login,0 cmd,300 reply";
    QTest::newRow("first answer: 5 s allowed") << "0 login,0 cmd" << qint64(5000) << "live";
    QTest::newRow("no first answer") << "0 login,0 cmd" << qint64(5001) << "silent";
    QTest::newRow("answered, nothing asked") << answered << qint64(600000) << "live";
    QTest::newRow("unanswered 20 s") << answered + ",1000 cmd,9000 cmd" << qint64(21000) << "live";
    QTest::newRow("stops answering")
        << answered + ",1000 cmd,9000 cmd" << qint64(21001) << "stale noanswer 300 silent";
    QTest::newRow("answers late") << answered + ",1000 cmd,21500 reply" << qint64(22000) << "live";
    QTest::newRow("unplugged") << answered + ",2000 lost" << qint64(90000) << "stale lost 300";
    QTest::newRow("unplugged, Login again")
        << answered + ",2000 lost,3000 login,3000 cmd" << qint64(8000) << "stale lost 300";
    QTest::newRow("unplugged, Login on a silent line")
        << answered + ",2000 lost,3000 login,3000 cmd" << qint64(8001)
        << "stale noanswer 300 silent";
    QTest::newRow("unplugged, new replies")
        << answered + ",2000 lost,3000 login,3000 cmd,3400 reply" << qint64(90000) << "live";
    QTest::newRow("logged out") << answered + ",2000 cmd,2100 logout" << qint64(90000) << "live";
    QTest::newRow("unplugged before any reply")
        << "0 login,0 cmd,100 lost" << qint64(9000) << "live";
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
        const QString event = s[1];
        if (event == "login")
            watch.loggedIn("ttyUSB0");
        else if (event == "logout")
            watch.loggedOut();
        else if (event == "lost")
            watch.linkLost();
        else if (event == "cmd")
            watch.commandSent();
        else
            watch.replyReceived();
    }
    now = at;
    const LinkView v = watch.view();
    QString seen =
        v.stale ? QString("stale %1 %2").arg(v.linkLost ? "lost" : "noanswer").arg(v.valuesOfMs)
                : QString();
    if (v.silent)
        seen += seen.isEmpty() ? "silent" : " silent";
    QCOMPARE(seen.isEmpty() ? QString("live") : seen, expected);
}

void TstLinkWatch::reselection_data() {
    QTest::addColumn<QString>("chosenAfter"); // the user's pick after the unplug, or empty
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("reselected");
    QTest::newRow("back") << "" << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0";
    QTest::newRow("still gone") << "" << QStringList{"ttyS0"} << "";
    QTest::newRow("user chose another") << "ttyS0" << QStringList{"ttyS0", "ttyUSB0"} << "";
    QTest::newRow("user chose the same") << "ttyUSB0" << QStringList{"ttyUSB0"} << "ttyUSB0";
}

void TstLinkWatch::reselection() {
    QFETCH(QString, chosenAfter);
    QFETCH(QStringList, ports);
    QFETCH(QString, reselected);
    LinkWatch watch([] { return qint64(0); });
    watch.loggedIn("ttyUSB0");
    watch.linkLost();
    if (!chosenAfter.isEmpty())
        watch.portChosen(chosenAfter);
    QCOMPARE(watch.portToReselect(ports), reselected);
    watch.loggedIn("ttyS0"); // a Login anywhere ends the wait for the lost port
    QCOMPARE(watch.portToReselect({"ttyUSB0"}), QString());
}

void TstLinkWatch::valuesTime() {
    const qint64 values = QDateTime(QDate(2024, 5, 1), QTime(14, 2, 17)).toMSecsSinceEpoch();
    const qint64 sameDay = QDateTime(QDate(2024, 5, 1), QTime(23, 0)).toMSecsSinceEpoch();
    const qint64 nextDay = QDateTime(QDate(2024, 5, 2), QTime(0, 1)).toMSecsSinceEpoch();
    QCOMPARE(LinkWatch::valuesTime(values, sameDay), QString("14:02:17"));
    QCOMPARE(LinkWatch::valuesTime(values, nextDay), QString("2024-05-01 14:02:17"));
}

QTEST_GUILESS_MAIN(TstLinkWatch)
#include "tst_link_watch.moc"
