#include "reply_writer.h"

#include "line_port.h"
#include "sim_constants.h"

namespace sim {
namespace {

constexpr quint32 kFaultSeedSalt = 0x5eed0f;

// Line noise: NULs, punctuation, letters and bytes that are not UTF-8, but nothing that
// could pass for a marker, a digit, a line end or an XMODEM control byte.
const char kNoiseBytes[] = "\0\0\0\0#%&*+-/<=>?^_|~qxzQXZ\x80\x9f\xc3\xfe\xff";
const QByteArray kNoise(kNoiseBytes, sizeof kNoiseBytes - 1);

} // namespace

ReplyWriter::ReplyWriter(LinePort& port, const SimOptions& options)
    : m_port(port), m_options(options), m_rng(options.seed ^ kFaultSeedSalt) {}

void ReplyWriter::writeNow(const QByteArray& bytes) {
    m_port.send(bytes);
}

void ReplyWriter::write(QByteArray text, ReplyKind kind, int splitAt) {
    if (kind == ReplyKind::Plain) {
        m_port.send(text, m_options.replyDelayMs);
        return;
    }
    const QByteArray end = QByteArray(kEndMarker) + kLineEnd;
    if (m_options.loseEnd && text.endsWith(end) && m_rng.bounded(4) == 0)
        text.chop(end.size());
    if (splitAt >= text.size())
        splitAt = -1;
    if (m_options.chunk) {
        const bool longPause = kind == ReplyKind::Page && m_rng.bounded(2) == 0;
        const int pauseAt = longPause && text.size() > 1 ? int(m_rng.bounded(1, text.size())) : -1;
        writeChunked(text, splitAt > 0 ? splitAt : pauseAt);
    } else if (splitAt > 0) {
        m_port.send(text.left(splitAt), m_options.replyDelayMs);
        m_port.send(text.mid(splitAt), longPauseMs());
    } else {
        m_port.send(text, m_options.replyDelayMs);
    }
    if (m_options.garbage && m_rng.bounded(2) == 0)
        m_port.send(garbage(), int(m_rng.bounded(20)));
}

int ReplyWriter::longPauseMs() {
    return int(m_rng.bounded(kLongPauseMinMs, kLongPauseMaxMs + 1));
}

void ReplyWriter::writeChunked(const QByteArray& text, int pauseAt) {
    int pos = 0;
    while (pos < text.size()) {
        int n = int(m_rng.bounded(1, kChunkMaxBytes + 1));
        if (pos < pauseAt && pos + n > pauseAt)
            n = pauseAt - pos;
        int delay = int(m_rng.bounded(kChunkMaxPauseMs + 1));
        if (pos == 0)
            delay = m_options.replyDelayMs;
        else if (pos == pauseAt)
            delay = longPauseMs();
        m_port.send(text.mid(pos, n), delay);
        pos += n;
    }
}

QByteArray ReplyWriter::garbage() {
    QByteArray out;
    const int n = int(m_rng.bounded(1, kGarbageMaxBytes + 1));
    for (int i = 0; i < n; ++i)
        out += kNoise.at(int(m_rng.bounded(kNoise.size())));
    return out;
}

} // namespace sim
