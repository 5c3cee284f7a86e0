#pragma once
// Constants of the firmware transfer: the XMODEM wire bytes and packet layout, and the
// intervals of the transfer thread and of the main window's transfer watch.

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
