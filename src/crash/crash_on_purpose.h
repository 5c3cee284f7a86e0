#pragma once
// Crashing on purpose, so that crash capture and the next start's report can be tried by
// hand and by tests (the hidden --crash option).

#include <QString>

namespace crash {

inline constexpr const char* kCrashWorkerName = "CrashWorker";

// Crashes the program the way `kind` names: "segv" (a write to address 0), "fpe" (an
// integer division by zero), "ill" (an illegal instruction), "bus", "abort", "stack" (a
// stack overflow) or "stack-thread" (a stack overflow in a worker thread named
// kCrashWorkerName). Returns false at once for any other kind; returns at all only when the
// crash did not happen.
bool crashOnPurpose(const QString& kind);

} // namespace crash
