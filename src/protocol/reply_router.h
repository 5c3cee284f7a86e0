#pragma once
// Which parser a complete reply goes to, and what it does to the command state. The reply is
// matched against the command sent last (its text with the trailing line feed) and its own
// echo; the rows are tried in this order and the first that holds wins. A reply that does
// not echo the command it would be judged for matches no row.

#include <QString>

enum class DispatchRow {
    None = 0,
    Info = 1,          // "info N" of the chosen battery (or the bare "info ")
    Bat = 2,           // "bat N"
    PwrSys = 3,        // "pwrsys"
    PwrBat = 4,        // "pwr N" of the current battery
    Ctrl = 5,          // "ctrl" (the reply must echo "ctrl" and a line feed)
    MosOpen = 6,       // "ctrl cfet on", "ctrl dfet on", echoed
    MosClose = 7,      // "ctrl cfet off", "ctrl dfet off", echoed
    PwrTable = 8,      // "pwr" with its table header
    Balance = 9,       // "balance"
    Config = 10,       // "config" (the reply must echo "config" and a line feed)
    SelfTest = 11,     // "tall", echoed
    DataNumber = 12,   // "data" (the reply must echo "data" and a line feed)
    RecordDetail = 13, // one record's detail, event or history
    ConfigDefault = 14,
    Barcode = 15,     // "tbar ..."
    EventList = 16,   // a complete event listing page (only the complete-listing model)
    HistoryList = 17, // a complete history listing page (only the complete-listing model)
};

DispatchRow chooseDispatchRow(const QString& currentCommand, const QString& reply,
                              int currentBatNum);

enum class CommandState {
    Completed,   // "Command State: completed successfully"
    Fail,        // "Command State: fail to excute"
    Unknown,     // "Command State: Unknown command"
    Unchanged,   // the label keeps its text
    ResendLogin, // the unit did not take the login yet: send "login debug" again, label kept
};

CommandState commandStateFor(const QString& currentCommand, const QString& reply);
