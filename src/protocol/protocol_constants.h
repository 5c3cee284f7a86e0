#pragma once
// Wire constants of the unit's console and the limits of the reply path, in one place.

#include <QString>

// A status field that was not read, or whose text did not convert. Views show "--" for it.
inline constexpr int kNoData = 268435455; // 0x0FFFFFFF
inline constexpr double kNoDataDouble = 268435455.0;

// Reply grammar.
inline const QString kStartMarker = QStringLiteral("@");
inline const QString kEndMarker = QStringLiteral("$$");
inline constexpr char kStartByte = '@';
inline constexpr char kEndBytes[] = "$$";
inline const QString kSuccessMarker = QStringLiteral("Command completed successfully");
inline const QString kCompletedMarker = QStringLiteral("Command completed");
inline const QString kNotPresentMarker = QStringLiteral("Target device is not present");
inline const QString kUnknownMarker = QStringLiteral("Unknown command");
inline const QString kInvalidMarker = QStringLiteral("Invalid command or fail to excute.");
inline const QString kQuitModeMarker = QStringLiteral("Quit current mode");
inline const QString kPagingPrompt =
    QStringLiteral("Press [Enter] to be continued,other key to exit");
inline const QString kUpdataReady = QStringLiteral("Updata is ready!");

// The model whose record listings arrive as complete replies; every other model streams
// them as bursts.
inline const QString kCompleteListingModel = QStringLiteral("T-RACK-3660Z-M");

// The line is quiet this long (ms) before the received bytes count as one burst.
inline constexpr int kReplyGapMs = 300;
inline constexpr int kReplyGapUpgradeMs = 12;

// Frame buffer bounds (bytes). Without a start marker the buffer only ever holds noise or
// stream text, so past kFrameIdleLimit only the newest kFrameIdleKeep bytes are kept; with a
// start marker a reply may be long (record listings), but past kFrameMaxWithStart it is cut.
inline constexpr int kFrameIdleLimit = 64 * 1024;
inline constexpr int kFrameIdleKeep = 4 * 1024;
inline constexpr int kFrameMaxWithStart = 4 * 1024 * 1024;
// How much of a cut frame an error event carries for the log (bytes).
inline constexpr int kFrameLogExcerpt = 512;

// First bytes of a receive buffer that belong to a file transfer: SOH, EOT, ACK, NAK, CAN.
inline constexpr char kXmodemSoh = 0x01;
inline constexpr char kXmodemEot = 0x04;
inline constexpr char kXmodemAck = 0x06;
inline constexpr char kXmodemNak = 0x15;
inline constexpr char kXmodemCan = 0x18;

// Table lines of the cell listing ("bat N"): 11 fields with the current column, 10 without.
inline constexpr int kCellFieldsWithCurrent = 11;
inline constexpr int kCellFieldsWithoutCurrent = 10;
// Lines of the system table ("pwr") need at least this many fields.
inline constexpr int kPwrTableMinFields = 17;
// Battery numbers the views have a button, a gauge and a balance indicator for.
inline constexpr int kHighestBatteryNumber = 16;
// The barcode a battery reports is valid from this length on (characters).
inline constexpr int kMinBarcodeLength = 16;
// SOH is capped here (%).
inline constexpr double kMaxSoh = 100.0;
