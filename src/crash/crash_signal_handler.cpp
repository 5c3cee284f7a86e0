#include "crash/crash_signal_handler.h"

#include "crash/crash_constants.h"

#define UNW_LOCAL_ONLY
#include <libunwind.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <time.h>
#include <unistd.h>

namespace crash {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

struct PreparedDump {
    char path[kMaxDumpPathBytes];
    char header[kMaxDumpHeaderBytes];
};

// Two slots, so that a new path is complete before the handler can see it.
PreparedDump g_prepared[2];
std::atomic<int> g_currentSlot{-1};
// The thread that is writing the dump; 0 while no crash is under way.
std::atomic<pid_t> g_crashingThread{0};
alignas(16) char g_handlerStack[kHandlerStackBytes];

const char* signalName(int sig) {
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "?";
    }
}

// Buffered output to a file descriptor with the formatting the dump needs and nothing
// that could allocate.
class DumpWriter {
public:
    explicit DumpWriter(int fd) : m_fd(fd) {}
    ~DumpWriter() { flush(); }

    DumpWriter& operator<<(const char* text) {
        append(text, std::strlen(text));
        return *this;
    }
    DumpWriter& decimal(long long value) {
        char digits[24];
        int n = 0;
        unsigned long long magnitude =
            value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0)
            append("-", 1);
        while (n > 0)
            append(&digits[--n], 1);
        return *this;
    }
    DumpWriter& hex(unsigned long long value) {
        char digits[2 + 2 * sizeof value] = {'0', 'x'};
        for (int i = static_cast<int>(sizeof digits) - 1; i >= 2; --i, value >>= 4)
            digits[i] = "0123456789abcdef"[value & 0xF];
        append(digits, sizeof digits);
        return *this;
    }
    void append(const char* data, size_t length) {
        while (length > 0) {
            if (m_used == sizeof m_buffer)
                flush();
            const size_t n = length < sizeof m_buffer - m_used ? length : sizeof m_buffer - m_used;
            std::memcpy(m_buffer + m_used, data, n);
            m_used += n;
            data += n;
            length -= n;
        }
    }
    void flush() {
        size_t done = 0;
        while (done < m_used) {
            const ssize_t n = ::write(m_fd, m_buffer + done, m_used - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // a full disk: keep what was written
            done += static_cast<size_t>(n);
        }
        m_used = 0;
    }

private:
    int m_fd;
    char m_buffer[2048];
    size_t m_used = 0;
};

void writeFrame(DumpWriter& out, int index, unw_cursor_t& cursor) {
    unw_word_t ip = 0;
    unw_get_reg(&cursor, UNW_REG_IP, &ip);
    out << "#";
    out.decimal(index) << "  ";
    out.hex(ip) << "  ";
    // Names are the symbol table's, not demangled: demangling allocates.
    char name[kMaxSymbolBytes];
    unw_word_t offset = 0;
    const int rc = unw_get_proc_name(&cursor, name, sizeof name, &offset);
    if (rc != 0 && rc != -UNW_ENOMEM) {
        out << "??\n";
        return;
    }
    name[sizeof name - 1] = '\0';
    out << name << "+";
    out.hex(offset) << "\n";
}

// Moves the cursor past the handler's own frames and the signal trampoline to the frame
// the signal interrupted, which is the one libunwind marks as a signal frame.
bool skipToInterruptedFrame(unw_cursor_t& cursor) {
    for (int i = 0; i < kMaxBacktraceFrames; ++i) {
        if (unw_is_signal_frame(&cursor) > 0)
            return true;
        if (unw_step(&cursor) <= 0)
            return false;
    }
    return false;
}

void writeBacktrace(DumpWriter& out) {
    unw_context_t context;
    unw_cursor_t cursor;
    if (unw_getcontext(&context) != 0 || unw_init_local(&cursor, &context) != 0) {
        out << "  (the unwinder could not start)\n";
        return;
    }
    if (!skipToInterruptedFrame(cursor)) {
        // No signal frame found: show the whole stack, handler included.
        unw_init_local(&cursor, &context);
    }
    for (int i = 0; i < kMaxBacktraceFrames; ++i) {
        writeFrame(out, i, cursor);
        if (unw_step(&cursor) <= 0)
            return;
    }
    out << "  ...\n";
}

