// The picture bundle: every picture the forms and views name is there, in every language
// where the name takes a suffix, at the size its widget shows it, with the caption of its
// language; and qt.conf.

#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

const QStringList kLanguages{"en", "de", "fr", "es", "it"};

QImage picture(const QString& name) {
    return QImage(":/icon/res/" + name);
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void languagePictures_data();
    void languagePictures();
    void batteryButtons();
    void plainPictures_data();
    void plainPictures();
    void pressedDiffersFromNormal_data();
    void pressedDiffersFromNormal();
    void qtConf();
};

void TestResources::languagePictures_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QSize>("size");

    const QSize nav(150, 50);
    for (const char* name :
         {"normal", "normalpress", "rtdata", "realdatapress", "alarmpro", "alarmpropress",
          "History", "HistoryPress", "updatepan", "updatepanpress", "SendData", "SendDataPress"})
        QTest::newRow(name) << name << "png" << nav;
    for (const char* name :
         {"rtdataon", "rtdataoff", "download", "cleanallen", "UpdateBtn", "wake", "uboot"})
        QTest::newRow(name) << name << "png" << QSize(150, 50);
    for (const char* name : {"event", "HistBtn", "continue"})
        QTest::newRow(name) << name << "png" << QSize(130, 46);
    QTest::newRow("Confirm") << "Confirm"
                             << "png" << QSize(95, 26);
    QTest::newRow("details") << "details"
                             << "png" << QSize(120, 40);
    QTest::newRow("Add") << "Add"
                         << "png" << QSize(64, 26);
    QTest::newRow("Bat") << "Bat"
                         << "png" << QSize(120, 50);
    QTest::newRow("Alarmprotecet") << "Alarmprotecet"
                                   << "png" << QSize(220, 50);
    QTest::newRow("UpdateMess") << "UpdateMess"
                                << "jpg" << QSize(640, 360);
    // Pictures whose size is free (labels that scale them down, indicators).
    QTest::newRow("group") << "group"
                           << "jpg" << QSize();
    QTest::newRow("alarm") << "alarm"
                           << "jpg" << QSize();
    QTest::newRow("balance") << "balance"
                             << "png" << QSize();
    QTest::newRow("mosoff") << "mosoff"
                            << "png" << QSize();
    QTest::newRow("moson") << "moson"
                           << "png" << QSize();
    QTest::newRow("BatTwo") << "BatTwo"
                            << "png" << QSize();
    QTest::newRow("info") << "info"
                          << "png" << QSize();
}

void TestResources::languagePictures() {
    QFETCH(QString, base);
    QFETCH(QString, ext);
    QFETCH(QSize, size);

    QList<QImage> images;
    for (const QString& lang : kLanguages) {
        const QString name = QString("%1_%2.%3").arg(base, lang, ext);
        const QImage image = picture(name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        if (size.isValid())
            QCOMPARE(image.size(), size);
        images << image;
    }
    // Every one of these carries text, and the English and French captions differ.
    QVERIFY(images.at(0) != images.at(2));
}

void TestResources::batteryButtons() {
    for (const QString& lang : kLanguages) {
        QImage previous;
        for (int n = 1; n <= 16; ++n) {
            const QString name = QString("Bat%1_%2.png").arg(n).arg(lang);
            const QImage image = picture(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(95, 26));
            QVERIFY2(image != previous, qPrintable(name + " shows the number"));
            previous = image;
        }
    }
    QVERIFY(picture("Bat1_en.png") != picture("Bat1_de.png"));
}

void TestResources::plainPictures_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"NorvaneThree.jpg", "UpdateMess.jpg", "pressed.png", "PressShawdow.png",
          "group.jpg",        "alarm.jpg",      "balance.png", "balanceledoff.png",
          "balanceledon.png", "mosoff.png",     "moson.png",   "BatTwo.png",
          "details.png",      "info.png",       "Add.png",     "Confirm.png",
          "event.png",        "continue.png",   "reflesh.jpg", "refleshpress.jpg"})
        QTest::newRow(name) << name;
}

void TestResources::plainPictures() {
    QFETCH(QString, name);
    QVERIFY2(!picture(name).isNull(), qPrintable(name));
}

void TestResources::pressedDiffersFromNormal_data() {
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("page button") << "normal_en.png"
                                 << "normalpress_en.png";
    QTest::newRow("refresh") << "reflesh.jpg"
                             << "refleshpress.jpg";
    QTest::newRow("balance led") << "balanceledoff.png"
                                 << "balanceledon.png";
    QTest::newRow("switch") << "mosoff_de.png"
                            << "moson_de.png";
    QTest::newRow("shared pressed pictures") << "pressed.png"
                                             << "PressShawdow.png";
}

void TestResources::pressedDiffersFromNormal() {
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    QVERIFY(picture(normal) != picture(pressed));
}

void TestResources::qtConf() {
    QFile conf(":/qt/etc/qt.conf");
    QVERIFY(conf.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = conf.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).trimmed(), QByteArray("[Platforms]"));
    QCOMPARE(lines.at(1).trimmed(), QByteArray("WindowsArguments = dpiawareness = 0"));
}

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
