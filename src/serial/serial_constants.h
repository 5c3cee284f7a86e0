#pragma once
// Intervals of the main window's serial side, in ms.

constexpr int kPortCheckIntervalMs = 1000;
constexpr int kPollIntervalMs = 1000;
constexpr int kClockIntervalMs = 1000;
constexpr int kLoginStepDelayMs = 50;   // between "login debug" and "pwrsys"
constexpr int kLogoutDrainDelayMs = 50; // lets "logout" leave before the port closes
constexpr int kTransferTimeoutMs = 120000;
constexpr int kContinueCooldownMs = 1300;
constexpr int kMaxBurstBytes = 256 * 1024; // a burst is shown early past this size
