#pragma once
// Helpers of the program's start.

#include <QString>

class QCoreApplication;
class QTranslator;

// Loads fileName from the languages folder (beside the program or installed) into translator
// and installs it.
bool LoadTranslator(QTranslator& translator, const QString& fileName);
// SIGTERM (the desktop session ending, a service manager) ends the event loop like a quit,
// so that the program's own shutdown runs: log flushed, simulator ended, settings written.
void QuitOnTermSignal(QCoreApplication& app);

// Blocks of 256 KiB and more are given back to the system when freed. The C library
// otherwise raises that limit each time it frees such a block and serves later ones from
// the heap, where buffers of megabytes that come and go (the text views', the window's
// paint buffers) leave holes the heap grows around: over a long run the memory would grow
// several times faster than what is kept. Call first thing in main().
void KeepLargeBlocksOffTheHeap();