// The memory map lets a developer turn the frame addresses into file offsets (addr2line).
void writeMemoryMap(DumpWriter& out) {
    const int fd = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        out << "  (not readable)\n";
        return;
    }
    char chunk[1024];
    long total = 0;
    while (total < kMaxMemoryMapBytes) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        out.append(chunk, static_cast<size_t>(n));
        total += n;
    }
    ::close(fd);
}

void writeSignal(DumpWriter& out, int sig, const siginfo_t* info) {
    out << "Signal: ";
    out.decimal(sig) << " (" << signalName(sig) << ")\nCode: ";
    out.decimal(info ? info->si_code : 0) << "\n";
    if (info && info->si_code > 0) { // raised by the processor: the address is meaningful
        out << "Address: ";
        out.hex(reinterpret_cast<std::uintptr_t>(info->si_addr)) << "\n";
    } else if (info) {
        out << "Sent by process: ";
        out.decimal(info->si_pid) << "\n";
    }
    out << "Process: ";
    out.decimal(getpid()) << "  Thread: ";
    out.decimal(gettid());
    // The thread's name (a system call, no allocation): which worker it was.
    char name[16] = {};
    if (prctl(PR_GET_NAME, name, 0, 0, 0) == 0) {
        name[sizeof name - 1] = '\0';
        out << " (" << name << ")";
    }
    out << "\n";
}

void writeDump(int sig, const siginfo_t* info) {
    const int slot = g_currentSlot.load();
    if (slot < 0)
        return;
    const PreparedDump& dump = g_prepared[slot];
    const int fd = ::open(dump.path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    {
        DumpWriter out(fd);
        out << dump.header;
        writeSignal(out, sig, info);
        out << "\nBacktrace of the crashing thread:\n";
        writeBacktrace(out);
        out << "\nMemory map:\n";
        writeMemoryMap(out);
    }
    ::close(fd);
}

// Restores the default action and raises the signal again. The signal stays blocked
// until the handler returns, so the process dies by it right after.
void endBy(int sig) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
    raise(sig);
}

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

void onFatalSignal(int sig, siginfo_t* info, void*) {
    const int savedErrno = errno;
    const pid_t self = gettid();
    pid_t writer = 0;
    if (!g_crashingThread.compare_exchange_strong(writer, self)) {
        // Another thread is writing its dump and will end the process; a fault inside our
        // own handler ends it at once.
        if (writer != self)
            sleepMs(kOtherThreadWaitMs);
        endBy(sig);
        return;
    }
    writeDump(sig, info);
    endBy(sig);
    errno = savedErrno;
}

} // namespace

bool prepareDump(const char* path, const char* header) {
    const size_t pathLength = std::strlen(path);
    const size_t headerLength = std::strlen(header);
    if (pathLength >= kMaxDumpPathBytes || headerLength >= kMaxDumpHeaderBytes)
        return false;
    const int slot = g_currentSlot.load() == 0 ? 1 : 0;
    std::memcpy(g_prepared[slot].path, path, pathLength + 1);
    std::memcpy(g_prepared[slot].header, header, headerLength + 1);
    g_currentSlot.store(slot);
    return true;
}

void installSignalHandlers() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // No unwinder cache: it is used once, and its cache takes locks a crash may hold.
    unw_set_caching_policy(unw_local_addr_space, UNW_CACHE_NONE);

    stack_t stack{};
    stack.ss_sp = g_handlerStack;
    stack.ss_size = sizeof g_handlerStack;
    sigaltstack(&stack, nullptr);

    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    for (int sig : kFatalSignals)
        sigaction(sig, &action, nullptr);
}

} // namespace crash
