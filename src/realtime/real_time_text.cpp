#include "realtime/real_time_text.h"

#include "realtime/realtime_constants.h"

#include <QIODevice>

using namespace realtime;

void RealTimeText::append(const QString& text) {
    appendBytes(text.toUtf8());
}

QString RealTimeText::appendLine(const QString& line) {
    QString appended = line + QLatin1Char('\n');
    if (!isEmpty() && m_last != '\n')
        appended.prepend(QLatin1Char('\n'));
    append(appended);
    return appended;
}

void RealTimeText::appendBytes(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    if (m_open.capacity() < kTextBlockBytes)
        m_open.reserve(kTextBlockBytes);
    m_open.append(bytes);
    m_last = bytes.back();
    m_empty = false;
    if (m_open.size() >= kTextBlockBytes)
        sealOpenBlock();
}

void RealTimeText::sealOpenBlock() {
    QByteArray block = qCompress(m_open, kTextCompressionLevel);
    block.squeeze(); // made in a buffer the size of the input
    m_sealed.append(block);
    m_open.clear();
    m_open.reserve(kTextBlockBytes);
}

void RealTimeText::clear() {
    m_sealed.clear();
    m_open = QByteArray();
    m_last = '\0';
    m_empty = true;
}

qint64 RealTimeText::heldBytes() const {
    qint64 held = m_open.capacity();
    for (const QByteArray& block : m_sealed)
        held += block.capacity();
    return held;
}

bool RealTimeText::writeTo(QIODevice& out) const {
    for (const QByteArray& block : m_sealed) {
        const QByteArray text = qUncompress(block);
        if (out.write(text) != text.size())
            return false;
    }
    return out.write(m_open) == m_open.size();
}
