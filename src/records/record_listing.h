#pragma once
// The unit's record listings ("datalist event N", "datalist history N"): a whitespace-aligned
// table printed page by page, each page ended by the paging prompt (the unit then waits for
// Enter) or by the completion. RecordListing reads the text line by line as it arrives, in
// whatever pieces the line delivers it, and holds what lasts between pieces: which listing is
// open, the column layout, the line still arriving, where the paging stands.

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

// How the listing ended, if it did.
enum class ListingEnd {
    None,
    Completed, // the completion marker: the whole log has been printed
    Failed,    // the unit could not run the listing command
    Unknown,   // the unit does not know the command
    Quit,      // the unit left paging ("Quit current mode"), or the program ended the listing
};

// Splits one line into a record; false for a line with too few words for the layout.
bool parseRecordLine(const QString& line, bool maskLayout, EventRecord& out);

// What the table and the user are to be shown after a piece of listing text.
struct ListingAnswer {
    bool dropped = false;              // a line without end grew past any record and was let go
    std::optional<bool> layout;        // set this column layout (true: with the mask column)
    bool clearRows = false;            // empty the table before adding the records
    QVector<EventRecord> records;      // rows to add, each read once its line end arrived
    bool pageDone = false;             // a page's prompt arrived: the unit waits for Enter
    ListingEnd end = ListingEnd::None; // the listing ended: the message to show
    QString endLine;                   // the line that ended it, for the log
};

// Where a listing stands, for the records page's labels and buttons.
struct ListingProgress {
    bool open = false;       // requested and not ended
    bool pageComing = false; // the current page's prompt (or the end) has not arrived
    bool readingAll = false;
    int rows = 0;             // records of this listing so far
    int firstPageRow = 0;     // 0-based row of the latest page's first record
    std::optional<int> total; // records the listing will bring, when the count is known
    int page = 0;             // the page shown or coming, from 1
    std::optional<int> pages; // pages the listing will take, once a page's size is known
};

// What a press of Continue may do.
enum class ContinueCheck {
    Send,        // write Enter now
    NoListing,   // nothing to continue
    PageComing,  // the unit is still printing the page; Enter waits for its prompt
    TooFrequent, // the cooldown since the last press still runs
};

class RecordListing {
public:
    bool isOpen(RecordKind kind) const { return m_open[index(kind)]; }
    bool anyOpen() const { return m_open[0] || m_open[1]; }
    bool maskLayout() const { return m_mask; }
    // Requested or open, and the unit is not waiting at a prompt.
    bool pageComing() const { return active() && !m_atPrompt; }
    bool atPrompt() const { return active() && m_atPrompt; }
    bool readingAll() const { return m_readAll && active(); }
    ListingProgress progress() const;

    // A listing was asked for with this command. Its reply starts with the command's echo:
    // text before the echo is the end of an earlier reply still being received when the
    // request went out. `total`: the records from the start index to the log's end.
    void expect(RecordKind kind, const QString& echo, std::optional<int> total = {});
    // One burst, or one complete reply, of the listing of `kind`. Text of no listing that
    // was asked for is ignored.
    ListingAnswer take(RecordKind kind, const QString& text);

    ContinueCheck checkContinue(bool cooldownRunning) const;
    // Enter was written: the next page is coming.
    void continued();
    // Every page is to be asked for as soon as its prompt arrives (true), or no longer.
    void setReadAll(bool on);
    // The program ended the listing (the unit is told to leave paging): rows stay, nothing
    // more is read.
    void end();
    // "reflash": both listings closed, nothing kept.
    void reset();

private:
    static int index(RecordKind kind) { return kind == RecordKind::Event ? 0 : 1; }
    bool active() const { return anyOpen() || !m_echo.isEmpty(); }
    bool awaitEcho();
    void readLine(const QString& line, ListingAnswer& answer);
    void readPrompt(const QString& before, ListingAnswer& answer);
    void finish(ListingEnd end, const QString& line, ListingAnswer& answer);

    bool m_open[2] = {false, false};
    RecordKind m_kind = RecordKind::Event;
    bool m_mask = false;
    QString m_pending; // the start of a line whose end has not arrived
    QString m_echo;    // of the request whose first text has not arrived yet
    bool m_atPrompt = false;
    bool m_readAll = false;
    int m_rows = 0;
    int m_pageRows = 0; // records of the first page: the unit's page size
    int m_firstPageRow = 0;
    int m_pages = 0; // pages whose prompt or end has arrived
    std::optional<int> m_total;
};
