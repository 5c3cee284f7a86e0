#include "protocol/frame_assembler.h"

#include "protocol/protocol_constants.h"

namespace {

// Noise is trimmed in whole blocks counted from the frame's first byte, so the cut points
// are the same however the bytes were chunked; what stays is 4 to 64 KiB.
constexpr qint64 kTrimBlock = kFrameIdleLimit - kFrameIdleKeep;

qint64 noiseKeptFrom(qint64 runLength) {
    if (runLength <= kFrameIdleLimit) {
        return 0;
    }
    return (runLength - kFrameIdleKeep) / kTrimBlock * kTrimBlock;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Leading white space is whatever the line carried between two replies; the reply starts at
// its first printed character whether or not that white space came in the same chunk.
QByteArray withoutLeadingSpace(const QByteArray& frame) {
    int i = 0;
    while (i < frame.size() && isBlank(frame.at(i))) {
        ++i;
    }
    return frame.mid(i);
}

QString replyText(const QByteArray& frame) {
    // The size is passed on purpose: the QByteArray overload stops at the first NUL byte.
    QString text = QString::fromUtf8(frame.constData(), frame.size());
    text.remove(QChar(u'\0'));
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace

FeedResult FrameAssembler::feed(const QByteArray& chunk) {
    FeedResult result;
    m_buffer.append(chunk);
    while (takeEvent(result)) {
    }
    if (m_buffer.isEmpty()) {
        return result;
    }
    // The last byte may be the first "$" of an end marker, so it does not count yet.
    const int start = firstStart();
    trimNoise(m_origin + (start >= 0 ? start : m_buffer.size() - 1), result);
    return result;
}

void FrameAssembler::clear() {
    m_buffer.clear();
    m_origin = 0;
    m_endScan = 0;
    m_startScan = 0;
    m_firstStart = -1;
}

// Takes the next frame (or overflow cut) off the buffer; false while waiting for bytes.
bool FrameAssembler::takeEvent(FeedResult& result) {
    int end = m_buffer.indexOf(kEndBytes, m_endScan);
    const int start = firstStart();
    if (start >= 0 && (end < 0 || start < end)) {
        return takeStarted(start, end, result);
    }
    if (end < 0) {
        m_endScan = qMax(0, m_buffer.size() - 1);
        return false;
    }
    end -= trimNoise(m_origin + end, result);
    emitFrame(FrameEvent::Kind::Misplaced, end + 2, result);
    return true;
}

bool FrameAssembler::takeStarted(int start, int end, FeedResult& result) {
    const int dropped = trimNoise(m_origin + start, result);
    start -= dropped;
    const qint64 limit = qint64(start) + kFrameMaxWithStart;
    if (end >= 0 && end - dropped + 2 <= limit) {
        emitFrame(FrameEvent::Kind::Reply, end - dropped + 2, result);
        return true;
    }
    if (m_buffer.size() >= limit) {
        emitFrame(FrameEvent::Kind::Overflow, int(limit), result);
        return true;
    }
    m_endScan = qMax(0, m_buffer.size() - 1);
    return false;
}

void FrameAssembler::emitFrame(FrameEvent::Kind kind, int size, FeedResult& result) {
    FrameEvent event;
    event.kind = kind;
    if (kind == FrameEvent::Kind::Overflow) {
        event.raw = m_buffer.left(kFrameLogExcerpt);
    } else {
        event.raw = withoutLeadingSpace(m_buffer.left(size));
    }
    if (kind == FrameEvent::Kind::Reply) {
        event.reply = replyText(event.raw);
    }
    result.events.append(event);
    dropFront(size);
    m_origin = 0;
}

// Index of the first "@", or -1; each byte is searched once.
int FrameAssembler::firstStart() {
    if (m_firstStart >= 0) {
        return m_firstStart;
    }
    m_firstStart = m_buffer.indexOf(kStartByte, m_startScan);
    m_startScan = m_firstStart >= 0 ? m_firstStart : m_buffer.size();
    return m_firstStart;
}

// Bounds the text before a start marker, `runLength` bytes of it counted from the frame's
// first byte; returns how many bytes left the front of the buffer.
int FrameAssembler::trimNoise(qint64 runLength, FeedResult& result) {
    const qint64 drop = noiseKeptFrom(runLength) - m_origin;
    if (drop <= 0) {
        return 0;
    }
    dropFront(int(drop));
    m_origin += drop;
    result.trimmedBytes += drop;
    return int(drop);
}

void FrameAssembler::dropFront(int count) {
    m_buffer.remove(0, count);
    m_endScan = qMax(0, m_endScan - count);
    if (m_firstStart >= count) {
        m_firstStart -= count;
        m_startScan = m_firstStart;
        return;
    }
    m_firstStart = -1;
    m_startScan = qMax(0, m_startScan - count);
}
