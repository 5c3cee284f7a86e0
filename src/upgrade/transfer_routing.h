#pragma once
// The main window's side of the transfer, without widgets: which received bytes belong to
// the transfer thread, and how the transfer's progress is shown.

#include <QByteArray>
#include <QString>

// Takes the receive buffer for the transfer thread when its first byte is a control byte:
// returns the whole buffer and empties it. A buffer that begins with anything else (text,
// even with control bytes after it) is left alone and an empty array is returned.
QByteArray takeTransferBytes(QByteArray& receiveBuffer);

// Image bytes sent in whole percent, truncated; 0 for an empty image.
int transferPercent(qint64 bytesSent, qint64 totalSize);

// The one progress line of the receive view, "Transimit finish 42%" (translated in the
// main window's context).
QString transferProgressText(int percent);

// Seconds left at the rate measured since the first block went out, rounded up; -1 while
// the transfer has run too briefly (or sent nothing yet) for a rate to mean anything.
int transferSecondsLeft(qint64 bytesSent, qint64 totalSize, qint64 elapsedMs);
