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

// Text of a listing page kept while its marker has not arrived (characters). A page is one
// screen of the console; past this the line is not a listing and the text is dropped.
inline constexpr int kMaxPendingPageChars = 1024 * 1024;

// Waits (ms) that let the unit's answer arrive before the handler returns.
inline constexpr int kListingRequestWaitMs = 200;
inline constexpr int kContinueWaitMs = 300;
inline constexpr int kDetailRequestWaitMs = 300;

// Workbook export: every column this wide (characters).
inline constexpr double kWorkbookColumnWidth = 20.0;

// Texts of the unit's listing replies the parser looks for.
inline const QString kRecordHeaderWord = QStringLiteral("Item");
inline const QString kHeaderLastWord = QStringLiteral("Events");
inline const QString kMaskHeaderWord = QStringLiteral("mask");
inline const QString kListingFailure = QStringLiteral("Invalid command or fail to excute");
inline const QString kListingUnknown = QStringLiteral("Unknown");
