#pragma once
// The unit's console loop: assembles command lines from the line, runs each command
// against the model and writes the reply; pages the record listings, runs the real-time
// stream and the upgrade path (wake characters, XMODEM receiver, flashing report).

#include "reply_formatter.h"
#include "reply_writer.h"
#include "sim_options.h"
#include "unit_model.h"
#include "xmodem_receiver.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

class QFile;

namespace sim {

class LinePort;

class Console : public QObject {
    Q_OBJECT
public:
    Console(LinePort& port, const SimOptions& options, QObject* parent = nullptr);
    ~Console() override;

    // Starts as a bare XMODEM receiver; finished() follows the end of the transfer.
    void startXmodemOnly();

signals:
    void finished(int status);

private:
    enum class Mode { Command, Paging, Receiving, Flashing };
    using Handler = void (Console::*)(const QString& echo, const QStringList& words);

    struct Listing {
        const QVector<LogRecord>* records = nullptr;
        bool mask = false;
        int next = 0;
        int pages = 0; // pages written so far
    };

    // console.cpp: input and the command table
    void onBytes(const QByteArray& bytes);
    void onCommandByte(char c);
    void onPagingByte(char c);
    void runLine(const QString& line);
    void logCommand(const QString& text);
    void reply(const QString& echo, const QStringList& body, const QString& marker);
    void succeed(const QString& echo, const QStringList& body = {});
    void fail(const QString& echo, const char* marker);
    bool batteryArgument(const QString& echo, const QStringList& words, int index, int& n);

    // console_commands.cpp: one handler per command word
    void cmdLogin(const QString& echo, const QStringList& words);
    void cmdLogout(const QString& echo, const QStringList& words);
    void cmdPwrsys(const QString& echo, const QStringList& words);
    void cmdPwr(const QString& echo, const QStringList& words);
    void cmdBalance(const QString& echo, const QStringList& words);
    void cmdCtrl(const QString& echo, const QStringList& words);
    void cmdInfo(const QString& echo, const QStringList& words);
    void cmdBat(const QString& echo, const QStringList& words);
    void cmdConfig(const QString& echo, const QStringList& words);
    void cmdData(const QString& echo, const QStringList& words);
    void cmdDatalist(const QString& echo, const QStringList& words);
    void cmdDisp(const QString& echo, const QStringList& words);
    void cmdTbar(const QString& echo, const QStringList& words);
    void cmdTall(const QString& echo, const QStringList& words);
    void cmdHelp(const QString& echo, const QStringList& words);
    void cmdUpdata(const QString& echo, const QStringList& words);
    void writePage(const QString& echo);
    int pageSplitAt(int bodyStart, const QStringList& body);
    void startStream(int battery);
    void stopStream();
    void streamTick();

    // console_upgrade.cpp: wake, XMODEM receiver, flashing report
    void wake();
    void startReceiver(int firstRequestDelayMs);
    void onReceiverBytes(const QByteArray& bytes);
    void onReceiverTick();
    void endTransfer();
    void flashReport();

    LinePort& m_port;
    const SimOptions& m_options;
    UnitModel m_model;
    ReplyFormatter m_format;
    ReplyWriter m_writer;
    QHash<QString, Handler> m_commands;
    Mode m_mode = Mode::Command;
    QByteArray m_line;
    bool m_lineTooLong = false;
    int m_commandsRun = 0; // for --silent-after
    int m_pwrTables = 0;   // for --alarm-clears-after
    Listing m_listing;
    QElapsedTimer m_clock;
    std::unique_ptr<QFile> m_commandLog;

    QTimer m_streamTimer;
    bool m_streaming = false;
    bool m_streamWaiting = false;
    int m_streamBattery = 0;
    int m_streamId = 0;
    int m_streamStepS = 1;
    QDateTime m_streamStart;

    std::unique_ptr<XmodemReceiver> m_receiver;
    QTimer m_receiverTimer;
    QTimer m_flashTimer;
    bool m_xmodemOnly = false;
    int m_transfers = 0;
};

} // namespace sim
