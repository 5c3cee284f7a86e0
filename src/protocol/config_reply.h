#pragma once
// The reply of "config": the protection thresholds, one "Item : cell power unit" line each,
// from "Over Voltage" on, then the other settings from "Shut time" on, which the page shows
// as text. Also the verdicts of the control commands' replies.

#include <QString>
#include <QVector>

// One row of the protection table. A line the table cannot take is a row of empty texts.
struct ProtectionRow {
    QString item;
    QString cell;
    QString power; // empty when the line gives one value (a per-cell setting)
    QString unit;
};

struct ConfigReply {
    QString protectionText; // from "Over Voltage" up to "Shut time", trimmed
    QString restText;       // from "Shut time" up to the completion marker, trimmed
    QVector<ProtectionRow> rows;
};

ConfigReply parseConfigReply(const QString& reply);

// One line of the protection part as a table row: three values give cell, power and unit;
// two give cell and unit; any other count (or no ':') an empty row.
ProtectionRow protectionRow(const QString& line);

// The unit took the command ("Command completed successfully").
bool commandSucceeded(const QString& reply);
// "tbar" wrote the barcode: the unit's test passed and the command completed.
bool barcodeWritten(const QString& reply);
