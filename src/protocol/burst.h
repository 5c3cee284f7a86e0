#pragma once
// The burst path: everything received until the line is quiet for the reply gap. Decides
// whether received bytes belong to a file transfer, how a burst edits the raw terminal view,
// and which stream handler (if any) gets it.

#include <QByteArray>
#include <QString>

// True when the receive buffer starts with a transfer control byte (SOH, EOT, ACK, NAK,
// CAN): the whole buffer then goes to the transfer, not to the terminal view.
bool startsWithTransferByte(const QByteArray& receiveBuffer);

struct BurstEdit {
    // The burst holds carriage returns but no line feed: like a terminal, it rewrites the
    // view's last line, which is deleted before `text` is inserted.
    bool replaceLastLine = false;
    // What to insert at the end of the view; also the text the stream handlers are given.
    QString text;
};

BurstEdit editBurst(const QString& burst);

// What to insert at the end of a terminal view whose last line already holds
// `lastLineLength` characters, so that the view stays bounded: a line is broken after
// `width` characters, and of text with more than `maxLines` lines only the last ones are
// kept, behind a line end (a view capped at `maxLines` blocks would drop the others at
// once). Line ends are "\n", "\r" and "\r\n", as the view reads them.
QString fitToTerminal(const QString& text, int lastLineLength, int width, int maxLines);

enum class BurstRoute {
    None,        // only shown
    UpdataState, // the unit reports on an image it received
    UpdataReady, // text while the boot loader is being woken
    RealTime,    // measurement stream lines
    RealTimeOff, // the stream was switched off
    EventList,   // a page of the event log (models that stream their listings)
    HistoryList, // a page of the history log (models that stream their listings)
};

// The handler for a burst (already edited), by the current command; first match wins.
BurstRoute routeBurst(const QString& currentCommand, const QString& burst,
                      const QString& deviceName);

// True for the model whose record listings arrive as complete replies instead of bursts.
bool listsAsReplies(const QString& deviceName);
