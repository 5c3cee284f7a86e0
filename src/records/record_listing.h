#pragma once
// The unit's record listings ("datalist event N", "datalist history N"): a whitespace-aligned
// table printed page by page, each page ended by the paging prompt or by the completion.
// parseListingText turns one piece of that text into records; RecordListing holds what
// lasts between pieces (which listing is open, the column layout, a page still arriving).

#include "records/records_constants.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

enum class RecordKind { Event = 0, History = 1 };

// One record line, every field as the unit printed it. The mask field stays empty in the
// plain layout; the events field is every word after the fixed columns, each followed by
// one space.
struct EventRecord {
    std::array<QString, kRecordFields> fields;
};

// Which kind of text a piece is.
enum class PageCase {
    None,         // no page marker: no rows
    FirstPage,    // header and paging prompt: a paged listing starts, the table is cleared
    WholeListing, // header and completion: a listing in one piece, the table is cleared
    FurtherPage,  // paging prompt without header: rows are appended
    LastPage,     // completion without header: rows are appended, the listing ends
};

// How a piece ends the listing, if it does.
enum class ListingEnd { None, Completed, Failed, Unknown };

struct ListingText {
    std::optional<bool> header; // a header line was seen: true for the layout with "mask"
    PageCase page = PageCase::None;
    QVector<EventRecord> records;
    ListingEnd end = ListingEnd::None;
    QString text; // the piece as classified (trimmed for further and last pages)
};

// Splits one line into a record; false for a line with too few words for the layout.
bool parseRecordLine(const QString& line, bool maskLayout, EventRecord& out);

// Classifies one piece of listing text and reads its records, with the layout in force
// unless the piece brings its own header.
ListingText parseListingText(const QString& text, bool maskLayout);

// What the table and the user are to be shown after a piece of listing text.
struct ListingAnswer {
    bool kept = false;                 // the page has not ended yet: its text waits for the rest
    bool dropped = false;              // text without a marker grew past any page and was let go
    std::optional<bool> layout;        // set this column layout (true: with the mask column)
    bool clearRows = false;            // empty the table before adding the records
    QVector<EventRecord> records;      // rows to add
    PageCase page = PageCase::None;    // for the log
    ListingEnd end = ListingEnd::None; // the listing ended: the message to show
    QString text;                      // the whole page as parsed, for the log
};

class RecordListing {
public:
    bool isOpen(RecordKind kind) const { return m_open[index(kind)]; }
    bool anyOpen() const { return m_open[0] || m_open[1]; }
    bool maskLayout() const { return m_mask; }

    // One burst, or one complete reply, of the listing of `kind`. A page split across
    // bursts is kept until its marker (prompt, completion, failure) arrives, then read whole.
    ListingAnswer take(RecordKind kind, const QString& text);
    // A new listing was asked for with this command. Its reply starts with the command's
    // echo: text before the echo is the end of an earlier reply still being received when
    // the request went out, and text left from an abandoned page is dropped too.
    void expect(const QString& echo);
    // "reflash": both listings closed, nothing kept.
    void reset();

private:
    static int index(RecordKind kind) { return kind == RecordKind::Event ? 0 : 1; }
    bool awaitEcho();
    ListingAnswer& keep(ListingAnswer& answer);

    bool m_open[2] = {false, false};
    bool m_mask = false;
    QString m_pending;
    QString m_echo; // of the request whose first text has not arrived yet
};
