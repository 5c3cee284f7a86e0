#pragma once
// Crashing on purpose, so that crash capture and the next start's report can be tried by
// hand and by tests (the hidden --crash option).

#include <QString>

namespace crash {

// Crashes the program the way `kind` names: "segv" (a write to address 0), "fpe" (an
// integer division by zero), "ill" (an illegal instruction), "bus" or "abort". Returns
// false at once for any other kind; returns at all only when the crash did not happen.
bool crashOnPurpose(const QString& kind);

} // namespace crash
