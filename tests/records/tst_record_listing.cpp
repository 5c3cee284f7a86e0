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
    void pieces_data() {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<int>("recut"); // > 0: the pieces joined and cut again into this many bytes
        QTest::addColumn<QString>("items"); // item numbers of the table rows, in order
        QTest::addColumn<ListingEnd>("end");
        const QString first = header(false) + recs(1, 2, false) + kPrompt;
        const QString second = "\r\n" + recs(3, 5, false) + kPrompt;
        const QString stale = "data\r\n@\r\nData Number : 2\r\n" + kDone;
        const QString page = header(true) + recs(1, 4, true) + kPrompt;
        const int line3 = page.indexOf(rec(3, true));
        using E = ListingEnd;
        QTest::newRow("first page") << QStringList{first} << 0 << "1 2" << E::None;
        QTest::newRow("earlier reply's end first")
            << QStringList{stale, stale + first} << 0 << "1 2" << E::None;
        QTest::newRow("further page") << QStringList{first, second} << 0 << "1 2 3 4 5" << E::None;
        const QStringList three{first, second, "\r\n" + recs(6, 7, false) + kDone};
        QTest::newRow("last page") << three << 0 << "1 2 3 4 5 6 7" << E::Completed;
        QTest::newRow("byte by byte") << three << 1 << "1 2 3 4 5 6 7" << E::Completed;
        QTest::newRow("37-byte pieces across lines and pages")
            << three << 37 << "1 2 3 4 5 6 7" << E::Completed;
        QTest::newRow("printed again after its prompt")
            << QStringList{first, first + "\r\n" + recs(3, 4, false) + kDone} << 0 << "1 2 3 4"
            << E::Completed;
        QTest::newRow("mask layout drops 15 words")
            << QStringList{header(true) + rec(1, true) + rec(2, true, 15) + rec(3, true) + kPrompt}
            << 0 << "1 3" << E::None;
        QTest::newRow("plain 15 words, empty events")
            << QStringList{header(false) + rec(3, false) + kDone} << 0 << "3" << E::Completed;
        QTest::newRow("unknown command")
            << QStringList{first, "datalist event 0\r\nUnknown command\r\n$$\r\n"} << 0 << "1 2"
            << E::Unknown;
        QTest::newRow("left paging")
            << QStringList{first, "\r\nQuit current mode\r\n$$\r\n"} << 0 << "1 2" << E::Quit;
        QTest::newRow("split at a line boundary, inside a line and the prompt")
            << QStringList{page.left(line3), page.mid(line3, 9), page.mid(line3 + 9).chopped(20),
                           page.right(20)}
            << 0 << "1 2 3 4" << E::None;
    }

    // Feeds the pieces in turn and keeps a table as the records page does.
    void pieces() {
        QFETCH(QStringList, pieces);
        QFETCH(int, recut);
        QFETCH(QString, items);
        const QString whole = pieces.join(QString());
        const bool mask = whole.contains("mask");
        for (int at = 0; recut > 0 && at < whole.size(); at += recut)
            pieces = (at ? pieces : QStringList()) << whole.mid(at, recut);
        RecordListing listing;
        listing.expect(RecordKind::Event, "datalist event 0");
        QVector<QStringList> table;
        ListingEnd end = ListingEnd::None;
        for (const QString& piece : pieces) {
            const ListingAnswer a = listing.take(RecordKind::Event, piece);
            if (a.clearRows)
                table.clear();
            for (const EventRecord& r : a.records)
                table.append(recordCells(r, listing.maskLayout()));
            QVERIFY(end == ListingEnd::None || a.end == ListingEnd::None); // ends once
            end = a.end == ListingEnd::None ? end : a.end;
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
        QTEST(end, "end");
        QCOMPARE(listing.isOpen(RecordKind::Event), end == ListingEnd::None);
        QVERIFY(!listing.isOpen(RecordKind::History));
    }

    // Continue is taken only at a prompt, the cooldown refuses it, "Read all" and the paging line
    // follow the pages; the listing's own end (or the program's) closes it.
    void paging() {
        RecordListing l;
        using C = ContinueCheck;
        QCOMPARE(l.checkContinue(false), C::NoListing);
        l.expect(RecordKind::History, "datalist history 0", 25);
        QCOMPARE(l.checkContinue(false), C::PageComing);
        l.take(RecordKind::History, header(false).replace("event", "history") + recs(1, 10, false));
        QCOMPARE(l.checkContinue(false), C::PageComing);
        QVERIFY(l.take(RecordKind::History, kPrompt.left(30)).records.isEmpty());
        QVERIFY(l.take(RecordKind::History, kPrompt.mid(30)).pageDone);
        QCOMPARE(l.checkContinue(true), C::TooFrequent);
        QCOMPARE(l.checkContinue(false), C::Send);
        QVERIFY(l.take(RecordKind::Event, "\r\n" + recs(11, 20, false)).records.isEmpty());
        l.continued();
        l.setReadAll(true);
        QCOMPARE(l.take(RecordKind::History, "\r\n" + recs(11, 14, false)).records.size(), 4);
        ListingProgress p = l.progress();
        QVERIFY(p.open && p.pageComing && p.readingAll);
        QCOMPARE(std::make_tuple(p.rows, p.firstPageRow, p.page, *p.pages),
                 std::make_tuple(14, 10, 2, 3));
        l.end();
        QCOMPARE(l.checkContinue(false), C::NoListing);
        QVERIFY(!l.readingAll() && !l.isOpen(RecordKind::History));
        QVERIFY(l.take(RecordKind::History, recs(15, 20, false) + kPrompt).records.isEmpty());
    }

    void countsAndStartNumbers() {
        RecordCounts c =
            parseRecordCounts("data\n@\nData Number         : 25\n"
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
};

QTEST_GUILESS_MAIN(TestRecordListing)
#include "tst_record_listing.moc"
