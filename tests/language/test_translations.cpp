// lupdate runs on src/ into a scratch file; every text it finds must be in the committed
// file of each language, finished in de, fr, es and it with the placeholders, line breaks
// and trailing blank the code relies on. English keeps only texts with plural forms.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QStringList translations; // one, or one per plural form
    bool finished = false;
    bool numerus = false;
};

// "context|source" -> message, for the entries that are not vanished or obsolete.
QHash<QString, Message> readTs(const QString& path) {
    QHash<QString, Message> out;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context, source, type;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringRef name = xml.name();
        if (xml.isEndElement() && name == "message" && type != "vanished" && type != "obsolete")
            out.insert(context + '|' + source, m);
        if (!xml.isStartElement())
            continue;
        if (name == "message")
            m = Message{{}, false, xml.attributes().value("numerus") == "yes"};
        else if (name == "name")
            context = xml.readElementText();
        else if (name == "source")
            source = xml.readElementText();
        else if (name == "numerusform")
            m.translations << xml.readElementText();
        else if (name == "translation") {
            type = xml.attributes().value("type").toString();
            m.finished = type.isEmpty();
            if (!m.numerus)
                m.translations << xml.readElementText();
        }
    }
    return out;
}

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
        const QString scratch = m_scratch.filePath("scratch_de.ts");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(NB_LUPDATE, {"-locations", "none", "-source-language", "en",
                                   qEnvironmentVariable("NB_SOURCE_DIR") + "/src", "-ts", scratch});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        m_wanted = readTs(scratch);
        // A broken scan must not pass as "nothing missing".
        QVERIFY2(m_wanted.size() > 250, qPrintable(QString::number(m_wanted.size())));
    }

    void complete_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "de", "fr", "es", "it"})
            QTest::newRow(code) << QString(code);
    }

    void complete() {
        QFETCH(QString, code);
        const QString path = QString("%1/translations/TranslationExample_%2.ts")
                                 .arg(qEnvironmentVariable("NB_SOURCE_DIR"), code);
        const QHash<QString, Message> committed = readTs(path);
        QStringList faults;
        for (auto it = m_wanted.cbegin(); it != m_wanted.cend(); ++it) {
            if (code == "en" && !it->numerus)
                continue; // English shows the source text itself
            const auto found = committed.find(it.key());
            if (found == committed.end() || !found->finished) {
                faults << (found == committed.end() ? "missing: " : "unfinished: ") + it.key();
                continue;
            }
            for (const QString& translation : found->translations) {
                const QString fault =
                    shapeFault(it.key().mid(it.key().indexOf('|') + 1), translation);
                if (!fault.isEmpty())
                    faults << fault + ": " + it.key() + " -> " + translation;
            }
        }
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 (build nb_lupdate and translate):\n%2")
                                                  .arg(path, faults.mid(0, 40).join('\n'))));
    }

private:
    QTemporaryDir m_scratch;
    QHash<QString, Message> m_wanted;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
