#pragma once
// Constants of the firmware transfer: the XMODEM wire bytes and packet layout, and the
// intervals of the transfer thread and of the main window's transfer watch.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Xmodem {

// Control bytes on the wire.
constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;
constexpr char kCan = 0x18;
// The receiver's request for the CRC variant, which this sender does not speak.
constexpr char kCrcRequest = 0x43;
// Fills the last block past the end of the image.
constexpr char kFill = 0x1A;

// Packet: SOH, block number, its complement, 128 data bytes, 8-bit checksum.
constexpr int kBlockSize = 128;
constexpr int kHeaderSize = 3;
constexpr int kPacketSize = kHeaderSize + kBlockSize + 1;

// Resends of one block (or of EOT) without an ACK before the sender stops: a receiver
// that refuses a block ten times in a row is not going to take it.
constexpr int kMaxRetries = 10;

// Wait for the receiver's answer to EOT before sending it again (ms).
constexpr int kEotRetryIntervalMs = 3000;

} // namespace Xmodem

namespace Upgrade {

// The transfer thread's start timer: one tick per second while waiting for the receiver's
// first NAK; the wait ends on the 11th tick (the tick count before it exceeds 10 - 1).
constexpr int kStartTimerIntervalMs = 1000;
constexpr int kStartTimeoutTicks = 10;

// The main window's transfer timer: no control byte for this long after a packet was
// written ends the transfer (ms).
constexpr int kTransferTimeoutMs = 120000;

} // namespace Upgrade

namespace Upgrade {

// The password gate before an upgrade. It makes the technician stop and confirm (a wrong
// image leaves the battery dead); the form shows it as its placeholder, so it keeps no one
// out and is kept in plain.
inline const QString kGatePassword = QStringLiteral("740318");

// Flashing wait (ms): per battery present, or once when the number is unknown (wake flow).
constexpr int kFlashWaitPerBatteryMs = 180000;
constexpr int kFlashWaitUnknownMs = 60000;
// The flashing wait's clock is redrawn this often while it is shown (ms).
constexpr int kFlashClockTickMs = 1000;

// Wait for "Updata is ready!" after the wake characters (ms).
constexpr int kWakeTimeoutMs = 60000;
// Pause between the wake characters "D", "L", "G" (ms).
constexpr int kWakeCharGapMs = 10;
// Pause before each command that follows a successful upgrade (ms).
constexpr int kAfterUpgradeDelayMs = 200;

// Text kept while looking for a marker that may be cut across bursts (characters). The
// unit's report is a few hundred characters; the newest part is kept past this.
constexpr int kMarkerTextKeep = 16 * 1024;

// The unit's report after flashing (case-sensitive). Any success marker ends the upgrade
// well; "IBCCAN" marks the hub's own firmware.
inline const QStringList kSuccessMarkers = {
    QStringLiteral("SYS Init Over"), QStringLiteral("System run"), QStringLiteral("IbcCAN init"),
    QStringLiteral("IBCCAN")};
inline const QString kHubMarker = QStringLiteral("IBCCAN");
// The firmware was refused: "Version invalid" (also written without the space) or an image
// without its header ("Version without head").
inline const QString kVersionWord = QStringLiteral("Version");
inline const QString kInvalidWord = QStringLiteral("invalid");
inline const QString kWithoutHead = QStringLiteral("without head");

// The transfer's rate is only measured once it has run this long (ms).
constexpr int kRateMeasureMinMs = 1000;

} // namespace Upgrade
