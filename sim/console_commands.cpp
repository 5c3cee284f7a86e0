// The console's commands: one handler per command word, each answering through the
// formatter. Battery numbers count from 1; record items too, listing starts from 0.

#include "console.h"

#include "line_port.h"
#include "sim_constants.h"

#include <algorithm>

namespace sim {

void Console::cmdLogin(const QString& echo, const QStringList& words) {
    if (words.size() != 2 || words.at(1) != "debug") {
        fail(echo, kInvalid);
        return;
    }
    succeed(echo, {"Debug mode on"});
}

void Console::cmdLogout(const QString& echo, const QStringList&) {
    succeed(echo, {"Debug mode off"});
}

void Console::cmdPwrsys(const QString& echo, const QStringList&) {
    succeed(echo, m_format.pwrsys());
}

void Console::cmdPwr(const QString& echo, const QStringList& words) {
    if (words.size() == 1) {
        succeed(echo, m_format.pwrTable());
        if (++m_pwrTables == m_options.alarmClearsAfter)
            m_model.coolDown(m_options.alarmBattery);
        return;
    }
    int n = 0;
    if (batteryArgument(echo, words, 1, n))
        succeed(echo, m_format.pwrBattery(n));
}

void Console::cmdBalance(const QString& echo, const QStringList&) {
    if (m_options.unknownBalance) {
        fail(echo, kUnknown);
        return;
    }
    succeed(echo, m_format.balance());
}

void Console::cmdCtrl(const QString& echo, const QStringList& words) {
    if (words.size() == 1) {
        succeed(echo, m_format.ctrl());
        return;
    }
    const QString fet = words.value(1);
    const QString state = words.value(2);
    if (words.size() != 3 || (fet != "cfet" && fet != "dfet") ||
        (state != "on" && state != "off") || m_options.switchRefuse) {
        fail(echo, kInvalid);
        return;
    }
    const bool on = state == "on";
    if (fet == "cfet")
        m_model.setCfet(on);
    else
        m_model.setDfet(on);
    succeed(echo, {fet.toUpper() + ":" + (on ? "ON" : "OFF")});
}

void Console::cmdInfo(const QString& echo, const QStringList& words) {
    int n = 0;
    if (batteryArgument(echo, words, 1, n))
        succeed(echo, m_format.info(n));
}

void Console::cmdBat(const QString& echo, const QStringList& words) {
    int n = 0;
    if (batteryArgument(echo, words, 1, n))
        succeed(echo, m_format.bat(n));
}

void Console::cmdConfig(const QString& echo, const QStringList& words) {
    if (words.size() == 1) {
        succeed(echo, m_format.config());
        return;
    }
    if (words.size() != 2 || words.at(1) != "default") {
        fail(echo, kInvalid);
        return;
    }
    m_model.resetConfig();
    succeed(echo, {"Default configuration restored"});
}

void Console::cmdData(const QString& echo, const QStringList& words) {
    if (words.size() == 1) {
        succeed(echo, m_format.dataCounts());
        return;
    }
    const QString kind = words.value(1);
    bool ok = false;
    const int item = words.value(2).toInt(&ok);
    const QVector<LogRecord>* log = kind == "event"     ? &m_model.events()
                                    : kind == "history" ? &m_model.histories()
                                                        : nullptr;
    if (words.size() != 3 || !log || !ok || item < 1 || item > log->size()) {
        fail(echo, kInvalid);
        return;
    }
    succeed(echo, ReplyFormatter::recordDetail(log->at(item - 1), log == &m_model.events()));
}

// Events carry the alarm mask column, histories do not.
void Console::cmdDatalist(const QString& echo, const QStringList& words) {
    const QString kind = words.value(1);
    bool ok = false;
    const int start = words.value(2).toInt(&ok);
    const QVector<LogRecord>* log = kind == "event"     ? &m_model.events()
                                    : kind == "history" ? &m_model.histories()
                                                        : nullptr;
    if (words.size() != 3 || !log || !ok || start < 0 || start >= log->size()) {
        fail(echo, kInvalid);
        return;
    }
    const bool mask = log == &m_model.events();
    if (m_options.model != kCompleteListingModel) {
        m_listing = {log, mask, start, 0};
        writePage(echo);
        return;
    }
    QStringList body{ReplyFormatter::recordHeader(mask)};
    for (int i = start; i < log->size(); ++i)
        body += ReplyFormatter::recordLine(log->at(i), mask);
    m_writer.write(frame(echo, body, kSuccess), ReplyKind::Page); // a listing, in one piece
}

// The first page (with an echo) opens the reply and carries the header; every page ends
// with the paging prompt, the last one with the completion and the end marker.
void Console::writePage(const QString& echo) {
    const QVector<LogRecord>& records = *m_listing.records;
    QByteArray text =
        echo.isNull() ? QByteArray(kLineEnd)
                      : lines({echo, kStartMarker, ReplyFormatter::recordHeader(m_listing.mask)});
    const int end = std::min(m_listing.next + kPageRecords, int(records.size()));
    QStringList body;
    for (int i = m_listing.next; i < end; ++i)
        body += ReplyFormatter::recordLine(records.at(i), m_listing.mask);
    m_listing.next = end;
    const int splitAt = pageSplitAt(text.size(), body);
    ++m_listing.pages;
    text += lines(body);
    const bool more = end < records.size();
    text += more ? QByteArray(kPagePrompt) : lines({kSuccess, kEndMarker});
    m_mode = more ? Mode::Paging : Mode::Command;
    m_writer.write(text, ReplyKind::Page, splitAt);
}

// Where --split-pages cuts a page whose record lines start at bodyStart: after its middle
// record line, or in the middle of that line; -1 for no cut.
int Console::pageSplitAt(int bodyStart, const QStringList& body) {
    const PageSplit split = m_options.pageSplit;
    if (split == PageSplit::None || body.isEmpty())
        return -1;
    const bool atLine =
        split == PageSplit::AtLine || (split == PageSplit::Both && m_listing.pages % 2 == 0);
    const int middle = (body.size() - 1) / 2;
    const int lineStart = bodyStart + lines(body.mid(0, middle)).size();
    const int lineSize = body.at(middle).toUtf8().size();
    return atLine ? lineStart + lineSize + int(qstrlen(kLineEnd)) : lineStart + lineSize / 2;
}

void Console::cmdDisp(const QString& echo, const QStringList& words) {
    if (words.size() == 2 && words.at(1) == "0") {
        stopStream();
        succeed(echo);
        return;
    }
    int n = 0;
    if (words.size() != 3 || words.at(1) != "pwrs") {
        fail(echo, kInvalid);
        return;
    }
    if (!batteryArgument(echo, words, 2, n))
        return;
    stopStream();
    succeed(echo);
    m_writer.writeNow(lines({ReplyFormatter::streamHeader()}));
    startStream(n);
}

void Console::startStream(int battery) {
    m_streaming = true;
    m_streamBattery = battery;
    m_streamId = 0;
    // Each sample stands for at least a second of the unit's time, however fast it is sent.
    m_streamStepS = std::max(1, (m_options.streamPeriodMs + 500) / 1000);
    m_streamStart = m_model.now();
    m_streamTimer.start(m_options.streamPeriodMs);
}

void Console::stopStream() {
    m_streaming = false;
    m_streamWaiting = false;
    m_streamTimer.stop();
}

void Console::streamTick() {
    if (!m_streaming)
        return;
    if (!m_port.isIdle()) {
        m_streamWaiting = true; // the reader is behind; go on when the line is free
        return;
    }
    m_model.step(m_streamStepS);
    ++m_streamId;
    const QDateTime at = m_streamStart.addSecs(qint64(m_streamId - 1) * m_streamStepS);
    m_writer.writeNow(lines({m_format.streamLine(m_streamId, at, m_streamBattery)}));
    m_streamTimer.start(m_options.streamPeriodMs);
}

void Console::cmdTbar(const QString& echo, const QStringList& words) {
    const QString code = words.size() == 2 ? words.at(1) : QString();
    const bool printable = std::all_of(
        code.begin(), code.end(), [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
    if (code.size() != kBarcodeLength || !printable) {
        reply(echo, {"Test result:fail"}, kInvalid);
        return;
    }
    if (m_options.tbarFail) {
        // The unit took the command but could not write the barcode.
        succeed(echo, {"Test result:fail"});
        return;
    }
    m_model.writeBarcode(code);
    succeed(echo, {"Test result:pass"});
}

void Console::cmdTall(const QString& echo, const QStringList&) {
    QStringList body{"Self test start"};
    for (int n = 1; n <= m_model.batteryCount(); ++n)
        body += QString("Power %1 self test : pass").arg(n);
    body += "Self test over";
    succeed(echo, body);
}

void Console::cmdHelp(const QString& echo, const QStringList&) {
    succeed(echo, m_format.help());
}

} // namespace sim
