#pragma once
// Every text the simulated console prints is laid out here: the reply frame and the body
// of each command, the record listings and the real-time stream lines.

#include "unit_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sim {

// Echo, start marker, body, marker and end marker, each line ended by CR LF. An empty
// marker leaves the marker line out.
QByteArray frame(const QString& echo, const QStringList& body, const QString& marker);
// Lines joined and ended by CR LF.
QByteArray lines(const QStringList& text);

class ReplyFormatter {
public:
    ReplyFormatter(const UnitModel& model, const QString& deviceName, bool relay)
        : m_model(model), m_deviceName(deviceName), m_relay(relay) {}

    QStringList pwrsys() const;
    QStringList pwrTable() const;
    QStringList pwrBattery(int n) const;
    QStringList balance() const;
    QStringList ctrl() const;
    QStringList info(int n) const;
    QStringList bat(int n) const;
    QStringList config() const;
    QStringList dataCounts() const;
    QStringList help() const;

    static QString recordHeader(bool mask);
    static QString recordLine(const LogRecord& r, bool mask);
    static QStringList recordDetail(const LogRecord& r, bool mask);

    static QString streamHeader();
    QString streamLine(int id, const QDateTime& at, int n) const;

private:
    const UnitModel& m_model;
    QString m_deviceName;
    bool m_relay;
};

} // namespace sim
