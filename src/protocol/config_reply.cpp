#include "protocol/config_reply.h"

#include "protocol/protocol_constants.h"
#include "protocol/reply_fields.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
const QString kProtectionStart = QStringLiteral("Over Voltage");
const QString kSettingsStart = QStringLiteral("Shut time");
const QString kBarcodePass = QStringLiteral("Test result:pass");
} // namespace

ProtectionRow protectionRow(const QString& line) {
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    const int colon = line.indexOf(':');
    if (colon < 0)
        return {};
    const QString item = line.left(colon).trimmed();
    const QStringList values = line.mid(colon + 1).trimmed().split(kBlanks, Qt::SkipEmptyParts);
    if (values.size() == 3)
        return {item, values.at(0), values.at(1), values.at(2)};
    if (values.size() == 2)
        return {item, values.at(0), QString(), values.at(1)};
    return {};
}

ConfigReply parseConfigReply(const QString& reply) {
    ConfigReply r;
    r.protectionText = sliceBetween(reply, kProtectionStart, kSettingsStart, true).trimmed();
    r.restText = sliceBetween(reply, kSettingsStart, kSuccessMarker, true).trimmed();
    const QStringList lines = r.protectionText.split('\n');
    for (const QString& line : lines) {
        // A blank line separates groups of items; it is no row of the table.
        if (line.trimmed().isEmpty())
            continue;
        r.rows.append(protectionRow(line));
    }
    return r;
}

bool commandSucceeded(const QString& reply) {
    return reply.contains(kSuccessMarker);
}

bool barcodeWritten(const QString& reply) {
    return reply.contains(kBarcodePass) && commandSucceeded(reply);
}
