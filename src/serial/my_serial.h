#pragma once
// The one serial port of the program: keeps the line settings, opens and closes the port,
// reads what arrived and writes text or bytes. GUI thread only.

#include "serial/serial_settings.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

class MySerial : public QObject {
    Q_OBJECT
public:
    explicit MySerial(QObject* parent = nullptr);
    ~MySerial() override;

    void setSettings(const SerialSettings& settings) { m_settings = settings; }
    SerialSettings settings() const { return m_settings; }

    bool open();
    bool isOpen() const;
    void close();
    // Why the last open() failed (NoError when it did not); the port object is kept until
    // close() for this.
    QSerialPort::SerialPortError openError() const;
    QByteArray readAll();
    // Raw bytes (transfer packets); 0 when the port is not open.
    qint64 write(const QByteArray& bytes);
    // Console text in the local 8-bit encoding; -1 when empty or the port is not open.
    qint64 write(const QString& text);

signals:
    void readyRead();

private:
    SerialSettings m_settings;
    QSerialPort* m_port = nullptr;
};
