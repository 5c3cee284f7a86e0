// The link's state as the technician is told it, on a clock the test turns: silence after
// Login, a unit that stops answering, an unplugged adapter and the port to choose again.
#include "serial/link_watch.h"

#include <QtTest>

namespace {
// "live", "silent", or "stale <lost|noanswer> <ms of the values>" [silent]; then "back" when
// ttyUSB0 is to be chosen again as it reappears.
QString seen(const LinkWatch& watch) {
    const LinkView v = watch.view();
    QStringList out;
    if (v.stale)
        out << "stale" << (v.linkLost ? "lost" : "noanswer") << QString::number(v.valuesOfMs);
    if (v.silent || out.isEmpty())
        out << (v.silent ? "silent" : "live");
    if (!watch.portToReselect({"ttyS0", "ttyUSB0"}).isEmpty())
        out << "back";
    return out.join(' ');
}
} // namespace

class TstLinkWatch : public QObject {
    Q_OBJECT
private slots:
    // Steps "<ms> <event>" (login on ttyUSB0, logout, lost, cmd, reply, pick <port>) and
    // "<ms> =<what is seen then>".
    void states_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("5 s for the first answer, then 20 s from the first unanswered command")
            << "0 login,0 cmd,5000 =live,5001 =silent,5300 reply,600000 =live,601000 cmd,"
               "609000 cmd,621000 =live,621001 =stale noanswer 5300 silent";
        QTest::newRow("unplugged; its port picked, then another; Login on a silent line; replies")
            << "0 login,0 cmd,300 reply,2000 lost,2500 pick ttyUSB0,90000 =stale lost 300 back,"
               "90500 pick ttyS0,90600 =stale lost 300,91000 login,91000 cmd,96000 =stale lost 300,"
               "96001 =stale noanswer 300 silent,96400 reply,96400 =live";
        QTest::newRow("logged out with a command waiting; late bytes after Logout are no data")
            << "0 login,0 cmd,300 reply,2000 cmd,2100 logout,90000 =live,90050 reply,"
               "91000 login,91000 cmd,96001 =silent";
        QTest::newRow("unplugged before any reply") << "0 login,0 cmd,100 lost,9000 =live back";
    }

    void states() {
        QFETCH(QString, script);
        qint64 now = 0;
        LinkWatch watch([&now] { return now; });
        for (const QString& step : script.split(',')) {
            now = step.section(' ', 0, 0).toLongLong();
            const QString what = step.section(' ', 1);
            if (what.startsWith('='))
                QCOMPARE(QString("%1 =%2").arg(now).arg(seen(watch)), step);
            else if (what == "login")
                watch.loggedIn("ttyUSB0");
            else if (what == "logout")
                watch.loggedOut();
            else if (what == "lost")
                watch.linkLost();
            else if (what == "cmd")
                watch.commandSent();
            else if (what.startsWith("pick "))
                watch.portChosen(what.mid(5));
            else
                watch.replyReceived();
        }
    }

    void valuesTime() {
        const qint64 values = QDateTime(QDate(2024, 5, 1), QTime(14, 2, 17)).toMSecsSinceEpoch();
        const qint64 hour = 3600000;
        QCOMPARE(LinkWatch::valuesTime(values, values + 8 * hour), QString("14:02:17"));
        QCOMPARE(LinkWatch::valuesTime(values, values + 10 * hour), QString("2024-05-01 14:02:17"));
    }
};

QTEST_GUILESS_MAIN(TstLinkWatch)
#include "tst_link_watch.moc"
