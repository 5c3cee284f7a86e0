// The upgrade path: the wake characters of a battery waiting in its boot loader, the
// XMODEM receiver started by "updata"/"uboot" (or by --xmodem-only), and the flashing
// report that follows a complete transfer.

#include "console.h"

#include "line_port.h"
#include "sim_constants.h"

#include <QFile>

#include <cstdio>

namespace sim {
namespace {

constexpr quint32 kXmodemSeedSalt = 0x0c0ffee;

QStringList flashText(FlashResult result) {
    switch (result) {
    case FlashResult::Invalid:
        return {QString(), "Flash erase over", "Version invalid", "Updata fail"};
    case FlashResult::NoHead:
        return {QString(), "Version without head", "Updata fail"};
    case FlashResult::Hub:
        return {QString(), "Hub flash over", "IBCCAN init over"};
    case FlashResult::Ok:
        break;
    }
    return {QString(), "Flash erase over",   "Flash write over", "Jump to application",
            QString(), "BMS firmware start", "SYS Init Over"};
}

const char* outcomeName(XmodemReceiver::Outcome outcome) {
    switch (outcome) {
    case XmodemReceiver::Outcome::Done:
        return "complete";
    case XmodemReceiver::Outcome::Cancelled:
        return "cancelled";
    case XmodemReceiver::Outcome::Failed:
        return "failed";
    case XmodemReceiver::Outcome::Running:
        break;
    }
    return "running";
}

} // namespace

void Console::wake() {
    logCommand(kWakeSequence);
    if (m_options.wakeSilent)
        return;
    m_writer.write(lines({QString(), "Boot loader", kUpdataReady}), ReplyKind::Plain);
}

void Console::cmdUpdata(const QString& echo, const QStringList& words) {
    stopStream();
    m_writer.write(
        lines({echo, QString("Enter %1 mode, waiting for the image").arg(words.first())}),
        ReplyKind::Plain);
    // The first request comes after a pause, so that it does not share a burst with the text.
    startReceiver(m_options.replyDelayMs + kXmodemStartDelayMs);
}

void Console::startXmodemOnly() {
    m_xmodemOnly = true;
    startReceiver(0);
}

void Console::startReceiver(int firstRequestDelayMs) {
    m_mode = Mode::Receiving;
    m_receiver = std::make_unique<XmodemReceiver>(m_options.xmodemFault,
                                                  m_options.seed ^ (kXmodemSeedSalt + m_transfers));
    ++m_transfers;
    m_receiverTimer.start(firstRequestDelayMs);
}

void Console::onReceiverBytes(const QByteArray& bytes) {
    m_writer.writeNow(m_receiver->feed(bytes));
    if (m_receiver->outcome() != XmodemReceiver::Outcome::Running) {
        endTransfer();
        return;
    }
    m_receiverTimer.start(kXmodemTickMs);
}

void Console::onReceiverTick() {
    if (m_mode != Mode::Receiving)
        return;
    m_writer.writeNow(m_receiver->tick());
    if (m_receiver->outcome() != XmodemReceiver::Outcome::Running) {
        endTransfer();
        return;
    }
    m_receiverTimer.start(kXmodemTickMs);
}

void Console::endTransfer() {
    m_receiverTimer.stop();
    const XmodemReceiver::Outcome outcome = m_receiver->outcome();
    const bool done = outcome == XmodemReceiver::Outcome::Done;
    std::fprintf(stderr, "norvanebat-sim: transfer %s, %d blocks, %d bytes\n", outcomeName(outcome),
                 m_receiver->blocks(), int(m_receiver->image().size()));
    if (done && !m_options.xmodemOut.isEmpty()) {
        QFile out(m_options.xmodemOut);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(m_receiver->image()) != m_receiver->image().size())
            std::fprintf(stderr, "norvanebat-sim: cannot write %s\n",
                         qPrintable(m_options.xmodemOut));
    }
    if (m_xmodemOnly) {
        m_mode = Mode::Flashing; // nothing more is read
        emit finished(done ? 0 : 1);
        return;
    }
    if (!done) {
        m_mode = Mode::Command;
        m_writer.write(lines({QString(), "Updata abort"}), ReplyKind::Plain);
        return;
    }
    m_mode = Mode::Flashing;
    m_flashTimer.start(m_options.flashDelayMs);
}

void Console::flashReport() {
    m_mode = Mode::Command;
    m_line.clear();
    const QByteArray report = lines(flashText(m_options.flashResult));
    if (m_options.reportPiecesMs <= 0) {
        m_writer.write(report, ReplyKind::Plain);
        return;
    }
    // A line that pauses inside words and line ends, as a slow adapter delivers it.
    for (int at = 0; at < report.size(); at += kReportPieceBytes)
        m_port.send(report.mid(at, kReportPieceBytes), m_options.reportPiecesMs);
}

} // namespace sim
