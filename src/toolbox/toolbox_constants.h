#pragma once
// Constants of the toolbox: the log sink's folder, file names and intervals, and the
// alternate signal stack every thread gets.

#include <QtGlobal>

#include <cstddef>

namespace toolbox {

// Log files live in this folder, relative to the working directory.
constexpr const char* kLogFolder = "log";
// The file of the current day; earlier parts are archived beside it.
constexpr const char* kTodayLogName = "today.log";
constexpr const char* kLogSuffix = ".log";

// Name of a day's archive, and of a part of a day archived because it grew too large.
constexpr const char* kDayArchiveFormat = "yyyy-MM-dd";
constexpr const char* kPartArchiveFormat = "yyyy-MM-dd hh:mm:ss";
// Time stamp at the start of every log line.
constexpr const char* kLineTimeFormat = "yyyy-MM-dd hh:mm:ss.zzz";

constexpr int kLogMaintenanceMs = 2000; // date check, size check, clean-up
constexpr int kLogFlushMs = 1000;
// "today.log" is archived once it holds more than this many bytes (5 KiB, not 5 MiB).
constexpr qint64 kLogRotateBytes = 5120;
// Archives whose date lies more than this many days back are deleted.
constexpr int kLogRetentionDays = 30;
// The folder is searched for expired archives at start, at a change of date and at least
// this often (s), not on every maintenance tick: it may hold many thousand archives.
constexpr qint64 kLogCleanUpIntervalSecs = 3600;
// Beside the retention period, the archives together stay within both bounds; the oldest go
// first. At the idle poll's rate (a 5 KiB archive about every 5 s, some 17,000 a day) the
// count bound keeps a little more than the last day, enough to look back over a night on the
// rack; a folder of that many files still lists in well under a second, and the byte bound
// caps it when a transfer or a stream makes larger archives.
constexpr qint64 kLogFolderMaxBytes = 200LL * 1000 * 1000;
constexpr int kLogFolderMaxArchives = 20000;
// The clean-up also runs once this many archives were made since the last one, so a fast
// stream cannot run far past the count bound within the hour.
constexpr int kLogArchivesPerCleanUp = 1000;
// The thread that runs the clean-up, as crash reports name it.
constexpr const char* kLogCleanUpThreadName = "LogCleanUp";
// When an archive name is taken, "_1" ... up to this counter is tried before giving up.
constexpr int kMaxArchiveCounter = 99;

// Alternate signal stack of each thread (bytes): room for the crash handler, which unwinds
// the stack and formats the dump there.
constexpr size_t kSignalStackBytes = 256 * 1024;

} // namespace toolbox
