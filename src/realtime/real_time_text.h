#pragma once
// The stream's text as the unit printed it, across runs until it is cleared: the Download
// writes all of it, the page's text view shows only its tail. Held compactly: the unit's
// lines repeat most of their columns from one sample to the next, so each full block of the
// text is kept compressed (a day at 1 Hz, some 13 MB of text, takes about 2 MB) and only the
// newest block as it is. Appending costs the same at any length of the text.

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

class RealTimeText {
public:
    // A burst as received.
    void append(const QString& text);
    // `line` on a line of its own ("finish" after a stop): a line end goes first when the text
    // does not end with one. Returns the text appended, for the view.
    QString appendLine(const QString& line);
    void clear();

    bool isEmpty() const { return m_empty; }
    // The memory that holding the text takes.
    qint64 heldBytes() const;
    // The whole text in UTF-8; false as soon as a write fails.
    bool writeTo(QIODevice& out) const;

private:
    void appendBytes(const QByteArray& bytes);
    void sealOpenBlock();

    QVector<QByteArray> m_sealed; // compressed blocks, oldest first
    QByteArray m_open;            // the newest text, less than a block
    char m_last = '\0';           // the text's last byte
    bool m_empty = true;
};
