#include "serial/my_serial.h"

#include <QDebug>
#include <QSerialPort>

MySerial::MySerial(QObject* parent) : QObject(parent) {}

MySerial::~MySerial() {
    close();
}

bool MySerial::open() {
    close();
    m_port = new QSerialPort(this);
    m_port->setPortName(m_settings.portName);
    m_port->setBaudRate(m_settings.baudRate, QSerialPort::AllDirections);
    m_port->setDataBits(QSerialPort::DataBits(m_settings.dataBits));
    m_port->setStopBits(QSerialPort::StopBits(m_settings.stopBits));
    m_port->setParity(QSerialPort::Parity(m_settings.parity));
    m_port->setFlowControl(QSerialPort::FlowControl(m_settings.flowControl));
    if (!m_port->open(QIODevice::ReadWrite))
        return false; // the unopened port object stays until close()
    connect(m_port, &QSerialPort::readyRead, this, &MySerial::readyRead);
    return true;
}

bool MySerial::isOpen() const {
    return m_port && m_port->isOpen();
}

QSerialPort::SerialPortError MySerial::openError() const {
    return m_port && !m_port->isOpen() ? m_port->error() : QSerialPort::NoError;
}

void MySerial::close() {
    if (!m_port)
        return;
    // The port's own read handler may still be on the stack below us (a slot that waits or
    // asks the user runs nested event loops): delete it only once control is back in the
    // event loop.
    disconnect(m_port, nullptr, this, nullptr);
    m_port->close();
    m_port->deleteLater();
    m_port = nullptr;
}

QByteArray MySerial::readAll() {
    if (!isOpen()) {
        qDebug() << "serial readAll() serial == nullptr or not open";
        return {};
    }
    return m_port->readAll();
}

qint64 MySerial::write(const QByteArray& bytes) {
    if (!isOpen()) {
        qDebug() << "serial readAll() serial == nullptr or not open";
        return 0;
    }
    qDebug() << "发送的bytes：" << bytes.toHex(' ');
    qDebug() << "数据帧大小：" << bytes.size();
    return m_port->write(bytes);
}

qint64 MySerial::write(const QString& text) {
    if (text.isEmpty() || !isOpen())
        return -1;
    const QByteArray bytes = text.toLocal8Bit();
    qDebug() << "发送的数据：" << bytes;
    return m_port->write(bytes);
}
