#include "protocol/reply_fields.h"

#include "protocol/protocol_constants.h"

#include <QRegularExpression>

#include <cmath>

QString fieldRemainder(const QString& reply, const QString& label) {
    const int at = reply.indexOf(label);
    if (at < 0) {
        return QString();
    }
    return reply.mid(at).trimmed();
}

QString fieldText(const QString& reply, const QString& label, const QString& unit) {
    const QString rest = fieldRemainder(reply, label);
    if (rest.isNull()) {
        return QString();
    }
    const int lineEnd = rest.indexOf(QLatin1Char('\n'));
    const QString line = lineEnd < 0 ? rest : rest.left(lineEnd);
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return QString();
    }
    QString value = line.mid(colon + 1);
    if (!unit.isEmpty()) {
        const int unitAt = value.indexOf(unit);
        if (unitAt >= 0) {
            value.truncate(unitAt);
        }
    }
    return value.trimmed();
}

int toIntOr(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

double toDoubleOr(const QString& text, double fallback) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

std::optional<double> toDouble(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> toInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int fieldInt(const QString& reply, const QString& label, const QString& unit) {
    return toIntOr(fieldText(reply, label, unit), kNoData);
}

double fieldDouble(const QString& reply, const QString& label, const QString& unit) {
    return toDoubleOr(fieldText(reply, label, unit), kNoDataDouble);
}

bool containsAll(const QString& reply, std::initializer_list<const char*> labels) {
    for (const char* label : labels) {
        if (!reply.contains(QLatin1String(label))) {
            return false;
        }
    }
    return true;
}

QStringList splitFields(const QString& line) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return line.split(blanks);
}

QString sliceBetween(const QString& text, const QString& from, const QString& to,
                     bool includeFrom) {
    const int at = text.indexOf(from);
    if (at < 0) {
        return QString();
    }
    const int start = includeFrom ? at : at + from.size();
    const int end = text.indexOf(to, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}
