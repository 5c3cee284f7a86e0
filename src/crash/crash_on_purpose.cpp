#include "crash/crash_on_purpose.h"

#include "toolbox/thread_signal_stack.h"

#include <csignal>
#include <cstdlib>
#include <thread>

namespace crash {
namespace {

volatile bool g_deeper = true; // never cleared; unknown to the compiler

// Calls itself until the stack runs out. The frame's buffer and the addition after the call
// keep the compiler from turning the recursion into a loop.
Q_NEVER_INLINE int overflowStack(int depth) {
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (!g_deeper)
        return frame[0];
    return overflowStack(depth + 1) + frame[0];
}

} // namespace

// Never inlined, so the backtrace of the crash names this function. The sanitizer build
// must not stop the faults before they become the signals they are meant to be.
#if defined(__GNUC__)
__attribute__((no_sanitize("undefined")))
#endif
Q_NEVER_INLINE bool
crashOnPurpose(const QString& kind) {
    if (kind == "segv") {
        // Through a volatile pointer, so the compiler cannot see the null.
        volatile int* volatile target = nullptr;
        *target = 1;
    } else if (kind == "fpe") {
        // Both operands unknown to the compiler, so a real division instruction is made.
        volatile int one = 1;
        volatile int zero = 0;
        volatile int quotient = one / zero;
        (void)quotient;
        raise(SIGFPE); // for processors whose integer division does not trap
    } else if (kind == "ill") {
#if defined(__x86_64__) || defined(__i386__)
        asm volatile("ud2");
#endif
        raise(SIGILL);
    } else if (kind == "bus") {
        raise(SIGBUS);
    } else if (kind == "abort") {
        std::abort();
    } else if (kind == "stack") {
        overflowStack(0);
    } else if (kind == "stack-thread") {
        // A worker set up as the program's own threads are.
        std::thread worker([] {
            const ThreadSignalStack stack(kCrashWorkerName);
            overflowStack(0);
        });
        worker.join();
    } else {
        return false;
    }
    return true;
}

} // namespace crash
