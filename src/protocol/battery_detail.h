#pragma once
// Parsers of one battery's detail: "info N" (identity), "bat N" (one line per cell) and
// "pwr N" (power data). Each returns what the battery info view and the gauge of battery N
// show; applying it is the caller's business.

#include "protocol/protocol_constants.h"

#include <QString>
#include <QVector>

#include <optional>

struct InfoReply {
    // All required labels were present; when false the eight texts are empty and the cell
    // number is "no data".
    bool complete = false;
    QString deviceAddress;
    // Kept by the main window, not the view; nullopt when the reply was incomplete.
    std::optional<QString> deviceName;
    QString bootVersion;
    QString commVersion;
    QString mainSoftVersion;
    QString barcode;       // empty when the unit's barcode is too short to be valid
    int barcodeLength = 0; // length of the barcode as the unit printed it, for the log
    QString packRating;    // pack voltage and capacity rating, e.g. 48V100AH
    QString maxChargeCurr; // as printed, unit included
    QString releaseDate;
    int cellNumber = kNoData;
};

InfoReply parseInfo(const QString& reply);

// A value the unit printed unreadable ("----") is none: it is shown as such and left out of
// the summary, never taken as 0.
struct CellRecord {
    int number = 0;                    // counted from 0
    std::optional<double> voltage;     // V
    std::optional<double> temperature; // degrees C
    std::optional<int> soc;            // %
    std::optional<int> capacity;       // AH
};

struct CellTable {
    // False when the table's line count differs from the cell number: the summary below is
    // "no data" and the cell list shown before stays.
    bool matched = false;
    QString body; // for the log
    int lineCount = 0;
    QVector<CellRecord> cells;
    double maxVoltage = kNoDataDouble; // V
    double minVoltage = kNoDataDouble; // V
    int maxVoltageCell = kNoData;      // counted from 0
    int minVoltageCell = kNoData;      // counted from 0
    double capacity = kNoDataDouble;   // AH, smallest of the cells
    int soc = kNoData;                 // %, smallest of the cells
};

CellTable parseBat(const QString& reply, int cellNumber);

struct PwrBatReply {
    // All required labels were present; when false the numbers are "no data", the texts
    // empty and the battery number label is blanked.
    bool complete = false;
    double current = kNoDataDouble;     // A
    double temperature = kNoDataDouble; // degrees C
    int soc = kNoData;                  // %; the gauge is left alone while it is "no data"
    double soh = kNoDataDouble;         // %, at most 100
    QString basicStatus;
    QString systemFault;
};

PwrBatReply parsePwrBat(const QString& reply);
