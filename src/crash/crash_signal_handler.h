#pragma once
// The part of crash capture that runs inside a fatal-signal handler. Everything it needs
// is prepared beforehand by prepareDump(); once a crash is under way it allocates nothing
// and calls only async-signal-safe functions (open, read, write, close, sigaction, raise,
// nanosleep) and libunwind's local unwinder.

namespace crash {

// Sets the file the next crash is written to and the text that heads it. Both are copied
// into fixed buffers; returns false (and keeps the previous ones) when either does not fit.
bool prepareDump(const char* path, const char* header);

// Installs the handler for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT, with an alternate
// stack for the calling thread so that its stack overflow is still written (other threads
// set up their own, ThreadSignalStack). On a crash the handler writes the prepared file
// (header, signal, faulting address, the crashing thread's id and name, its backtrace, the
// memory map), then ends the process by the same signal. Call from one thread; a second call
// does nothing.
void installSignalHandlers();

} // namespace crash
