// The listing core on hand-made pages: classification, layouts, field mapping, the end of a
// listing and pages split across bursts; the count reply and the start number checks.
#include "records/record_listing.h"
#include "records/record_requests.h"
#include "records/record_table.h"

#include <QtTest>

Q_DECLARE_METATYPE(ListingEnd)
Q_DECLARE_METATYPE(StartRefusal)

namespace {
const QString kPrompt = "Press [Enter] to be continued,other key to exit";
const QString kDone = "Command completed successfully\r\n$$\r\n";
const QStringList kEventWords = {"Cell", "low", "voltage"};

QString header(bool mask) {
    return QString("datalist event 0\r\n@\r\nItem  Date  Time  Volt  Curr  Tempr  Tlow  Thigh  "
                   "Vlow  Vhigh  %1Base.St  Volt.St  Curr.St  Temp.St  Percent  Events\r\n")
        .arg(mask ? "mask  " : "");
}

// A record line as the unit aligns it; item % 3 event words follow the fixed columns.
QString rec(int item, bool mask, int fixedWords = -1) {
    QStringList w{QString::number(item),
                  "2024-05-01",
                  "08:00:0" + QString::number(item % 10),
                  "51200",
                  "-1500",
                  "25000",
                  "24000",
                  "26000",
                  "3301",
                  "3320"};
    if (mask)
        w << "0x0004";
    w << "Dischg"
      << "Normal"
      << "UV"
      << "Normal"
      << "80%";
    if (fixedWords >= 0)
        return w.mid(0, fixedWords).join("   ") + "\r\n";
    return (w + kEventWords.mid(0, item % 3)).join("    ") + "\r\n";
}

QString recs(int from, int to, bool mask) {
    QString out;
    for (int i = from; i <= to; ++i)
        out += rec(i, mask);
    return out;
}
} // namespace

class TestRecordListing : public QObject {
    Q_OBJECT
private slots:
    void pieces_data();
    void pieces();
    void counts_data();
    void counts();
    void startNumber_data();
    void startNumber();
};

void TestRecordListing::pieces_data() {
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QString>("items"); // item numbers of the table rows, in order
    QTest::addColumn<bool>("open");
    QTest::addColumn<ListingEnd>("end");

    const QString first = header(false) + recs(1, 2, false) + kPrompt;
    const QString second = "\r\n" + recs(3, 5, false) + kPrompt;
    QTest::newRow("first page") << QStringList{first} << false << "1 2" << true << ListingEnd::None;
    const QString stale = "data\r\n@\r\nData Number : 2\r\n" + kDone;
    QTest::newRow("an earlier reply's end before the first page")
        << QStringList{stale, stale + first} << false << "1 2" << true << ListingEnd::None;
    QTest::newRow("further page") << QStringList{first, second} << false << "1 2 3 4 5" << true
                                  << ListingEnd::None;
    QTest::newRow("last page") << QStringList{first, second, "\r\n" + recs(6, 7, false) + kDone}
                               << false << "1 2 3 4 5 6 7" << false << ListingEnd::Completed;
    QTest::newRow("one piece with a prompt inside")
        << QStringList{first, header(false) + recs(1, 2, false) + kPrompt + "\r\n" +
                                  recs(3, 4, false) + kDone}
        << false << "1 2 3 4" << false << ListingEnd::Completed;
    QTest::newRow("mask layout drops 15-word lines")
        << QStringList{header(true) + rec(1, true) + rec(2, true, 15) + rec(3, true) + kPrompt}
        << true << "1 3" << true << ListingEnd::None;
    QTest::newRow("plain 15 words: empty events")
        << QStringList{header(false) + rec(3, false) + kDone} << false << "3" << false
        << ListingEnd::Completed;
    QTest::newRow("unknown command ends the listing")
        << QStringList{first, "datalist event 0\r\nUnknown command\r\n$$\r\n"} << false << "1 2"
        << false << ListingEnd::Unknown;
    QTest::newRow("failure ends the listing")
        << QStringList{first, "\r\nInvalid command or fail to excute.\r\n$$\r\n"} << false << "1 2"
        << false << ListingEnd::Failed;
    const QString page = header(true) + recs(1, 4, true) + kPrompt;
    const int lineEnd = page.indexOf(rec(3, true));
    QTest::newRow("split at a line boundary") << QStringList{page.left(lineEnd), page.mid(lineEnd)}
                                              << true << "1 2 3 4" << true << ListingEnd::None;
    QTest::newRow("split inside a line and in the prompt")
        << QStringList{page.left(lineEnd + 9), page.mid(lineEnd + 9).chopped(20), page.right(20)}
        << true << "1 2 3 4" << true << ListingEnd::None;
    QTest::newRow("further page split inside a line")
        << QStringList{first, "\r\n" + recs(3, 4, false) + rec(5, false).left(12),
                       rec(5, false).mid(12) + kDone}
        << false << "1 2 3 4 5" << false << ListingEnd::Completed;
}

