#include "records/record_listing.h"

#include "protocol/protocol_constants.h"

#include <QRegularExpression>

namespace {

// The record text of a page: from just after the header's last word (or the start, for a
// page without header) up to the marker that ends the page.
QString pageBody(const QString& text, bool afterHeader, const QString& marker) {
    int from = 0;
    if (afterHeader) {
        const int events = text.indexOf(kHeaderLastWord);
        from = events < 0 ? 0 : events + kHeaderLastWord.size();
    }
    const int to = text.indexOf(marker);
    return to < from ? QString() : text.mid(from, to - from).trimmed();
}

ListingEnd endOf(const QString& text) {
    if (text.contains(kSuccessMarker))
        return ListingEnd::Completed;
    if (text.contains(kListingFailure))
        return ListingEnd::Failed;
    if (text.contains(kListingUnknown) && !text.contains(kRecordHeaderWord))
        return ListingEnd::Unknown;
    return ListingEnd::None;
}

QString classify(QString& text, PageCase& page) {
    const bool header = text.contains(kRecordHeaderWord);
    const bool prompt = text.contains(kPagingPrompt);
    const bool done = text.contains(kSuccessMarker);
    if (header && prompt && done) {
        // A listing that came whole: the prompts inside it end no page.
        text.remove(kPagingPrompt);
        return classify(text, page);
    }
    if (header && prompt) {
        page = PageCase::FirstPage;
        return pageBody(text, true, kPagingPrompt);
    }
    if (header && done) {
        page = PageCase::WholeListing;
        return pageBody(text, true, kSuccessMarker);
    }
    if (prompt || done) {
        text = text.trimmed();
        page = prompt ? PageCase::FurtherPage : PageCase::LastPage;
        return pageBody(text, false, prompt ? kPagingPrompt : kSuccessMarker);
    }
    page = PageCase::None;
    return QString();
}

} // namespace

bool parseRecordLine(const QString& line, bool maskLayout, EventRecord& out) {
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    const QStringList words = line.trimmed().split(kBlanks);
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

ListingText parseListingText(const QString& text, bool maskLayout) {
    ListingText out;
    out.text = text;
    if (text.contains(kRecordHeaderWord))
        out.header = text.contains(kMaskHeaderWord);
    const bool mask = out.header.value_or(maskLayout);
    const QString body = classify(out.text, out.page);
    if (!body.isEmpty()) {
        const QStringList lines = body.split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            EventRecord r;
            if (parseRecordLine(line, mask, r))
                out.records.append(r);
        }
    }
    out.end = endOf(out.text);
    return out;
}

ListingAnswer RecordListing::take(RecordKind kind, const QString& text) {
    ListingAnswer answer;
    bool& open = m_open[index(kind)];
    m_pending += text;
    if (!awaitEcho())
        return keep(answer);
    ListingText parsed = parseListingText(m_pending, m_mask);
    if (parsed.page == PageCase::None && parsed.end == ListingEnd::None) {
        // The page has not ended yet. A header already tells that a listing runs.
        if (parsed.header)
            open = true;
        return keep(answer);
    }
    m_pending.clear();
    if (parsed.header) {
        m_mask = *parsed.header;
        open = true;
    }
    if (parsed.page == PageCase::FirstPage)
        open = true;
    if (parsed.page == PageCase::WholeListing || parsed.page == PageCase::LastPage ||
        parsed.end != ListingEnd::None)
        open = false;
    answer.layout = parsed.header;
    answer.clearRows = parsed.page == PageCase::FirstPage || parsed.page == PageCase::WholeListing;
    answer.records = std::move(parsed.records);
    answer.page = parsed.page;
    answer.end = parsed.end;
    answer.text = std::move(parsed.text);
    return answer;
}

void RecordListing::expect(const QString& echo) {
    m_pending.clear();
    m_echo = echo;
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
        m_pending.remove(0, at);
        m_echo.clear();
        return true;
    }
    return false;
}

ListingAnswer& RecordListing::keep(ListingAnswer& answer) {
    answer.kept = m_pending.size() <= kMaxPendingPageChars;
    answer.dropped = !answer.kept;
    if (answer.dropped)
        m_pending.clear();
    return answer;
}

void RecordListing::reset() {
    m_open[0] = m_open[1] = false;
    m_pending.clear();
    m_echo.clear();
}
