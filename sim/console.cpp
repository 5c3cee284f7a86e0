#include "console.h"

#include "line_port.h"
#include "sim_constants.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace sim {
namespace {

// A seeded run starts its clock at a fixed instant, so that its output is repeatable.
QDateTime modelStart(const SimOptions& o) {
    if (o.seeded)
        return QDateTime(QDate(2024, 5, 1), QTime(8, 0), Qt::UTC);
    const QDateTime now = QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
}

} // namespace

Console::Console(LinePort& port, const SimOptions& options, QObject* parent)
    : QObject(parent), m_port(port), m_options(options),
      m_model(options.batteries, options.seed, modelStart(options), !options.seeded, options.events,
              options.histories),
      m_format(m_model, options.model, options.relay), m_writer(port, options) {
    m_commands = {{"login", &Console::cmdLogin},       {"logout", &Console::cmdLogout},
                  {"pwrsys", &Console::cmdPwrsys},     {"pwr", &Console::cmdPwr},
                  {"balance", &Console::cmdBalance},   {"ctrl", &Console::cmdCtrl},
                  {"info", &Console::cmdInfo},         {"bat", &Console::cmdBat},
                  {"config", &Console::cmdConfig},     {"data", &Console::cmdData},
                  {"datalist", &Console::cmdDatalist}, {"disp", &Console::cmdDisp},
                  {"tbar", &Console::cmdTbar},         {"tall", &Console::cmdTall},
                  {"help", &Console::cmdHelp},         {"updata", &Console::cmdUpdata},
                  {"uboot", &Console::cmdUpdata}};
    m_model.overheat(options.alarmBattery);
    m_clock.start();
    if (!options.commandLog.isEmpty()) {
        m_commandLog = std::make_unique<QFile>(options.commandLog);
        if (!m_commandLog->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "norvanebat-sim: cannot write %s, logging to stderr\n",
                         qPrintable(options.commandLog));
            m_commandLog.reset();
        }
    }
    connect(&port, &LinePort::received, this, &Console::onBytes);
    connect(
        &port, &LinePort::idle, this,
        [this] {
            if (m_streamWaiting) {
                m_streamWaiting = false;
                streamTick();
            }
        },
        Qt::QueuedConnection);
    for (QTimer* t : {&m_streamTimer, &m_receiverTimer, &m_flashTimer})
        t->setSingleShot(true);
    connect(&m_streamTimer, &QTimer::timeout, this, &Console::streamTick);
    connect(&m_receiverTimer, &QTimer::timeout, this, &Console::onReceiverTick);
    connect(&m_flashTimer, &QTimer::timeout, this, &Console::flashReport);
}

Console::~Console() = default;

void Console::onBytes(const QByteArray& bytes) {
    if (m_mode == Mode::Receiving) {
        onReceiverBytes(bytes);
        return;
    }
    for (char c : bytes) {
        if (m_mode == Mode::Command)
            onCommandByte(c);
        else if (m_mode == Mode::Paging)
            onPagingByte(c);
        // The rest of a chunk that started the receiver, or input while flashing, is lost
        // as it would be on the unit.
    }
}

void Console::onCommandByte(char c) {
    if (c == '\r' || c == '\n') {
        const QByteArray line = m_line;
        const bool dropped = m_lineTooLong;
        m_line.clear();
        m_lineTooLong = false;
        if (!dropped)
            runLine(QString::fromUtf8(line));
        return;
    }
    if (c == '\b' || c == 0x7f) {
        m_line.chop(1);
        return;
    }
    if (uchar(c) < 0x20)
        return; // NUL and other control bytes mean nothing to the console
    if (m_line.size() >= kMaxLineLength) {
        m_lineTooLong = true;
        return;
    }
    m_line += c;
    if (m_line == kWakeSequence) {
        m_line.clear();
        wake();
    }
}

void Console::onPagingByte(char c) {
    if (c == '\r') {
        logCommand("\\r");
        writePage(QString());
        return;
    }
    // Any other key ends the listing, and is used up by it.
    logCommand("<quit listing>");
    m_mode = Mode::Command;
    m_writer.write(lines({QString(), kQuitMode, kEndMarker}), ReplyKind::Frame);
}

void Console::runLine(const QString& line) {
    static const QRegularExpression kBlanks("\\s+");
    const QStringList words = line.trimmed().split(kBlanks, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return; // an empty line gets no answer
    logCommand(line);
    if (m_options.silentAfter >= 0 && m_commandsRun >= m_options.silentAfter)
        return; // the unit has fallen silent: it hears the line but answers nothing
    ++m_commandsRun;
    m_model.step(1);
    const Handler handler = m_commands.value(words.first());
    if (!handler) {
        fail(line, kUnknown);
        return;
    }
    (this->*handler)(line, words);
}

void Console::logCommand(const QString& text) {
    const QByteArray entry = QString("%1 %2\n").arg(m_clock.elapsed()).arg(text).toUtf8();
    if (!m_commandLog) {
        std::fputs(entry.constData(), stderr);
        return;
    }
    m_commandLog->write(entry);
    m_commandLog->flush();
}

void Console::reply(const QString& echo, const QStringList& body, const QString& marker) {
    m_writer.write(frame(echo, body, marker), ReplyKind::Frame);
}

void Console::succeed(const QString& echo, const QStringList& body) {
    reply(echo, body, kSuccess);
}

void Console::fail(const QString& echo, const char* marker) {
    reply(echo, {}, marker);
}

// Reads the battery number at words[index] (or takes the battery addressed last when
// there is none) and answers the failure itself when the number is no good.
bool Console::batteryArgument(const QString& echo, const QStringList& words, int index, int& n) {
    if (words.size() <= index) {
        n = m_model.selectedBattery();
        return true;
    }
    bool ok = false;
    n = words.at(index).toInt(&ok);
    if (!ok) {
        fail(echo, kInvalid);
        return false;
    }
    if (!m_model.hasBattery(n)) {
        fail(echo, kNotPresent);
        return false;
    }
    m_model.selectBattery(n);
    return true;
}

} // namespace sim
