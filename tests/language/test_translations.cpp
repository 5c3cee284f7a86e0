// lupdate brings scratch copies of the committed .ts files up to date with src/: no text may be
// new or unfinished in de, fr, es, it (in en, only texts with plural forms need one), and each
// translation keeps the placeholders, line breaks and trailing blank the code relies on.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QStringList kCodes = {"en", "de", "fr", "es", "it"};

QStringList placeholders(const QString& text) {
    QStringList out;
    for (auto it = QRegularExpression("%L?\\d").globalMatch(text); it.hasNext();)
        out << it.next().captured();
    out.sort();
    return out;
}

// What the code builds on: the %1 it fills in, the line breaks it frames a text with, the
// blank it puts a value after (a translation may add one where the source has none).
QString shapeFault(const QString& source, const QString& translation) {
    if (translation.isEmpty())
        return "empty";
    if (placeholders(source) != placeholders(translation))
        return "placeholders";
    if (source.startsWith('\n') != translation.startsWith('\n') ||
        source.endsWith('\n') != translation.endsWith('\n'))
        return "line breaks at the ends";
    return source.endsWith(' ') && !translation.endsWith(' ') ? "trailing blank" : QString();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        const QString tree = qEnvironmentVariable("NB_SOURCE_DIR");
        QStringList args = {tree + "/src", "-locations", "none", "-source-language", "en", "-ts"};
        for (const QString& code : kCodes) {
            const QString name = QString("TranslationExample_%1.ts").arg(code);
            QVERIFY(QFile::copy(tree + "/translations/" + name, m_scratch.filePath(name)));
            args << m_scratch.filePath(name);
        }
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(NB_LUPDATE, args);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    }

    void complete_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }

    void complete() {
        QFETCH(QString, code);
        QFile file(m_scratch.filePath(QString("TranslationExample_%1.ts").arg(code)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList faults;
        QString context, source;
        bool numerus = false;
        int live = 0; // texts lupdate found in src/
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == "message")
                numerus = xml.attributes().value("numerus") == "yes";
            else if (xml.name() == "name")
                context = xml.readElementText();
            else if (xml.name() == "source")
                source = xml.readElementText();
            if (xml.name() != "translation")
                continue;
            const QString type = xml.attributes().value("type").toString();
            if (type == "vanished" || type == "obsolete" || (++live, code == "en" && !numerus))
                continue;
            if (type == "unfinished") {
                faults << "new or unfinished: " + context + '|' + source;
                continue;
            }
            QStringList translations;
            while (numerus && xml.readNextStartElement())
                translations << xml.readElementText(); // one per plural form
            for (const QString& t : numerus ? translations : QStringList{xml.readElementText()}) {
                if (!shapeFault(source, t).isEmpty())
                    faults << shapeFault(source, t) + ": " + context + '|' + source + " -> " + t;
            }
        }
        QVERIFY2(live > 250, qPrintable(QString::number(live))); // a scan that found nothing
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 40).join('\n'))); // run nb_lupdate
    }

private:
    QTemporaryDir m_scratch;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
