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
    void plainPictures();
    void qtConf();
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
}

void TestResources::languagePictures() {
    QFETCH(QString, base);
    QFETCH(QString, ext);
    QFETCH(QSize, size);

    QList<QImage> images;
    for (const QString& lang : kLanguages) {
        const QString name = QString("%1_%2.%3").arg(base, lang, ext);
        images << picture(name);
        QVERIFY2(!images.last().isNull(), qPrintable(name));
        if (size.isValid())
            QCOMPARE(images.last().size(), size);
    }
    // Every one of these carries text, and the English and French captions differ.
    QVERIFY(images.at(0) != images.at(2));
}

// Sixteen numbered buttons per language, each showing its own number.
void TestResources::batteryButtons() {
    for (const QString& lang : kLanguages) {
        for (int n = 1; n <= 16; ++n) {
            const QImage image = picture(QString("Bat%1_%2.png").arg(n).arg(lang));
            QCOMPARE(image.size(), QSize(95, 26));
            QVERIFY(image != picture(QString("Bat%1_%2.png").arg(n % 16 + 1).arg(lang)));
        }
    }
    QVERIFY(picture("Bat1_en.png") != picture("Bat1_de.png"));
}

// Pictures without a language suffix; each pair is a normal and a pressed (or on) look that
// differ, the first pair a page button's.
void TestResources::plainPictures() {
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
