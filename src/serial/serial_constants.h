#pragma once
// Intervals (ms) and limits of the main window's serial side.

#include <QtGlobal>

constexpr int kPortCheckIntervalMs = 1000;
// The settings key of the port of the last Login, chosen again at start when it is there.
constexpr const char* kLastPortSetting = "Serial/lastPort";
constexpr int kPollIntervalMs = 1000;
constexpr int kClockIntervalMs = 1000;
// The poll asks for the system every ten ticks; a unit that has answered before counts as
// silent once a command has waited two such cycles.
constexpr int kPollCycleTicks = 10;
constexpr int kNoAnswerStaleMs = 2 * kPollCycleTicks * kPollIntervalMs;
// The first answer of a session is awaited this long (ms) after the first command.
constexpr int kFirstAnswerMs = 5000;
// How often the link state is looked at (ms): the stale and silent marks show this late.
constexpr int kLinkWatchIntervalMs = 500;
constexpr int kLoginStepDelayMs = 50;   // between "login debug" and "pwrsys"
constexpr int kLogoutDrainDelayMs = 50; // lets "logout" leave before the port closes
// After "disp 0" to a unit left streaming, before the login's first command.
constexpr int kStopStreamDelayMs = 300;
constexpr int kTransferTimeoutMs = 120000;
constexpr int kContinueCooldownMs = 1300;
constexpr int kMaxBurstBytes = 32 * 1024; // a burst is shown early past this size

// The dispatcher's waits between the steps of a command chain.
constexpr int kChainStepDelayMs = 200;
constexpr int kCtrlDelayMs = 20;
// A reply that arrives while a dispatch waits is dispatched within that wait, one level
// deep: the outer dispatch plus one.
constexpr int kMaxDispatchDepth = 2;
// Replies waiting for the dispatcher: past either bound the oldest are dropped.
constexpr int kMaxPendingReplies = 64;
constexpr qint64 kMaxPendingReplyChars = 8 * 1024 * 1024;

// The raw data view: a line is broken after this many characters, and the view keeps this
// many lines (blocks), so it never holds more than their product.
constexpr int kRawViewLineWidth = 256;
constexpr int kRawViewMaxBlocks = 1000;
