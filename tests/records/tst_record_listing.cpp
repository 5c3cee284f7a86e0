// The listing core on hand-made pages: classification, layouts, field mapping, the end of a
// listing, pages split across bursts; the count reply and the start number checks.
#include "records/record_listing.h"
#include "records/record_requests.h"
#include "records/record_table.h"

#include <QtTest>

Q_DECLARE_METATYPE(ListingEnd)

namespace {
const QString kPrompt = "Press [Enter] to be continued,other key to exit";
const QString kDone = "Command completed successfully\r\n$$\r\n";
const QStringList kEventWords = {"Cell", "low", "voltage"};

QString header(bool mask) {
    return QString("datalist event 0\r\n@\r\nItem  Date  Time  Volt  Curr  Tempr  Tlow  Thigh  "
                   "Vlow  Vhigh  %1Base.St  Volt.St  Curr.St  Temp.St  Percent  Events\r\n")
        .arg(mask ? "mask  " : "");
}

// A record line as the unit aligns it: item % 3 event words after the fixed columns, or
// only the first `words` words.
QString rec(int item, bool mask, int words = 99) {
    const QStringList w =
        QString("%1 2024-05-01 08:00:01 51200 -1500 25000 24000 26000 3301 3320 %2Dischg Normal "
                "UV Normal 80%")
            .arg(item)
            .arg(mask ? "0x0004 " : "")
            .split(' ') +
        kEventWords.mid(0, item % 3);
    return w.mid(0, words).join("    ") + "\r\n";
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
    void countsAndStartNumbers();
};

void TestRecordListing::pieces_data() {
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<bool>("mask");
    QTest::addColumn<QString>("items"); // item numbers of the table rows, in order
    QTest::addColumn<bool>("open");
    QTest::addColumn<ListingEnd>("end");

    const QString first = header(false) + recs(1, 2, false) + kPrompt;
    const QString second = "\r\n" + recs(3, 5, false) + kPrompt;
    const QString stale = "data\r\n@\r\nData Number : 2\r\n" + kDone;
    const QString page = header(true) + recs(1, 4, true) + kPrompt;
    const int line3 = page.indexOf(rec(3, true));
    using E = ListingEnd;
    QTest::newRow("first page") << QStringList{first} << false << "1 2" << true << E::None;
    QTest::newRow("earlier reply's end first")
        << QStringList{stale, stale + first} << false << "1 2" << true << E::None;
    QTest::newRow("further page") << QStringList{first, second} << false << "1 2 3 4 5" << true
                                  << E::None;
    QTest::newRow("last page") << QStringList{first, second, "\r\n" + recs(6, 7, false) + kDone}
                               << false << "1 2 3 4 5 6 7" << false << E::Completed;
    QTest::newRow("one piece, prompt inside")
        << QStringList{first, header(false) + recs(1, 2, false) + kPrompt + "\r\n" +
                                  recs(3, 4, false) + kDone}
        << false << "1 2 3 4" << false << E::Completed;
    QTest::newRow("mask layout drops 15 words")
        << QStringList{header(true) + rec(1, true) + rec(2, true, 15) + rec(3, true) + kPrompt}
        << true << "1 3" << true << E::None;
    QTest::newRow("plain 15 words, empty events")
        << QStringList{header(false) + rec(3, false) + kDone} << false << "3" << false
        << E::Completed;
    QTest::newRow("unknown command")
        << QStringList{first, "datalist event 0\r\nUnknown command\r\n$$\r\n"} << false << "1 2"
        << false << E::Unknown;
    QTest::newRow("split at a line boundary")
        << QStringList{page.left(line3), page.mid(line3)} << true << "1 2 3 4" << true << E::None;
    QTest::newRow("split inside a line and the prompt")
        << QStringList{page.left(line3 + 9), page.mid(line3 + 9).chopped(20), page.right(20)}
        << true << "1 2 3 4" << true << E::None;
}

// Feeds the pieces in turn and keeps a table as the records page does.
void TestRecordListing::pieces() {
    QFETCH(QStringList, pieces);
    QFETCH(bool, mask);
    QFETCH(QString, items);
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
        // Every event word followed by one space.
        QCOMPARE(row.last(), (kEventWords.mid(0, item % 3) << "").join(' '));
    }
    QCOMPARE(shown.join(' '), items);
    QCOMPARE(listing.maskLayout(), mask);
    QTEST(listing.isOpen(RecordKind::Event), "open");
    QVERIFY(!listing.isOpen(RecordKind::History));
    QTEST(last.end, "end");
}

void TestRecordListing::countsAndStartNumbers() {
    RecordCounts c = parseRecordCounts("data\n@\nData Number         : 25\n"
                                       "History Data Number : 310\nCommand completed successfully");
    QVERIFY(!c.eventEmpty && c.events == 25 && c.histories == 310);
    c = parseRecordCounts("data\n@\nData Number :\nHistory Data Number : x\n$$");
    QVERIFY(c.eventEmpty && !c.events && !c.histories);

    using R = StartRefusal;
    const struct {
        bool own, other;
        int count;
        const char* text;
        StartRefusal refusal;
        int start;
    } cases[] = {{true, false, 100, "1", R::ListingOpen, 0},
                 {false, true, 100, "1", R::OtherListingOpen, 0},
                 {false, false, -1, "1", R::None, 0},
                 {false, false, 0, "2", R::NoRecords, 0},
                 {false, false, 100, "ab", R::NotANumber, 0},
                 {false, false, 100, "101", R::OutOfRange, 0},
                 {false, false, 100, "100", R::None, 99}};
    for (const auto& k : cases) {
        const StartCheck check = checkStartNumber(k.own, k.other, k.count, k.text);
        QVERIFY2(check.refusal == k.refusal && check.startIndex == k.start, k.text);
    }
}

QTEST_GUILESS_MAIN(TestRecordListing)
#include "tst_record_listing.moc"
