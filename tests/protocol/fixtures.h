#pragma once
// Recorded replies of the unit, as the console prints them (CRLF line ends).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <initializer_list>

inline QByteArray fixtureBytes(const QString& name) {
    QFile file(QStringLiteral(NB_PROTOCOL_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

// A reply as the assembler hands it on: carriage returns gone.
inline QString fixtureReply(const QString& name) {
    return QString::fromUtf8(fixtureBytes(name)).remove(QLatin1Char('\r'));
}

inline QStringList fixtureNames() {
    return QDir(QStringLiteral(NB_PROTOCOL_FIXTURES)).entryList({"*.txt"}, QDir::Files, QDir::Name);
}

// The text with the first line containing `marker` replaced by `line` (removed when null).
inline QString withLine(const QString& text, const QString& marker,
                        const QString& line = QString()) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).contains(marker))
            continue;
        line.isNull() ? void(lines.removeAt(i)) : void(lines[i] = line);
        return lines.join(QLatin1Char('\n'));
    }
    qFatal("no line with %s", qPrintable(marker));
    return text;
}

// A data row: the reply with the line holding `label` replaced by `line` (removed when null),
// and the recorded reply's expected text with `from` replaced by `to`.
inline void variantRow(const char* name, const QString& recorded, const QString& expected,
                       const char* label, const char* line, const char* from, const char* to) {
    QTest::newRow(name) << withLine(recorded, label, line) << QString(expected).replace(from, to);
}

// Numbers as one comparable text ("4 53.012 -2.5"), the no-data marker 268435455 as "-".
inline QString nums(std::initializer_list<double> values) {
    QStringList out;
    for (double v : values)
        out << (v == 268435455.0 ? QStringLiteral("-") : QString::number(v, 'g', 10));
    return out.join(QLatin1Char(' '));
}
