#pragma once
// Turns the bytes from the line into complete replies: a reply runs from the first "@" to the
// "$$" that ends it, the command echo before the "@" included. Bytes go in one chunk at a
// time; however the line cuts them, the same events come out in the same order (every cut,
// also of the bounded buffer, is placed by stream position, never by chunk boundaries).
//
// Owns no port and logs nothing: each feed returns what happened, so the caller can log it
// and dispatch the replies. Because feed() only returns values, a dispatcher that waits in a
// nested event loop (and so feeds again) never sees the assembler half-updated.

#include <QByteArray>
#include <QString>
#include <QVector>

struct FrameEvent {
    enum class Kind {
        Reply,     // a complete reply: `reply` is ready for the dispatcher
        Misplaced, // an end marker with no start marker before it: the text up to it is cut
        Overflow,  // a started reply outgrew the buffer without its end marker and was cut
    };
    Kind kind = Kind::Reply;
    // The frame as received, leading white space dropped (an Overflow frame only its first
    // kFrameLogExcerpt bytes), for the log.
    QByteArray raw;
    // Reply only: the text decoded as UTF-8, without NUL characters and carriage returns.
    QString reply;
};

struct FeedResult {
    QVector<FrameEvent> events;
    // Bytes of text before any start marker (stream output, noise) dropped to keep the
    // buffer small.
    qint64 trimmedBytes = 0;
};

class FrameAssembler {
public:
    FeedResult feed(const QByteArray& chunk);
    void clear();

    // Bytes waiting for their end marker.
    int bufferedBytes() const { return m_buffer.size(); }
    bool hasStartMarker() const { return m_firstStart >= 0; }

private:
    bool takeEvent(FeedResult& result);
    bool takeStarted(int start, int end, FeedResult& result);
    void emitFrame(FrameEvent::Kind kind, int size, FeedResult& result);
    int firstStart();
    int trimNoise(qint64 runLength, FeedResult& result);
    void dropFront(int count);

    QByteArray m_buffer;
    qint64 m_origin = 0;   // bytes of the current frame trimmed away before m_buffer[0]
    int m_endScan = 0;     // no "$$" starts before this index
    int m_startScan = 0;   // "@" searched up to here while m_firstStart < 0
    int m_firstStart = -1; // index of the first "@", or -1
};
