#include "records/record_listing.h"

#include "protocol/protocol_constants.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& blanks() {
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    return kBlanks;
}

bool startsWithNumber(const QString& line) {
    bool number = false;
    line.trimmed().section(blanks(), 0, 0).toInt(&number);
    return number;
}

// The header names the columns; a record line starts with its item number instead.
bool isHeader(const QString& line) {
    return line.contains(kRecordHeaderWord) && !startsWithNumber(line);
}

// A listing's end named by a line that is no record.
ListingEnd endNamedBy(const QString& line) {
    if (line.contains(kSuccessMarker))
        return ListingEnd::Completed;
    if (line.contains(kListingFailure))
        return ListingEnd::Failed;
    if (line.contains(kQuitModeMarker))
        return ListingEnd::Quit;
    if (line.contains(kListingUnknown))
        return ListingEnd::Unknown;
    return ListingEnd::None;
}

} // namespace

bool parseRecordLine(const QString& line, bool maskLayout, EventRecord& out) {
    const QStringList words = line.trimmed().split(blanks());
    const int fixed = maskLayout ? kMinWordsMask : kMinWordsPlain;
    if (words.size() < fixed)
        return false;
    out = EventRecord{};
    for (int i = 0; i < fixed; ++i) {
        // Without the mask column, the words after the cell extremes skip its field.
        const int field = !maskLayout && i >= kMaskField ? i + 1 : i;
        out.fields[field] = words.at(i);
    }
    QString events;
    for (int i = fixed; i < words.size(); ++i)
        events += words.at(i) + QLatin1Char(' ');
    out.fields[kEventsField] = events;
    return true;
}

ListingProgress RecordListing::progress() const {
    ListingProgress p;
    p.open = active();
    p.pageComing = pageComing();
    p.readingAll = readingAll();
    p.rows = m_rows;
    p.firstPageRow = m_firstPageRow;
    p.total = m_total;
    p.page = m_pages + (p.pageComing ? 1 : 0);
    if (m_total && m_pageRows > 0)
        p.pages = qMax(1, (*m_total + m_pageRows - 1) / m_pageRows);
    if (p.pages)
        p.page = qMin(p.page, *p.pages);
    return p;
}

void RecordListing::expect(RecordKind kind, const QString& echo, std::optional<int> total) {
    m_open[0] = m_open[1] = false;
    m_kind = kind;
    m_pending.clear();
    m_echo = echo;
    m_atPrompt = false;
    m_readAll = false;
    m_rows = m_pageRows = m_firstPageRow = m_pages = 0;
    m_total = total;
}

ListingAnswer RecordListing::take(RecordKind kind, const QString& text) {
    ListingAnswer answer;
    if (kind != m_kind || !active())
        return answer; // the end of a listing that is over, or of none asked for
    m_pending += text;
    if (!awaitEcho())
        return answer;
    while (active()) {
        const int lineEnd = m_pending.indexOf(QLatin1Char('\n'));
        if (lineEnd >= 0) {
            const QString line = m_pending.left(lineEnd);
            m_pending.remove(0, lineEnd + 1);
            readLine(line, answer);
            continue;
        }
        // The unit waits at its prompt without ending the line.
        const int prompt = m_pending.indexOf(kPagingPrompt);
        if (prompt < 0)
            break;
        const QString before = m_pending.left(prompt);
        m_pending.remove(0, prompt + kPagingPrompt.size());
        readPrompt(before, answer);
    }
    if (!active())
        m_pending.clear();
    if (m_pending.size() > kMaxPendingPageChars) {
        answer.dropped = true;
        m_pending.clear();
    }
    return answer;
}

// Drops what precedes the awaited echo; false while the echo has not arrived.
bool RecordListing::awaitEcho() {
    if (m_echo.isEmpty())
        return true;
    for (int at = m_pending.indexOf(m_echo); at >= 0; at = m_pending.indexOf(m_echo, at + 1)) {
        // "datalist event 5" is not the echo of "datalist event 50".
        const int next = at + m_echo.size();
        if (next < m_pending.size() && m_pending.at(next).isDigit())
            continue;
        if (next == m_pending.size())
            return false; // the next character may still be a digit
        m_pending.remove(0, next);
        m_echo.clear();
        m_open[index(m_kind)] = true;
        return true;
    }
    // Keep only what may be the start of the echo.
    m_pending = m_pending.right(m_echo.size());
    return false;
}

void RecordListing::readLine(const QString& line, ListingAnswer& answer) {
    if (!active())
        return; // what follows the end on the same line
    const int prompt = line.indexOf(kPagingPrompt);
    if (prompt >= 0) {
        readPrompt(line.left(prompt), answer);
        readLine(line.mid(prompt + kPagingPrompt.size()), answer);
        return;
    }
    if (line.trimmed().isEmpty())
        return;
    if (isHeader(line)) {
        // A header starts the table afresh, also when a listing is printed a second time.
        m_mask = line.contains(kMaskHeaderWord);
        answer.layout = m_mask;
        answer.clearRows = true;
        answer.records.clear();
        m_rows = m_firstPageRow = 0;
        return;
    }
    EventRecord record;
    const ListingEnd end = endNamedBy(line);
    // A record's event words may name a marker; its item number tells it from the marker.
    if (parseRecordLine(line, m_mask, record) &&
        (end == ListingEnd::None || startsWithNumber(line))) {
        answer.records.append(record);
        ++m_rows;
        return;
    }
    if (end != ListingEnd::None)
        finish(end, line, answer);
    // Anything else (the echo, "@", "$$", separators, a line cut by noise) is no record.
}

void RecordListing::readPrompt(const QString& before, ListingAnswer& answer) {
    if (!before.trimmed().isEmpty())
        readLine(before, answer);
    if (!active())
        return;
    if (m_pages == 0)
        m_pageRows = m_rows;
    ++m_pages;
    m_atPrompt = true;
    answer.pageDone = true;
}

void RecordListing::finish(ListingEnd end, const QString& line, ListingAnswer& answer) {
    if (end == ListingEnd::Completed)
        ++m_pages;
    if (m_pages == 1 && m_pageRows == 0)
        m_pageRows = m_rows;
    answer.end = end;
    answer.endLine = line.trimmed();
    m_open[0] = m_open[1] = false;
    m_echo.clear();
    m_atPrompt = false;
    m_readAll = false;
}

ContinueCheck RecordListing::checkContinue(bool cooldownRunning) const {
    if (!active())
        return ContinueCheck::NoListing;
    if (!m_atPrompt)
        return ContinueCheck::PageComing;
    if (cooldownRunning)
        return ContinueCheck::TooFrequent;
    return ContinueCheck::Send;
}

void RecordListing::continued() {
    m_atPrompt = false;
    m_firstPageRow = m_rows;
}

void RecordListing::setReadAll(bool on) {
    m_readAll = on && active();
}

void RecordListing::end() {
    m_open[0] = m_open[1] = false;
    m_echo.clear();
    m_pending.clear();
    m_atPrompt = false;
    m_readAll = false;
}

void RecordListing::reset() {
    end();
    m_rows = m_pageRows = m_firstPageRow = m_pages = 0;
    m_total.reset();
}
