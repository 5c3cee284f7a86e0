#pragma once
// Layout of the unit's record listings and the limits of the records page.

#include <QString>

// One record line holds this many fields: item, date, time, voltage, current, temperature,
// the four cell extremes, the alarm mask, four states, the state of charge and the events.
inline constexpr int kRecordFields = 17;
inline constexpr int kMaskField = 10;
inline constexpr int kEventsField = 16;
// Columns of the table: the plain layout leaves the mask out.
inline constexpr int kPlainColumns = 16;
inline constexpr int kMaskColumns = 17;
// A record line needs this many whitespace-separated words; shorter lines (blank lines,
// separators, echoes) are no records.
inline constexpr int kMinWordsPlain = 15;
inline constexpr int kMinWordsMask = 16;

// Table header: interactive columns start this wide (px); the columns from this one on
// (the cell extremes, states, charge and events) fit their contents.
inline constexpr int kRecordSectionSize = 89;
inline constexpr int kFirstFittedColumn = 6;

// The start of a listing line kept while its line end has not arrived (characters). A record
// line is some 150; past this the line is no listing and the text is dropped.
inline constexpr int kMaxPendingPageChars = 64 * 1024;

// Waits (ms) that let the unit's answer arrive before the handler returns.
inline constexpr int kListingRequestWaitMs = 200;
inline constexpr int kContinueWaitMs = 300;
inline constexpr int kDetailRequestWaitMs = 300;
// A detail request or an export during paging first lets the page in flight arrive (at most
// this long, ms; looked at every step, ms), then ends the listing.
inline constexpr int kPageSettleMs = 5000;
inline constexpr int kPageSettleStepMs = 20;

// Any key but Enter makes the unit leave paging; a line feed alone is no command once it has.
inline const QString kQuitPagingKey = QStringLiteral("\n");

// Workbook export: every column this wide (characters).
inline constexpr double kWorkbookColumnWidth = 20.0;

// Texts of the unit's listing replies the parser looks for.
inline const QString kRecordHeaderWord = QStringLiteral("Item");
inline const QString kHeaderLastWord = QStringLiteral("Events");
inline const QString kMaskHeaderWord = QStringLiteral("mask");
inline const QString kListingFailure = QStringLiteral("Invalid command or fail to excute");
inline const QString kListingUnknown = QStringLiteral("Unknown");
