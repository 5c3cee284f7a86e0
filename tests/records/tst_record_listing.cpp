// The listing core on hand-made pages (split across bursts too), the counts, the start checks.
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

// A record line as the unit aligns it, item % 3 event words at its end, cut to `words` words.
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
    return from > to ? QString() : rec(from, mask) + recs(from + 1, to, mask);
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
    QTest::addColumn<QString>("items"); // item numbers of the table rows, in order
    QTest::addColumn<ListingEnd>("end");
    const QString first = header(false) + recs(1, 2, false) + kPrompt;
    const QString second = "\r\n" + recs(3, 5, false) + kPrompt;
    const QString stale = "data\r\n@\r\nData Number : 2\r\n" + kDone;
    const QString page = header(true) + recs(1, 4, true) + kPrompt;
    const int line3 = page.indexOf(rec(3, true));
    using E = ListingEnd;
    QTest::newRow("first page") << QStringList{first} << "1 2" << E::None;
    QTest::newRow("earlier reply's end first")
        << QStringList{stale, stale + first} << "1 2" << E::None;
    QTest::newRow("further page") << QStringList{first, second} << "1 2 3 4 5" << E::None;
    QTest::newRow("last page") << QStringList{first, second, "\r\n" + recs(6, 7, false) + kDone}
                               << "1 2 3 4 5 6 7" << E::Completed;
    QTest::newRow("one piece, prompt inside")
        << QStringList{first, first + "\r\n" + recs(3, 4, false) + kDone} << "1 2 3 4"
        << E::Completed;
    QTest::newRow("mask layout drops 15 words")
        << QStringList{header(true) + rec(1, true) + rec(2, true, 15) + rec(3, true) + kPrompt}
        << "1 3" << E::None;
    QTest::newRow("plain 15 words, empty events")
        << QStringList{header(false) + rec(3, false) + kDone} << "3" << E::Completed;
    QTest::newRow("unknown command")
        << QStringList{first, "datalist event 0\r\nUnknown command\r\n$$\r\n"} << "1 2"
        << E::Unknown;
    QTest::newRow("split at a line boundary, inside a line and the prompt")
        << QStringList{page.left(line3), page.mid(line3, 9), page.mid(line3 + 9).chopped(20),
                       page.right(20)}
        << "1 2 3 4" << E::None;
}

// Feeds the pieces in turn and keeps a table as the records page does.
void TestRecordListing::pieces() {
    QFETCH(QStringList, pieces);
    QFETCH(QString, items);
    const bool mask = pieces.join(QString()).contains("mask");
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
        QCOMPARE(row.last(), (kEventWords.mid(0, item % 3) << "").join(' ')); // "word word "
    }
    QCOMPARE(shown.join(' '), items);
    QCOMPARE(listing.maskLayout(), mask);
    QTEST(last.end, "end");
    QCOMPARE(listing.isOpen(RecordKind::Event), last.end == ListingEnd::None);
    QVERIFY(!listing.isOpen(RecordKind::History));
}

void TestRecordListing::countsAndStartNumbers() {
    RecordCounts c = parseRecordCounts("data\n@\nData Number         : 25\n"
                                       "History Data Number : 310\nCommand completed successfully");
    QVERIFY(!c.eventEmpty && c.events == 25 && c.histories == 310);
    c = parseRecordCounts("data\n@\nData Number :\nHistory Data Number : x\n$$");
    QVERIFY(c.eventEmpty && !c.events && !c.histories);

    using R = StartRefusal;
    const std::tuple<bool, bool, int, const char*, R, int> cases[] = {
        {true, false, 100, "1", R::ListingOpen, 0},
        {false, true, 100, "1", R::OtherListingOpen, 0},
        {false, false, -1, "1", R::None, 0},
        {false, false, 0, "2", R::NoRecords, 0},
        {false, false, 100, "ab", R::NotANumber, 0},
        {false, false, 100, "101", R::OutOfRange, 0},
        {false, false, 100, "100", R::None, 99}};
    for (const auto& [own, other, count, text, refusal, start] : cases) {
        const StartCheck check = checkStartNumber(own, other, count, text);
        QVERIFY2(check.refusal == refusal && check.startIndex == start, text);
    }
}

QTEST_GUILESS_MAIN(TestRecordListing)
#include "tst_record_listing.moc"
