// Where the shipped files are found (build tree or installed tree), which folder a menu start
// works in, and when the arguments ask for it.
#include "app/command_line.h"
#include "toolbox/install_paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TstInstallPaths : public QObject {
    Q_OBJECT

private slots:
    // A tree with bin/ and share/norvanebat/; "name" made in the places the row lists.
    void shippedPath_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << true << false << "bin/languages";
        QTest::newRow("installed") << false << true << "share/norvanebat/languages";
        QTest::newRow("both") << true << true << "bin/languages";
        QTest::newRow("neither") << false << false << "bin/languages";
    }
    void shippedPath() {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath("bin") && dir.mkpath("share/norvanebat"));
        QVERIFY(!beside || dir.mkpath("bin/languages"));
        QVERIFY(!installed || dir.mkpath("share/norvanebat/languages"));
        QCOMPARE(toolbox::shippedPath(root.filePath("bin"), "languages"), root.filePath(expected));
    }

    void dataHomeFolder_data() {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << QString() << "/home/tech/.local/share/norvanebat";
        QTest::newRow("absolute") << "/srv/data/"
                                  << "/srv/data/norvanebat";
        QTest::newRow("relative is ignored") << "data"
                                             << "/home/tech/.local/share/norvanebat";
    }
    void dataHomeFolder() {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        QCOMPARE(toolbox::dataHomeFolder(xdgDataHome, "/home/tech"), expected);
    }

    void hasFlag_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("expected");
        QTest::newRow("menu entry") << QStringList{"nb", "--data-home"} << true;
        QTest::newRow("among others") << QStringList{"nb", "--demo", "--data-home"} << true;
        QTest::newRow("plain") << QStringList{"nb", "--demo"} << false;
        QTest::newRow("a port's name") << QStringList{"nb", "--port", "--data-home"} << false;
        QTest::newRow("after --") << QStringList{"nb", "--", "--data-home"} << false;
    }
    void hasFlag() {
        QFETCH(QStringList, args);
        QFETCH(bool, expected);
        QCOMPARE(::hasFlag(args, kDataHomeFlag), expected);
    }
};

QTEST_GUILESS_MAIN(TstInstallPaths)
#include "tst_install_paths.moc"
