#include "records/record_requests.h"

namespace {

// The value of the first line labelled `label`: from its ':' to the end of that line. The
// whole reply is searched when the label is missing.
QString countText(const QString& reply, const QString& label) {
    const int at = reply.indexOf(label);
    const QString tail = (at < 0 ? reply : reply.mid(at)).trimmed();
    const int colon = tail.indexOf(QLatin1Char(':'));
    const int lineEnd = tail.indexOf(QLatin1Char('\n'), colon + 1);
    return tail.mid(colon + 1, lineEnd < 0 ? -1 : lineEnd - colon).trimmed();
}

std::optional<int> toCount(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

RecordCounts parseRecordCounts(const QString& reply) {
    RecordCounts counts;
    const QString events = countText(reply, QStringLiteral("Data Number"));
    counts.eventEmpty = events.isEmpty();
    if (!counts.eventEmpty)
        counts.events = toCount(events);
    counts.histories = toCount(countText(reply, QStringLiteral("History Data Number")));
    return counts;
}

StartCheck checkStartNumber(bool ownListingOpen, bool otherListingOpen, int count,
                            const QString& text) {
    if (ownListingOpen)
        return {StartRefusal::ListingOpen};
    if (otherListingOpen)
        return {StartRefusal::OtherListingOpen};
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (count < 1 && n != 1)
        return {StartRefusal::NoRecords};
    if (!ok)
        return {StartRefusal::NotANumber};
    if (n < 1 || (n > count && n != 1))
        return {StartRefusal::OutOfRange};
    return {StartRefusal::None, n - 1};
}
