#pragma once
// Wire texts, timings and limits of the simulated battery-management unit.

#include <QByteArray>

namespace sim {

// Reply grammar of the console.
inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kStartMarker[] = "@";
inline constexpr char kEndMarker[] = "$$";
inline constexpr char kSuccess[] = "Command completed successfully";
inline constexpr char kNotPresent[] = "Target device is not present";
inline constexpr char kUnknown[] = "Unknown command";
inline constexpr char kInvalid[] = "Invalid command or fail to excute.";
inline constexpr char kQuitMode[] = "Quit current mode";
inline constexpr char kPagePrompt[] = "Press [Enter] to be continued,other key to exit";
inline constexpr char kUpdataReady[] = "Updata is ready!";
inline constexpr char kWakeSequence[] = "DLG";

// The model name whose record listings come as one complete reply.
inline constexpr char kCompleteListingModel[] = "T-RACK-3660Z-M";
inline constexpr char kDefaultModel[] = "NB-RACK-4850";

// Sizes.
inline constexpr int kMaxBatteries = 16;
inline constexpr int kCellsPerBattery = 16;
inline constexpr int kPageRecords = 10;    // records per listing page
inline constexpr int kMaxLineLength = 512; // longer input lines are dropped
inline constexpr int kBarcodeLength = 16;
inline constexpr int kBatteryCapacityMah = 100000;

// Timings (ms).
inline constexpr int kDefaultReplyDelayMs = 20;
inline constexpr int kDefaultStreamPeriodMs = 1000;
inline constexpr int kDefaultFlashDelayMs = 3000;
inline constexpr int kXmodemStartDelayMs = 500; // after "updata", before the first request
inline constexpr int kXmodemTickMs = 1000;      // request interval and silence timeout
inline constexpr int kXmodemStartTries = 20;    // requests before the receiver gives up
inline constexpr int kXmodemMaxErrors = 10;     // consecutive errors before it cancels
inline constexpr int kXmodemCrcTries = 3;       // "C" requests before falling back to NAK
inline constexpr int kExitLingerMaxMs = 2000;   // wait for the last ACK to be read

// Line faults.
inline constexpr int kChunkMaxBytes = 64;
inline constexpr int kChunkMaxPauseMs = 8;
inline constexpr int kLongPauseMinMs = 350; // longer than a 300 ms reply gap
inline constexpr int kLongPauseMaxMs = 500;
inline constexpr int kGarbageMaxBytes = 12;
inline constexpr int kReportPieceBytes = 3; // --report-pieces: bytes per piece

// XMODEM control bytes.
inline constexpr char kSoh = 0x01;
inline constexpr char kStx = 0x02;
inline constexpr char kEot = 0x04;
inline constexpr char kAck = 0x06;
inline constexpr char kNak = 0x15;
inline constexpr char kCan = 0x18;
inline constexpr char kCrcRequest = 'C';
inline constexpr char kPad = 0x1A;

} // namespace sim
