#pragma once
// Constants of crash capture and of the report offered at the next start.

#include "toolbox/toolbox_constants.h"

#include <cstddef>

namespace crash {

// The dump folder is this name under the application's local data folder.
constexpr const char* kDumpFolderName = "crashs";
// Each crash leaves "<GUID>.dmp"; only files matching this pattern count as dumps.
constexpr const char* kDumpSuffix = ".dmp";
constexpr const char* kDumpPattern = "*.dmp";
// The report folder is this name on the user's desktop.
constexpr const char* kReportFolderName = "TarnixReportBug";

// Fixed buffers the signal handler writes from; nothing is allocated once a crash is under
// way. Sizes in bytes.
constexpr int kMaxDumpPathBytes = 4096;
constexpr int kMaxDumpHeaderBytes = 1024;
// Alternate stack for the handler in the installing thread, so a stack overflow of the main
// thread is still written (the other threads map their own, ThreadSignalStack).
constexpr size_t kHandlerStackBytes = toolbox::kSignalStackBytes;
constexpr int kMaxBacktraceFrames = 128;
constexpr int kMaxSymbolBytes = 512;
// The process memory map is copied into the dump up to this size (for addr2line).
constexpr int kMaxMemoryMapBytes = 512 * 1024;
// A second thread that crashes while the first is writing its dump waits this long for
// the first to end the process (ms).
constexpr int kOtherThreadWaitMs = 10000;

} // namespace crash
