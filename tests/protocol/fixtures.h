#pragma once
// Recorded replies of the unit, as the console prints them (CRLF line ends).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>

inline QByteArray fixtureBytes(const QString& name) {
    QFile file(QStringLiteral(NB_PROTOCOL_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("missing fixture %s", qPrintable(name));
    }
    return file.readAll();
}

// A reply as the assembler hands it on: carriage returns gone.
inline QString fixtureReply(const QString& name) {
    return QString::fromUtf8(fixtureBytes(name)).remove(QLatin1Char('\r'));
}

inline QStringList fixtureNames() {
    return {"pwrsys.txt",     "pwr_table.txt", "balance.txt", "ctrl_fet.txt",
            "ctrl_relay.txt", "info.txt",      "bat.txt",     "pwr_bat.txt"};
}

// The text with the first line that contains `marker` replaced by `line` (removed when
// `line` is null).
inline QString withLine(QString text, const QString& marker, const QString& line = QString()) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).contains(marker)) {
            continue;
        }
        if (line.isNull()) {
            lines.removeAt(i);
        } else {
            lines[i] = line;
        }
        return lines.join(QLatin1Char('\n'));
    }
    qFatal("no line with %s", qPrintable(marker));
    return text;
}

inline QString withoutLine(const QString& text, const QString& marker) {
    return withLine(text, marker);
}
