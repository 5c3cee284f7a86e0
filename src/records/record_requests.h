#pragma once
// The records page's questions to the unit: the two record counts ("data") and the start
// number of a listing request.

#include <QString>

#include <optional>

struct RecordCounts {
    bool eventEmpty = false;   // nothing after the event count's ':' (the count is kept)
    std::optional<int> events; // empty: not a number
    std::optional<int> histories;
};

// Reads the "Data Number" and "History Data Number" lines of the "data" reply.
RecordCounts parseRecordCounts(const QString& reply);

// Why a listing request is refused, in the order the checks run.
enum class StartRefusal {
    None,
    ListingOpen,      // this kind's listing is still open
    OtherListingOpen, // the other kind's listing is being viewed
    NoRecords,        // the count is below 1 (or unknown) and the start is not 1
    NotANumber,
    OutOfRange, // not from 1 to the count
};

struct StartCheck {
    StartRefusal refusal = StartRefusal::None;
    int startIndex = 0; // the unit's 0-based start when accepted
};

// Checks the 1-based start number typed by the user. Start 1 is always accepted, so a
// listing can be asked for before the counts are known.
StartCheck checkStartNumber(bool ownListingOpen, bool otherListingOpen, int count,
                            const QString& text);
