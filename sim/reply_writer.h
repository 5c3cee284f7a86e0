#pragma once
// Puts the console's text on the line: after the reply delay, and with the line faults
// asked for (random chunks and pauses, a lost "$$", garbage between replies). The faults
// draw from their own seeded generator, one fixed pattern of draws per reply, so the same
// seed and the same commands give the same bytes.

#include "sim_options.h"

#include <QByteArray>
#include <QRandomGenerator>

namespace sim {

class LinePort;

enum class ReplyKind {
    Frame, // a framed reply: every line fault applies
    Page,  // a page of a record listing: may also pause longer than a reply gap
    Plain, // console output outside the reply grammar: delayed, never faulted
};

class ReplyWriter {
public:
    ReplyWriter(LinePort& port, const SimOptions& options);

    // splitAt > 0: pause longer than a reply gap before that byte (a page cut in two bursts).
    void write(QByteArray text, ReplyKind kind, int splitAt = -1);
    // At once, untouched: XMODEM answers and real-time lines.
    void writeNow(const QByteArray& bytes);

private:
    void writeChunked(const QByteArray& text, int pauseAt);
    int longPauseMs();
    QByteArray garbage();

    LinePort& m_port;
    const SimOptions& m_options;
    QRandomGenerator m_rng;
};

} // namespace sim
