// The picture bundle: every picture the forms and views name is there, in every language
// where the name takes a suffix, at the size its widget shows it, with the caption of its
// language; and qt.conf.
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

QImage picture(const QString& name) {
    return QImage(":/icon/res/" + name);
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void languagePictures_data();
    void languagePictures();
    void plainPicturesAndQtConf();
};

void TestResources::languagePictures_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QSize>("size"); // invalid: free (labels that scale it, indicators)
    const auto rows = [](const QStringList& names, const char* ext, QSize size) {
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << QString(ext) << size;
    };
    rows({"normal", "normalpress", "rtdata", "realdatapress", "alarmpro", "alarmpropress",
          "History", "HistoryPress", "updatepan", "updatepanpress", "SendData", "SendDataPress",
          "rtdataon", "rtdataoff", "download", "cleanallen", "UpdateBtn", "wake", "uboot"},
         "png", QSize(150, 50));
    rows({"event", "HistBtn", "continue"}, "png", QSize(130, 46));
    rows({"Confirm"}, "png", QSize(95, 26));
    rows({"details"}, "png", QSize(120, 40));
    rows({"Add"}, "png", QSize(64, 26));
    rows({"Bat"}, "png", QSize(120, 50));
    rows({"Alarmprotecet"}, "png", QSize(220, 50));
    rows({"UpdateMess"}, "jpg", QSize(640, 360));
    rows({"group", "alarm"}, "jpg", QSize());
    rows({"balance", "mosoff", "moson", "BatTwo", "info"}, "png", QSize());
    // Sixteen numbered battery buttons, each showing its own number.
    for (int n = 1; n <= 16; ++n)
        rows({QString("Bat%1").arg(n)}, "png", QSize(95, 26));
}

void TestResources::languagePictures() {
    QFETCH(QString, base);
    QFETCH(QString, ext);
    QFETCH(QSize, size);
    QList<QImage> images;
    for (const char* lang : {"en", "de", "fr", "es", "it"}) {
        const QString name = QString("%1_%2.%3").arg(base, lang, ext);
        images << picture(name);
        QVERIFY2(!images.last().isNull(), qPrintable(name));
        if (size.isValid())
            QCOMPARE(images.last().size(), size);
    }
    // Every one of these carries text, and the English and French captions differ.
    QVERIFY(images.at(0) != images.at(2));
    const auto numbered = QRegularExpression("^Bat(\\d+)$").match(base);
    if (numbered.hasMatch())
        QVERIFY(images.at(0) !=
                picture(QString("Bat%1_en.png").arg(numbered.captured(1).toInt() % 16 + 1)));
}

// Pictures without a language suffix; each pair is a normal and a pressed (or on) look that
// differ. qt.conf keeps the window sharp on scaled screens.
void TestResources::plainPicturesAndQtConf() {
    const QStringList pairs{"normal_en.png",     "normalpress_en.png", "pressed.png",
                            "PressShawdow.png",  "reflesh.jpg",        "refleshpress.jpg",
                            "balanceledoff.png", "balanceledon.png",   "mosoff.png",
                            "moson.png"};
    for (int i = 0; i < pairs.size(); i += 2)
        QVERIFY2(picture(pairs.at(i)) != picture(pairs.at(i + 1)), qPrintable(pairs.at(i)));
    for (const QString& name :
         pairs + QStringList{"NorvaneThree.jpg", "UpdateMess.jpg", "group.jpg", "alarm.jpg",
                             "balance.png", "BatTwo.png", "details.png", "info.png", "Add.png",
                             "Confirm.png", "event.png", "continue.png"})
        QVERIFY2(!picture(name).isNull(), qPrintable(name));
    QFile conf(":/qt/etc/qt.conf");
    QVERIFY(conf.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(conf.readAll().simplified(),
             QByteArray("[Platforms] WindowsArguments = dpiawareness = 0"));
}

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