// Feeds the pieces in turn and keeps a table as the records page does.
void TestRecordListing::pieces() {
    QFETCH(QStringList, pieces);
    QFETCH(bool, mask);
    QFETCH(QString, items);
    QFETCH(bool, open);
    QFETCH(ListingEnd, end);
    RecordListing listing;
    listing.expect("datalist event 0");
    QVector<QStringList> table;
    ListingAnswer last;
    for (const QString& piece : pieces) {
        last = listing.take(RecordKind::Event, piece);
        if (last.clearRows)
            table.clear();
        for (const EventRecord& r : last.records)
            table.append(recordCells(r, listing.maskLayout()));
    }
    QStringList shown;
    for (const QStringList& row : table) {
        shown << row.first();
        const int item = row.first().toInt();
        QCOMPARE(row.size(), mask ? 17 : 16);
        QCOMPARE(row.join(' ').simplified(), rec(item, mask).simplified());
        QString events;
        for (const QString& w : kEventWords.mid(0, item % 3))
            events += w + ' ';
        QCOMPARE(row.last(), events);
    }
    QCOMPARE(shown.join(' '), items);
    QCOMPARE(listing.maskLayout(), mask);
    QCOMPARE(listing.isOpen(RecordKind::Event), open);
    QVERIFY(!listing.isOpen(RecordKind::History));
    QCOMPARE(last.end, end);
    QVERIFY(!last.kept);
}

void TestRecordListing::counts_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("eventEmpty");
    QTest::addColumn<int>("events"); // -99: not a number
    QTest::addColumn<int>("histories");
    QTest::newRow("25 and 310") << "data\n@\nData Number         : 25\nHistory Data Number : "
                                   "310\nCommand completed successfully\n$$"
                                << false << 25 << 310;
    QTest::newRow("empty event, letter history")
        << "data\n@\nData Number :\nHistory Data Number : x\n$$" << true << -99 << -99;
}

void TestRecordListing::counts() {
    QFETCH(QString, reply);
    QFETCH(bool, eventEmpty);
    QFETCH(int, events);
    QFETCH(int, histories);
    const RecordCounts c = parseRecordCounts(reply);
    QCOMPARE(c.eventEmpty, eventEmpty);
    QCOMPARE(c.events.value_or(-99), events);
    QCOMPARE(c.histories.value_or(-99), histories);
}

void TestRecordListing::startNumber_data() {
    QTest::addColumn<bool>("own");
    QTest::addColumn<bool>("other");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<StartRefusal>("refusal");
    QTest::addColumn<int>("start");
    using R = StartRefusal;
    QTest::newRow("own listing open") << true << false << 100 << "1" << R::ListingOpen << 0;
    QTest::newRow("other listing open") << false << true << 100 << "1" << R::OtherListingOpen << 0;
    QTest::newRow("count unknown, 1") << false << false << -1 << "1" << R::None << 0;
    QTest::newRow("count 0, 2") << false << false << 0 << "2" << R::NoRecords << 0;
    QTest::newRow("count 0, letters") << false << false << 0 << "ab" << R::NoRecords << 0;
    QTest::newRow("letters") << false << false << 100 << "ab" << R::NotANumber << 0;
    QTest::newRow("past the count") << false << false << 100 << "101" << R::OutOfRange << 0;
    QTest::newRow("zero") << false << false << 100 << "0" << R::OutOfRange << 0;
    QTest::newRow("negative") << false << false << 100 << "-3" << R::OutOfRange << 0;
    QTest::newRow("last record") << false << false << 100 << "100" << R::None << 99;
}

void TestRecordListing::startNumber() {
    QFETCH(bool, own);
    QFETCH(bool, other);
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(StartRefusal, refusal);
    QFETCH(int, start);
    const StartCheck check = checkStartNumber(own, other, count, text);
    QCOMPARE(check.refusal, refusal);
    if (refusal == StartRefusal::None)
        QCOMPARE(check.startIndex, start);
}

QTEST_GUILESS_MAIN(TestRecordListing)
#include "tst_record_listing.moc"
